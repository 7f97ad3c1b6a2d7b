#include "problem_io/released_schedule_load.h"

#include <gtest/gtest.h>

#include "engine/live_schedule.h"
#include "engine/rescheduling_states.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/recording_host.h"
#include "tests/support/released_file.h"
#include "tests/support/temp_dir.h"

namespace {

class ReleasedLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    good = write_released_file(dir, "good.rsf", 17);
    last_SCH.reset();
  }
  void TearDown() override {
    states.release();
    free_input_data();
    last_SCH.reset();
  }
  int load(const std::string& path) { return read_released_schedule(path, states, check, window); }
  // A load that fails after the good one must leave the live schedule as the
  // good one made it.
  void load_good_first() {
    ASSERT_EQ(load(good), 1);
    live_before = last_SCH.get();
    host.messages.clear();
  }

  TempDir dir;
  RecordingHost host;
  RESCH_STATES states;
  InputCheck check;
  ClosedCheckWindow window;
  std::string good;
  const SCH* live_before = nullptr;
};

TEST_F(ReleasedLoad, GoodFileGivesBothStatesAndTheLiveSchedule) {
  ASSERT_EQ(load(good), 1);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Input data reading OK!", "Released Schedule loading ok!"}));
  ASSERT_TRUE(states.loaded());
  ASSERT_TRUE(last_SCH);
  EXPECT_EQ(last_SCH->equal(*states.released->schedule), 1);
  EXPECT_EQ(states.working->schedule->equal(*states.released->schedule), 1);
  EXPECT_NE(states.working.get(), states.released.get());
  // The released state is timed and evaluated: its values are the live ones.
  EXPECT_EQ(states.released->values->Completion_Time, last_obj_value.Completion_Time);
  EXPECT_GT(last_obj_value.Completion_Time, 0);
  EXPECT_EQ(last_obj_value.n_of_Jobs, n_of_Jobs);
}

TEST_F(ReleasedLoad, ReloadReplacesBothStates) {
  ASSERT_EQ(load(good), 1);
  const SHOP* released = states.released.get();
  host.initial_snapshot = states.released.get();  // the results window's overlay
  ASSERT_EQ(load(write_released_file(dir, "other.rsf", 23)), 1);
  EXPECT_EQ(host.initial_snapshot, nullptr);  // pointed away before the old states went
  EXPECT_TRUE(states.loaded());
  EXPECT_NE(states.released.get(), released);
  EXPECT_EQ(last_SCH->equal(*states.released->schedule), 1);
}

TEST_F(ReleasedLoad, InputPartRefusedKeepsWhatWasLoaded) {
  load_good_first();
  const int jobs = n_of_Jobs;
  const std::string text = read_file(good);
  const std::string bad = dir.write("bad.rsf", "1|x|y\n" + text.substr(text.find('\n') + 1));
  EXPECT_EQ(load(bad), 0);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"  Input data are incorrect!\nOpening process stopped!"}));
  EXPECT_EQ(n_of_Jobs, jobs);
  EXPECT_TRUE(states.loaded());
  EXPECT_EQ(last_SCH.get(), live_before);
}

TEST_F(ReleasedLoad, DamagedScheduleLoadsNothing) {
  load_good_first();
  const std::string text = read_file(good);
  // A job line of the schedule part cut short: its route steps lack machines.
  const std::size_t job_line = text.rfind("\n4|");
  const std::string damaged = text.substr(0, job_line) + "\n4|" + std::to_string(n_of_Jobs) + "|1\n";
  EXPECT_EQ(load(dir.write("damaged.rsf", damaged)), 0);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Input data reading OK!"}));
  EXPECT_FALSE(states.released);
  EXPECT_FALSE(states.working);
  EXPECT_EQ(n_of_Jobs, 0);  // no problem is left without its schedule
  EXPECT_EQ(last_SCH.get(), live_before);
}

TEST_F(ReleasedLoad, ScheduleOfAnotherProblemLoadsNothing) {
  const std::string foreign = dir.write("foreign.rsf", with_foreign_schedule_header(read_file(good)));
  EXPECT_EQ(load(foreign), 0);
  EXPECT_FALSE(states.loaded());
  EXPECT_FALSE(last_SCH);
  EXPECT_EQ(n_of_Jobs, 0);
  // A schedule file without its input part is refused by the checker.
  EXPECT_EQ(load(dir.write("plain.sch", read_file(good).substr(read_file(good).find("\ns\n") + 3))), 0);
  EXPECT_FALSE(states.loaded());
}

}  // namespace
