#include "engine/deviation_measures.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/timing.h"
#include "tests/support/random_schedule.h"
#include "tests/support/varied_shop.h"

namespace {

class CompareSTest : public ::testing::Test {
 protected:
  void SetUp() override {
    build_varied_shop(21, 15);
    fill_random_schedule(21);
    ref = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_S_times(ref);
    calc_S_obj_values(ref, ref_values);
    ref_orders = Orders;
    ref_jobs = Jobs;
    count_setups_per_machine(ref, ref_setups);
  }

  OBJ_VALUE measure(_S& S) {
    OBJ_VALUE v;
    calc_S_times(S);
    calc_S_obj_values(S, v);
    compare_S(S, v, Orders, Jobs, ref, ref_orders, ref_jobs, ref_setups);
    return v;
  }

  // An order with at least two jobs, the first of which can take another route
  // or another machine.
  int order_with_jobs(int n) const {
    for (int o = 1; o <= n_of_Orders; ++o)
      if (Orders[o].NJob >= n && Orders[o].N_Routes >= 1) return o;
    return 0;
  }

  _S ref;
  OBJ_VALUE ref_values;
  std::vector<ORDER> ref_orders;
  std::vector<JOB> ref_jobs;
  std::vector<int> ref_setups;
};

// Another route of job j's order, or 0.
int other_route(const _S& S, int j) {
  const ORDER& o = Orders[Jobs[j].Order_ID];
  for (int i = 1; i <= o.N_Routes; ++i)
    if (o.R_feasible[i] != S.J_A[j][0]) return o.R_feasible[i];
  return 0;
}

// Puts route step k of job j on another machine of its group; false when the
// order permits only one.
bool move_step_elsewhere(_S& S, int j, int k) {
  const ORDER& o = Orders[Jobs[j].Order_ID];
  const std::vector<int>& list = o.MG_M[R_MG_ex[S.J_A[j][0]][k]];
  for (int i = 1; i <= list[0]; ++i)
    if (list[i] != S.J_A[j][k]) {
      const int m = S.J_A[j][k];
      int* row = S.M_wload[m];
      // take it out of m, append it on the other machine
      const int p = S.J_pos[j][k];
      for (int q = p; q < row[0]; ++q) {
        row[q] = row[q + 1];
        S.M_step[m][q] = S.M_step[m][q + 1];
      }
      --row[0];
      const int to = list[i];
      S.M_wload[to][++S.M_wload[to][0]] = j;
      S.J_A[j][k] = to;
      S.build_indexes();
      return true;
    }
  return false;
}

}  // namespace

TEST_F(CompareSTest, TheReferenceItselfDeviatesNowhere) {
  _S S(ref);
  const OBJ_VALUE v = measure(S);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(v.Dev[i], 0) << i;
}

TEST_F(CompareSTest, RouteAndMachineChangesCountPerJobAndPerOrder) {
  // Find an order whose first job can change route and whose second job can
  // move a step to another machine.
  for (int o = 1; o <= n_of_Orders; ++o) {
    const int f = Orders[o].First_Job;
    if (Orders[o].NJob < 2 || other_route(ref, f) == 0) continue;
    _S S(ref);
    if (!move_step_elsewhere(S, f + 1, 1)) continue;
    const int r = other_route(ref, f);
    remove_job(S, f);
    // f on another route, one machine per step, appended.
    S.J_A[f][0] = r;
    for (int k = 1; k <= R_MG_ex[r][0]; ++k) {
      const int m = Orders[o].MG_M[R_MG_ex[r][k]][1];
      S.J_A[f][k] = m;
      S.M_wload[m][++S.M_wload[m][0]] = f;
    }
    S.build_indexes();
    const OBJ_VALUE v = measure(S);
    EXPECT_EQ(v.Dev[0], 1);  // jobs with another route
    EXPECT_EQ(v.Dev[1], 2);  // jobs with another route or machines
    EXPECT_EQ(v.Dev[4], 1);  // orders with another route
    // The order counts under both rules of the machines word.
    EXPECT_EQ(v.Dev[5], 2);
    return;
  }
  GTEST_SKIP() << "no order of this shop allows the two changes";
}

TEST_F(CompareSTest, LateDeviationsCompareWithTheReferenceCompletions) {
  _S S(ref);
  OBJ_VALUE v = measure(S);
  ASSERT_EQ(v.Dev[2], 0);
  // Move an order's due date: in the reference none of its jobs is late,
  // now all of them are.
  const int o = order_with_jobs(2);
  ASSERT_GT(o, 0);
  const int cet = ref_orders[o].CET;
  ref_orders[o].CET = 1000000;  // nothing of o late in the reference...
  Orders[o].CET = -1;           // ...everything of o late now
  // compare_S reads the evaluation already made; reuse it.
  compare_S(S, v, Orders, Jobs, ref, ref_orders, ref_jobs, ref_setups);
  const int n = Orders[o].NJob;
  EXPECT_EQ(v.Dev[2], n);  // late status differs for every job of o
  EXPECT_EQ(v.Dev[3], n);  // all of them newly late
  EXPECT_EQ(v.Dev[6], 1);  // one order
  EXPECT_EQ(v.Dev[7], 1);
  // The other way round: late in the reference, on time now.
  ref_orders[o].CET = -1;
  Orders[o].CET = cet + 1000000;
  compare_S(S, v, Orders, Jobs, ref, ref_orders, ref_jobs, ref_setups);
  EXPECT_EQ(v.Dev[3], 0);
  EXPECT_EQ(v.Dev[7], 0);
  EXPECT_EQ(v.Dev[6], 1);
  EXPECT_EQ(v.Dev[2], n);
}

TEST_F(CompareSTest, SetupDeviationsPerMachine) {
  _S S(ref);
  int m = 1;
  while (ref_setups[m] == 0) ++m;
  ref_setups[m] -= 1;  // S has one setup more than the reference on m
  int other = m + 1;
  while (other <= n_of_Machines && ref.count(other) == 0) ++other;
  ASSERT_LE(other, n_of_Machines);
  ref_setups[other] += 1;  // and one fewer on other
  const OBJ_VALUE v = measure(S);
  EXPECT_EQ(v.Dev[8], 2);
  EXPECT_EQ(v.Dev[9], 1);
  std::vector<int> counts;
  count_setups_per_machine(S, counts);
  EXPECT_EQ(counts[m], ref_setups[m] + 1);
  long long total = 0;
  for (int i = 1; i <= n_of_Machines; ++i) total += counts[i];
  EXPECT_EQ(total, v.n_of_Setup);
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
