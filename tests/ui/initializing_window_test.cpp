#include "ui/initializing_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/machine_rows.h"
#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/modal_session.h"
#include "ui/schedule_performance_window.h"

namespace {

using Sequences = std::vector<std::vector<int>>;

class InitializingWindow : public ::testing::Test {
 protected:
  InitializingWindow() {
    // "Schedule Performance " shows each generated schedule modally; the
    // planner closes it at once.
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (modal_session_window() == Form10) {
        ++results_shown;
        Form10->close();
      }
    });
    closer.start();
  }
  void SetUp() override { ASSERT_TRUE(load_generated_problem(9, GeneratedSize::Small)); }
  void TearDown() override {
    free_input_data();
    last_SCH.reset();
  }
  QPushButton* button(const char* name) { return Form13->findChild<QPushButton*>(name); }
  void generate(int method) {
    Form13->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(method);
    button("Button1")->click();
    EXPECT_TRUE(button("Button3")->isEnabled());
    EXPECT_TRUE(button("Button2")->isEnabled());  // enabled again after the results window
  }
  Sequences live() { return last_SCH ? machine_jobs(*last_SCH) : Sequences(); }

  AppWindows windows;
  ModalAnswerer boxes;
  QTimer closer;
  int results_shown = 0;
};

// One visit of the window each: the schedule live when it opens, what the
// planner generates and saves, and the answer when it closes.
TEST_F(InitializingWindow, ClosingKeepsOrRestoresTheLiveScheduleAsThePlannerAnswers) {
  EXPECT_EQ(Form13->findChild<QComboBox*>("ComboBox1")->currentText(), "Order exe type oriented assign.");
  // As after a load: the results window shows no schedule from before, yet
  // every schedule generated here is of the loaded problem and is shown.
  Form10->problem_replaced();
  const QString changed = "The schedule has been changed. Would You like to save changes?";
  const QString saved = "The schedule has been saved succesfully!";
  const QString discarded = "Discard changes and exit!";
  enum Live { Opening, Generated, None };
  struct Visit {
    const char* what;
    int opening;                 // method of the schedule live at opening; -1: none
    std::vector<int> generated;  // methods generated in turn
    bool save;                   // "Save changes" after the generations
    bool yes;                    // the answer to the closing question
    QStringList messages;
    Live live_after;  // a generated schedule kept is the next run's start
  };
  const Visit visits[] = {
      {"unchanged", 0, {}, false, true, {}, Opening},
      {"two generations, No", 0, {2, 5}, false, false, {changed, discarded}, Opening},
      {"a generation, Yes", 0, {4}, false, true, {changed, saved}, Generated},
      {"a saved generation", 1, {3}, true, true, {saved}, Generated},
      {"a generation of none, No", -1, {4}, false, false, {changed, discarded}, None},
      {"nothing at all", -1, {}, false, true, {" No schedule created!"}, None},
  };
  for (const Visit& v : visits) {
    SCOPED_TRACE(v.what);
    last_SCH.reset();
    if (v.opening >= 0) {
      ASSERT_EQ(build_starting_schedule(v.opening), 1);
    }
    const Sequences opening = live();
    first_run = 1;
    results_shown = 0;
    Form13->show();
    EXPECT_FALSE(button("Button3")->isEnabled());
    for (int method : v.generated) generate(method);
    EXPECT_EQ(results_shown, static_cast<int>(v.generated.size()));
    const Sequences generated = live();
    if (!v.generated.empty()) {
      ASSERT_NE(generated, opening);
    }
    boxes.messages.clear();
    if (v.save) {
      button("Button3")->click();
      EXPECT_FALSE(button("Button3")->isEnabled());
    }
    boxes.yes = v.yes;
    button("Button2")->click();
    EXPECT_FALSE(Form13->isVisible());
    EXPECT_EQ(boxes.messages, v.messages);
    EXPECT_EQ(live(), v.live_after == Opening ? opening : v.live_after == Generated ? generated : Sequences());
    EXPECT_EQ(first_run, v.live_after == Generated ? 0 : 1);
  }
}

TEST_F(InitializingWindow, SavingAnUnchangedScheduleReportsNoChanges) {
  Form13->show();
  generate(0);
  button("Button3")->click();
  generate(0);  // the same rule on the same shop builds the same schedule
  boxes.messages.clear();
  button("Button3")->click();
  EXPECT_EQ(boxes.messages, QStringList({"There is no changes in the schedule!"}));
  Form13->close();
  EXPECT_EQ(boxes.messages.size(), 1);  // the saved schedule is live: nothing to ask
}

}  // namespace
