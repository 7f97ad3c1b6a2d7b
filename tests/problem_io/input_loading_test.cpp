// The load of a chosen file: check first, the checking window when the check
// found something, then the reading.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/problem.h"
#include "engine/run_host.h"
#include "engine/run_state.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/temp_dir.h"

namespace {

const char* const kGood =
    "001|1|1|1\n100|0|4|0|3\n110|0|1\n120|0|0|900\n130|0|1\n140|0|0|0|0\n"
    "200|0|90|0|2|5|0|3|0\n210|0|1\n220|0|0|3|0\n";
const char* const kTwoOrders =
    "001|1|2|1\n100|0|4|0|3\n110|0|1\n120|0|0|900\n130|0|1\n140|0|0|0|0\n"
    "200|0|90|0|2|5|0|3|0\n210|0|1\n220|0|0|3|0\n"
    "200|1|90|0|3|5|0|3|0\n210|1|1\n220|1|0|3|0\n";
const char* const kMessage = "  Input data are incorrect!\nOpening process stopped!";

class MessageLog : public RunHost {
 public:
  MessageLog() { set_run_host(this); }
  ~MessageLog() override { set_run_host(nullptr); }
  void show_message(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

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
  std::vector<std::string> errors_seen, warnings_seen;
  std::function<void(InputCheck&)> on_show;
};

class InputLoad : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(read_input_path(dir.write("first.txt", kTwoOrders)), 1); }
  void TearDown() override { free_input_data(); }
  TempDir dir;
  MessageLog log;
  FakeCheckWindow window;
  InputCheck check;
};

TEST_F(InputLoad, CleanFileLoadsWithoutWindowOrMessage) {
  first_run = 0;
  EXPECT_EQ(read_input_file(dir.write("p.txt", kGood), check, window), 1);
  EXPECT_EQ(window.shows, 0);
  EXPECT_TRUE(log.shown.empty());
  EXPECT_EQ(n_of_Jobs, 2);
  EXPECT_EQ(first_run, 1);
  EXPECT_EQ(input_file_name, dir.file("p.txt"));
}

TEST_F(InputLoad, WarningsOnlyLoadAfterTheWindowCloses) {
  std::string text = kGood;
  text.replace(text.find("200|0|90|0"), 10, "200|0|90|90");
  EXPECT_EQ(read_input_file(dir.write("p.txt", text), check, window), 1);
  EXPECT_EQ(window.shows, 1);
  EXPECT_EQ(window.warnings_seen, std::vector<std::string>{"Zero Time Window of Order 0 (in 3. or 4. field) -> line_7"});
  EXPECT_TRUE(log.shown.empty());
  EXPECT_EQ(Orders[1].CST, 90);
}

TEST_F(InputLoad, ErrorsRefuseTheLoadAndKeepThePreviousProblem) {
  std::string text = kGood;
  text.replace(text.find("100|0|4"), 7, "100|0|0");
  EXPECT_EQ(read_input_file(dir.write("p.txt", text), check, window), -1);
  EXPECT_EQ(window.shows, 1);
  EXPECT_TRUE(check.input_rejected);
  EXPECT_EQ(window.errors_seen, std::vector<std::string>{"Zero Speed of Machine 0 (in 3. field) -> line_2"});
  EXPECT_EQ(log.shown, std::vector<std::string>{kMessage});
  EXPECT_EQ(n_of_Orders, 2);
  EXPECT_EQ(n_of_Jobs, 5);
  // The refused file is the one named now.
  EXPECT_EQ(input_file_name, dir.file("p.txt"));
}

TEST_F(InputLoad, LastSaveAndCheckDecides) {
  std::string bad = kGood;
  bad.replace(bad.find("100|0|4"), 7, "100|0|0");
  const std::string path = dir.write("p.txt", bad);
  // The user mends the file in the window, then breaks it again: refused.
  window.on_show = [&](InputCheck& c) {
    EXPECT_EQ(save_and_check(c, kGood), 1);
    EXPECT_EQ(save_and_check(c, bad), -1);
  };
  EXPECT_EQ(read_input_file(path, check, window), -1);
  EXPECT_EQ(log.shown.size(), 1u);
  // Mended as the last step: the mended text is what loads.
  window.on_show = [&](InputCheck& c) { EXPECT_EQ(save_and_check(c, kGood), 1); };
  EXPECT_EQ(read_input_file(path, check, window), 1);
  EXPECT_EQ(log.shown.size(), 1u);
  EXPECT_EQ(n_of_Orders, 1);
  // A warnings-only file whose window edit introduces errors is refused.
  window.on_show = [&](InputCheck& c) { save_and_check(c, bad); };
  std::string warned = kGood;
  warned.replace(warned.find("200|0|90|0"), 10, "200|0|90|90");
  EXPECT_EQ(read_input_file(dir.write("w.txt", warned), check, window), -1);
}

TEST_F(InputLoad, UnopenableFileIsRefusedWithoutWindow) {
  EXPECT_EQ(read_input_file(dir.file("missing.txt"), check, window), -1);
  EXPECT_EQ(window.shows, 0);
  EXPECT_EQ(log.shown, std::vector<std::string>{kMessage});
  EXPECT_EQ(n_of_Orders, 2);
}

TEST_F(InputLoad, WarningOfAnEarlierFileDoesNotCountForTheNext) {
  check.warning_list.push_back("Zero Time Window of Order 0 (in 3. or 4. field) -> line_7");
  EXPECT_EQ(check_input_before_open(check, window), 1);  // input_file_name: first.txt
  EXPECT_EQ(window.shows, 0);
}

}  // namespace
