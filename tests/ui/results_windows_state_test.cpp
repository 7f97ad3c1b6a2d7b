// What "Schedule Performance " and "Results" show follows the loaded problem
// and the run: closing the scheduler puts them away with the problem, a
// refused run shows no schedule of another problem, a new schedule is shown
// unzoomed and with its own time axis, the display's boxes act however their
// state changes, and the editor waits while a search runs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "engine/live_schedule.h"
#include "engine/problem.h"
#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "solvers/run_report.h"
#include "tests/support/generated_problem.h"
#include "tests/ui/scheduler_fixture.h"
#include "tests/ui/window_run_fixture.h"
#include "ui/gantt_chart.h"
#include "ui/paged_bar_chart.h"
#include "ui/progress_window.h"
#include "ui/results_window.h"
#include "ui/schedule_performance_window.h"
#include "ui/scheduler_window.h"

namespace {

template <class T>
T* performance(const char* name) {
  return named_child<T>(Form10, QString::fromLatin1(name));
}

GanttChart* gantt(const char* name) { return performance<GanttChart>(name); }

class ResultsWindowsState : public SchedulerWindowTest {
 protected:
  // A loaded sample and a finished search: both results windows open.
  void run_on_sample() {
    load(sample_file());
    run_method(0);
    ASSERT_TRUE(Form10->isVisible());
    ASSERT_TRUE(Form6->isVisible());
  }
};

// Closing the scheduler releases the problem: the windows that showed it go
// too, and asking for them again shows none of its values.
TEST_F(ResultsWindowsState, ClosingTheSchedulerPutsAwayTheResultsOfItsProblem) {
  run_on_sample();
  Form3->show();
  button("Button1")->click();
  EXPECT_EQ(n_of_Jobs, 0);
  EXPECT_FALSE(Form10->isVisible());
  EXPECT_FALSE(Form6->isVisible());
  Form10->show();
  EXPECT_FALSE(Form10->isVisible()) << "a schedule of a released problem is never shown";
}

// After a refused run "Show Results" is offered again (the run gave the
// window back); it shows "Results", but the schedule window only for a
// schedule of the loaded problem.
TEST_F(ResultsWindowsState, ShowResultsAfterARefusedRunShowsNoScheduleOfAnotherProblem) {
  run_on_sample();
  load(small_generated_file());
  EXPECT_FALSE(Form10->isVisible());
  {
    // A refusal answers at once: an enumeration that started anyway is put
    // away and fails here, never by the test's time limit.
    const WaitLimit limit(user, 5);
    run_method(3);  // enumeration refuses 40 jobs
  }
  ASSERT_EQ(user.boxes.size(), 1);
  ASSERT_TRUE(button("Button7")->isEnabled());
  button("Button7")->click();
  EXPECT_TRUE(Form6->isVisible());
  EXPECT_FALSE(Form10->isVisible());
  // A run of this problem gives it a schedule to show.
  run_method(0);
  Form10->hide();
  button("Button7")->click();
  EXPECT_TRUE(Form10->isVisible());
  EXPECT_EQ(performance<QLineEdit>("Edit10")->text(), QString::number(n_of_Jobs));

  // The file loaded anew: the live schedule fits the new problem's sizes but
  // was not made for it, and a run that cannot start shows none.
  load(small_generated_file());
  EXPECT_FALSE(Form10->isVisible());
  set_run_report_folder(dir.file("missing"));
  run_method(0);
  set_run_report_folder(dir.path());
  ASSERT_TRUE(user.boxes.last().contains("cannot be written")) << user.boxes.last().toStdString();
  button("Button7")->click();
  EXPECT_TRUE(Form6->isVisible());
  EXPECT_FALSE(Form10->isVisible());
}

// A zoom and a fixed time axis made on the schedule of one problem never
// frame the next schedule shown.
TEST_F(ResultsWindowsState, ANewScheduleIsShownUnzoomedWithItsOwnTimeAxis) {
  run_on_sample();
  const std::int64_t sample_end = last_obj_value.Completion_Time;
  auto* show_full = performance<QCheckBox>("CheckBox4");
  show_full->setChecked(false);
  ASSERT_EQ(gantt("Chart2")->bottom_axis.maximum, static_cast<double>(sample_end));
  for (const char* c : {"Chart1", "Chart2", "Chart3"}) gantt(c)->zoom_to(1.0, 2.0, 1.0, 2.0);
  performance<PagedBarChart>("Chart4")->zoom_to(1.0, 2.0, 1.0, 2.0);

  load(small_generated_file());
  run_method(0);
  ASSERT_TRUE(Form10->isVisible());
  ASSERT_NE(last_obj_value.Completion_Time, sample_end);
  for (const char* c : {"Chart1", "Chart2", "Chart3"}) EXPECT_FALSE(gantt(c)->zoomed()) << c;
  EXPECT_FALSE(performance<PagedBarChart>("Chart4")->zoomed());
  ASSERT_FALSE(show_full->isChecked());
  EXPECT_FALSE(gantt("Chart2")->bottom_axis.auto_maximum);
  EXPECT_EQ(gantt("Chart2")->bottom_axis.maximum, static_cast<double>(last_obj_value.Completion_Time));
}

// Each display box acts on its state: set by an assistive tool (setChecked),
// by the space bar, or clicked, and a click acts once.
TEST_F(ResultsWindowsState, DisplayBoxesActOnTheirStateHoweverItChanges) {
  run_on_sample();
  work_mode = 2;  // the initial-data box is offered while rescheduling
  Form10->show_live_schedule();
  auto* pages = performance<PagedBarChart>("Chart4");
  // Without details an order has two bars (its window and itself).
  const int order_bars = 2 * n_of_Orders;
  const struct {
    const char* box;
    int page;                      // the page that shows the box
    std::function<bool()> effect;  // true when the charts show the box checked
  } boxes[] = {
      {"CheckBox1", 0, [] { return gantt("Chart1")->series(0).MarksVisible; }},
      {"CheckBox2", 0, [] { return gantt("Chart2")->view_3d(); }},
      {"CheckBox4", 1, [] { return gantt("Chart2")->bottom_axis.auto_maximum; }},
      {"CheckBox3", 2, [=] { return gantt("Chart3")->series(0).Count() > order_bars; }},
      {"CheckBox17", 0, [] { return gantt("Chart1")->series(1).Active; }},
      {"CheckBox6", 0, [] { return performance<QFrame>("Panel1")->isHidden(); }},
      {"CheckBox9", 0, [] { return !performance<QFrame>("Panel3")->isHidden(); }},
      {"CheckBox11", 3, [pages] { return pages->left_axis.auto_maximum; }},
      {"CheckBox12", 3, [pages] { return pages->max_points_per_page() > 0; }},
  };
  for (const auto& b : boxes) {
    SCOPED_TRACE(b.box);
    auto* box = performance<QCheckBox>(b.box);
    Form10->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(b.page);
    const bool was = box->isChecked();
    ASSERT_EQ(b.effect(), was);
    box->setChecked(!was);
    EXPECT_EQ(b.effect(), !was) << "set by a tool";
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    ASSERT_EQ(box->isChecked(), was);
    EXPECT_EQ(b.effect(), was) << "the space bar";
  }
  // "Show Gantt Charts" redraws once per click, not once per signal.
  auto* gantt_box = performance<QCheckBox>("CheckBox9");
  int shown = 0;
  const auto counter = QObject::connect(Form10, &TForm10::schedule_shown, [&] { ++shown; });
  gantt_box->click();
  gantt_box->click();
  QObject::disconnect(counter);
  EXPECT_EQ(shown, 1);
}

// While a search runs, the editor takes no edit (its result would replace the
// plan and its history at the end); when it ends, the editor is back with the
// new plan.
class EditorDuringARun : public WindowRunTest {};

TEST_F(EditorDuringARun, TheEditorIsDisabledWhileASearchRunsAndBackAfterIt) {
  ASSERT_TRUE(load_generated_problem(3, GeneratedSize::Small));
  set_fields(6, 3, 30);
  Form3->Button4Click();
  ASSERT_TRUE(Form10->isVisible());
  auto* modify = performance<QPushButton>("Button1");
  auto* undo = performance<QPushButton>("Button36");
  modify->click();  // the lists filled
  auto* sequence = performance<QListWidget>("ListBox1");
  ASSERT_GT(sequence->count(), 1);
  sequence->setCurrentRow(1);
  performance<QPushButton>("Button17")->click();  // "Up": an edit in the history
  ASSERT_TRUE(undo->isEnabled());

  struct Seen {
    bool modify = true, sequence = true, undo = true, set_focus = true, close = false;
    int passes = 0;
  } seen;
  host.passes = 0;
  host.on_process_events = [&](int pass) {
    if (pass != 2) return;
    ++seen.passes;
    seen.modify = modify->isEnabled();
    seen.sequence = sequence->isEnabled();
    seen.undo = undo->isEnabled();
    seen.set_focus = Form10->findChild<QAction*>("Setfocus3")->isEnabled();
    seen.close = performance<QPushButton>("Button8")->isEnabled();
  };
  Form3->Button4Click();
  host.on_process_events = nullptr;
  ASSERT_EQ(seen.passes, 1);
  EXPECT_FALSE(seen.modify);
  EXPECT_FALSE(seen.sequence);
  EXPECT_FALSE(seen.undo);
  EXPECT_FALSE(seen.set_focus);
  EXPECT_TRUE(seen.close) << "closing the window stays possible";
  // Back with the run's plan and a fresh history.
  EXPECT_TRUE(modify->isEnabled());
  EXPECT_TRUE(sequence->isEnabled());
  EXPECT_TRUE(Form10->findChild<QAction*>("Setfocus3")->isEnabled());
  EXPECT_FALSE(undo->isEnabled());
  modify->click();
  sequence->setCurrentRow(1);
  performance<QPushButton>("Button17")->click();
  EXPECT_TRUE(undo->isEnabled());
  free_input_data();
}

}  // namespace
