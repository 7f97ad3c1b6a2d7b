// The progress window: its paced labels, the run-time limit, the live loop
// and tabu-list fields, the docking of the three side windows and the live
// step chart; and, in a tabu search run through the program's own host with
// every window in place, what it and the results window show and how a run
// is stopped from it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "engine/search_parameters.h"
#include "solvers/tabu_search.h"
#include "tests/support/generated_problem.h"
#include "tests/ui/window_run_fixture.h"
#include "ui/chart_colors.h"
#include "ui/main_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/point_chart.h"
#include "ui/progress_window.h"
#include "ui/results_window.h"
#include "ui/throttled_labels.h"
#include "ui/up_down.h"
#include "ui/window_placement.h"

namespace {

template <class T>
T* control(const char* name) {
  return named_child<T>(Form7, name);
}

QString text_of(ProgressLabel l) { return Form7->label(l)->text(); }

class ProgressWindow : public WindowRunTest {
 protected:
  // A shop of 10 machines and 40 jobs to run on.
  void load_small() { ASSERT_TRUE(load_generated_problem(3, GeneratedSize::Small)); }
  QPushButton* stop_button() { return control<QPushButton>("Button1"); }
};

// Each label shows a text at most once per interval: the texts of quick steps
// wait for the next showing and none is lost, while after a long step every
// label shows its text at once.
TEST_F(ProgressWindow, TextsOfQuickStepsWaitForTheNextShowingAndNoneIsLost) {
  Form7->show();
  // The pacing clock stands still until the test moves it, so a busy
  // machine cannot make "too soon" late.
  qint64 now = 0;
  Form7->findChild<ThrottledLabels*>()->set_clock([&now] { return now; });
  QLabel* step = control<QLabel>("Label4");
  QLabel* late_jobs = control<QLabel>("Label16");
  Form7->set_label(ProgressLabel::Step, "1");
  EXPECT_EQ(step->text(), "1");  // the first text shows at once
  Form7->set_label(ProgressLabel::Step, "2");
  Form7->set_label(ProgressLabel::Step, "3");
  Form7->set_label(ProgressLabel::LateJobs, "17");
  EXPECT_EQ(step->text(), "1");  // too soon: waiting
  now = 50;                      // the interval passes while events run
  for (int waited = 0; step->text() != "3" && waited < 5000; waited += 10) QTest::qWait(10);
  EXPECT_EQ(step->text(), "3");
  EXPECT_EQ(late_jobs->text(), "17");

  // A long step: its end writes the new best, the next step's start its
  // number at once after; both show before that step runs.
  now = 500;
  Form7->set_label(ProgressLabel::LateJobs, "9");
  Form7->set_label(ProgressLabel::Step, "4");
  EXPECT_EQ(late_jobs->text(), "9");
  EXPECT_EQ(step->text(), "4");

  Form7->set_label(ProgressLabel::Step, "5");
  Form7->set_label(ProgressLabel::Step, "6");
  Form7->hide();  // the end of a run shows the last texts
  EXPECT_EQ(step->text(), "6");
}

// The limit arms from 1 to 241 minutes, editing it restarts the count, and
// once it expires the stop request waits until the next run clears it.
TEST_F(ProgressWindow, TheLimitArmsOnlyFrom1To241MinutesAndAnExpiredOneStopsTheRun) {
  auto* field = control<QLineEdit>("Edit1");
  auto* timer = control<QTimer>("Timer1");
  auto* state = control<QLabel>("Label23");
  EXPECT_EQ(state->text(), "Timer inactive");
  // What is typed, typed after "3" armed the timer: "242" goes 2, 24, 242
  // and the last is out of range; a letter empties the field.
  const struct {
    const char* typed;
    bool armed;
    const char* left;
    const char* state;
  } cases[] = {{"241", true, "241", "Timer active! Start time: "},
               {"242", false, "", "Timer inactive"},
               {"0", false, "", "Timer inactive"},
               {"3x", false, "", "Timer inactive"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    field->clear();
    QTest::keyClicks(field, c.typed);
    EXPECT_EQ(timer->isActive(), c.armed);
    EXPECT_EQ(field->text(), c.left);
    EXPECT_TRUE(state->text().startsWith(c.state)) << state->text().toStdString();
    EXPECT_TRUE(!c.armed || timer->interval() == 241 * 60000) << timer->interval();
  }

  field->clear();
  QTest::keyClicks(field, "2");
  QTest::qWait(100);
  const int left_before = timer->remainingTime();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, "2");
  EXPECT_GT(timer->remainingTime(), left_before);
  EXPECT_FALSE(stop_flag);

  timer->setInterval(5);  // let the minutes pass now
  QTest::qWait(60);
  EXPECT_TRUE(stop_flag);
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(field->text(), "");
  EXPECT_EQ(state->text(), "Timer inactive");
  // The run clears the request before its first step: no question, every step.
  load_small();
  set_fields(5, 3, 20);
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_TRUE(boxes.questions.isEmpty());
  EXPECT_EQ(text_of(ProgressLabel::Step), "5");
}

TEST_F(ProgressWindow, UpDownsChangeTheRunningSearchsLoopsAndTabuSizeWithinTheirRanges) {
  Form7->set_fields(100, 150);
  auto* loops = control<TUpDown>("UpDown1");
  auto* tabu = control<TUpDown>("UpDown2");
  QTest::mouseClick(loops->up_button(), Qt::LeftButton);
  EXPECT_EQ(control<QLineEdit>("Edit2")->text(), "105");
  EXPECT_EQ(maxLOOP, 105);
  QTest::mouseClick(tabu->down_button(), Qt::LeftButton);
  QTest::mouseClick(tabu->down_button(), Qt::LeftButton);
  EXPECT_EQ(maxTABU, 140);

  Form7->set_fields(998, 9998);  // no wrap at the top
  QTest::mouseClick(loops->up_button(), Qt::LeftButton);
  QTest::mouseClick(tabu->up_button(), Qt::LeftButton);
  EXPECT_EQ(maxLOOP, 999);
  EXPECT_EQ(maxTABU, 9999);
  Form7->set_fields(3, 2);  // nor at the bottom
  QTest::mouseClick(loops->down_button(), Qt::LeftButton);
  EXPECT_EQ(maxLOOP, 1);
  EXPECT_TRUE(control<QLineEdit>("Edit2")->isReadOnly());
}

TEST_F(ProgressWindow, ProgressLabelsResultsMemoAndSeriesAfterAFullRun) {
  load_small();
  set_fields(12, 6, 30);
  auto* clock = control<QTimer>("Timer3");
  clock->setInterval(1);  // a second passes at once
  host.on_process_events = [](int) { QTest::qWait(2); };
  ASSERT_EQ(TS_S_do_pi(), 1);

  EXPECT_FALSE(Form7->isVisible());  // hidden at the end of the run
  // The rescheduling group shows only for its own search.
  EXPECT_TRUE(control<QWidget>("GroupBox3")->isHidden());
  Form7->show_group(ProgressGroup::Rescheduling, true);
  EXPECT_FALSE(control<QWidget>("GroupBox3")->isHidden());
  EXPECT_EQ(Form7->label(ProgressLabel::SetupsNew)->parentWidget(), control<QWidget>("GroupBox3"));
  EXPECT_NE(Form7->label(ProgressLabel::SetupsDev), Form7->label(ProgressLabel::SetupsNew));
  EXPECT_EQ(text_of(ProgressLabel::Title), "TAVO Solver");
  EXPECT_TRUE(text_of(ProgressLabel::Subtitle).contains(QRegularExpression("^Start time:\\d\\d:\\d\\d:\\d\\d$")))
      << text_of(ProgressLabel::Subtitle).toStdString();
  EXPECT_EQ(text_of(ProgressLabel::StepCaption), "STEP:");
  EXPECT_EQ(text_of(ProgressLabel::Step), "12");
  EXPECT_EQ(text_of(ProgressLabel::StepTotal), "12");
  EXPECT_EQ(text_of(ProgressLabel::BestCaption), "The best step:");
  EXPECT_TRUE(text_of(ProgressLabel::Clock).contains(QRegularExpression("^Current time: \\d\\d:\\d\\d:\\d\\d$")))
      << text_of(ProgressLabel::Clock).toStdString();
  EXPECT_FALSE(clock->isActive());  // stopped with the run
  // The overall best's values are those of the new live schedule.
  for (const auto& [label, value] : {std::pair{ProgressLabel::LateOrders, last_obj_value.n_of_Late_Orders},
                                     {ProgressLabel::LateJobs, last_obj_value.n_of_Late_Jobs},
                                     {ProgressLabel::SumTardiness, last_obj_value.sumTardiness},
                                     {ProgressLabel::CompletionTime, last_obj_value.Completion_Time}})
    EXPECT_EQ(text_of(label).toLongLong(), value);

  // The report memo holds the report file, shown again.
  auto* memo = Form6->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
  EXPECT_FALSE(memo->isHidden());
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->toPlainText(), report());
  const QString best_line = QStringLiteral("best step: ") + text_of(ProgressLabel::BestStep) + "best loop: ";
  EXPECT_TRUE(report().contains(best_line)) << best_line.toStdString();

  // One point per step in each step series; one best point per improvement
  // of the overall best (every best-step label after the starting "0").
  for (ResultSeries s : kStepSeries) EXPECT_EQ(Form6->point_count(s), 12);
  const int improvements = static_cast<int>(host.best_steps.size()) - 2;  // "" and "0" at the start
  ASSERT_GE(improvements, 1);
  EXPECT_EQ(Form6->point_count(ResultSeries::BestLateJobs), improvements);
  const QPointF last_best = Form6->best_chart()->point(0, improvements - 1);
  EXPECT_EQ(last_best.x(), improvements);
  EXPECT_EQ(static_cast<long long>(last_best.y()), last_obj_value.n_of_Late_Jobs);
  EXPECT_EQ(Form6->step_chart()->point(4, 11), QPointF(12, Form6->step_chart()->point(4, 11).y()));
}

TEST_F(ProgressWindow, StopPressedThreeTimesInAStepAsksOnceNoGoesOnYesEndsAndClosingAsksToo) {
  load_small();
  set_fields(40, 4, 30);
  boxes.answers = {false, true};
  host.on_process_events = [this](int pass) {
    if (pass == 3)
      for (int i = 0; i < 3; ++i) stop_button()->click();
    if (pass == 6) {
      EXPECT_TRUE(Form7->isVisible());  // shown again after the No
      stop_button()->click();
    }
  };
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_EQ(boxes.questions,
            QStringList({"Do You really want to stop the process?", "Do You really want to stop the process?"}));
  EXPECT_TRUE(boxes.messages.contains("Process stopped!"));
  // The request of step 6 is seen at the start of step 7, which never runs.
  EXPECT_EQ(text_of(ProgressLabel::Step), "6");
  for (ResultSeries s : kStepSeries) EXPECT_EQ(Form6->point_count(s), 6);

  // Closing the window is a stop request like the button. (The next run first
  // asks whether to go on from the live schedule.)
  boxes.answers = {false, true};
  host.passes = 0;
  host.on_process_events = [](int pass) {
    if (pass == 2) Form7->close();
  };
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_EQ(boxes.questions.mid(2),
            QStringList({"Would You like to reload the last Sch values?", "Do You really want to stop the process?"}));
  EXPECT_EQ(text_of(ProgressLabel::Step), "2");
}

class Docking : public ProgressWindow {
 protected:
  Docking() {
    Form1->setGeometry(20, 10, 1200, 900);
    Form7->show();
  }
  QCheckBox* box(const char* name) { return control<QCheckBox>(name); }
  QRect main() { return outer_geometry(Form1); }
  QRect progress() { return outer_geometry(Form7); }
  int right_of_progress() { return progress().left() + progress().width(); }
  int main_bottom() { return main().top() + main().height(); }
  static int bottom(const QRect& r) { return r.top() + r.height(); }
};

// Showing places the window at the main window's left, down to its bottom;
// "Chart visible" docks the results, on the step chart, beside it.
TEST_F(Docking, ChartVisibleDocksResultsOnTheStepChartBesideTheWindow) {
  EXPECT_EQ(progress().left(), main().left() + 4);
  EXPECT_EQ(progress().top(), main().top() + 26);
  EXPECT_EQ(bottom(progress()), main_bottom() - 2);

  auto* pages = Form6->findChild<QTabWidget*>("PageControl1");
  pages->setCurrentIndex(0);  // the planner read the report
  Form6->show();
  Form6->setEnabled(false);  // left open when a modal session began
  box("CheckBox1")->click();
  EXPECT_TRUE(Form6->isEnabled());
  ASSERT_TRUE(Form6->isVisible());
  const QRect results = outer_geometry(Form6);
  EXPECT_EQ(results.left(), right_of_progress() + 4);
  EXPECT_EQ(results.top(), progress().top());
  EXPECT_EQ(results.left() + results.width(), main().left() + main().width() - 4);
  EXPECT_EQ(pages->currentIndex(), 5);
  EXPECT_TRUE(control<QTimer>("Timer2")->isActive());

  box("CheckBox1")->click();
  EXPECT_FALSE(Form6->isVisible());
  EXPECT_FALSE(control<QTimer>("Timer2")->isActive());
  EXPECT_FALSE(Form6->placed());  // centred again when shown from elsewhere
}

// The priority windows sit bottom-aligned beside the window, the results end
// above them, and all close with it.
TEST_F(Docking, PriorityWindowsSitBottomAlignedAndTheResultsEndAboveThemAndAllCloseWithIt) {
  box("CheckBox1")->click();
  box("CheckBox2")->click();
  ASSERT_TRUE(Form15->isVisible());
  const QRect priority = outer_geometry(Form15);
  EXPECT_EQ(priority.left(), right_of_progress() + 4);
  EXPECT_EQ(bottom(priority), main_bottom() - 2);
  EXPECT_EQ(bottom(outer_geometry(Form6)), priority.top() - 4);
  EXPECT_TRUE(Form15->findChild<QCheckBox*>("CheckBox1")->isChecked());  // "Active control"

  box("CheckBox3")->click();
  ASSERT_TRUE(Form17->isVisible());
  const QRect operators = outer_geometry(Form17);
  EXPECT_EQ(operators.left(), right_of_progress() + priority.width() + 8);
  EXPECT_EQ(bottom(operators), main_bottom() - 2);
  // Both visible: the Results end above the higher of the two, overlapping neither.
  EXPECT_EQ(bottom(outer_geometry(Form6)), std::min(priority.top(), operators.top()) - 4);
  EXPECT_FALSE(outer_geometry(Form6).intersects(operators));
  EXPECT_FALSE(outer_geometry(Form6).intersects(priority));

  // Operator window alone: the Results end above it.
  box("CheckBox2")->click();
  EXPECT_FALSE(Form15->isVisible());
  EXPECT_FALSE(Form15->findChild<QCheckBox*>("CheckBox1")->isChecked());
  box("CheckBox1")->click();
  box("CheckBox1")->click();
  EXPECT_EQ(bottom(outer_geometry(Form6)), operators.top() - 4);

  // Closing a docked window, any way, unchecks its box; closing the progress
  // window is a stop request and closes them all.
  Form6->close();
  EXPECT_FALSE(box("CheckBox1")->isChecked());
  EXPECT_FALSE(control<QTimer>("Timer2")->isActive());
  box("CheckBox2")->click();
  QTest::keyClick(Form15, Qt::Key_Escape);
  EXPECT_FALSE(Form15->isVisible());
  EXPECT_FALSE(box("CheckBox2")->isChecked());
  box("CheckBox1")->click();
  Form7->close();
  EXPECT_TRUE(stop_flag);
  EXPECT_FALSE(Form6->isVisible());
  EXPECT_FALSE(Form17->isVisible());
  EXPECT_FALSE(box("CheckBox3")->isChecked());

  // Showing the window again starts with nothing docked.
  box("CheckBox3")->setChecked(true);
  Form7->hide();
  Form7->show();
  EXPECT_FALSE(box("CheckBox3")->isChecked());
  EXPECT_FALSE(Form17->isVisible());
}

// The step chart adds each completed step once, also those completed while
// "Chart visible" was off.
TEST_F(Docking, TheLiveChartAddsEachCompletedStepOnceAndCatchesUpAfterBeingSwitchedOff) {
  OBJ_history.assign(21, OBJ_VALUE());
  for (int i = 1; i <= 20; ++i) OBJ_history[i].n_of_Setup = 100 + i;
  step_no = 1;
  chart_no = 1;
  control<QTimer>("Timer2")->setInterval(1);
  const auto steps_after_refresh = [](int steps_done) {
    step_no = steps_done + 1;
    QTest::qWait(20);  // the refresh timer runs a few times
    return Form6->point_count(ResultSeries::StepSetups);
  };
  box("CheckBox1")->click();
  EXPECT_EQ(steps_after_refresh(3), 3);
  for (ResultSeries s : kStepSeries) EXPECT_EQ(Form6->point_count(s), 3);
  EXPECT_EQ(chart_no, 4);

  box("CheckBox1")->click();  // off: nothing drawn meanwhile
  EXPECT_EQ(steps_after_refresh(8), 3);
  box("CheckBox1")->click();  // on again: steps 4..8, each once
  ASSERT_EQ(steps_after_refresh(8), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Form6->step_chart()->point(3, i), QPointF(i + 1, 101 + i)) << i;
  EXPECT_EQ(Form6->series_colour(ResultSeries::StepSetups), chart_colour(ChartColour::Setup));
}

}  // namespace

// The labels of a run are painted together: the step on screen is never
// older than the best step, the values and the operator counters beside it.
TEST_F(ProgressWindow, StepBestStepValuesAndOperatorCountersChangeTogether) {
  Form7->show();
  Form17->show();
  qint64 now = 0;
  Form7->pacing()->set_clock([&now] { return now; });
  QLabel* step = control<QLabel>("Label4");
  QLabel* best = control<QLabel>("Label8");
  QLabel* late_jobs = control<QLabel>("Label16");
  QLabel* total = named_child<QLabel>(Form17, "Label21");
  Form7->set_label(ProgressLabel::BestStep, "1600");
  Form7->findChild<ThrottledLabels*>()->apply();
  // A step shows, four quick steps later a new best is found.
  now = 45;
  Form7->set_label(ProgressLabel::Step, "1625");
  EXPECT_EQ(step->text(), "1625");
  now = 60;
  Form7->set_label(ProgressLabel::Step, "1629");
  Form7->set_label(ProgressLabel::LateJobs, "3");
  Form7->set_label(ProgressLabel::BestStep, "1629");
  Form17->set_statistic(OperatorColumn::Total, 0, 1629);
  EXPECT_EQ(step->text(), "1625");
  EXPECT_EQ(best->text(), "1600");
  EXPECT_NE(late_jobs->text(), "3");
  EXPECT_NE(total->text(), "1629");
  // The next showing brings them all at once.
  now = 100;
  Form7->set_label(ProgressLabel::Step, "1630");
  EXPECT_EQ(step->text(), "1630");
  EXPECT_EQ(best->text(), "1629");
  EXPECT_EQ(late_jobs->text(), "3");
  EXPECT_EQ(total->text(), "1629");
  // A showing at the end of the interval does the same without the step.
  now = 110;
  Form7->set_label(ProgressLabel::BestStep, "1630");
  Form17->set_statistic(OperatorColumn::Total, 0, 1630);
  EXPECT_EQ(best->text(), "1629");
  now = 300;
  for (int waited = 0; best->text() != "1630" && waited < 5000; waited += 10) QTest::qWait(10);
  EXPECT_EQ(best->text(), "1630");
  EXPECT_EQ(total->text(), "1630");
  Form17->hide();
  Form7->hide();
}
