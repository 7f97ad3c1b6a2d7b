// The incremental timing and evaluation of samples against the full pass: in
// checking mode every sample is also timed and evaluated in full and compared
// field by field, and any difference throws. Thousands of samples of every
// operator run here on generated problems of all three sizes, on shops whose
// calendars make operations skip intervals, with machines of speed 0, setups
// between every two types, machines that are ready late, orders that lose
// every route during the search, and frozen heads under the rescheduling
// timing.
#include "engine/sample_timing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "engine/freezing.h"
#include "engine/random_source.h"
#include "engine/resch_moves.h"
#include "engine/sample_move.h"
#include "engine/search_operators.h"
#include "engine/timing.h"
#include "tests/engine/hardened_shop.h"
#include "tests/support/generated_problem.h"
#include "tests/support/varied_shop.h"

namespace {

class CheckingMode : public ::testing::Test {
 protected:
  void SetUp() override { SampleTiming::set_checking(true); }
  void TearDown() override { SampleTiming::set_checking(false); }
};

_S random_schedule(std::uint32_t seed) {
  seed_random(seed);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  return _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
}

// Samples the way the search does: every sample reset from the base, moved,
// timed and evaluated; every `every` samples the base moves on to the last
// sample with its timing, as a step moves on to its best, and the moved
// sample's index tables are checked (any machine of the step's group: an
// order may lose its routes while its jobs are still on the shop). Returns
// the samples evaluated.
template <class Move>
int drive(_S start, int samples, int every, SampleTiming& timing, Move&& move) {
  _S base = start;
  _S sample = start;
  OBJ_VALUE values;
  timing.set_base(base);
  int evaluated = 0;
  for (int i = 1; i <= samples; ++i) {
    timing.reset_sample(sample);
    if (!move(sample)) continue;
    timing.tabu_hash_of(sample);  // checked against tabu_hash of the whole sample
    timing.time_and_evaluate(sample, values);
    ++evaluated;
    if (i % every == 0) {
      expect_S_consistent(sample, "moved sample", true);
      // As a step moves on: every other time what the next base needs is kept
      // from the sample (and checked against what its timing rows give).
      if (i % (2 * every) == 0) timing.keep_sample(sample, values);
      SampleTiming::copy_timing(base, sample);
      timing.set_base(base, true);  // checked against a timing pass of the base
    }
  }
  timing.release();
  return evaluated;
}

// All five operators drawn as the search draws them, then each alone, then
// the two moves the operators do not make themselves (grouping a machine's
// orders, a job following another of its order), which log their changes
// all the same.
void drive_every_operator(const _S& start, int samples_per_operator) {
  for (int op = 0; op <= n_of_operators + 2; ++op) {
    SampleTiming timing;
    LateJobs late;
    if (op % 2 == 0) late.use_base_of(&timing);  // the late jobs from the base, or timed again
    int since_base = 0;
    const int every = 7;
    const int evaluated = drive(start, samples_per_operator, every, timing, [&](_S& s) {
      if (since_base++ % every == 0) late.forget();
      if (op == n_of_operators + 1) {
        group_orders_on_machine(s, rand_n(n_of_Machines) + 1, Jobs);
        return true;
      }
      if (op == n_of_operators + 2) {
        const ORDER& o = Orders[rand_n(n_of_Orders) + 1];
        return follow_job(s, o.First_Job + rand_n(o.NJob), o.First_Job + rand_n(o.NJob)) != 0;
      }
      return apply_Nx_op(s, op == 0 ? select_Nx_op(n_of_operators, Nx_op_pri) : op, late) != 0;
    });
    EXPECT_GT(evaluated, samples_per_operator / 2) << "operator " << op;
  }
}

}  // namespace

TEST_F(CheckingMode, EveryOperatorOnTheThreeGeneratedSizes) {
  const int samples[3] = {800, 200, 40};
  for (int size = 0; size < 3; ++size) {
    ASSERT_TRUE(load_generated_problem(23, static_cast<GeneratedSize>(size)));
    EXPECT_NO_THROW(drive_every_operator(random_schedule(5), samples[size])) << "size " << size;
  }
}

TEST_F(CheckingMode, CalendarSkipsSpeedZeroSetupsAndOrdersLosingTheirRoutes) {
  HardCases seen;
  for (const GeneratedSize size : {GeneratedSize::Small, GeneratedSize::Default}) {
    ASSERT_TRUE(load_generated_problem(29, size));
    harden_shop(3, true);
    _S start = random_schedule(8);
    // Two orders lose their routes after the start: their jobs leave the shop
    // one move at a time while the search goes on.
    Orders[1].N_Routes = 0;
    Orders[n_of_Orders].N_Routes = 0;
    _S timed = start;
    calc_S_times(timed);
    seen.add(timed);
    EXPECT_NO_THROW(drive_every_operator(start, size == GeneratedSize::Small ? 800 : 150));
  }
  EXPECT_GT(seen.later_interval, 0);
  EXPECT_GT(seen.fits_none, 0);
  EXPECT_GT(seen.speed_zero, 0);
  // An order without a route from the start, routes of one to four steps.
  build_varied_shop(31, 30, true);
  harden_shop(4, false);
  EXPECT_NO_THROW(drive_every_operator(random_start_S(31), 800));
}

// The rescheduling timing keeps the frozen heads' records from the reference
// and starts nothing before the freeze time; the rescheduling moves never
// touch the frozen part.
TEST_F(CheckingMode, FrozenHeadsUnderTheReschedulingTiming) {
  for (const GeneratedSize size : {GeneratedSize::Small, GeneratedSize::Default}) {
    ASSERT_TRUE(load_generated_problem(37, size));
    harden_shop(6, size == GeneratedSize::Small);
    _S reference = random_schedule(9);
    calc_S_times(reference);
    std::vector<int> starts;
    for (int m = 1; m <= n_of_Machines; ++m)
      for (int p = 1; p <= reference.M_wload[m][0]; ++p) starts.push_back(reference.Times[m][p].StartT);
    std::sort(starts.begin(), starts.end());
    const int t = starts[starts.size() / 3];
    freeze_S_at(reference, Orders, Jobs, Machines, t);
    int frozen = 0;
    for (int m = 1; m <= n_of_Machines; ++m) frozen += Machines[m].N_Frozen;
    ASSERT_GT(frozen, 0);
    // Some orders may not start before the freeze time any more, as after a
    // change of the shop: their frozen steps make early-starting jobs.
    for (int o = 1; o <= n_of_Orders; o += 4) Orders[o].CST = t;
    auto evaluate = [&](_S& S, OBJ_VALUE& v) {
      calc_S_times_resch(S, MG_M_ex, Orders, Jobs, Machines, reference, t);
      calc_S_obj_values(S, v, Orders, Jobs);
    };
    for (int op = 1; op <= n_of_operators; ++op) {
      SampleTiming timing;
      timing.use_rescheduling(&reference, t);
      LateJobs late;
      late.use_base_of(&timing);
      int since_base = 0;
      const int every = 5;
      const int evaluated =
          drive(reference, size == GeneratedSize::Small ? 600 : 120, every, timing, [&](_S& s) {
            if (since_base++ % every == 0) late.forget();
            switch (op) {
              case 1:
                move_reinsert_order_resch(s, rand_n(n_of_Orders) + 1, Orders, Jobs, Machines, reference);
                return true;
              case 2:
              case 4: {
                const int j = late.draw(s, evaluate);
                if (j > 0 && op == 2) move_reinsert_order_resch(s, Jobs[j].Order_ID, Orders, Jobs, Machines, reference);
                if (j > 0 && op == 4) move_reinsert_job_resch(s, j, Orders, Jobs, Machines, reference);
                return true;
              }
              case 3:
                return move_shuffle_machine_resch(s, rand_n(n_of_Machines) + 1, Machines) != 0;
              default:
                move_reinsert_job_resch(s, rand_n(n_of_Jobs) + 1, Orders, Jobs, Machines, reference);
                return true;
            }
          });
      EXPECT_GT(evaluated, 50) << "operator " << op;
    }
  }
}

// The checking mode itself: a sample changed behind the log's back is caught
// at the next reset, and records that differ from the full pass are caught
// when the sample is evaluated.
TEST_F(CheckingMode, ChangesBehindTheLogAndWrongRecordsAreFaults) {
  build_varied_shop(41, 12);
  _S base = random_start_S(41);
  _S sample = base;
  SampleTiming timing;
  OBJ_VALUE values;
  timing.set_base(base);
  timing.reset_sample(sample);
  move_reinsert_job(sample, 1, Orders, Jobs);
  EXPECT_NO_THROW(timing.time_and_evaluate(sample, values));
  // A machine the move did not touch, changed not through the moves.
  int m = 1;
  auto used_by_job_1 = [&](const _S& S, int machine) {
    for (int k = 1; k <= S.n_steps(1); ++k)
      if (S.J_A[1][k] == machine) return true;
    return false;
  };
  while (sample.M_wload[m][0] < 2 || used_by_job_1(base, m) || used_by_job_1(sample, m)) ++m;
  ASSERT_LE(m, n_of_Machines);
  int* seq = sample.edit().seq(m);
  std::swap(seq[1], seq[2]);
  EXPECT_THROW(timing.reset_sample(sample), std::logic_error);

  timing.set_base(base);
  timing.reset_sample(sample);
  move_reinsert_job(sample, 1, Orders, Jobs);
  // The untouched machine keeps the base's records, timed when it was ready.
  Machines[m].ReadyT = 1000000;
  EXPECT_THROW(timing.time_and_evaluate(sample, values), std::logic_error);
}
