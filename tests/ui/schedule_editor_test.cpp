// The results window's schedule editor driven through its real controls:
// lists, combos, buttons, context menus, message boxes and file dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <set>

#include "engine/live_schedule.h"
#include "engine/rescheduling_states.h"
#include "engine/schedule_edits.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "problem_io/released_schedule_load.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"
#include "tests/support/released_file.h"
#include "tests/support/temp_dir.h"
#include "tests/support/varied_shop.h"
#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/schedule_performance_window.h"

// Texts of boxes readable in failure messages.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

std::vector<int> list_jobs(const QListWidget* list) {
  std::vector<int> jobs;
  for (int i = 0; i < list->count(); ++i) jobs.push_back(get_number_from_name(list->item(i)->text().toStdString()));
  return jobs;
}

// {route, machine of each route step} of the live schedule's job.
std::vector<int> assignment(int job) {
  int a[5];
  const int n = last_SCH->get_job_assignment(a, job);
  return std::vector<int>(a, a + n + 1);
}

std::vector<int> selected_rows(const QListWidget* list) {
  std::vector<int> rows;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->isSelected()) rows.push_back(i);
  return rows;
}

class ScheduleEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load_generated_problem(3, GeneratedSize::Small));
    fill_random_schedule(5);
    last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    recalc_schedule_values(*last_SCH, last_obj_value);
    form = Form10;
    form->show();
    button("Button1")->click();  // "Modify schedule"
    machines = form->findChild<QComboBox*>("ComboBox1");
    sequence = form->findChild<QListWidget*>("ListBox1");
    orders = form->findChild<QComboBox*>("ComboBox7");
    jobs = form->findChild<QListWidget*>("ListBox2");
    routes = form->findChild<QComboBox*>("ComboBox2");
    ASSERT_TRUE(machines && sequence && orders && jobs && routes);
  }
  void TearDown() override {
    form->hide();
    last_SCH.reset();
    free_input_data();
  }

  QPushButton* button(const char* name) const {
    QPushButton* b = form->findChild<QPushButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  // Another problem: two machines a group (the generated one has one) and a
  // random schedule, made the live one.
  void load_varied_shop() {
    build_varied_shop(5, 30);
    random_start_S(3).to_J_A_M_wload(J_A, M_wload);
    last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  }
  // Chooses job j in the editor's order and job lists.
  void choose_job(int j) {
    orders->setCurrentIndex(Jobs[j].Order_ID);
    jobs->setCurrentRow(j - Orders[Jobs[j].Order_ID].First_Job);
  }
  // Chooses the machine with the most jobs in the machine combo.
  int choose_busiest_machine() {
    int best = 1;
    for (int m = 1; m <= n_of_Machines; ++m)
      if (last_SCH->Mach_Count[m] > last_SCH->Mach_Count[best]) best = m;
    machines->setCurrentIndex(best - 1);
    return best;
  }
  // Ctrl-clicks the given rows of the job sequence, as a planner selects several.
  void select_rows(std::initializer_list<int> rows) {
    sequence->clearSelection();
    for (int r : rows) {
      QListWidgetItem* item = sequence->item(r);
      sequence->scrollToItem(item);
      QTest::mouseClick(sequence->viewport(), Qt::LeftButton, Qt::ControlModifier,
                        sequence->visualItemRect(item).center());
    }
  }
  // The values shown are those of a fresh timing and evaluation of last_SCH,
  // and the machine's list is its sequence.
  void expect_shown_values_fresh(const char* what) {
    SCH copy = *last_SCH;
    OBJ_VALUE fresh;
    recalc_schedule_values(copy, fresh);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(last_obj_value.criterion(i), fresh.criterion(i)) << what << " " << i;
    const struct {
      const char* edit;
      std::int64_t value;
    } shown[] = {{"Edit8", fresh.n_of_Late_Orders}, {"Edit1", fresh.n_of_Late_Jobs}, {"Edit2", fresh.sumTardiness},
                 {"Edit3", fresh.max_Tardiness},    {"Edit5", fresh.n_of_Setup},     {"Edit6", fresh.Completion_Time}};
    for (const auto& s : shown)
      if (auto* e = form->findChild<QLineEdit*>(s.edit)) {
        EXPECT_EQ(e->text().toLongLong(), s.value) << what << " " << s.edit;
      }
    EXPECT_EQ(list_jobs(sequence), machine_sequence(*last_SCH, machines->currentIndex() + 1)) << what;
  }

  // The texts of the boxes shown since the last call.
  QStringList take_messages() {
    QStringList out = modals.messages;
    modals.messages.clear();
    return out;
  }

  AppWindows windows;
  ModalAnswerer modals;
  TempDir dir;
  TForm10* form = nullptr;
  QComboBox *machines = nullptr, *orders = nullptr, *routes = nullptr;
  QListWidget *sequence = nullptr, *jobs = nullptr;
};

}  // namespace

TEST_F(ScheduleEditor, MovesRewriteTheMachineRecalculateAndRecordOnlyWhenSomethingMoved) {
  // "Modify schedule" filled the lists and showed the first machine.
  EXPECT_EQ(machines->count(), n_of_Machines);
  EXPECT_EQ(orders->itemText(0), "All Orders");
  EXPECT_EQ(jobs->count(), n_of_Jobs);
  EXPECT_EQ(list_jobs(sequence), machine_sequence(*last_SCH, 1));
  EXPECT_TRUE(button("Button21")->isEnabled());
  choose_busiest_machine();
  ASSERT_GE(sequence->count(), 5);
  std::vector<int> before = list_jobs(sequence);
  // "Up" with the first item selected moves nothing and records nothing.
  select_rows({0, 3});
  button("Button17")->click();
  EXPECT_EQ(list_jobs(sequence), before);
  EXPECT_FALSE(button("Button36")->isEnabled());

  // "Top" with items 2 and 4: they go to 0 and 2 and stay selected.
  select_rows({2, 4});
  button("Button22")->click();
  std::vector<int> want = {before[2], before[0], before[4], before[1], before[3]};
  want.insert(want.end(), before.begin() + 5, before.end());
  EXPECT_EQ(list_jobs(sequence), want);
  EXPECT_EQ(selected_rows(sequence), (std::vector<int>{0, 2}));
  expect_shown_values_fresh("Top");  // the machine's sequence is the list
  EXPECT_TRUE(button("Button36")->isEnabled());
  EXPECT_FALSE(button("Button37")->isEnabled());

  // "Join" (its rule is pinned in the engine's tests) records as well.
  select_rows({1, 3, 4});
  button("Button19")->click();
  EXPECT_EQ(selected_rows(sequence), (std::vector<int>{1, 2, 3}));
  expect_shown_values_fresh("Join");
  button("Button20")->click();
  EXPECT_TRUE(selected_rows(sequence).empty());
  EXPECT_TRUE(take_messages().isEmpty());
}

TEST_F(ScheduleEditor, BuildBatchGathersOrdersOnceAndSaysWhetherItChanged) {
  // The random schedule leaves the orders' jobs scattered on the busiest machine.
  choose_busiest_machine();
  button("Button30")->click();
  EXPECT_EQ(take_messages(), QStringList{"Sequence schanged!"});
  const std::vector<int> after = list_jobs(sequence);
  std::set<int> orders_passed;
  for (std::size_t i = 0; i < after.size(); ++i) {
    const int o = Jobs[after[i]].Order_ID;
    if (i == 0 || Jobs[after[i - 1]].Order_ID != o) {
      EXPECT_TRUE(orders_passed.insert(o).second) << "order " << o << " comes back";
    }
  }
  expect_shown_values_fresh("Build batch");
  button("Button30")->click();
  EXPECT_EQ(take_messages(), QStringList{"Sequence did not schange!"});
  EXPECT_EQ(list_jobs(sequence), after);
}

TEST_F(ScheduleEditor, ThirtyEditsTwentyFourUndosAndTheRedoBranchDropped) {
  choose_busiest_machine();
  std::vector<std::vector<int>> states{list_jobs(sequence)};
  for (int n = 1; n <= 30; ++n) {
    select_rows({sequence->count() - 1});
    button("Button22")->click();  // "Top": the last job to the front
    states.push_back(list_jobs(sequence));
  }
  QPushButton* undo = button("Button36");
  QPushButton* redo = button("Button37");
  for (int u = 1; u <= 24; ++u) {
    ASSERT_TRUE(undo->isEnabled()) << "undo " << u;
    undo->click();
    // Undo refills the lists from the first machine: look at the edited one.
    choose_busiest_machine();
    EXPECT_EQ(list_jobs(sequence), states[static_cast<std::size_t>(30 - u)]) << "undo " << u;
    expect_shown_values_fresh("undo");
  }
  EXPECT_FALSE(undo->isEnabled()) << "the 24th undo reached the oldest kept schedule";
  EXPECT_TRUE(redo->isEnabled());
  redo->click();
  choose_busiest_machine();
  EXPECT_EQ(list_jobs(sequence), states[7]);
  EXPECT_TRUE(undo->isEnabled());
  // An edit now drops the redo branch.
  select_rows({1});
  button("Button17")->click();
  EXPECT_FALSE(redo->isEnabled());
  expect_shown_values_fresh("edit after undo");
}

TEST_F(ScheduleEditor, RouteAndStepMachineChangesMoveTheJobAndRecalculate) {
  load_varied_shop();
  recalc_schedule_values(*last_SCH, last_obj_value);
  form->close();
  form->show();
  button("Button1")->click();
  // A job whose order offers a second route, chosen in the jobs list.
  int job = 0;
  for (int j = 1; j <= n_of_Jobs && job == 0; ++j)
    if (Orders[Jobs[j].Order_ID].N_Routes >= 2) job = j;
  ASSERT_NE(job, 0);
  choose_job(job);
  ASSERT_EQ(routes->currentText(), QStringLiteral("Route_%1").arg(last_SCH->Route[job]));
  const int other = routes->currentIndex() == 0 ? 1 : 0;
  const int r = get_number_from_name(routes->itemText(other).toStdString());
  routes->setCurrentIndex(other);
  EXPECT_EQ(last_SCH->Route[job], r);
  const std::vector<int> a = assignment(job);
  const int n = static_cast<int>(a.size()) - 1;
  EXPECT_EQ(n, R_MG_ex[r][0]);
  auto* step1 = form->findChild<QComboBox*>("ComboBox3");
  ASSERT_TRUE(step1->isVisibleTo(form));
  EXPECT_EQ(step1->currentText(), QStringLiteral("Mach_%1").arg(a[1]));
  EXPECT_EQ(machines->currentText(), QStringLiteral("Mach_%1").arg(a[1]));
  EXPECT_EQ(list_jobs(sequence).back(), job) << "the route step goes to the end of its machine";
  EXPECT_TRUE(button("Button36")->isEnabled());
  expect_shown_values_fresh("route change");
  auto* label1 = form->findChild<QLabel*>("Label18");
  const int g = R_MG_ex[r][1];
  EXPECT_EQ(label1->text(), QStringLiteral(" [TS%1-TS%2] -> Machine Group %3")
                                .arg(exe_type_first_step(g))
                                .arg(exe_type_last_step(g))
                                .arg(g));

  // A step whose group offers its job another machine: choosing that machine
  // moves the step.
  QComboBox* step = nullptr;
  int step_job = 0, k = 0;
  for (int j = 1; j <= n_of_Jobs && !step; ++j) {
    choose_job(j);
    for (int s = 1; s <= 4 && !step; ++s) {
      auto* combo = form->findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(s + 2));
      if (combo->isVisibleTo(form) && combo->count() >= 2) {
        step = combo;
        step_job = j;
        k = s;
      }
    }
  }
  ASSERT_NE(step, nullptr);
  const int to = step->currentIndex() == 0 ? 1 : 0;
  const int m = get_number_from_name(step->itemText(to).toStdString());
  step->setCurrentIndex(to);
  EXPECT_EQ(assignment(step_job)[static_cast<std::size_t>(k)], m);
  EXPECT_EQ(machines->currentText(), QStringLiteral("Mach_%1").arg(m));
  EXPECT_EQ(list_jobs(sequence).back(), step_job);
  expect_shown_values_fresh("machine change");
}

TEST_F(ScheduleEditor, SaveChangesAndTheQuestionOnClosing) {
  button("Button21")->click();
  EXPECT_EQ(take_messages(), QStringList{"There is no changes in the schedule!"});
  choose_busiest_machine();
  select_rows({2});
  button("Button17")->click();
  button("Button21")->click();
  EXPECT_EQ(take_messages(), QStringList{"The schedule has been saved succesfully!"});
  const SCH saved = *last_SCH;
  form->close();
  EXPECT_TRUE(take_messages().isEmpty()) << "closing after Save Changes asks nothing";
  EXPECT_EQ(last_SCH->equal(saved), 1);

  // Shown again, edited, closed with No: the kept schedule comes back.
  form->show();
  button("Button1")->click();
  choose_busiest_machine();
  select_rows({2});
  button("Button18")->click();
  ASSERT_EQ(last_SCH->equal(saved), 0);
  modals.yes = false;
  form->close();
  EXPECT_EQ(take_messages(), (QStringList{"The schedule has been changed. Would You like to save changes?",
                                        "Discard changes and exit!"}));
  EXPECT_EQ(last_SCH->equal(saved), 1);
  expect_shown_values_fresh("discarded");
  EXPECT_EQ(machines->count(), 0) << "closing empties the lists";
  EXPECT_EQ(sequence->count(), 0);
}

TEST_F(ScheduleEditor, ExportThenInportGivesTheSameScheduleAndAFreshHistoryAndTheReleaseLoads) {
  choose_busiest_machine();
  select_rows({3});
  button("Button22")->click();
  const SCH exported = *last_SCH;
  modals.file = QString::fromStdString(dir.file("plan.rsf"));
  button("Button39")->click();
  modals.file = QString::fromStdString(dir.file("plan.txt"));
  button("Button34")->click();
  EXPECT_EQ(take_messages(), (QStringList{"Schedule has been released successfully!",
                                        "Schedule has been exported into file successfully!"}));
  ASSERT_FALSE(read_file(dir.file("plan.sch")).empty()) << "the format's extension replaces the typed one";
  EXPECT_TRUE(modals.file_dialog_proposed.endsWith("/exp_sch.sch")) << modals.file_dialog_proposed.toStdString();
  EXPECT_EQ(modals.file_dialog_filters, QStringList{"Schedule file (*.sch)"});

  select_rows({3});
  button("Button24")->click();
  ASSERT_EQ(last_SCH->equal(exported), 0);
  modals.file = QString::fromStdString(dir.file("plan.sch"));
  button("Button35")->click();
  // Schedule files written on another system may carry the extension in capitals.
  ASSERT_EQ(modals.file_dialog_filters.size(), 1);
  EXPECT_TRUE(modals.file_dialog_filters[0].startsWith("Schedule files (*.sch)"));
  EXPECT_TRUE(modals.file_dialog_filters[0].contains("*.SCH"));
  EXPECT_EQ(take_messages(), (QStringList{"Schedule has been inported from file successfully!",
                                        "Schedule has been refreshed on the screen successfully!"}));
  EXPECT_EQ(last_SCH->equal(exported), 1);
  for (int j = 1; j <= n_of_Jobs; ++j) EXPECT_EQ(last_SCH->Route[j], exported.Route[j]);
  expect_shown_values_fresh("inported");
  EXPECT_FALSE(button("Button36")->isEnabled());
  EXPECT_FALSE(button("Button37")->isEnabled());
  EXPECT_EQ(machines->currentIndex(), 0) << "the lists were filled again";
  // The history starts at the imported schedule: after one edit, one undo
  // reaches its oldest entry.
  choose_busiest_machine();
  select_rows({3});
  button("Button24")->click();
  ASSERT_TRUE(button("Button36")->isEnabled());
  button("Button36")->click();
  EXPECT_EQ(last_SCH->equal(exported), 1);
  EXPECT_FALSE(button("Button36")->isEnabled()) << "no entry from before the import";
  // The kept schedule is the one shown first: closing asks about the import.
  modals.yes = true;
  form->close();
  EXPECT_EQ(take_messages(), QStringList{"The schedule has been changed. Would You like to save changes?"});
  EXPECT_EQ(last_SCH->equal(exported), 1);

  // The released file loads in the rescheduler with the schedule it was made of.
  form->hide();
  free_input_data();
  last_SCH.reset();
  RESCH_STATES states;
  InputCheck check;
  ClosedCheckWindow window;
  ASSERT_EQ(read_released_schedule(dir.file("plan.rsf"), states, check, window), 1);
  ASSERT_TRUE(last_SCH);
  EXPECT_EQ(last_SCH->equal(exported), 1);
  for (int j = 1; j <= n_of_Jobs; ++j) EXPECT_EQ(last_SCH->Route[j], exported.Route[j]);
  states.release();
}

TEST_F(ScheduleEditor, FailedFileOperationsSayCannotAndChangeNothing) {
  choose_busiest_machine();
  select_rows({3});
  button("Button22")->click();
  const SCH live = *last_SCH;
  // A damaged file (a route beyond the table) and a cancelled dialog.
  const std::string damaged = dir.write("damaged.sch", "1|" + std::to_string(n_of_Machines) + "|" +
                                                           std::to_string(n_of_Jobs) + "|" +
                                                           std::to_string(n_of_Orders) + "\n4|1|27|1\n");
  modals.file = QString::fromStdString(damaged);
  button("Button35")->click();
  EXPECT_EQ(take_messages(), QStringList{"Schedule cannot be inported!"});
  EXPECT_EQ(last_SCH->equal(live), 1);
  EXPECT_TRUE(button("Button36")->isEnabled()) << "the history was not replaced";
  modals.file = "";
  button("Button35")->click();
  EXPECT_TRUE(take_messages().isEmpty()) << "a cancelled open dialog does nothing";

  modals.file = "";
  button("Button34")->click();
  EXPECT_EQ(take_messages(), QStringList{"Schedule cannot be exported!"});
  modals.file = QString::fromStdString(dir.file("missing/plan.sch"));
  button("Button34")->click();
  EXPECT_EQ(take_messages(), QStringList{"Schedule cannot be exported!"});
  modals.file = QString::fromStdString(dir.file("missing/plan.rsf"));
  button("Button39")->click();
  EXPECT_EQ(take_messages(), QStringList{"Schedule cannot be released!"});
  modals.file = "";
  button("Button39")->click();
  EXPECT_EQ(take_messages(), QStringList{"Schedule cannot be released!"}) << "a cancelled dialog released nothing";
}

// A job sequence that no longer matches its machine is refused with a
// message: the machine keeps its sequence, the list shows it again, and the
// history records nothing that an "Undo" would have to take back.
TEST_F(ScheduleEditor, ARefusedSequenceEditSaysSoAndRecordsNothing) {
  const int m = choose_busiest_machine();
  const SCH shown = *last_SCH;
  const int listed = sequence->count();
  ASSERT_GE(listed, 3);
  ASSERT_FALSE(button("Button36")->isEnabled());
  std::unique_ptr<QListWidgetItem> dropped(sequence->takeItem(0));
  select_rows({1});
  button("Button17")->click();  // "Up"
  EXPECT_EQ(take_messages(), QStringList{QStringLiteral("Problem with number of jobs on machine %1").arg(m)});
  EXPECT_EQ(last_SCH->equal(shown), 1);
  EXPECT_EQ(sequence->count(), listed);
  EXPECT_FALSE(button("Button36")->isEnabled());
}

TEST_F(ScheduleEditor, CopyAssignementAndShowDetailesFromTheListMenus) {
  // Two jobs of one order on different assignments.
  int source = 0, target = 0;
  for (int j = 2; j <= n_of_Jobs && source == 0; ++j) {
    const int first = Orders[Jobs[j].Order_ID].First_Job;
    if (j != first && assignment(j) != assignment(first)) {
      source = first;
      target = j;
    }
  }
  ASSERT_NE(source, 0);
  orders->setCurrentIndex(Jobs[source].Order_ID);
  jobs->setCurrentRow(0);  // the source
  QListWidgetItem* target_item = jobs->item(target - source);
  auto* menu = form->findChild<QMenu*>("PopupMenu5");
  auto* copy = form->findChild<QAction*>("Copyassignement1");
  // A right click as the window system delivers it (the button, then the
  // menu request): the selected source stays selected.
  const QPoint at = jobs->visualItemRect(target_item).center();
  QTest::mouseClick(jobs->viewport(), Qt::RightButton, Qt::NoModifier, at);
  QContextMenuEvent request(QContextMenuEvent::Mouse, at, jobs->viewport()->mapToGlobal(at));
  QApplication::sendEvent(jobs->viewport(), &request);
  EXPECT_EQ(jobs->currentItem()->text(), QStringLiteral("Job_%1").arg(source));
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(copy->text(), QStringLiteral("Copy assignements of Job_%1 to Job_%2").arg(source).arg(target));
  menu->hide();
  copy->trigger();
  EXPECT_EQ(assignment(target), assignment(source));
  EXPECT_EQ(jobs->currentItem()->text(), QStringLiteral("Job_%1").arg(target));
  EXPECT_TRUE(button("Button36")->isEnabled());
  expect_shown_values_fresh("copy");
  // The same job, and a click beside every item, offer nothing.
  jobs->customContextMenuRequested(jobs->visualItemRect(jobs->currentItem()).center());
  EXPECT_EQ(copy->text(), "Invalid Job selection!");
  menu->hide();
  orders->setCurrentIndex(Jobs[source].Order_ID);  // a few jobs: room below the last
  const QPoint below(5, jobs->viewport()->height() - 2);
  ASSERT_EQ(jobs->itemAt(below), nullptr);
  jobs->customContextMenuRequested(below);
  menu->hide();
  EXPECT_EQ(copy->text(), "No Jobs here!");

  // "Show Detailes" on the sequence: order, job and machine chosen.
  choose_busiest_machine();
  QListWidgetItem* item = sequence->item(1);
  const int job = get_number_from_name(item->text().toStdString());
  sequence->customContextMenuRequested(sequence->visualItemRect(item).center());
  auto* details_menu = form->findChild<QMenu*>("PopupMenu1");
  EXPECT_EQ(details_menu->actions().front()->text(),
            QStringLiteral("Job_%1 <-> Order_%2").arg(job).arg(Jobs[job].Order_ID));
  details_menu->hide();
  form->findChild<QAction*>("ShowDetailes1")->trigger();
  EXPECT_EQ(orders->currentText(), QStringLiteral("Order_%1").arg(Jobs[job].Order_ID));
  EXPECT_EQ(jobs->currentItem()->text(), QStringLiteral("Job_%1").arg(job));
  EXPECT_EQ(selected_rows(sequence), std::vector<int>{1});
}

TEST_F(ScheduleEditor, SetFocusAndTheShowButtonsLeadBetweenChartsAndEditor) {
  // Closed and shown again: the lists are empty until a "Set focus" fills them.
  form->close();
  form->show();
  ASSERT_EQ(orders->count(), 0);
  const int job = Orders[3].First_Job + 1;
  auto* job_list = form->findChild<QListWidget*>("CheckListBox3");
  ASSERT_NE(job_list, nullptr);
  const QListWidgetItem* item = job_list->item(job - 1);
  job_list->scrollToItem(item);
  job_list->customContextMenuRequested(job_list->visualItemRect(item).center());
  form->findChild<QMenu*>("PopupMenu4")->hide();
  form->findChild<QAction*>("Setfocus3")->trigger();
  EXPECT_EQ(orders->currentText(), "Order_3");
  ASSERT_NE(jobs->currentItem(), nullptr);
  EXPECT_EQ(jobs->currentItem()->text(), QStringLiteral("Job_%1").arg(job));
  EXPECT_EQ(routes->currentText(), QStringLiteral("Route_%1").arg(last_SCH->Route[job]));

  auto* machine_list = form->findChild<QListWidget*>("CheckListBox2");
  const QListWidgetItem* mach = machine_list->item(4);
  machine_list->customContextMenuRequested(machine_list->visualItemRect(mach).center());
  form->findChild<QMenu*>("PopupMenu3")->hide();
  form->findChild<QAction*>("Setfocus2")->trigger();
  EXPECT_EQ(machines->currentText(), "Mach_5");
  EXPECT_EQ(list_jobs(sequence), machine_sequence(*last_SCH, 5));

  // "Show Machine " checks only the chosen machine's row, on its page.
  auto* pages = form->findChild<QTabWidget*>("PageControl1");
  button("Button27")->click();
  EXPECT_EQ(pages->currentIndex(), 1);
  for (int i = 0; i < machine_list->count(); ++i)
    EXPECT_EQ(machine_list->item(i)->checkState() == Qt::Checked, i == 4) << "machine row " << i;
  // "Show Job" checks the jobs the jobs list holds (the order's).
  button("Button29")->click();
  EXPECT_EQ(pages->currentIndex(), 0);
  for (int j = 1; j <= n_of_Jobs; ++j)
    EXPECT_EQ(job_list->item(j - 1)->checkState() == Qt::Checked, Jobs[j].Order_ID == 3) << "job row " << j;

  // The "Auto show" boxes exclude each other; the checked one follows the
  // machine choice.
  auto* auto_machine = form->findChild<QCheckBox*>("CheckBox15");
  auto* auto_order = form->findChild<QCheckBox*>("CheckBox13");
  auto_order->click();
  EXPECT_EQ(pages->currentIndex(), 2);
  auto_machine->click();
  EXPECT_FALSE(auto_order->isChecked());
  machines->setCurrentIndex(2);
  EXPECT_EQ(pages->currentIndex(), 1);
  EXPECT_EQ(machine_list->item(2)->checkState(), Qt::Checked);
  EXPECT_EQ(machine_list->item(4)->checkState(), Qt::Unchecked);
}

// Another problem loaded and run while the window stays open: the history and
// the kept schedule belong to the old one and are never put into the live
// schedule, which would then not fit the arrays.
TEST_F(ScheduleEditor, HistoryOfAnotherProblemIsNeverPutBack) {
  choose_busiest_machine();
  select_rows({2});
  button("Button22")->click();
  ASSERT_TRUE(button("Button36")->isEnabled());
  load_varied_shop();
  const SCH live = *last_SCH;
  button("Button36")->click();
  EXPECT_EQ(last_SCH->equal(live), 1);
  EXPECT_EQ(last_SCH->n_of_Machines, n_of_Machines);
  form->close();
  EXPECT_TRUE(take_messages().isEmpty()) << "no question about a schedule of another problem";
  EXPECT_EQ(last_SCH->equal(live), 1);
  EXPECT_EQ(last_SCH->n_of_Jobs, n_of_Jobs);
}
