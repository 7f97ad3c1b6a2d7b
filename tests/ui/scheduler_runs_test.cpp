// Runs started from the scheduler window, end to end on small problems: the
// window's state afterwards and the results memos, a report that cannot be
// written, the performance test and the input export. (The progress labels
// and the stop request are tested with the run's own windows.)
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "solvers/run_report.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/gantt_chart.h"
#include "ui/main_window.h"
#include "ui/data_dump_window.h"
#include "ui/progress_window.h"
#include "ui/results_window.h"
#include "ui/schedule_performance_window.h"
#include "ui/scheduler_window.h"

namespace {
QString memo(ResultsMemo m) {
  const char* name = m == ResultsMemo::Index ? "Memo1" : "Memo2";
  return Form6->findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
}
// Counts the times Qt blocked a window behind a modal one.
class BlockedProbe : public QObject {
 public:
  int blocks = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::WindowBlocked) ++blocks;
    return false;
  }
};
}  // namespace

class SchedulerRun : public SchedulerWindowTest {
 protected:
  // The window after a run: back, its run controls enabled, the progress
  // window gone.
  void expect_window_back() {
    EXPECT_TRUE(Form3->isVisible());
    for (const char* n : {"Button4", "Button3", "Button2", "Button1", "Button7", "Button8", "Button9"})
      EXPECT_TRUE(button(n)->isEnabled()) << n;
    EXPECT_TRUE(combo("ComboBox2")->isEnabled());
    EXPECT_FALSE(Form7->isVisible());
    EXPECT_EQ(label2(), "Input data loaded.");
  }
};

TEST_F(SchedulerRun, EachSearchRunsToItsEndAndShowsItsResults) {
  load(small_generated_file());
  const struct {
    int method;
    ResultsMemo memo;
    const char* title;
  } runs[] = {{0, ResultsMemo::Index, "Tabu Search with _S class and do_pi."},
              {1, ResultsMemo::Index, "Tabu Search with AUTOSTOP."},
              {2, ResultsMemo::Average, "Tabu Search in bacth mode."}};
  for (const auto& r : runs) {
    SCOPED_TRACE(r.title);
    Form6->hide();
    Form10->hide();
    run_method(r.method);
    expect_window_back();
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_TRUE(memo(r.memo).startsWith(QString::fromLatin1(r.title)));
    EXPECT_EQ(first_run, 0);
  }
  // Later runs asked whether to go on from the live schedule; AutoStop may
  // have ended one early, with its message.
  ASSERT_FALSE(user.boxes.isEmpty());
  EXPECT_EQ(user.boxes[0], "Question|Would You like to reload the last Sch values?");
  for (const QString& box : user.boxes)
    EXPECT_TRUE(box == user.boxes[0] || box.contains("AutoStop")) << box.toStdString();
}

TEST_F(SchedulerRun, EnumerationRunsOnASmallProblemAndRefusesALargerOne) {
  load(sample_file());  // 2 machines, 3 jobs
  run_method(3);
  expect_window_back();
  EXPECT_TRUE(Form6->isVisible());
  EXPECT_TRUE(memo(ResultsMemo::Index).contains("Number of evaluated schedule: "));

  load(small_generated_file());  // 40 jobs
  Form6->hide();
  std::remove(run_report_path().c_str());
  run_method(3);
  EXPECT_EQ(user.boxes, QStringList({"TAVO_Scheduler|Too large problem for enumerating all cases!\n It may causes "
                                     "floating point overflow exception!\n Enumeration stopped!"}));
  EXPECT_TRUE(report().empty());  // nothing ran
  EXPECT_FALSE(Form6->isVisible());
  EXPECT_TRUE(button("Button4")->isEnabled());
  EXPECT_TRUE(combo("ComboBox2")->isEnabled());
}

TEST_F(SchedulerRun, ReportThatCannotBeWrittenGivesTheMessageAndTheWindowBack) {
  load(small_generated_file());
  set_run_report_folder(dir.file("missing"));
  Form3->show();
  run_method(0);
  ASSERT_EQ(user.boxes.size(), 1);
  EXPECT_TRUE(user.boxes[0].contains("cannot be written")) << user.boxes[0].toStdString();
  expect_window_back();
  EXPECT_FALSE(Form6->isVisible());
}

TEST_F(SchedulerRun, PerformanceTestRunsFromTestAndUnchecksItsBox) {
  load(small_generated_file());
  check_box("CheckBox1")->click();
  ASSERT_TRUE(edit("Edit4")->isEnabled());
  edit("Edit4")->setText("2");
  edit("Edit1")->setText("3");
  edit("Edit2")->setText("4");
  button("Button9")->click();
  EXPECT_FALSE(check_box("CheckBox1")->isChecked());
  EXPECT_FALSE(edit("Edit4")->isEnabled());
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_TRUE(memo(ResultsMemo::Average).startsWith(" Performance test."));
  EXPECT_TRUE(memo(ResultsMemo::Average).contains("best solution:\ts_"));
}

TEST_F(SchedulerRun, ShowResultsOpensTheResultsWindowsThatTakeInputBesideTheSession) {
  load(sample_file());
  run_method(0);
  Form6->hide();
  Form10->hide();
  bool results_enabled = false;
  BlockedProbe results_blocked;
  Form6->installEventFilter(&results_blocked);
  user.on_tick = [&] {
    if (!Form3->isVisible()) return;
    button("Button7")->click();
    QApplication::processEvents();
    results_enabled = Form6->isVisible() && Form6->isEnabled() && Form10->isVisible() && Form10->isEnabled();
    user.on_tick = nullptr;
    QTimer::singleShot(0, button("Button1"), &QPushButton::click);
  };
  Form3->hide();
  Form1->show();
  Form1->Advanced1Click();
  EXPECT_TRUE(results_enabled);
  // The scheduler's session does not block windows opened from it.
  EXPECT_EQ(results_blocked.blocks, 0);
  Form6->removeEventFilter(&results_blocked);
  Form1->hide();
}

TEST_F(SchedulerRun, HiddenExportFillsTheDataWindow) {
  load(sample_file());
  const QString cwd = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(dir.path()));
  QMetaObject::invokeMethod(Form3, "Button5Click");
  QDir::setCurrent(cwd);
  EXPECT_TRUE(Form9->isVisible());
  EXPECT_TRUE(Form9->findChild<QPlainTextEdit*>("Memo1")->toPlainText().startsWith("Orders_tempfile"));
  EXPECT_TRUE(Form9->findChild<QPlainTextEdit*>("Memo2")->toPlainText().startsWith("Machines_tempfile"));
  EXPECT_TRUE(Form9->findChild<QPlainTextEdit*>("Memo3")->toPlainText().startsWith("Routes_tempfile"));
  EXPECT_FALSE(Form9->findChild<QPlainTextEdit*>("Memo4")->toPlainText().isEmpty());
  EXPECT_TRUE(button("Button4")->isEnabled());  // the export gives its controls back
  Form9->hide();
}

// "Schedule Performance " always shows the live schedule of the loaded
// problem: a run renews it while it stays open, and a new load puts away the
// schedule of the problem it replaced.
TEST_F(SchedulerRun, SchedulePerformanceFollowsRunsAndLoads) {
  auto* completion = Form10->findChild<QLineEdit*>("Edit6");
  auto* job_gantt = Form10->findChild<GanttChart*>("Chart1");
  ASSERT_TRUE(completion && job_gantt);
  load(small_generated_file());
  run_method(0);
  ASSERT_TRUE(Form10->isVisible());
  // A planner's screen of 1,280 pixels holds the whole window, also once
  // "Modify schedule" filled the editor's lists and route labels.
  Form10->findChild<QPushButton*>("Button1")->click();
  QApplication::processEvents();
  EXPECT_LE(Form10->minimumSizeHint().width(), 1280);
  completion->setText("stale");
  run_method(1);
  EXPECT_TRUE(Form10->isVisible());
  EXPECT_EQ(completion->text(), QString::number(last_obj_value.Completion_Time));
  EXPECT_GT(job_gantt->series(0).Count(), 0);

  load(sample_file());  // 3 jobs: the live schedule of 40 jobs no longer fits
  EXPECT_FALSE(Form10->isVisible());
  Form10->show();
  EXPECT_EQ(job_gantt->series(0).Count(), 0);
  Form10->hide();
  run_method(0);
  EXPECT_TRUE(Form10->isVisible());
  EXPECT_GT(job_gantt->series(0).Count(), 0);
}
