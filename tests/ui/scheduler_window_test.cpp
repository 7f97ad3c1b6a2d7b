// The scheduler window driven as a planner does: its fields, the load road
// through the open dialog and the checking window, closing, and the windows
// its buttons open.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
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
#include "ui/input_file_loading.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/scheduler_window.h"

namespace {
const char* const kIncorrect = "TAVO_Scheduler|  Input data are incorrect!\nOpening process stopped!";
const std::string kWarned = sample_with_line(14, "200|0|10|10|3|7|0|3|1");  // CST = CET
const std::string kBad = sample_with_line(2, "100|0|0|0|1");                // zero speed

QStringList texts(QListWidget* list) {
  QStringList t;
  for (int i = 0; i < list->count(); ++i) t << list->item(i)->text();
  return t;
}

QString out_of_range(const char* field, int max) {
  return QStringLiteral("TAVO_Scheduler| The value of the %1 field is out of the range! It must be in [1 - %2].")
      .arg(QString::fromLatin1(field))
      .arg(max);
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

TEST_F(SchedulerWindowTest, BeforeALoadOnlyLoadingClosingAndThePriorityWindowsAct) {
  QStringList captions;
  for (const char* n : {"Button1", "Button3", "Button10", "Button11", "Button2", "Button8", "Button7", "Button6",
                        "Button4", "Button9"}) {
    captions << button(n)->text();
    EXPECT_EQ(button(n)->isEnabled(), captions.size() <= 4) << n;
  }
  EXPECT_EQ(captions,
            QStringList({"Close", "Load  Input data from file", "Detailes", "Search operators",
                         "Create Starting  Schedule", "Input data", "Show Results", "Speed test ", "Run", "Test"}));
  EXPECT_EQ(label2(), "No input data loaded.");
  EXPECT_EQ(combo("ComboBox2")->itemText(3), "Enumaration for small size problems");
  EXPECT_TRUE(edit("Edit5")->isHidden());
  EXPECT_FALSE(button("Button5")->isVisibleTo(Form3));
  // A field is found by the label beside it.
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(edit("Edit6"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(QAccessible::Name), "Min. loop:");
  EXPECT_EQ(Form3->field_value(SchedulerField::Steps), 2000);
}

// The AutoStop fields show for the methods that read them, in the room kept
// for them: nothing else moves.
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
    EXPECT_EQ(button("Button4")->geometry(), run_button) << m;
  }
  method->setCurrentIndex(3);
  EXPECT_TRUE(edit("Edit5")->isHidden());
  EXPECT_FALSE(edit("Edit4")->isEnabled());
  perf->setEnabled(true);
  perf->click();
  EXPECT_TRUE(edit("Edit4")->isEnabled());
  EXPECT_FALSE(edit("Edit5")->isHidden());
  Form3->uncheck_performance_test();
  EXPECT_FALSE(perf->isChecked());
  EXPECT_FALSE(edit("Edit4")->isEnabled());
  EXPECT_TRUE(edit("Edit5")->isHidden());
}

// Every field takes digits up to its maximum only, and a field left empty
// says its range and goes back to its reset value with the focus. The
// minimum loop is bounded by the loops; its reset is a quarter of them, at
// least 10 and never more than the loops.
TEST_F(SchedulerWindowTest, FieldsTakeDigitsInRangeAndResetWhenLeftOutOfRange) {
  Form3->show();
  QApplication::setActiveWindow(Form3);
  combo("ComboBox2")->setCurrentIndex(1);  // shows the AutoStop fields
  check_box("CheckBox1")->setEnabled(true);
  check_box("CheckBox1")->click();  // the performance test takes iterations
  const struct {
    const char* name;
    const char* field;
    int loops;  // typed into the loops field first, when not 0
    int max;
    const char* beyond;  // a value out of range that the field's length lets in
    const char* reset;
  } fields[] = {{"Edit1", "Num. of Steps", 0, 9999, "0", "10"},  {"Edit2", "Num. of Loops", 0, 999, "0", "10"},
                {"Edit3", "TabuList size", 0, 9999, "0", "150"}, {"Edit4", "Num. of iterations", 0, 99999, "0", "10"},
                {"Edit5", "AutoStop", 0, 9999, "10000", "30"},   {"Edit6", "Min. loop", 100, 100, "101", "25"},
                {"Edit6", "Min. loop", 20, 20, "21", "10"},      {"Edit6", "Min. loop", 5, 5, "6", "5"}};
  for (const auto& f : fields) {
    SCOPED_TRACE(f.field + std::string(" ") + f.beyond);
    user.boxes.clear();
    if (f.loops > 0) edit("Edit2")->setText(QString::number(f.loops));
    QLineEdit* e = edit(f.name);
    type_into(e, QString::number(f.max));
    EXPECT_EQ(e->text(), QString::number(f.max));
    for (const char* typed : {"12a", f.beyond}) {
      type_into(e, typed);
      EXPECT_EQ(e->text(), "") << typed;
    }
    // An empty field never reaches a run (Edit1..Edit6 are the fields 0..5).
    EXPECT_EQ(QString::number(Form3->field_value(static_cast<SchedulerField>(f.name[4] - '1'))), f.reset);
    button("Button10")->setFocus();  // leaves the field
    QApplication::processEvents();
    EXPECT_EQ(user.boxes, QStringList({out_of_range(f.field, f.max)}));
    EXPECT_EQ(e->text(), f.reset);
    EXPECT_TRUE(e->hasFocus());
  }
  Form3->hide();
}

// A load through the dialog; a cancelled dialog, a folder or a vanished file
// keep the loaded problem; closing releases it, and a dialog cancelled after
// reopening never takes the released problem for a loaded one.
TEST_F(SchedulerWindowTest, LoadCancelRefusalsAndClosingThePlannersRoad) {
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

  load("");
  EXPECT_EQ(read_chosen_input_file(dir.path()), -1);
  EXPECT_EQ(read_chosen_input_file(dir.file("gone.txt")), -1);
  ASSERT_EQ(user.boxes.size(), 2);
  EXPECT_TRUE(user.boxes[0].contains("is a folder")) << user.boxes[0].toStdString();
  EXPECT_TRUE(user.boxes[1].contains("does not exist")) << user.boxes[1].toStdString();
  EXPECT_FALSE(Form20->isVisible());
  EXPECT_EQ(label2(), "Input data loaded.");
  EXPECT_TRUE(button("Button4")->isEnabled());
  EXPECT_EQ(n_of_Jobs, 3);

  Form3->show();
  button("Button1")->click();
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_EQ(n_of_Jobs, 0);
  EXPECT_EQ(n_of_Machines, 0);
  for (const char* n : {"Button4", "Button2", "Button7", "Button8", "Button9", "Button5"})
    EXPECT_FALSE(button(n)->isEnabled()) << n;
  EXPECT_FALSE(check_box("CheckBox1")->isEnabled());
  EXPECT_FALSE(edit("Edit1")->isEnabled());
  Form3->show();
  EXPECT_EQ(work_mode, 1);
  load("");
  EXPECT_EQ(label2(), "No input data loaded.");
  EXPECT_FALSE(button("Button4")->isEnabled());
  Form3->hide();
}

// Warnings show the checking window and the load goes on; errors show it and
// refuse the load, leaving the earlier problem's arrays untouched.
TEST_F(SchedulerWindowTest, TheCheckingWindowListsFindingsAndOnlyErrorsRefuseTheLoad) {
  load(sample_file());
  const struct {
    const char* file;
    const std::string& text;
    const char* list;
    const char* finding;
    bool loaded;
  } cases[] = {{"warned.txt", kWarned, "ListBox2", "Zero Time Window of Order 0 (in 3. or 4. field) -> line_14", true},
               {"bad.txt", kBad, "ListBox1", "Zero Speed of Machine 0 (in 3. field) -> line_2", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    QStringList findings;
    QString file_label;
    user.on_shown(Form20, [&] {
      findings = texts(Form20->findChild<QListWidget*>(c.list));
      file_label = Form20->findChild<QLabel*>("Label3")->text();
      Form20->findChild<QPushButton*>("Button1")->click();
    });
    const std::string path = dir.write(c.file, c.text);
    load(path);
    EXPECT_EQ(findings, QStringList({c.finding}));
    EXPECT_EQ(file_label, "Input file: " + QString::fromStdString(path));
    EXPECT_FALSE(Form20->isVisible());
    EXPECT_EQ(user.boxes, c.loaded ? QStringList() : QStringList({kIncorrect}));
    EXPECT_EQ(label2(), c.loaded ? "Input data loaded." : "No input data loaded.");
    EXPECT_EQ(run_controls_enabled(),
              std::vector<bool>({c.loaded, c.loaded, c.loaded, c.loaded, c.loaded, true, true}));
    EXPECT_EQ(n_of_Jobs, 3);
  }
}

// "Save and check" writes the mended text and the load goes on; a file that
// cannot be written stays whole, says so, and the load is refused.
TEST_F(SchedulerWindowTest, SaveAndCheckMendsAWritableFileAndLeavesAReadOnlyOneWhole) {
  const std::string good = join_lines(sample_input_lines());
  const QString not_saved = QStringLiteral("TAVO_Scheduler|The text could not be saved to\n%1\nThe file is unchanged.");
  for (bool read_only : {false, true}) {
    SCOPED_TRACE(read_only ? "read-only" : "writable");
    user.boxes.clear();
    const std::string bad = dir.write(read_only ? "locked.txt" : "bad.txt", kBad);
    if (read_only) std::filesystem::permissions(bad, std::filesystem::perms::owner_read);
    QStringList errors_after_save;
    user.on_shown(Form20, [&] {
      Form20->findChild<QPlainTextEdit*>("Memo1")->setPlainText(QString::fromStdString(good));
      Form20->findChild<QPushButton*>("Button2")->click();
      errors_after_save = texts(Form20->findChild<QListWidget*>("ListBox1"));
      Form20->findChild<QPushButton*>("Button1")->click();
    });
    load(bad);
    std::filesystem::permissions(bad, std::filesystem::perms::owner_all);
    EXPECT_EQ(read_file(bad), read_only ? kBad : good);
    EXPECT_EQ(errors_after_save, read_only
                                     ? QStringList({"The text could not be saved; the file is unchanged. -> line_0"})
                                     : QStringList());
    EXPECT_EQ(user.boxes,
              read_only ? QStringList({not_saved.arg(QString::fromStdString(bad)), kIncorrect}) : QStringList());
    EXPECT_EQ(label2(), read_only ? "No input data loaded." : "Input data loaded.");
  }
}

TEST_F(SchedulerWindowTest, ButtonsOpenTheirWindowsAndTheSchedulerComesBack) {
  load(sample_file());
  Form3->show();
  // "Detailes": the objective priorities open with "Active control" off.
  auto* active = Form15->findChild<QCheckBox*>("CheckBox1");
  active->setChecked(true);
  bool active_when_shown = true;
  user.on_shown(Form15, [&] {
    active_when_shown = active->isChecked();
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

  // "Create Starting  Schedule" and "Input data": the scheduler steps aside
  // for the initializing window and comes back when it closes.
  for (const auto& [name, window, steps_aside] : {std::tuple{"Button2", static_cast<QWidget*>(Form13), true},
                                                  {"Button8", static_cast<QWidget*>(Form14), false}}) {
    bool shown = false, scheduler_hidden = false;
    user.on_shown(window, [&, window = window] {
      shown = true;
      scheduler_hidden = !Form3->isVisible();
      window->close();
    });
    button(name)->click();
    EXPECT_TRUE(shown) << name;
    EXPECT_EQ(scheduler_hidden, steps_aside) << name;
    EXPECT_TRUE(Form3->isVisible()) << name;
  }
  Form3->hide();
}
