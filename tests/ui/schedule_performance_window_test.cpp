#include "ui/schedule_performance_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <set>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "engine/shop_snapshot.h"
#include "engine/timing.h"
#include "problem_io/chart_color_schemes.h"
#include "tests/support/small_problem.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/paged_bar_chart.h"
#include "ui/processing_window.h"
#include "ui/results_window.h"
#include "ui/chart_colors.h"
#include "ui/colors_window.h"
#include "ui/gantt_chart.h"

namespace {
// Makes the loaded problem's first schedule (jobs in id order) the live one.
void make_live_schedule() {
  reset_J_A_M_wload();
  random_J_A_M_wload();
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(*last_SCH);
  store_live_values(*last_SCH);
}

// Job 1 (order 1, due 100) runs step 1 on M1 and step 2 on M2; job 2 (order 2,
// due 15) follows on M1 after a setup of 5 and ends late. Job 1's first route
// step and M1's first position are frozen.
void load_shop_with_setup_late_and_frozen() {
  begin_small_problem(2);
  add_small_machine(1, 1, 1);
  add_small_machine(1, 2, 2);
  Machines[1].SetupM(1, 2) = 5;
  add_small_order(1, 10, 1, 2, 1, 0, 100, {1, 2});
  add_small_order(1, 20, 1, 1, 2, 0, 15, {1});
  finish_small_problem();
  make_live_schedule();
  Jobs[1].N_Frozen = 1;
  Machines[1].N_Frozen = 1;
}

// One machine for step 1, one order of n jobs of size 10.
void load_one_machine_jobs(int n) {
  begin_small_problem(1);
  add_small_machine(1, 1, 1);
  add_small_order(n, 10, 1, 1, 1, 0, 1000000, {1});
  finish_small_problem();
  make_live_schedule();
}

QString bar_text(const GanttBar& b) {
  return QStringLiteral("%1 %2-%3 '%4' %5")
      .arg(b.row)
      .arg(b.start)
      .arg(b.end)
      .arg(b.label)
      .arg(QColor::fromRgb(b.colour).name());
}

// One bar a line, so that a failure shows both lists readably.
std::string lines(const QStringList& l) { return l.join('\n').toStdString(); }
std::string bars_of(const GanttSeries& s) {
  QStringList out;
  for (const GanttBar& b : s.bars()) out << bar_text(b);
  return lines(out);
}

QString expected(double row, int start, int end, const QString& label, int colour) {
  return bar_text(GanttBar{static_cast<double>(start), static_cast<double>(end), row, label, color_of(colour).rgb()});
}

template <class W>
W* child(const char* name) {
  W* w = Form10->findChild<W*>(QLatin1String(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

GanttChart* chart(const char* name) { return child<GanttChart>(name); }

// Opens the context menu of w at p and returns the caption of its one item.
QString context_caption(QWidget* w, QPoint p, const char* menu_name) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, p, w->mapToGlobal(p));
  QApplication::sendEvent(w, &event);
  QMenu* menu = Form10->findChild<QMenu*>(QLatin1String(menu_name));
  const QString caption = menu->actions().front()->text();
  menu->close();
  return caption;
}

const int kYellow = 0x00FFFF;
}  // namespace

class SchedulePerformance : public ::testing::Test {
 protected:
  AppWindows windows;
  void show() {
    Form10->resize(1400, 900);
    Form10->show();
  }
};

TEST_F(SchedulePerformance, BarsOfJobsMachinesAndOrdersWithSetupLateAndFrozenSteps) {
  load_shop_with_setup_late_and_frozen();
  // Timing puts job 1 on M1 at 0-10 and on M2 at 10-20 (each the machine's
  // first position, a setup of length 0), and job 2 on M1 at 10-35 after a
  // setup of 5: due at 15, it is late.
  ASSERT_EQ(Jobs[1].EndT, 20);
  ASSERT_EQ(Jobs[2].StartT, 10);
  ASSERT_EQ(Jobs[2].EndT, 35);
  show();

  for (const char* count : {"Edit9", "Edit10", "Edit11"}) EXPECT_EQ(child<QLineEdit>(count)->text(), "2") << count;
  EXPECT_EQ(child<QLineEdit>("Edit8")->text(), "1");  // one late order
  EXPECT_EQ(child<QLineEdit>("Edit6")->text(), "35");
  // The Processing box stood only while the charts were filled.
  EXPECT_FALSE(Form12->isVisible());

  // Jobs from the last row up: constraint window (labelled with the order),
  // planned window, then the steps labelled with their machine; the frozen
  // first step of job 1 gets its mark.
  EXPECT_EQ(bars_of(chart("Chart1")->series(0)),
            lines({expected(2.2, 0, 15, "2", Col_Constraint), expected(2.1, 10, 35, "2", Col_Planned),
                   expected(2, 10, 15, "1", Col_Setup), expected(2, 15, 35, "1", Col_Late),
                   expected(1.2, 0, 100, "1", Col_Constraint), expected(1.1, 0, 20, "1", Col_Planned),
                   expected(1.2, 0, 10, "f", kYellow), expected(1, 0, 0, "1", Col_Setup),
                   expected(1, 0, 10, "1", Col_Intime), expected(1, 10, 10, "2", Col_Setup),
                   expected(1, 10, 20, "2", Col_Intime)}));

  // Machines: calendar intervals first, then each sequence labelled with the
  // job; only M1's first position is frozen.
  EXPECT_EQ(bars_of(chart("Chart2")->series(0)),
            lines({expected(2.2, 0, 100000000, "1", Col_Constraint), expected(1.2, 0, 100000000, "1", Col_Constraint),
                   expected(2, 10, 10, "1", Col_Setup), expected(2, 10, 20, "1", Col_Intime),
                   expected(1.2, 0, 10, "f", kYellow), expected(1, 0, 0, "1", Col_Setup),
                   expected(1, 0, 10, "1", Col_Intime), expected(1, 10, 15, "2", Col_Setup),
                   expected(1, 15, 35, "2", Col_Late)}));

  // Orders without details: the window and one bar; with details the jobs,
  // and the frozen job marked.
  EXPECT_EQ(bars_of(chart("Chart3")->series(0)),
            lines({expected(2.2, 0, 15, "w", Col_Constraint), expected(2, 10, 35, "2", Col_Late),
                   expected(1.2, 0, 100, "w", Col_Constraint), expected(1, 0, 20, "1", Col_Intime)}));
  child<QCheckBox>("CheckBox3")->click();
  EXPECT_EQ(bars_of(chart("Chart3")->series(0)),
            lines({expected(2.2, 0, 15, "w", Col_Constraint), expected(2.1, 10, 35, "2", Col_Planned),
                   expected(2, 10, 35, "2", Col_Late), expected(1.2, 0, 100, "w", Col_Constraint),
                   expected(1.1, 0, 20, "1", Col_Planned), expected(1.2, 0, 20, "f", kYellow),
                   expected(1, 0, 20, "1", Col_Intime)}));

  // The EF text: two blocks of eight lines after their headings.
  const QStringList memo = child<QPlainTextEdit>("Memo1")->toPlainText().split('\n');
  ASSERT_EQ(memo.size(), 18);
  EXPECT_EQ(memo[0], " Calculation without setup: ");
  EXPECT_EQ(memo[1], "________EF_________");
  EXPECT_EQ(memo[9], " Calculation with setup: ");
}

TEST_F(SchedulePerformance, OnlyTheFirstFortyRowsAreDrawnUntilMoreAreChecked) {
  load_one_machine_jobs(41);
  show();
  QListWidget* list = child<QListWidget>("CheckListBox3");
  ASSERT_EQ(list->count(), 41);
  EXPECT_EQ(list->item(39)->checkState(), Qt::Checked);
  EXPECT_EQ(list->item(40)->checkState(), Qt::Unchecked);
  auto rows_of = [](const GanttSeries& s) {
    std::set<int> rows;
    for (const GanttBar& b : s.bars()) rows.insert(static_cast<int>(b.row));
    return rows;
  };
  EXPECT_EQ(rows_of(chart("Chart1")->series(0)).count(41), 0u);
  EXPECT_EQ(rows_of(chart("Chart1")->series(0)).size(), 40u);

  list->item(40)->setCheckState(Qt::Checked);  // ticking the box redraws
  EXPECT_EQ(rows_of(chart("Chart1")->series(0)).count(41), 1u);
  child<QPushButton>("Button15")->click();  // Invert Selection: all 41 were checked
  EXPECT_TRUE(chart("Chart1")->series(0).bars().empty());
  child<QPushButton>("Button13")->click();  // Select All
  EXPECT_EQ(rows_of(chart("Chart1")->series(0)).size(), 41u);
  child<QPushButton>("Button14")->click();  // Unselect All
  EXPECT_TRUE(chart("Chart1")->series(0).bars().empty());
}

namespace {
QPoint pixel_of(GanttChart* c, double time, double row) {
  const ChartFrame::View v = c->view();
  return QPoint(static_cast<int>(v.px(time)), static_cast<int>(v.py(row, true)));
}

GanttChart* shown_chart(int page, const char* name) {
  Form10->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(page);
  QApplication::processEvents();
  return chart(name);
}
}  // namespace

TEST_F(SchedulePerformance, SetFocusMenusNameTheRowUnderTheMouse) {
  load_one_machine_jobs(3);  // jobs 10 apart on one machine, due at 1,000,000
  show();
  GanttChart* jobs = shown_chart(0, "Chart1");
  // The constraint window of job 3 is drawn at row 3.2: it names job 3.
  EXPECT_EQ(context_caption(jobs, pixel_of(jobs, 500000, 3.2), "PopupMenu4"), " Set focus on the Job_3");
  EXPECT_EQ(Form10->focused_job(), 3);
  EXPECT_EQ(context_caption(jobs, pixel_of(jobs, 500000, 2.6), "PopupMenu4"), "No Jobs here!");
  EXPECT_EQ(Form10->focused_job(), -1);

  GanttChart* machines = shown_chart(1, "Chart2");
  EXPECT_EQ(context_caption(machines, pixel_of(machines, 25, 1.0), "PopupMenu3"), " Set focus on the Mach_1");
  EXPECT_EQ(Form10->focused_machine(), 1);

  // The check lists name the item under the mouse.
  QListWidget* orders = child<QListWidget>("CheckListBox1");
  shown_chart(2, "Chart3");
  const QRect first = orders->visualItemRect(orders->item(0));
  EXPECT_EQ(context_caption(orders->viewport(), first.center(), "PopupMenu2"), " Set focus on the Order_1");
  EXPECT_EQ(Form10->focused_order(), 1);
  EXPECT_EQ(context_caption(orders->viewport(), QPoint(5, orders->viewport()->height() - 3), "PopupMenu2"),
            "No Orders here!");
  EXPECT_EQ(Form10->focused_order(), -1);
}

TEST_F(SchedulePerformance, InitialDataOverlayIsDrawnHalfARowLowerAndNeverHitTested) {
  load_shop_with_setup_late_and_frozen();
  SHOP initial;
  initial.save(n_of_SetupTypes, Orders, Jobs, Machines, last_SCH.get(), &last_obj_value);
  initial.values->Completion_Time = 50;
  Form10->set_initial_data_snapshot(&initial);
  work_mode = 1;  // the scheduler's work has no initial data
  show();
  QCheckBox* overlay = child<QCheckBox>("CheckBox17");
  EXPECT_FALSE(overlay->isVisibleTo(Form10));
  Form10->hide();
  work_mode = 2;  // the rescheduler's
  show();
  EXPECT_TRUE(overlay->isVisible());
  EXPECT_FALSE(overlay->isChecked());
  overlay->click();
  GanttChart* jobs = shown_chart(0, "Chart1");
  ASSERT_EQ(jobs->series(1).Count(), jobs->series(0).Count());
  EXPECT_EQ(jobs->series(1).bars()[0].row, 2.7);
  EXPECT_EQ(jobs->series(1).bars().back().row, 1.5);
  EXPECT_EQ(chart("Chart3")->series(1).Count(), chart("Chart3")->series(0).Count());
  EXPECT_EQ(chart("Chart2")->series(1).Count(), chart("Chart2")->series(0).Count());
  // A point on an overlay bar only: no job of the live schedule is there.
  EXPECT_EQ(context_caption(jobs, pixel_of(jobs, 50, 1.7), "PopupMenu4"), "No Jobs here!");

  // "Show full" off fixes the machine chart's time axis at the later of the
  // two completion times.
  shown_chart(1, "Chart2");
  child<QCheckBox>("CheckBox4")->click();
  EXPECT_FALSE(chart("Chart2")->bottom_axis.auto_maximum);
  EXPECT_EQ(chart("Chart2")->bottom_axis.maximum, 50.0);
  overlay->click();
  EXPECT_EQ(chart("Chart2")->bottom_axis.maximum, 35.0);
  EXPECT_FALSE(jobs->series(1).Active);
  EXPECT_EQ(jobs->series(1).Count(), 0);
  Form10->set_initial_data_snapshot(nullptr);
}

namespace {
// Machines for step 1, each with the calendar given; order i (one job of
// `size`) may use machine i only.
void load_machines_with_orders(const std::vector<CAL_INTERVAL>& calendars, const std::vector<int>& sizes) {
  begin_small_problem(1);
  for (const CAL_INTERVAL& c : calendars) add_small_machine(1, 1, 1, {c});
  for (std::size_t i = 0; i < sizes.size(); ++i)
    add_small_order(1, sizes[i], 1, 1, 1, 0, 1000000, {static_cast<int>(i) + 1});
  finish_small_problem();
  make_live_schedule();
}

std::vector<int> checked_rows(QListWidget* list) {
  std::vector<int> rows;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->checkState() == Qt::Checked) rows.push_back(i + 1);
  return rows;
}
}  // namespace

// The marks are the percentage cut (never rounded) to at most two decimals,
// trailing zeros dropped.
TEST_F(SchedulePerformance, UtilizationBarsShowPercentagesWithLabelsCutToTwoDecimals) {
  // Machine i works work[i] of H = 1,000,000; M1 is available for half of H
  // only, and the last machine idles.
  const std::vector<int> work = {123456, 500000, 5100, 100000, 105000, 1500000, 100, 99, 1234560};
  std::vector<CAL_INTERVAL> calendars(work.size() + 1, CAL_INTERVAL{0, 100000000});
  calendars[0].ET = 500000;
  load_machines_with_orders(calendars, work);
  last_obj_value.Completion_Time = 1000000;
  show();
  auto* chart4 = child<PagedBarChart>("Chart4");
  QStringList labels;
  for (const ChartPoint& p : chart4->series(0).points()) labels << p.label;
  EXPECT_EQ(labels, QStringList({"12.34", "50", "0.51", "10", "10.5", "150", "0.01", "0", "123.45", "0"}));
  EXPECT_DOUBLE_EQ(chart4->series(0).points()[0].y, 12.3456);
  EXPECT_EQ(chart4->series(1).points()[0].label, "12.34");  // no setup time: busy = processing
  EXPECT_DOUBLE_EQ(chart4->series(2).points()[0].y, 24.6912);
  EXPECT_EQ(chart4->series(2).points()[0].label, "24.69");
  const int colours[4] = {Col_Intime, Col_Setup, Col_Late, Col_Constraint};
  for (int s = 0; s < 4; ++s) {
    SCOPED_TRACE(s);
    ASSERT_EQ(chart4->series(s).Count(), 10);
    EXPECT_EQ(chart4->series(s).points()[0].colour, color_of(colours[s]).rgb());
    EXPECT_EQ(chart4->series(s).points()[9].x, 10.0);
    EXPECT_EQ(chart4->series(s).points()[9].label, "0");
  }
}

TEST_F(SchedulePerformance, UtilizationPagesStepThroughTheMachines) {
  load_machines_with_orders(std::vector<CAL_INTERVAL>(25, CAL_INTERVAL{0, 100000}), {10});
  show();
  auto* chart4 = child<PagedBarChart>("Chart4");
  QPushButton* back = child<QPushButton>("Button32");
  QPushButton* next = child<QPushButton>("Button33");
  EXPECT_EQ(chart4->max_points_per_page(), 0);
  child<QCheckBox>("CheckBox12")->click();  // Show Pages
  EXPECT_EQ(chart4->max_points_per_page(), 10);
  EXPECT_EQ(chart4->NumPages(), 3);
  EXPECT_TRUE(back->isHidden());
  EXPECT_FALSE(next->isHidden());
  next->click();
  next->click();
  EXPECT_EQ(chart4->page(), 3);
  EXPECT_TRUE(next->isHidden());
  EXPECT_FALSE(back->isHidden());
  // The last page shows machines 21 to 25 only.
  EXPECT_EQ(chart4->view().x0, 20.5);
  EXPECT_EQ(chart4->view().x1, 25.5);
  back->click();
  EXPECT_EQ(chart4->page(), 2);
  EXPECT_FALSE(next->isHidden());
  child<QSlider>("TrackBar1")->setValue(3);  // 30 a page: one page
  EXPECT_EQ(chart4->NumPages(), 1);
  EXPECT_EQ(chart4->page(), 1);
  child<QCheckBox>("CheckBox11")->click();  // Auto Scales off: 0 to 100
  EXPECT_EQ(chart4->view().y0, 0.0);
  EXPECT_EQ(chart4->view().y1, 100.0);
  child<QCheckBox>("CheckBox12")->click();
  EXPECT_EQ(chart4->max_points_per_page(), 0);
  EXPECT_TRUE(child<QSlider>("TrackBar1")->isHidden());
}

TEST_F(SchedulePerformance, SelectionButtonsPickOverloadedMachinesAndLateRows) {
  // M1 and M2 get one job each, M3 none; M1's calendar is then cut short of
  // its last task, and M3's is short too but it has nothing to do.
  load_machines_with_orders({{0, 100000}, {0, 100000}, {0, 100000}}, {10, 10});
  Machines[1].Cal[1].ET = 5;
  Machines[3].Cal[1].ET = 1;
  Orders[2].CET = 5;  // the job of order 2 ends at 10: late
  calc_sch_obj_values(*last_SCH, last_obj_value);
  show();
  child<QPushButton>("Button12")->click();  // Sel. Overloaded
  EXPECT_EQ(checked_rows(child<QListWidget>("CheckListBox2")), std::vector<int>{1});
  for (const GanttBar& b : chart("Chart2")->series(0).bars()) EXPECT_EQ(std::floor(b.row), 1.0);

  QListWidget* jobs = child<QListWidget>("CheckListBox3");
  child<QPushButton>("Button16")->click();  // Select Late on the jobs
  EXPECT_EQ(checked_rows(jobs), std::vector<int>{2});
  EXPECT_EQ(jobs->currentRow(), 1);
  for (const GanttBar& b : chart("Chart1")->series(0).bars()) EXPECT_EQ(std::floor(b.row), 2.0);
  QListWidget* orders = child<QListWidget>("CheckListBox1");
  child<QPushButton>("Button7")->click();  // Select Late on the orders
  EXPECT_EQ(checked_rows(orders), std::vector<int>{2});
  child<QPushButton>("Button6")->click();  // Invert Selection
  EXPECT_EQ(checked_rows(orders), std::vector<int>{1});
}

TEST_F(SchedulePerformance, DegenerateShopsDrawWithoutDividingByZeroOrReadingOutsideALists) {
  // One job on one machine without any calendar interval, and H = 0.
  load_machines_with_orders({{0, 100000}}, {10});
  Machines[1].N_Cal = 0;
  Machines[1].Cal.resize(1);
  last_obj_value.Completion_Time = 0;
  show();
  child<QCheckBox>("CheckBox2")->click();  // View 3D
  for (int p = 0; p < 4; ++p) {
    child<QTabWidget>("PageControl1")->setCurrentIndex(p);
    EXPECT_FALSE(Form10->grab().isNull());
  }
  auto* chart4 = child<PagedBarChart>("Chart4");
  for (int s = 0; s < 4; ++s) EXPECT_EQ(chart4->series(s).points()[0].y, 0.0);
  EXPECT_EQ(chart("Chart2")->series(0).Count(), 2);  // the job's setup and processing, no calendar bar

  // A calendar count beyond the intervals held, and a schedule that counts
  // machines and jobs but has no lists: only what exists is drawn.
  Machines[1].N_Cal = 3;
  last_obj_value.Completion_Time = 100;
  last_SCH = std::make_unique<SCH>();
  last_SCH->n_of_Orders = 1;
  last_SCH->n_of_Jobs = 1;
  last_SCH->n_of_Machines = 1;
  Form10->show_sch_data();
  EXPECT_EQ(chart("Chart1")->series(0).Count(), 0);
  EXPECT_EQ(chart("Chart2")->series(0).Count(), 0);
  for (const auto& point : chart4->series(0).points()) EXPECT_EQ(point.y, 0.0);
  EXPECT_EQ(child<QPlainTextEdit>("Memo1")->toPlainText().split('\n').size(), 18);
  EXPECT_FALSE(Form10->grab().isNull());

  // No schedule at all.
  last_SCH.reset();
  Form10->show_sch_data();
  EXPECT_EQ(chart("Chart3")->series(0).Count(), 0);
}

TEST_F(SchedulePerformance, DisplaySwitchesReachEverySeriesAndShowMessagesNamesTheRefresh) {
  load_shop_with_setup_late_and_frozen();
  show();
  QWidget* updown = child<QWidget>("UpDown1");
  auto arrow = [updown](int which) { updown->findChildren<QToolButton*>()[which]->click(); };
  GanttSeries& s1 = chart("Chart1")->series(0);
  GanttSeries& s10 = chart("Chart3")->series(1);
  arrow(0);  // up from 4: taller, same mark font
  EXPECT_EQ(s10.VertSize, 5);
  EXPECT_EQ(s10.MarksFontHeight, 10);
  arrow(1);  // down from 5: lower, same font
  arrow(1);  // down from 4: lower, smaller font
  EXPECT_EQ(s1.VertSize, 3);
  EXPECT_EQ(s10.MarksFontHeight, 9);
  for (int i = 0; i < 5; ++i) arrow(1);
  EXPECT_EQ(s1.VertSize, 1);  // never below one
  EXPECT_EQ(child<QLineEdit>("Edit12")->text(), "1");

  child<QCheckBox>("CheckBox1")->click();  // Marks visible off
  EXPECT_FALSE(s10.MarksVisible);
  EXPECT_FALSE(child<PagedBarChart>("Chart4")->series(3).MarksVisible);
  child<QCheckBox>("CheckBox2")->click();  // View 3D
  EXPECT_TRUE(chart("Chart2")->view_3d());
  EXPECT_TRUE(child<PagedBarChart>("Chart4")->view_3d());

  // Show full only on the machine page, Show detailes only on the order page.
  for (int page : {1, 2}) {
    child<QTabWidget>("PageControl1")->setCurrentIndex(page);
    EXPECT_EQ(child<QCheckBox>("CheckBox4")->isVisibleTo(Form10), page == 1);
    EXPECT_EQ(child<QCheckBox>("CheckBox3")->isVisibleTo(Form10), page == 2);
  }

  // Hide Selection gives the chart the whole page; Full Window the whole window.
  child<QCheckBox>("CheckBox5")->click();
  EXPECT_FALSE(child<QListWidget>("CheckListBox1")->isVisibleTo(Form10));
  child<QCheckBox>("CheckBox6")->click();
  EXPECT_FALSE(child<QWidget>("Panel1")->isVisibleTo(Form10));
  EXPECT_FALSE(child<QWidget>("Panel2")->isVisibleTo(Form10));
  child<QCheckBox>("CheckBox6")->click();
  EXPECT_TRUE(child<QWidget>("Panel2")->isVisibleTo(Form10));

  // Without the Gantt charts only the values follow the schedule.
  child<QCheckBox>("CheckBox9")->click();
  const int bars = chart("Chart1")->series(0).Count();
  child<QListWidget>("CheckListBox3")->item(1)->setCheckState(Qt::Unchecked);
  last_obj_value.Completion_Time = 77;
  Form10->show_sch_data();
  EXPECT_EQ(child<QLineEdit>("Edit6")->text(), "77");
  EXPECT_FALSE(child<QWidget>("Panel3")->isVisibleTo(Form10));
  // The editor's show buttons and their Auto show boxes go with the charts.
  EXPECT_TRUE(child<QPushButton>("Button28")->isHidden());
  EXPECT_TRUE(child<QCheckBox>("CheckBox15")->isHidden());
  child<QCheckBox>("CheckBox9")->click();
  EXPECT_FALSE(child<QPushButton>("Button28")->isHidden());
  EXPECT_LT(chart("Chart1")->series(0).Count(), bars);

  // Show messages names the refresh before it runs.
  child<QCheckBox>("CheckBox10")->click();
  ModalAnswerer answerer;
  Form10->show_sch_data();
  EXPECT_EQ(answerer.messages, QStringList{"show_sch_data() refresh the data on screen!"});
  child<QCheckBox>("CheckBox10")->click();
  Form10->show_sch_data();
  EXPECT_EQ(answerer.messages.size(), 1);
}

TEST_F(SchedulePerformance, SelectColorsRedrawsInTheChosenColoursAndShowResultsBringsTheResults) {
  load_shop_with_setup_late_and_frozen();
  show();
  TempDir schemes;
  set_chart_colors_folder(schemes.path());  // the colour window writes its file there
  // A planner picks a new in-time colour in the colour window and presses OK.
  ModalAnswerer planner;
  planner.colour = QColor(0, 0, 255);
  planner.on_shown(Form11, [] {
    Form11->findChild<QPushButton*>("Button2")->click();
    Form11->findChild<QPushButton*>("Button6")->click();
  });
  child<QPushButton>("Button3")->click();
  set_chart_colors_folder("");
  bool blue = false;
  for (const GanttBar& b : chart("Chart1")->series(0).bars()) blue = blue || b.colour == qRgb(0, 0, 255);
  EXPECT_TRUE(blue);

  child<QPushButton>("Button31")->click();
  EXPECT_TRUE(Form6->isVisible());
  EXPECT_EQ(Form6->findChild<QTabWidget*>("PageControl1")->currentIndex(), 1);  // "Average Obj_values"
  Form6->hide();
}
