#include "engine/problem.h"

#include <gtest/gtest.h>

#include "engine/problem_tables.h"
#include "engine/random_source.h"
#include "tests/support/small_problem.h"

TEST(ShopStructure, StepRangesOfTypesAndGroups) {
  // Each group 1..10 is the one range of its steps; ranges are never empty.
  for (int t = 1; t <= 10; ++t) {
    EXPECT_LE(exe_type_first_step(t), exe_type_last_step(t)) << t;
    EXPECT_EQ(machine_group_of_steps(exe_type_first_step(t), exe_type_last_step(t)), t);
  }
  EXPECT_EQ(exe_type_first_step(0) + exe_type_last_step(11) + machine_group_of_steps(3, 1), 0);
}

TEST(ShopStructure, TimingOrderOfGroupsPutsEarlierStepsFirst) {
  const int expected[10] = {10, 8, 5, 1, 9, 6, 2, 7, 3, 4};
  for (int i = 10, n = 0; i >= 1; --i, ++n) EXPECT_EQ(MG_seq[1][i], expected[n]);
  // Each route's groups cover its execution type's steps once, in step order.
  for (int t = 1; t <= 10; ++t)
    for (int i = 1; i <= Exe_R[t][0]; ++i) {
      const int r = Exe_R[t][i];
      int next_step = exe_type_first_step(t);
      for (int k = 1; k <= R_MG_ex[r][0]; ++k) {
        EXPECT_EQ(exe_type_first_step(R_MG_ex[r][k]), next_step) << "route " << r;
        next_step = exe_type_last_step(R_MG_ex[r][k]) + 1;
      }
      EXPECT_EQ(next_step, exe_type_last_step(t) + 1) << "route " << r;
    }
}

namespace {
MACHINE machine_with(std::initializer_list<CAL_INTERVAL> intervals) {
  MACHINE m;
  m.Cal.assign(1, CAL_INTERVAL{});
  for (const CAL_INTERVAL& i : intervals) m.Cal.push_back(i);
  m.N_Cal = static_cast<int>(intervals.size());
  return m;
}
}  // namespace

TEST(MachineCalendar, AvailableTimeBeforeT) {
  MACHINE m = machine_with({{0, 10}, {20, 30}});
  EXPECT_EQ(m.cal_time_until(5), 5);
  EXPECT_EQ(m.cal_time_until(15), 10);
  EXPECT_EQ(m.cal_time_until(25), 15);
  EXPECT_EQ(m.cal_time_until(30), 20);
  EXPECT_EQ(m.cal_time_until(40), 20);
  EXPECT_EQ(m.cal_time_until(0), 0);
  EXPECT_EQ(MACHINE().cal_time_until(100), 0);
}

TEST(ProblemRecords, CopiesAreDeep) {
  MACHINE a = machine_with({{0, 10}});
  a.alloc_setup_matrix(2);
  a.SetupM(1, 2) = 7;
  MACHINE b = a;
  a.SetupM(1, 2) = 9;
  a.Cal[1].ET = 99;
  EXPECT_EQ(b.SetupM(1, 2), 7);
  EXPECT_EQ(b.Cal[1].ET, 10);

  JOB j;
  j.ID = 4;
  j.Freeze = std::make_unique<FREEZE_JOB>();
  j.Freeze->n_routes = 2;
  JOB k;
  k = j;
  j.Freeze->n_routes = 5;
  ASSERT_TRUE(k.Freeze);
  EXPECT_EQ(k.Freeze->n_routes, 2);
  EXPECT_EQ(k.ID, 4);
  JOB none;
  k = none;
  EXPECT_FALSE(k.Freeze);
}

TEST(ProblemRecords, NumberFromName) {
  EXPECT_EQ(get_number_from_name("Job_12"), 12);
  EXPECT_EQ(get_number_from_name("M_G_7"), 7);
  EXPECT_EQ(get_number_from_name("42"), 42);
  EXPECT_EQ(get_number_from_name("Mach_"), 0);
  EXPECT_EQ(get_number_from_name("Order_ 5x"), 5);
}

namespace {
// Two machines per group 1..4 (steps 1..4), one order of type 10 with both
// machines of each group permitted, one order of type 10 whose machines leave
// group 3 empty (no feasible route).
void build_two_order_problem() {
  begin_small_problem(1);
  for (int m = 1; m <= 8; ++m) add_small_machine(1, (m + 1) / 2, (m + 1) / 2);
  add_small_order(2, 1, 1, 4, 1, 0, 100, {1, 2, 3, 4, 5, 6, 7, 8});
  add_small_order(3, 1, 1, 4, 1, 0, 100, {1, 2, 3, 4, 7, 8});
  finish_small_problem();
}
}  // namespace

TEST(ProblemTables, DerivationNumbersJobsAndFindsRoutes) {
  build_two_order_problem();
  EXPECT_EQ(n_of_Jobs, 5);
  EXPECT_EQ(Orders[1].First_Job, 1);
  EXPECT_EQ(Orders[2].First_Job, 3);
  EXPECT_EQ(Jobs[5].Order_ID, 2);
  EXPECT_EQ(Jobs[5].Number, 3);
  EXPECT_EQ(Orders[1].Exe, 10);
  ASSERT_EQ(Orders[1].N_Routes, 1);
  EXPECT_EQ(Orders[1].R_feasible[1], 1);
  EXPECT_EQ(Orders[2].N_Routes, 0);
  EXPECT_EQ(MG_M_ex[3][0], 2);
  EXPECT_EQ(MG_M_ex[3][1], 5);
  EXPECT_EQ(Exe_O[10][0], 2);
}

TEST(ProblemTables, RandomFillPlacesEveryRouteStepOnce) {
  build_two_order_problem();
  seed_random(7);
  for (int round = 0; round < 20; ++round) {
    reset_J_A_M_wload();
    random_J_A_M_wload();
    int placed = 0;
    for (int m = 1; m <= n_of_Machines; ++m) placed += M_wload[m][0];
    EXPECT_EQ(placed, 2 * 4);  // order 1's two jobs take 4 steps each
    for (int j = 1; j <= 2; ++j) {
      EXPECT_EQ(J_A[j][0], 1);
      for (int k = 1; k <= 4; ++k) EXPECT_EQ(Machines[J_A[j][k]].StartStep, k);
    }
    for (int j = 3; j <= 5; ++j) EXPECT_EQ(J_A[j][0], 0);  // no feasible route
  }
}
