// No list or window stays on a plan that is gone: a run, a starting schedule
// or a load replaces the live schedule, and the editor's lists and choices
// are emptied with it, so that every move offered works on the plan shown;
// a load or a closing puts "Results" away with "Schedule Performance ", and
// no "Show Results" brings the report of the replaced problem back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "engine/schedule_edits.h"
#include "problem_io/input_reader.h"
#include "solvers/run_report.h"
#include "tests/support/released_file.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/initializing_window.h"
#include "ui/input_checking_window.h"
#include "ui/modal_session.h"
#include "ui/rescheduler_window.h"
#include "ui/results_window.h"
#include "ui/results_windows.h"
#include "ui/schedule_performance_window.h"

namespace {

template <class T>
T* performance(const char* name) {
  return named_child<T>(Form10, QString::fromLatin1(name));
}

std::vector<int> list_jobs(const QListWidget* list) {
  std::vector<int> jobs;
  for (int i = 0; i < list->count(); ++i) jobs.push_back(get_number_from_name(list->item(i)->text().toStdString()));
  return jobs;
}

QString results_report() { return named_child<QPlainTextEdit>(Form6, QStringLiteral("Memo1"))->toPlainText(); }

// The editor's lists and the moves it offers, read from the window.
struct EditorSeen {
  int machines, sequence, orders, jobs, routes;
  bool up, down, top, save_changes;
  static EditorSeen now() {
    return {performance<QComboBox>("ComboBox1")->count(),  performance<QListWidget>("ListBox1")->count(),
            performance<QComboBox>("ComboBox7")->count(),  performance<QListWidget>("ListBox2")->count(),
            performance<QComboBox>("ComboBox2")->count(),  performance<QPushButton>("Button17")->isEnabled(),
            performance<QPushButton>("Button18")->isEnabled(), performance<QPushButton>("Button22")->isEnabled(),
            performance<QPushButton>("Button21")->isEnabled()};
  }
  void expect_empty(const char* what) const {
    SCOPED_TRACE(what);
    EXPECT_EQ(machines, 0);
    EXPECT_EQ(sequence, 0);
    EXPECT_EQ(orders, 0);
    EXPECT_EQ(jobs, 0);
    EXPECT_EQ(routes, 0);
    EXPECT_FALSE(up);
    EXPECT_FALSE(down);
    EXPECT_FALSE(top);
    EXPECT_FALSE(save_changes);
  }
};

class ReplacedPlanViews : public SchedulerWindowTest {
 protected:
  // "Modify schedule", then machine m chosen in "Change Job Sequence on Machine".
  void modify_on_machine(int m) {
    performance<QPushButton>("Button1")->click();
    performance<QComboBox>("ComboBox1")->setCurrentIndex(m - 1);
  }
  QListWidget* sequence() const { return performance<QListWidget>("ListBox1"); }
};

// The reload question answered No: the run starts afresh and leaves another
// plan, on which the list of the plan before would offer moves that fail.
TEST_F(ReplacedPlanViews, ARunEmptiesTheEditorListsOfThePlanItReplaced) {
  load(small_generated_file());
  run_method(0);
  ASSERT_TRUE(Form10->isVisible());
  modify_on_machine(3);
  // An edit, so that the plan shown is not the one the next run finds again.
  sequence()->setCurrentRow(0);
  performance<QPushButton>("Button18")->click();  // "Down"
  const std::vector<int> shown_before = list_jobs(sequence());
  ASSERT_EQ(shown_before, machine_sequence(*last_SCH, 3));
  ASSERT_GT(shown_before.size(), 1u);

  run_method(0);
  ASSERT_TRUE(user.questions.contains("Would You like to reload the last Sch values?"));
  ASSERT_TRUE(Form10->isVisible());
  ASSERT_NE(machine_sequence(*last_SCH, 3), shown_before) << "the run left another plan";
  EditorSeen::now().expect_empty("after the run");

  // "Modify schedule" shows the new plan, and a move on it works.
  modify_on_machine(3);
  const std::vector<int> shown = list_jobs(sequence());
  ASSERT_EQ(shown, machine_sequence(*last_SCH, 3));
  user.messages.clear();
  sequence()->setCurrentRow(0);
  performance<QPushButton>("Button18")->click();  // "Down"
  EXPECT_TRUE(user.messages.isEmpty()) << user.messages.join('|').toStdString();
  EXPECT_EQ(machine_sequence(*last_SCH, 3).at(1), shown.at(0));
  EXPECT_TRUE(performance<QPushButton>("Button36")->isEnabled()) << "the move is in the history";
}

// "Generate schedule" shows its schedule in the window the planner left open
// after a run: as if shown anew, with empty lists, not those of the run's
// plan, and taking input although the initializing window's session
// disabled it with the other windows.
TEST_F(ReplacedPlanViews, AStartingScheduleEmptiesTheListsOfAnEditorLeftOpen) {
  load(small_generated_file());
  run_method(0);
  ASSERT_TRUE(Form10->isVisible());
  modify_on_machine(2);
  ASSERT_GT(sequence()->count(), 0);

  // The planner's steps, each from its own timer, so that what one opens is
  // answered by the next tick: "Generate schedule", a look at the schedule
  // shown, closing it, closing the initializing window (its question
  // answered No: the run's plan is live again).
  int step = 0;
  EditorSeen in_session{};
  bool enabled_in_session = false;
  QString completion_shown;
  const auto later = [](std::function<void()> f) { QTimer::singleShot(0, Form13, std::move(f)); };
  user.on_tick = [&] {
    QWidget* session = modal_session_window();
    if (step == 0 && session == Form13) {
      step = 1;
      later([] { Form13->findChild<QPushButton*>("Button1")->click(); });
    } else if (step == 1 && session == Form10) {
      step = 2;
      in_session = EditorSeen::now();
      enabled_in_session = Form10->isEnabled();
      completion_shown = performance<QLineEdit>("Edit6")->text();
      later([] { performance<QPushButton>("Button8")->click(); });  // "Close"
    } else if (step == 2 && session == Form13) {
      step = 3;
      later([] { Form13->findChild<QPushButton*>("Button2")->click(); });
    }
  };
  {
    const WaitLimit limit(user);
    button("Button2")->click();  // "Create Starting  Schedule"
  }
  user.on_tick = nullptr;
  ASSERT_EQ(step, 3);
  in_session.expect_empty("the starting schedule shown");
  EXPECT_TRUE(enabled_in_session) << "the window shown for the planner takes no input";
  EXPECT_NE(completion_shown, QString());
  EXPECT_TRUE(user.messages.contains("Discard changes and exit!"));
}

// A load of another problem in the scheduler takes "Results" with "Schedule
// Performance "; nothing brings its report back before a run of the new one.
// A cancelled load keeps the problem, and its windows stay.
TEST_F(ReplacedPlanViews, ALoadInTheSchedulerPutsAwayTheReportOfTheProblemItReplaced) {
  load(sample_file());
  run_method(0);
  ASSERT_TRUE(Form6->isVisible());
  ASSERT_TRUE(results_report().contains("sample.txt"));

  load("");  // cancelled
  EXPECT_TRUE(Form6->isVisible());
  EXPECT_TRUE(Form10->isVisible());

  modify_on_machine(1);
  load(small_generated_file());
  EXPECT_FALSE(Form10->isVisible());
  EXPECT_FALSE(Form6->isVisible());
  EditorSeen::now().expect_empty("the editor of the problem replaced");
  EXPECT_FALSE(button("Button7")->isEnabled());
  show_results_windows(ScheduleDisplay::AsItIs);
  show_results_windows(ScheduleDisplay::Renewed);
  Form6->show();
  EXPECT_FALSE(Form6->isVisible()) << "the report of the problem replaced came back";

  run_method(0);
  EXPECT_TRUE(Form6->isVisible());
  EXPECT_TRUE(results_report().contains("small.sif"));
  EXPECT_FALSE(results_report().contains("sample.txt"));
}

// The rescheduler's loads, good, refused and cancelled, each after a run had
// shown its report: the report goes, and "Show Results" (left enabled by a
// good load) shows the loaded plan without it.
TEST_F(ReplacedPlanViews, EveryLoadInTheReschedulerPutsAwayTheReportOfThePlanItReplaced) {
  const std::string good = write_released_file(dir, "good.rsf", 17);
  const std::string refused = dir.write("refused.rsf", "1|x\n" + read_file(good));
  Form18->show();
  auto* show_results = named_child<QPushButton>(Form18, QStringLiteral("Button3"));
  for (const std::string& next : {good, refused, std::string()}) {
    SCOPED_TRACE(next.empty() ? "cancelled" : next);
    user.file = QString::fromStdString(good);
    named_child<QPushButton>(Form18, QStringLiteral("Button1"))->click();
    ASSERT_EQ(n_of_Jobs, 40);
    for (const char* field : {"Edit1", "Edit2", "Edit3"})
      named_child<QLineEdit>(Form18, QString::fromLatin1(field))->setText(QStringLiteral("3"));
    named_child<QPushButton>(Form18, QStringLiteral("Button6"))->click();  // "Run"
    ASSERT_TRUE(Form6->isVisible());
    ASSERT_TRUE(show_results->isEnabled());

    user.file = QString::fromStdString(next);
    named_child<QPushButton>(Form18, QStringLiteral("Button1"))->click();
    EXPECT_FALSE(Form6->isVisible());
    EXPECT_FALSE(Form10->isVisible());
    if (show_results->isEnabled()) show_results->click();
    Form6->show();
    EXPECT_FALSE(Form6->isVisible()) << "the report of the plan replaced came back";
    EXPECT_EQ(Form10->isVisible(), next == good) << "only a loaded plan is shown";
  }
  Form18->close();
  EXPECT_FALSE(Form10->isVisible());
  EXPECT_FALSE(Form6->isVisible());
}

}  // namespace
