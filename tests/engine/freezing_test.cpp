#include "engine/freezing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/random_source.h"
#include "engine/resch_moves.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/timing.h"
#include "tests/support/random_schedule.h"
#include "tests/support/varied_shop.h"

namespace {

// A timed random schedule of a varied shop, and its first and last start.
_S timed_schedule(std::uint32_t seed, int& first, int& last) {
  build_varied_shop(seed, 15);
  fill_random_schedule(seed);
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_S_times(S);
  first = 1 << 30;
  last = -1;
  for (int m = 1; m <= S.n_of_Machines; ++m)
    for (int p = 1; p <= S.count(m); ++p) {
      first = std::min(first, S.Times[m][p].StartT);
      last = std::max(last, S.Times[m][p].StartT);
    }
  return S;
}

void random_resch_moves(_S& S, const _S& ref, int n) {
  for (int i = 0; i < n; ++i) switch (rand_n(4)) {
      case 0: move_reinsert_order_resch(S, rand_n(n_of_Orders) + 1, Orders, Jobs, Machines, ref); break;
      case 1: move_reinsert_job_resch(S, rand_n(n_of_Jobs) + 1, Orders, Jobs, Machines, ref); break;
      case 2: move_shuffle_machine_resch(S, rand_n(n_of_Machines) + 1, Machines); break;
      default: {
        const int b = rand_n(n_of_Jobs) + 1;
        follow_job_if_free(S, Orders[Jobs[b].Order_ID].First_Job, b, Orders, Jobs, Machines, ref);
      }
    }
}

}  // namespace

// A start at the freeze time is frozen, a later one is not; before every
// start nothing is, and every job keeps its order's routes and machines.
TEST(FreezeAt, StartsAtOrBeforeTheFreezeTimeAreFrozen) {
  int first, last;
  const _S S = timed_schedule(2, first, last);
  freeze_S_at(S, Orders, Jobs, Machines, first - 1);
  for (int j = 1; j <= n_of_Jobs; ++j) {
    const ORDER& o = Orders[Jobs[j].Order_ID];
    EXPECT_EQ(Jobs[j].N_Frozen, 0);
    ASSERT_EQ(Jobs[j].Freeze->n_routes, o.N_Routes);
    EXPECT_TRUE(std::equal(o.R_feasible, o.R_feasible + 9, Jobs[j].Freeze->routes));
    for (int g = 1; g <= 10; ++g) EXPECT_EQ(Jobs[j].Freeze->machines[g], o.MG_M[g]);
  }
  for (int m = 1; m <= n_of_Machines; ++m) EXPECT_EQ(Machines[m].N_Frozen, 0);
  fill_random_schedule(99);
  EXPECT_EQ(compare_S_sequences(S, _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload), Jobs, Machines), 1);

  int m = 1;  // a machine whose second job starts after its first
  while (S.count(m) < 2 || S.Times[m][2].StartT == S.Times[m][1].StartT) ++m;
  const int s = S.Times[m][2].StartT, j = S.M_wload[m][2], k = S.M_step[m][2];
  freeze_S_at(S, Orders, Jobs, Machines, s);
  EXPECT_GE(Machines[m].N_Frozen, 2);
  EXPECT_GE(Jobs[j].N_Frozen, k);
  EXPECT_EQ(Jobs[j].Freeze->machines[Machines[m].MG], (std::vector<int>{1, m}));
  freeze_S_at(S, Orders, Jobs, Machines, s - 1);
  EXPECT_EQ(Machines[m].N_Frozen, 1);
  EXPECT_LT(Jobs[j].N_Frozen, k);
}

// A partly started job keeps each frozen step's machine in the slot of the
// group its route step names, may continue only on groups lying wholly after
// the last frozen step, and only on routes that run through its frozen groups.
TEST(FreezeAt, PartlyStartedJobsContinueOnlyAfterTheirFrozenSteps) {
  int partly = 0;
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    int first, last;
    const _S S = timed_schedule(seed, first, last);
    freeze_S_at(S, Orders, Jobs, Machines, first + (last - first) / 3);
    for (int j = 1; j <= n_of_Jobs; ++j) {
      const int z = Jobs[j].N_Frozen, route = S.J_A[j][0];
      if (z == 0 || z == S.n_steps(j)) continue;
      ++partly;
      const FREEZE_JOB& F = *Jobs[j].Freeze;
      const int* groups = R_MG_ex[route];
      for (int k = 1; k <= z; ++k) EXPECT_EQ(F.machines[groups[k]], (std::vector<int>{1, S.J_A[j][k]}));
      bool own = false;
      for (int i = 1; i <= F.n_routes; ++i) {
        own = own || F.routes[i] == route;
        EXPECT_TRUE(std::equal(groups + 1, groups + z + 1, R_MG_ex[F.routes[i]] + 1));
      }
      EXPECT_TRUE(own) << "job " << j;
      for (int h = 1; h <= 10; ++h) {
        if (exe_type_first_step(h) > exe_type_last_step(groups[z])) {
          EXPECT_EQ(F.machines[h], Orders[Jobs[j].Order_ID].MG_M[h]);
        } else if (std::find(groups + 1, groups + z + 1, h) == groups + z + 1) {
          EXPECT_EQ(F.machines[h][0], 0) << "job " << j << " group " << h;
        }
      }
    }
  }
  EXPECT_GT(partly, 0);
}

TEST(ReschedulingMoves, FrozenStepsNeverMoveInThousandsOfRandomMoves) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    int first, last;
    const _S ref = timed_schedule(seed, first, last);
    freeze_S_at(ref, Orders, Jobs, Machines, first + (last - first) / 2);
    seed_random(seed);
    _S S(ref);
    for (int i = 0; i < 100; ++i) {
      random_resch_moves(S, ref, 50);
      ASSERT_EQ(compare_S_sequences(S, ref, Jobs, Machines), 1) << "seed " << seed;
    }
    expect_S_consistent(S, "after the moves");
    bool moved = false;
    for (int m = 1; m <= n_of_Machines; ++m)
      moved = moved || !std::equal(ref.M_wload[m], ref.M_wload[m] + ref.count(m) + 1, S.M_wload[m]);
    EXPECT_TRUE(moved);

    // The walk sees a frozen head that changed order, and one that got
    // shorter than its frozen count (the stale entry behind it notwithstanding).
    int m = 1;
    while (Machines[m].N_Frozen < 2) ++m;
    _S shorter(ref);
    shorter.edit().set_count(m, Machines[m].N_Frozen - 1);
    EXPECT_EQ(compare_S_sequences(shorter, ref, Jobs, Machines), 0);
    const int P[3] = {2, 1, 2};
    rotate_positions(S, P, m);
    EXPECT_EQ(compare_S_sequences(S, ref, Jobs, Machines), 0);
  }
}

// compare_S_sequences decides each frozen job step by its machine and its
// position, and each frozen machine position by its job and route step: a
// change of either one alone is a change. A change behind the frozen part is none.
TEST(FreezeAt, AFrozenStepOrPositionDiffersWhenEitherOfItsTwoWordsDiffers) {
  int first, last;
  const _S a = timed_schedule(3, first, last);
  struct Where {
    int m = 1;  // a machine with two positions, its first job j at route step k
    int j = 0, k = 0, other_job = 0, other_machine = 0;
  } at;
  while (a.count(at.m) < 2) ++at.m;
  at.j = a.M_wload[at.m][1];
  at.k = a.M_step[at.m][1];
  at.other_job = a.M_wload[at.m][2];
  at.other_machine = at.m % n_of_Machines + 1;
  struct Case {
    const char* what;
    bool job_frozen;  // else machine m's first position is frozen
    void (*edit)(_S& b, const Where& w);
    int same;
  };
  const Case cases[] = {
      {"nothing changed", true, [](_S&, const Where&) {}, 1},
      {"frozen step on another machine", true,
       [](_S& b, const Where& w) { b.edit().set_machine(w.j, w.k, w.other_machine); }, 0},
      {"frozen step at another position", true, [](_S& b, const Where& w) { b.edit().set_pos(w.j, w.k, 2); }, 0},
      {"frozen position holds another job", false,
       [](_S& b, const Where& w) { b.edit().put(w.m, 1, w.other_job, w.k); }, 0},
      {"frozen position holds another route step", false,
       [](_S& b, const Where& w) { b.edit().put(w.m, 1, w.j, w.k + 1); }, 0},
      {"a change behind the frozen position", false, [](_S& b, const Where& w) { b.edit().put(w.m, 2, 0, w.k); },
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (int i = 1; i <= n_of_Jobs; ++i) Jobs[i].N_Frozen = 0;
    for (int i = 1; i <= n_of_Machines; ++i) Machines[i].N_Frozen = 0;
    if (c.job_frozen)
      Jobs[at.j].N_Frozen = at.k;
    else
      Machines[at.m].N_Frozen = 1;
    _S b(a);
    c.edit(b, at);
    EXPECT_EQ(compare_S_sequences(b, a, Jobs, Machines), c.same);
  }
}
