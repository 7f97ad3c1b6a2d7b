#include "engine/rescheduling_states.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/live_schedule.h"
#include "engine/timing.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/machine_rows.h"
#include "tests/support/random_schedule.h"

namespace {

using Times = PositionTimes;

// Machine m's positions in sch, in sequence order.
std::vector<Times> machine_times(const SCH& sch, int m) { return machine_times(sch)[static_cast<size_t>(m - 1)]; }

class ReschStates : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load_generated_problem(17, GeneratedSize::Small));
    fill_random_schedule(17);
    const SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    states.take_released(sch);
    released_completion = last_obj_value.Completion_Time;
    // The busiest machine, and a freeze time after its first start.
    for (int m = 1; m <= n_of_Machines; ++m)
      if (last_SCH->Mach_Count[m] > last_SCH->Mach_Count[busy]) busy = m;
    const std::vector<Times> t = machine_times(*last_SCH, busy);
    freeze = t[t.size() / 2].start;
  }
  void TearDown() override {
    states.release();
    free_input_data();
    last_SCH.reset();
  }
  // "Shop env.": the busy machine works at a tenth of its speed.
  void slow_down_busy_machine() {
    Machines[busy].Speed = std::max(1, Machines[busy].Speed / 10);
    states.reevaluate_after_env_change();
  }

  RESCH_STATES states;
  int busy = 1, freeze = 0;
  long long released_completion = 0;
};

TEST_F(ReschStates, ReevaluationRetimesTheReleasedScheduleInTheChangedShop) {
  const int old_speed = Machines[busy].Speed;
  slow_down_busy_machine();
  EXPECT_EQ(last_SCH->equal(*states.released->schedule), 1);
  EXPECT_GT(last_obj_value.Completion_Time, released_completion);
  EXPECT_EQ(states.working->machines[busy].Speed, Machines[busy].Speed);
  EXPECT_EQ(states.released->machines[busy].Speed, old_speed);
  EXPECT_EQ(states.working->values->Completion_Time, last_obj_value.Completion_Time);
  // Without states nothing happens.
  states.release();
  EXPECT_FALSE(states.loaded());
  const SCH before = *last_SCH;
  states.show_initial_state(1, freeze);
  EXPECT_EQ(last_SCH->equal(before), 1);
}

TEST_F(ReschStates, InitialStateOfBothTypesKeepsTheFrozenHeadsOfItsReference) {
  const SCH released_timing = *states.released->schedule;
  slow_down_busy_machine();
  const SCH changed_timing = *last_SCH;
  const int working_speed = Machines[busy].Speed;
  std::vector<SCH> shown;
  for (int type : {0, 1}) {
    SCOPED_TRACE(type);
    Machines[busy].Speed = 777;  // whatever a later change or run left live
    Orders[1].CET = 1;
    states.show_initial_state(type, freeze);
    EXPECT_EQ(Machines[busy].Speed, working_speed) << "the working shop comes back";
    EXPECT_EQ(Orders[1].CET, states.working->orders[1].CET);
    const SCH& reference = type == 0 ? released_timing : changed_timing;
    int frozen = 0;
    for (int m = 1; m <= n_of_Machines; ++m) {
      const std::vector<Times> now = machine_times(*last_SCH, m), ref = machine_times(reference, m);
      ASSERT_EQ(now.size(), ref.size());
      const int n = Machines[m].N_Frozen;
      for (int p = 0; p < n; ++p) EXPECT_TRUE(now[p] == ref[p]) << "machine " << m << " position " << p + 1;
      for (size_t p = n; p < now.size(); ++p) EXPECT_GE(now[p].start, freeze);
      frozen += n;
    }
    EXPECT_GT(frozen, 0);
    shown.push_back(*last_SCH);
  }
  // The busy machine's frozen head started at the released times in type 0
  // and at the slower shop's times in type 1.
  EXPECT_FALSE(machine_times(shown[0], busy) == machine_times(shown[1], busy));
}

}  // namespace
