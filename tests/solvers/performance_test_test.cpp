#include "solvers/performance_test.h"

#include <sstream>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "problem_io/report_lines.h"
#include "tests/support/solver_run.h"

namespace {

class PerformanceTestRun : public SolverRunTest {
 protected:
  void SetUp() override {
    load_varied_shop(5);
    set_fields(10, 5, 20, 3, 2);
  }
  void run(int iterations) {
    host.fields[SchedulerField::Iterations] = iterations;
    performance_test();
    lines = report_lines();
  }
  // The six criteria of a report row such as "s_2:\t1\t2\t30\t15\t4\t120".
  static OBJ_VALUE row_values(const std::string& row) {
    OBJ_VALUE v;
    std::istringstream s(row.substr(row.find('\t')));
    for (int i = 0; i < 6; ++i) s >> v.criterion(i);
    return v;
  }
  std::vector<std::string> lines;
};

}  // namespace

TEST_F(PerformanceTestRun, ReportsEveryIterationTheBestAndTheQualityMatrix) {
  // A new second at every iteration: each draws other random schedules. From
  // this start the last iteration is the best, where a search for the best
  // that stops one short shows.
  host.clock = 1700000049;
  host.on_process_events = [](RecordingHost& h) { h.clock += 1; };
  stop_flag = true;  // left from an earlier run: no stop of this one
  run(4);
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(lines[0], " Performance test.   Input file :varied.sif");
  EXPECT_EQ(lines[2], "Search_Pars:  \tmaxSTEP:10\tmaxLOOP:5\tminLOOP:2\tmaxImpless:3\tmaxTABU:20");
  EXPECT_EQ(lines[4], "ObjF:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC\tF(r,x)\tF(h,x)\tRunT\tBStep");
  EXPECT_EQ(lines[6], "   1:\t------\t------\t------\t------\t------\t------");
  EXPECT_EQ(lines[7].compare(0, 5, "rand\t"), 0);
  EXPECT_EQ(lines[8].compare(0, 5, "heur\t"), 0);
  EXPECT_EQ(lines[9].compare(0, 7, "search\t"), 0);
  // Each iteration's heuristic row ends with its comparison to the random row
  // above it, and its search row with its comparisons to both; the three
  // rows' late jobs are the iteration's bars of the Measuring chart.
  const ResultSeries bars[3] = {ResultSeries::MeasuringRandom, ResultSeries::MeasuringHeuristic,
                                ResultSeries::MeasuringSearch};
  for (const ResultSeries b : bars) ASSERT_EQ(host.series[b].size(), 4u);
  std::size_t it = 0;
  std::vector<OBJ_VALUE> search_rows(1);
  for (int i = 2; i < static_cast<int>(lines.size()); ++i) {
    if (lines[i].compare(0, 7, "search\t") != 0) continue;
    const OBJ_VALUE rows[3] = {row_values(lines[i - 2]), row_values(lines[i - 1]), row_values(lines[i])};
    const OBJ_VALUE &rand = rows[0], &heur = rows[1], &search = rows[2];
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(host.series[bars[k]][it].value, static_cast<double>(rows[k].n_of_Late_Jobs)) << it << " " << k;
    ++it;
    EXPECT_GT(rand.Completion_Time, 0);  // the random row is of a timed schedule
    EXPECT_EQ(lines[i - 1].substr(lines[i - 1].rfind('\t')), sign_column(rand.F(heur)));
    std::ostringstream row;
    row << "search";
    print_obj_row(row, search);
    row << sign_column(rand.F(search)) << sign_column(heur.F(search));
    EXPECT_EQ(lines[i].compare(0, row.str().size(), row.str()), 0) << lines[i];
    // The search starts from this iteration's heuristic schedule: its best is never worse.
    EXPECT_TRUE(search.not_worse(heur)) << lines[i - 1] << "\n" << lines[i];
    search_rows.push_back(search);
  }
  EXPECT_EQ(it, 4u);
  EXPECT_EQ(find_line(lines, " Avp(4it):"), 6 + 4 * 4);

  // Best and quality matrix follow from the search rows (criteria 6 to 8
  // carry no weight by default, so the six columns decide every comparison).
  const int first = find_line(lines, "s_1:");
  ASSERT_GT(first, 0);
  std::vector<OBJ_VALUE> s(5);
  for (int i = 1; i <= 4; ++i) s[i] = row_values(lines[first + i - 1]);
  // s_i is iteration i's own search row.
  ASSERT_EQ(search_rows.size(), 5u);
  for (int i = 1; i <= 4; ++i)
    for (int k = 0; k < 6; ++k) EXPECT_EQ(s[i].criterion(k), search_rows[i].criterion(k)) << "s_" << i;
  int best = 1;
  for (int i = 1; i <= 4; ++i)
    if (s[best].worse(s[i])) best = i;
  EXPECT_EQ(lines[first + 4], "best solution:\ts_" + std::to_string(best));
  const int matrix = find_line(lines, "Rel. quality of s_row: - better, + worse, 0 equal.");
  ASSERT_GT(matrix, 0);
  EXPECT_EQ(lines[matrix + 1], "\ts_1\ts_2\ts_3\ts_4");
  for (int i = 1; i <= 4; ++i) {
    std::string expected = "s_" + std::to_string(i);
    for (int j = 1; j <= 4; ++j) expected += sign_column(s[j].F(s[i]));
    EXPECT_EQ(lines[matrix + 1 + i], expected);
  }
  EXPECT_EQ(report().substr(report().size() - 13), "\nEnd of file.");
  // Each average is the mean of the rows of its kind.
  const int avg = find_line(lines, " Avp(4it):");
  ASSERT_GT(avg, 0);
  for (int row = 1; row <= 3; ++row) {
    const std::string kind = lines[avg + row].substr(0, lines[avg + row].find(':'));
    SCOPED_TRACE(kind);
    double sums[6] = {};
    for (const std::string& l : lines)
      for (int i = 0; i < 6 && l.compare(0, kind.size() + 1, kind + "\t") == 0; ++i)
        sums[i] += static_cast<double>(row_values(l).criterion(i));
    std::istringstream means(lines[avg + row].substr(kind.size() + 1));
    for (int i = 0; i < 6; ++i) {
      double mean = -1;
      means >> mean;
      EXPECT_NEAR(mean, sums[i] / 4, 0.01) << i;
    }
  }
  // The mean run time is the mean of the search rows' times ("\t1s\t[2]").
  double time_sum = 0;
  for (const std::string& l : lines)
    if (l.compare(0, 7, "search\t") == 0) time_sum += std::stod(l.substr(l.rfind('\t', l.rfind("s\t[")) + 1));
  EXPECT_NEAR(std::stod(lines[avg + 3].substr(lines[avg + 3].rfind('\t') + 1)), time_sum / 4, 0.01);

  EXPECT_EQ(host.labels[ProgressLabel::StepCaption], "Iteration:");
  EXPECT_EQ(host.labels[ProgressLabel::Step], "4");
  EXPECT_EQ(host.labels[ProgressLabel::StepTotal], "4");
  EXPECT_EQ(host.labels[ProgressLabel::StepSlash], "/");
  EXPECT_TRUE(host.memo_visible[ResultsMemo::Average]);
  EXPECT_TRUE(host.is_visible(RunWindow::Results));
  EXPECT_FALSE(host.is_visible(RunWindow::Progress));
  EXPECT_EQ(host.perf_test_unchecked, 1);
  // The live schedule and the first-run flag are the planner's, not the test's.
  EXPECT_FALSE(last_SCH);
  EXPECT_EQ(first_run, 1);
}

TEST_F(PerformanceTestRun, IterationsWithinOneSecondDrawAsIfEachHadItsOwn) {
  // The clock stands still: iteration 2 draws what a test started one second
  // later draws in its first iteration, not iteration 1 again.
  run(2);
  const int first = find_line(lines, "s_1:");
  ASSERT_GT(first, 0);
  const std::string second_search = lines[first + 1].substr(4);
  const std::string second_random = lines[find_line(lines, "   2:\t------\t------\t------\t------\t------\t------") + 1];

  host.clock += 1;
  run(1);
  EXPECT_EQ(lines[find_line(lines, "s_1:")].substr(4), second_search);
  EXPECT_EQ(lines[find_line(lines, "   1:\t------\t------\t------\t------\t------\t------") + 1], second_random);
}

// Event 1 is the test's own, event 2 the search's first step. "Stop" at event
// 2 ends that search at once; at event 1 the search clears the request before
// its first step, and the test must keep it. Either way the next iteration
// asks, and the summary covers the one iteration started.
TEST_F(PerformanceTestRun, StopConfirmedSummarisesTheIterationsStarted) {
  using Texts = std::vector<std::string>;
  for (const int event : {2, 1}) {
    SCOPED_TRACE(event);
    host.answers = {true};
    host.questions.clear();
    host.messages.clear();
    host.events = 0;
    host.on_process_events = [event](RecordingHost& h) {
      if (h.events == event) stop_flag = true;
    };
    run(5);
    EXPECT_EQ(host.questions, Texts{"Do You really want to stop the test?"});
    const Texts stopped = event == 2 ? Texts{"Batch Scheduling Process stopped!", "Test stopped!"}
                                     : Texts{"Test stopped!"};
    EXPECT_EQ(host.messages, stopped);
    const int avg = find_line(lines, " Avp(1it):");
    ASSERT_GT(avg, 0);
    EXPECT_EQ(lines[avg - 1], "   2:\t------\t------\t------\t------\t------\t------");
    EXPECT_EQ(find_line(lines, "s_2:"), -1);
    EXPECT_EQ(host.series[ResultSeries::MeasuringHeuristic].size(), 1u);
  }
}

TEST_F(PerformanceTestRun, NoIterationAveragesToZeroAndOneIsItsOwnBest) {
  run(0);
  const int avg = find_line(lines, " Avp(0it):");
  ASSERT_GT(avg, 0);
  EXPECT_EQ(lines[avg + 1], "rand:\t0\t0\t0\t0\t0\t0");
  EXPECT_EQ(lines[avg + 3], "search:\t0\t0\t0\t0\t0\t0\t0\t0\t0s");
  EXPECT_EQ(find_line(lines, "best solution:"), -1);

  run(1);
  const int matrix = find_line(lines, "Rel. quality");
  ASSERT_GT(matrix, 0);
  EXPECT_EQ(lines[matrix + 2], "s_1\t0");
  EXPECT_NE(find_line(lines, "best solution:\ts_1"), -1);
}
