#include "engine/initial_schedule.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/machine_rows.h"
#include "tests/support/solver_run.h"

namespace {

class InitialSchedule : public SolverRunTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load_generated_problem(5, GeneratedSize::Small));
    last_SCH.reset();
  }
  void TearDown() override { free_input_data(); }
  // The live schedule's machine sequences, to tell two schedules apart.
  static std::vector<std::vector<int>> sequences() { return machine_jobs(*last_SCH); }
};

TEST_F(InitialSchedule, EveryMethodMakesAConsistentLiveScheduleAndAnUnknownOneNone) {
  for (int method = 0; method < n_of_starting_methods; ++method) {
    SCOPED_TRACE(starting_method_names[method]);
    ASSERT_EQ(build_starting_schedule(method), 1);
    expect_live_schedule_consistent();
    EXPECT_EQ(last_obj_value.n_of_Jobs, n_of_Jobs);
  }
  const auto before = sequences();
  EXPECT_NE(build_starting_schedule(n_of_starting_methods), 1);
  EXPECT_EQ(sequences(), before);
  free_input_data();  // no problem loaded
  EXPECT_NE(build_starting_schedule(0), 1);
  EXPECT_EQ(sequences(), before);
}

TEST_F(InitialSchedule, BatchMethodKeepsEachOrdersJobsTogetherOnEveryMachine) {
  ASSERT_EQ(build_starting_schedule(3), 1);
  for (int m = 1; m <= n_of_Machines; ++m) {
    std::set<int> finished;
    int current = 0;
    for (int t = last_SCH->Mach_Head[m]; t != NO_TASK; t = last_SCH->task(t).next_on_machine) {
      const int o = Jobs[last_SCH->task(t).Job].Order_ID;
      if (o == current) continue;
      EXPECT_EQ(finished.count(o), 0u) << "order " << o << " split on machine " << m;
      if (current) finished.insert(current);
      current = o;
    }
  }
}

TEST_F(InitialSchedule, DiscardAfterTwoGenerationsRestoresTheOpeningSchedule) {
  ASSERT_EQ(build_starting_schedule(0), 1);
  const auto opening = sequences();
  const OBJ_VALUE opening_values = last_obj_value;
  KEPT_SCHEDULE keeper;
  keeper.keep_live();
  EXPECT_EQ(keeper.at_close(), KEPT_SCHEDULE::AtClose::Unchanged);
  ASSERT_EQ(build_starting_schedule(2), 1);
  ASSERT_EQ(build_starting_schedule(5), 1);
  ASSERT_NE(sequences(), opening);
  EXPECT_EQ(keeper.at_close(), KEPT_SCHEDULE::AtClose::Changed);
  keeper.discard_changes();
  EXPECT_EQ(sequences(), opening);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(last_obj_value.criterion(i), opening_values.criterion(i)) << i;
  expect_live_schedule_consistent();
}

TEST_F(InitialSchedule, SaveMovesTheKeptCopyAndMarksTheNextStart) {
  KEPT_SCHEDULE keeper;
  keeper.keep_live();  // opened without a schedule
  EXPECT_EQ(keeper.save(), KEPT_SCHEDULE::Save::NoSchedule);
  ASSERT_EQ(build_starting_schedule(1), 1);
  keeper.discard_changes();
  EXPECT_FALSE(last_SCH) << "discarding what was made goes back to no schedule";
  ASSERT_EQ(build_starting_schedule(1), 1);
  first_run = 1;
  EXPECT_EQ(keeper.save(), KEPT_SCHEDULE::Save::Saved);
  EXPECT_EQ(first_run, 0);
  EXPECT_EQ(keeper.save(), KEPT_SCHEDULE::Save::NoChanges);
  const auto saved = sequences();
  ASSERT_EQ(build_starting_schedule(2), 1);
  keeper.discard_changes();
  EXPECT_EQ(sequences(), saved);  // back to the save, not to the opening
}

}  // namespace
