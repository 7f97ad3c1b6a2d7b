// The load of a chosen file: check first, the checking window when the check
// found something, then the reading.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/problem.h"
#include "engine/run_state.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_limits.h"
#include "problem_io/input_loading.h"
#include "problem_io/input_reader.h"
#include "engine/problem_invariants.h"
#include "tests/support/fifo.h"
#include "tests/support/input_text.h"
#include "tests/support/recording_host.h"

namespace {

using Lines = std::vector<std::string>;
const char* const kMessage = "  Input data are incorrect!\nOpening process stopped!";
// The sample with four jobs instead of three, clean, with a warning and with an error.
const std::string kGood = sample_with_line(14, "200|0|500|10|4|7|0|3|1");
const std::string kWarned = sample_with_line(14, "200|0|10|10|4|7|0|3|1");
const std::string kBad = sample_with_line(2, "100|0|0|0|1");

// Stands in for the checking window; on_show plays what the user does in it.
class FakeCheckWindow : public InputCheckWindow {
 public:
  void show_modal(InputCheck& check) override {
    ++shows;
    errors_seen = check.error_list;
    warnings_seen = check.warning_list;
    if (on_show) on_show(check);
  }
  int shows = 0;
  Lines errors_seen, warnings_seen;
  std::function<void(InputCheck&)> on_show;
};

// The sample (three jobs) is loaded before every case.
class InputLoad : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(read_input_path(dir.write("first.txt", join_lines(sample_input_lines()))), 1); }
  void TearDown() override { free_input_data(); }
  int load(const std::string& text) { return read_input_file(dir.write("p.txt", text), check, window); }
  TempDir dir;
  RecordingHost host;
  FakeCheckWindow window;
  InputCheck check;
};

// A clean file loads without the window; warnings alone load once the window
// closes; errors or a file that cannot be opened refuse the load with the
// message and keep the previous problem. The file tried is the one named now.
TEST_F(InputLoad, TheCheckDecidesWindowMessageAndLoad) {
  const struct {
    const char* name;
    const std::string* text;  // nullptr: no such file
    int result;
    Lines errors_seen, warnings_seen;  // in the window, when it shows
    bool window;
    int jobs;
  } cases[] = {
      {"clean", &kGood, 1, {}, {}, false, 4},
      {"warnings only", &kWarned, 1, {}, {"Zero Time Window of Order 0 (in 3. or 4. field) -> line_14"}, true, 4},
      {"errors", &kBad, -1, {"Zero Speed of Machine 0 (in 3. field) -> line_2"}, {}, true, 3},
      {"no such file", nullptr, -1, {}, {}, false, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(read_input_path(dir.file("first.txt")), 1);
    first_run = 0;
    host.messages.clear();
    window = FakeCheckWindow();
    check = InputCheck();
    const std::string path = c.text ? dir.write("p.txt", *c.text) : dir.file("missing.txt");
    EXPECT_EQ(read_input_file(path, check, window), c.result);
    EXPECT_EQ(window.shows, c.window ? 1 : 0);
    EXPECT_EQ(window.errors_seen, c.errors_seen);
    EXPECT_EQ(window.warnings_seen, c.warnings_seen);
    EXPECT_EQ(check.input_rejected, c.result == -1 && c.window);
    EXPECT_EQ(host.messages, c.result == 1 ? Lines{} : Lines{kMessage});
    EXPECT_EQ(n_of_Jobs, c.jobs);
    EXPECT_EQ(first_run, c.result == 1 ? 1 : 0);
    EXPECT_EQ(input_file_name, path);
  }
}

TEST_F(InputLoad, LastSaveAndCheckDecides) {
  // The user mends the file in the window, then breaks it again: refused.
  window.on_show = [&](InputCheck& c) {
    EXPECT_EQ(save_and_check(c, kGood), 1);
    EXPECT_FALSE(c.input_rejected);
    EXPECT_TRUE(c.error_list.empty());
    EXPECT_EQ(save_and_check(c, kBad), -1);
  };
  EXPECT_EQ(load(kBad), -1);
  EXPECT_EQ(host.messages.size(), 1u);
  // Mended as the last step: the mended text is written over the file and loads.
  window.on_show = [&](InputCheck& c) { EXPECT_EQ(save_and_check(c, kGood), 1); };
  EXPECT_EQ(load(kBad), 1);
  EXPECT_EQ(read_file(input_file_name), kGood);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(n_of_Jobs, 4);
  // A warnings-only file whose window edit introduces errors is refused.
  window.on_show = [&](InputCheck& c) { save_and_check(c, kBad); };
  EXPECT_EQ(load(kWarned), -1);
}

TEST_F(InputLoad, SaveThatCannotWriteKeepsTheFileAndIsNeverACleanCheck) {
  // A warnings-only file the user may not write: the mended text cannot go
  // out, so the old content must not pass for a check of the edit.
  const std::string path = dir.write("p.txt", kWarned);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  window.on_show = [&](InputCheck& c) {
    EXPECT_EQ(save_and_check(c, kGood), 0);
    EXPECT_TRUE(c.input_rejected);
    EXPECT_EQ(c.error_list, Lines{SAVE_FAILED_MESSAGE});
    EXPECT_TRUE(c.warning_list.empty());
  };
  EXPECT_EQ(read_input_file(path, check, window), -1);
  EXPECT_EQ(read_file(path), kWarned);
  EXPECT_EQ(host.messages, Lines{kMessage});
  EXPECT_EQ(n_of_Jobs, 3);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

TEST_F(InputLoad, WarningOfAnEarlierFileDoesNotCountForTheNext) {
  check.warning_list.push_back("Zero Time Window of Order 0 (in 3. or 4. field) -> line_14");
  EXPECT_EQ(check_input_before_open(check, window), 1);  // input_file_name: first.txt
  EXPECT_EQ(window.shows, 0);
}

// The window stands open while the file changes on disk (an editor saving it,
// a sync tool): the load reads what was checked, or what the last "Save and
// Check" wrote, never what the file holds by the time the window closes.
// Here the file becomes a problem whose machine 1 is permitted in two machine
// groups, which the engine cannot hold.
TEST_F(InputLoad, WhatLoadsIsWhatWasCheckedWhateverTheFileBecameMeanwhile) {
  const std::string two_groups = sample_with_line(17, "220|0|2|3|0");
  window.on_show = [&](InputCheck&) { dir.write("p.txt", two_groups); };
  ASSERT_EQ(load(kWarned), 1);
  EXPECT_EQ(window.shows, 1);
  EXPECT_EQ(read_file(input_file_name), two_groups);
  EXPECT_EQ((std::vector<int>{n_of_Jobs, Orders[1].CET, Orders[1].MG_M[7][1]}), (std::vector<int>{4, 10, 2}));
  EXPECT_EQ(problem_invariant_fault(), "");

  const std::string five_jobs = sample_with_line(14, "200|0|500|10|5|7|0|3|1");
  window.on_show = [&](InputCheck& c) {
    ASSERT_EQ(save_and_check(c, five_jobs), 1);
    dir.write("p.txt", two_groups);
  };
  ASSERT_EQ(load(kBad), 1);
  EXPECT_EQ(n_of_Jobs, 5);
  EXPECT_EQ(problem_invariant_fault(), "");
  EXPECT_TRUE(check.input_bytes.empty());  // the checked text is not kept after the load
}

// A pipe or a folder chosen as the input file is refused by name, without the
// checking window and without waiting for a writer; the problem stays.
TEST_F(InputLoad, APipeOrAFolderIsRefusedByNameAndNothingChanges) {
  const Fifo fifo(dir.file("pipe.txt"));
  ASSERT_TRUE(fifo.made());
  for (const std::string& path : {fifo.path(), dir.path()}) {
    SCOPED_TRACE(path);
    host.messages.clear();
    first_run = 0;
    EXPECT_EQ(read_input_file(path, check, window), -1);
    EXPECT_EQ(host.messages, Lines{"The file\n" + path +
                                   "\nis not a regular file (a folder, a pipe or a device).\nOpening process stopped!"});
    EXPECT_EQ(window.shows, 0);
    EXPECT_EQ((std::vector<int>{n_of_Jobs, first_run}), (std::vector<int>{3, 0}));
  }
}

// A file beyond the size a load reads is refused by name before anything is
// reserved for it (the file here is sparse: it takes no room on disk).
TEST_F(InputLoad, AFileTooLargeToHoldIsRefusedByNameBeforeAnythingIsReserved) {
  const std::string path = dir.write("huge.txt", kGood);
  std::filesystem::resize_file(path, kMaxInputFileBytes + 1);
  EXPECT_EQ(read_input_file(path, check, window), -1);
  EXPECT_EQ(host.messages,
            Lines{"The file\n" + path + "\nis too large to load (more than 2048 MB).\nOpening process stopped!"});
  EXPECT_EQ(window.shows, 0);
  EXPECT_EQ(check.input_bytes.capacity(), std::string().capacity());
  EXPECT_EQ(n_of_Jobs, 3);
}

}  // namespace
