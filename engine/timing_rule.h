#pragma once
// The timing rule of one machine position, shared by the full timing pass
// (engine/timing.cpp) and the incremental one of the search's samples
// (engine/sample_timing.cpp), so that both compute every record the same way.
// Internal to those two files.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "engine/problem.h"
#include "engine/schedule_array.h"

namespace timing_rule {

// Times are ints; intermediate sums are taken in 64 bits and kept inside the
// int range, so no input makes a pass overflow.
inline int to_time(std::int64_t t) { return static_cast<int>(std::clamp<std::int64_t>(t, INT_MIN, INT_MAX)); }

// Where the previous fit on the same machine stopped: every interval before
// index `i` ends at or before `t`. A later position of the machine asks for a
// start no earlier than that (its lower bound is the previous end), so the
// scan may begin there instead of at interval 1 and gives the same result.
struct CalendarCursor {
  int i = 1;
  std::int64_t t = INT64_MIN;
};

inline int fit_to_calendar(int& StartT, int& EndT, int lower_bound, const MACHINE& mc, CalendarCursor& cursor) {
  const std::int64_t d = static_cast<std::int64_t>(EndT) - StartT;
  std::int64_t t = std::max(StartT, lower_bound);
  int result = 0;
  const int n = std::min(mc.N_Cal, static_cast<int>(mc.Cal.size()) - 1);
  int i = t >= cursor.t ? cursor.i : 1;
  while (i <= n) {
    while (i <= n && mc.Cal[i].ET <= t) ++i;  // intervals over before t
    if (i > n) break;
    t = std::max<std::int64_t>(t, mc.Cal[i].ST);
    if (t + d <= mc.Cal[i].ET) {
      result = 1;
      break;
    }
    if (i + 1 > n) break;  // the last interval was tried: keep its start
    ++i;
    t = mc.Cal[i].ST;
  }
  cursor.i = i;
  cursor.t = t;
  StartT = to_time(t);
  EndT = to_time(t + d);
  return result;
}

inline int fit_to_calendar(int& StartT, int& EndT, int lower_bound, const MACHINE& mc) {
  CalendarCursor fresh;
  return fit_to_calendar(StartT, EndT, lower_bound, mc, fresh);
}

inline int setup_time(const MACHINE& mc, int from, int to) {
  const int n = mc.setup_types();
  if (from < 1 || from > n || to < 1 || to > n) return 0;
  return mc.SetupM(from, to);
}

// ceil(SJob / Speed) as the shop defines it, in double precision. For int
// operands the integer form below gives the same value: a quotient that is not
// whole lies at least 1 / Speed from the next whole number, far more than the
// rounding error of a double division of numbers below 2^53.
inline int processing_time(int size, int speed) {
  const int q = size / speed;
  return size % speed > 0 ? q + 1 : q;
}

// The six timing fields of one position, shared by OP_TIME and TASK.
template <class Rec>
void set_not_computed(Rec& r) {
  r.Setup = r.StartT = r.SetT = r.ProcT = r.EndT = r.M_Calendar_OK = -1;
}

template <class Rec>
void copy_times(Rec& r, const OP_TIME& from) {
  r.Setup = from.Setup;
  r.StartT = from.StartT;
  r.SetT = from.SetT;
  r.ProcT = from.ProcT;
  r.EndT = from.EndT;
  r.M_Calendar_OK = from.M_Calendar_OK;
}

// What the start rule needs about one position.
struct PositionContext {
  int p;              // position on the machine, 1-based
  int prev_end;       // EndT of position p - 1 (p > 1)
  int prev_type;      // setup type of the job at p - 1 (p > 1)
  bool first_step;    // the machine holds the job's first route step
  int prev_step_end;  // EndT of the job's previous route step (later steps)
};

template <bool Resch, class Rec>
void time_position(Rec& r, const MACHINE& mc, const ORDER& od, const PositionContext& c, int bound,
                   CalendarCursor& cursor) {
  const int type = od.SetupType;
  const std::int64_t cst = od.CST;
  std::int64_t start;
  int set_t;
  int setup;
  if (c.p == 1) {
    // Every machine starts from setup type 1, and its first position always
    // counts as a setup, even one of time 0.
    set_t = setup_time(mc, 1, type);
    setup = 1;
    if (c.first_step)
      start = std::max<std::int64_t>(cst, mc.ReadyT);
    else
      start = std::max({cst, static_cast<std::int64_t>(c.prev_step_end) - set_t,
                        static_cast<std::int64_t>(mc.ReadyT)});
  } else {
    set_t = setup_time(mc, c.prev_type, type);
    setup = set_t != 0 ? 1 : 0;
    if (c.first_step)
      start = std::max<std::int64_t>(c.prev_end, cst);
    else if (c.prev_step_end <= c.prev_end)
      start = c.prev_end;  // the machine is the later of the two: no CST check
    else
      // The setup may run while the job is still on its previous machine;
      // only the processing waits for the previous step's end.
      start = std::max({cst, static_cast<std::int64_t>(c.prev_end),
                        std::max<std::int64_t>(cst, c.prev_step_end) - set_t});
  }
  if (Resch) start = std::max<std::int64_t>(start, bound);
  if (mc.Speed <= 0) {
    // A machine that does not process neither sets up nor meets its calendar.
    r.Setup = 0;
    r.StartT = to_time(start);
    r.SetT = 0;
    r.ProcT = 0;
    r.EndT = r.StartT;
    r.M_Calendar_OK = -1;
    return;
  }
  const int proc = processing_time(od.SJob, mc.Speed);
  int start_t = to_time(start);
  int end_t = to_time(static_cast<std::int64_t>(start_t) + set_t + proc);
  r.Setup = setup;
  r.SetT = set_t;
  r.ProcT = proc;
  r.M_Calendar_OK = fit_to_calendar(start_t, end_t, c.p == 1 ? 0 : c.prev_end, mc, cursor);
  r.StartT = start_t;
  r.EndT = end_t;
}

// Calls f(m) for every machine a timing pass times, in the pass's order: the
// machine groups in the order of MG_seq (10, 8, 5, 1, 9, 6, 2, 7, 3, 4), within
// a group the machines in mg_m_ex order; machines outside 1..n_machines or
// without a record are passed over.
template <class F>
void for_pass_machines(int n_machines, const std::vector<std::vector<int>>& mg_m_ex,
                       const std::vector<MACHINE>& machines, F&& f) {
  for (int gi = 10; gi >= 1; --gi) {
    const std::size_t g = static_cast<std::size_t>(MG_seq[1][gi]);
    if (g >= mg_m_ex.size() || mg_m_ex[g].empty()) continue;
    const std::vector<int>& group = mg_m_ex[g];
    for (int i = 1; i <= group[0]; ++i) {
      const int m = group[i];
      if (m < 1 || m > n_machines || static_cast<std::size_t>(m) >= machines.size()) continue;
      f(m);
    }
  }
}

// Position p of a machine, holding a job of order od: inside the frozen head
// (rescheduling) its record is the reference's frozen_row[p], else the start
// rule gives it, with what previous(c) tells of the job's previous route step.
// The context then moves on past p.
template <bool Resch, class Rec, class Previous>
void time_record(Rec& r, int p, int frozen, const OP_TIME* frozen_row, const MACHINE& mc, const ORDER& od,
                 PositionContext& c, int bound, CalendarCursor& cursor, Previous&& previous) {
  if (Resch && p <= frozen) {
    copy_times(r, frozen_row[p]);
  } else {
    c.p = p;
    previous(c);
    time_position<Resch>(r, mc, od, c, bound, cursor);
  }
  c.prev_end = r.EndT;
  c.prev_type = od.SetupType;
}

}  // namespace timing_rule
