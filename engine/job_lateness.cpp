#include "engine/job_lateness.h"

#include <algorithm>

#include "engine/schedule_linked.h"

namespace {
template <class T>
const T* record(const std::vector<T>& table, int i) {
  return i >= 1 && static_cast<std::size_t>(i) < table.size() ? &table[static_cast<std::size_t>(i)] : nullptr;
}
}  // namespace

JobOutcome job_outcome(const SCH& sch, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) {
  JobOutcome out;
  const JOB* job = record(jobs, j);
  const ORDER* od = job ? record(orders, job->Order_ID) : nullptr;
  if (!od || j > sch.n_of_Jobs || static_cast<std::size_t>(j) >= sch.Job_Head.size() ||
      sch.Job_Head[static_cast<std::size_t>(j)] == NO_TASK)
    return out;
  out.scheduled = true;
  out.span = JobSpan{job->StartT, job->EndT};
  out.figures = job_figures(out.span, od->CST, od->CET);
  return out;
}

OrderOutcome order_outcome(const SCH& sch, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) {
  OrderOutcome out;
  const ORDER* od = record(orders, o);
  if (!od) return out;
  out.span = JobSpan{od->StartT, od->EndT};
  for (int j = std::max(od->First_Job, 1); j < od->First_Job + od->NJob; ++j) {
    const JOB* job = record(jobs, j);
    if (!job || job->Order_ID != o) continue;
    const JobOutcome x = job_outcome(sch, j, orders, jobs);
    if (!x.scheduled) continue;
    out.late_jobs += x.figures.late();
    out.tardiness = std::max(out.tardiness, x.figures.tardiness());
  }
  return out;
}
