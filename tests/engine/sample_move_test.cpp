#include "engine/sample_move.h"

#include <gtest/gtest.h>

#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/starting_schedules.h"
#include "engine/tabu_list.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/varied_shop.h"

namespace {

_S random_schedule(std::uint32_t seed) {
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  random_init_S(S, Orders, Jobs);
  seed_random(seed);
  return S;
}

bool same_schedule(const _S& a, const _S& b) {
  for (int j = 1; j <= a.n_of_Jobs; ++j)
    if (a.J_A[j] != b.J_A[j]) return false;
  return TABU(a).equal(b) == 1;
}

void set_due_dates(int cet) {
  for (int o = 1; o <= n_of_Orders; ++o) Orders[o].CET = cet;
}

}  // namespace

TEST(LateJobScan, RthLateJobInJobOrder) {
  build_varied_shop(2, 6);
  for (int j = 1; j <= n_of_Jobs; ++j) Jobs[j].EndT = Orders[Jobs[j].Order_ID].CET;  // on time
  ASSERT_GE(n_of_Jobs, 4);
  Jobs[2].EndT += 1;
  Jobs[4].EndT += 100;
  Jobs[3].EndT = -1;  // no completion: late in the values, not by the scan
  EXPECT_EQ(nth_late_job(1, Orders, Jobs), 2);
  EXPECT_EQ(nth_late_job(2, Orders, Jobs), 4);
  EXPECT_EQ(nth_late_job(3, Orders, Jobs), 0) << "fewer late jobs than r: no job, no move";
}

TEST(ApplyNxOp, WithoutLateJobsOnlyTheMachineRotationMoves) {
  build_varied_shop(6, 30);
  set_due_dates(1 << 30);
  _S current = random_schedule(6);
  OBJ_VALUE values;
  int rotated = 0, dropped = 0;
  for (int i = 0; i < 200; ++i) {
    for (int op : {0, 2, 4, 6}) {
      _S sample = current;
      EXPECT_EQ(apply_Nx_op(sample, op, values), 1);
      EXPECT_TRUE(same_schedule(sample, current)) << "operator " << op;
    }
    _S sample = current;
    const int kept = apply_Nx_op(sample, 3, values);
    if (kept == 0) {
      ++dropped;
      EXPECT_TRUE(same_schedule(sample, current)) << "a dropped sample is untouched";
    } else if (!same_schedule(sample, current)) {
      ++rotated;
      for (int j = 1; j <= n_of_Jobs; ++j) EXPECT_EQ(sample.J_A[j], current.J_A[j]) << "only sequences move";
    }
  }
  EXPECT_GT(rotated, 20);
  EXPECT_GT(dropped, 0) << "some of the 20 machines hold fewer than two jobs";
}

TEST(ApplyNxOp, LateJobOperatorsMoveTheDrawnLateJob) {
  build_varied_shop(7, 30);
  set_due_dates(0);  // every scheduled job is late
  _S current = random_schedule(7);
  OBJ_VALUE values;
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    for (int op : {2, 4}) {
      _S sample = current;
      seed_random(seed);
      ASSERT_EQ(apply_Nx_op(sample, op, values), 1);
      // Replay: the evaluation before the move, the draw of r, the scan.
      _S replay = current;
      seed_random(seed);
      OBJ_VALUE v;
      calc_S_times(replay, MG_M_ex, Orders, Jobs, Machines);
      calc_S_obj_values(replay, v, Orders, Jobs);
      ASSERT_GT(v.n_of_Late_Jobs, 0);
      const int j = nth_late_job(rand_n(static_cast<int>(v.n_of_Late_Jobs)) + 1, Orders, Jobs);
      ASSERT_GT(j, 0);
      if (op == 2)
        move_reinsert_order(replay, Jobs[j].Order_ID, Orders, Jobs);
      else
        move_reinsert_job(replay, j, Orders, Jobs);
      EXPECT_TRUE(same_schedule(sample, replay)) << "operator " << op << " seed " << seed;
      expect_S_consistent(sample, "late-job move");
    }
  }
}

TEST(ApplyNxOp, SampledOperatorsKeepTheIndexesOnAGeneratedProblem) {
  ASSERT_TRUE(load_generated_problem(3, GeneratedSize::Small));
  seed_random(3);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  OBJ_VALUE values;
  for (int i = 0; i < 3000; ++i) {
    apply_Nx_op(S, select_Nx_op(n_of_operators, Nx_op_pri), values);
    if (i % 100 == 0) expect_S_consistent(S, "sampled");
  }
  expect_S_consistent(S, "sampled");
}
