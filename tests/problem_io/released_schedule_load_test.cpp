#include "problem_io/released_schedule_load.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/live_schedule.h"
#include "engine/rescheduling_states.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "engine/problem_invariants.h"
#include "tests/support/fifo.h"
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

TEST_F(ReleasedLoad, GoodFileGivesBothStatesAndTheLiveScheduleAndAReloadReplacesThem) {
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

  const SHOP* released = states.released.get();
  host.initial_snapshot = states.released.get();  // the results window's overlay
  ASSERT_EQ(load(write_released_file(dir, "other.rsf", 23)), 1);
  EXPECT_EQ(host.initial_snapshot, nullptr);  // pointed away before the old states went
  EXPECT_TRUE(states.loaded());
  EXPECT_NE(states.released.get(), released);
  EXPECT_EQ(last_SCH->equal(*states.released->schedule), 1);
}

// After a good load, a refused input part keeps that problem and its states;
// a schedule part that does not fit the problem just read leaves no problem
// and no state (none is left without its schedule). The live schedule stays.
TEST_F(ReleasedLoad, RefusedFilesKeepTheLiveScheduleAndNoHalfLoad) {
  const std::string text = read_file(good);
  const std::vector<std::string> refused{"  Input data are incorrect!\nOpening process stopped!"};
  const std::vector<std::string> input_read{"Input data reading OK!"};
  // A job line of the schedule part cut short: its route steps lack machines.
  const std::size_t job_line = text.rfind("\n4|");
  const std::string job = text.substr(job_line + 3, text.find('|', job_line + 3) - job_line - 3);
  const struct {
    const char* name;
    std::string text;
    std::vector<std::string> messages;
    bool keeps_problem;
  } cases[] = {
      {"input part refused", "1|x|y\n" + text.substr(text.find('\n') + 1), refused, true},
      {"schedule file without its input part", text.substr(text.find("\ns\n") + 3), refused, true},
      {"job line cut short", text.substr(0, job_line) + "\n4|" + job + "|1\n", input_read, false},
      {"schedule of another problem", with_foreign_schedule_header(text), input_read, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    load_good_first();
    const int jobs = n_of_Jobs;
    EXPECT_EQ(load(dir.write("bad.rsf", c.text)), 0);
    EXPECT_EQ(host.messages, c.messages);
    EXPECT_EQ(n_of_Jobs, c.keeps_problem ? jobs : 0);
    EXPECT_EQ(states.loaded(), c.keeps_problem);
    EXPECT_EQ(states.released != nullptr || states.working != nullptr, c.keeps_problem);
    EXPECT_EQ(last_SCH.get(), live_before);
  }
}

// The released file with order 0's due date set to its earliest start: a
// warning, so the checking window shows.
std::string with_zero_time_window(const std::string& text) {
  const std::size_t at = text.find("\n200|0|") + 1;
  const std::size_t cet = text.find('|', at + 4) + 1;
  const std::size_t cst = text.find('|', cet) + 1;
  const std::string cst_text = text.substr(cst, text.find('|', cst) - cst);
  return text.substr(0, cet) + cst_text + text.substr(cst - 1);
}

// A checking window whose stand-in, while it is open, writes another
// released file over the one being loaded.
class ReplacingCheckWindow : public InputCheckWindow {
 public:
  void show_modal(InputCheck&) override {
    ++shows;
    write();
  }
  std::function<void()> write;
  int shows = 0;
};

// The file changes on disk while the checking window stands open: the problem
// and the released schedule are both those of the text that was checked.
TEST_F(ReleasedLoad, WhatLoadsIsWhatWasCheckedWhateverTheFileBecameMeanwhile) {
  const std::string warned = with_zero_time_window(read_file(good));
  const std::string other = read_file(write_released_file(dir, "other.rsf", 23));
  ASSERT_EQ(load(dir.write("first.rsf", warned)), 1);
  const int jobs = n_of_Jobs;
  const SCH released = *states.released->schedule;
  states.release();
  free_input_data();

  ReplacingCheckWindow replacing;
  const std::string path = dir.write("warned.rsf", warned);
  replacing.write = [&] { dir.write("warned.rsf", other); };
  ASSERT_EQ(read_released_schedule(path, states, check, replacing), 1);
  EXPECT_EQ(replacing.shows, 1);
  EXPECT_EQ(read_file(path), other);
  EXPECT_EQ(n_of_Jobs, jobs);
  EXPECT_EQ(states.released->schedule->equal(released), 1);
  EXPECT_EQ(problem_invariant_fault(), "");
}

// A pipe in place of the released file is refused by name, without waiting
// for a writer; the problem and the states loaded before stay.
TEST_F(ReleasedLoad, APipeIsRefusedByNameAndNothingChanges) {
  load_good_first();
  const int jobs = n_of_Jobs;
  const Fifo fifo(dir.file("pipe.rsf"));
  ASSERT_TRUE(fifo.made());
  EXPECT_EQ(load(fifo.path()), 0);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"The file\n" + fifo.path() +
                                                     "\nis not a regular file (a folder, a pipe or a device)."
                                                     "\nOpening process stopped!"}));
  EXPECT_EQ(window.shows, 0);
  EXPECT_EQ(n_of_Jobs, jobs);
  EXPECT_TRUE(states.loaded());
  EXPECT_EQ(last_SCH.get(), live_before);
}

}  // namespace
