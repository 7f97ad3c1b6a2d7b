#include "ui/rescheduler_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "problem_io/schedule_file.h"
#include "solvers/run_report.h"
#include "solvers/tabu_search.h"
#include "tests/support/generated_problem.h"
#include "tests/support/machine_rows.h"
#include "tests/support/recording_host.h"
#include "tests/support/released_file.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/gui_run_host.h"
#include "ui/input_checking_window.h"
#include "ui/input_data_window.h"
#include "ui/objective_priority_window.h"
#include "ui/schedule_performance_window.h"

namespace {

// Counts a window's hide events: an open results window is renewed in place.
class HideCounter : public QObject {
 public:
  int hides = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Hide) ++hides;
    return QObject::eventFilter(watched, e);
  }
};

// The text of the last box answered.
QString last(const QStringList& texts) { return texts.value(texts.size() - 1); }

using Times = std::vector<std::vector<PositionTimes>>;
// Position p of machine m.
const PositionTimes& at(const Times& t, int m, int p) { return t.at(m - 1).at(p - 1); }

class ReschedulerWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    set_run_report_folder(dir.path());
    set_run_host(&host);
    form = Form18;
    form->show();
  }
  void TearDown() override {
    form->close();
    set_run_host(nullptr);
    last_SCH.reset();
  }
  template <class W>
  W* child(const char* name) {
    W* w = form->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  bool enabled(const char* button) { return child<QPushButton>(button)->isEnabled(); }
  void click(const char* button) { child<QPushButton>(button)->click(); }
  void type(const char* edit, const QString& s) {
    QLineEdit* e = child<QLineEdit>(edit);
    e->clear();
    QTest::keyClicks(e, s);
  }
  // The planner moves on to another field; a field that takes the focus
  // back does so once the move is over.
  // (A message box that closed leaves no window active offscreen: the test
  // activates the window again, as the planner's click would.)
  void leave_for(QWidget* next) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    next->setFocus();
    QTest::qWait(30);
  }
  QWidget* focused() { return form->focusWidget(); }
  // "" cancels the file dialog.
  void load(const std::string& path) {
    boxes.file = QString::fromStdString(path);
    click("Button1");
    boxes.file.clear();
  }
  // The released file of a generated problem whose schedule came from a
  // short tabu search.
  std::string searched_release() {
    EXPECT_TRUE(load_generated_problem(31, GeneratedSize::Small));
    {
      RecordingHost quiet;
      quiet.fields = {{SchedulerField::Steps, 3}, {SchedulerField::Loops, 5}, {SchedulerField::TabuSize, 10}};
      first_run = 1;
      EXPECT_EQ(TS_S_do_pi(), 1);
    }
    set_run_host(&host);
    const std::string path = dir.file("searched.rsf");
    EXPECT_EQ(release_sch_file(*last_SCH, Machines, Orders, n_of_SetupTypes, path), 1);
    free_input_data();
    last_SCH.reset();
    return path;
  }

  AppWindows windows;
  GuiRunHost host;
  TempDir dir;
  ModalAnswerer boxes;
  TForm18* form = nullptr;
};

TEST_F(ReschedulerWindow, NothingRunsBeforeALoadAndACancelledLoadChangesNothing) {
  for (const char* b : {"Button3", "Button6", "Button7", "Button8"}) EXPECT_FALSE(enabled(b)) << b;
  EXPECT_FALSE(child<QLineEdit>("Edit4")->isEnabled());
  EXPECT_TRUE(enabled("Button1"));
  EXPECT_EQ(work_mode, 2);  // the results window works in rescheduling mode
  load("");
  EXPECT_EQ(boxes.file_dialogs, 1);
  ASSERT_EQ(boxes.file_dialog_filters.size(), 1);
  EXPECT_TRUE(boxes.file_dialog_filters[0].startsWith("Released schedule files (*.rsf)"));
  EXPECT_TRUE(boxes.file_dialog_filters[0].contains("*.RSF"));
  EXPECT_TRUE(boxes.messages.isEmpty());
  EXPECT_FALSE(enabled("Button6"));
  EXPECT_EQ(child<QComboBox>("ComboBox2")->currentIndex(), 1);
  EXPECT_EQ(form->field_value(ReschedulerField::Steps), 2000);
}

TEST_F(ReschedulerWindow, BrokenFilesLoadNothingAndLeaveTheControlsOff) {
  const std::string good = write_released_file(dir, "good.rsf", 17);
  load(good);
  ASSERT_TRUE(enabled("Button6"));
  const std::string text = read_file(good);
  const std::string damaged = dir.write("damaged.rsf", text.substr(0, text.rfind("\n4|")) + "\n4|1|1\n");
  boxes.messages.clear();
  load(damaged);
  EXPECT_EQ(boxes.messages, QStringList({"Input data reading OK!"}));
  for (const char* b : {"Button3", "Button6", "Button7", "Button8"}) EXPECT_FALSE(enabled(b)) << b;
  EXPECT_FALSE(form->states().released);
  EXPECT_EQ(n_of_Jobs, 0);

  boxes.messages.clear();
  // The checking window shows the errors; the planner closes it.
  QTimer close_check;
  close_check.setInterval(10);
  QObject::connect(&close_check, &QTimer::timeout, [] {
    if (Form20->isVisible()) Form20->findChild<QPushButton*>("Button1")->click();
  });
  close_check.start();
  load(dir.write("refused.rsf", "1|x\n" + text));
  EXPECT_EQ(last(boxes.messages), "  Input data are incorrect!\nOpening process stopped!");
  EXPECT_FALSE(enabled("Button6"));
  EXPECT_FALSE(form->states().loaded());
}

// An order whose time window is empty is only a warning: the planner reads
// it in the checking window, closes it, and the released plan loads.
TEST_F(ReschedulerWindow, InputWarningsLoadTheReleasedPlanOnceTheCheckingWindowCloses) {
  const std::string text = read_file(write_released_file(dir, "good.rsf", 17));
  const std::size_t at = text.find("\n200|");
  ASSERT_NE(at, std::string::npos);
  const std::size_t end = text.find('\n', at + 1);
  QStringList fields = QString::fromStdString(text.substr(at + 1, end - at - 1)).split('|');
  ASSERT_EQ(fields.size(), 9);
  fields[3] = fields[2];  // constrained start = constrained end
  const int line = static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at) + 1, '\n')) + 1;
  const std::string warned =
      dir.write("warned.rsf", text.substr(0, at + 1) + fields.join('|').toStdString() + text.substr(end));

  QStringList warnings, errors;
  bool loaded_while_shown = true;
  QTimer close_check;
  close_check.setInterval(10);
  QObject::connect(&close_check, &QTimer::timeout, [&] {
    if (!Form20->isVisible()) return;
    auto* w = Form20->findChild<QListWidget*>("ListBox2");
    auto* e = Form20->findChild<QListWidget*>("ListBox1");
    for (int i = 0; i < w->count(); ++i) warnings << w->item(i)->text();
    for (int i = 0; i < e->count(); ++i) errors << e->item(i)->text();
    loaded_while_shown = form->states().loaded();
    Form20->findChild<QPushButton*>("Button1")->click();
  });
  close_check.start();
  load(warned);
  close_check.stop();
  EXPECT_EQ(warnings, QStringList({QStringLiteral("Zero Time Window of Order 0 (in 3. or 4. field) -> line_%1").arg(line)}));
  EXPECT_TRUE(errors.isEmpty());
  EXPECT_FALSE(loaded_while_shown);  // the window is shown before anything is kept
  EXPECT_FALSE(Form20->isVisible());
  EXPECT_EQ(boxes.messages, QStringList({"Input data reading OK!", "Released Schedule loading ok!"}));
  EXPECT_TRUE(form->states().loaded());
  for (const char* b : {"Button6", "Button7", "Button8"}) EXPECT_TRUE(enabled(b)) << b;
  ASSERT_TRUE(last_SCH);
  EXPECT_EQ(Orders[1].CST, Orders[1].CET);
}

TEST_F(ReschedulerWindow, FieldChecksWhileTypingAndOnLeaving) {
  load(write_released_file(dir, "good.rsf", 17));
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  QLineEdit* steps = child<QLineEdit>("Edit1");
  QLineEdit* loops = child<QLineEdit>("Edit2");
  QLineEdit* freeze = child<QLineEdit>("Edit4");
  steps->setFocus();
  type("Edit1", "2a");
  EXPECT_TRUE(steps->text().isEmpty());
  EXPECT_EQ(form->field_value(ReschedulerField::Steps), 10);  // a run never reads an empty field
  boxes.messages.clear();
  leave_for(loops);  // leaves the empty steps field
  EXPECT_EQ(boxes.messages, QStringList({" The value of the Num. of Steps field is out of the range! It must be in [1 - 9999]."}));
  EXPECT_EQ(steps->text(), "10");
  EXPECT_EQ(focused(), steps);

  leave_for(loops);
  ASSERT_EQ(focused(), loops);
  type("Edit2", "9999");
  EXPECT_EQ(loops->text(), "999");  // the field takes three characters
  type("Edit2", "0");
  EXPECT_TRUE(loops->text().isEmpty());
  boxes.messages.clear();
  leave_for(freeze);
  EXPECT_EQ(last(boxes.messages), " The value of the Num. of Loops field is out of the range! It must be in [1 - 999].");
  EXPECT_EQ(loops->text(), "10");
  EXPECT_EQ(focused(), loops);

  leave_for(freeze);
  ASSERT_EQ(focused(), freeze);
  type("Edit4", "10000");
  EXPECT_EQ(freeze->text(), "1000");
  type("Edit4", "0");
  EXPECT_EQ(freeze->text(), "0");
  freeze->clear();
  boxes.messages.clear();
  leave_for(steps);
  EXPECT_EQ(last(boxes.messages), " The value of the Freeze time field is out of the range! It must be in [0 - 9999].");
  EXPECT_EQ(freeze->text(), "0");
}

// Generated problem, search, release, load, a slower machine in "Shop env.",
// the initial state of both types, a run and its report.
TEST_F(ReschedulerWindow, WholeReschedulingRoad) {
  const std::string path = searched_release();
  load(path);
  EXPECT_EQ(boxes.messages, QStringList({"Input data reading OK!", "Released Schedule loading ok!"}));
  ASSERT_TRUE(enabled("Button6"));
  EXPECT_EQ(first_run, 1);
  const Times released = machine_times(*last_SCH);

  // "Shop env.": machine 1 at a tenth of its speed, typed into the input-data window.
  const int old_speed = Machines[1].Speed;
  const QString new_speed = QString::number(std::max(1, old_speed / 10));
  bool changed = false;
  QTimer shop_env;
  shop_env.setInterval(10);
  QObject::connect(&shop_env, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() != Form14 || changed) return;
    changed = true;
    EXPECT_TRUE(Form14->in_modify_mode());
    auto* edit = Form14->findChild<QLineEdit*>("Edit18");
    edit->setText(new_speed);
    Form14->findChild<QPushButton*>("Button6")->click();
    Form14->close();
  });
  shop_env.start();
  Form10->show();  // the planner looks at the released plan meanwhile
  click("Button7");
  shop_env.stop();
  ASSERT_TRUE(changed);
  EXPECT_FALSE(Form14->in_modify_mode());
  EXPECT_EQ(Machines[1].Speed, new_speed.toInt());
  EXPECT_EQ(form->states().working->machines[1].Speed, new_speed.toInt());
  EXPECT_EQ(form->states().released->machines[1].Speed, old_speed);
  const Times changed_shop = machine_times(*last_SCH);
  ASSERT_NE(changed_shop, released);
  EXPECT_EQ(Form10->findChild<QLineEdit*>("Edit6")->text(), QString::number(last_obj_value.Completion_Time));

  // A freeze time in the middle of machine 1's sequence.
  ASSERT_FALSE(changed_shop[0].empty());
  int freeze = 0;
  for (const PositionTimes& t : changed_shop[0]) freeze = std::max(freeze, t.start / 2);
  freeze = std::max(freeze, changed_shop[0][0].start);
  type("Edit4", QString::number(freeze));

  std::map<int, Times> shown;
  HideCounter form10_hides;
  Form10->installEventFilter(&form10_hides);
  for (int type_index : {0, 1}) {
    child<QComboBox>("ComboBox2")->setCurrentIndex(type_index);
    click("Button8");
    shown[type_index] = machine_times(*last_SCH);
  }
  Form10->removeEventFilter(&form10_hides);
  EXPECT_EQ(form10_hides.hides, 0);
  EXPECT_NE(shown[0], shown[1]);
  // The results window shows it, with the released plan offered as overlay.
  EXPECT_TRUE(Form10->isVisible());
  EXPECT_FALSE(Form10->findChild<QCheckBox*>("CheckBox17")->isHidden());
  EXPECT_FALSE(Form15->findChild<QPushButton*>("Button2")->isHidden());  // "More" while open
  EXPECT_EQ(at(shown[0], 1, 1), at(released, 1, 1));
  EXPECT_EQ(at(shown[1], 1, 1), at(changed_shop, 1, 1));

  type("Edit1", "4");
  type("Edit2", "8");
  type("Edit3", "20");
  click("Button6");
  EXPECT_TRUE(enabled("Button3"));
  EXPECT_TRUE(form->isVisible());
  const std::string report = read_file(run_report_path());
  EXPECT_NE(report.find("Type: First modify environment then freeze released schedule."), std::string::npos);
  EXPECT_NE(report.find("\nFreeze interval OK!\n"), std::string::npos);
  // Every frozen machine position kept the times it had in the changed shop.
  const Times after = machine_times(*last_SCH);
  int frozen = 0;
  for (int m = 1; m <= n_of_Machines; ++m)
    for (int p = 1; p <= Machines[m].N_Frozen; ++p, ++frozen) EXPECT_EQ(at(after, m, p), at(changed_shop, m, p));
  EXPECT_GT(frozen, 0);
  EXPECT_EQ(first_run, 0);

  click("Button2");
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->states().released);
  EXPECT_FALSE(form->states().working);
  EXPECT_EQ(n_of_Jobs, 0);
  EXPECT_FALSE(enabled("Button6"));
  EXPECT_FALSE(enabled("Button3"));
  EXPECT_FALSE(Form10->isVisible());
  EXPECT_TRUE(Form15->findChild<QPushButton*>("Button2")->isHidden());
}

}  // namespace
