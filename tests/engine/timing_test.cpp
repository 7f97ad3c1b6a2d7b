#include "engine/timing.h"

#include <gtest/gtest.h>

#include "engine/objective_value.h"
#include "tests/support/small_problem.h"

namespace {

struct Times6 {
  int Setup, StartT, SetT, ProcT, EndT, Cal;
};

// A two-step line: machine 1 does step 1, machine 2 does step 2. Orders of
// steps 1-2 run on route 17 (groups 1, 2); orders of step 2 on route 24.
class TwoStepLine : public ::testing::Test {
 protected:
  void SetUp() override {
    begin_small_problem(2);
    add_small_machine(1, 1, 1);
    add_small_machine(1, 2, 2);
  }
  // Loads the problem and the schedule: jobs[j] = {route, machine..}; seq[m] = job ids.
  void schedule(std::vector<std::array<int, 5>> rows, std::vector<std::vector<int>> seqs) {
    const int ready1 = Machines[1].ReadyT, ready2 = Machines[2].ReadyT;
    finish_small_problem();
    Machines[1].ReadyT = ready1;
    Machines[2].ReadyT = ready2;
    reset_J_A_M_wload();
    for (std::size_t j = 1; j < rows.size(); ++j) J_A[j] = rows[j];
    for (std::size_t m = 1; m < seqs.size(); ++m) {
      M_wload[m][0] = static_cast<int>(seqs[m].size());
      for (std::size_t p = 0; p < seqs[m].size(); ++p) M_wload[m][p + 1] = seqs[m][p];
    }
    S = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    sch = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_S_times(S);
    calc_sch_times(sch);
  }
  // Checks one position in both representations.
  void expect_position(int m, int p, Times6 want) {
    const OP_TIME& r = S.Times[m][p];
    const std::array<int, 6> got = {r.Setup, r.StartT, r.SetT, r.ProcT, r.EndT, r.M_Calendar_OK};
    EXPECT_EQ(got, (std::array<int, 6>{want.Setup, want.StartT, want.SetT, want.ProcT, want.EndT, want.Cal}))
        << "machine " << m << " position " << p;
    int t = sch.Mach_Head[m];
    for (int i = 1; i < p && t != NO_TASK; ++i) t = sch.task(t).next_on_machine;
    ASSERT_NE(t, NO_TASK);
    const TASK& n = sch.task(t);
    EXPECT_EQ((std::array<int, 6>{n.Setup, n.StartT, n.SetT, n.ProcT, n.EndT, n.M_Calendar_OK}), got)
        << "linked schedule differs at machine " << m << " position " << p;
  }
  _S S;
  SCH sch;
};

TEST_F(TwoStepLine, SameSetupTypeFollowsWithoutSetup) {
  add_small_order(2, 10, 1, 1, 2, 0, 100, {1});
  add_small_order(1, 10, 1, 1, 1, 200, 300, {1});
  Machines[1].SetupM(1, 2) = 3;
  Machines[1].SetupM(2, 1) = 4;
  schedule({{}, {23, 1}, {23, 1}, {23, 1}}, {{}, {1, 2, 3}, {}});
  expect_position(1, 1, {1, 0, 3, 10, 13, 1});
  expect_position(1, 2, {0, 13, 0, 10, 23, 1});
  // A first step waits for its order's earliest start.
  expect_position(1, 3, {1, 200, 4, 10, 214, 1});
}

TEST_F(TwoStepLine, SetupRunsWhileTheJobIsStillOnItsPreviousMachine) {
  add_small_order(1, 40, 2, 2, 1, 0, 500, {2});     // job 1: machine 2 busy until 40
  add_small_order(1, 50, 1, 2, 2, 0, 500, {1, 2});  // job 2: step 1 ends at 50
  Machines[2].SetupM(1, 2) = 15;
  schedule({{}, {24, 2}, {17, 1, 2}}, {{}, {2}, {1, 2}});
  expect_position(1, 1, {1, 0, 0, 50, 50, 1});
  expect_position(2, 1, {1, 0, 0, 40, 40, 1});
  // max(CST, 40, 50 - 15) = 40: processing starts at 55, after the step before.
  expect_position(2, 2, {1, 40, 15, 50, 105, 1});
}

TEST_F(TwoStepLine, LaterStepOnABusyMachineStartsAtItsEnd) {
  add_small_order(1, 100, 2, 2, 1, 0, 500, {2});
  add_small_order(1, 20, 1, 2, 1, 0, 500, {1, 2});
  schedule({{}, {24, 2}, {17, 1, 2}}, {{}, {2}, {1, 2}});
  expect_position(2, 2, {0, 100, 0, 20, 120, 1});
}

TEST_F(TwoStepLine, LaterStepFirstOnItsMachineOverlapsSetupAndWaitsForReadyTime) {
  add_small_order(1, 50, 1, 2, 2, 0, 500, {1, 2});
  Machines[2].SetupM(1, 2) = 15;
  schedule({{}, {17, 1, 2}}, {{}, {1}, {1}});
  expect_position(2, 1, {1, 35, 15, 50, 100, 1});
  Machines[2].ReadyT = 45;
  schedule({{}, {17, 1, 2}}, {{}, {1}, {1}});
  expect_position(2, 1, {1, 45, 15, 50, 110, 1});
}

// The first position counts a setup from type 1 even of time 0 (1 -> 2 costs
// nothing here) and starts at the later of the machine's ready time and the
// order's earliest start.
TEST_F(TwoStepLine, FirstPositionSetsUpFromTypeOneAndWaitsForReadyTimeAndOrderStart) {
  add_small_order(1, 10, 1, 2, 2, 4, 500, {1, 2});
  Machines[1].ReadyT = 12;
  schedule({{}, {17, 1, 2}}, {{}, {1}, {1}});
  expect_position(1, 1, {1, 12, 0, 10, 22, 1});
  Orders[1].CST = 20;
  calc_S_times(S);
  calc_sch_times(sch);
  expect_position(1, 1, {1, 20, 0, 10, 30, 1});
}

TEST_F(TwoStepLine, JobStartIsItsEarliestStepEvenWhenALaterStepSetsUpBeforeIt) {
  // Job 2 (step 1 only) holds machine 1 until 40; job 1's step 1 runs 40..50,
  // and its step 2 sets up on machine 2 from 35, while step 1 still runs.
  add_small_order(1, 10, 1, 2, 2, 0, 500, {1, 2});
  add_small_order(1, 40, 1, 1, 2, 0, 500, {1});
  Machines[2].SetupM(1, 2) = 15;
  schedule({{}, {17, 1, 2}, {23, 1}}, {{}, {2, 1}, {1}});
  expect_position(1, 2, {0, 40, 0, 10, 50, 1});
  expect_position(2, 1, {1, 35, 15, 10, 60, 1});
  OBJ_VALUE v;
  calc_S_obj_values(S, v);
  EXPECT_EQ(Jobs[1].StartT, 35);
  Jobs[1].StartT = 0;
  calc_sch_obj_values(sch, v);
  EXPECT_EQ(Jobs[1].StartT, 35);
}

TEST_F(TwoStepLine, ProcessingTimeRoundsUpAndSpeedZeroMachineNeitherProcessesNorSetsUp) {
  Machines[1].Speed = 2;
  Machines[2].Speed = 0;
  add_small_order(2, 7, 1, 2, 2, 3, 500, {1, 2});
  Machines[2].SetupM(1, 2) = 9;
  Machines[2].Cal.resize(1);  // no calendar either: nothing is fitted
  Machines[2].N_Cal = 0;
  schedule({{}, {17, 1, 2}, {17, 1, 2}}, {{}, {1, 2}, {1, 2}});
  expect_position(1, 1, {1, 3, 0, 4, 7, 1});  // ceil(7 / 2) = 4
  expect_position(1, 2, {0, 7, 0, 4, 11, 1});
  // The start rule still subtracts the setup it would have made: 7 - 9 < CST 3.
  expect_position(2, 1, {0, 3, 0, 0, 3, -1});
  expect_position(2, 2, {0, 11, 0, 0, 11, -1});
}

TEST_F(TwoStepLine, LaterPositionsKeepFillingTheCalendarAndRunPastItsEnd) {
  Machines[1].Cal = {{}, {0, 10}, {20, 30}, {40, 100}};
  Machines[1].N_Cal = 3;
  add_small_order(4, 6, 1, 1, 1, 0, 500, {1});   // jobs 1-4
  add_small_order(1, 70, 1, 1, 1, 0, 500, {1});  // job 5 fits no interval
  add_small_order(1, 6, 1, 1, 1, 0, 500, {1});   // job 6 comes after the calendar
  schedule({{}, {23, 1}, {23, 1}, {23, 1}, {23, 1}, {23, 1}, {23, 1}}, {{}, {1, 2, 3, 4, 5, 6}, {}});
  expect_position(1, 1, {1, 0, 0, 6, 6, 1});
  expect_position(1, 2, {0, 20, 0, 6, 26, 1});  // 6..12 would cross the break at 10
  expect_position(1, 3, {0, 40, 0, 6, 46, 1});
  expect_position(1, 4, {0, 46, 0, 6, 52, 1});
  expect_position(1, 5, {0, 52, 0, 70, 122, 0});
  expect_position(1, 6, {0, 122, 0, 6, 128, 0});
}

TEST(CalendarFit, NonPreemptiveFitKeepsLengthAndTriesEveryInterval) {
  begin_small_problem(1);
  add_small_machine(1, 1, 1, {{0, 10}, {20, 100}});
  add_small_machine(1, 1, 1, {});  // no intervals: fits nothing
  finish_small_problem();
  struct Case {
    int start, end, lower_bound, machine, fits, fitted_start, fitted_end;
  };
  const Case cases[] = {
      {7, 13, 0, 1, 1, 20, 26},   // crosses the break: the next interval
      {7, 97, 0, 1, 0, 20, 110},  // fits no interval: the last one tried keeps it
      {2, 5, 4, 1, 1, 4, 7},      // the lower bound moves it inside the first
      {4, 10, 0, 1, 1, 4, 10},    // ending exactly at the interval's end fits
      {2, 5, 4, 2, 0, 4, 7},
  };
  for (const Case& c : cases) {
    int s = c.start, e = c.end;
    EXPECT_EQ(fit_op_to_Calendar(s, e, c.lower_bound, c.machine, Machines), c.fits) << c.start << ".." << c.end;
    EXPECT_EQ((std::array<int, 2>{s, e}), (std::array<int, 2>{c.fitted_start, c.fitted_end})) << c.start;
    s = c.start, e = c.end;  // the linked schedule's tasks fit the same way
    EXPECT_EQ(fit_task_to_Calendar(s, e, c.lower_bound, c.machine, Machines), c.fits) << c.start;
  }
}

TEST_F(TwoStepLine, ReschedulingKeepsTheFrozenHeadAndStartsTheRestAtTheBound) {
  add_small_order(3, 10, 1, 1, 1, 0, 500, {1});
  schedule({{}, {23, 1}, {23, 1}, {23, 1}}, {{}, {1, 2, 3}, {}});
  _S reference(S);
  calc_S_times(reference);
  reference.times_row(1)[1].StartT = 1;  // a released time the shop would no longer give
  reference.times_row(1)[1].EndT = 11;
  Machines[1].N_Frozen = 1;
  calc_S_times_resch(S, reference, 50);
  calc_sch_times_resch(sch, reference, 50);
  expect_position(1, 1, {1, 1, 0, 10, 11, 1});
  expect_position(1, 2, {0, 50, 0, 10, 60, 1});
  expect_position(1, 3, {0, 60, 0, 10, 70, 1});
}

}  // namespace
