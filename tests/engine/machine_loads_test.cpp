#include "engine/machine_loads.h"

#include <gtest/gtest.h>

#include <utility>

#include "engine/ef_figures.h"
#include "engine/timing.h"
#include "tests/support/small_problem.h"

namespace {
// Machine 1 takes both jobs of an order of setup type 2 (a setup of 5 before
// the first, 10 of work each); machine 2 is idle.
SCH two_jobs_on_machine_one() {
  begin_small_problem(2);
  add_small_machine(1, 1, 1);
  add_small_machine(1, 1, 1);
  Machines[1].SetupM(1, 2) = 5;
  add_small_order(2, 10, 1, 1, 2, 0, 100, {1});
  finish_small_problem();
  reset_J_A_M_wload();
  random_J_A_M_wload();
  SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(sch);
  return sch;
}
}  // namespace

TEST(MachineLoads, BusyTimeCountsTheSetupsProcessingDoesNot) {
  const SCH sch = two_jobs_on_machine_one();
  MachineLoads loads;
  sum_machine_loads(sch, loads);
  ASSERT_EQ(loads.processing.size(), 3u);
  ASSERT_EQ(loads.busy.size(), 3u);
  EXPECT_EQ(loads.processing[1], 20.0);
  EXPECT_EQ(loads.busy[1], 25.0);
  EXPECT_EQ(loads.processing[2], 0.0);
  EXPECT_EQ(loads.busy[2], 0.0);
}

TEST(MachineLoads, MissingMachineListsLoadNothingAndAreNeverRead) {
  SCH sch = two_jobs_on_machine_one();
  MachineLoads loads;
  loads.processing.assign(7, 3.0);  // what an earlier schedule left
  sch.Mach_Head.resize(2);          // a head for machine 1 only
  sum_machine_loads(sch, loads);
  ASSERT_EQ(loads.processing.size(), 3u);
  EXPECT_EQ(loads.processing[1], 20.0);
  EXPECT_EQ(loads.processing[2], 0.0);

  sum_machine_loads(SCH(), loads);
  EXPECT_EQ(loads.processing.size(), 1u);
  EXPECT_EQ(loads.busy.size(), 1u);
}

TEST(MachineLoads, EfFiguresFromSharedLoadsMatchTheirOwnWalk) {
  const SCH sch = two_jobs_on_machine_one();
  OBJ_VALUE values;
  calc_sch_obj_values(sch, values);
  MachineLoads loads;
  sum_machine_loads(sch, loads);
  EF_VALUE walked_without, walked_with, without, with;
  calc_EF_without_setup(sch, Jobs, values, walked_without);
  calc_EF_with_setup(sch, Jobs, values, walked_with);
  calc_EF_both(sch, loads, Jobs, values, without, with);
  for (const auto& [shared, walked] : {std::pair(without, walked_without), std::pair(with, walked_with)}) {
    EXPECT_EQ(shared.Na, walked.Na);
    EXPECT_EQ(shared.Ua, walked.Ua);
    EXPECT_EQ(shared.qa, walked.qa);
    EXPECT_EQ(shared.Ta, walked.Ta);
  }
  EXPECT_DOUBLE_EQ(without.qa, 2.0 * 2.0 / 20.0);  // nJ x nM / processing time
  EXPECT_DOUBLE_EQ(with.qa, 2.0 * 2.0 / 25.0);     // ... / busy time, setups included
  EXPECT_DOUBLE_EQ(with.Ta, (15.0 + 25.0) / 2.0);
}
