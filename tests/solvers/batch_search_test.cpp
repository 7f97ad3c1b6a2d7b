#include "solvers/batch_search.h"

#include <algorithm>
#include <sstream>

#include "engine/live_schedule.h"
#include "engine/random_source.h"
#include "engine/run_state.h"
#include "engine/search_parameters.h"
#include "engine/tabu_list.h"
#include "problem_io/input_reader.h"
#include "problem_io/report_lines.h"
#include "tests/support/solver_run.h"
#include "tests/support/varied_shop.h"

namespace {

class BatchRun : public SolverRunTest {
 protected:
  void SetUp() override {
    load_varied_shop(11);
    set_fields(30, 8, 25, 4, 3);
  }
  static std::string row_of(_S& S) {
    std::ostringstream s;
    print_obj_row(s, values_of(S));
    return s.str();
  }
  static _S random_schedule() {
    reset_J_A_M_wload();
    random_J_A_M_wload();
    return _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  }
};

}  // namespace

TEST_F(BatchRun, WritesTheTableReportAndInstallsTheResult) {
  // The starting schedule of a first run is drawn before the run seeds.
  seed_random(99);
  _S start = random_schedule();
  const std::string init_row = row_of(start);
  seed_random(99);
  maxLOOP = 77;
  maxTABU = 66;
  minLOOP = 55;
  ASSERT_EQ(TS_batch_mode(), 1);

  _S live(*last_SCH);
  const std::string r = report();
  const size_t bstep = r.rfind("\t[");
  ASSERT_NE(bstep, std::string::npos);
  const int best_step = std::stoi(r.substr(bstep + 2));
  std::ostringstream expected;
  expected << "Tabu Search in bacth mode.\n Input file :varied.sif\n"
           << "Prob_Sizes: \tMachine:20\tOrders:8\tJobs:" << n_of_Jobs << "\tSetup_Types:3\n"
           << "First running: Initialize with random values\n"
           << "Search_Pars:  \tmaxSTEP:30\tmaxLOOP:8\tminLOOP:3\tmaxImpless:4\tmaxTABU:25\n"
           << "Nx_op_pri:\tN1: 1\tN2: 1\tN3: 1\tN4: 1\tN5: 1\n"
           << "ObjF:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC\tRunT\tBStep\n"
           << "ObjPri:\t7\t8\t10\t10\t7\t5\n"
           << "\t------\t------\t------\t------\t------\t------\n"
           << "init" << init_row << "\n"
           << "search" << row_of(live) << "\t0s\t[" << best_step << "]\n"
           << "End of file.";
  EXPECT_EQ(r, expected.str());
  expect_live_schedule_consistent();
  // The search stops maxImpless steps after its last improvement.
  EXPECT_TRUE(host.events == 30 || host.events == best_step + 5) << host.events;

  EXPECT_EQ(maxLOOP, 77);  // the window's globals are not the batch run's
  EXPECT_EQ(maxTABU, 66);
  EXPECT_EQ(minLOOP, 55);
  EXPECT_EQ(host.memo_text[ResultsMemo::Average], r);
  EXPECT_TRUE(host.memo_visible[ResultsMemo::Average]);
  EXPECT_EQ(host.labels[ProgressLabel::Subtitle], "Batch scheduling mode");
  EXPECT_EQ(host.labels[ProgressLabel::LateJobs], "");
  EXPECT_TRUE(host.group_visible[ProgressGroup::Objectives]);
  EXPECT_TRUE(host.group_visible[ProgressGroup::Control]);
  EXPECT_FALSE(host.is_visible(RunWindow::Progress));
  EXPECT_TRUE(host.is_visible(RunWindow::Scheduler));
  EXPECT_EQ(host.results_cleared, 1);
  EXPECT_TRUE(host.operator_stats.empty());  // no window shows the core's statistics
  EXPECT_EQ(first_run, 0);
  EXPECT_TRUE(Op_Total.empty() && Op_Improve.empty());  // the batch leaves no counts behind
}

TEST_F(BatchRun, CoreStopsAfterMaxImplessIdleStepsCountedFromTheStart) {
  std::fill(ObjPri, ObjPri + 9, 0);  // nothing is ever strictly better
  _S S = random_schedule();
  double elapsed = -1;
  int best_step = -1;
  int best_loop = -1;
  host.on_process_events = [](RecordingHost& h) { h.clock += 20; };
  ASSERT_EQ(TS_batch_core(100, 5, 10, 1, 50, S, elapsed, best_step, best_loop), 1);
  EXPECT_EQ(host.events, 2);
  EXPECT_EQ(best_step, 0);
  EXPECT_EQ(elapsed, 40);
  expect_S_consistent(S, "batch core result");

  // A step count below 1 runs no step and leaves the start as the result.
  const std::uint64_t start = tabu_hash(S);
  ASSERT_EQ(TS_batch_core(-5, 5, 10, 1, 50, S, elapsed, best_step, best_loop), 1);
  EXPECT_EQ(host.events, 2);
  EXPECT_EQ(tabu_hash(S), start);
}

TEST_F(BatchRun, CoreResultIsNeverWorseThanItsStartAndLeavesItsTimesInJobs) {
  for (std::uint32_t seed = 1; seed <= 5; ++seed) {
    seed_random(seed);
    _S S = random_schedule();
    const OBJ_VALUE start = values_of(S);
    double elapsed = 0;
    int best_step = 0;
    int best_loop = 0;
    host.clock += 1;
    _S again(S);
    TS_batch_core(20, 10, 2, 5, 30, S, elapsed, best_step, best_loop);
    // The search draws from the clock's second: the same start then gives the same result.
    TS_batch_core(20, 10, 2, 5, 30, again, elapsed, best_step, best_loop);
    EXPECT_EQ(tabu_hash(again), tabu_hash(S)) << seed;
    // Jobs hold the result's completions, as the performance test reads them.
    int latest = 0;
    for (int j = 1; j <= n_of_Jobs; ++j) latest = std::max(latest, Jobs[j].EndT);
    const OBJ_VALUE result = values_of(S);
    EXPECT_EQ(latest, result.Completion_Time);
    EXPECT_TRUE(result.not_worse(start)) << seed;
    EXPECT_EQ(best_step > 0, result.better(start)) << seed;
  }
}

TEST_F(BatchRun, StopEndsAtOnceWithoutAQuestionAndStillReports) {
  host.on_process_events = [](RecordingHost& h) {
    if (h.events == 2) stop_flag = true;
  };
  ASSERT_EQ(TS_batch_mode(), 1);
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(host.messages, std::vector<std::string>{"Batch Scheduling Process stopped!"});
  EXPECT_EQ(host.events, 2);
  EXPECT_GT(find_line(report_lines(), "search\t"), 0);
  expect_live_schedule_consistent();
}
