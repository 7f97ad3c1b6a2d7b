// How the editor panel and the charts lead into each other: "Show Machine ",
// "Show Order", "Show Job" and their "Auto show" boxes, the charts' "Set
// focus" targets, and the two list menus ("Show Detailes" on the job
// sequence, "Copy assignement" on the jobs).
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>

#include "engine/live_schedule.h"
#include "engine/schedule_edits.h"
#include "ui/schedule_performance_window.h"

namespace {

int number_of(const QString& name) { return get_number_from_name(name.toStdString()); }

// Chooses the item named text without the combo's own signal; false when absent.
bool choose(QComboBox* combo, const QString& text) {
  const int row = combo->findText(text);
  if (row < 0) return false;
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(row);
  return true;
}

// Makes the item named text the list's only selection; false when absent.
bool choose(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  if (found.isEmpty()) return false;
  const QSignalBlocker block(list);
  list->clearSelection();
  list->setCurrentItem(found.front());
  found.front()->setSelected(true);
  list->scrollToItem(found.front());
  return true;
}

}  // namespace

// ---- "Show ..." and "Auto show" ----

void TForm10::Button27Click() { show_machine_rows(ComboBox1->currentText()); }

void TForm10::Button28Click() { show_order_rows(ComboBox7->currentText()); }

void TForm10::Button29Click() {
  if (ListBox2->count() == 0) return;
  QStringList jobs;
  for (int i = 0; i < ListBox2->count(); ++i) jobs << ListBox2->item(i)->text();
  show_job_rows(jobs);
}

// The three boxes exclude each other; checking one shows its rows once at
// once, and again whenever the machine or order choice changes.
void TForm10::auto_show_toggled(QCheckBox* box, bool checked) {
  if (!checked) return;
  for (QCheckBox* other : {CheckBox13, CheckBox14, CheckBox15})
    if (other != box) {
      const QSignalBlocker block(other);
      other->setChecked(false);
    }
  if (box == CheckBox13) Button28Click();
  if (box == CheckBox14) Button29Click();
  if (box == CheckBox15) Button27Click();
}

// ---- "Set focus" ----

void TForm10::set_focus_on_order(int o) {
  if (o < 1 || !editor_has_schedule()) return;
  if (ComboBox7->count() == 0) refill_editor_lists();
  if (choose(ComboBox7, QStringLiteral("Order_%1").arg(o))) ComboBox7Change(ComboBox7->currentIndex());
}

void TForm10::set_focus_on_machine(int m) {
  if (m < 1 || !editor_has_schedule()) return;
  if (ComboBox7->count() == 0) refill_editor_lists();
  if (choose(ComboBox1, QStringLiteral("Mach_%1").arg(m))) ComboBox1Change(ComboBox1->currentIndex());
}

void TForm10::set_focus_on_job(int j) {
  if (j < 1 || j > n_of_Jobs || !editor_has_schedule()) return;
  if (ComboBox7->count() == 0) refill_editor_lists();
  if (choose(ComboBox7, QStringLiteral("Order_%1").arg(order_of_job(j)))) ComboBox7Change(ComboBox7->currentIndex());
  if (choose(ListBox2, QStringLiteral("Job_%1").arg(j))) ListBox2Click();
}

// ---- the job sequence's menu: "Show Detailes" ----

void TForm10::PopupMenu1Popup(const QPoint& pos) {
  const QListWidgetItem* item = ListBox1->itemAt(pos);
  // The menu's first entry is its caption, a section above "Show Detailes".
  QAction* caption = PopupMenu1->actions().front();
  if (item) {
    popup_job = number_of(item->text());
    popup_order = order_of_job(popup_job);
    popup_machine = number_of(ComboBox1->currentText());
    caption->setText(item->text() + QStringLiteral(" <-> Order_%1").arg(popup_order));
  } else {
    popup_job = popup_order = popup_machine = -1;
    caption->setText(QStringLiteral("No Jobs here!"));
  }
  PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(pos));
}

void TForm10::ShowDetailes1Click() {
  if (popup_order == -1 || !editor_has_schedule()) return;
  const int job = popup_job, machine = popup_machine;
  if (choose(ComboBox7, QStringLiteral("Order_%1").arg(popup_order))) ComboBox7Change(ComboBox7->currentIndex());
  if (choose(ListBox2, QStringLiteral("Job_%1").arg(job))) ListBox2Click();
  if (choose(ComboBox1, QStringLiteral("Mach_%1").arg(machine))) ComboBox1Change(ComboBox1->currentIndex());
  choose(ListBox1, QStringLiteral("Job_%1").arg(job));
}

// ---- the jobs' menu: "Copy assignement" ----

// The job under the mouse is the target, the selected job the source; with
// no selected job there is no source, and the choice is refused like a
// choice of the same job.
void TForm10::PopupMenu5Popup(const QPoint& pos) {
  const QListWidgetItem* target = ListBox2->itemAt(pos);
  const int source = selected_job();
  copy_target_job = copy_source_job = -1;
  if (!target) {
    Copyassignement1->setText(QStringLiteral("No Jobs here!"));
  } else {
    const int t = number_of(target->text());
    if (source < 1 || t == source || order_of_job(t) != order_of_job(source)) {
      Copyassignement1->setText(QStringLiteral("Invalid Job selection!"));
    } else {
      copy_target_job = t;
      copy_source_job = source;
      Copyassignement1->setText(QStringLiteral("Copy assignements of Job_%1 to Job_%2").arg(source).arg(t));
    }
  }
  PopupMenu5->popup(ListBox2->viewport()->mapToGlobal(pos));
}

void TForm10::Copyassignement1Click() {
  if (copy_target_job == -1 || copy_source_job == -1 || !editor_has_schedule()) return;
  if (copy_job_assignment(*last_SCH, copy_target_job, copy_source_job) != 1) return;
  last_job = -1;  // the target's route panel is loaded afresh
  if (choose(ListBox2, QStringLiteral("Job_%1").arg(copy_target_job))) ListBox2Click();
  calc_obj_and_show_sch_data(0);
}
