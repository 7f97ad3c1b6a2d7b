#include "engine/ef_figures.h"

#include <gtest/gtest.h>

#include "engine/timing.h"
#include "tests/support/small_problem.h"

namespace {
// Two jobs of setup type 2 on one machine for step 1: a setup of 5 before the
// first, then 10 each, so completions 15 and 25.
SCH timed_two_jobs(OBJ_VALUE& values) {
  begin_small_problem(2);
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

TEST(EFFigures, LoadWithAndWithoutSetupAndEmptySchedule) {
  OBJ_VALUE values;
  const SCH sch = timed_two_jobs(values);
  EF_VALUE ef;
  calc_EF_without_setup(sch, Jobs, values, ef);
  std::vector<std::string> lines;
  show_EF(ef, lines);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "________EF_________");
  EXPECT_EQ(lines[1], "Na = 1.6");
  EXPECT_EQ(lines[2], "Ua = 0.8");
  EXPECT_EQ(lines[3], "qa = 0.1");
  EXPECT_EQ(lines[4], "Ta = 20");
  EXPECT_EQ(lines[5], "Ua*qa*Ta = 1.6");
  EXPECT_EQ(lines[6], "Na/(Ua*qa*Ta) = 1");
  EXPECT_EQ(lines[7], "___________________");
  calc_EF_with_setup(sch, Jobs, values, ef);
  EXPECT_DOUBLE_EQ(ef.Ua, 1.0);
  EXPECT_DOUBLE_EQ(ef.qa, 0.08);
  lines.clear();
  show_EF(ef, lines);
  // 1 x 0.08 x 20 is 1.6000000000000001 in binary; the planner sees 1.6 and 1.
  EXPECT_EQ(lines[5], "Ua*qa*Ta = 1.6");
  EXPECT_EQ(lines[6], "Na/(Ua*qa*Ta) = 1");

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
