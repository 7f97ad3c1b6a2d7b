// The scheduler window driven as a planner does: its fields, the load road
// through the open dialog and the checking window, closing, and the runs.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <tuple>

#include "engine/problem.h"
#include "engine/run_state.h"
#include "tests/support/input_text.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/initializing_window.h"
#include "ui/input_checking_window.h"
#include "ui/input_data_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/input_file_loading.h"
#include "ui/scheduler_window.h"

namespace {
const char* const kIncorrect = "TAVO_Scheduler|  Input data are incorrect!\nOpening process stopped!";
const std::string kWarned = sample_with_line(14, "200|0|10|10|3|7|0|3|1");  // CST = CET
const std::string kBad = sample_with_line(2, "100|0|0|0|1");                // zero speed

QStringList captions(const QList<QPushButton*>& buttons) {
  QStringList c;
  for (QPushButton* b : buttons) c << b->text();
  return c;
}

// The controls a loaded window offers, enabled or not.
std::vector<bool> run_controls_enabled() {
  std::vector<bool> e;
  for (const char* n : {"Button4", "Button2", "Button8", "Button9", "Button5", "Button1", "Button3"}) {
    auto* b = Form3->findChild<QPushButton*>(n);
    e.push_back(b && b->isEnabled());
  }
  return e;
}
}  // namespace

TEST_F(SchedulerWindowTest, ControlsCarryTheirNamesCaptionsAndDesignStates) {
  EXPECT_EQ(captions({button("Button1"), button("Button3"), button("Button2"), button("Button8"), button("Button7"),
                      button("Button6"), button("Button5"), button("Button4"), button("Button9"),
                      button("Button10"), button("Button11")}),
            QStringList({"Close", "Load  Input data from file", "Create Starting  Schedule", "Input data",
                         "Show Results", "Speed test ", "Export Input to file", "Run", "Test", "Detailes",
                         "Search operators"}));
  EXPECT_EQ(label2(), "No input data loaded.");
  EXPECT_EQ(combo("ComboBox2")->itemText(3), "Enumaration for small size problems");
  EXPECT_EQ(check_box("CheckBox1")->text(), "Perf. test ");
  // Only loading, closing and the priority windows act before a load.
  for (const char* n : {"Button4", "Button2", "Button8", "Button7", "Button6", "Button9"})
    EXPECT_FALSE(button(n)->isEnabled()) << n;
  for (const char* n : {"Button1", "Button3", "Button10", "Button11"}) EXPECT_TRUE(button(n)->isEnabled()) << n;
  EXPECT_TRUE(edit("Edit1")->isEnabled());
  EXPECT_FALSE(edit("Edit4")->isEnabled());
  EXPECT_TRUE(edit("Edit5")->isHidden());
  EXPECT_FALSE(button("Button5")->isVisibleTo(Form3));
  // A field is found by the label beside it.
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(edit("Edit6"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(QAccessible::Name), "Min. loop:");
  // The parameters a run reads.
  EXPECT_EQ(Form3->field_value(SchedulerField::Steps), 2000);
  EXPECT_EQ(Form3->field_value(SchedulerField::ImprovementLess), 20);
  EXPECT_EQ(Form3->field_value(SchedulerField::MinLoop), 10);
}

TEST_F(SchedulerWindowTest, FieldsTakeDigitsInRangeAndResetWhenLeftOutOfRange) {
  Form3->show();
  QApplication::setActiveWindow(Form3);
  QLineEdit* steps = edit("Edit1");
  type_into(steps, "12a");
  EXPECT_EQ(steps->text(), "");  // a letter empties the field
  type_into(steps, "0");
  EXPECT_EQ(steps->text(), "");  // 0 lies outside 1..9999
  type_into(steps, "");
  edit("Edit2")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(user.boxes, QStringList({"TAVO_Scheduler| The value of the Num. of Steps field is out of the range! "
                                     "It must be in [1 - 9999]."}));
  EXPECT_EQ(steps->text(), "10");
  EXPECT_TRUE(steps->hasFocus());
  // An empty field never reaches a run.
  steps->setText(QString());
  EXPECT_EQ(Form3->field_value(SchedulerField::Steps), 10);
  steps->setText(QStringLiteral("10"));

  // The minimum loop is bounded by the loops; its reset is a quarter of them,
  // at least 10 and never more than the loops.
  combo("ComboBox2")->setCurrentIndex(1);
  QLineEdit* min_loop = edit("Edit6");
  for (const auto& [loops, typed, reset] : {std::tuple{"100", "101", "25"}, {"20", "21", "10"}, {"5", "6", "5"}}) {
    edit("Edit2")->setText(QString::fromLatin1(loops));
    type_into(min_loop, typed);
    EXPECT_EQ(min_loop->text(), "");
    edit("Edit3")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(min_loop->text(), reset) << loops;
    EXPECT_TRUE(min_loop->hasFocus());
  }
  EXPECT_TRUE(user.boxes.last().contains("Min. loop field"));
  Form3->hide();
}

TEST_F(SchedulerWindowTest, MethodAndPerformanceTestShowTheirFields) {
  QComboBox* method = combo("ComboBox2");
  QCheckBox* perf = check_box("CheckBox1");
  Form3->show();
  QApplication::processEvents();
  const QRect run_button = button("Button4")->geometry();
  for (int m : {1, 2}) {
    method->setCurrentIndex(m);
    QApplication::processEvents();
    EXPECT_FALSE(edit("Edit5")->isHidden()) << m;
    EXPECT_FALSE(edit("Edit6")->isHidden()) << m;
    // The fields appear in the room kept for them: nothing else moves.
    EXPECT_EQ(button("Button4")->geometry(), run_button) << m;
  }
  method->setCurrentIndex(3);
  EXPECT_TRUE(edit("Edit5")->isHidden());
  perf->setEnabled(true);
  perf->click();
  EXPECT_TRUE(edit("Edit4")->isEnabled());
  EXPECT_FALSE(edit("Edit5")->isHidden());
  Form3->uncheck_performance_test();
  EXPECT_FALSE(perf->isChecked());
  EXPECT_FALSE(edit("Edit4")->isEnabled());
  EXPECT_TRUE(edit("Edit5")->isHidden());
}

TEST_F(SchedulerWindowTest, LoadThroughTheDialogThenCancelKeepsTheProblem) {
  load(sample_file());
  EXPECT_EQ(user.file_dialogs, 1);
  EXPECT_EQ(label2(), "Input data loaded.");
  EXPECT_EQ(n_of_Jobs, 3);
  EXPECT_EQ(first_run, 1);
  EXPECT_EQ(run_controls_enabled(), std::vector<bool>(7, true));
  EXPECT_FALSE(button("Button7")->isEnabled());
  EXPECT_FALSE(button("Button6")->isEnabled());
  EXPECT_TRUE(user.boxes.isEmpty());
  // The dialog started in the program's folder with the three filters.
  EXPECT_EQ(user.file_dialog_filters,
            QStringList({"Scheduling input files (*.sif) or Text files (*.txt) (*.sif *.SIF *.txt *.TXT)",
                         "Scheduling input files (*.sif) (*.sif *.SIF)", "Text files (*.txt) (*.txt *.TXT)"}));
  EXPECT_EQ(user.file_dialog_folder, QCoreApplication::applicationDirPath());

  // Cancelled with a problem loaded: still loaded and usable.
  load("");
  EXPECT_EQ(label2(), "Input data loaded.");
  EXPECT_TRUE(button("Button4")->isEnabled());
  EXPECT_EQ(n_of_Jobs, 3);
}

TEST_F(SchedulerWindowTest, WarningsShowTheCheckingWindowAndTheLoadGoesOn) {
  QStringList warnings;
  user.on_shown(Form20, [&] {
    auto* list = Form20->findChild<QListWidget*>("ListBox2");
    for (int i = 0; i < list->count(); ++i) warnings << list->item(i)->text();
    Form20->findChild<QPushButton*>("Button1")->click();
  });
  load(dir.write("warned.txt", kWarned));
  EXPECT_EQ(warnings, QStringList({"Zero Time Window of Order 0 (in 3. or 4. field) -> line_14"}));
  EXPECT_EQ(label2(), "Input data loaded.");
  EXPECT_TRUE(user.boxes.isEmpty());
  EXPECT_FALSE(Form20->isVisible());
}

TEST_F(SchedulerWindowTest, ErrorsRefuseTheLoadAfterTheCheckingWindow) {
  load(sample_file());
  QStringList errors;
  QString file_label;
  user.on_shown(Form20, [&] {
    auto* list = Form20->findChild<QListWidget*>("ListBox1");
    for (int i = 0; i < list->count(); ++i) errors << list->item(i)->text();
    file_label = Form20->findChild<QLabel*>("Label3")->text();
    Form20->findChild<QPushButton*>("Button1")->click();
  });
  const std::string bad = dir.write("bad.txt", kBad);
  load(bad);
  EXPECT_EQ(errors, QStringList({"Zero Speed of Machine 0 (in 3. field) -> line_2"}));
  EXPECT_EQ(file_label, "Input file: " + QString::fromStdString(bad));
  EXPECT_EQ(user.boxes, QStringList({kIncorrect}));
  EXPECT_EQ(label2(), "No input data loaded.");
  EXPECT_EQ(run_controls_enabled(), std::vector<bool>({false, false, false, false, false, true, true}));
  EXPECT_EQ(n_of_Jobs, 3);  // the earlier problem's arrays are untouched
}

TEST_F(SchedulerWindowTest, SaveAndCheckMendsTheFileAndTheLoadGoesOn) {
  const std::string bad = dir.write("bad.txt", kBad);
  const std::string good = join_lines(sample_input_lines());
  int errors_after_save = -1;
  user.on_shown(Form20, [&] {
    Form20->findChild<QPlainTextEdit*>("Memo1")->setPlainText(QString::fromStdString(good));
    Form20->findChild<QPushButton*>("Button2")->click();
    errors_after_save = Form20->findChild<QListWidget*>("ListBox1")->count();
    Form20->findChild<QPushButton*>("Button1")->click();
  });
  load(bad);
  EXPECT_EQ(errors_after_save, 0);
  EXPECT_EQ(read_file(bad), good);
  EXPECT_EQ(label2(), "Input data loaded.");
  EXPECT_EQ(n_of_Jobs, 3);
  EXPECT_TRUE(user.boxes.isEmpty());
}

TEST_F(SchedulerWindowTest, SaveAndCheckOnAReadOnlyFileLeavesItWholeAndRefusesTheLoad) {
  const std::string bad = dir.write("bad.txt", kBad);
  std::filesystem::permissions(bad, std::filesystem::perms::owner_read);
  QStringList errors_after_save;
  user.on_shown(Form20, [&] {
    Form20->findChild<QPlainTextEdit*>("Memo1")->setPlainText(QString::fromStdString(join_lines(sample_input_lines())));
    Form20->findChild<QPushButton*>("Button2")->click();
    auto* list = Form20->findChild<QListWidget*>("ListBox1");
    for (int i = 0; i < list->count(); ++i) errors_after_save << list->item(i)->text();
    Form20->findChild<QPushButton*>("Button1")->click();
  });
  load(bad);
  std::filesystem::permissions(bad, std::filesystem::perms::owner_all);
  EXPECT_EQ(read_file(bad), kBad);
  EXPECT_EQ(errors_after_save, QStringList({"The text could not be saved; the file is unchanged. -> line_0"}));
  ASSERT_EQ(user.boxes.size(), 2);
  EXPECT_TRUE(user.boxes[0].contains("could not be saved"));
  EXPECT_EQ(user.boxes[1], kIncorrect);
  EXPECT_EQ(label2(), "No input data loaded.");
}

TEST_F(SchedulerWindowTest, FolderOrVanishedFileIsRefusedWithAClearMessage) {
  load(sample_file());
  EXPECT_EQ(read_chosen_input_file(dir.path()), -1);
  EXPECT_EQ(read_chosen_input_file(dir.file("gone.txt")), -1);
  ASSERT_EQ(user.boxes.size(), 2);
  EXPECT_TRUE(user.boxes[0].contains("is a folder")) << user.boxes[0].toStdString();
  EXPECT_TRUE(user.boxes[1].contains("does not exist")) << user.boxes[1].toStdString();
  EXPECT_FALSE(Form20->isVisible());
  EXPECT_EQ(n_of_Jobs, 3);
}

TEST_F(SchedulerWindowTest, ClosingReleasesTheProblemAndDisablesTheRunControls) {
  load(sample_file());
  Form3->show();
  button("Button1")->click();
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_EQ(n_of_Jobs, 0);
  EXPECT_EQ(n_of_Machines, 0);
  for (const char* n : {"Button4", "Button2", "Button7", "Button8", "Button9", "Button5"})
    EXPECT_FALSE(button(n)->isEnabled()) << n;
  EXPECT_FALSE(check_box("CheckBox1")->isEnabled());
  EXPECT_FALSE(edit("Edit1")->isEnabled());
  // Reopened and the dialog cancelled: the released problem is not taken for
  // a loaded one.
  Form3->show();
  EXPECT_EQ(work_mode, 1);
  load("");
  EXPECT_EQ(label2(), "No input data loaded.");
  EXPECT_FALSE(button("Button4")->isEnabled());
  Form3->hide();
}

TEST_F(SchedulerWindowTest, ButtonsOpenTheirWindowsAndTheSchedulerComesBack) {
  load(sample_file());
  Form3->show();
  // "Detailes": the objective priorities open with "Active control" off.
  auto* active = Form15->findChild<QCheckBox*>("CheckBox1");
  ASSERT_NE(active, nullptr);
  active->setChecked(true);
  bool active_when_shown = true;
  user.on_shown(Form15, [&] {
    active_when_shown = Form15->findChild<QCheckBox*>("CheckBox1")->isChecked();
    Form15->close();
  });
  button("Button10")->click();
  EXPECT_FALSE(active_when_shown);

  // "Search operators": the statistics, their column headers and sums
  // included, are hidden while it is open and back afterwards.
  const char* const statistics[] = {"Label10", "Label11", "Label12", "Label21"};
  QStringList shown_while_open;
  user.on_shown(Form17, [&] {
    for (const char* n : statistics)
      if (!Form17->findChild<QLabel*>(n)->isHidden()) shown_while_open << n;
    Form17->close();
  });
  button("Button11")->click();
  EXPECT_TRUE(shown_while_open.isEmpty()) << shown_while_open.join(' ').toStdString();
  for (const char* n : statistics) EXPECT_FALSE(Form17->findChild<QLabel*>(n)->isHidden()) << n;

  // "Create Starting  Schedule": the scheduler steps aside for the
  // initializing window and comes back when it closes.
  bool scheduler_hidden = false;
  user.on_shown(Form13, [&] {
    scheduler_hidden = !Form3->isVisible();
    Form13->close();
  });
  button("Button2")->click();
  EXPECT_TRUE(scheduler_hidden);
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_FALSE(Form13->isVisible());

  // "Input data" opens the input-data window.
  bool input_shown = false;
  user.on_shown(Form14, [&] {
    input_shown = true;
    Form14->close();
  });
  button("Button8")->click();
  EXPECT_TRUE(input_shown);
  Form3->hide();
}
