#include "ui/rescheduler_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "solvers/run_report.h"
#include "tests/support/machine_rows.h"
#include "tests/support/released_file.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/gantt_chart.h"
#include "ui/gui_run_host.h"
#include "ui/input_checking_window.h"
#include "ui/input_data_window.h"
#include "ui/objective_priority_window.h"
#include "ui/progress_window.h"
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

// Notes what `look` finds each time the watched window shows.
class ShowProbe : public QObject {
 public:
  explicit ShowProbe(std::function<bool()> look) : look_(std::move(look)) {}
  std::vector<bool> seen;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Show) seen.push_back(look_());
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<bool()> look_;
};

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
  QLineEdit* edit(const char* name) { return form->findChild<QLineEdit*>(name); }
  QPushButton* button(const char* name) { return form->findChild<QPushButton*>(name); }
  void click(const char* name) { button(name)->click(); }
  void type(const char* name, const QString& s) {
    edit(name)->clear();
    QTest::keyClicks(edit(name), s);
  }
  // "Run", "Shop env.", "Show initial state" and the four fields that are enabled.
  int enabled_run_controls() {
    int n = 0;
    for (const char* name : {"Button6", "Button7", "Button8", "Edit1", "Edit2", "Edit3", "Edit4"})
      n += form->findChild<QWidget*>(name)->isEnabled();
    return n;
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
  // "" cancels the file dialog.
  void load(const std::string& path) {
    boxes.file = QString::fromStdString(path);
    click("Button1");
    boxes.file.clear();
  }

  AppWindows windows;
  GuiRunHost host;
  TempDir dir;
  ModalAnswerer boxes;
  TForm18* form = nullptr;
};

// A refused input part, a damaged schedule part or a cancelled dialog each
// turn the run controls off, even after a good load; every load puts away a
// schedule window showing the plan it replaced.
TEST_F(ReschedulerWindow, OnlyALoadedReleasedPlanEnablesTheRunControls) {
  EXPECT_EQ(work_mode, 2);  // the results window works in rescheduling mode
  EXPECT_EQ(enabled_run_controls(), 0);
  // A first run's defaults: 2000 steps, the shop changed before the freezing.
  EXPECT_EQ(form->field_value(ReschedulerField::Steps), 2000);
  EXPECT_EQ(form->field_value(ReschedulerField::Type), 1);
  const std::string good = write_released_file(dir, "good.rsf", 17);
  const std::string text = read_file(good);
  const std::string damaged = dir.write("damaged.rsf", text.substr(0, text.rfind("\n4|")) + "\n4|1|1\n");
  const std::string refused = dir.write("refused.rsf", "1|x\n" + text);
  // The checking window shows the refused file's errors; the planner closes it.
  boxes.on_shown(Form20, [] { Form20->findChild<QPushButton*>("Button1")->click(); });
  const QStringList loaded = {"Input data reading OK!", "Released Schedule loading ok!"};
  struct Load {
    const char* what;
    std::string path;
    QStringList messages;
  };
  const Load loads[] = {{"good", good, loaded},
                        {"damaged schedule part", damaged, {"Input data reading OK!"}},
                        {"good again", good, loaded},
                        {"refused input part", refused, {"  Input data are incorrect!\nOpening process stopped!"}},
                        {"good once more", good, loaded},
                        {"cancelled", "", {}}};
  for (const Load& l : loads) {
    SCOPED_TRACE(l.what);
    boxes.messages.clear();
    first_run = 0;
    Form10->show();  // the planner looks at the plan loaded before, if there is one
    load(l.path);
    EXPECT_EQ(boxes.messages, l.messages);
    EXPECT_FALSE(Form10->isVisible()) << "it showed a plan the load replaced or released";
    const bool ok = l.messages == loaded;
    EXPECT_EQ(enabled_run_controls(), ok ? 7 : 0);
    if (ok) {
      EXPECT_EQ(first_run, 1);  // the next run starts from the loaded plan
    }
  }
  EXPECT_EQ(boxes.file_dialog_filters, QStringList({"Released schedule files (*.rsf) (*.rsf *.RSF)"}));
}

// The program's host with message boxes that fail.
class FailingMessageHost : public GuiRunHost {
 public:
  void show_message(const std::string&) override { throw std::runtime_error("no message box"); }
};

// A failure that escapes a load after its input part was read (the problem
// and the states are gone) leaves no run control on over nothing.
TEST_F(ReschedulerWindow, AFailureEscapingTheLoadLeavesTheRunControlsOff) {
  const std::string good = write_released_file(dir, "good.rsf", 17);
  load(good);
  ASSERT_EQ(enabled_run_controls(), 7);
  {
    FailingMessageHost failing;  // "Input data reading OK!" fails
    set_run_host(&failing);
    boxes.file = QString::fromStdString(good);
    EXPECT_THROW(form->Button1Click(), std::runtime_error);
    boxes.file.clear();
    set_run_host(&host);
  }
  EXPECT_EQ(enabled_run_controls(), 0);
  EXPECT_EQ(n_of_Jobs, 0);
  EXPECT_FALSE(Form10->isVisible());
}

// While typing, a letter or a value outside the typing range empties a
// field, and its width cuts what is typed beyond it. Leaving it out of its
// range gives the field's message, its reset text and the focus back.
TEST_F(ReschedulerWindow, FieldsCheckWhileTypingAndOnLeaving) {
  load(write_released_file(dir, "good.rsf", 17));
  type("Edit1", "");
  EXPECT_EQ(form->field_value(ReschedulerField::Steps), 10);  // a run never reads an empty field
  struct Entry {
    const char* field;
    const char* keys;
    const char* shown;    // after typing
    const char* message;  // on leaving; nullptr: none
    const char* left;     // the text once left
  };
  const Entry entries[] = {
      {"Edit1", "2a", "", " The value of the Num. of Steps field is out of the range! It must be in [1 - 9999].", "10"},
      {"Edit2", "9999", "999", nullptr, "999"},
      {"Edit2", "0", "", " The value of the Num. of Loops field is out of the range! It must be in [1 - 999].", "10"},
      {"Edit3", "x", "", " The value of the TabuList size field is out of the range! It must be in [1 - 9999].", "150"},
      {"Edit4", "10000", "1000", nullptr, "1000"},
      {"Edit4", "0", "0", nullptr, "0"},
      {"Edit4", "", "", " The value of the Freeze time field is out of the range! It must be in [0 - 9999].", "0"}};
  for (const Entry& e : entries) {
    SCOPED_TRACE(std::string(e.field) + " <- " + e.keys);
    QLineEdit* field = edit(e.field);
    leave_for(field);
    type(e.field, e.keys);
    EXPECT_EQ(field->text(), e.shown);
    boxes.messages.clear();
    leave_for(button("Button6"));
    EXPECT_EQ(boxes.messages, e.message ? QStringList({e.message}) : QStringList());
    EXPECT_EQ(field->text(), e.left);
    EXPECT_EQ(form->focusWidget() == field, e.message != nullptr);
  }
}

// Generated problem, search, release, load, a slower machine in "Shop env.",
// the initial state of both types, a run and its report.
TEST_F(ReschedulerWindow, WholeReschedulingRoad) {
  load(write_released_file(dir, "released.rsf", 31));
  ASSERT_EQ(enabled_run_controls(), 7);
  const Times released = machine_times(*last_SCH);

  // "Shop env.": machine 1 at a tenth of its speed, typed into the input-data window.
  const QString new_speed = QString::number(std::max(1, Machines[1].Speed / 10));
  bool changed = false;
  boxes.on_shown(Form14, [&] {
    changed = true;
    EXPECT_TRUE(Form14->in_modify_mode());
    Form14->findChild<QLineEdit*>("Edit18")->setText(new_speed);
    Form14->findChild<QPushButton*>("Button6")->click();
    Form14->close();
  });
  Form10->show();  // the planner looks at the released plan meanwhile
  click("Button7");
  ASSERT_TRUE(changed);
  EXPECT_FALSE(Form14->in_modify_mode());
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
    form->findChild<QComboBox*>("ComboBox2")->setCurrentIndex(type_index);
    click("Button8");
    shown[type_index] = machine_times(*last_SCH);
  }
  // The results window shows it, with the released plan offered as overlay.
  EXPECT_TRUE(Form10->isVisible());
  QCheckBox* overlay = Form10->findChild<QCheckBox*>("CheckBox17");
  ASSERT_FALSE(overlay->isHidden());
  overlay->click();
  EXPECT_GT(Form10->findChild<GanttChart*>("Chart1")->series(1).Count(), 0);
  EXPECT_FALSE(Form15->findChild<QPushButton*>("Button2")->isHidden());  // "More" while open
  EXPECT_EQ(at(shown[0], 1, 1), at(released, 1, 1));
  EXPECT_EQ(at(shown[1], 1, 1), at(changed_shop, 1, 1));

  type("Edit1", "4");
  type("Edit2", "8");
  type("Edit3", "20");
  stop_flag = true;  // a request left from before never stops this run
  // When the run's progress window comes up, the schedule window's editor
  // takes no edit; it is back once the run has ended.
  ShowProbe run_started([] { return Form10->findChild<QPushButton*>("Button1")->isEnabled(); });
  Form7->installEventFilter(&run_started);
  click("Button6");
  Form7->removeEventFilter(&run_started);
  EXPECT_EQ(run_started.seen, std::vector<bool>{false});
  EXPECT_TRUE(Form10->findChild<QPushButton*>("Button1")->isEnabled());
  EXPECT_FALSE(boxes.questions.contains("Do You really want to stop the process?"));
  Form10->removeEventFilter(&form10_hides);
  EXPECT_EQ(form10_hides.hides, 0);
  EXPECT_TRUE(button("Button3")->isEnabled());
  EXPECT_TRUE(form->isVisible());
  const std::string report = read_file(run_report_path());
  EXPECT_NE(report.find("Type: First modify environment then freeze released schedule."), std::string::npos);
  EXPECT_NE(report.find("\nFreeze interval OK!\n"), std::string::npos);
  int frozen = 0;
  for (int m = 1; m <= n_of_Machines; ++m) frozen += Machines[m].N_Frozen;
  EXPECT_GT(frozen, 0);  // at the typed freeze time
  EXPECT_EQ(first_run, 0);

  click("Button2");
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->states().released);
  EXPECT_FALSE(form->states().working);
  EXPECT_EQ(n_of_Jobs, 0);
  EXPECT_EQ(enabled_run_controls(), 0);
  EXPECT_FALSE(button("Button3")->isEnabled());
  EXPECT_FALSE(Form10->isVisible());
  EXPECT_TRUE(Form15->findChild<QPushButton*>("Button2")->isHidden());
}

}  // namespace
