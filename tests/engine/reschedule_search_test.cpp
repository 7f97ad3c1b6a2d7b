#include "engine/reschedule_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/freezing.h"
#include "engine/live_schedule.h"
#include "engine/random_source.h"
#include "engine/run_report.h"
#include "engine/schedule_array.h"
#include "engine/search_parameters.h"
#include "engine/timing.h"
#include "problem_io/input_reader.h"
#include "problem_io/schedule_file.h"
#include "tests/support/generated_problem.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace {

// The recorder with the rescheduler window's fields and the results window's
// initial-data snapshot.
class ReschedulerHost : public RecordingHost {
 public:
  std::map<ReschedulerField, int> resch_fields;
  SHOP* initial_snapshot = nullptr;
  int rescheduler_field(ReschedulerField f) override {
    auto it = resch_fields.find(f);
    return it != resch_fields.end() ? it->second : RunHost::rescheduler_field(f);
  }
  void set_initial_data_snapshot(SHOP* s) override { initial_snapshot = s; }
};

bool has_line(const std::string& text, const std::string& line) {
  return ("\n" + text + "\n").find("\n" + line + "\n") != std::string::npos;
}

class RescheduleRun : public ::testing::Test {
 protected:
  void SetUp() override {
    set_run_report_folder(dir.path());
    // A released schedule of a generated problem, written as the editor's
    // "Release Schedule" does.
    ASSERT_TRUE(load_generated_problem(17, GeneratedSize::Small));
    seed_random(17);
    reset_J_A_M_wload();
    random_J_A_M_wload();
    const SCH plan(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    rsf = dir.file("release_sch.rsf");
    ASSERT_EQ(release_sch_file(plan, Machines, Orders, n_of_SetupTypes, rsf), 1);

    // Read back as the rescheduler does: the input part, then the schedule.
    ASSERT_EQ(read_input_path(rsf), 1);
    input_file_name = rsf;
    SCH loaded(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    ASSERT_EQ(load_sch_file(loaded, rsf), 1);
    calc_sch_times(loaded);
    OBJ_VALUE values;
    calc_sch_obj_values(loaded, values);
    released.save(n_of_SetupTypes, Orders, Jobs, Machines, &loaded, &values);
    working = std::make_unique<SHOP>(released);
    last_SCH = std::make_unique<SCH>(loaded);
    first_run = 1;

    // The freeze time: the median start of the released schedule.
    _S S(loaded);
    calc_S_times(S);
    std::vector<int> st;
    for (int m = 1; m <= n_of_Machines; ++m)
      for (int p = 1; p <= S.count(m); ++p) st.push_back(S.Times[m][p].StartT);
    std::sort(st.begin(), st.end());
    freeze_time = st[st.size() / 2];
    last_start = st.back();

    host.resch_fields[ReschedulerField::Steps] = 6;
    host.resch_fields[ReschedulerField::Loops] = 8;
    host.resch_fields[ReschedulerField::TabuSize] = 30;
    host.resch_fields[ReschedulerField::FreezeTime] = freeze_time;
  }
  void TearDown() override {
    set_run_report_folder("");
    last_SCH.reset();
    stop_flag = false;
    free_input_data();
  }

  // "Shop env.": the busiest machine becomes available 3 time units after
  // its first job was to start; the working state is taken anew.
  void change_a_calendar() {
    int m = 1;
    for (int i = 1; i <= n_of_Machines; ++i)
      if (last_SCH->Mach_Count[i] > last_SCH->Mach_Count[m]) m = i;
    const int first_start = last_SCH->task(last_SCH->Mach_Head[m]).StartT;
    ASSERT_LE(first_start + 3, freeze_time);
    MACHINE& mc = Machines[m];
    mc.Cal.assign(2, CAL_INTERVAL{});
    changed_start = first_start + 3;
    mc.Cal[1] = CAL_INTERVAL{changed_start, 100000000};
    mc.N_Cal = 1;
    changed_machine = m;
    calc_sch_times(*last_SCH);
    OBJ_VALUE values;
    calc_sch_obj_values(*last_SCH, values);
    last_obj_value.set(values, n_of_Orders, n_of_Jobs, n_of_Machines);
    working = std::make_unique<SHOP>();
    working->save(n_of_SetupTypes, Orders, Jobs, Machines, last_SCH.get(), &values);
  }

  // The frozen steps and machine heads of the live schedule are those of the
  // released schedule.
  void expect_frozen_part_kept() {
    const _S live(*last_SCH);
    const _S plan(*released.schedule);
    EXPECT_EQ(compare_S_sequences(live, plan, Jobs, Machines), 1);
    int frozen_steps = 0, open_positions = 0;
    for (int j = 1; j <= n_of_Jobs; ++j) frozen_steps += Jobs[j].N_Frozen;
    for (int m = 1; m <= n_of_Machines; ++m) open_positions += live.count(m) - Machines[m].N_Frozen;
    EXPECT_GT(frozen_steps, 0) << "nothing was frozen";
    EXPECT_GT(open_positions, 0) << "nothing was left to reschedule";
  }

  std::string report() const { return read_file(dir.file("__last_run__.txt")); }

  TempDir dir;
  ReschedulerHost host;
  std::string rsf;
  SHOP released;
  std::unique_ptr<SHOP> working;
  int freeze_time = 0;
  int last_start = 0;
  int changed_machine = 0;
  int changed_start = 0;
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
    const std::string r = report();
    EXPECT_EQ(r.substr(0, r.find('\n')), " Tabu Search with _S class and do_pi");
    EXPECT_TRUE(has_line(r, "Input file :" + rsf));
    EXPECT_TRUE(has_line(r, "Initialize with the actual schedule for rescheduling!"));
    EXPECT_TRUE(has_line(r, type == 0 ? "Type: First freeze released schedule then modify environment."
                                      : "Type: First modify environment then freeze released schedule."));
    EXPECT_NE(r.find("\n num. of machines with new setups: "), std::string::npos);
    EXPECT_TRUE(has_line(r, "Freeze interval OK!"));
    EXPECT_EQ(r.substr(r.size() - 13), "\nEnd of file.");
    expect_frozen_part_kept();

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
    EXPECT_FALSE(host.label_history(ProgressLabel::SetupsNew).empty());
    EXPECT_EQ(first_run, 0);
    EXPECT_EQ(Machines[changed_machine].Cal[1].ST, changed_start);
  }
}

TEST_F(RescheduleRun, FreezeTimeAfterEveryStartKeepsTheReleasedSchedule) {
  host.resch_fields[ReschedulerField::FreezeTime] = last_start;
  ASSERT_EQ(TS_S_do_pi_Reschedule(released, *working), 1);
  EXPECT_TRUE(has_line(report(), "Freeze interval OK!"));
  EXPECT_EQ(last_SCH->equal(*released.schedule), 1);
  for (int m = 1; m <= n_of_Machines; ++m) EXPECT_EQ(Machines[m].N_Frozen, last_SCH->Mach_Count[m]);
}

TEST_F(RescheduleRun, ConfirmedStopStillEndsWithTheFullReport) {
  host.resch_fields[ReschedulerField::Steps] = 1000;
  host.answers = {true};
  host.on_process_events = [](RecordingHost&) { stop_flag = true; };
  ASSERT_EQ(TS_S_do_pi_Reschedule(released, *working), 1);
  EXPECT_EQ(host.events, 1);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Process stopped!"});
  const std::string r = report();
  EXPECT_TRUE(has_line(r, "Freeze interval OK!"));
  EXPECT_EQ(r.substr(r.size() - 13), "\nEnd of file.");
  expect_frozen_part_kept();
}

TEST_F(RescheduleRun, UnwritableReportRefusesTheRun) {
  set_run_report_folder(dir.file("missing"));
  const int speed = Machines[1].Speed;
  EXPECT_EQ(TS_S_do_pi_Reschedule(released, *working), -1);
  EXPECT_TRUE(host.is_visible(RunWindow::Rescheduler));
  EXPECT_FALSE(host.is_visible(RunWindow::Progress));
  EXPECT_EQ(first_run, 1);
  EXPECT_EQ(Machines[1].Speed, speed);
}
