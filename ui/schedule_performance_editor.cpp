// The schedule editor of the results window: the job sequence of one machine,
// the route and machines of one job, and the undo history. Every handler only
// translates between the controls and the engine's edits (engine/sequence_moves.h,
// engine/schedule_edits.h, engine/undo_list.h); every edit ends in
// calc_obj_and_show_sch_data, which writes, times, evaluates, redraws and
// records.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "engine/live_schedule.h"
#include "engine/schedule_edits.h"
#include "engine/shop_structure.h"
#include "engine/sequence_moves.h"
#include "engine/undo_list.h"
#include "ui/message_boxes.h"
#include "ui/schedule_performance_window.h"
#include "engine/run_state.h"

namespace {

QString job_name(int j) { return QStringLiteral("Job_%1").arg(j); }

int number_of(const QString& name) { return get_number_from_name(name.toStdString()); }

// The job an item of the job sequence names, kept beside its text so that
// reading the list back parses nothing.
int listed_job(const QListWidgetItem* item) { return item->data(Qt::UserRole).toInt(); }

// The row whose text is `text`, -1 when none.
int find_row(const QListWidget* list, const QString& text) {
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text() == text) return i;
  return -1;
}

}  // namespace

bool TForm10::editor_has_schedule() const { return last_SCH && schedule_fits_problem(*last_SCH); }

void TForm10::editor_message(const char* text) {
  if (show_messages) show_message(QString::fromLatin1(text), this);
}

// ---- the one recalculation path ----

void TForm10::calc_obj_and_show_sch_data(int mode) {
  if (!editor_has_schedule()) return;
  bool changed = true;
  if (mode == 1) {
    editor_message(" calc_obj_and_show_sch_data() saves the ListBox1 job sequence! ");
    const int m = machine_index + 1;
    if (save_sequence_to_machine(*last_SCH, read_sequence_list_jobs(), m) != 1) {
      show_message(QStringLiteral("Problem with number of jobs on machine %1").arg(m), this);
      // The list no longer shows the machine: show what the schedule holds.
      load_machine_seq_to_listbox(m);
      changed = false;
    }
  }
  if (work_mode == 2) show_message(QStringLiteral("Job time data have been recalculated!"), this);
  editor_message(" calc_obj_and_show_sch_data () calculate schedule data");
  recalc_schedule_values(*last_SCH, last_obj_value);
  show_sch_data();
  // A refused sequence changed nothing: no history entry that undoes nothing.
  if (mode != 2 && changed && undo_list) {
    undo_list->push(*last_SCH);
    Button36->setEnabled(true);
    Button37->setEnabled(false);
  }
}

// ---- lists ----

std::vector<int> TForm10::read_sequence_list_jobs() const {
  std::vector<int> jobs;
  jobs.reserve(static_cast<std::size_t>(ListBox1->count()));
  for (int i = 0; i < ListBox1->count(); ++i) jobs.push_back(listed_job(ListBox1->item(i)));
  return jobs;
}

JobSequence TForm10::read_sequence_list() const {
  JobSequence seq;
  seq.reserve(static_cast<std::size_t>(ListBox1->count()));
  for (int i = 0; i < ListBox1->count(); ++i)
    seq.push_back({listed_job(ListBox1->item(i)), ListBox1->item(i)->isSelected()});
  return seq;
}

// Only the items that changed are touched, and the selection is set in one
// step: every new text and every selection change makes the list work out
// what to repaint, which would cost more than the whole recalculation.
void TForm10::write_sequence_list(const JobSequence& seq) {
  const QSignalBlocker block(ListBox1);
  const int n = std::min(static_cast<int>(seq.size()), ListBox1->count());
  // The selection first: a text change leaves the list's layout to be redone,
  // and a selection change after it would force that layout at once.
  QItemSelection selection;
  bool selection_changed = false;
  for (int i = 0; i < n; ++i) {
    const bool selected = seq[static_cast<std::size_t>(i)].selected;
    selection_changed = selection_changed || ListBox1->item(i)->isSelected() != selected;
    if (selected) {
      const QModelIndex index = ListBox1->model()->index(i, 0);
      selection.select(index, index);
    }
  }
  if (selection_changed) ListBox1->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  for (int i = 0; i < n; ++i) {
    const int job = seq[static_cast<std::size_t>(i)].job;
    QListWidgetItem* item = ListBox1->item(i);
    if (listed_job(item) != job) {
      item->setText(job_name(job));
      item->setData(Qt::UserRole, job);
    }
  }
}

void TForm10::load_machine_seq_to_listbox(int m) {
  const QSignalBlocker block(ListBox1);
  const std::vector<int> jobs = last_SCH ? machine_sequence(*last_SCH, m) : std::vector<int>();
  // A list that already shows the sequence is only unselected: building it
  // anew would lay out every item again.
  if (jobs == read_sequence_list_jobs()) {
    ListBox1->clearSelection();
    ListBox1->scrollToTop();
    return;
  }
  ListBox1->clear();
  for (int j : jobs) {
    auto* item = new QListWidgetItem(job_name(j));
    item->setData(Qt::UserRole, j);  // before it joins the list: no change to announce
    ListBox1->addItem(item);
  }
}

int TForm10::selected_job() const {
  const QListWidgetItem* item = ListBox2->currentItem();
  return (item && item->isSelected()) ? number_of(item->text()) : -1;
}

// ---- "Modify schedule" ----

void TForm10::refill_editor_lists() {
  if (!editor_has_schedule()) return;
  editor_message("Button1 load the ListBox1 and ComboBox7!");
  // The names depend on the counts alone: lists that already hold them are
  // kept (undo and redo refill after every step, and a large shop has
  // thousands of jobs).
  if (ComboBox1->count() != last_obj_value.n_of_Machines) {
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    QStringList machines;
    for (int m = 1; m <= last_obj_value.n_of_Machines; ++m) machines << QStringLiteral("Mach_%1").arg(m);
    ComboBox1->addItems(machines);
  }
  if (ComboBox1->count() > 0) {
    {
      const QSignalBlocker block(ComboBox1);
      ComboBox1->setCurrentIndex(0);
    }
    ComboBox1Change(0);
  }
  if (ComboBox7->count() != last_obj_value.n_of_Orders + 1) {
    const QSignalBlocker block(ComboBox7);
    ComboBox7->clear();
    QStringList orders{QStringLiteral("All Orders")};
    for (int o = 1; o <= last_obj_value.n_of_Orders; ++o) orders << QStringLiteral("Order_%1").arg(o);
    ComboBox7->addItems(orders);
  }
  if (ComboBox7->count() > 0) {
    last_order_index = -1;
    last_job = -1;
    {
      const QSignalBlocker block(ComboBox7);
      ComboBox7->setCurrentIndex(0);
    }
    ComboBox7Change(0);
  }
  Button21->setEnabled(true);
}

// ---- machine and its sequence ----

void TForm10::ComboBox1Change(int index) {
  if (index < 0 || !editor_has_schedule()) return;
  editor_message("Combobox1 Onchange load job sequence on machine!");
  load_machine_seq_to_listbox(index + 1);
  const int j = selected_job();
  const int row = j > 0 ? find_row(ListBox1, job_name(j)) : -1;
  if (row >= 0) {
    ListBox1->clearSelection();
    ListBox1->item(row)->setSelected(true);
    ListBox1->scrollToItem(ListBox1->item(row), QAbstractItemView::PositionAtTop);
  }
  machine_index = index;
  if (CheckBox15->isChecked()) Button27Click();
}

void TForm10::move_sequence(const char* message, bool (*apply)(JobSequence&)) {
  if (!editor_has_schedule()) return;
  editor_message(message);
  JobSequence seq = read_sequence_list();
  if (!apply(seq)) return;
  write_sequence_list(seq);
  calc_obj_and_show_sch_data(1);
}

void TForm10::Button17Click() { move_sequence("Move Up button changes the job sequence!", move_selected_up); }
void TForm10::Button18Click() { move_sequence("Move Down button changes the job sequence!", move_selected_down); }
void TForm10::Button22Click() { move_sequence("Move Top button changes the job sequence!", move_selected_top); }
void TForm10::Button24Click() {
  move_sequence("Move Bottom button changes the job sequence!", move_selected_bottom);
}
void TForm10::Button19Click() { move_sequence("Join button changes the job sequence!", join_selected); }

void TForm10::Button25Click() {
  JobSequence seq = read_sequence_list();
  select_order_of_first(seq, Jobs);
  write_sequence_list(seq);
}

void TForm10::Button26Click() {
  JobSequence seq = read_sequence_list();
  select_setup_type_of_first(seq, Jobs, Orders);
  write_sequence_list(seq);
}

void TForm10::Button20Click() { ListBox1->clearSelection(); }

void TForm10::Button30Click() {
  if (!editor_has_schedule()) return;
  JobSequence seq = read_sequence_list();
  if (build_batch(seq, Jobs)) {
    write_sequence_list(seq);
    calc_obj_and_show_sch_data(1);
    show_message(QStringLiteral("Sequence schanged!"), this);
  } else {
    write_sequence_list(seq);
    show_message(QStringLiteral("Sequence did not schange!"), this);
  }
}

// ---- order, job, route and step machines ----

void TForm10::ComboBox7Change(int index) {
  if (index < 0 || index == last_order_index || !editor_has_schedule()) return;
  editor_message("ComboBox7 Onchange load ListBox2");
  {
    const QSignalBlocker block(ListBox2);
    const int o = index > 0 ? number_of(ComboBox7->itemText(index)) : 0;
    const bool one_order = o >= 1 && o < static_cast<int>(Orders.size());
    const int first = one_order ? Orders[o].First_Job : 1;
    const int count = one_order ? Orders[o].NJob : last_obj_value.n_of_Jobs;
    // Jobs are listed as a run of consecutive numbers: the same first job and
    // count mean the same list, kept as it is.
    if (ListBox2->count() != count || count == 0 || ListBox2->item(0)->text() != job_name(first)) {
      ListBox2->clear();
      QStringList jobs;
      for (int j = first; j < first + count; ++j) jobs << job_name(j);
      ListBox2->addItems(jobs);
    }
    if (ListBox2->count() > 0) {
      ListBox2->clearSelection();
      ListBox2->setCurrentRow(0);
      ListBox2->item(0)->setSelected(true);
      ListBox2->scrollToTop();
    }
  }
  if (ListBox2->count() > 0) {
    editor_message("ComboBox7 Onchange calls ListBox2Clisck");
    ListBox2Click();
  }
  if (CheckBox13->isChecked()) Button28Click();
  if (CheckBox14->isChecked()) Button29Click();
  last_order_index = index;
}

void TForm10::ListBox2Click() {
  const int j = selected_job();
  if (j < 1 || j > n_of_Jobs || j == last_job || !editor_has_schedule()) return;
  editor_message("ListBox2 Onchange load ComboBox2");
  {
    const QSignalBlocker block(ComboBox2);
    ComboBox2->clear();
    int current = -1;
    for (int r : feasible_routes(Orders[Jobs[j].Order_ID])) {
      if (r == last_SCH->Route[j]) current = ComboBox2->count();
      ComboBox2->addItem(QStringLiteral("Route_%1").arg(r));
    }
    ComboBox2->setCurrentIndex(current);
  }
  last_route_index = -1;
  ComboBox2Change(ComboBox2->currentIndex());
  last_job = j;
}

void TForm10::ComboBox2Change(int index) {
  const int j = selected_job();
  if (j < 1 || index < 0 || index == last_route_index || !editor_has_schedule()) return;
  editor_message("ComboBox2 Onchange load ComboBox3-ComboBox6");
  const int r = number_of(ComboBox2->itemText(index));
  const int n = route_length(r);
  // The steps of the route shown, the others hidden; a control already in
  // its state is left alone, so that the panel is not laid out again.
  for (int k = 1; k <= 4; ++k) {
    const QSignalBlocker block(StepCombo[k]);
    StepCombo[k]->clear();
    if (StepLabel[k]->isHidden() == (k <= n)) StepLabel[k]->setVisible(k <= n);
    if (StepCombo[k]->isHidden() == (k <= n)) StepCombo[k]->setVisible(k <= n);
  }
  if (n == 0) return;
  const ORDER& order = Orders[Jobs[j].Order_ID];
  int current[5] = {0, 0, 0, 0, 0};
  const bool on_route = last_SCH->Route[j] == r;
  if (on_route) last_SCH->get_job_assignment(current, j);
  for (int k = 1; k <= n; ++k) {
    const int g = R_MG_ex[r][k];
    StepLabel[k]->setText(QStringLiteral(" [TS%1-TS%2]%3-> Machine Group %4")
                              .arg(exe_type_first_step(g))
                              .arg(exe_type_last_step(g))
                              .arg(k == 1 ? QStringLiteral(" ") : QString())
                              .arg(g));
    const QSignalBlocker block(StepCombo[k]);
    for (int m : usable_machines(order, g)) StepCombo[k]->addItem(QStringLiteral("Mach_%1").arg(m));
    StepCombo[k]->setCurrentIndex(StepCombo[k]->count() > 0 ? 0 : -1);
    if (on_route) {
      const int at = StepCombo[k]->findText(QStringLiteral("Mach_%1").arg(current[k]));
      if (at >= 0) StepCombo[k]->setCurrentIndex(at);
    }
    last_step_index[k] = -1;
  }
  if (last_route_index != -1) {
    editor_message("ComboBox2 Onchange saves ComboBox3-ComboBox6 machines");
    int assignment[5] = {r, 0, 0, 0, 0};
    bool complete = true;
    for (int k = 1; k <= n; ++k) {
      assignment[k] = number_of(StepCombo[k]->currentText());
      complete = complete && StepCombo[k]->currentIndex() >= 0;
    }
    // A route step without a usable machine cannot take the job: the route stays.
    if (complete) {
      last_SCH->change_job_route(n, assignment, j);
      last_step_index[1] = -2;
    }
  }
  StepComboChange(1, StepCombo[1]->currentIndex());
  // Every later choice in a step combo is the planner's: it moves the route
  // step and recalculates.
  for (int k = 1; k <= n; ++k) last_step_index[k] = StepCombo[k]->currentIndex();
  last_route_index = index;
}

void TForm10::StepComboChange(int k, int index) {
  const int j = selected_job();
  if (index < 0 || j < 1 || !editor_has_schedule()) return;
  const int m = number_of(StepCombo[k]->itemText(index));
  if (index != last_step_index[k]) {
    static const char* const messages[5] = {"", "Combobox3 Onchange save machine", "Combobox4 Onchange save machine",
                                            "Combobox5 Onchange save machine", "Combobox6 Onchange save machine"};
    editor_message(messages[k]);
    last_SCH->move_op_to_machine(m, k, j);
    if (last_step_index[k] != -1) calc_obj_and_show_sch_data(0);
    const int row = ComboBox1->findText(QStringLiteral("Mach_%1").arg(m));
    if (row >= 0) {
      {
        const QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(row);
      }
      ComboBox1Change(row);
    }
  }
  const int row = ComboBox1->findText(QStringLiteral("Mach_%1").arg(m));
  if (row >= 0 && ComboBox1->currentIndex() != row) {
    {
      const QSignalBlocker block(ComboBox1);
      ComboBox1->setCurrentIndex(row);
    }
    ComboBox1Change(row);
  }
  last_step_index[k] = index;
}

void TForm10::Button23Click() {
  const int j = selected_job();
  if (j < 1 || !editor_has_schedule()) return;
  const int row = ComboBox2->findText(QStringLiteral("Route_%1").arg(last_SCH->Route[j]));
  if (row < 0) return;
  {
    const QSignalBlocker block(ComboBox2);
    ComboBox2->setCurrentIndex(row);
  }
  last_route_index = -1;
  ComboBox2Change(row);
}

// ---- undo and redo ----

namespace {
// After one step through the history (r as UNDOLIST's undo or redo gives
// it): nothing when nothing moved; else the step's button goes off at the end
// of the history, the opposite one comes on, and the schedule stepped to is
// shown and the lists filled again.
void after_history_step(TForm10& form, int r, QPushButton* step, QPushButton* opposite) {
  if (r <= 0) return;
  if (r == 2) step->setEnabled(false);
  opposite->setEnabled(true);
  form.calc_obj_and_show_sch_data(2);
  form.refill_editor_lists();
}
}  // namespace

// The history is walked only while it holds schedules of the loaded problem:
// after another problem was loaded and run with the window open, its entries
// would not fit the arrays.
void TForm10::Button36Click() {
  if (history_fits_problem()) after_history_step(*this, undo_list->undo(*last_SCH), Button36, Button37);
}

void TForm10::Button37Click() {
  if (history_fits_problem()) after_history_step(*this, undo_list->redo(*last_SCH), Button37, Button36);
}

bool TForm10::history_fits_problem() const {
  return editor_has_schedule() && undo_list && undo_list->current_schedule() &&
         schedule_fits_problem(*undo_list->current_schedule());
}
