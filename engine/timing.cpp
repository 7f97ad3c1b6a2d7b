#include "engine/timing.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "engine/timing_rule.h"

namespace {

using namespace timing_rule;

bool in_range(int id, std::size_t table_size) { return id >= 1 && static_cast<std::size_t>(id) < table_size; }

// Positions ahead of the one being timed whose records are asked for early:
// the job's record and notes at kAhead, its order at kNear.
constexpr int kAhead = 6;
constexpr int kNear = 3;

// The records of a job a few positions ahead lie anywhere in the tables;
// asking for them early keeps the pass linear in the schedule on problems that
// do not fit in the cache.
void prefetch_job(int j, int n_jobs, const TimedJobs& timed, const std::vector<ORDER>& orders,
                  const std::vector<JOB>& jobs, bool with_order) {
  if (j < 1 || j > n_jobs || !in_range(j, jobs.size())) return;
  const JOB& job = jobs[static_cast<std::size_t>(j)];
  if (!with_order) {
    __builtin_prefetch(&job);
    __builtin_prefetch(&timed.jobs[static_cast<std::size_t>(j)]);
  } else if (in_range(job.Order_ID, orders.size())) {
    __builtin_prefetch(&orders[static_cast<std::size_t>(job.Order_ID)]);
  }
}

// Walks one machine's sequence of an _S. What is needed of the job's previous
// route step comes from the pass's notes (TimedJobs), or else through J_A and
// J_pos from the other machine's timing row.
class ArrayPositions {
 public:
  ArrayPositions(_S& S, int m)
      : S_(S), m_(m), seq_(S.M_wload[m]), steps_(S.M_step[m]), row_(S.times_row(m)), n_(seq_[0]) {}
  int count() const { return n_; }
  bool valid() const { return p_ <= n_; }
  void next() { ++p_; }
  int job() const { return seq_[p_]; }
  int n_jobs() const { return S_.n_of_Jobs; }
  OP_TIME& record() { return row_[p_]; }
  // Whether the machine holds the job's first route step (J_A says where that
  // is), and the end of the route step before this one.
  void previous(int j, PositionContext& c) const {
    const int k = steps_[p_];
    c.prev_step_end = 0;
    if (k == 1) {
      c.first_step = true;
    } else if (const TimedJobs::Job* e = k > 1 ? S_.Timed.through(j, k - 1) : nullptr) {
      c.first_step = e->First == m_;
      if (!c.first_step) c.prev_step_end = e->EndT;
    } else {
      c.first_step = S_.J_A[j][1] == m_;
      if (!c.first_step && k > 1) {
        const int pm = S_.J_A[j][k - 1];
        if (pm >= 0 && pm <= S_.n_of_Machines) c.prev_step_end = S_.Times[pm][S_.J_pos[j][k - 1]].EndT;
      }
    }
  }
  // Notes the position just timed for the job's later steps and the evaluation.
  void note(int j, const OP_TIME& r) {
    const int k = steps_[p_];
    S_.Timed.note(j, k == 1 ? -1 : (k > 1 ? k - 1 : -2), k, m_, r);
  }
  void prefetch(const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) const {
    if (p_ + kAhead <= n_) prefetch_job(seq_[p_ + kAhead], S_.n_of_Jobs, S_.Timed, orders, jobs, false);
    if (p_ + kNear <= n_) prefetch_job(seq_[p_ + kNear], S_.n_of_Jobs, S_.Timed, orders, jobs, true);
  }

 private:
  _S& S_;
  const int m_;
  const int* seq_;
  const int* steps_;
  OP_TIME* row_;
  const int n_;
  int p_ = 1;
};

// Walks one machine's TASK list of an SCH. What is needed of the job's
// previous route step comes from the pass's notes, or else from the
// preceding node of the job's list and the job's head.
class LinkedPositions {
 public:
  LinkedPositions(SCH& sch, int m) : sch_(sch), m_(m), t_(sch.Mach_Head[m]) {}
  int count() const { return sch_.Mach_Count[m_]; }
  bool valid() const { return t_ != NO_TASK; }
  void next() { t_ = sch_.task(t_).next_on_machine; }
  int job() const { return sch_.task(t_).Job; }
  int n_jobs() const { return sch_.n_of_Jobs; }
  TASK& record() { return sch_.task(t_); }
  void previous(int j, PositionContext& c) const {
    const int prev = sch_.task(t_).prev_in_job;
    c.prev_step_end = 0;
    if (prev == NO_TASK) {
      c.first_step = true;  // this node heads its job's list
    } else if (const TimedJobs::Job* e = sch_.Timed.through(j, prev)) {
      c.first_step = e->First == m_;
      if (!c.first_step) c.prev_step_end = e->EndT;
    } else {
      const int head = sch_.Job_Head[j];
      c.first_step = head != NO_TASK && sch_.task(head).Machine == m_;
      if (!c.first_step) c.prev_step_end = sch_.task(prev).EndT;
    }
  }
  void note(int j, const TASK& r) { sch_.Timed.note(j, r.prev_in_job, t_, m_, r); }
  void prefetch(const std::vector<ORDER>&, const std::vector<JOB>&) const {}

 private:
  SCH& sch_;
  const int m_;
  int t_;
};

// One timing pass, plain or rescheduling, over either representation.
template <class Positions, bool Resch, class Schedule>
void time_pass(Schedule& sched, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
               const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines, const _S* reference,
               int bound) {
  for_pass_machines(sched.n_of_Machines, mg_m_ex, machines, [&](int m) {
    const MACHINE& mc = machines[m];
    Positions pos(sched, m);
    int frozen = 0;
    if (Resch && m <= reference->n_of_Machines)
      frozen = std::min({mc.N_Frozen, pos.count(), reference->M_wload[m][0]});
    PositionContext c{0, 0, 1, false, 0};
    CalendarCursor cursor;
    for (int p = 1; pos.valid(); pos.next(), ++p) {
      pos.prefetch(orders, jobs);
      auto& r = pos.record();
      const int j = pos.job();
      if (j < 1 || j > pos.n_jobs() || !in_range(j, jobs.size())) {
        set_not_computed(r);
        continue;
      }
      const ORDER& od = orders[static_cast<std::size_t>(jobs[j].Order_ID)];
      time_record<Resch>(r, p, frozen, Resch ? reference->Times[m] : nullptr, mc, od, c, bound, cursor,
                         [&](PositionContext& ctx) { pos.previous(j, ctx); });
      pos.note(j, r);
    }
  });
}

template <bool Resch>
void time_S(_S& S, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
            const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines, const _S* reference, int bound) {
  if (S.n_of_Machines <= 0 || S.M_wload.empty()) return;
  S.Timed.begin_pass();
  time_pass<ArrayPositions, Resch>(S, mg_m_ex, orders, jobs, machines, reference, bound);
  S.Timed.setups_pass = S.Timed.pass;
}

template <bool Resch>
void time_sch(SCH& sch, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
              const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines, const _S* reference, int bound) {
  if (!sch.has_tables()) return;
  sch.Timed.begin_pass();
  time_pass<LinkedPositions, Resch>(sch, mg_m_ex, orders, jobs, machines, reference, bound);
  sch.Timed.setups_pass = sch.Timed.pass;
}

}  // namespace

void calc_S_times(_S& S, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
                  const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines) {
  time_S<false>(S, mg_m_ex, orders, jobs, machines, nullptr, 0);
}

void calc_sch_times(SCH& sch, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
                    const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines) {
  time_sch<false>(sch, mg_m_ex, orders, jobs, machines, nullptr, 0);
}

void calc_S_times_resch(_S& S, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
                        const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines, const _S& reference,
                        int bound) {
  time_S<true>(S, mg_m_ex, orders, jobs, machines, &reference, bound);
}

void calc_sch_times_resch(SCH& sch, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
                          const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines, const _S& reference,
                          int bound) {
  time_sch<true>(sch, mg_m_ex, orders, jobs, machines, &reference, bound);
}

void calc_S_times(_S& S) { calc_S_times(S, MG_M_ex, Orders, Jobs, Machines); }
void calc_sch_times(SCH& sch) { calc_sch_times(sch, MG_M_ex, Orders, Jobs, Machines); }
void calc_S_times_resch(_S& S, const _S& reference, int bound) {
  calc_S_times_resch(S, MG_M_ex, Orders, Jobs, Machines, reference, bound);
}
void calc_sch_times_resch(SCH& sch, const _S& reference, int bound) {
  calc_sch_times_resch(sch, MG_M_ex, Orders, Jobs, Machines, reference, bound);
}

int fit_op_to_Calendar(int& StartT, int& EndT, int lower_bound, int m, const std::vector<MACHINE>& machines) {
  if (!in_range(m, machines.size())) return 0;
  return fit_to_calendar(StartT, EndT, lower_bound, machines[static_cast<std::size_t>(m)]);
}

int fit_task_to_Calendar(int& StartT, int& EndT, int lower_bound, int m, const std::vector<MACHINE>& machines) {
  return fit_op_to_Calendar(StartT, EndT, lower_bound, m, machines);
}
