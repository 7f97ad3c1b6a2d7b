#include "solvers/reschedule_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/freezing.h"
#include "engine/live_schedule.h"
#include "engine/resch_moves.h"
#include "solvers/run_report.h"
#include "engine/schedule_array.h"
#include "engine/search_parameters.h"
#include "engine/timing.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"
#include "tests/support/small_problem.h"
#include "tests/support/solver_run.h"

namespace {

// A released schedule of a generated problem, its working copy, and a freeze
// time at the median start.
class RescheduleRun : public SolverRunTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load_generated_problem(17, GeneratedSize::Small));
    fill_random_schedule(17);
    last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_sch_times(*last_SCH);
    OBJ_VALUE values;
    calc_sch_obj_values(*last_SCH, values);
    released.save(n_of_SetupTypes, Orders, Jobs, Machines, last_SCH.get(), &values);
    working = std::make_unique<SHOP>(released);
    first_run = 1;
    std::vector<int> starts;
    for (int m = 1; m <= n_of_Machines; ++m)
      for (int t = last_SCH->Mach_Head[m]; t != NO_TASK; t = last_SCH->task(t).next_on_machine)
        starts.push_back(last_SCH->task(t).StartT);
    std::sort(starts.begin(), starts.end());
    freeze_time = starts[starts.size() / 2];
    last_start = starts.back();
    host.resch_fields = {{ReschedulerField::Steps, 6},
                         {ReschedulerField::Loops, 8},
                         {ReschedulerField::TabuSize, 30},
                         {ReschedulerField::FreezeTime, freeze_time}};
  }
  void TearDown() override { free_input_data(); }

  // "Shop env.": the busiest machine becomes available only 3 time units
  // after its first job was to start; the working state is taken anew.
  void change_a_calendar() {
    int m = 1;
    for (int i = 1; i <= n_of_Machines; ++i)
      if (last_SCH->Mach_Count[i] > last_SCH->Mach_Count[m]) m = i;
    changed_start = last_SCH->task(last_SCH->Mach_Head[m]).StartT + 3;
    ASSERT_LE(changed_start, freeze_time);
    Machines[m].Cal = {CAL_INTERVAL{}, CAL_INTERVAL{changed_start, 100000000}};
    Machines[m].N_Cal = 1;
    changed_machine = m;
    calc_sch_times(*last_SCH);
    OBJ_VALUE values;
    calc_sch_obj_values(*last_SCH, values);
    working = std::make_unique<SHOP>();
    working->save(n_of_SetupTypes, Orders, Jobs, Machines, last_SCH.get(), &values);
  }

  // The report has a line that is exactly line.
  bool has_line(const std::string& line) const {
    const std::vector<std::string> lines = report_lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  std::string report_value(const std::string& label) const { return std::to_string(report_number(label)); }

  SHOP released;
  std::unique_ptr<SHOP> working;
  int freeze_time = 0, last_start = 0, changed_machine = 0, changed_start = 0;
};

}  // namespace

TEST_F(RescheduleRun, BothTypesKeepTheFrozenPartWithTheirReferenceTimes) {
  change_a_calendar();
  // The released schedule timed in the released data (type 0's reference)
  // and in the changed shop (type 1's); the calendar change reaches into the
  // frozen heads, so the two differ there.
  _S in_released(*released.schedule), in_changed(*released.schedule);
  calc_S_times(in_released, MG_M_ex, released.orders, released.jobs, released.machines);
  calc_S_times(in_changed, MG_M_ex, working->orders, working->jobs, working->machines);
  EXPECT_NE(in_released.Times[changed_machine][1].StartT, in_changed.Times[changed_machine][1].StartT);
  for (int type = 0; type <= 1; ++type) {
    SCOPED_TRACE(type);
    host.resch_fields[ReschedulerField::Type] = type;
    ASSERT_EQ(TS_S_do_pi_Reschedule(released, *working), 1);
    const std::vector<std::string> lines = report_lines();
    EXPECT_EQ(lines.front(), " Tabu Search with _S class and do_pi");
    EXPECT_EQ(lines.back(), "End of file.");
    EXPECT_TRUE(has_line("Input file :" + input_file_name));
    EXPECT_TRUE(has_line("Initialize with the actual schedule for rescheduling!"));
    EXPECT_TRUE(has_line(type == 0 ? "Type: First freeze released schedule then modify environment."
                                   : "Type: First modify environment then freeze released schedule."));
    // The progress window's last deviation figures are the best schedule's.
    const std::pair<ProgressLabel, const char*> figures[] = {
        {ProgressLabel::LateJobsDev, " num. of jobs with late deviation: "},
        {ProgressLabel::LateJobsNew, " num. of new late jobs: "},
        {ProgressLabel::LateOrdersDev, " num. of orders with late deviation: "},
        {ProgressLabel::LateOrdersNew, " num. of new late orders: "},
        {ProgressLabel::SetupsDev, " num. of machines with setup number deviation: "},
        {ProgressLabel::SetupsNew, " num. of machines with new setups: "}};
    for (const auto& [label, line] : figures) EXPECT_EQ(report_value(line), host.labels[label]) << line;
    EXPECT_GT(report_number(" size of TabuList: "), 0);

    // Frozen machine heads never change; the report tells whether every
    // frozen job step kept its place too (a step behind a later step whose
    // long setup started by the freeze time lies after its machine's head and
    // may be pushed back).
    const _S live(*last_SCH), plan(*released.schedule);
    const bool kept = compare_S_sequences(live, plan, Jobs, Machines) == 1;
    EXPECT_TRUE(has_line(kept ? "Freeze interval OK!" : "Freeze interval Modified!"));
    int frozen = 0, open = 0;
    for (int m = 1; m <= n_of_Machines; ++m) {
      const int z = Machines[m].N_Frozen;
      EXPECT_TRUE(std::equal(plan.M_wload[m] + 1, plan.M_wload[m] + z + 1, live.M_wload[m] + 1)) << "machine " << m;
      frozen += z;
      open += live.count(m) - z;
    }
    EXPECT_GT(frozen, 0);
    EXPECT_GT(open, 0);
    // Frozen heads carry the reference's times; nothing after them starts
    // before the freeze time.
    const _S& ref = type == 0 ? in_released : in_changed;
    for (int m = 1; m <= n_of_Machines; ++m) {
      int t = last_SCH->Mach_Head[m];
      for (int p = 1; p <= Machines[m].N_Frozen; ++p, t = last_SCH->task(t).next_on_machine)
        EXPECT_EQ(last_SCH->task(t).EndT, ref.Times[m][p].EndT) << "machine " << m << " position " << p;
      for (; t != NO_TASK; t = last_SCH->task(t).next_on_machine) EXPECT_GE(last_SCH->task(t).StartT, freeze_time);
    }

    // The reference state goes to the results window; the windows are back;
    // the live arrays hold the changed shop.
    EXPECT_EQ(host.initial_snapshot, type == 0 ? &released : working.get());
    EXPECT_TRUE(host.is_visible(RunWindow::Rescheduler));
    EXPECT_FALSE(host.is_visible(RunWindow::Progress));
    EXPECT_FALSE(host.group_visible[ProgressGroup::Rescheduling]);
    EXPECT_EQ(first_run, 0);
    EXPECT_EQ(Machines[changed_machine].Cal[1].ST, changed_start);
  }
}

// Also with a step count below 1, which runs no step.
TEST_F(RescheduleRun, FreezeTimeAfterEveryStartKeepsTheReleasedSchedule) {
  host.resch_fields[ReschedulerField::FreezeTime] = last_start;
  host.resch_fields[ReschedulerField::Steps] = -5;
  ASSERT_EQ(TS_S_do_pi_Reschedule(released, *working), 1);
  EXPECT_EQ(last_SCH->equal(*released.schedule), 1);
  host.resch_fields[ReschedulerField::Steps] = 6;
  ASSERT_EQ(TS_S_do_pi_Reschedule(released, *working), 1);
  EXPECT_TRUE(has_line("Freeze interval OK!"));
  EXPECT_EQ(last_SCH->equal(*released.schedule), 1);
  // Everything frozen: the initial schedule's values are the released ones.
  const std::vector<std::string> lines = report_lines();
  const int stopped = find_line(lines, " Objective values of the stopped schedule:");
  const int initial = find_line(lines, " Objective values of the initial schedule:");
  ASSERT_GT(stopped, 0);
  ASSERT_GT(initial, 0);
  EXPECT_TRUE(std::equal(lines.begin() + stopped + 1, lines.begin() + stopped + 11, lines.begin() + initial + 1));
  for (const char* figure : {" num. of jobs with late deviation: ", " num. of machines with setup number deviation: "})
    EXPECT_EQ(report_number(figure), 0) << figure;
  _S live(*last_SCH);
  for (int m = 1; m <= n_of_Machines; ++m) {
    EXPECT_EQ(Machines[m].N_Frozen, last_SCH->Mach_Count[m]);
    EXPECT_EQ(move_shuffle_machine_resch(live, m, Machines), 0) << "machine " << m;
  }
}

TEST_F(RescheduleRun, RefusedRunsChangeNothing) {
  const int speed = Machines[1].Speed;
  SHOP empty;
  EXPECT_EQ(TS_S_do_pi_Reschedule(released, empty), -1);  // no schedule of the loaded problem
  EXPECT_EQ(report(), "");
  EXPECT_TRUE(host.visible.empty());
  set_run_report_folder(dir.file("missing"));
  EXPECT_EQ(TS_S_do_pi_Reschedule(released, *working), -1);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.is_visible(RunWindow::Rescheduler));
  EXPECT_FALSE(host.is_visible(RunWindow::Progress));
  EXPECT_EQ(first_run, 1);
  EXPECT_EQ(Machines[1].Speed, speed);
}

namespace {
// A snapshot of a hand-made problem of n machines (one per step 1) and n
// orders of four jobs: fewer than the generated problem's 10 / 10 / 40 when n
// is 1, more when n is 11.
std::unique_ptr<SHOP> snapshot_of_other_problem(int n) {
  begin_small_problem(1);
  std::vector<int> machines;
  for (int m = 1; m <= n; ++m) machines.push_back(add_small_machine(1, 1, 1));
  for (int o = 1; o <= n; ++o) add_small_order(4, 10, 1, 1, 1, 0, 100, machines);
  finish_small_problem();
  reset_J_A_M_wload();
  random_J_A_M_wload();
  SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(sch);
  OBJ_VALUE values;
  calc_sch_obj_values(sch, values);
  auto shop = std::make_unique<SHOP>();
  shop->save(n_of_SetupTypes, Orders, Jobs, Machines, &sch, &values);
  return shop;
}
}  // namespace

// Both snapshots must be of the loaded problem: one of another problem, in
// either place, refuses the run before anything is written or shown, whether
// it holds fewer orders, jobs and machines or more.
TEST_F(RescheduleRun, ASnapshotOfAnotherProblemInEitherPlaceIsRefused) {
  std::unique_ptr<SHOP> others[2] = {snapshot_of_other_problem(1), snapshot_of_other_problem(11)};
  ASSERT_EQ(others[1]->count_jobs(), 44);
  SetUp();  // the generated problem is the loaded one again
  const std::string live_before = report();
  for (const auto& other : others) {
    for (const bool as_released : {true, false}) {
      SCOPED_TRACE(testing::Message() << other->count_jobs() << " jobs as " << (as_released ? "released" : "working"));
      SHOP& r = as_released ? *other : released;
      SHOP& w = as_released ? *working : *other;
      EXPECT_EQ(TS_S_do_pi_Reschedule(r, w), -1);
      EXPECT_EQ(report(), live_before);
      EXPECT_TRUE(host.visible.empty());
      EXPECT_EQ(n_of_Jobs, 40);
      EXPECT_EQ(first_run, 1);
    }
  }
}
