// The marks of the "Machine Utilization" bars: the percentage cut (never
// rounded) to at most two decimals, trailing zeros dropped.
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

#include "engine/live_schedule.h"
#include "engine/timing.h"
#include "tests/support/small_problem.h"
#include "ui/app_windows.h"
#include "ui/paged_bar_chart.h"
#include "ui/schedule_performance_window.h"

TEST(UtilizationLabels, PercentagesAreCutToTwoDecimalsWithoutTrailingZeros) {
  AppWindows windows;
  // Machine i works exactly work[i] of H = 1,000,000 (one job of that size).
  const std::vector<int> work = {500000, 5100, 100000, 105000, 1500000, 100, 99, 1234560, 0};
  begin_small_problem(1);
  for (std::size_t i = 0; i < work.size(); ++i) add_small_machine(1, 1, 1);
  for (std::size_t i = 0; i + 1 < work.size(); ++i)
    add_small_order(1, work[i], 1, 1, 1, 0, 100000000, {static_cast<int>(i) + 1});
  finish_small_problem();
  reset_J_A_M_wload();
  random_J_A_M_wload();
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(*last_SCH);
  OBJ_VALUE v;
  calc_sch_obj_values(*last_SCH, v);
  last_obj_value.set(v, n_of_Orders, n_of_Jobs, n_of_Machines);
  last_obj_value.Completion_Time = 1000000;
  Form10->show();

  const PagedBarSeries& processing = Form10->findChild<PagedBarChart*>(QStringLiteral("Chart4"))->series(0);
  QStringList labels;
  for (const ChartPoint& p : processing.points()) labels << p.label;
  EXPECT_EQ(labels, QStringList({"50", "0.51", "10", "10.5", "150", "0.01", "0", "123.45", "0"}));
  Form10->hide();
  last_SCH.reset();
}
