#include "solvers/enumeration.h"

#include <algorithm>
#include <array>
#include <functional>
#include <sstream>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "problem_io/report_lines.h"
#include "tests/support/small_shop.h"
#include "tests/support/solver_run.h"
#include "tests/support/varied_shop.h"

namespace {

using EnumerationRun = SolverRunTest;

// Two machines of step 1: order 1 (3 jobs) only on machine 1, order 2 (2 jobs)
// only on machine 2, so there is one assignment and 3! * 2! orders of it.
void load_three_and_two() {
  load_small_shop({{1, 1, 1}, {1, 1, 1}},
                  {{3, 10, 1, 1, 1, 0, 25, {1}}, {2, 10, 1, 1, 2, 0, 15, {2}}});
}

}  // namespace

TEST(EnumerationCounters, CombinationsAreNumberedRouteByRouteInnermostStepFastest) {
  // One job of steps 1-2 with two feasible routes: groups 1 (machines 1, 2)
  // and 2 (machines 3, 4, 5), then group 5 alone (machine 6).
  load_small_shop({{1, 1, 1}, {1, 1, 1}, {2, 2, 1}, {2, 2, 1}, {2, 2, 1}, {1, 2, 1}},
                  {{1, 10, 1, 2, 1, 0, 100, {1, 2, 3, 4, 5, 6}}});
  ASSERT_EQ(Orders[1].N_Routes, 2);
  EXPECT_EQ(n_of_job_combinations(Orders[1]), 7);
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  const int expected[8][2] = {{0, 0}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {6, 0}};
  for (int k = 1; k <= 7; ++k) {
    assign_job_by_index(S, 1, k, Orders, Jobs);
    EXPECT_EQ(S.J_A[1][1], expected[k][0]) << k;
    EXPECT_EQ(S.J_A[1][2], expected[k][1]) << k;
    expect_S_consistent(S, "assign_job_by_index");
  }
  int placed = 0;
  for (int m = 1; m <= 6; ++m) placed += S.M_wload[m][0];
  EXPECT_EQ(placed, 1);  // the earlier combinations were taken out again
}

TEST_F(EnumerationRun, ThreeAndTwoJobsGiveTwelveSchedulesAndTheExactReport) {
  load_three_and_two();
  ASSERT_EQ(Enumeration_small_size(), 1);

  // The best schedule is the live one: its values, timed and evaluated on the
  // linked schedule, must be the row of the report.
  ASSERT_TRUE(last_SCH);
  _S live(*last_SCH);
  std::ostringstream row;
  print_obj_row(row, values_of(live));
  const std::string report_text = report();
  const long long best_no = report_number("best solution: ");
  const long long n_opt = report_number("number of optimal solution: ");
  std::ostringstream expected;
  expected << " Enumeration for small size problems\nInput file :small.sif\nMachine: 2 Orders: 2 Jobs:5\n"
           << "Assignment permutation for jobs:\n 1. job-->1\n 2. job-->1\n 3. job-->1\n 4. job-->1\n"
           << " 5. job-->1\n\n\n\n";
  for (int i = 0; i < 6; ++i) expected << "Priority of objective funciton  " << i << " : " << ObjPri[i] << "\n";
  expected << "\n\n Elapsed time: 0 (sec)\n\nNumber of evaluated schedule: 12\n"
           << "best solution: " << best_no << "\nnumber of optimal solution: " << n_opt << "\n\n"
           << "ObjFunc:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC\n"
           << row.str() << "\n\n\n\nEnd of file.";
  EXPECT_EQ(report_text, expected.str());
  EXPECT_GE(n_opt, 1);
  EXPECT_LE(best_no, 12);
  EXPECT_EQ(host.events, 12);  // events run once per evaluated schedule
  EXPECT_FALSE(host.clock_running);
  EXPECT_EQ(host.memo_text[ResultsMemo::Index], report_text);
  EXPECT_FALSE(host.is_visible(RunWindow::Progress));
  EXPECT_TRUE(host.is_visible(RunWindow::Scheduler));
  EXPECT_EQ(first_run, 0);
}

TEST_F(EnumerationRun, CountsSchedulesOfRoutesWithTwoSteps) {
  // Order 1: two jobs over steps 1-2 (machine 1 or 2, then machine 3); order 2:
  // one job on machine 1. Sum over the four assignments of the product of c_m!:
  // 3!*2! + 2!*1!*2! + 2!*1!*2! + 1!*2!*2! = 24.
  load_small_shop({{1, 1, 1}, {1, 1, 1}, {2, 2, 1}}, {{2, 10, 1, 2, 1, 0, 40, {1, 2, 3}}, {1, 10, 1, 1, 2, 0, 5, {1}}});
  ASSERT_EQ(Enumeration_small_size(), 1);
  EXPECT_EQ(report_number("Number of evaluated schedule: "), 24);
  EXPECT_EQ(host.labels[ProgressLabel::StepTotal], "4");  // assignments: 2 * 2 * 1
  EXPECT_EQ(host.label_history(ProgressLabel::Step).back(), "4");
  EXPECT_NE(report().find(" 1. job-->2\n 2. job-->2\n 3. job-->1\n"), std::string::npos);
}

TEST_F(EnumerationRun, JobsOfAnOrderWithoutARouteStayUnscheduled) {
  // Order 2 may use only machine 2, which covers step 2, not its step 1.
  load_small_shop({{1, 1, 1}, {2, 2, 1}}, {{2, 10, 1, 1, 1, 0, 40, {1}}, {1, 10, 1, 1, 2, 0, 5, {2}}});
  ASSERT_EQ(Orders[2].N_Routes, 0);
  ASSERT_EQ(Enumeration_small_size(), 1);
  EXPECT_NE(report().find(" 1. job-->1\n 2. job-->1\n 3. job-->0\n"), std::string::npos);
  EXPECT_EQ(report_number("Number of evaluated schedule: "), 2);  // the two orders of jobs 1 and 2
  ASSERT_TRUE(last_SCH);
  const _S live(*last_SCH);
  EXPECT_EQ(live.J_A[3][0], 0);
  EXPECT_EQ(live.J_A[1][1], 1);
  EXPECT_EQ(live.J_A[2][1], 1);
}

// Every assignment of single-step jobs to permitted machines and every order
// on every machine, evaluated independently of the enumeration's counters.
void brute_force(const std::function<void(const OBJ_VALUE&)>& visit) {
  std::vector<int> choice(n_of_Jobs + 1, 1);
  std::function<void(int)> assign = [&](int j) {
    if (j <= n_of_Jobs) {
      const std::vector<int>& list = Orders[Jobs[j].Order_ID].MG_M[1];
      for (int i = 1; i <= list[0]; ++i) {
        choice[j] = list[i];
        assign(j + 1);
      }
      return;
    }
    std::vector<std::vector<int>> seq(n_of_Machines + 1);
    for (int k = 1; k <= n_of_Jobs; ++k) seq[choice[k]].push_back(k);
    std::function<void(int)> order = [&](int m) {
      if (m > n_of_Machines) {
        std::vector<std::array<int, 5>> ja(n_of_Jobs + 1, {0, 0, 0, 0, 0});
        std::vector<std::vector<int>> mw(n_of_Machines + 1, std::vector<int>(n_of_Jobs + 1, 0));
        for (int k = 1; k <= n_of_Jobs; ++k) ja[k] = {Orders[Jobs[k].Order_ID].R_feasible[1], choice[k], 0, 0, 0};
        for (int mm = 1; mm <= n_of_Machines; ++mm) {
          mw[mm][0] = static_cast<int>(seq[mm].size());
          std::copy(seq[mm].begin(), seq[mm].end(), mw[mm].begin() + 1);
        }
        _S S(n_of_Orders, n_of_Jobs, n_of_Machines, ja, mw);
        visit(SolverRunTest::values_of(S));
        return;
      }
      std::sort(seq[m].begin(), seq[m].end());
      do order(m + 1);
      while (std::next_permutation(seq[m].begin(), seq[m].end()));
    };
    order(1);
  };
  assign(1);
}

TEST_F(EnumerationRun, BestFoundEqualsTheBestOfABruteForceSearch) {
  std::fill(ObjPri, ObjPri + 9, 0);
  ObjPri[2] = 1;  // one criterion: the comparison is then a total order
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(seed);
    std::srand(seed);
    const auto pick = [](int lo, int hi) { return lo + std::rand() % (hi - lo + 1); };
    std::vector<SmallOrder> orders;
    for (int o = 0; o < 3; ++o)
      orders.push_back({pick(1, 2), pick(5, 20), 1, 1, pick(1, 2), pick(0, 10), pick(10, 60),
                        pick(0, 1) ? std::vector<int>{1, 2} : std::vector<int>{pick(1, 2)}});
    load_small_shop({{1, 1, pick(1, 2)}, {1, 1, pick(1, 3)}}, orders);
    long long count = 0;
    long long best = -1;
    long long n_best = 0;
    brute_force([&](const OBJ_VALUE& v) {
      ++count;
      if (best < 0 || v.sumTardiness < best) {
        best = v.sumTardiness;
        n_best = 0;
      }
      if (v.sumTardiness == best) ++n_best;
    });
    ASSERT_EQ(Enumeration_small_size(), 1);
    EXPECT_EQ(report_number("Number of evaluated schedule: "), count);
    EXPECT_EQ(last_obj_value.sumTardiness, best);
    std::ostringstream row;  // the report's row is the best schedule's
    print_obj_row(row, last_obj_value);
    const std::vector<std::string> lines = report_lines();
    EXPECT_EQ(lines[find_line(lines, "ObjFunc:") + 1], row.str());
    EXPECT_EQ(report_number("number of optimal solution: "), n_best);
  }
}

TEST_F(EnumerationRun, StopAnsweredNoGoesOnAndYesEndsWithTheFullReport) {
  load_three_and_two();
  host.answers = {false, true};
  host.on_process_events = [](RecordingHost& h) {
    if (h.events == 3 || h.events == 6) stop_flag = true;
  };
  ASSERT_EQ(Enumeration_small_size(), 1);
  EXPECT_EQ(host.questions, (std::vector<std::string>{"Do You really want to stop the process?",
                                                      "Do You really want to stop the process?"}));
  EXPECT_EQ(host.messages, std::vector<std::string>{"Process stopped!"});
  EXPECT_EQ(report_number("Number of evaluated schedule: "), 6);
  EXPECT_EQ(report().substr(report().size() - 12), "End of file.");
  EXPECT_TRUE(last_SCH);
  EXPECT_EQ(first_run, 0);
}

TEST_F(EnumerationRun, SizeLimitIsTwentyMachinesAndTwentyJobs) {
  load_small_shop(std::vector<SmallMachine>(20), {{20, 10, 1, 1, 1, 0, 100, {1}}});
  EXPECT_TRUE(enumeration_size_allowed());
  load_small_shop(std::vector<SmallMachine>(21), {{1, 10, 1, 1, 1, 0, 100, {1}}});
  EXPECT_FALSE(enumeration_size_allowed());
  load_small_shop(std::vector<SmallMachine>(2), {{21, 10, 1, 1, 1, 0, 100, {1}}});
  EXPECT_FALSE(enumeration_size_allowed());
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0],
            "Too large problem for enumerating all cases!\n It may causes floating point overflow exception!\n "
            "Enumeration stopped!");
}
