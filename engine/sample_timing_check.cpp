// The checking mode of the incremental timing: the sample against the base
// after a reset, and against the full pass after its timing and evaluation.
// A difference is a fault, never a tolerance.
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/problem.h"
#include "engine/sample_timing.h"
#include "engine/tabu_list.h"
#include "engine/timing.h"

namespace {

[[noreturn]] void fault(const std::string& what) {
  throw std::logic_error("incremental timing differs from the full pass: " + what);
}

}  // namespace

void SampleTiming::check_hash(const _S& S, std::uint64_t hash) const {
  if (hash != tabu_hash(S)) fault("tabu hash");
}

void SampleTiming::check_base() {
  const _S& C = *base_;
  check_.assign(C);
  time_full(check_);
  for (int m = 1; m <= C.n_of_Machines; ++m)
    for (int p = 1, cnt = C.M_wload[m][0]; p <= cnt; ++p)
      if (!same_times(C.Times[m][p], check_.Times[m][p]))
        fault("base carried over: times of machine " + std::to_string(m) + " position " + std::to_string(p));
}

void SampleTiming::check_kept() {
  const std::vector<JobSpan> spans = base_spans_;
  const std::vector<int> setups = base_setups_;
  const std::vector<std::uint64_t> hashes = base_machine_hash_;
  const std::uint64_t hash_sum = base_hash_sum_;
  const std::vector<unsigned char> counted_jobs = counted_base_;
  const std::vector<int> order_late = base_order_late_;
  std::int64_t values[10];
  std::copy(base_values_, base_values_ + 10, values);
  derive_base();
  const _S& C = *base_;
  for (int j = 1; j <= C.n_of_Jobs; ++j) {
    const std::size_t i = static_cast<std::size_t>(j);
    if (counted_jobs[i] != counted_base_[i]) fault("kept base: job " + std::to_string(j) + " on or off the shop");
    if (counted_base_[i] && spans[i] != base_spans_[i]) fault("kept base: span of job " + std::to_string(j));
  }
  if (setups != base_setups_) fault("kept base: setups");
  if (hashes != base_machine_hash_ || hash_sum != base_hash_sum_) fault("kept base: hashes");
  if (order_late != base_order_late_) fault("kept base: late jobs per order");
  for (int i = 0; i < 10; ++i)
    if (values[i] != base_values_[i]) fault("kept base: value " + std::to_string(i));
}

void SampleTiming::check_reset(const _S& S) const {
  const _S& C = *base_;
  for (int j = 1; j <= C.n_of_Jobs; ++j)
    if (S.J_A[j] != C.J_A[j] || S.J_pos[j] != C.J_pos[j]) fault("reset: job " + std::to_string(j) + "'s rows");
  for (int m = 1; m <= C.n_of_Machines; ++m) {
    const int cnt = C.M_wload[m][0];
    if (S.M_wload[m][0] != cnt) fault("reset: machine " + std::to_string(m) + "'s count");
    for (int p = 1; p <= cnt; ++p) {
      if (S.M_wload[m][p] != C.M_wload[m][p] || S.M_step[m][p] != C.M_step[m][p])
        fault("reset: machine " + std::to_string(m) + " position " + std::to_string(p));
      if (timed_machine_[static_cast<std::size_t>(m)] && !same_times(S.Times[m][p], C.Times[m][p]))
        fault("reset: times of machine " + std::to_string(m) + " position " + std::to_string(p));
    }
    if (setups_[static_cast<std::size_t>(m)] != base_setups_[static_cast<std::size_t>(m)])
      fault("reset: setups of machine " + std::to_string(m));
  }
  for (int j = 1; j <= C.n_of_Jobs; ++j)
    if (spans_[static_cast<std::size_t>(j)] != base_spans_[static_cast<std::size_t>(j)])
      fault("reset: span of job " + std::to_string(j));
}

void SampleTiming::check_sample(const _S& S, const OBJ_VALUE& values) {
  // What the incremental evaluation left in the problem's records.
  std::vector<JobSpan> jobs(Jobs.size());
  for (std::size_t j = 0; j < Jobs.size(); ++j) jobs[j] = {Jobs[j].StartT, Jobs[j].EndT};
  std::vector<JobSpan> orders(Orders.size());
  for (std::size_t o = 0; o < Orders.size(); ++o) orders[o] = {Orders[o].StartT, Orders[o].EndT};

  check_.assign(S);
  time_full(check_);
  OBJ_VALUE full;
  calc_S_obj_values(check_, full, Orders, Jobs);

  for (int m = 1; m <= S.n_of_Machines; ++m) {
    if (!timed_machine_[static_cast<std::size_t>(m)]) continue;
    for (int p = 1, cnt = S.M_wload[m][0]; p <= cnt; ++p)
      if (!same_times(S.Times[m][p], check_.Times[m][p]))
        fault("times of machine " + std::to_string(m) + " position " + std::to_string(p) + ": start " +
              std::to_string(S.Times[m][p].StartT) + " end " + std::to_string(S.Times[m][p].EndT) +
              ", full pass start " + std::to_string(check_.Times[m][p].StartT) + " end " +
              std::to_string(check_.Times[m][p].EndT));
    if (setups_[static_cast<std::size_t>(m)] != count_setups(check_, m)) fault("setups of machine " + std::to_string(m));
  }
  for (int i = 0; i < 9; ++i)
    if (values.criterion(i) != full.criterion(i))
      fault("criterion " + std::to_string(i) + ": " + std::to_string(values.criterion(i)) + ", full pass " +
            std::to_string(full.criterion(i)));
  if (values.n_of_Scheduled_Jobs != full.n_of_Scheduled_Jobs) fault("scheduled jobs");
  for (std::size_t j = 1; j < Jobs.size(); ++j)
    if (jobs[j] != JobSpan{Jobs[j].StartT, Jobs[j].EndT}) fault("record of job " + std::to_string(j));
  for (std::size_t o = 1; o < Orders.size(); ++o)
    if (orders[o] != JobSpan{Orders[o].StartT, Orders[o].EndT}) fault("record of order " + std::to_string(o));
  for (int j = 1; j <= S.n_of_Jobs; ++j)
    if (S.n_steps(j) > 0 && spans_[static_cast<std::size_t>(j)] != job_span(check_, j))
      fault("span of job " + std::to_string(j));
}
