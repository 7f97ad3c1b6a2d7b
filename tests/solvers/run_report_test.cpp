#include "solvers/run_report.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "solvers/batch_search.h"
#include "solvers/enumeration.h"
#include "solvers/performance_test.h"
#include "solvers/tabu_search.h"
#include "tests/support/solver_run.h"
#include "tests/support/temp_dir.h"

TEST(RunReport, RewritesTheFileAndEndsWithoutALineEnd) {
  TempDir dir;
  set_run_report_folder(dir.path());
  dir.write("__last_run__.txt", "an older and much longer report\nwith two lines\n");
  RunReport r;
  ASSERT_TRUE(r.open());
  r.line("Title").line().out() << "a" << 1;
  r.end_line();
  r.finish();
  EXPECT_EQ(read_file(dir.file("__last_run__.txt")), "Title\n\na1\nEnd of file.");
  set_run_report_folder(dir.path() + "/");
  EXPECT_EQ(run_report_path(), dir.file("__last_run__.txt"));
  set_run_report_folder("");
}

TEST(RunReport, TimeFormsSwitchAtOneMinute) {
  EXPECT_EQ(elapsed_time_line(0), " Elapsed time: 0 (sec)");
  EXPECT_EQ(elapsed_time_line(59), " Elapsed time: 59 (sec)");
  EXPECT_EQ(elapsed_time_line(60), " Elapsed time: 1 (min) and 0 (sec)");
  EXPECT_EQ(elapsed_time_line(135), " Elapsed time: 2 (min) and 15 (sec)");
  EXPECT_EQ(run_time_column(59.9), "\t59.9s");
  EXPECT_EQ(run_time_column(75.5), "\t1min 15s");
  EXPECT_EQ(run_time_column(3600), "\t60min 0s");
  const std::string t = clock_text(1700000000);
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t.substr(2, 1) + t.substr(5, 1), "::");
}

namespace {
using RunWithoutReport = SolverRunTest;
}  // namespace

// A report folder that cannot be written stops every run before it builds
// anything: one message, the progress window not left open, the calling
// window not left hidden, no result and the first-run flag kept.
TEST_F(RunWithoutReport, EveryDriverStopsBeforeBuildingAnything) {
  set_run_report_folder(dir.file("missing"));
  const std::string named =
      "The run report " + dir.file("missing") + "/__last_run__.txt cannot be written!\nProcess stopped.";
  const std::string plain = "File opening error! Process stopped.";
  const struct {
    const char* name;
    std::function<int()> run;
    std::string message;
  } drivers[] = {
      {"TS_S_do_pi", TS_S_do_pi, named},
      {"TS_AUTOSTOP", TS_AUTOSTOP, named},
      {"Enumeration_small_size", Enumeration_small_size, named},
      {"TS_batch_mode", TS_batch_mode, plain},
      {"performance_test", [] { performance_test(); return -1; }, plain},
  };
  for (const auto& d : drivers) {
    SCOPED_TRACE(d.name);
    load_varied_shop(3);
    host.messages.clear();
    EXPECT_EQ(d.run(), -1);
    EXPECT_EQ(host.messages, std::vector<std::string>{d.message});
    EXPECT_FALSE(host.is_visible(RunWindow::Progress));
    EXPECT_TRUE(host.visible.count(RunWindow::Scheduler) == 0 || host.is_visible(RunWindow::Scheduler));
    EXPECT_EQ(host.events, 0);
    EXPECT_EQ(host.results_cleared, 0);
    EXPECT_EQ(first_run, 1);
    EXPECT_FALSE(last_SCH);
  }
  EXPECT_EQ(host.perf_test_unchecked, 1);  // the scheduler window's check box
}
