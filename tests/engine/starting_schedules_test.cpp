#include "engine/starting_schedules.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/problem_tables.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "tests/support/varied_shop.h"

namespace {

// The orders of machine m's sequence, one entry per run of an order's jobs.
std::vector<int> orders_on(const _S& S, int m) {
  std::vector<int> orders;
  for (int j : sequence_of(S, m))
    if (orders.empty() || orders.back() != Jobs[j].Order_ID) orders.push_back(Jobs[j].Order_ID);
  return orders;
}

}  // namespace

TEST(StartingSchedules, EddTakesOrdersByDueDateOnFirstRouteAndMachines) {
  // Five orders of type 1 on machines 1 and 2 of group 1; equal due dates
  // keep the orders' own order.
  build_varied_shop(1, 5);
  const int due[6] = {0, 30, 10, 50, 10, 20};
  for (int o = 1; o <= 5; ++o) {
    Orders[o].CET = due[o];
    Orders[o].StartStep = Orders[o].EndStep = 1;
    Orders[o].Steps = {ORDER_STEP{}, ORDER_STEP{1, 1, 1, 0}, ORDER_STEP{1, 1, 2, 0}};
    Orders[o].N_Step = 2;
  }
  derive_problem_tables();
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  ASSERT_EQ(order_assign_EDD_seq(S, Orders), 1);
  expect_S_consistent(S, "EDD");
  EXPECT_EQ(orders_on(S, 1), (std::vector<int>{2, 4, 5, 1, 3}));
  EXPECT_EQ(S.M_wload[2][0], 0) << "only the first usable machine is used";
  ASSERT_EQ(order_assign_random_seq(S, Orders), 1);
  expect_S_consistent(S, "index order");
  const std::vector<int> seq = sequence_of(S, 1);
  EXPECT_EQ(static_cast<int>(seq.size()), n_of_Jobs);
  for (size_t p = 1; p < seq.size(); ++p) EXPECT_LT(seq[p - 1], seq[p]) << "orders 1 to 5, jobs first to last";
}

TEST(StartingSchedules, HeuristicsOnAVariedShop) {
  build_varied_shop(31, 40, true);
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  seed_random(31);
  for (int round = 0; round < 2; ++round) {  // the same buffer is rebuilt each time
    ASSERT_EQ(order_assign_EDD_seq(S, Orders), 1);
    expect_S_consistent(S, "EDD");
    for (int j = 1; j <= n_of_Jobs; ++j) {
      const ORDER& o = Orders[Jobs[j].Order_ID];
      EXPECT_EQ(S.J_A[j][0], o.R_feasible[1]) << "the first feasible route";
      if (S.n_steps(j) > 0) {
        EXPECT_EQ(S.J_A[j][1], o.MG_M[R_MG_ex[S.J_A[j][0]][1]][1]) << "the first usable machine";
      }
    }
    ASSERT_EQ(order_exe_type_assign(S, Orders, Exe_O), 1);
    expect_S_consistent(S, "exe type");
    for (int o = 1; o <= n_of_Orders; ++o) {
      const int f = Orders[o].First_Job;
      EXPECT_EQ(S.J_A[f][0], Orders[o].R_feasible[Orders[o].N_Routes]) << "the last feasible route";
      for (int j = f + 1; j < f + Orders[o].NJob; ++j)
        for (int k = 1; k <= S.n_steps(f); ++k) {
          EXPECT_EQ(S.J_A[j][k], S.J_A[f][k]) << "the order's jobs copy its first job";
          EXPECT_EQ(S.J_pos[j][k], S.J_pos[j - 1][k] + 1) << "and follow it";
        }
    }
    // By execution type: no order of a lower type after one of a higher type.
    for (int m = 1; m <= n_of_Machines; ++m)
      for (int p = 2; p <= S.M_wload[m][0]; ++p)
        EXPECT_LE(Orders[Jobs[S.M_wload[m][p - 1]].Order_ID].Exe, Orders[Jobs[S.M_wload[m][p]].Order_ID].Exe);
    ASSERT_EQ(order_exe_type_assign_jobs(S, Orders, Exe_O), 1);
    expect_S_consistent(S, "exe type, jobs");
    ASSERT_EQ(random_init_S(S, Orders, Jobs), 1);
    expect_S_consistent(S, "random");
    for (int m = 1; m <= n_of_Machines; ++m)
      for (int p = 2; p <= S.M_wload[m][0]; ++p) EXPECT_LT(S.M_wload[m][p - 1], S.M_wload[m][p]);
  }
  // An order that loses its execution type is in no Exe_O list: its jobs must
  // not keep the routes and positions the buffer held before.
  const int f = Orders[1].First_Job;
  ASSERT_NE(S.J_A[f][0], 0);
  Orders[1].StartStep = 0;
  derive_problem_tables();
  order_exe_type_assign(S, Orders, Exe_O);
  expect_S_consistent(S, "exe type after a change");
  for (int j = f; j < f + Orders[1].NJob; ++j) EXPECT_EQ(S.J_A[j][0], 0);
}
