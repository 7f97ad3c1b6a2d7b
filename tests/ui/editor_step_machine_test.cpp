// The schedule editor's step machines driven through its real combos: a route
// step moved onto the machine whose job sequence is shown leaves that list
// showing the machine's new sequence, the first machine included.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "engine/live_schedule.h"
#include "engine/schedule_edits.h"
#include "problem_io/input_reader.h"
#include "tests/support/varied_shop.h"
#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/schedule_performance_window.h"

namespace {

std::vector<int> list_jobs(const QListWidget* list) {
  std::vector<int> jobs;
  for (int i = 0; i < list->count(); ++i) jobs.push_back(get_number_from_name(list->item(i)->text().toStdString()));
  return jobs;
}

class ScheduleEditorStepMachine : public ::testing::Test {
 protected:
  void TearDown() override {
    Form10->hide();
    last_SCH.reset();
    free_input_data();
  }
  AppWindows windows;
  ModalAnswerer user;
};

}  // namespace

TEST_F(ScheduleEditorStepMachine, AStepMovedOntoTheShownFirstMachineJoinsItsList) {
  // Two machines a group: machines 1 and 2 share group 1.
  build_varied_shop(5, 30);
  random_start_S(3).to_J_A_M_wload(J_A, M_wload);
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  recalc_schedule_values(*last_SCH, last_obj_value);
  TForm10* form = Form10;
  form->show();
  named_child<QPushButton>(form, "Button1")->click();  // "Modify schedule"
  auto* machines = named_child<QComboBox>(form, "ComboBox1");
  auto* sequence = named_child<QListWidget>(form, "ListBox1");
  auto* orders = named_child<QComboBox>(form, "ComboBox7");
  auto* jobs = named_child<QListWidget>(form, "ListBox2");
  ASSERT_TRUE(machines && sequence && orders && jobs);

  // A job with a route step whose group offers it machine 1 and another one.
  int job = 0;
  QComboBox* step = nullptr;
  for (int j = 1; j <= n_of_Jobs && !step; ++j) {
    orders->setCurrentIndex(Jobs[j].Order_ID);
    jobs->setCurrentRow(j - Orders[Jobs[j].Order_ID].First_Job);
    for (int k = 1; k <= 4 && !step; ++k) {
      auto* combo = named_child<QComboBox>(form, QStringLiteral("ComboBox%1").arg(k + 2));
      if (combo->isVisibleTo(form) && combo->count() >= 2 && combo->findText("Mach_1") >= 0) {
        step = combo;
        job = j;
      }
    }
  }
  ASSERT_NE(step, nullptr);
  const int to_first = step->findText("Mach_1");
  if (step->currentIndex() == to_first) step->setCurrentIndex(to_first == 0 ? 1 : 0);
  ASSERT_NE(step->currentText(), "Mach_1");
  // The planner looks at machine 1, then moves the step there.
  machines->setCurrentIndex(0);
  ASSERT_EQ(list_jobs(sequence), machine_sequence(*last_SCH, 1));
  const int listed_before = sequence->count();
  step->setCurrentIndex(to_first);
  EXPECT_EQ(machines->currentText(), "Mach_1");
  EXPECT_EQ(list_jobs(sequence), machine_sequence(*last_SCH, 1));
  EXPECT_EQ(sequence->count(), listed_before + 1);
  ASSERT_GT(sequence->count(), 0);
  EXPECT_EQ(list_jobs(sequence).back(), job) << "the route step goes to the end of machine 1";
}
