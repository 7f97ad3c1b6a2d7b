#include "engine/machine_loads.h"

#include <algorithm>

void sum_machine_loads(const SCH& sch, MachineLoads& loads) {
  const std::size_t n = static_cast<std::size_t>(std::max(0, sch.n_of_Machines)) + 1;
  loads.processing.assign(n, 0.0);
  loads.busy.assign(n, 0.0);
  const std::size_t heads = std::min(n, sch.Mach_Head.size());
  for (std::size_t m = 1; m < heads; ++m) {
    // Summed in sequence order, as the figures were always summed.
    double processing = 0.0, busy = 0.0;
    for (int t = sch.Mach_Head[m]; t != NO_TASK; t = sch.task(t).next_on_machine) {
      const TASK& task = sch.task(t);
      processing += task.ProcT;
      busy += static_cast<double>(task.EndT) - static_cast<double>(task.StartT);
    }
    loads.processing[m] = processing;
    loads.busy[m] = busy;
  }
}
