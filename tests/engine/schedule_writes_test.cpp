#include <gtest/gtest.h>

#include "engine/objective_value.h"
#include "engine/sample_timing.h"
#include "engine/search_operators.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"

namespace {

// A schedule changed after its timing pass is evaluated from what its tables
// say now, never from what that pass noted about each job: exactly as a copy
// with the same timing rows and no notes at all is evaluated.
TEST(ScheduleWrites, AChangeRetiresWhatTheLastTimingPassNoted) {
  ASSERT_TRUE(load_generated_problem(7, GeneratedSize::Small));
  for (const bool take_out : {false, true}) {
    SCOPED_TRACE(take_out ? "a job taken out" : "jobs rotated on a machine");
    fill_random_schedule(7);
    _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_S_times(S);
    int m = 1;
    while (m <= n_of_Machines && S.count(m) < 3) ++m;
    ASSERT_LE(m, n_of_Machines);
    if (take_out) {
      remove_job(S, S.M_wload[m][1]);
    } else {
      const int P[4] = {3, 1, 2, 3};
      rotate_positions(S, P, m);
    }
    _S without_notes;
    SampleTiming::copy_timing(without_notes, S);
    OBJ_VALUE changed;
    OBJ_VALUE copied;
    calc_S_obj_values(S, changed);
    calc_S_obj_values(without_notes, copied);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(changed.criterion(i), copied.criterion(i)) << "criterion " << i;
  }
}

}  // namespace
