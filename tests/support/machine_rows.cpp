#include "tests/support/machine_rows.h"

#include "engine/schedule_linked.h"

namespace {
template <class Row, class Read>
std::vector<std::vector<Row>> rows_of(const SCH& sch, Read read) {
  std::vector<std::vector<Row>> out(static_cast<std::size_t>(sch.n_of_Machines));
  for (int m = 1; m <= sch.n_of_Machines; ++m)
    for (int t = sch.Mach_Head[m]; t != NO_TASK; t = sch.task(t).next_on_machine)
      out[static_cast<std::size_t>(m - 1)].push_back(read(sch.task(t)));
  return out;
}
}  // namespace

std::vector<std::vector<int>> machine_jobs(const SCH& sch) {
  return rows_of<int>(sch, [](const TASK& t) { return t.Job; });
}

std::vector<std::vector<PositionTimes>> machine_times(const SCH& sch) {
  return rows_of<PositionTimes>(sch, [](const TASK& t) { return PositionTimes{t.StartT, t.EndT}; });
}
