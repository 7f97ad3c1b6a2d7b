#include "ui/initializing_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QComboBox>
#include <QPushButton>

#include <vector>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/machine_rows.h"
#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/schedule_performance_window.h"

namespace {

// The text of the last box answered.
QString last(const QStringList& texts) { return texts.value(texts.size() - 1); }

std::vector<std::vector<int>> live_sequences() { return machine_jobs(*last_SCH); }

class InitializingWindow : public ::testing::Test {
 protected:
  InitializingWindow() {
    // "Schedule Performance " shows each generated schedule modally; the
    // planner closes it at once.
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (QApplication::activeModalWidget() == Form10) {
        ++results_shown;
        Form10->close();
      }
    });
    closer.start();
  }
  void SetUp() override {
    ASSERT_TRUE(load_generated_problem(9, GeneratedSize::Small));
    last_SCH.reset();
  }
  void TearDown() override {
    free_input_data();
    last_SCH.reset();
  }
  void generate(int method) {
    auto* combo = Form13->findChild<QComboBox*>("ComboBox1");
    combo->setCurrentIndex(method);
    button("Button1")->click();
  }
  QPushButton* button(const char* name) { return Form13->findChild<QPushButton*>(name); }

  AppWindows windows;
  ModalAnswerer boxes;
  QTimer closer;
  int results_shown = 0;
};

TEST_F(InitializingWindow, StartsWithTheExecutionTypeMethod) {
  auto* combo = Form13->findChild<QComboBox*>("ComboBox1");
  ASSERT_EQ(combo->count(), 6);
  EXPECT_EQ(combo->currentText(), "Order exe type oriented assign.");
  EXPECT_EQ(combo->itemText(3), "Job oriented assign. and bach seq.");
}

TEST_F(InitializingWindow, GeneratingTwiceAndAnsweringNoRestoresTheOpeningSchedule) {
  ASSERT_EQ(build_starting_schedule(0), 1);
  const auto opening = live_sequences();
  const long long opening_tardiness = last_obj_value.sumTardiness;
  Form13->show();
  EXPECT_FALSE(button("Button3")->isEnabled());
  generate(2);
  EXPECT_TRUE(button("Button3")->isEnabled());
  EXPECT_TRUE(button("Button2")->isEnabled());  // enabled again after the results window
  generate(5);
  EXPECT_EQ(results_shown, 2);
  ASSERT_NE(live_sequences(), opening);
  boxes.yes = false;
  button("Button2")->click();
  EXPECT_EQ(boxes.messages, QStringList({"The schedule has been changed. Would You like to save changes?",
                                      "Discard changes and exit!"}));
  EXPECT_FALSE(Form13->isVisible());
  EXPECT_EQ(live_sequences(), opening);
  EXPECT_EQ(last_obj_value.sumTardiness, opening_tardiness);
}

TEST_F(InitializingWindow, WithoutALiveScheduleNoLeavesNone) {
  Form13->show();
  generate(4);
  ASSERT_TRUE(last_SCH);
  boxes.yes = false;
  Form13->close();
  EXPECT_FALSE(last_SCH);
  EXPECT_EQ(last(boxes.messages), "Discard changes and exit!");
  // Opening and closing again: nothing created, nothing asked.
  boxes.messages.clear();
  Form13->show();
  Form13->close();
  EXPECT_EQ(boxes.messages, QStringList({" No schedule created!"}));
}

TEST_F(InitializingWindow, ClosingUnchangedAsksNothingAndSavingTwiceReportsNoChanges) {
  ASSERT_EQ(build_starting_schedule(1), 1);
  Form13->show();
  Form13->close();
  EXPECT_TRUE(boxes.messages.isEmpty());

  Form13->show();
  generate(3);
  first_run = 1;
  button("Button3")->click();
  EXPECT_EQ(last(boxes.messages), "The schedule has been saved succesfully!");
  EXPECT_EQ(first_run, 0);
  EXPECT_FALSE(button("Button3")->isEnabled());
  const auto saved = live_sequences();
  button("Button3")->setEnabled(true);
  button("Button3")->click();
  EXPECT_EQ(last(boxes.messages), "There is no changes in the schedule!");
  boxes.messages.clear();
  Form13->close();  // the saved schedule is live: nothing to ask
  EXPECT_TRUE(boxes.messages.isEmpty());
  EXPECT_EQ(live_sequences(), saved);
}

TEST_F(InitializingWindow, YesOnClosingKeepsTheNewScheduleForTheNextRun) {
  ASSERT_EQ(build_starting_schedule(0), 1);
  Form13->show();
  generate(4);
  const auto generated = live_sequences();
  first_run = 1;
  boxes.yes = true;
  Form13->close();
  EXPECT_EQ(last(boxes.messages), "The schedule has been saved succesfully!");
  EXPECT_EQ(first_run, 0);
  EXPECT_EQ(live_sequences(), generated);
}

}  // namespace
