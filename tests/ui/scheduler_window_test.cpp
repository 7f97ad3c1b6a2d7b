// The scheduler window driven as a planner does: its fields, the load road
// through the open dialog and the checking window, closing, the windows its
// buttons open, and runs started from it, end to end on small problems: the
// window's state afterwards and the results memos, a report that cannot be
// written, the performance test and the input export. (The progress labels
// and the stop request are tested with the progress window.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>

#include "engine/live_schedule.h"
#include "engine/problem.h"
#include "engine/run_state.h"
#include "solvers/run_report.h"
#include "tests/support/fifo.h"
#include "tests/support/input_text.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/bar_chart.h"
#include "ui/chart_colors.h"
#include "ui/data_dump_window.h"
#include "ui/gantt_chart.h"
#include "ui/initializing_window.h"
#include "ui/input_checking_window.h"
#include "ui/input_data_window.h"
#include "ui/input_file_loading.h"
#include "ui/main_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/progress_window.h"
#include "ui/results_window.h"
#include "ui/schedule_performance_window.h"
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

QString memo(ResultsMemo m) {
  const char* name = m == ResultsMemo::Index ? "Memo1" : "Memo2";
  return Form6->findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
}
// Counts the times Qt blocked a window behind a modal one.
class BlockedProbe : public QObject {
 public:
  int blocks = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::WindowBlocked) ++blocks;
    return false;
  }
};
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
  // The parameters a run reads.
  EXPECT_EQ(Form3->field_value(SchedulerField::Steps), 2000);
  EXPECT_EQ(Form3->field_value(SchedulerField::ImprovementLess), 20);
  EXPECT_EQ(Form3->field_value(SchedulerField::MinLoop), 10);
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
  EXPECT_EQ(run_controls_enabled(), std::vector<bool>({false, false, false, false, false, true, true}));
  EXPECT_FALSE(button("Button7")->isEnabled());
  EXPECT_FALSE(check_box("CheckBox1")->isEnabled());
  EXPECT_FALSE(edit("Edit1")->isEnabled());
  Form3->show();
  EXPECT_EQ(work_mode, 1);
  load("");
  EXPECT_EQ(label2(), "No input data loaded.");
  EXPECT_FALSE(button("Button4")->isEnabled());
  Form3->hide();
}

// The program's host with message boxes that fail: whatever a load then
// reports escapes it.
class FailingMessageHost : public StillClockHost {
 public:
  void show_message(const std::string&) override { throw std::runtime_error("no message box"); }
};

// A failure that escapes the load still gives the window back as it was
// before the click ("Close" above all) with the problem still loaded; the
// application's handler then reports it.
TEST_F(SchedulerWindowTest, AFailureEscapingTheLoadGivesTheWindowBack) {
  load(sample_file());
  ASSERT_EQ(label2(), "Input data loaded.");
  const Fifo fifo(dir.file("pipe.txt"));  // refused with a message, which fails
  ASSERT_TRUE(fifo.made());
  {
    FailingMessageHost failing;
    set_run_host(&failing);
    user.file = QString::fromStdString(fifo.path());
    EXPECT_THROW(Form3->Button3Click(), std::runtime_error);
    set_run_host(&host);
  }
  EXPECT_EQ(label2(), "Input data loaded.");
  EXPECT_EQ(run_controls_enabled(), std::vector<bool>(7, true));
  EXPECT_EQ(n_of_Jobs, 3);
}

// Memory that runs out partway through a load: the loader keeps the problem
// and says so, and the window comes back exactly as before the click, "Show
// Results" included; the run reports go on naming the loaded file.
TEST_F(SchedulerWindowTest, ALoadThatRunsOutOfMemoryLeavesTheWindowAsItWas) {
  // The first message box of the load is where memory runs out.
  class MemoryRunsOutOnce : public StillClockHost {
   public:
    std::vector<std::string> messages;
    void show_message(const std::string& text) override {
      if (messages.empty() && !failed_) {
        failed_ = true;
        throw std::bad_alloc();
      }
      messages.push_back(text);
    }

   private:
    bool failed_ = false;
  };
  const std::string loaded = sample_file();
  load(loaded);
  ASSERT_EQ(label2(), "Input data loaded.");
  button("Button7")->setEnabled(true);  // results of a run on show
  const Fifo fifo(dir.file("pipe.txt"));
  ASSERT_TRUE(fifo.made());
  MemoryRunsOutOnce failing;
  set_run_host(&failing);
  user.file = QString::fromStdString(fifo.path());
  Form3->Button3Click();
  set_run_host(&host);
  ASSERT_EQ(failing.messages.size(), 1u);
  EXPECT_NE(failing.messages[0].find(fifo.path()), std::string::npos);
  EXPECT_NE(failing.messages[0].find("the memory ran out"), std::string::npos);
  EXPECT_EQ(label2(), "Input data loaded.");
  EXPECT_EQ(run_controls_enabled(), std::vector<bool>(7, true));
  EXPECT_TRUE(button("Button7")->isEnabled());
  EXPECT_EQ(n_of_Jobs, 3);
  EXPECT_EQ(input_file_name, loaded);
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

// Each button opens its window, which is as it should be while open; the
// scheduler is back when it closes.
TEST_F(SchedulerWindowTest, ButtonsOpenTheirWindowsAndTheSchedulerComesBack) {
  load(sample_file());
  Form3->show();
  auto* active = Form15->findChild<QCheckBox*>("CheckBox1");
  active->setChecked(true);
  const char* const statistics[] = {"Label10", "Label11", "Label12", "Label21"};
  const auto statistics_hidden = [&] {
    return std::all_of(std::begin(statistics), std::end(statistics),
                       [](const char* n) { return Form17->findChild<QLabel*>(n)->isHidden(); });
  };
  const struct {
    const char* button;
    QWidget* window;
    std::function<bool()> while_open;
  } opened[] = {{"Button10", Form15, [&] { return !active->isChecked(); }},  // "Detailes": "Active control" off
                {"Button11", Form17, statistics_hidden},  // "Search operators": statistics, headers and sums hidden
                {"Button2", Form13, [] { return !Form3->isVisible(); }},  // the scheduler steps aside
                {"Button8", Form14, [] { return Form3->isVisible(); }}};
  const WaitLimit limit(user);
  for (const auto& o : opened) {
    bool as_expected = false;
    user.on_shown(o.window, [&] {
      as_expected = o.while_open();
      o.window->close();
    });
    button(o.button)->click();
    EXPECT_TRUE(as_expected) << o.button;
    EXPECT_TRUE(Form3->isVisible()) << o.button;
  }
  for (const char* n : statistics) EXPECT_FALSE(Form17->findChild<QLabel*>(n)->isHidden()) << n;
  Form3->hide();
}

class SchedulerRun : public SchedulerWindowTest {
 protected:
  // The window after a run: back, its run controls enabled, the progress
  // window gone.
  void expect_window_back() {
    EXPECT_TRUE(Form3->isVisible());
    for (const char* n : {"Button4", "Button3", "Button2", "Button1", "Button7", "Button8", "Button9"})
      EXPECT_TRUE(button(n)->isEnabled()) << n;
    EXPECT_TRUE(combo("ComboBox2")->isEnabled());
    EXPECT_FALSE(Form7->isVisible());
    EXPECT_EQ(label2(), "Input data loaded.");
  }
};

// Enumeration on the three-job sample, then the three tabu searches on 40
// jobs. "Schedule Performance " always shows the live schedule of the loaded
// problem: a run renews it while it stays open (and a window the modal
// session disabled takes input again), and a new load puts away the schedule
// of the problem it replaced.
TEST_F(SchedulerRun, EachSearchRunsToItsEndAndShowsItsResults) {
  auto* completion = Form10->findChild<QLineEdit*>("Edit6");
  auto* job_gantt = Form10->findChild<GanttChart*>("Chart1");
  ASSERT_TRUE(completion && job_gantt);
  const std::string sample = sample_file(), generated = small_generated_file();
  const struct {
    int method;
    const std::string& file;
    ResultsMemo memo;
    const char* shows;
  } runs[] = {{3, sample, ResultsMemo::Index, "Number of evaluated schedule: "},
              {0, generated, ResultsMemo::Index, "Tabu Search with _S class and do_pi."},
              {1, generated, ResultsMemo::Index, "Tabu Search with AUTOSTOP."},
              {2, generated, ResultsMemo::Average, "Tabu Search in bacth mode."}};
  const std::string* loaded = nullptr;
  for (const auto& r : runs) {
    SCOPED_TRACE(r.shows);
    if (&r.file != loaded) {
      loaded = &r.file;
      load(r.file);
      EXPECT_FALSE(Form10->isVisible());
      Form10->show();  // no schedule of this problem yet: nothing to show
      EXPECT_FALSE(Form10->isVisible());
    }
    Form6->hide();
    completion->setText("stale");
    Form10->setEnabled(false);
    run_method(r.method);
    expect_window_back();
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_TRUE(memo(r.memo).contains(QString::fromLatin1(r.shows)));
    EXPECT_EQ(first_run, 0);
    EXPECT_TRUE(Form10->isVisible());
    EXPECT_TRUE(Form10->isEnabled());
    EXPECT_EQ(completion->text(), QString::number(last_obj_value.Completion_Time));
    EXPECT_GT(job_gantt->series(0).Count(), 0);
  }
  // Later runs asked whether to go on from the live schedule; AutoStop may
  // have ended one early, with its message.
  ASSERT_FALSE(user.boxes.isEmpty());
  EXPECT_EQ(user.boxes[0], "Question|Would You like to reload the last Sch values?");
  for (const QString& box : user.boxes)
    EXPECT_TRUE(box == user.boxes[0] || box.contains("AutoStop")) << box.toStdString();

  // A planner's screen of 1,280 pixels holds the whole window, also once
  // "Modify schedule" filled the editor's lists and route labels.
  Form10->findChild<QPushButton*>("Button1")->click();
  QApplication::processEvents();
  EXPECT_LE(Form10->minimumSizeHint().width(), 1280);
}

// Enumeration refuses a problem of 40 jobs, and a report folder that does not
// exist stops a run: each says why and gives the window back, no results shown.
TEST_F(SchedulerRun, RunsThatCannotStartSayWhyAndGiveTheWindowBack) {
  load(small_generated_file());
  const struct {
    int method;
    const char* report_folder;
    const char* message;
  } cases[] = {{3, "",
                "TAVO_Scheduler|Too large problem for enumerating all cases!\n It may causes floating point "
                "overflow exception!\n Enumeration stopped!"},
               {0, "missing", "cannot be written"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.method);
    user.boxes.clear();
    std::remove(run_report_path().c_str());
    set_run_report_folder(*c.report_folder ? dir.file(c.report_folder) : dir.path());
    Form3->show();
    {
      // Neither run may start: one that does is put away within seconds.
      const WaitLimit limit(user, 5);
      run_method(c.method);
    }
    ASSERT_EQ(user.boxes.size(), 1);
    EXPECT_TRUE(user.boxes[0].contains(c.message)) << user.boxes[0].toStdString();
    EXPECT_TRUE(report().empty());  // nothing ran
    expect_window_back();
    EXPECT_FALSE(Form6->isVisible());
  }
}

// "Test" runs the performance test and unchecks its box; the results
// window, left open and disabled by the modal session, takes input again and
// shows the average table and the measuring bars only.
TEST_F(SchedulerRun, PerformanceTestRunsFromTestAndFillsTheAverageTableAndTheMeasuringBars) {
  load(small_generated_file());
  Form6->load_memo(ResultsMemo::Index, QString::fromStdString(dir.write("old.txt", "old report")));
  Form6->add_series_point(ResultSeries::StepSetups, 1, 40, "1", ChartColour::Setup);
  Form6->show();
  Form6->setEnabled(false);
  check_box("CheckBox1")->click();
  ASSERT_TRUE(edit("Edit4")->isEnabled());
  edit("Edit4")->setText("3");
  edit("Edit1")->setText("3");
  edit("Edit2")->setText("4");
  button("Button9")->click();
  EXPECT_FALSE(check_box("CheckBox1")->isChecked());
  EXPECT_FALSE(edit("Edit4")->isEnabled());
  EXPECT_TRUE(Form3->isVisible());

  EXPECT_EQ(memo(ResultsMemo::Index), "");
  EXPECT_EQ(memo(ResultsMemo::Average).toStdString(), report());
  EXPECT_TRUE(memo(ResultsMemo::Average).startsWith(" Performance test."));
  EXPECT_TRUE(memo(ResultsMemo::Average).contains("best solution:\ts_"));
  EXPECT_EQ(Form6->point_count(ResultSeries::StepSetups), 0);  // cleared at the start
  BarChart* bars = Form6->measuring_chart();
  for (int set = 0; set < 3; ++set) {
    ASSERT_EQ(bars->bar_count(set), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(bars->mark(set, i), QString::number(bars->bar(set, i)));
  }
  EXPECT_EQ(bars->colour(0), chart_colour(ChartColour::Late));
  EXPECT_EQ(bars->colour(2), chart_colour(ChartColour::Intime));
  EXPECT_TRUE(Form6->isVisible());
  EXPECT_TRUE(Form6->isEnabled());
}

// "Show Results" opens the results windows, which take input beside the
// scheduler's session, also the one left open before the session began.
TEST_F(SchedulerRun, ShowResultsOpensTheResultsWindowsThatTakeInputBesideTheSession) {
  load(sample_file());
  run_method(0);
  Form6->hide();
  ASSERT_TRUE(Form10->isVisible());
  bool results_enabled = false;
  BlockedProbe results_blocked;
  Form6->installEventFilter(&results_blocked);
  user.on_tick = [&] {
    if (!Form3->isVisible()) return;
    button("Button7")->click();
    QApplication::processEvents();
    results_enabled = Form6->isVisible() && Form6->isEnabled() && Form10->isVisible() && Form10->isEnabled();
    user.on_tick = nullptr;
    QTimer::singleShot(0, button("Button1"), &QPushButton::click);
  };
  Form3->hide();
  Form1->show();
  const WaitLimit limit(user);
  Form1->Advanced1Click();
  EXPECT_TRUE(results_enabled);
  // The scheduler's session does not block windows opened from it.
  EXPECT_EQ(results_blocked.blocks, 0);
  Form6->removeEventFilter(&results_blocked);
  Form1->hide();
}

TEST_F(SchedulerRun, HiddenExportFillsTheDataWindow) {
  load(sample_file());
  const QString cwd = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(dir.path()));
  QMetaObject::invokeMethod(Form3, "Button5Click");
  QDir::setCurrent(cwd);
  EXPECT_TRUE(Form9->isVisible());
  EXPECT_TRUE(Form9->findChild<QPlainTextEdit*>("Memo1")->toPlainText().startsWith("Orders_tempfile"));
  EXPECT_TRUE(Form9->findChild<QPlainTextEdit*>("Memo2")->toPlainText().startsWith("Machines_tempfile"));
  EXPECT_TRUE(Form9->findChild<QPlainTextEdit*>("Memo3")->toPlainText().startsWith("Routes_tempfile"));
  EXPECT_FALSE(Form9->findChild<QPlainTextEdit*>("Memo4")->toPlainText().isEmpty());
  EXPECT_TRUE(button("Button4")->isEnabled());  // the export gives its controls back
  Form9->hide();
}

// Escape in the window or one of its fields neither closes it nor releases
// the loaded problem: only "Close" and the frame do.
TEST_F(SchedulerWindowTest, EscapeNeitherClosesTheWindowNorReleasesTheProblem) {
  load(sample_file());
  Form3->show();
  QApplication::setActiveWindow(Form3);
  for (QWidget* target : {static_cast<QWidget*>(Form3), static_cast<QWidget*>(edit("Edit1"))}) {
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(n_of_Jobs, 3);
    EXPECT_EQ(label2(), "Input data loaded.");
    EXPECT_TRUE(button("Button4")->isEnabled());
  }
  Form3->hide();
}

namespace {
// The program's host, noting every minimum loop a run reads.
class MinLoopHost : public StillClockHost {
 public:
  std::vector<int> min_loops;
  int scheduler_field(SchedulerField f) override {
    const int v = StillClockHost::scheduler_field(f);
    if (f == SchedulerField::MinLoop) min_loops.push_back(v);
    return v;
  }
};
}  // namespace

// "Min. loop:" left at 50 while the loops were 100, then the loops lowered to
// 20 (the minimum-loop field itself never left again): the run reads a
// minimum within the loops, the field's reset value. An old stop request,
// left from before, never stops the run.
TEST_F(SchedulerRun, ARunReadsAMinimumLoopWithinTheLoopsAndForgetsAnOldStopRequest) {
  load(sample_file());
  MinLoopHost recording;
  set_run_host(&recording);
  combo("ComboBox2")->setCurrentIndex(1);  // AutoStop reads the minimum loop
  edit("Edit1")->setText("4");
  edit("Edit2")->setText("100");
  edit("Edit6")->setText("50");
  edit("Edit2")->setText("20");
  ASSERT_EQ(edit("Edit6")->text(), "50");
  stop_flag = true;
  button("Button4")->click();
  set_run_host(&host);
  ASSERT_FALSE(recording.min_loops.empty());
  for (int v : recording.min_loops) EXPECT_EQ(v, 10);
  EXPECT_FALSE(user.questions.contains("Do You really want to stop the process?"));
  EXPECT_EQ(Form7->label(ProgressLabel::Step)->text(), "4") << "every step ran";
}
