// The moves of the search on the array schedule. What the moves draw, and in
// which order, is pinned by the fixed-seed search paths (search_path_test),
// and the index tables after thousands of moves of every kind are checked
// with every sample of sample_timing_test; here: the order move against the
// plain job-by-job composition it replaces, the position draws against a
// plain scan, and the rules of the rescheduling inserts.
#include "engine/search_operators.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/schedule_changes.h"
#include "tests/support/varied_shop.h"

namespace {

// Every table of the two schedules equal: routes, machines, positions,
// sequences and route steps.
bool same_tables(const _S& a, const _S& b) {
  if (a.n_of_Jobs != b.n_of_Jobs || a.n_of_Machines != b.n_of_Machines) return false;
  for (int j = 1; j <= a.n_of_Jobs; ++j)
    if (a.J_A[j] != b.J_A[j] || a.J_pos[j] != b.J_pos[j]) return false;
  for (int m = 1; m <= a.n_of_Machines; ++m)
    for (int p = 0; p <= a.M_wload[m][0]; ++p)
      if (a.M_wload[m][p] != b.M_wload[m][p] || (p > 0 && a.M_step[m][p] != b.M_step[m][p])) return false;
  return true;
}

}  // namespace

TEST(SelectNxOp, WeightsMapTheDrawOntoRunningTotals) {
  EXPECT_EQ(select_Nx_op(0, Nx_op_pri), 0);
  seed_random(5);
  const long first = rand_long();
  seed_random(5);
  EXPECT_EQ(select_Nx_op(1, Nx_op_pri), 1);
  EXPECT_EQ(rand_long(), first) << "one operator is chosen without a draw";
  const int zero[6] = {0, 0, 0, 0, 0, 0};
  EXPECT_EQ(select_Nx_op(5, zero), 1);
  // Weights 1, 0, 0, 0, 3: r = rand(4) + 1 gives N1 for r = 1 and N5 for 2..4.
  const int w[6] = {0, 1, 0, 0, 0, 3};
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    seed_random(seed);
    const int r = rand_n(4) + 1;
    seed_random(seed);
    EXPECT_EQ(select_Nx_op(5, w), r == 1 ? 1 : 5) << "r = " << r;
  }
  for (int i = 1; i <= n_of_operators; ++i) EXPECT_EQ(Nx_op_pri[i], 1) << "start-up priority of N" << i;
}

// The order move gathers the order's jobs in one pass per machine; it must
// leave exactly the tables that re-inserting the first job and letting every
// other job follow it, one by one, leaves: on each of the first job's
// machines the block f+n-1, ..., f+1, f. The varied shop's orders start
// spread over different routes and machines, some of one job, one without a
// feasible route.
TEST(SearchOperators, OrderMoveEqualsFirstJobReinsertedAndTheOthersFollowing) {
  build_varied_shop(9, 40, true);
  _S S = random_start_S(9);
  int moved_blocks = 0;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    const int o = 1 + static_cast<int>(seed) % n_of_Orders;
    _S replay = S;
    seed_random(seed);
    move_reinsert_order(S, o, Orders, Jobs);
    const int after = rand_n(1 << 30);
    seed_random(seed);
    const int f = Orders[o].First_Job;
    remove_job(replay, f);
    insert_job_random(replay, f, Orders, Jobs);
    for (int b = f + Orders[o].NJob - 1; b > f; --b) follow_job(replay, f, b);
    ASSERT_EQ(rand_n(1 << 30), after) << "order " << o << ": another number of draws";
    ASSERT_TRUE(same_tables(S, replay)) << "order " << o << ", seed " << seed;
    for (int b = f + 1; b < f + Orders[o].NJob; ++b) {
      ASSERT_EQ(S.J_A[b][0], S.J_A[f][0]);
      for (int k = 1; k <= S.n_steps(f); ++k) {
        ASSERT_EQ(S.J_A[b][k], S.J_A[f][k]);
        ASSERT_EQ(S.J_pos[b][k], S.J_pos[f][k] - (b - f)) << "job " << b << " stands b - f places before f";
      }
    }
    moved_blocks += Orders[o].NJob > 1 && S.n_steps(f) > 0;
    // Now and then spread the jobs again, so that the next move of an order
    // finds them on other machines.
    if (seed % 7 == 0) {
      for (int i = 0; i < 20; ++i) move_reinsert_job(S, rand_n(n_of_Jobs) + 1, Orders, Jobs);
    }
  }
  EXPECT_GT(moved_blocks, 100);
  expect_S_consistent(S, "order moves");

  // Nothing to move: an order without jobs, a job following itself.
  const _S kept = S;
  const int n_jobs = Orders[1].NJob;
  Orders[1].NJob = 0;
  EXPECT_EQ(move_reinsert_order(S, 1, Orders, Jobs), 1);
  Orders[1].NJob = n_jobs;
  EXPECT_EQ(follow_job(S, Orders[1].First_Job, Orders[1].First_Job), 1);
  EXPECT_TRUE(same_tables(S, kept));
}

TEST(SearchOperators, RotationMovesEachDrawnJobToTheNextDrawnPosition) {
  build_varied_shop(5, 30);
  _S S = random_start_S(5);
  int few = 1;
  while (few < n_of_Machines && S.M_wload[few][0] >= 2) ++few;
  ASSERT_LT(S.M_wload[few][0], 2);
  EXPECT_EQ(move_shuffle_machine(S, few), 0);
  int m = 1;
  while (S.M_wload[m][0] < 6) ++m;
  const std::vector<int> s = sequence_of(S, m);
  const int P[4] = {3, 2, 5, 4};  // the job at 4 moves to 2, 2 to 5, 5 to 4
  rotate_positions(S, P, m);
  const int single[2] = {1, 3};
  rotate_positions(S, single, m);  // one position changes nothing
  const std::vector<int> now = sequence_of(S, m);
  EXPECT_EQ(std::vector<int>(now.begin(), now.begin() + 5), (std::vector<int>{s[0], s[3], s[2], s[4], s[1]}));
  expect_S_consistent(S, "rotated");
  int D[5];
  EXPECT_EQ(draw_positions(4, D, 3), -1) << "more positions than the machine has";
  const unsigned char avail[6] = {0, 1, 0, 1, 1, 0};
  EXPECT_EQ(nth_free_index(1, avail, 2, 5), 3);
  EXPECT_EQ(nth_free_index(3, avail, 2, 5), -1);
}

// The r-th free position comes from words of bits under a tree of counts;
// the drawn positions must be those of a plain scan, for every length (the
// ends of a word, of a block of 16 words and of a second level among them)
// and for draws of every position of a machine.
TEST(SearchOperators, DrawnPositionsEqualThePlainScansOnEveryLength) {
  std::vector<int> lengths;
  for (int c = 1; c <= 70; ++c) lengths.push_back(c);
  for (const int c : {127, 128, 129, 255, 256, 257, 1000, 1023, 1024, 1025, 1089, 4097})
    lengths.push_back(c);  // one to three levels above the words
  for (const int c : {16383, 16384, 16385}) lengths.push_back(c);
  for (const int c : lengths) {
    for (std::uint32_t seed = 1; seed <= (c > 5000 ? 2u : 6u); ++seed) {
      const int k = seed == 1 ? c : 0;  // all positions once per length; k = 0 draws k first
      std::vector<int> got(static_cast<std::size_t>(c) + 1);
      seed_random(seed);
      ASSERT_EQ(draw_positions(k, got.data(), c), got[0]);
      seed_random(seed);
      std::vector<int> want(static_cast<std::size_t>(c) + 1);
      std::vector<unsigned char> avail(static_cast<std::size_t>(c) + 1, 1);
      want[0] = k == 0 ? rand_n(c) + 1 : k;
      for (int i = 1; i <= want[0]; ++i) {
        const int idx = nth_free_index(rand_n(c - i + 1) + 1, avail.data(), 1, c);
        avail[static_cast<std::size_t>(idx)] = 0;
        want[static_cast<std::size_t>(i)] = idx;
      }
      ASSERT_EQ(got, want) << "length " << c << ", seed " << seed;
    }
  }
}

// The shuffle draws and rotates in one pass; it must leave the tables, the
// change log and the random source exactly as the draw of a list of
// positions followed by its rotation does, after the frozen-like head too,
// for one, two, some and all positions of machines of every length.
TEST(SearchOperators, OnePassShuffleEqualsDrawingThenRotating) {
  build_varied_shop(9, 60);
  const _S start = random_start_S(9);
  int cases = 0;
  for (int m = 1; m <= n_of_Machines; ++m) {
    const int cnt = start.M_wload[m][0];
    for (const int from : {0, 1, cnt / 3, cnt - 2, cnt - 1}) {
      const int c = cnt - from;
      if (from < 0 || c < 1) continue;
      for (const int k : {1, 2, c / 2, c - 1, c}) {
        if (k < 1 || k > c) continue;
        for (const std::uint32_t seed : {3u, 4u}) {
          _S want = start;
          _S got = start;
          ScheduleChanges want_log;
          ScheduleChanges got_log;
          want_log.reset(n_of_Machines, n_of_Jobs);
          got_log.reset(n_of_Machines, n_of_Jobs);
          want.changes = &want_log;
          got.changes = &got_log;
          seed_random(seed);
          std::vector<int> P(static_cast<std::size_t>(c) + 1);
          draw_positions(k, P.data(), c);
          for (int i = 1; i <= k; ++i) P[static_cast<std::size_t>(i)] += from;
          rotate_positions(want, P.data(), m);
          const long want_next = rand_long();
          seed_random(seed);
          shuffle_positions(got, m, from, k);
          ASSERT_EQ(rand_long(), want_next) << "machine " << m << " from " << from << " k " << k;
          ASSERT_TRUE(same_tables(got, want)) << "machine " << m << " from " << from << " k " << k;
          ASSERT_EQ(got_log.machines(), want_log.machines());
          ASSERT_EQ(got_log.jobs(), want_log.jobs());
          for (const int x : want_log.machines()) {
            ASSERT_EQ(got_log.first(x), want_log.first(x)) << "machine " << m << " k " << k;
            ASSERT_EQ(got_log.tail(x), want_log.tail(x)) << "machine " << m << " k " << k;
          }
          ++cases;
        }
      }
    }
  }
  EXPECT_GT(cases, 100);
}

TEST(SearchOperators, GroupingKeepsFirstAppearanceAndRelativeOrder) {
  build_varied_shop(21, 30);
  _S S = random_start_S(21);
  for (int m = 1; m <= n_of_Machines; ++m) {
    for (int i = 0; i < 10; ++i) move_shuffle_machine(S, m);
    const std::vector<int> before = sequence_of(S, m);
    std::vector<int> expected;
    for (int first : before) {
      bool seen = false;
      for (int e : expected) seen = seen || Jobs[e].Order_ID == Jobs[first].Order_ID;
      for (int q : before)
        if (!seen && Jobs[q].Order_ID == Jobs[first].Order_ID) expected.push_back(q);
    }
    group_orders_on_machine(S, m, Jobs);
    EXPECT_EQ(sequence_of(S, m), expected) << "machine " << m;
  }
  expect_S_consistent(S, "grouped");
}

// Inserts never go into a frozen head, a job without its own lists too; a
// job whose first route step is frozen goes back to its reference place; a
// route whose group offers the job no machine leaves it off the shop; and the
// inserts read the order arrays they are given (a snapshot's), not the
// loaded ones.
TEST(ReschedulingInserts, FrozenHeadsReferencePositionsAndGivenArrays) {
  build_varied_shop(13, 30);
  _S S = random_start_S(13);
  int m = 1;
  while (S.M_wload[m][0] < 4) ++m;
  Machines[m].N_Frozen = 2;
  const int j = S.M_wload[m][3];
  for (int i = 0; i < 300; ++i) {
    remove_job(S, j);
    if (i % 2)  // a job without its own lists is inserted from its order's
      insert_job_own_routes(S, j, Orders, Jobs, Machines, S);
    else
      insert_job_order_routes(S, j, Orders, Jobs, Machines);
    for (int k = 1; k <= S.n_steps(j); ++k) ASSERT_GT(S.J_pos[j][k], Machines[S.J_A[j][k]].N_Frozen);
  }
  Machines[m].N_Frozen = 0;
  const _S reference = S;
  int f = 1;
  while (S.n_steps(f) < 2) ++f;
  const int route = S.J_A[f][0], m1 = S.J_A[f][1];
  FREEZE_JOB& own = *(Jobs[f].Freeze = std::make_unique<FREEZE_JOB>());
  own.alloc_lists(Orders[Jobs[f].Order_ID].MG_M);
  own.n_routes = 1;
  own.routes[1] = route;
  for (int k = 1; k <= S.n_steps(f); ++k) own.machines[R_MG_ex[route][k]] = {1, S.J_A[f][k]};
  Jobs[f].N_Frozen = 1;
  Machines[m1].N_Frozen = reference.J_pos[f][1];
  for (int i = 0; i < 50; ++i) {
    remove_job(S, f);
    insert_job_own_routes(S, f, Orders, Jobs, Machines, reference);
    EXPECT_EQ(S.J_A[f][1], m1);
    EXPECT_EQ(S.J_pos[f][1], reference.J_pos[f][1]);
  }
  expect_S_consistent(S, "own-route inserts");
  own.machines[R_MG_ex[route][2]][0] = 0;
  remove_job(S, f);
  insert_job_own_routes(S, f, Orders, Jobs, Machines, reference);
  EXPECT_EQ(S.J_A[f][0], 0);
  EXPECT_EQ(S.M_wload[m1][0], reference.M_wload[m1][0] - 1);
  Jobs[f].Freeze.reset();
  Jobs[f].N_Frozen = 0;
  Machines[m1].N_Frozen = 0;
  insert_job_random(S, f, Orders, Jobs);

  // The snapshot's order permits one route and one machine per group only.
  int g = 1;
  while (S.n_steps(g) == 0) ++g;
  std::vector<ORDER> snapshot = Orders;
  ORDER& od = snapshot[Jobs[g].Order_ID];
  for (int k = 1; k <= S.n_steps(g); ++k) od.MG_M[R_MG_ex[S.J_A[g][0]][k]] = {1, S.J_A[g][k]};
  od.N_Routes = 1;
  od.R_feasible[1] = S.J_A[g][0];
  const std::array<int, 5> placed = S.J_A[g];
  for (int i = 0; i < 40; ++i) {
    remove_job(S, g);
    insert_job_own_routes(S, g, snapshot, Jobs, Machines, S);
    ASSERT_EQ(S.J_A[g], placed) << "draw " << i;
  }
  expect_S_consistent(S, "snapshot inserts");
}
