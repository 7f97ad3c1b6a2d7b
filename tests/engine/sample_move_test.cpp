#include "engine/sample_move.h"

#include <gtest/gtest.h>

#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/timing.h"
#include "tests/support/varied_shop.h"

// What each operator draws, and in which order, lies on the fixed-seed search
// paths (search_path_test); here the late job that operators 2 to 4 draw.
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

  // Operator 4 of a step without a timed base times and evaluates the sample
  // itself, then re-inserts the job that scan names.
  for (std::uint32_t i = 1; i <= 20; ++i) {
    _S moved = current, replay = current;
    LateJobs fresh;
    seed_random(i);
    apply_Nx_op(moved, 4, fresh);
    OBJ_VALUE v;
    evaluate(replay, v);
    seed_random(i);
    move_reinsert_job(replay, nth_late_job(rand_n(static_cast<int>(v.n_of_Late_Jobs)) + 1, Orders, Jobs), Orders, Jobs);
    ASSERT_TRUE(same_sequences(moved, replay)) << "draw " << i;
  }
}
