#include "engine/sample_move.h"

#include <algorithm>

#include "engine/random_source.h"
#include "engine/sample_timing.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/timing.h"

int nth_late_job(int r, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) {
  const int n = static_cast<int>(jobs.size()) - 1;
  for (int j = 1; j <= n; ++j)
    if (jobs[j].EndT > orders[jobs[j].Order_ID].CET && --r == 0) return j;
  return 0;
}

namespace {

bool is_late(int j) { return Jobs[j].EndT > Orders[Jobs[j].Order_ID].CET; }

// Whether the evaluation of S writes job j's completion into Jobs.
bool written_by_evaluation(const _S& S, int j) {
  if (j > S.n_of_Jobs || S.n_steps(j) == 0) return false;
  const int o = Jobs[j].Order_ID;
  return o >= 1 && static_cast<std::size_t>(o) < Orders.size();
}

}  // namespace

bool LateJobs::from_base(const _S& S) { return timing_ && timing_->evaluate_unmoved(S, values_); }

void LateJobs::note(const _S& S) {
  known_ = true;
  late_count_ = values_.n_of_Late_Jobs;
  late_.clear();
  unwritten_.clear();
  const int n = static_cast<int>(Jobs.size()) - 1;
  for (int j = 1; j <= n; ++j) {
    if (!written_by_evaluation(S, j))
      unwritten_.push_back(j);
    else if (is_late(j))
      late_.push_back(j);
  }
}

int LateJobs::draw_noted() const {
  if (late_count_ <= 0) return 0;
  int r = rand_n(static_cast<int>(late_count_)) + 1;
  // The scan in job order, with the noted late jobs counted in blocks between
  // the unwritten jobs that are late now.
  int taken = 0;  // noted late jobs passed
  for (const int u : unwritten_) {
    if (!is_late(u)) continue;
    const int before = static_cast<int>(std::lower_bound(late_.begin(), late_.end(), u) - late_.begin());
    if (r <= before - taken) return late_[static_cast<std::size_t>(taken + r - 1)];
    r -= before - taken;
    taken = before;
    if (--r == 0) return u;
  }
  const int left = static_cast<int>(late_.size()) - taken;
  return r <= left ? late_[static_cast<std::size_t>(taken + r - 1)] : 0;
}

namespace {

void time_and_evaluate(_S& S, OBJ_VALUE& values) {
  calc_S_times(S, MG_M_ex, Orders, Jobs, Machines);
  calc_S_obj_values(S, values, Orders, Jobs);
}

}  // namespace

int apply_Nx_op(_S& S, int op, LateJobs& late) {
  switch (op) {
    case 1:
      if (n_of_Orders > 0) move_reinsert_order(S, rand_n(n_of_Orders) + 1, Orders, Jobs);
      return 1;
    case 2: {
      const int j = late.draw(S, time_and_evaluate);
      if (j > 0) move_reinsert_order(S, Jobs[j].Order_ID, Orders, Jobs);
      return 1;
    }
    case 3: {
      const int j = late.draw(S, time_and_evaluate);
      if (j > 0) move_reinsert_job(S, j, Orders, Jobs);
      if (n_of_Machines < 1) return 0;
      return move_shuffle_machine(S, rand_n(n_of_Machines) + 1);
    }
    case 4: {
      const int j = late.draw(S, time_and_evaluate);
      if (j > 0) move_reinsert_job(S, j, Orders, Jobs);
      return 1;
    }
    case 5:
      if (n_of_Jobs > 0) move_reinsert_job(S, rand_n(n_of_Jobs) + 1, Orders, Jobs);
      return 1;
    default:
      return 1;
  }
}
