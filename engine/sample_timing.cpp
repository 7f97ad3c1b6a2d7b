#include "engine/sample_timing.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>

#include "engine/problem.h"
#include "engine/tabu_list.h"
#include "engine/timing.h"
#include "engine/timing_rule.h"

using namespace timing_rule;

namespace {

bool g_checking = false;

bool valid_job(const _S& S, int j) {
  return j >= 1 && j <= S.n_of_Jobs && static_cast<std::size_t>(j) < Jobs.size();
}

}  // namespace

bool SampleTiming::same_times(const OP_TIME& a, const OP_TIME& b) {
  return a.Setup == b.Setup && a.StartT == b.StartT && a.SetT == b.SetT && a.ProcT == b.ProcT && a.EndT == b.EndT &&
         a.M_Calendar_OK == b.M_Calendar_OK;
}

int SampleTiming::count_setups(const _S& S, int m) {
  const OP_TIME* row = S.Times[m];
  int n = 0;
  for (int p = 1, cnt = S.M_wload[m][0]; p <= cnt; ++p) n += row[p].Setup == 1;
  return n;
}

namespace {

// What the start rule needs of the job's previous route step, read through
// J_A and J_pos as the full pass does when it has no note of the job.
void previous_step(const _S& S, int m, int p, int j, PositionContext& c) {
  const int k = S.M_step[m][p];
  c.prev_step_end = 0;
  if (k == 1) {
    c.first_step = true;
    return;
  }
  c.first_step = S.J_A[j][1] == m;
  if (!c.first_step && k > 1) {
    const int pm = S.J_A[j][k - 1];
    if (pm >= 0 && pm <= S.n_of_Machines) c.prev_step_end = S.Times[pm][S.J_pos[j][k - 1]].EndT;
  }
}

}  // namespace

SampleTiming::~SampleTiming() { release(); }

void SampleTiming::set_checking(bool on) { g_checking = on; }
bool SampleTiming::checking() { return g_checking; }

void SampleTiming::release() {
  if (sample_ && sample_->changes == &log_) sample_->changes = nullptr;
  sample_ = nullptr;
  synced_ = false;
}

void SampleTiming::use_rescheduling(const _S* reference, int bound) {
  reference_ = reference;
  bound_ = bound;
  prepared_ = false;
  synced_ = false;
}

void SampleTiming::set_base(_S& base, bool timed) {
  base_ = &base;
  base_timed_ = timed;
  if (!timed) kept_ = false;
  prepared_ = false;
  synced_ = false;
}

bool SampleTiming::ready(const _S& sample) const {
  return prepared_ && synced_ && sample_ == &sample && sample.changes == &log_;
}

void SampleTiming::time_full(_S& S) const {
  if (reference_)
    calc_S_times_resch(S, MG_M_ex, Orders, Jobs, Machines, *reference_, bound_);
  else
    calc_S_times(S, MG_M_ex, Orders, Jobs, Machines);
}

void SampleTiming::copy_timing(_S& to, const _S& from) {
  to.assign(from);
  for (int m = 1; m <= from.n_of_Machines; ++m)
    std::memcpy(to.times_row(m) + 1, from.Times[m] + 1, sizeof(OP_TIME) * static_cast<std::size_t>(from.M_wload[m][0]));
}

void SampleTiming::prepare_base() {
  _S& C = *base_;
  if (!base_timed_)
    time_full(C);
  else if (g_checking)
    check_base();
  const std::size_t nJ = static_cast<std::size_t>(C.n_of_Jobs) + 1;
  const std::size_t nM = static_cast<std::size_t>(C.n_of_Machines) + 1;
  if (due_.size() != nJ || timed_machine_.size() != nM || order_mark_.size() != Orders.size()) prepare_problem();
  if (kept_ && base_timed_) {
    // The base is the sample kept last: its spans, setups, hashes and values
    // were kept with it.
    base_spans_.swap(kept_spans_);
    base_setups_.swap(kept_setups_);
    base_machine_hash_.swap(kept_hash_);
    base_hash_sum_ = kept_hash_sum_;
    counted_base_.swap(kept_counted_);
    base_order_late_.swap(kept_order_late_);
    std::copy(kept_values_, kept_values_ + 10, base_values_);
    if (g_checking) check_kept();
  } else {
    derive_base();
  }
  kept_ = false;
  order_late_ = base_order_late_;
  for (const int o : changed_orders_) order_mark_[static_cast<std::size_t>(o)] = 0;
  changed_orders_.clear();
  differing_.clear();
  written_.clear();
  records_known_ = false;
  prepared_ = true;
  synced_ = false;
}

// What never changes while one problem is searched: per job its order, the
// order's due date and earliest start; which machines the pass times.
void SampleTiming::prepare_problem() {
  const _S& C = *base_;
  const std::size_t nJ = static_cast<std::size_t>(C.n_of_Jobs) + 1;
  const std::size_t nM = static_cast<std::size_t>(C.n_of_Machines) + 1;
  due_.assign(nJ, 0);
  earliest_.assign(nJ, 0);
  order_of_.assign(nJ, 0);
  for (int j = 1; j <= C.n_of_Jobs && j < static_cast<int>(Jobs.size()); ++j) {
    const std::size_t i = static_cast<std::size_t>(j);
    const int o = Jobs[i].Order_ID;
    if (o < 1 || static_cast<std::size_t>(o) >= Orders.size()) continue;
    order_of_[i] = o;
    due_[i] = Orders[static_cast<std::size_t>(o)].CET;
    earliest_[i] = Orders[static_cast<std::size_t>(o)].CST;
  }
  timed_machine_.assign(nM, 0);
  for_pass_machines(C.n_of_Machines, MG_M_ex, Machines, [&](int m) { timed_machine_[static_cast<std::size_t>(m)] = 1; });
  order_mark_.assign(Orders.size(), 0);
  changed_orders_.clear();
  changed_orders_.reserve(Orders.size());
  differing_.reserve(nJ);
  written_.reserve(nJ);
}

std::uint64_t SampleTiming::tabu_hash_of(const _S& S) {
  std::uint64_t sum = base_hash_sum_;
  for (const int m : log_.machines())
    sum += tabu_machine_hash(S, m) - base_machine_hash_[static_cast<std::size_t>(m)];
  const std::uint64_t h = tabu_hash_of_sum(sum);
  if (g_checking) check_hash(S, h);
  return h;
}

void SampleTiming::full_sync(_S& S) {
  release();
  const _S& C = *base_;
  S.assign(C);
  for (int m = 1; m <= C.n_of_Machines; ++m)
    std::memcpy(S.times_row(m) + 1, C.Times[m] + 1, sizeof(OP_TIME) * static_cast<std::size_t>(C.M_wload[m][0]));
  spans_ = base_spans_;
  setups_ = base_setups_;
  const std::size_t nM = static_cast<std::size_t>(C.n_of_Machines) + 1;
  log_.reset(C.n_of_Machines, C.n_of_Jobs);
  times_first_.assign(nM, INT_MAX);
  retimed_.clear();
  retimed_.reserve(nM);
  // A position is computed at most once a pass, so it is triggered at most
  // once: a row of J + 1 per machine always has room (allocated without
  // values, so only the used heads are ever touched).
  trigger_rows_.alloc(C.n_of_Machines + 1, C.n_of_Jobs + 1);
  trigger_count_.assign(nM, 0);
  triggered_.clear();
  triggered_.reserve(nM);
  touched_mark_.assign(static_cast<std::size_t>(C.n_of_Jobs) + 1, 0);
  touched_.clear();
  touched_.reserve(static_cast<std::size_t>(C.n_of_Jobs) + 1);
  for (const int o : changed_orders_) order_mark_[static_cast<std::size_t>(o)] = 0;
  changed_orders_.clear();
  order_late_ = base_order_late_;
  S.changes = &log_;
  sample_ = &S;
  synced_ = true;
}

void SampleTiming::restore(_S& S) {
  const _S& C = *base_;
  const _S::Edit e = S.edit();
  for (const int j : log_.jobs()) e.copy_job(j, C);
  auto copy_times = [&](int m, int from) {
    const int cnt = C.M_wload[m][0];
    if (from <= cnt)
      std::memcpy(S.times_row(m) + from, C.Times[m] + from, sizeof(OP_TIME) * static_cast<std::size_t>(cnt - from + 1));
    setups_[static_cast<std::size_t>(m)] = base_setups_[static_cast<std::size_t>(m)];
  };
  for (const int m : log_.machines()) {
    const int from = log_.first(m);
    const int cnt = C.M_wload[m][0];
    int* seq = e.seq(m);
    int* step = e.steps(m);
    if (from <= cnt) {
      const std::size_t n = static_cast<std::size_t>(cnt - from + 1);
      std::memcpy(seq + from, C.M_wload[m] + from, sizeof(int) * n);
      std::memcpy(step + from, C.M_step[m] + from, sizeof(int) * n);
      for (int p = from; p <= cnt; ++p) e.set_pos(seq[p], step[p], p);
    }
    seq[0] = cnt;
    copy_times(m, std::min(from, times_first_[static_cast<std::size_t>(m)]));
  }
  for (const int m : retimed_) {
    if (log_.first(m) == INT_MAX) copy_times(m, times_first_[static_cast<std::size_t>(m)]);
    times_first_[static_cast<std::size_t>(m)] = INT_MAX;
  }
  retimed_.clear();
  for (const int j : touched_) {
    spans_[static_cast<std::size_t>(j)] = base_spans_[static_cast<std::size_t>(j)];
    touched_mark_[static_cast<std::size_t>(j)] = 0;
  }
  touched_.clear();
  for (const int o : changed_orders_) {
    order_late_[static_cast<std::size_t>(o)] = base_order_late_[static_cast<std::size_t>(o)];
    order_mark_[static_cast<std::size_t>(o)] = 0;
  }
  changed_orders_.clear();
  log_.clear();
}

void SampleTiming::reset_sample(_S& S) {
  sample_evaluated_ = false;
  if (!prepared_) prepare_base();
  if (ready(S))
    restore(S);
  else
    full_sync(S);
  if (g_checking) check_reset(S);
}

void SampleTiming::mark_retimed(int m, int from) {
  int& first = times_first_[static_cast<std::size_t>(m)];
  if (first == INT_MAX) retimed_.push_back(m);
  first = std::min(first, from);
}

void SampleTiming::touch(int j) {
  unsigned char& mark = touched_mark_[static_cast<std::size_t>(j)];
  if (mark) return;
  mark = 1;
  touched_.push_back(j);
}

// Route step k + 1 of job j must be timed again: the end of step k changed.
void SampleTiming::trigger(const _S& S, int j, int k) {
  if (k < 1 || k >= S.n_steps(j)) return;
  const int m = S.J_A[j][k + 1];
  if (m < 1 || m > S.n_of_Machines) return;
  int& n = trigger_count_[static_cast<std::size_t>(m)];
  if (n == 0) triggered_.push_back(m);
  if (n > S.n_of_Jobs) throw std::logic_error("a position triggered twice in one timing pass");
  trigger_rows_[m][n++] = S.J_pos[j][k + 1];
}

template <bool Resch>
void SampleTiming::retime_machine(_S& S, int m) {
  const _S& C = *base_;
  const MACHINE& mc = Machines[static_cast<std::size_t>(m)];
  const int cntS = S.M_wload[m][0];
  const int cntC = C.M_wload[m][0];
  const int delta = cntS - cntC;
  const int first = log_.first(m);
  int d = first;                                           // first position of another job or step
  const int e = first == INT_MAX ? 0 : cntS - log_.tail(m);  // after e: the base's tail, shifted by delta
  int frozenS = 0;
  int frozenC = 0;
  if (Resch && m <= reference_->n_of_Machines) {
    frozenS = std::min({mc.N_Frozen, cntS, reference_->M_wload[m][0]});
    frozenC = std::min({mc.N_Frozen, cntC, reference_->M_wload[m][0]});
    if (frozenS != frozenC) d = std::min(d, std::min(frozenS, frozenC) + 1);
  }
  int* trig = trigger_rows_[m];
  const int n_trig = trigger_count_[static_cast<std::size_t>(m)];
  std::sort(trig, trig + n_trig);
  int ti = 0;
  // The first position after `after` where timing must start again.
  auto next_start = [&](int after) {
    while (ti < n_trig && trig[ti] <= after) ++ti;
    int n = ti < n_trig ? trig[ti] : INT_MAX;
    if (d > after) n = std::min(n, d);
    return n;
  };
  OP_TIME* row = S.times_row(m);
  const OP_TIME* base_row = C.Times[m];
  const int* seq = S.M_wload[m];
  const int* steps = S.M_step[m];
  int p = next_start(0);
  if (p <= cntS) mark_retimed(m, p);
  PositionContext c{0, 0, 1, false, 0};
  CalendarCursor cursor;
  bool fresh = true;
  while (p <= cntS) {
    if (fresh) {
      // The machine as the full pass leaves it before p: the last position
      // with a job of the problem.
      int q = p - 1;
      while (q >= 1 && !valid_job(S, seq[q])) --q;
      c.prev_end = q >= 1 ? row[q].EndT : 0;
      c.prev_type = q >= 1 ? Orders[static_cast<std::size_t>(Jobs[seq[q]].Order_ID)].SetupType : 1;
      cursor = CalendarCursor();
      fresh = false;
    }
    OP_TIME& r = row[p];
    const int j = seq[p];
    if (!valid_job(S, j)) {
      set_not_computed(r);
      ++p;
      continue;
    }
    const ORDER& od = Orders[static_cast<std::size_t>(Jobs[j].Order_ID)];
    time_record<Resch>(r, p, frozenS, Resch ? reference_->Times[m] : nullptr, mc, od, c, bound_, cursor,
                       [&](PositionContext& ctx) { previous_step(S, m, p, j, ctx); });
    // The base's record of the same job and step, where the row around it is
    // the base's.
    const OP_TIME* old = p < d ? &base_row[p] : (p > e ? &base_row[p - delta] : nullptr);
    if (old == nullptr || old->EndT != r.EndT) {
      trigger(S, j, steps[p]);
      touch(j);
    } else if (old->StartT != r.StartT) {
      touch(j);  // the job's start may have changed
    }
    const bool settled = old != nullptr && same_times(*old, r) &&
                         (!Resch || p < d || (p > frozenS && p - delta > frozenC));
    if (!settled) {
      ++p;
      continue;
    }
    // From here to the next start the records are the base's.
    const int next = next_start(p);
    const int stop = std::min(next, cntS + 1);
    if (p > e && delta != 0 && stop > p + 1)
      std::memcpy(row + p + 1, base_row + p + 1 - delta, sizeof(OP_TIME) * static_cast<std::size_t>(stop - p - 1));
    p = next;
    fresh = true;
  }
  setups_[static_cast<std::size_t>(m)] = count_setups(S, m);
}

template <bool Resch>
void SampleTiming::retime(_S& S) {
  for_pass_machines(S.n_of_Machines, MG_M_ex, Machines, [&](int m) {
    if (log_.first(m) == INT_MAX && trigger_count_[static_cast<std::size_t>(m)] == 0) return;
    retime_machine<Resch>(S, m);
  });
  for (const int m : triggered_) trigger_count_[static_cast<std::size_t>(m)] = 0;
  triggered_.clear();
}

void SampleTiming::time_and_evaluate(_S& S, OBJ_VALUE& values) {
  if (reference_)
    retime<true>(S);
  else
    retime<false>(S);
  for (const int j : log_.jobs()) touch(j);
  for (const int j : touched_) spans_[static_cast<std::size_t>(j)] = job_span(S, j);
  S.Timed.invalidate();  // the pass's notes were not kept
  evaluate(S, values);
  write_records(S);
  sample_evaluated_ = true;
  if (g_checking) check_sample(S, values);
}

