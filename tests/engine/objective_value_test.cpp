#include "engine/objective_value.h"

#include <gtest/gtest.h>

#include "engine/timing.h"
#include "tests/support/small_problem.h"

namespace {

// One machine for step 1; every job runs there in id order.
void load_one_machine(std::initializer_list<std::array<int, 3>> orders /* jobs, size, due */, int setup_1_2 = 0) {
  begin_small_problem(2);
  add_small_machine(1, 1, 1);
  Machines[1].SetupM(1, 2) = setup_1_2;
  for (const auto& o : orders) add_small_order(o[0], o[1], 1, 1, 2, 0, o[2], {1});
  finish_small_problem();
  reset_J_A_M_wload();
  random_J_A_M_wload();  // one machine: every job on it, in increasing id
}

struct Evaluated {
  OBJ_VALUE from_S;
  OBJ_VALUE from_sch;
  SCH sch;
};

Evaluated evaluate() {
  Evaluated e;
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_S_times(S);
  calc_S_obj_values(S, e.from_S);
  e.sch = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(e.sch);
  e.from_sch.n_of_Scheduled_Jobs = 99;
  calc_sch_obj_values(e.sch, e.from_sch);
  return e;
}

OBJ_VALUE with_values(std::initializer_list<std::int64_t> v) {
  OBJ_VALUE o;
  int i = 0;
  for (std::int64_t x : v) o.criterion(i++) = x;
  return o;
}

}  // namespace

// Every value against a plain recomputation on random schedules, jobs without
// a route among them, is timing_test's; here the values by hand once, and
// the cases random schedules never make.
TEST(Evaluation, LateJobsAndOrdersTardinessAndLateness) {
  // Orders: two jobs due 5, one job due 0, one job due 44; each takes 10.
  load_one_machine({{2, 10, 5}, {1, 10, 0}, {1, 10, 44}});
  const Evaluated e = evaluate();
  const std::int64_t want[9] = {2, 3, 5 + 15 + 30, 30, 1, 40, 50 + 4, 0, 0};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(e.from_S.criterion(i), want[i]) << "criterion " << i;
    EXPECT_EQ(e.from_sch.criterion(i), want[i]) << "criterion " << i;
  }
  EXPECT_EQ(e.from_S.n_of_Scheduled_Jobs, 4);
  EXPECT_EQ(e.from_sch.n_of_Scheduled_Jobs, 99);  // the linked evaluation leaves it
  EXPECT_EQ(Orders[1].StartT, 0);
  EXPECT_EQ(Orders[1].EndT, 20);
  EXPECT_EQ(Jobs[4].StartT, 30);
  EXPECT_EQ(Jobs[4].EndT, 40);

  // A job timed before its order's earliest start moved later (as a frozen
  // job keeps its start) starts early by the difference.
  Orders[3].CST = 35;
  OBJ_VALUE v;
  calc_sch_obj_values(e.sch, v);
  EXPECT_EQ(v.n_of_Early_Starting_Jobs, 1);
  EXPECT_EQ(v.sumEarly_Startness, -5);
}

TEST(Evaluation, RouteStepLeftOffItsMachineCountsLateAndEarlyAfterEveryRetiming) {
  load_one_machine({{2, 10, 100}});
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  OBJ_VALUE v;
  calc_S_times(S);
  calc_S_obj_values(S, v);
  ASSERT_EQ(v.n_of_Late_Jobs, 0);
  // Job 2 keeps its route but leaves the machine; what the last timing knew
  // of it must not stand in for its missing step.
  S.edit().set_count(1, 1);
  S.build_indexes();
  calc_S_times(S);
  calc_S_obj_values(S, v);
  EXPECT_EQ(v.n_of_Late_Jobs, 1);
  EXPECT_EQ(v.n_of_Early_Starting_Jobs, 1);
  EXPECT_EQ(v.Completion_Time, 10);
  EXPECT_EQ(Jobs[2].EndT, -1);
  EXPECT_EQ(v.n_of_Setup, 1);
}

TEST(Evaluation, TardinessSumsBeyondThirtyTwoBits) {
  // 3,000 jobs of 1,000 units due at 0: the sum is 1000 * 3000 * 3001 / 2.
  load_one_machine({{3000, 1000, 0}});
  const Evaluated e = evaluate();
  EXPECT_EQ(e.from_S.sumTardiness, 4501500000LL);
  EXPECT_EQ(e.from_sch.sumTardiness, 4501500000LL);
  EXPECT_EQ(e.from_S.sumAbsLateness, 4501500000LL);
  EXPECT_EQ(e.from_S.max_Tardiness, 3000000);
}

// F sums, per criterion, weight x 100 x (other - this) / max of the two.
TEST(Comparison, WeightedRelativeDifference) {
  const OBJ_VALUE ten = with_values({1, 2, 30, 15, 10, 120, 0, 0, 0});
  const OBJ_VALUE nine = with_values({1, 2, 30, 15, 9, 120, 0, 0, 0});
  EXPECT_DOUBLE_EQ(nine.F(ten), 70.0);  // 7 * 100 * 1 / 10
  EXPECT_TRUE(nine.better(ten));
  EXPECT_TRUE(nine.not_worse(ten));
  EXPECT_FALSE(nine.equal(ten));
  EXPECT_TRUE(ten.worse(nine));
  EXPECT_TRUE(ten.equal(ten));
  // A criterion at 0 against a positive one weighs a full 100.
  const OBJ_VALUE none_late = with_values({0, 2, 30, 15, 10, 120, 0, 0, 0});
  EXPECT_DOUBLE_EQ(none_late.F(ten), 700.0);
  EXPECT_DOUBLE_EQ(ten.F(none_late), -700.0);
  // Deviation counters weigh with the rescheduling priorities.
  OBJ_VALUE deviating = ten;
  deviating.Dev[3] = 4;
  ReschPri[3] = 2;
  EXPECT_DOUBLE_EQ(ten.F(deviating), 200.0);
  ReschPri[3] = 0;
  EXPECT_TRUE(ten.equal(deviating));

  // One criterion weighted at a time, the late ones (6 to 8, unweighted at
  // start-up) among them: the smaller value is the better record. The never
  // positive early-start sum adds nothing, even weighted.
  int saved[9];
  std::copy(ObjPri, ObjPri + 9, saved);
  for (int i = 0; i < 9; ++i) {
    std::fill(ObjPri, ObjPri + 9, 0);
    ObjPri[i] = 3;
    OBJ_VALUE small = with_values({4, 4, 4, 4, 4, 4, 4, 4, 4});
    OBJ_VALUE large = small;
    large.criterion(i) = 8;
    EXPECT_DOUBLE_EQ(small.F(large), 150.0) << "criterion " << i;  // 3 * 100 * 4 / 8
    EXPECT_TRUE(large.worse(small)) << "criterion " << i;
  }
  const OBJ_VALUE early_5 = with_values({0, 0, 0, 0, 0, 0, 0, 0, -5});
  const double f1 = early_5.F(with_values({0, 0, 0, 0, 0, 0, 0, 0, 0}));
  const double f2 = early_5.F(with_values({0, 0, 0, 0, 0, 0, 0, 0, -10}));
  std::copy(saved, saved + 9, ObjPri);
  EXPECT_EQ(f1, 0.0);
  EXPECT_EQ(f2, 0.0);
}

TEST(Comparison, AssignmentKeepsScheduledJobsAndSizes) {
  OBJ_VALUE target = with_values({9, 9, 9, 9, 9, 9, 9, 9, 9});
  target.n_of_Scheduled_Jobs = 17;
  target.set(target, 3, 17, 5);
  OBJ_VALUE source = with_values({1, 2, 3, 4, 5, 6, 7, 8, -9});
  source.n_of_Scheduled_Jobs = 40;
  source.Dev[9] = 6;
  target = source;
  EXPECT_EQ(target.sumEarly_Startness, -9);
  EXPECT_EQ(target.Dev[9], 6);
  EXPECT_EQ(target.n_of_Scheduled_Jobs, 17);
  EXPECT_EQ(target.n_of_Jobs, 17);
  EXPECT_EQ(target.n_of_Machines, 5);
}
