// The three priority windows: the weights they set and when they are stored
// (the comparison that weighs them is tested with the engine), and that the
// next operator draw follows the operator priorities.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/search_operators.h"
#include "tests/ui/window_run_fixture.h"
#include "ui/more_objectives_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"

namespace {

class PriorityWindows : public WindowRunTest {
 protected:
  QSlider* bar(int row) { return named_child<QSlider>(Form15, QStringLiteral("TrackBar%1").arg(row)); }
  QLineEdit* edit(int row) { return named_child<QLineEdit>(Form15, QStringLiteral("Edit%1").arg(row)); }
};

TEST_F(PriorityWindows, TheWindowsSetTheProgramsStartWeights) {
  std::fill(ObjPri, ObjPri + 6, 1);
  std::fill(Nx_op_pri, Nx_op_pri + n_of_operators + 1, 0);
  AppWindows fresh;  // a new start of the program
  const int expected[6] = {7, 8, 10, 10, 7, 5};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(ObjPri[i], expected[i]) << i;
    EXPECT_EQ(edit(i + 1)->text().toInt(), expected[i]);
  }
  for (int k = 0; k <= n_of_operators; ++k) EXPECT_EQ(Nx_op_pri[k], 1);
}

// Without "Active control" a bar changes only its field: "OK" stores the
// positions, closing otherwise keeps the weights and the next showing shows
// them.
TEST_F(PriorityWindows, WithoutActiveControlABarChangesOnlyItsFieldUntilOK) {
  Form15->show();
  bar(5)->setValue(2);
  Form15->close();
  EXPECT_EQ(ObjPri[4], 7);
  Form15->show();
  EXPECT_EQ(bar(5)->value(), 7);
  EXPECT_EQ(edit(5)->text(), "7");

  bar(2)->setFocus();
  QTest::keyClick(bar(2), Qt::Key_Home);  // position 0
  EXPECT_EQ(edit(2)->text(), "0");
  EXPECT_EQ(ObjPri[1], 8);

  // "More" opens the rescheduling priorities, which close with the window.
  auto* more = named_child<QPushButton>(Form15, "Button2");
  EXPECT_TRUE(more->isHidden());
  Form15->show_more_button(true);
  more->click();
  EXPECT_TRUE(Form19->isVisible());
  named_child<QPushButton>(Form15, "Button1")->click();  // "OK"
  EXPECT_FALSE(Form15->isVisible());
  EXPECT_FALSE(Form19->isVisible());
  EXPECT_EQ(ObjPri[1], 0);
}

TEST_F(PriorityWindows, ActiveControlStoresThePositionsAtOnceAndEveryMoveAfter) {
  Form15->show();
  bar(6)->setValue(1);
  EXPECT_EQ(ObjPri[5], 5);
  named_child<QCheckBox>(Form15, "CheckBox1")->click();
  EXPECT_EQ(ObjPri[5], 1);
  bar(1)->setValue(3);
  EXPECT_EQ(ObjPri[0], 3);
  Form15->set_active_control(false);  // what the scheduler window does before a modal showing
  bar(1)->setValue(9);
  EXPECT_EQ(ObjPri[0], 3);
}

TEST_F(PriorityWindows, ReschedulingPriorityTenAtTheTopAndZeroLeavesTheCounterOut) {
  ReschPri[3] = 4;
  Form19->show();
  auto* lines = named_child<QListWidget>(Form19, "ListBox1");
  auto* values = named_child<QListWidget>(Form19, "ListBox2");
  auto* slider = named_child<QSlider>(Form19, "TrackBar1");
  ASSERT_EQ(lines->count(), 10);
  EXPECT_EQ(lines->item(3)->text(), "Num. of new late jobs");
  EXPECT_EQ(lines->currentRow(), 0);

  values->setCurrentRow(3);  // choosing in either list chooses the line
  EXPECT_EQ(lines->currentRow(), 3);
  EXPECT_EQ(named_child<QLineEdit>(Form19, "Edit1")->text(), "4");
  EXPECT_EQ(ReschPri[3], 4);  // choosing a line changes nothing

  slider->setValue(slider->minimum());  // the top of the bar
  EXPECT_EQ(ReschPri[3], 10);
  EXPECT_EQ(values->item(3)->text(), "10");
  EXPECT_EQ(named_child<QLineEdit>(Form19, "Edit1")->text(), "10");

  QTest::keyClick(slider, Qt::Key_End);  // the bottom: priority 0, the counter left out
  EXPECT_EQ(ReschPri[3], 0);
}

class OperatorWindow : public WindowRunTest {
 protected:
  QComboBox* op() { return named_child<QComboBox>(Form17, "ComboBox1"); }
  QComboBox* priority() { return named_child<QComboBox>(Form17, "ComboBox2"); }
  void set_priority(int op_index, int value) {
    op()->setCurrentIndex(op_index);
    emit op()->activated(op_index);
    priority()->setCurrentIndex(value);
    emit priority()->activated(value);
  }
  QString share_label(int k) { return Form17->statistic_label(OperatorColumn::Priority, k)->text(); }
  QString sum_label() { return named_child<QLabel>(Form17, "Label31")->text(); }
};

// Each operator's priority with its share of the sum; the next operator draw
// follows the priorities.
TEST_F(OperatorWindow, ShowsEachShareOfTheSumAndTheNextDrawFollowsThePriorities) {
  Form17->show();
  ASSERT_EQ(op()->count(), 5);
  EXPECT_EQ(op()->itemText(4), "N5");
  EXPECT_TRUE(named_child<QLabel>(Form17, "Label7")->isHidden());  // N6 has no operator
  EXPECT_EQ(share_label(1), "1 [0.2] ");

  set_priority(2, 0);
  EXPECT_EQ(Nx_op_pri[3], 0);
  EXPECT_EQ(sum_label(), "4");
  EXPECT_EQ(share_label(1), "1 [0.25] ");
  EXPECT_EQ(share_label(3), "0 [0] ");
  set_priority(0, 2);
  EXPECT_EQ(share_label(1), "2 [0.4] ");
  EXPECT_EQ(share_label(2), "1 [0.2] ");
  op()->setCurrentIndex(0);
  emit op()->activated(0);
  EXPECT_EQ(priority()->currentText(), "2");  // the chosen operator's priority

  for (int k = 0; k < 4; ++k) set_priority(k, 0);  // only N5 keeps its 1
  seed_random(7);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(select_Nx_op(n_of_operators, Nx_op_pri), 5);
  set_priority(4, 0);  // all zero: sum and shares zero, no division by it
  EXPECT_EQ(sum_label(), "0");
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(share_label(k), "0 [0] ");
}

TEST_F(OperatorWindow, StatisticsGoToTheirColumnsAndCanBeHidden) {
  Form17->set_statistic(OperatorColumn::Total, 2, 16);
  Form17->set_statistic(OperatorColumn::Total, 2, 17);  // a step later
  Form17->set_statistic(OperatorColumn::Improve, 0, 5);
  QLabel* total = Form17->statistic_label(OperatorColumn::Total, 2);  // shows what waits
  EXPECT_EQ(total->objectName(), "Label23");
  EXPECT_EQ(total->text(), "17");
  EXPECT_EQ(named_child<QLabel>(Form17, "Label20")->text(), "5");
  Form17->show_statistics(false);
  EXPECT_TRUE(total->isHidden());
  EXPECT_FALSE(named_child<QLabel>(Form17, "Label33")->isHidden());  // priorities stay
}

}  // namespace
