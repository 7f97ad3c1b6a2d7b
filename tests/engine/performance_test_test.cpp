#include "engine/performance_test.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/live_schedule.h"
#include "engine/objective_value.h"
#include "engine/run_report.h"
#include "problem_io/input_reader.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"
#include "tests/support/varied_shop.h"

namespace {

class PerformanceTestRun : public ::testing::Test {
 protected:
  void SetUp() override {
    set_run_report_folder(dir.path());
    build_varied_shop(5, 8);
    input_file_name = "varied.sif";
    first_run = 1;
    stop_flag = false;
    host.fields[SchedulerField::Steps] = 10;
    host.fields[SchedulerField::Loops] = 5;
    host.fields[SchedulerField::TabuSize] = 20;
    host.fields[SchedulerField::ImprovementLess] = 3;
    host.fields[SchedulerField::MinLoop] = 2;
  }
  void TearDown() override {
    set_run_report_folder("");
    last_SCH.reset();
    stop_flag = false;
  }
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    std::istringstream s(read_file(dir.file("__last_run__.txt")));
    for (std::string l; std::getline(s, l);) out.push_back(l);
    return out;
  }
  // Index of the first line that starts with prefix, -1 when none.
  static int find_line(const std::vector<std::string>& ls, const std::string& prefix, int from = 0) {
    for (int i = from; i < static_cast<int>(ls.size()); ++i)
      if (ls[i].compare(0, prefix.size(), prefix) == 0) return i;
    return -1;
  }
  // The six criteria of a report row such as "s_2:\t1\t2\t30\t15\t4\t120".
  static OBJ_VALUE row_values(const std::string& row) {
    OBJ_VALUE v;
    std::istringstream s(row.substr(row.find('\t')));
    for (int i = 0; i < 6; ++i) s >> v.criterion(i);
    return v;
  }

  TempDir dir;
  RecordingHost host;
};

}  // namespace

TEST_F(PerformanceTestRun, ReportsEveryIterationTheBestAndTheQualityMatrix) {
  host.fields[SchedulerField::Iterations] = 4;
  // A new second at every iteration: each draws other random schedules.
  host.on_process_events = [](RecordingHost& h) { h.clock += 1; };
  performance_test();
  const std::vector<std::string> ls = lines();
  ASSERT_GE(ls.size(), 6u);
  EXPECT_EQ(ls[0], " Performance test.   Input file :varied.sif");
  EXPECT_EQ(ls[2], "Search_Pars:  \tmaxSTEP:10\tmaxLOOP:5\tminLOOP:2\tmaxImpless:3\tmaxTABU:20");
  EXPECT_EQ(ls[4], "ObjF:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC\tF(r,x)\tF(h,x)\tRunT\tBStep");
  EXPECT_EQ(ls[6], "   1:\t------\t------\t------\t------\t------\t------");
  EXPECT_EQ(ls[7].compare(0, 5, "rand\t"), 0);
  EXPECT_EQ(ls[8].compare(0, 5, "heur\t"), 0);
  EXPECT_EQ(ls[9].compare(0, 7, "search\t"), 0);
  EXPECT_EQ(find_line(ls, " Avp(4it):"), 6 + 4 * 4);

  // Best and quality matrix follow from the search rows (criteria 6 to 8
  // carry no weight by default, so the six columns decide every comparison).
  const int first = find_line(ls, "s_1:");
  ASSERT_GT(first, 0);
  std::vector<OBJ_VALUE> s(5);
  for (int i = 1; i <= 4; ++i) s[i] = row_values(ls[first + i - 1]);
  int best = 1;
  for (int i = 1; i <= 4; ++i)
    if (s[best].worse(s[i])) best = i;
  EXPECT_EQ(ls[first + 4], "best solution:\ts_" + std::to_string(best));
  const int matrix = find_line(ls, "Rel. quality of s_row: - better, + worse, 0 equal.");
  ASSERT_GT(matrix, 0);
  EXPECT_EQ(ls[matrix + 1], "\ts_1\ts_2\ts_3\ts_4");
  for (int i = 1; i <= 4; ++i) {
    std::string expected = "s_" + std::to_string(i);
    for (int j = 1; j <= 4; ++j) expected += sign_column(s[j].F(s[i]));
    EXPECT_EQ(ls[matrix + 1 + i], expected);
  }
  EXPECT_EQ(read_file(dir.file("__last_run__.txt")).substr(read_file(dir.file("__last_run__.txt")).size() - 13),
            "\nEnd of file.");

  // The search rows are the Measuring chart's third series.
  ASSERT_EQ(host.series[ResultSeries::MeasuringSearch].size(), 4u);
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(host.series[ResultSeries::MeasuringSearch][i - 1].value, static_cast<double>(s[i].n_of_Late_Jobs));
  EXPECT_EQ(host.series[ResultSeries::MeasuringRandom].size(), 4u);
  EXPECT_TRUE(host.memo_visible[ResultsMemo::Average]);
  EXPECT_TRUE(host.is_visible(RunWindow::Results));
  EXPECT_FALSE(host.is_visible(RunWindow::Progress));
  EXPECT_EQ(host.perf_test_unchecked, 1);
  // The live schedule and the first-run flag are the planner's, not the test's.
  EXPECT_FALSE(last_SCH);
  EXPECT_EQ(first_run, 1);
}

TEST_F(PerformanceTestRun, OneIterationAndEqualResultsKeepTheEarliest) {
  host.fields[SchedulerField::Iterations] = 1;
  performance_test();
  std::vector<std::string> ls = lines();
  int matrix = find_line(ls, "Rel. quality");
  ASSERT_GT(matrix, 0);
  EXPECT_EQ(ls[matrix + 2], "s_1\t0");
  EXPECT_NE(find_line(ls, "best solution:\ts_1"), -1);

  // With the clock standing still every iteration redraws the same schedules.
  host.fields[SchedulerField::Iterations] = 3;
  performance_test();
  ls = lines();
  const int first = find_line(ls, "s_1:");
  ASSERT_GT(first, 0);
  EXPECT_EQ(ls[first].substr(4), ls[first + 1].substr(4));
  EXPECT_EQ(ls[first + 3], "best solution:\ts_1");
  matrix = find_line(ls, "Rel. quality");
  EXPECT_EQ(ls[matrix + 3], "s_2\t0\t0\t0");
}

TEST_F(PerformanceTestRun, StopConfirmedSummarisesTheIterationsStarted) {
  host.fields[SchedulerField::Iterations] = 5;
  host.answers = {true};
  // Event 1 is the test's own, event 2 the search's first step: "Stop" there
  // ends that search at once, and the next iteration asks.
  host.on_process_events = [](RecordingHost& h) {
    if (h.events == 2) stop_flag = true;
  };
  performance_test();
  EXPECT_EQ(host.questions, std::vector<std::string>{"Do You really want to stop the test?"});
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Batch Scheduling Process stopped!", "Test stopped!"}));
  const std::vector<std::string> ls = lines();
  const int avg = find_line(ls, " Avp(1it):");
  ASSERT_GT(avg, 0);
  EXPECT_EQ(ls[avg - 1], "   2:\t------\t------\t------\t------\t------\t------");
  EXPECT_EQ(find_line(ls, "s_2:"), -1);
  EXPECT_EQ(host.series[ResultSeries::MeasuringHeuristic].size(), 1u);
}

TEST_F(PerformanceTestRun, StopPressedBetweenSearchesIsNotLost) {
  host.fields[SchedulerField::Iterations] = 3;
  host.answers = {true};
  host.on_process_events = [](RecordingHost& h) {
    if (h.events == 1) stop_flag = true;  // the test's own events, before the search
  };
  performance_test();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Test stopped!"});
  const std::vector<std::string> ls = lines();
  EXPECT_NE(find_line(ls, " Avp(1it):"), -1);
}

TEST_F(PerformanceTestRun, NoIterationAveragesToZero) {
  host.fields[SchedulerField::Iterations] = 0;
  performance_test();
  const std::vector<std::string> ls = lines();
  const int avg = find_line(ls, " Avp(0it):");
  ASSERT_GT(avg, 0);
  EXPECT_EQ(ls[avg + 1], "rand:\t0\t0\t0\t0\t0\t0");
  EXPECT_EQ(find_line(ls, "best solution:"), -1);
}

TEST_F(PerformanceTestRun, UnwritableReportRunsNothing) {
  set_run_report_folder(dir.file("missing"));
  performance_test();
  EXPECT_EQ(host.messages, std::vector<std::string>{"File opening error! Process stopped."});
  EXPECT_EQ(host.events, 0);
  EXPECT_EQ(host.perf_test_unchecked, 1);
}
