// The incremental evaluation of a sample (see engine/sample_timing.h): the
// base's values and what every job adds to them, the sample's values from the
// jobs whose start or completion changed, and the Jobs and Orders records a
// full evaluation would leave.
#include <algorithm>

#include "engine/job_lateness.h"
#include "engine/problem.h"
#include "engine/sample_timing.h"
#include "engine/tabu_list.h"

namespace {

// What one job adds to the values of its schedule, as calc_S_obj_values
// counts it (nothing when the evaluation does not count the job).
struct JobValues {
  std::int64_t late = 0;
  std::int64_t T = 0;
  std::int64_t absL = 0;
  std::int64_t early = 0;
  std::int64_t E = 0;
  std::int64_t scheduled = 0;
  std::int64_t C = 0;
};

JobValues job_values(bool counted, const JobSpan& span, std::int64_t due, std::int64_t earliest) {
  JobValues v;
  if (!counted) return v;
  const JobFigures f = job_figures(span, earliest, due);
  const std::int64_t L = f.lateness();
  v.T = f.tardiness();
  v.late = f.late();
  v.absL = L < 0 ? -L : L;
  v.E = f.early_start();
  v.early = f.early();
  v.scheduled = 1;
  v.C = span.EndT;
  return v;
}

}  // namespace

// The base's spans, setups, hashes and values from its timing rows.
void SampleTiming::derive_base() {
  const _S& C = *base_;
  const std::size_t nJ = static_cast<std::size_t>(C.n_of_Jobs) + 1;
  const std::size_t nM = static_cast<std::size_t>(C.n_of_Machines) + 1;
  base_spans_.resize(nJ);
  for (int j = 1; j <= C.n_of_Jobs; ++j) base_spans_[static_cast<std::size_t>(j)] = job_span(C, j);
  base_setups_.assign(nM, 0);
  for (int m = 1; m <= C.n_of_Machines; ++m)
    if (timed_machine_[static_cast<std::size_t>(m)]) base_setups_[static_cast<std::size_t>(m)] = count_setups(C, m);
  base_machine_hash_.assign(nM, 0);
  base_hash_sum_ = 0;
  for (int m = 1; m <= C.n_of_Machines; ++m) {
    base_machine_hash_[static_cast<std::size_t>(m)] = tabu_machine_hash(C, m);
    base_hash_sum_ += base_machine_hash_[static_cast<std::size_t>(m)];
  }
  counted_base_.assign(nJ, 0);
  base_order_late_.assign(Orders.size(), 0);
  std::int64_t* v = base_values_;
  std::fill(v, v + 10, 0);
  bool any = false;
  for (int j = 1; j <= C.n_of_Jobs; ++j) {
    const std::size_t i = static_cast<std::size_t>(j);
    if (!counted(C, j)) continue;
    counted_base_[i] = 1;
    const JobValues x = job_values(true, base_spans_[i], due_[i], earliest_[i]);
    v[1] += x.late;
    v[2] += x.T;
    v[3] = std::max(v[3], x.T);
    if (!any || x.C > v[5]) v[5] = x.C;
    any = true;
    v[6] += x.absL;
    v[7] += x.early;
    v[8] += x.E;
    v[9] += 1;
    base_order_late_[static_cast<std::size_t>(order_of_[i])] += static_cast<int>(x.late);
  }
  for (const int n : base_order_late_) v[0] += n > 0;
  std::int64_t setups = 0;
  for (const int n : base_setups_) setups += n;
  v[4] = setups;
}

void SampleTiming::keep_sample(const _S& S, const OBJ_VALUE& values) {
  // Only what this object timed and evaluated since the reset is known.
  if (!ready(S) || !sample_evaluated_) return;
  kept_spans_ = spans_;
  kept_setups_ = setups_;
  kept_hash_ = base_machine_hash_;
  kept_hash_sum_ = base_hash_sum_;
  for (const int m : log_.machines()) {
    const std::size_t i = static_cast<std::size_t>(m);
    kept_hash_sum_ -= kept_hash_[i];
    kept_hash_[i] = tabu_machine_hash(S, m);
    kept_hash_sum_ += kept_hash_[i];
  }
  kept_counted_ = counted_base_;
  for (const int j : log_.jobs()) kept_counted_[static_cast<std::size_t>(j)] = counted(S, j) ? 1 : 0;
  kept_order_late_ = order_late_;
  for (int i = 0; i < 9; ++i) kept_values_[i] = values.criterion(i);
  kept_values_[9] = values.n_of_Scheduled_Jobs;
  kept_ = true;
}

bool SampleTiming::evaluate_unmoved(const _S& S, OBJ_VALUE& values) {
  if (!ready(S) || !log_.machines().empty() || !log_.jobs().empty() || !retimed_.empty()) return false;
  differing_.clear();
  write_records(S);  // spans_ are the base's: the records become the base's
  for (int i = 0; i < 9; ++i) values.criterion(i) = base_values_[i];
  values.n_of_Scheduled_Jobs = base_values_[9];
  if (checking()) check_sample(S, values);
  return true;
}

bool SampleTiming::counted(const _S& S, int j) const {
  if (S.n_steps(j) == 0 || static_cast<std::size_t>(j) >= Jobs.size()) return false;
  const int o = Jobs[static_cast<std::size_t>(j)].Order_ID;
  return o >= 1 && static_cast<std::size_t>(o) < Orders.size();
}

void SampleTiming::evaluate(const _S& S, OBJ_VALUE& values) {
  std::int64_t v[10];
  std::copy(base_values_, base_values_ + 10, v);
  bool rescan = base_values_[9] == 0;  // no job counted in the base: no largest completion to start from
  differing_.clear();
  for (const int j : touched_) {
    const std::size_t i = static_cast<std::size_t>(j);
    const bool was = counted_base_[i] != 0;
    // Only a job whose rows the move wrote can have come onto or left the shop.
    const bool now = log_.job_changed(j) ? counted(S, j) : was;
    if (was == now && (!now || spans_[i] == base_spans_[i])) continue;
    differing_.push_back(j);
    const JobValues a = job_values(was, base_spans_[i], due_[i], earliest_[i]);
    const JobValues b = job_values(now, spans_[i], due_[i], earliest_[i]);
    v[1] += b.late - a.late;
    v[2] += b.T - a.T;
    v[6] += b.absL - a.absL;
    v[7] += b.early - a.early;
    v[8] += b.E - a.E;
    v[9] += b.scheduled - a.scheduled;
    if (a.late != b.late) {
      const std::size_t o = static_cast<std::size_t>(order_of_[i]);
      int& n = order_late_[o];
      if (!order_mark_[o]) {
        order_mark_[o] = 1;
        changed_orders_.push_back(static_cast<int>(o));
      }
      const int before = n;
      n += static_cast<int>(b.late - a.late);
      v[0] += (n > 0) - (before > 0);
    }
    // A largest value held by this job that got smaller (or left the count)
    // is looked for again; a larger one is taken at once.
    if (was && ((a.T == base_values_[3] && a.T > 0 && (!now || b.T < a.T)) ||
                (a.C == base_values_[5] && (!now || b.C < a.C))))
      rescan = true;
    if (now) {
      v[3] = std::max(v[3], b.T);
      v[5] = std::max(v[5], b.C);
    }
  }
  if (rescan) {
    v[3] = 0;
    v[5] = 0;
    bool any = false;
    for (int j = 1; j <= S.n_of_Jobs; ++j) {
      const std::size_t i = static_cast<std::size_t>(j);
      if (!(log_.job_changed(j) ? counted(S, j) : counted_base_[i] != 0)) continue;
      const std::int64_t C = spans_[i].EndT;
      v[3] = std::max(v[3], job_figures(spans_[i], earliest_[i], due_[i]).tardiness());
      if (!any || C > v[5]) v[5] = C;
      any = true;
    }
  }
  std::int64_t setups = 0;
  for (int m = 1; m <= S.n_of_Machines; ++m) setups += setups_[static_cast<std::size_t>(m)];
  v[4] = setups;
  for (int i = 0; i < 9; ++i) values.criterion(i) = v[i];
  values.n_of_Scheduled_Jobs = v[9];
}

// Jobs and Orders as a full evaluation of S would leave them: the records of
// every counted job, and per order the fold over its jobs in job order (from
// the first job's record, or on top of what the order held when its first job
// is not counted). Only the jobs that differ now or differed in the last
// sample, and their orders, are written when the records are known to hold
// the last sample's evaluation.
void SampleTiming::write_records(const _S& S) {
  if (!records_known_ || record_writes() != records_stamp_) {
    OBJ_VALUE scratch;
    calc_S_obj_values_from_spans(S, spans_.data(), 0, scratch, Orders, Jobs);
    records_known_ = true;
    records_stamp_ = record_writes();
    written_ = differing_;
    return;
  }
  auto refold = [&](std::size_t o) {
    if (o != 0 && !order_mark_[o]) {
      order_mark_[o] = 1;
      changed_orders_.push_back(static_cast<int>(o));
    }
  };
  // An order's start and completion are the fold of its jobs' records: a job
  // record that moves outwards moves them at once; one that held them and
  // moves inwards, or a job that came onto or left the shop, folds the order
  // again.
  auto write = [&](int j) {
    const std::size_t i = static_cast<std::size_t>(j);
    const std::size_t o = static_cast<std::size_t>(order_of_[i]);
    if (log_.job_changed(j)) {
      if (counted(S, j)) {
        Jobs[i].StartT = spans_[i].StartT;
        Jobs[i].EndT = spans_[i].EndT;
      }
      refold(o);
      return;
    }
    if (!counted_base_[i]) return;
    JOB& job = Jobs[i];
    const JobSpan was{job.StartT, job.EndT};
    const JobSpan& now = spans_[i];
    if (was == now) return;
    job.StartT = now.StartT;
    job.EndT = now.EndT;
    ORDER& od = Orders[o];
    if (now.EndT > od.EndT)
      od.EndT = now.EndT;
    else if (now.EndT < was.EndT && was.EndT == od.EndT)
      refold(o);
    if (now.StartT < od.StartT)
      od.StartT = now.StartT;
    else if (now.StartT > was.StartT && was.StartT == od.StartT)
      refold(o);
  };
  for (const int j : written_) write(j);
  for (const int j : differing_) write(j);
  for (const int o : changed_orders_) {
    ORDER& od = Orders[static_cast<std::size_t>(o)];
    const int last = std::min(od.First_Job + od.NJob - 1, S.n_of_Jobs);
    for (int j = std::max(od.First_Job, 1); j <= last; ++j) {
      const std::size_t i = static_cast<std::size_t>(j);
      if (!(log_.job_changed(j) ? counted(S, j) : counted_base_[i] != 0) || Jobs[i].Order_ID != o) continue;
      fold_order_span(od, j == od.First_Job, spans_[static_cast<std::size_t>(j)]);
    }
  }
  written_ = differing_;
}

