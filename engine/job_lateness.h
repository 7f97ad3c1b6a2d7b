#pragma once
// Whether a job or an order is late, and by how much: the one rule that the
// full evaluation, the incremental evaluation of the search's samples, the
// "Select Late" buttons and the colours of the Gantt charts all take, so that
// a chart never shows in time what the values count late.
//
// A job is late when it completes after its order's due date (CET), or when
// it has no completion at all (a route step never timed ends at -1). An order
// is late when one of its scheduled jobs is late.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/problem.h"

class SCH;

// A job's start (the smallest StartT of its route steps) and completion (the
// EndT of its last one); -1 where a step was never timed.
struct JobSpan {
  int StartT;
  int EndT;
  bool operator==(const JobSpan& o) const { return StartT == o.StartT && EndT == o.EndT; }
  bool operator!=(const JobSpan& o) const { return !(*this == o); }
};

// A completion (of a job, or of one of its route steps) against a due date.
// (Written as a positive lateness, the very difference the evaluation sums,
// so that the compiler reuses it.)
inline bool is_late(std::int64_t end, std::int64_t due) { return end - due > 0 || end == -1; }

// What one scheduled job adds to the values of its schedule. Each figure is
// worked out where it is read, so that the evaluation's loop does no work
// ahead of its branches.
struct JobFigures {
  JobSpan span;
  std::int64_t earliest;  // CST of its order
  std::int64_t due;       // CET of its order

  // Completion - CET.
  std::int64_t lateness() const { return static_cast<std::int64_t>(span.EndT) - due; }
  // max(lateness, 0).
  std::int64_t tardiness() const { return std::max<std::int64_t>(lateness(), 0); }
  // After its due date, or no completion at all: is_late(completion, CET).
  bool late() const { return is_late(span.EndT, due); }
  // min(start - CST, 0): never positive.
  std::int64_t early_start() const {
    const std::int64_t lead = static_cast<std::int64_t>(span.StartT) - earliest;
    return lead <= 0 ? lead : 0;
  }
  // Starts before CST, or its start is unset (-1).
  bool early() const { return early_start() < 0 || span.StartT == -1; }
};

// The figures of a job with span `span` of an order with earliest start
// `earliest` (CST) and due date `due` (CET).
inline JobFigures job_figures(const JobSpan& span, std::int64_t earliest, std::int64_t due) {
  return JobFigures{span, earliest, due};
}

// An order's start and completion folded over its jobs' spans in job order:
// its first job sets them, every later one widens them.
inline void fold_order_span(ORDER& od, bool first_job, const JobSpan& span) {
  if (first_job) {
    od.StartT = span.StartT;
    od.EndT = span.EndT;
  } else {
    od.EndT = std::max(od.EndT, span.EndT);
    od.StartT = std::min(od.StartT, span.StartT);
  }
}

// A job or order as the last evaluation of a timed SCH left it in the job and
// order records: its span and whether (and by how much) it is late. A job
// without route steps in the schedule, or outside the records, is not
// scheduled: it is never late and adds nothing to its order.
struct JobOutcome {
  bool scheduled = false;
  JobSpan span{0, -1};
  JobFigures figures{{0, 0}, 0, 0};  // of a scheduled job only
  bool late() const { return scheduled && figures.late(); }
};
struct OrderOutcome {
  JobSpan span{0, -1};       // the order's record: the fold of its jobs
  int late_jobs = 0;         // its scheduled jobs that are late
  std::int64_t tardiness = 0;  // the largest tardiness of its jobs
  bool late() const { return late_jobs > 0; }
};
JobOutcome job_outcome(const SCH& sch, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs);
OrderOutcome order_outcome(const SCH& sch, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs);
