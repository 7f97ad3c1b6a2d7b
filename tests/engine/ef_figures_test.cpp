// The EF figures of the results window and the machine loads they are made
// of (engine/machine_loads.h), on one small timed schedule.
#include "engine/ef_figures.h"

#include <gtest/gtest.h>

#include <utility>

#include "engine/machine_loads.h"
#include "engine/timing.h"
#include "tests/support/small_problem.h"

namespace {
// Two jobs of setup type 2 on machine 1 (step 1): a setup of 5 before the
// first, then 10 each, so completions 15 and 25; machine 2 stays idle.
SCH timed_two_jobs(OBJ_VALUE& values) {
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
  calc_sch_obj_values(sch, values);
  return sch;
}
}  // namespace

TEST(EFFigures, LoadWithAndWithoutSetupFromSharedOrOwnWalk) {
  OBJ_VALUE values;
  SCH sch = timed_two_jobs(values);
  MachineLoads loads;
  sum_machine_loads(sch, loads);
  EXPECT_EQ(loads.processing, (std::vector<double>{0.0, 20.0, 0.0}));
  EXPECT_EQ(loads.busy, (std::vector<double>{0.0, 25.0, 0.0}));  // the setup counts

  EF_VALUE without, with, walked_without, walked_with;
  calc_EF_both(sch, loads, Jobs, values, without, with);
  calc_EF_without_setup(sch, Jobs, values, walked_without);
  calc_EF_with_setup(sch, Jobs, values, walked_with);
  for (const auto& [shared, walked] : {std::pair(without, walked_without), std::pair(with, walked_with)}) {
    EXPECT_EQ((std::vector<double>{shared.Na, shared.Ua, shared.qa, shared.Ta}),
              (std::vector<double>{walked.Na, walked.Ua, walked.qa, walked.Ta}));
  }
  // 0.4 x 0.2 x 20 is 1.6000000000000003 in binary; the planner sees 1.6 and 1.
  std::vector<std::string> lines;
  show_EF(without, lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"________EF_________", "Na = 1.6", "Ua = 0.4", "qa = 0.2", "Ta = 20",
                                             "Ua*qa*Ta = 1.6", "Na/(Ua*qa*Ta) = 1", "___________________"}));
  EXPECT_DOUBLE_EQ(with.Ua, 0.5);
  EXPECT_DOUBLE_EQ(with.qa, 0.16);  // nJ x nM / busy time, setups included

  // Missing machine lists load nothing and are never read.
  loads.processing.assign(7, 3.0);  // what an earlier schedule left
  sch.Mach_Head.resize(2);          // a head for machine 1 only
  sum_machine_loads(sch, loads);
  EXPECT_EQ(loads.processing, (std::vector<double>{0.0, 20.0, 0.0}));
  sum_machine_loads(SCH(), loads);
  EXPECT_EQ(loads.processing.size(), 1u);
  EXPECT_EQ(loads.busy.size(), 1u);
  EF_VALUE empty_ef;
  lines.clear();
  calc_EF_with_setup(SCH(), Jobs, OBJ_VALUE(), empty_ef);
  show_EF(empty_ef, lines);
  for (std::size_t i = 1; i < 7; ++i) EXPECT_EQ(lines[i].substr(lines[i].size() - 2), " 0") << lines[i];
}

TEST(EFFigures, NumbersShowFifteenSignificantDigitsWithoutBinaryNoise) {
  EXPECT_EQ(float_to_str(1.0000000000000002), "1");
  EXPECT_EQ(float_to_str(28.103478260869565), "28.1034782608696");
  EXPECT_EQ(float_to_str(0.1 + 0.2), "0.3");
  EXPECT_EQ(float_to_str(1234 * 0.01), "12.34");
  EXPECT_EQ(float_to_str(-0.5), "-0.5");
  // Fixed notation up to 15 whole digits, never cut to an exponent before.
  EXPECT_EQ(float_to_str(100000.0), "100000");
  EXPECT_EQ(float_to_str(123456789012345.0), "123456789012345");
  EXPECT_EQ(float_to_str(999999999999999.9), "1E15");  // rounding carries into a 16th digit
  EXPECT_EQ(float_to_str(0.00001), "0.00001");
  EXPECT_EQ(float_to_str(0.000123), "0.000123");
  EXPECT_EQ(float_to_str(1e20), "1E20");
  EXPECT_EQ(float_to_str(-2.5e-7), "-2.5E-7");
  EXPECT_EQ(float_to_str(1.0 / 3.0), "0.333333333333333");
}
