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

bool machine_overloaded(const SCH& sch, int m, const MACHINE& machine) {
  if (m < 1 || m > sch.n_of_Machines || static_cast<std::size_t>(m) >= sch.Mach_Head.size()) return false;
  const int head = sch.Mach_Head[static_cast<std::size_t>(m)];
  if (head == NO_TASK || machine.N_Cal < 1 || static_cast<std::size_t>(machine.N_Cal) >= machine.Cal.size())
    return false;
  int last = head;
  while (sch.task(last).next_on_machine != NO_TASK) last = sch.task(last).next_on_machine;
  return machine.Cal[static_cast<std::size_t>(machine.N_Cal)].ET < sch.task(last).EndT;
}

MachineUtilization machine_utilization(const MachineLoads& loads, int m, double H, const MACHINE* machine) {
  MachineUtilization u;
  if (H == 0.0 || m < 0) return u;
  const std::size_t i = static_cast<std::size_t>(m);
  const double P = i < loads.processing.size() ? loads.processing[i] : 0.0;
  const double B = i < loads.busy.size() ? loads.busy[i] : 0.0;
  u.processing_of_horizon = P / H;
  u.busy_of_horizon = B / H;
  // A calendar count beyond the intervals held is never followed.
  const bool calendar_ok =
      machine && machine->N_Cal >= 0 && static_cast<std::size_t>(machine->N_Cal) < machine->Cal.size();
  const double A = calendar_ok ? machine->cal_time_until(static_cast<int>(H)) : 0.0;
  if (A != 0.0) {
    u.processing_of_available = P / A;
    u.busy_of_available = B / A;
  }
  return u;
}
