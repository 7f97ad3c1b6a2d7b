// The schedule performance window's charts take "late" from the engine's one
// rule, so that they agree with the values shown beside them; closing the
// window empties its charts; a few checked rows keep their bars together.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/small_problem.h"
#include "ui/app_windows.h"
#include "ui/chart_colors.h"
#include "ui/gantt_chart.h"
#include "ui/paged_bar_chart.h"
#include "ui/schedule_performance_window.h"

namespace {

template <class W>
W* child(const char* name) {
  W* w = Form10->findChild<W*>(QLatin1String(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// One machine for step 1; order 1 of two jobs and order 2 of one job, all due
// long after they end. Job 1's route step is then made one that was never
// timed (it ends at -1), and the live values are evaluated again.
void load_shop_with_a_job_without_completion() {
  begin_small_problem(1);
  add_small_machine(1, 1, 1);
  add_small_order(2, 10, 1, 1, 1, 0, 1000, {1});
  add_small_order(1, 10, 1, 1, 1, 0, 1000, {1});
  finish_small_problem();
  reset_J_A_M_wload();
  random_J_A_M_wload();
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(*last_SCH);
  last_SCH->Timed.invalidate();
  TASK& step = last_SCH->task(last_SCH->Job_Head[1]);
  step.StartT = step.EndT = -1;
  store_live_values(*last_SCH);
}

// The colour of the last bar drawn at row `row` of series s (a task's
// processing, or an order's or job's bar).
QRgb last_colour_at(const GanttSeries& s, double row) {
  QRgb c = 0;
  for (const GanttBar& b : s.bars())
    if (b.row == row) c = b.colour;
  return c;
}

QRgb rgb(int colour) { return color_of(colour).rgb(); }

std::vector<int> checked_rows(const char* list_name) {
  std::vector<int> rows;
  QListWidget* list = child<QListWidget>(list_name);
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->checkState() == Qt::Checked) rows.push_back(i + 1);
  return rows;
}

}  // namespace

class SchedulePerformanceLateRule : public ::testing::Test {
 protected:
  AppWindows windows;
  void show() {
    Form10->resize(1400, 900);
    Form10->show();
    QApplication::processEvents();
  }
};

TEST_F(SchedulePerformanceLateRule, AJobWithoutCompletionIsLateInEveryChartAsInTheValues) {
  load_shop_with_a_job_without_completion();
  ASSERT_EQ(Jobs[1].EndT, -1);
  ASSERT_GT(Orders[1].EndT, 0);  // job 2 completes in time: the order's record is not -1
  show();
  EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "1");  // late jobs
  EXPECT_EQ(child<QLineEdit>("Edit8")->text(), "1");  // late orders

  auto* jobs = child<GanttChart>("Chart1");
  auto* machines = child<GanttChart>("Chart2");
  auto* orders = child<GanttChart>("Chart3");
  EXPECT_EQ(last_colour_at(jobs->series(0), 1.0), rgb(Col_Late));
  EXPECT_EQ(last_colour_at(jobs->series(0), 2.0), rgb(Col_Intime));
  // On the machine chart job 1's step is drawn first, job 2's and 3's after it.
  bool job1_seen = false;
  for (const GanttBar& b : machines->series(0).bars())
    if (b.row == 1.0 && b.label == "1" && b.colour != rgb(Col_Setup)) {
      EXPECT_EQ(b.colour, rgb(Col_Late));
      job1_seen = true;
    }
  EXPECT_TRUE(job1_seen);
  // Order 1 has the late job: late without details and, with them, job 1's bar.
  EXPECT_EQ(last_colour_at(orders->series(0), 1.0), rgb(Col_Late));
  EXPECT_EQ(last_colour_at(orders->series(0), 2.0), rgb(Col_Intime));
  child<QCheckBox>("CheckBox3")->click();
  std::vector<QRgb> order1_jobs;
  for (const GanttBar& b : orders->series(0).bars())
    if (b.row == 1.0) order1_jobs.push_back(b.colour);
  EXPECT_EQ(order1_jobs, (std::vector<QRgb>{rgb(Col_Late), rgb(Col_Intime)}));

  // "Select Late" picks the same rows the values count.
  child<QPushButton>("Button16")->click();
  EXPECT_EQ(checked_rows("CheckListBox3"), std::vector<int>{1});
  child<QPushButton>("Button7")->click();
  EXPECT_EQ(checked_rows("CheckListBox1"), std::vector<int>{1});
}

TEST_F(SchedulePerformanceLateRule, ClosingTheWindowEmptiesTheTenSeries) {
  load_shop_with_a_job_without_completion();
  show();
  auto* utilization = child<PagedBarChart>("Chart4");
  ASSERT_GT(child<GanttChart>("Chart1")->series(0).Count(), 0);
  ASSERT_GT(utilization->series(0).Count(), 0);
  child<QPushButton>("Button8")->click();  // "Close": nothing was edited, nothing is asked
  ASSERT_FALSE(Form10->isVisible());
  for (const char* name : {"Chart1", "Chart2", "Chart3"})
    for (int s = 0; s < 2; ++s) EXPECT_EQ(child<GanttChart>(name)->series(s).Count(), 0) << name << " " << s;
  for (int s = 0; s < 4; ++s) EXPECT_EQ(utilization->series(s).Count(), 0) << s;
}

TEST_F(SchedulePerformanceLateRule, OneCheckedMachineKeepsItsCalendarNextToItsTasks) {
  load_shop_with_a_job_without_completion();
  show();
  Form10->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
  child<QPushButton>("Button10")->click();  // "Unselect All"
  child<QListWidget>("CheckListBox2")->item(0)->setCheckState(Qt::Checked);
  QApplication::processEvents();
  auto* machines = child<GanttChart>("Chart2");
  ASSERT_GT(machines->height(), 300);
  const ChartFrame::View v = machines->view();
  // The calendar bar (row 1.2) stays within 12 pixels of the tasks (row 1):
  // next to bars 8 pixels high, not far below them.
  EXPECT_LE(v.py(1.2, true) - v.py(1.0, true), 12.5);
  EXPECT_GT(v.py(1.2, true) - v.py(1.0, true), 0.0);
}

// On a generated shop, with one job's last step never timed: "Select Late"
// checks exactly the jobs and orders the values count late.
TEST_F(SchedulePerformanceLateRule, SelectLateChecksWhatTheValuesCount) {
  ASSERT_TRUE(load_generated_problem(5, GeneratedSize::Small));
  reset_J_A_M_wload();
  random_J_A_M_wload();
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(*last_SCH);
  last_SCH->Timed.invalidate();
  last_SCH->task(last_SCH->Job_Tail[n_of_Jobs]).EndT = -1;
  for (int o = 1; o <= n_of_Orders; o += 3) Orders[o].CET = Orders[o].CST;  // every third order due at once
  store_live_values(*last_SCH);
  ASSERT_GT(last_obj_value.n_of_Late_Jobs, 1);
  ASSERT_LT(last_obj_value.n_of_Late_Jobs, n_of_Jobs);
  show();
  child<QPushButton>("Button16")->click();
  EXPECT_EQ(static_cast<long long>(checked_rows("CheckListBox3").size()), last_obj_value.n_of_Late_Jobs);
  EXPECT_EQ(checked_rows("CheckListBox3").back(), n_of_Jobs);
  child<QPushButton>("Button7")->click();
  EXPECT_EQ(static_cast<long long>(checked_rows("CheckListBox1").size()), last_obj_value.n_of_Late_Orders);
}
