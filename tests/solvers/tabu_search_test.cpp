#include "solvers/tabu_search.h"

#include <algorithm>
#include <sstream>

#include "engine/live_schedule.h"
#include "engine/random_source.h"
#include "engine/run_state.h"
#include "engine/search_parameters.h"
#include "problem_io/input_reader.h"
#include "problem_io/report_lines.h"
#include "tests/support/small_shop.h"
#include "tests/support/solver_run.h"
#include "tests/support/varied_shop.h"

namespace {

class TabuSearchRun : public SolverRunTest {
 protected:
  void SetUp() override {
    load_varied_shop(7);
    set_fields(12, 6, 20);
  }
  int stat(OperatorColumn c, int op) { return host.operator_stats[{c, op}]; }
  static std::string values_block(OBJ_VALUE v) {
    std::ostringstream s;
    print_obj_values(s, v);
    return s.str();
  }
  // The random starting schedule a first run draws with the host's clock.
  std::string first_start_block() const {
    seed_random(static_cast<std::uint32_t>(host.clock));
    reset_J_A_M_wload();
    random_J_A_M_wload();
    _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    return values_block(values_of(S));
  }
  std::string live_block() const {
    _S live(*last_SCH);
    return values_block(values_of(live));
  }
};

}  // namespace

TEST_F(TabuSearchRun, FirstRunWritesTheWholeReportAndInstallsTheBest) {
  const std::string start_block = first_start_block();
  host.on_process_events = [](RecordingHost& h) {
    if (h.events == 1) h.clock += 75;
  };
  ASSERT_EQ(TS_S_do_pi(), 1);

  const long long evaluated = report_number("Number of evaluated schedule: ");
  const std::vector<std::string> lines = report_lines();
  const int best_line = find_line(lines, "best step: ");
  ASSERT_GT(best_line, 0);
  std::ostringstream expected;
  expected << "Tabu Search with _S class and do_pi.\nInput file :varied.sif\n"
           << "Machine: 20 Orders: 8 Jobs:" << n_of_Jobs << "\n"
           << "First running: Initialize with random values\n\n Objective values of the initialized schedule:\n"
           << start_block << "\n\n Elapsed time: 1 (min) and 15 (sec)\n\n"
           << "Number of evaluated schedule: " << evaluated << "\n" << lines[best_line] << "\n\n"
           << live_block() << "\n\n size of TabuList: " << std::min<long long>(evaluated - 1, 20)
           << "\nEnd of file.";
  EXPECT_EQ(report(), expected.str());
  EXPECT_GT(evaluated, 12);
  EXPECT_LE(evaluated, 1 + 12 * 6);
  expect_live_schedule_consistent();

  // Twelve steps: each counted once in the operator sums and drawn once in
  // every step series; each new overall best is one point of the best chart.
  EXPECT_EQ(stat(OperatorColumn::Total, 0), 12);
  int per_operator = 0;
  for (int k = 1; k <= n_of_operators; ++k) per_operator += stat(OperatorColumn::Total, k);
  EXPECT_LE(per_operator, 12);
  EXPECT_EQ(host.series[ResultSeries::StepLateJobs].size(), 12u);
  EXPECT_EQ(host.series[ResultSeries::StepCompletion].size(), 12u);
  const std::vector<SeriesPoint>& bests = host.series[ResultSeries::BestLateJobs];
  ASSERT_EQ(bests.size(), static_cast<size_t>(stat(OperatorColumn::Improve, 0)));
  ASSERT_FALSE(bests.empty());
  EXPECT_EQ(bests.back().value, static_cast<double>(last_obj_value.n_of_Late_Jobs));  // the last best is the live one
  EXPECT_EQ(bests.back().label, std::to_string(bests.size()));
  EXPECT_EQ(bests.back().x, static_cast<double>(bests.size()));
  for (int k = 1; k <= n_of_operators; ++k) EXPECT_EQ(stat(OperatorColumn::Priority, k), Nx_op_pri[k]) << k;
  EXPECT_EQ(host.labels[ProgressLabel::Title], "TAVO Solver");
  EXPECT_EQ(host.series[ResultSeries::StepLateJobs][0].label, "1");
  EXPECT_EQ(host.label_history(ProgressLabel::Step).back(), "12");
  EXPECT_EQ(host.labels[ProgressLabel::StepTotal], "12");
  EXPECT_EQ(host.label_history(ProgressLabel::LateJobs).front(), "");  // emptied at the start
  EXPECT_EQ(host.loops_field, 6);
  EXPECT_EQ(host.tabu_field, 20);

  EXPECT_EQ(host.memo_text[ResultsMemo::Index], report());
  EXPECT_TRUE(host.memo_visible[ResultsMemo::Index]);
  EXPECT_FALSE(host.is_visible(RunWindow::Progress));
  EXPECT_TRUE(host.is_visible(RunWindow::Scheduler));
  EXPECT_FALSE(host.clock_running);
  EXPECT_EQ(host.closed, (std::vector<RunWindow>{RunWindow::ObjectivePriority, RunWindow::Results,
                                                 RunWindow::OperatorPriority}));
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(first_run, 0);
  EXPECT_TRUE(Op_Total.empty() && OBJ_history.empty());
}

TEST_F(TabuSearchRun, LaterRunAsksAndYesStartsFromTheLiveScheduleOfThisProblemOnly) {
  ASSERT_EQ(TS_S_do_pi(), 1);
  const std::string first_best = live_block();
  host.answers = {true};
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_EQ(host.questions, std::vector<std::string>{"Would You like to reload the last Sch values?"});
  EXPECT_NE(report().find("\n\nInitialize with last schedule!\n\n Objective values of the initialized schedule:\n" +
                          first_best),
            std::string::npos);
  host.answers = {false};
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_NE(report().find("\nInitialize with random values!\n"), std::string::npos);

  // A live schedule without tables (e.g. after loading another problem) is no
  // start: Yes then starts from a random schedule.
  last_SCH = std::make_unique<SCH>();
  host.answers = {true};
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_NE(report().find("\nInitialize with random values!\n"), std::string::npos);
  EXPECT_TRUE(last_SCH->has_tables());
}

TEST_F(TabuSearchRun, StopAnsweredNoGoesOnAndYesEndsWithTheFullReport) {
  host.answers = {false, true};
  host.on_process_events = [](RecordingHost& h) {
    if (h.events == 2 || h.events == 4) stop_flag = true;
  };
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_EQ(host.questions.size(), 2u);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Process stopped!"});
  EXPECT_EQ(stat(OperatorColumn::Total, 0), 4);  // steps 1 to 4 ran
  EXPECT_EQ(host.series[ResultSeries::StepSetups].size(), 4u);
  EXPECT_EQ(report().substr(report().size() - 13), "\nEnd of file.");
  EXPECT_EQ(report_number(" size of TabuList: "), std::min(report_number("Number of evaluated schedule: ") - 1, 20LL));
  expect_live_schedule_consistent();
}

TEST_F(TabuSearchRun, ProgressWindowFieldsApplyFromTheNextStepAndNeverShrinkTheList) {
  // Events run at the start of a step; from step 3 on one sample per step,
  // and a tabu-list limit of 2 drops one oldest entry per addition only.
  host.on_process_events = [](RecordingHost& h) {
    if (h.events == 3) {
      maxLOOP = 1;
      maxTABU = 2;
    }
  };
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_LE(report_number("Number of evaluated schedule: "), 1 + 2 * 6 + 10);
  EXPECT_GT(report_number(" size of TabuList: "), 2);
}

TEST_F(TabuSearchRun, WithoutAnyWeightOnlyTheDoPiSearchCountsEqualStepsAsImprovements) {
  // All priorities 0: every two schedules compare equal. TS_S_do_pi replaces the
  // overall best at every step; TS_AUTOSTOP never does and stops after AutoStop
  // steps counted from the start (step 0).
  std::fill(ObjPri, ObjPri + 9, 0);
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_EQ(stat(OperatorColumn::Improve, 0), 12);
  EXPECT_GT(find_line(report_lines(), "best step: 12best loop: "), 0);

  host.answers = {false};
  set_fields(50, 6, 20, 2, 1);
  ASSERT_EQ(TS_AUTOSTOP(), 1);
  EXPECT_EQ(host.messages, std::vector<std::string>{"AutoStop: The result have not been improved!"});
  EXPECT_EQ(stat(OperatorColumn::Total, 0), 3);
  EXPECT_EQ(stat(OperatorColumn::Improve, 0), 0);
  EXPECT_TRUE(host.series[ResultSeries::BestLateJobs].empty());
  EXPECT_EQ(report().compare(0, 27, "Tabu Search with AUTOSTOP.\n"), 0);
  EXPECT_GT(find_line(report_lines(), "best step: 0best loop: "), 0);
  EXPECT_EQ(minLOOP, 1);
}

TEST_F(TabuSearchRun, StepsWithoutAnyTakenSampleCountInTheSumsOnly) {
  // One job per machine: operator 3 (the only one with weight) always draws a
  // machine with fewer than two jobs and drops its sample, so the step's best
  // stays the starting schedule (step operator 0).
  load_small_shop({{1, 1, 1}, {1, 1, 1}}, {{1, 10, 1, 1, 1, 0, 5, {1}}, {1, 10, 1, 1, 2, 0, 5, {2}}});
  std::fill(Nx_op_pri + 1, Nx_op_pri + n_of_operators + 1, 0);
  Nx_op_pri[3] = 1;
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_EQ(report_number("Number of evaluated schedule: "), 1);
  EXPECT_EQ(stat(OperatorColumn::Total, 0), 12);
  EXPECT_EQ(stat(OperatorColumn::Improve, 0), 12);
  for (int k = 1; k <= n_of_operators; ++k) {
    EXPECT_EQ(stat(OperatorColumn::Total, k), 0) << k;
    EXPECT_EQ(stat(OperatorColumn::Improve, k), 0) << k;
  }
  EXPECT_EQ(stat(OperatorColumn::Priority, 3), 1);
  EXPECT_GT(find_line(report_lines(), "best step: 12best loop: 0"), 0);
}
