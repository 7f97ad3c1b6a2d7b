#include "engine/freezing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "engine/random_source.h"
#include "engine/resch_moves.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/timing.h"
#include "tests/support/random_schedule.h"
#include "tests/support/varied_shop.h"

namespace {

// A timed random schedule of a varied shop.
_S timed_schedule(std::uint32_t seed, int n_orders) {
  build_varied_shop(seed, n_orders);
  fill_random_schedule(seed);
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_S_times(S);
  return S;
}

void starts(const _S& S, int& first, int& last) {
  first = INT_MAX;
  last = INT_MIN;
  for (int m = 1; m <= S.n_of_Machines; ++m)
    for (int p = 1; p <= S.count(m); ++p) {
      first = std::min(first, S.Times[m][p].StartT);
      last = std::max(last, S.Times[m][p].StartT);
    }
}

// One random rescheduling move, as the search draws them.
void random_resch_move(_S& S, const _S& ref) {
  switch (rand_n(4)) {
    case 0: move_reinsert_order_resch(S, rand_n(n_of_Orders) + 1, Orders, Jobs, Machines, ref); break;
    case 1: move_reinsert_job_resch(S, rand_n(n_of_Jobs) + 1, Orders, Jobs, Machines, ref); break;
    case 2: move_shuffle_machine_resch(S, rand_n(n_of_Machines) + 1, Machines); break;
    default: {
      const int a = rand_n(n_of_Jobs) + 1;
      const int o = Jobs[a].Order_ID;
      follow_job_if_free(S, Orders[o].First_Job, a, Orders, Jobs, Machines, ref);
    }
  }
}

}  // namespace

TEST(FreezeAt, FreezeTimeBeforeEveryStartFreezesNothing) {
  const _S S = timed_schedule(1, 12);
  int first = 0, last = 0;
  starts(S, first, last);
  freeze_S_at(S, Orders, Jobs, Machines, first - 1);
  for (int j = 1; j <= n_of_Jobs; ++j) {
    const ORDER& o = Orders[Jobs[j].Order_ID];
    EXPECT_EQ(Jobs[j].N_Frozen, 0);
    ASSERT_TRUE(Jobs[j].Freeze);
    const FREEZE_JOB& F = *Jobs[j].Freeze;
    ASSERT_EQ(F.n_routes, o.N_Routes);
    for (int i = 1; i <= F.n_routes; ++i) EXPECT_EQ(F.routes[i], o.R_feasible[i]);
    for (int g = 1; g <= 10; ++g) EXPECT_EQ(F.machines[g], o.MG_M[g]) << "job " << j << " group " << g;
  }
  for (int m = 1; m <= n_of_Machines; ++m) EXPECT_EQ(Machines[m].N_Frozen, 0);
  // Nothing frozen: any two schedules agree on the frozen part.
  fill_random_schedule(99);
  const _S other(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  EXPECT_EQ(compare_S_sequences(S, other, Jobs, Machines), 1);
}

TEST(FreezeAt, StartAtTheFreezeTimeIsFrozenOneLaterIsNot) {
  const _S S = timed_schedule(2, 12);
  // The second position of the busiest machine.
  int m = 1;
  for (int i = 1; i <= n_of_Machines; ++i)
    if (S.count(i) > S.count(m)) m = i;
  ASSERT_GE(S.count(m), 2);
  const int s = S.Times[m][2].StartT;
  ASSERT_GT(s, S.Times[m][1].StartT) << "pick a shop whose second start differs";
  const int j = S.M_wload[m][2], k = S.M_step[m][2];

  freeze_S_at(S, Orders, Jobs, Machines, s);
  EXPECT_GE(Machines[m].N_Frozen, 2);
  EXPECT_GE(Jobs[j].N_Frozen, k);
  ASSERT_TRUE(Jobs[j].Freeze);
  const int g = Machines[m].MG;
  EXPECT_EQ(Jobs[j].Freeze->machines[g], (std::vector<int>{1, m}));

  freeze_S_at(S, Orders, Jobs, Machines, s - 1);
  EXPECT_EQ(Machines[m].N_Frozen, 1);
  EXPECT_LT(Jobs[j].N_Frozen, k);
}

TEST(FreezeAt, PartlyStartedJobsMayOnlyContinueAfterTheirFrozenSteps) {
  int partly = 0;
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    const _S S = timed_schedule(seed, 15);
    int first = 0, last = 0;
    starts(S, first, last);
    freeze_S_at(S, Orders, Jobs, Machines, first + (last - first) / 3);
    for (int j = 1; j <= n_of_Jobs; ++j) {
      const int z = Jobs[j].N_Frozen;
      const int route = S.J_A[j][0];
      if (z == 0) continue;
      partly += z < S.n_steps(j);
      const FREEZE_JOB& F = *Jobs[j].Freeze;
      // Frozen steps keep exactly their machine.
      for (int k = 1; k <= z; ++k)
        EXPECT_EQ(F.machines[R_MG_ex[route][k]], (std::vector<int>{1, S.J_A[j][k]})) << "job " << j;
      // Every allowed route runs through the frozen groups first; the job's
      // own route stays allowed.
      ASSERT_GE(F.n_routes, 1) << "job " << j;
      bool own = false;
      for (int i = 1; i <= F.n_routes; ++i) {
        own = own || F.routes[i] == route;
        for (int k = 1; k <= z; ++k) EXPECT_EQ(R_MG_ex[F.routes[i]][k], R_MG_ex[route][k]) << "job " << j;
      }
      EXPECT_TRUE(own) << "job " << j;
      // Groups that overlap the frozen steps' range are closed, later ones open.
      const int g = R_MG_ex[route][z];
      for (int h = 1; h <= 10; ++h) {
        bool frozen_group = false;
        for (int k = 1; k <= z; ++k) frozen_group = frozen_group || R_MG_ex[route][k] == h;
        if (frozen_group) continue;
        if (exe_type_first_step(h) > exe_type_last_step(g))
          EXPECT_EQ(F.machines[h], Orders[Jobs[j].Order_ID].MG_M[h]);
        else
          EXPECT_EQ(F.machines[h][0], 0) << "job " << j << " group " << h;
      }
    }
  }
  EXPECT_GT(partly, 0) << "no partly started job was checked";
}

TEST(FreezeAt, FreezeTimeAfterEveryStartKeepsTheWholeSchedule) {
  const _S S = timed_schedule(3, 12);
  int first = 0, last = 0;
  starts(S, first, last);
  freeze_S_at(S, Orders, Jobs, Machines, last);
  for (int j = 1; j <= n_of_Jobs; ++j) EXPECT_EQ(Jobs[j].N_Frozen, S.n_steps(j));
  for (int m = 1; m <= n_of_Machines; ++m) {
    EXPECT_EQ(Machines[m].N_Frozen, S.count(m));
    _S T(S);
    EXPECT_EQ(move_shuffle_machine_resch(T, m, Machines), 0);
  }
  seed_random(5);
  _S T(S);
  for (int i = 0; i < 2000; ++i) random_resch_move(T, S);
  for (int m = 1; m <= n_of_Machines; ++m) {
    ASSERT_EQ(T.count(m), S.count(m));
    for (int p = 1; p <= S.count(m); ++p) EXPECT_EQ(T.M_wload[m][p], S.M_wload[m][p]);
  }
}

TEST(ReschedulingMoves, FrozenStepsNeverMoveInThousandsOfRandomMoves) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    const _S ref = timed_schedule(seed, 15);
    int first = 0, last = 0;
    starts(ref, first, last);
    freeze_S_at(ref, Orders, Jobs, Machines, first + (last - first) / 2);
    seed_random(seed);
    _S S(ref);
    for (int i = 0; i < 5000; ++i) {
      random_resch_move(S, ref);
      if (i % 50 == 0) {
        ASSERT_EQ(compare_S_sequences(S, ref, Jobs, Machines), 1) << "seed " << seed << " move " << i;
        expect_S_consistent(S, "after a rescheduling move");
      }
    }
    EXPECT_EQ(compare_S_sequences(S, ref, Jobs, Machines), 1);
    expect_S_consistent(S, "after the moves");
    bool moved = false;
    for (int m = 1; m <= n_of_Machines && !moved; ++m)
      for (int p = 1; p <= std::min(S.count(m), ref.count(m)) && !moved; ++p)
        moved = S.M_wload[m][p] != ref.M_wload[m][p];
    EXPECT_TRUE(moved) << "the moves changed nothing";
  }
}

TEST(ReschedulingMoves, CompareSequencesSeesAFrozenPositionChange) {
  const _S ref = timed_schedule(4, 12);
  int first = 0, last = 0;
  starts(ref, first, last);
  freeze_S_at(ref, Orders, Jobs, Machines, last);
  int m = 1;
  while (ref.count(m) < 2) ++m;
  _S S(ref);
  int P[3] = {2, 1, 2};  // swaps the first two jobs of the frozen head
  rotate_positions(S, P, m);
  EXPECT_EQ(compare_S_sequences(S, ref, Jobs, Machines), 0);
}

TEST(ReschedulingMoves, ShuffleTouchesOnlyTheUnfrozenTail) {
  const _S ref = timed_schedule(5, 20);
  int m = 1;
  for (int i = 1; i <= n_of_Machines; ++i)
    if (ref.count(i) > ref.count(m)) m = i;
  ASSERT_GE(ref.count(m), 4);
  Machines[m].N_Frozen = ref.count(m) - 2;
  seed_random(3);
  _S S(ref);
  bool changed = false;
  for (int i = 0; i < 200; ++i) {
    ASSERT_EQ(move_shuffle_machine_resch(S, m, Machines), 1);
    for (int p = 1; p <= Machines[m].N_Frozen; ++p) ASSERT_EQ(S.M_wload[m][p], ref.M_wload[m][p]);
    changed = changed || S.M_wload[m][ref.count(m)] != ref.M_wload[m][ref.count(m)];
  }
  EXPECT_TRUE(changed);
  expect_S_consistent(S, "after the shuffle");
  Machines[m].N_Frozen = ref.count(m) - 1;
  EXPECT_EQ(move_shuffle_machine_resch(S, m, Machines), 0);
}
