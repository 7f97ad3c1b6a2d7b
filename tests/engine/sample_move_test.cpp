#include "engine/sample_move.h"

#include <gtest/gtest.h>

#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/timing.h"
#include "tests/support/varied_shop.h"

namespace {

bool same_schedule(const _S& a, const _S& b) {
  for (int j = 1; j <= a.n_of_Jobs; ++j)
    if (a.J_A[j] != b.J_A[j]) return false;
  return same_sequences(a, b);
}

}  // namespace

TEST(LateJobScan, RthLateJobInJobOrder) {
  build_varied_shop(2, 6);
  ASSERT_GE(n_of_Jobs, 4);
  for (int j = 1; j <= n_of_Jobs; ++j) Jobs[j].EndT = Orders[Jobs[j].Order_ID].CET;  // on time
  Jobs[2].EndT += 1;
  Jobs[4].EndT += 100;
  Jobs[3].EndT = -1;  // no completion: late in the values, not by the scan
  EXPECT_EQ(nth_late_job(1, Orders, Jobs), 2);
  EXPECT_EQ(nth_late_job(2, Orders, Jobs), 4);
  EXPECT_EQ(nth_late_job(3, Orders, Jobs), 0) << "fewer late jobs than r: no job, no move";
}

TEST(ApplyNxOp, OperatorsReplayTheirDraws) {
  // Due dates that make every job late, then none: without late jobs N2 and
  // N4 leave the sample as it is and N3 only rotates a machine.
  for (const int due : {0, 1 << 30}) {
    build_varied_shop(7, 30);
    for (int o = 1; o <= n_of_Orders; ++o) Orders[o].CET = due;
    const _S current = random_start_S(7);
    int dropped = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      for (int op = 0; op <= n_of_operators + 1; ++op) {
        _S sample = current;
        seed_random(seed);
        LateJobs late;  // a new step each time: the late jobs are found afresh
        const int kept = apply_Nx_op(sample, op, late);
        // Replay: N2..N4 time, evaluate, draw r and scan for the late job first.
        _S replay = current;
        seed_random(seed);
        int j = 0;
        if (op >= 2 && op <= 4) {
          OBJ_VALUE v;
          calc_S_times(replay, MG_M_ex, Orders, Jobs, Machines);
          calc_S_obj_values(replay, v, Orders, Jobs);
          ASSERT_EQ(v.n_of_Late_Jobs > 0, due == 0);
          if (v.n_of_Late_Jobs > 0) j = nth_late_job(rand_n(static_cast<int>(v.n_of_Late_Jobs)) + 1, Orders, Jobs);
        }
        int expected_kept = 1;
        if (op == 1) move_reinsert_order(replay, rand_n(n_of_Orders) + 1, Orders, Jobs);
        if (op == 2 && j > 0) move_reinsert_order(replay, Jobs[j].Order_ID, Orders, Jobs);
        if ((op == 3 || op == 4) && j > 0) move_reinsert_job(replay, j, Orders, Jobs);
        if (op == 3) expected_kept = move_shuffle_machine(replay, rand_n(n_of_Machines) + 1);
        if (op == 5) move_reinsert_job(replay, rand_n(n_of_Jobs) + 1, Orders, Jobs);
        EXPECT_EQ(kept, expected_kept) << "operator " << op << " seed " << seed;
        EXPECT_TRUE(same_schedule(sample, replay)) << "operator " << op << " seed " << seed;
        if (due != 0 && (op == 2 || op == 4)) {
          EXPECT_TRUE(same_schedule(sample, current)) << "operator " << op << " without late jobs";
        }
        dropped += kept == 0;
      }
    }
    EXPECT_GT(dropped, 0) << "some of the 20 machines hold fewer than two jobs";
  }
}

// Within a step the late jobs are noted once; each later draw must name the
// job a fresh timing, evaluation and scan of the current schedule would name,
// although the samples evaluated in between rewrite the completions in Jobs.
// Jobs off the shop (an order without a route) are never rewritten by the
// evaluation, so the scan sees whatever an earlier sample left there.
TEST(LateJobs, EveryDrawOfAStepNamesTheJobAFreshScanWould) {
  build_varied_shop(11, 14, true);
  for (int o = 1; o <= n_of_Orders; ++o) Orders[o].CET /= 3;  // plenty of late jobs
  _S current = random_start_S(11);
  // Jobs off the shop ahead of the others too, so that the scan meets them.
  remove_job(current, 2);
  remove_job(current, 5);
  int unwritten = 0;
  for (int j = 1; j <= n_of_Jobs; ++j) unwritten += current.n_steps(j) == 0;
  ASSERT_GT(unwritten, 0) << "the shop must keep some jobs off it";
  auto evaluate = [](_S& S, OBJ_VALUE& v) {
    calc_S_times(S, MG_M_ex, Orders, Jobs, Machines);
    calc_S_obj_values(S, v, Orders, Jobs);
  };
  LateJobs late;
  _S sample = current;
  int found = 0;
  int off_shop_found = 0;
  for (std::uint32_t i = 1; i <= 400; ++i) {
    // What samples evaluated since the last draw may have left in Jobs.
    seed_random(1000 + i);
    for (int j = 1; j <= n_of_Jobs; ++j) Jobs[j].EndT = Orders[Jobs[j].Order_ID].CET - 5 + rand_n(10);
    sample.assign(current);
    seed_random(i);
    const int drawn = late.draw(sample, evaluate);
    const int after = rand_n(1 << 30);  // the next draw of the search
    _S replay = current;
    OBJ_VALUE v;
    evaluate(replay, v);
    seed_random(i);
    const int expected = v.n_of_Late_Jobs > 0 ? nth_late_job(rand_n(static_cast<int>(v.n_of_Late_Jobs)) + 1, Orders, Jobs) : 0;
    ASSERT_EQ(drawn, expected) << "draw " << i;
    ASSERT_EQ(rand_n(1 << 30), after) << "draw " << i << " took another number of draws";
    found += drawn > 0;
    off_shop_found += drawn > 0 && current.n_steps(drawn) == 0;
  }
  EXPECT_GT(found, 300);
  EXPECT_GT(off_shop_found, 0);
}
