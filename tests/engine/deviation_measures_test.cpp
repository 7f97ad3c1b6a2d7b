#include "engine/deviation_measures.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/schedule_array.h"
#include "engine/timing.h"
#include "tests/support/random_schedule.h"
#include "tests/support/small_problem.h"
#include "tests/support/varied_shop.h"

namespace {

// compare_S reads the reference's routes and machines, its records and its
// setup counts only, so a test changes the reference rather than the schedule.
class CompareS : public ::testing::Test {
 protected:
  void SetUp() override {
    build_varied_shop(21, 15);
    fill_random_schedule(21);
    S = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_S_times(S);
    calc_S_obj_values(S, values);
    ref = S;
    ref_orders = Orders;
    ref_jobs = Jobs;
    count_setups_per_machine(S, ref_setups);
    while (o < n_of_Orders && (Orders[o].NJob < 2 || S.n_steps(Orders[o].First_Job) == 0)) ++o;
    ASSERT_GE(Orders[o].NJob, 2);
  }
  // All ten counters, in word order.
  std::vector<int> measure() {
    compare_S(S, values, Orders, Jobs, ref, ref_orders, ref_jobs, ref_setups);
    return std::vector<int>(values.Dev, values.Dev + 10);
  }
  _S S, ref;
  OBJ_VALUE values;
  std::vector<ORDER> ref_orders;
  std::vector<JOB> ref_jobs;
  std::vector<int> ref_setups;
  int o = 1;  // an order of two or more jobs, its first one scheduled
};

}  // namespace

TEST_F(CompareS, RouteAndMachineChangesCountPerJobAndPerOrder) {
  EXPECT_EQ(measure(), std::vector<int>(10, 0));
  const int f = Orders[o].First_Job;
  ref.edit().set_route(f, 0);                                 // job f: another route
  ref.edit().set_machine(f + 1, 1, ref.J_A[f + 1][1] + 1000);  // job f+1: same route, another machine
  // The order counts once under each of the two rules.
  EXPECT_EQ(measure(), (std::vector<int>{1, 2, 0, 0, 1, 2, 0, 0, 0, 0}));
  ref.edit().set_route(f + 1, 0);  // both on another route: the order still counts once
  EXPECT_EQ(measure(), (std::vector<int>{2, 2, 0, 0, 1, 1, 0, 0, 0, 0}));
  ref = S;  // the last job is compared too
  ref.edit().set_route(n_of_Jobs, S.J_A[n_of_Jobs][0] + 1);
  EXPECT_EQ(measure()[0], 1);
}

TEST_F(CompareS, LateDeviationsCompareWithTheReferenceState) {
  const int n = Orders[o].NJob;
  ref_orders[o].CET = 1 << 30;  // on time in the reference...
  Orders[o].CET = -1;           // ...late now
  EXPECT_EQ(measure(), (std::vector<int>{0, 0, n, n, 0, 0, 1, 1, 0, 0}));
  std::swap(ref_orders[o].CET, Orders[o].CET);  // late before, on time now: no new lateness
  EXPECT_EQ(measure(), (std::vector<int>{0, 0, n, 0, 0, 0, 1, 0, 0, 0}));
}

TEST_F(CompareS, SetupDeviationsPerMachine) {
  long long total = 0;
  for (int m = 1; m <= n_of_Machines; ++m) total += ref_setups[m];
  EXPECT_EQ(total, values.n_of_Setup);
  int m = 1;
  while (ref_setups[m] == 0) ++m;
  ref_setups[m] -= 1;      // one new setup on m
  ref_setups[m + 1] += 1;  // one setup fewer on the next machine
  EXPECT_EQ(measure(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 2, 1}));
}

// The reference's setups per machine reach the last machine: here the only one,
// whose first position always counts as a setup and whose setup-type changes
// count once each.
TEST(CountSetups, EveryMachineUpToTheLast) {
  begin_small_problem(2);
  add_small_machine(1, 1, 1);
  Machines[1].SetupM(1, 2) = 5;
  add_small_order(2, 10, 1, 1, 1, 0, 500, {1});
  add_small_order(1, 10, 1, 1, 2, 0, 500, {1});
  finish_small_problem();
  fill_random_schedule(3);
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_S_times(S);
  std::vector<int> counts;
  count_setups_per_machine(S, counts);
  int expected = 0;
  for (int p = 1; p <= S.count(1); ++p) expected += S.Times[1][p].Setup == 1;
  EXPECT_GE(expected, 1);
  EXPECT_EQ(counts, (std::vector<int>{0, expected}));
}

TEST(PrintReschDev, TenLabelledLinesInWordOrder) {
  OBJ_VALUE v;
  for (int i = 0; i < 10; ++i) v.Dev[i] = 22 + i;
  std::ostringstream out;
  print_resch_dev(out, v);
  EXPECT_EQ(out.str(),
            " num. of jobs with differrent route: 22\n"
            " num. of jobs with differrent machines: 23\n"
            " num. of jobs with late deviation: 24\n"
            " num. of new late jobs: 25\n"
            " num. of orders with differrent route: 26\n"
            " num. of orders with differrent machines: 27\n"
            " num. of orders with late deviation: 28\n"
            " num. of new late orders: 29\n"
            " num. of machines with setup number deviation: 30\n"
            " num. of machines with new setups: 31\n");
}
