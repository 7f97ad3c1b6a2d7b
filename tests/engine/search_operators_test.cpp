#include "engine/search_operators.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/starting_schedules.h"
#include "tests/support/varied_shop.h"

namespace {

_S random_schedule(std::uint32_t seed) {
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  random_init_S(S, Orders, Jobs);
  seed_random(seed);  // random_init_S seeds from the clock; make the rest repeatable
  return S;
}

std::vector<int> sequence(const _S& S, int m) {
  return std::vector<int>(S.M_wload[m] + 1, S.M_wload[m] + 1 + S.M_wload[m][0]);
}

// A machine holding at least n jobs, 0 if none.
int machine_with_at_least(const _S& S, int n) {
  for (int m = 1; m <= S.n_of_Machines; ++m)
    if (S.M_wload[m][0] >= n) return m;
  return 0;
}

}  // namespace

TEST(SelectNxOp, DegenerateCountsAndZeroWeights) {
  const int w[6] = {0, 1, 1, 1, 1, 1};
  EXPECT_EQ(select_Nx_op(0, w), 0);
  seed_random(5);
  const long first = rand_long();
  seed_random(5);
  EXPECT_EQ(select_Nx_op(1, w), 1);
  EXPECT_EQ(rand_long(), first) << "n = 1 must not draw";
  const int zero[6] = {0, 0, 0, 0, 0, 0};
  for (int i = 0; i < 20; ++i) EXPECT_EQ(select_Nx_op(5, zero), 1);
}

TEST(SelectNxOp, DrawMapsOntoRunningTotals) {
  // Weights 1, 0, 0, 0, 3: r = 1 gives N1, r = 2..4 give N5.
  const int w[6] = {0, 1, 0, 0, 0, 3};
  int counts[6] = {0, 0, 0, 0, 0, 0};
  for (std::uint32_t seed = 1; seed <= 400; ++seed) {
    seed_random(seed);
    const int r = rand_n(4) + 1;
    seed_random(seed);
    const int op = select_Nx_op(5, w);
    EXPECT_EQ(op, r == 1 ? 1 : 5) << "r = " << r;
    ++counts[op];
  }
  EXPECT_GT(counts[1], 60);
  EXPECT_GT(counts[5], 3 * counts[1] / 2);
  EXPECT_EQ(Nx_op_pri[1] + Nx_op_pri[2] + Nx_op_pri[3] + Nx_op_pri[4] + Nx_op_pri[5], 5);
}

TEST(SearchOperators, ThousandsOfRandomMovesKeepTheIndexes) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    build_varied_shop(seed, 30, seed % 2 == 0);
    _S S = random_schedule(seed);
    expect_S_consistent(S, "start");
    for (int i = 0; i < 1500; ++i) {
      const int what = rand_n(5);
      if (what == 0) move_reinsert_order(S, rand_n(n_of_Orders) + 1, Orders, Jobs);
      if (what == 1) move_reinsert_job(S, rand_n(n_of_Jobs) + 1, Orders, Jobs);
      if (what == 2) move_shuffle_machine(S, rand_n(n_of_Machines) + 1);
      if (what == 3) group_orders_on_machine(S, rand_n(n_of_Machines) + 1, Jobs);
      if (what == 4) {  // follow a job of the same order
        const int o = rand_n(n_of_Orders) + 1;
        follow_job(S, Orders[o].First_Job + rand_n(Orders[o].NJob), Orders[o].First_Job + rand_n(Orders[o].NJob));
      }
      if (i % 50 == 0 || HasFailure()) {
        expect_S_consistent(S, "after a move");
        ASSERT_FALSE(HasFailure()) << "seed " << seed << " move " << i << " kind " << what;
      }
    }
    expect_S_consistent(S, "end");
  }
}

TEST(SearchOperators, RemoveAndReinsertShiftTheRows) {
  build_varied_shop(11, 25);
  _S S = random_schedule(11);
  const int m = machine_with_at_least(S, 3);
  ASSERT_NE(m, 0);
  const std::vector<int> before = sequence(S, m);
  const int j = before[0];
  remove_job(S, j);
  EXPECT_EQ(S.J_A[j][0], 0);
  std::vector<int> expected(before.begin() + 1, before.end());
  EXPECT_EQ(sequence(S, m), expected);
  for (size_t p = 1; p <= expected.size(); ++p)
    EXPECT_EQ(S.J_pos[expected[p - 1]][S.M_step[m][p]], static_cast<int>(p));
  // Reinsertion reaches every position of a machine, the new last one included.
  std::set<int> positions_seen;
  for (int i = 0; i < 400; ++i) {
    remove_job(S, j);
    insert_job_random(S, j, Orders, Jobs);
    for (int k = 1; k <= S.n_steps(j); ++k)
      if (S.J_A[j][k] == m) positions_seen.insert(S.J_pos[j][k]);
  }
  for (int p = 1; p <= static_cast<int>(before.size()); ++p) EXPECT_TRUE(positions_seen.count(p)) << p;
  expect_S_consistent(S, "reinserted");
}

TEST(SearchOperators, ReinsertedOrderIsOneDescendingBlock) {
  build_varied_shop(3, 20);
  int o = 0;
  for (int i = 1; i <= n_of_Orders && o == 0; ++i)
    if (Orders[i].NJob >= 3 && Orders[i].N_Routes > 0) o = i;
  ASSERT_NE(o, 0);
  _S S = random_schedule(3);
  const int f = Orders[o].First_Job;
  const int n = Orders[o].NJob;
  for (int round = 0; round < 30; ++round) {
    move_reinsert_order(S, o, Orders, Jobs);
    for (int b = f + 1; b < f + n; ++b) {
      ASSERT_EQ(S.J_A[b][0], S.J_A[f][0]);
      for (int k = 1; k <= S.n_steps(f); ++k) {
        const int m = S.J_A[f][k];
        ASSERT_EQ(S.J_A[b][k], m);
        // The block reads f+n-1, ..., f+1, f: job b stands b - f places before f.
        EXPECT_EQ(S.J_pos[b][k], S.J_pos[f][k] - (b - f)) << "job " << b << " step " << k;
      }
    }
  }
  expect_S_consistent(S, "order moves");
}

TEST(SearchOperators, ShuffleRotatesDrawnPositions) {
  build_varied_shop(5, 30);
  _S S = random_schedule(5);
  // Fewer than two jobs: 0 and nothing changes.
  for (int m = 1; m <= n_of_Machines; ++m) {
    if (S.M_wload[m][0] >= 2) continue;
    const std::vector<int> before = sequence(S, m);
    EXPECT_EQ(move_shuffle_machine(S, m), 0);
    EXPECT_EQ(sequence(S, m), before);
  }
  const int m = machine_with_at_least(S, 6);
  ASSERT_NE(m, 0);
  const std::vector<int> s = sequence(S, m);
  const int P[4] = {3, 2, 5, 4};
  rotate_positions(S, P, m);
  std::vector<int> expected = s;
  expected[2 - 1] = s[4 - 1];  // the job at the last drawn position comes first
  expected[5 - 1] = s[2 - 1];
  expected[4 - 1] = s[5 - 1];
  EXPECT_EQ(sequence(S, m), expected);
  const int one[2] = {1, 3};
  rotate_positions(S, one, m);
  EXPECT_EQ(sequence(S, m), expected);
  expect_S_consistent(S, "rotated");
}

TEST(SearchOperators, DrawnPositionsAreDistinctInDrawOrder) {
  // Each draw takes the r-th still free position: replay the draws by hand.
  seed_random(9);
  int P[8];
  ASSERT_EQ(draw_positions(7, P, 7), 7);
  seed_random(9);
  std::vector<int> free_positions = {1, 2, 3, 4, 5, 6, 7};
  for (int i = 1; i <= 7; ++i) {
    const int r = rand_n(static_cast<int>(free_positions.size())) + 1;
    EXPECT_EQ(P[i], free_positions[r - 1]);
    free_positions.erase(free_positions.begin() + (r - 1));
  }
  EXPECT_EQ(P[0], 7);
  int Q[5];
  EXPECT_EQ(draw_positions(4, Q, 3), -1) << "more positions than the machine has";
  const unsigned char avail[6] = {0, 1, 0, 1, 1, 0};
  EXPECT_EQ(nth_free_index(2, avail, 1, 5), 3);
  EXPECT_EQ(nth_free_index(3, avail, 1, 5), 4);
  EXPECT_EQ(nth_free_index(4, avail, 1, 5), -1);
  EXPECT_EQ(nth_free_index(1, avail, 2, 5), 3) << "the scan starts at from";
}

TEST(SearchOperators, GroupingKeepsFirstAppearanceAndRelativeOrder) {
  build_varied_shop(21, 30);
  _S S = random_schedule(21);
  for (int m = 1; m <= n_of_Machines; ++m)
    for (int i = 0; i < 10; ++i) move_shuffle_machine(S, m);
  for (int m = 1; m <= n_of_Machines; ++m) {
    const std::vector<int> before = sequence(S, m);
    std::vector<int> expected;
    std::vector<bool> used(before.size(), false);
    for (size_t i = 0; i < before.size(); ++i) {
      if (used[i]) continue;
      for (size_t q = i; q < before.size(); ++q)
        if (!used[q] && Jobs[before[q]].Order_ID == Jobs[before[i]].Order_ID) {
          used[q] = true;
          expected.push_back(before[q]);
        }
    }
    group_orders_on_machine(S, m, Jobs);
    EXPECT_EQ(sequence(S, m), expected) << "machine " << m;
  }
  expect_S_consistent(S, "grouped");
}

TEST(ReschedulingInserts, FrozenPrefixAndReferencePositions) {
  build_varied_shop(13, 30);
  _S S = random_schedule(13);
  const int m = machine_with_at_least(S, 4);
  ASSERT_NE(m, 0);
  Machines[m].N_Frozen = 2;
  const int j = S.M_wload[m][3];  // an unfrozen job on m
  for (int i = 0; i < 300; ++i) {
    remove_job(S, j);
    insert_job_order_routes(S, j, Orders, Jobs, Machines);
    for (int q = 1; q <= n_of_Machines; ++q)
      for (int p = 1; p <= std::min(Machines[q].N_Frozen, S.M_wload[q][0]); ++p)
        ASSERT_NE(S.M_wload[q][p], j) << "inserted into the frozen head of machine " << q;
  }
  expect_S_consistent(S, "order-route inserts");

  // A job with its first route step frozen goes back to the reference place;
  // its free steps land behind every machine's frozen head.
  const _S reference = S;
  int f = 0;
  for (int q = 1; q <= n_of_Jobs && f == 0; ++q)
    if (S.n_steps(q) >= 2) f = q;
  ASSERT_NE(f, 0);
  JOB& job = Jobs[f];
  job.Freeze = std::make_unique<FREEZE_JOB>();
  job.Freeze->alloc_lists(Orders[job.Order_ID].MG_M);
  job.Freeze->n_routes = 1;
  job.Freeze->routes[1] = S.J_A[f][0];
  for (int k = 1; k <= S.n_steps(f); ++k) {
    std::vector<int>& list = job.Freeze->machines[R_MG_ex[S.J_A[f][0]][k]];
    list[0] = 1;
    list[1] = S.J_A[f][k];
  }
  job.N_Frozen = 1;
  for (int q = 1; q <= n_of_Machines; ++q) Machines[q].N_Frozen = 0;
  const int m1 = S.J_A[f][1];
  Machines[m1].N_Frozen = reference.J_pos[f][1];
  for (int i = 0; i < 100; ++i) {
    remove_job(S, f);
    insert_job_own_routes(S, f, Jobs, Machines, reference);
    EXPECT_EQ(S.J_A[f][1], m1);
    EXPECT_EQ(S.J_pos[f][1], reference.J_pos[f][1]);
  }
  expect_S_consistent(S, "own-route inserts");
  job.Freeze.reset();
  job.N_Frozen = 0;
  Machines[m1].N_Frozen = 0;
}
