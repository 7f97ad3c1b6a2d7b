// The progress window's own controls: the run-time limit, the live loop and
// tabu-list fields, the docking of the three side windows and the live step
// chart.
#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "engine/run_state.h"
#include "engine/search_parameters.h"
#include "tests/ui/window_run_fixture.h"
#include "ui/chart_colors.h"
#include "ui/main_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/point_chart.h"
#include "ui/progress_window.h"
#include "ui/throttled_labels.h"
#include "ui/results_window.h"
#include "ui/up_down.h"
#include "ui/window_placement.h"

namespace {

template <class T>
T* control(const char* name) {
  T* c = Form7->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

class ProgressWindow : public WindowRunTest {
 protected:
  QLineEdit* limit_field() { return control<QLineEdit>("Edit1"); }
  QTimer* limit_timer() { return control<QTimer>("Timer1"); }
  QString limit_state() { return control<QLabel>("Label23")->text(); }
  void type_limit(const char* text) {
    limit_field()->clear();
    QTest::keyClicks(limit_field(), text);
  }
};

TEST_F(ProgressWindow, TheReschedulingGroupShowsOnlyForItsSearch) {
  EXPECT_EQ(limit_state(), "Timer inactive");
  EXPECT_TRUE(control<QWidget>("GroupBox3")->isHidden());
  // The rescheduling search shows its group and writes its six counters.
  Form7->show_group(ProgressGroup::Rescheduling, true);
  Form7->set_label(ProgressLabel::SetupsNew, "12");
  EXPECT_FALSE(control<QWidget>("GroupBox3")->isHidden());
  EXPECT_EQ(Form7->label(ProgressLabel::SetupsNew)->parentWidget(), control<QWidget>("GroupBox3"));
  EXPECT_EQ(Form7->label(ProgressLabel::SetupsNew)->text(), "12");
  EXPECT_NE(Form7->label(ProgressLabel::SetupsDev), Form7->label(ProgressLabel::SetupsNew));
}

TEST_F(ProgressWindow, TextsOfQuickStepsWaitForTheNextShowingAndNoneIsLost) {
  Form7->show();
  // The pacing clock stands still until the test moves it, so a busy
  // machine cannot make "too soon" late.
  qint64 now = 0;
  Form7->findChild<ThrottledLabels*>()->set_clock([&now] { return now; });
  QLabel* step = Form7->findChild<QLabel*>(QStringLiteral("Label4"));
  Form7->set_label(ProgressLabel::Step, "1");
  EXPECT_EQ(step->text(), "1");  // the first text shows at once
  Form7->set_label(ProgressLabel::Step, "2");
  Form7->set_label(ProgressLabel::Step, "3");
  Form7->set_label(ProgressLabel::LateJobs, "17");
  EXPECT_EQ(step->text(), "1");  // too soon: waiting
  now = 50;                      // the interval passes while events run
  for (int waited = 0; step->text() != "3" && waited < 5000; waited += 10) QTest::qWait(10);
  EXPECT_EQ(step->text(), "3");
  EXPECT_EQ(Form7->findChild<QLabel*>(QStringLiteral("Label16"))->text(), "17");

  Form7->set_label(ProgressLabel::Step, "4");
  Form7->set_label(ProgressLabel::Step, "5");
  Form7->hide();  // the end of a run shows the last texts
  EXPECT_EQ(step->text(), "5");
}

TEST_F(ProgressWindow, LongStepsShowEveryTextOfEveryStepAtOnce) {
  Form7->show();
  QLabel* step = Form7->findChild<QLabel*>(QStringLiteral("Label4"));
  QLabel* late_jobs = Form7->findChild<QLabel*>(QStringLiteral("Label16"));
  Form7->set_label(ProgressLabel::Step, "1");
  QTest::qWait(60);  // a long step
  // Its end writes the new best, the next step's start its number at once
  // after: both show before that step runs.
  Form7->set_label(ProgressLabel::LateJobs, "9");
  Form7->set_label(ProgressLabel::Step, "2");
  EXPECT_EQ(late_jobs->text(), "9");
  EXPECT_EQ(step->text(), "2");
}

TEST_F(ProgressWindow, TheLimitArmsOnlyFrom1To241Minutes) {
  // What is typed, typed after "3" armed the timer: "242" goes 2, 24, 242
  // and the last is out of range; a letter empties the field.
  const struct {
    const char* typed;
    bool armed;
    const char* left;
  } cases[] = {{"241", true, "241"}, {"242", false, ""}, {"0", false, ""}, {"3x", false, ""}};
  for (const auto& c : cases) {
    type_limit(c.typed);
    EXPECT_EQ(limit_timer()->isActive(), c.armed) << c.typed;
    EXPECT_EQ(limit_field()->text(), c.left) << c.typed;
    if (c.armed) {
      EXPECT_EQ(limit_timer()->interval(), 241 * 60000);
      EXPECT_TRUE(limit_state().startsWith("Timer active! Start time: ")) << limit_state().toStdString();
    } else {
      EXPECT_EQ(limit_state(), "Timer inactive") << c.typed;
    }
  }
}

TEST_F(ProgressWindow, EditingTheLimitAgainRestartsTheCount) {
  type_limit("2");
  QTest::qWait(100);
  const int left_before = limit_timer()->remainingTime();
  QTest::keyClick(limit_field(), Qt::Key_Backspace);
  QTest::keyClicks(limit_field(), "2");
  EXPECT_GT(limit_timer()->remainingTime(), left_before);
  EXPECT_FALSE(stop_flag);
}

TEST_F(ProgressWindow, UpDownsChangeTheRunningSearchsLoopsAndTabuSizeWithinTheirRanges) {
  Form7->set_fields(100, 150);
  EXPECT_EQ(maxLOOP, 100);
  EXPECT_EQ(maxTABU, 150);
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

class Docking : public ProgressWindow {
 protected:
  Docking() {
    Form1->setGeometry(20, 10, 1200, 900);
    Form7->show();
  }
  QCheckBox* box(const char* name) { return control<QCheckBox>(name); }
  QRect main() { return outer_geometry(Form1); }
  QRect progress() { return outer_geometry(Form7); }
};

TEST_F(Docking, ShowingThePlacesItAtTheMainWindowsLeftDownToItsBottom) {
  EXPECT_EQ(progress().left(), main().left() + 4);
  EXPECT_EQ(progress().top(), main().top() + 26);
  EXPECT_EQ(progress().top() + progress().height(), main().top() + main().height() - 2);
}

TEST_F(Docking, ChartVisibleDocksResultsOnTheStepChartBesideTheWindow) {
  Form6->show();
  Form6->setEnabled(false);  // left open when a modal session began
  box("CheckBox1")->click();
  EXPECT_TRUE(Form6->isEnabled());
  ASSERT_TRUE(Form6->isVisible());
  const QRect results = outer_geometry(Form6);
  EXPECT_EQ(results.left(), progress().left() + progress().width() + 4);
  EXPECT_EQ(results.top(), progress().top());
  EXPECT_EQ(results.left() + results.width(), main().left() + main().width() - 4);
  EXPECT_EQ(Form6->findChild<QTabWidget*>("PageControl1")->currentIndex(), 5);
  EXPECT_TRUE(control<QTimer>("Timer2")->isActive());

  box("CheckBox1")->click();
  EXPECT_FALSE(Form6->isVisible());
  EXPECT_FALSE(control<QTimer>("Timer2")->isActive());
  EXPECT_FALSE(Form6->placed());  // centred again when shown from elsewhere
}

TEST_F(Docking, PriorityWindowsSitBottomAlignedAndTheResultsEndAboveThem) {
  box("CheckBox1")->click();
  box("CheckBox2")->click();
  ASSERT_TRUE(Form15->isVisible());
  const QRect priority = outer_geometry(Form15);
  EXPECT_EQ(priority.left(), progress().left() + progress().width() + 4);
  EXPECT_EQ(priority.top() + priority.height(), main().top() + main().height() - 2);
  EXPECT_EQ(outer_geometry(Form6).height(), priority.top() - outer_geometry(Form6).top() - 4);
  EXPECT_TRUE(Form15->findChild<QCheckBox*>("CheckBox1")->isChecked());  // "Active control"

  box("CheckBox3")->click();
  ASSERT_TRUE(Form17->isVisible());
  const QRect operators = outer_geometry(Form17);
  EXPECT_EQ(operators.left(), progress().left() + progress().width() + priority.width() + 8);
  EXPECT_EQ(operators.top() + operators.height(), main().top() + main().height() - 2);
  // Both visible: the Results end above the higher of the two, overlapping neither.
  const int higher_top = std::min(priority.top(), operators.top());
  EXPECT_EQ(outer_geometry(Form6).top() + outer_geometry(Form6).height(), higher_top - 4);
  EXPECT_FALSE(outer_geometry(Form6).intersects(operators));
  EXPECT_FALSE(outer_geometry(Form6).intersects(priority));

  // Operator window alone: the Results end above it.
  box("CheckBox2")->click();
  EXPECT_FALSE(Form15->isVisible());
  EXPECT_FALSE(Form15->findChild<QCheckBox*>("CheckBox1")->isChecked());
  box("CheckBox1")->click();
  box("CheckBox1")->click();
  EXPECT_EQ(outer_geometry(Form6).top() + outer_geometry(Form6).height(), operators.top() - 4);
}

TEST_F(Docking, ClosingADockedWindowUnchecksItsBoxAndClosingTheProgressWindowClosesThemAll) {
  box("CheckBox1")->click();
  box("CheckBox2")->click();
  box("CheckBox3")->click();
  Form6->close();
  EXPECT_FALSE(box("CheckBox1")->isChecked());
  EXPECT_FALSE(control<QTimer>("Timer2")->isActive());
  QTest::keyClick(Form15, Qt::Key_Escape);  // any way of closing counts
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

class LiveChart : public Docking {
 protected:
  LiveChart() {
    OBJ_history.assign(21, OBJ_VALUE());
    for (int i = 1; i <= 20; ++i) {
      OBJ_history[i].n_of_Setup = 100 + i;
      OBJ_history[i].Completion_Time = 1000 + i;
    }
    step_no = 1;
    chart_no = 1;
    control<QTimer>("Timer2")->setInterval(1);
  }
  // Lets the refresh timer run a few times.
  void refresh() { QTest::qWait(20); }
  int points() { return Form6->point_count(ResultSeries::StepSetups); }
};

TEST_F(LiveChart, AddsEachCompletedStepOnceAndCatchesUpAfterBeingSwitchedOff) {
  box("CheckBox1")->click();
  step_no = 4;  // steps 1..3 done
  refresh();
  EXPECT_EQ(points(), 3);
  for (ResultSeries s : {ResultSeries::StepLateOrders, ResultSeries::StepCompletion})
    EXPECT_EQ(Form6->point_count(s), 3);
  EXPECT_EQ(chart_no, 4);

  box("CheckBox1")->click();  // off: nothing drawn meanwhile
  step_no = 9;
  refresh();
  EXPECT_EQ(points(), 3);

  box("CheckBox1")->click();  // on again: steps 4..8, each once
  refresh();
  ASSERT_EQ(points(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Form6->step_chart()->point(3, i), QPointF(i + 1, 101 + i)) << i;
  EXPECT_EQ(Form6->series_colour(ResultSeries::StepSetups), chart_colour(ChartColour::Setup));
}

TEST_F(LiveChart, ClosingTheResultsWindowStopsTheRefresh) {
  box("CheckBox1")->click();
  step_no = 3;
  refresh();
  Form6->close();
  step_no = 6;
  refresh();
  EXPECT_EQ(points(), 2);
  EXPECT_FALSE(box("CheckBox1")->isChecked());
}

}  // namespace
