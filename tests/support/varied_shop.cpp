#include "tests/support/varied_shop.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/starting_schedules.h"
#include "tests/support/small_problem.h"

void build_varied_shop(std::uint32_t seed, int n_orders, bool with_unroutable) {
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  begin_small_problem(3);
  for (int m = 1; m <= 20; ++m) {
    const int g = (m + 1) / 2;
    MACHINE& mc = Machines[add_small_machine(pick(1, 4), exe_type_first_step(g), exe_type_last_step(g),
                                             {{0, 1000000}})];
    for (int a = 1; a <= 3; ++a)
      for (int b = 1; b <= 3; ++b) mc.SetupM(a, b) = a == b ? 0 : pick(1, 5);
  }
  for (int o = 1; o <= n_orders; ++o) {
    const bool unroutable = with_unroutable && o == n_orders;
    const int t = unroutable ? 8 : pick(1, 10);
    // Drawn one by one, in this order, so that a seed always gives one shop.
    const int n_jobs = pick(1, 4);
    const int size = pick(1, 20);
    const int setup_type = pick(1, 3);
    const int cst = pick(0, 20);
    const int cet = cst + pick(5, 120);
    std::vector<int> permitted;
    for (int m = 1; m <= n_of_Machines; ++m) {
      const MACHINE& mc = Machines[m];
      if (mc.StartStep < exe_type_first_step(t) || mc.EndStep > exe_type_last_step(t)) continue;
      if (unroutable && mc.StartStep <= 3 && mc.EndStep >= 3) continue;
      if (pick(0, 9) < 7) permitted.push_back(m);
    }
    add_small_order(n_jobs, size, exe_type_first_step(t), exe_type_last_step(t), setup_type, cst, cet, permitted);
  }
  finish_small_problem();
}

void expect_S_consistent(const _S& S, const char* where, bool any_machine) {
  std::vector<int> placed(S.n_of_Machines + 1, 0);
  for (int j = 1; j <= S.n_of_Jobs; ++j) {
    const int route = S.J_A[j][0];
    const ORDER& o = Orders[Jobs[j].Order_ID];
    if (route == 0) {
      EXPECT_EQ(o.N_Routes, 0) << where << ": job " << j << " left without a route";
      continue;
    }
    bool feasible = false;
    for (int i = 1; i <= o.N_Routes; ++i) feasible = feasible || o.R_feasible[i] == route;
    EXPECT_TRUE(any_machine || feasible) << where << ": job " << j << " on route " << route;
    for (int k = 1; k <= S.n_steps(j); ++k) {
      const int m = S.J_A[j][k];
      const int p = S.J_pos[j][k];
      ASSERT_TRUE(m >= 1 && m <= S.n_of_Machines) << where << ": job " << j << " step " << k;
      ASSERT_TRUE(p >= 1 && p <= S.M_wload[m][0]) << where << ": job " << j << " step " << k;
      EXPECT_EQ(S.M_wload[m][p], j) << where << ": machine " << m << " position " << p;
      EXPECT_EQ(S.M_step[m][p], k) << where << ": machine " << m << " position " << p;
      EXPECT_EQ(Machines[m].MG, R_MG_ex[route][k]) << where << ": job " << j << " step " << k;
      if (!any_machine) {
        const std::vector<int>& list = o.MG_M[R_MG_ex[route][k]];
        bool permitted = false;
        for (int i = 1; i <= list[0]; ++i) permitted = permitted || list[i] == m;
        EXPECT_TRUE(permitted) << where << ": job " << j << " on machine " << m;
      }
      ++placed[m];
    }
  }
  for (int m = 1; m <= S.n_of_Machines; ++m) {
    EXPECT_EQ(S.M_wload[m][0], placed[m]) << where << ": count of machine " << m;
    EXPECT_LE(S.M_wload[m][0], S.n_of_Jobs) << where << ": row of machine " << m << " overflows";
  }
}

_S random_start_S(std::uint32_t seed) {
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  random_init_S(S, Orders, Jobs);
  seed_random(seed);
  return S;
}

std::vector<int> sequence_of(const _S& S, int m) {
  return std::vector<int>(S.M_wload[m] + 1, S.M_wload[m] + 1 + S.M_wload[m][0]);
}

bool same_sequences(const _S& a, const _S& b) {
  if (a.n_of_Machines != b.n_of_Machines) return false;
  for (int m = 1; m <= a.n_of_Machines; ++m)
    if (sequence_of(a, m) != sequence_of(b, m)) return false;
  return true;
}
