// The checking window on its own: a click on a message selects the line it
// names, and the lists are empty again once the window is closed.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "engine/run_state.h"
#include "problem_io/input_checker.h"
#include "tests/support/input_text.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/input_checking_window.h"

namespace {
void click_entry(QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}
}  // namespace

TEST_F(SchedulerWindowTest, ClickingAMessageSelectsItsLine) {
  // Line 5 breaks the calendar order; the missing item of machine 1 is an
  // end-of-input finding that names the last line read.
  input_file_name = dir.write("bad.txt", sample_with_line(5, "120|0|50|80"));
  InputCheck check;
  ASSERT_EQ(check_input_data(check), -1);
  QStringList selections;
  int entries = 0;
  user.on_shown(Form20, [&] {
    auto* errors = Form20->findChild<QListWidget*>("ListBox1");
    auto* memo = Form20->findChild<QPlainTextEdit*>("Memo1");
    entries = errors->count();
    click_entry(errors, 0);
    selections << memo->textCursor().selectedText();
    Form20->findChild<QPushButton*>("Button1")->click();
  });
  const WaitLimit limit(user);
  Form20->show_modal(check);
  ASSERT_GE(entries, 1);
  EXPECT_EQ(selections, QStringList({"120|0|50|80"}));
  // Closed: both lists and the memo are empty, the load's verdict stays.
  EXPECT_EQ(Form20->findChild<QListWidget*>("ListBox1")->count(), 0);
  EXPECT_TRUE(Form20->findChild<QPlainTextEdit*>("Memo1")->toPlainText().isEmpty());
  EXPECT_TRUE(check.error_list.empty());
}
