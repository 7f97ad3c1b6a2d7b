#include "solvers/run_report.h"

#include <gtest/gtest.h>

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
