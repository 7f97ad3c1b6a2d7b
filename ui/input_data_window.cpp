#include "ui/input_data_window.h"

#include <algorithm>
#include <functional>

#include <QComboBox>
#include <QSignalBlocker>
#include <QStyle>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/problem.h"
#include "engine/shop_changes.h"
#include "ui/message_boxes.h"
#include "ui/named_controls.h"
#include "ui/number_fields.h"

TForm14* Form14 = nullptr;

namespace {

QString num(long long v) { return QString::number(v); }

// The number after the last '_' of a combo's chosen item; 0 with none chosen.
int chosen_number(const QComboBox* box) {
  if (box->currentIndex() < 0) return 0;
  return get_number_from_name(box->currentText().toStdString());
}

// Machine group g's list of MG_M_ex, empty when no problem is loaded.
const std::vector<int>* group_machines(int g) {
  if (g < 1 || g >= static_cast<int>(MG_M_ex.size()) || MG_M_ex[g].empty()) return nullptr;
  return &MG_M_ex[g];
}

// A group list of the pyramid: greyed off the chosen route, in the window
// colour on it.
void set_list_colour(QListWidget* list, bool on_route) {
  QPalette p = list->palette();
  const QColor base = on_route ? list->style()->standardPalette().color(QPalette::Base)
                               : list->style()->standardPalette().color(QPalette::Window);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    p.setColor(group, QPalette::Base, base);
  list->setPalette(p);
}

void choose_item(QComboBox* box, const QString& text) { box->setCurrentIndex(box->findText(text)); }

}  // namespace

bool TForm14::eventFilter(QObject* watched, QEvent* e) {
  QListWidget* top = group_list[10];
  if (top && (watched == top || watched == top->viewport())) {
    if (e->type() == QEvent::MouseButtonDblClick) {
      ListBox13DblClick();
      return true;
    }
    if (e->type() == QEvent::FocusOut && watched == top) ListBox13Exit();
  } else if (watched == TabSheet3 && e->type() == QEvent::ContextMenu) {
    TabSheet3ContextPopup();
  }
  return ClosingForm::eventFilter(watched, e);
}

void TForm14::FormShow() {
  show_MG_M();
  ComboBox2->clear();
  ComboBox2->addItem(QStringLiteral("All"));
  for (int g = 1; g <= 10; ++g) ComboBox2->addItem(QStringLiteral("MG_%1").arg(g));
  ComboBox2->setCurrentIndex(0);
  ComboBox2Change();
  restore_group_10_list();
  normal_height = group_list[10]->height();
  enlarged = false;
  ComboBox4->clear();
  ComboBox4->addItem(QStringLiteral("All"));
  for (int t = 1; t <= 10; ++t) ComboBox4->addItem(QStringLiteral("Exe_%1").arg(t));
  ComboBox4->setCurrentIndex(0);
  ComboBox4Change();
}

// Nothing is undone: changes made in modify mode are already in the problem.
void TForm14::FormClose() {
  Memo1->clear();
  restore_group_10_list();
}

// ---- Machine Groups ----

void TForm14::show_MG_M() {
  Memo1->clear();
  Memo1->appendPlainText(QStringLiteral("________________________________MG_M________________________________"));
  for (int g = 1; g <= 10; ++g) {
    if (CheckListBox1->item(g - 1)->checkState() != Qt::Checked) continue;
    const std::vector<int>* list = group_machines(g);
    const int n = list ? (*list)[0] : 0;
    Memo1->appendPlainText(QStringLiteral("MG%1 [ %2 ] ").arg(g).arg(n));
    const QString start = QStringLiteral("              ->");
    QString line = start;
    for (int i = 1; i <= n; ++i) {
      line += QStringLiteral("   ") + num((*list)[i]);
      if (i % 10 == 0) {
        Memo1->appendPlainText(line);
        line = start;
      }
    }
    if (line != start) Memo1->appendPlainText(line);
  }
  Memo1->appendPlainText(QStringLiteral("______________________________________________________________________"));
  Memo1->moveCursor(QTextCursor::Start);
}

void TForm14::CheckListBox1Click() { show_MG_M(); }

namespace {
void set_all_checks(QListWidget* list, const std::function<bool(int)>& checked) {
  const QSignalBlocker block(list);
  for (int g = 1; g <= list->count(); ++g)
    list->item(g - 1)->setCheckState(checked(g) ? Qt::Checked : Qt::Unchecked);
}
}  // namespace

void TForm14::Button1Click() {
  set_all_checks(CheckListBox1, [](int) { return true; });
  show_MG_M();
}

void TForm14::Button2Click() {
  set_all_checks(CheckListBox1, [](int) { return false; });
  show_MG_M();
}

void TForm14::Button3Click() {
  set_all_checks(CheckListBox1, [](int g) {
    const std::vector<int>* list = group_machines(g);
    return list && (*list)[0] > 0;
  });
  show_MG_M();
}

// ---- Machines ----

int TForm14::chosen_machine() const {
  const int m = chosen_number(ComboBox1);
  return m >= 1 && m <= n_of_Machines && m < static_cast<int>(Machines.size()) ? m : 0;
}

void TForm14::show_machine_modify_controls(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{Label37, Edit18, Button6, GroupBox1}) w->setVisible(visible);
}

void TForm14::ComboBox2Change() {
  ComboBox1->clear();
  const int g = ComboBox2->currentIndex();
  if (g == 0) {
    for (int m = 1; m <= n_of_Machines; ++m) ComboBox1->addItem(QStringLiteral("Mach_%1").arg(m));
  } else if (const std::vector<int>* list = group_machines(g)) {
    for (int i = 1; i <= (*list)[0]; ++i) ComboBox1->addItem(QStringLiteral("Mach_%1").arg((*list)[i]));
  }
  if (ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
  ComboBox1Change();
}

void TForm14::ComboBox1Change() {
  const int m = chosen_machine();
  if (ComboBox1->count() == 0 || m == 0) {
    ListBox1->clear();
    ListBox2->clear();
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) e->clear();
    show_machine_modify_controls(false);
    Label11->setText(QStringLiteral("No Machines in ") + ComboBox2->currentText());
    return;
  }
  const MACHINE& M = Machines[m];
  Label11->setText(num(ComboBox1->count()) + QStringLiteral(" Machines in ") + ComboBox2->currentText());
  Edit1->setText(QStringLiteral("MG_") + num(M.MG));
  Edit2->setText(QStringLiteral("TS_") + num(M.StartStep));
  Edit3->setText(QStringLiteral("TS_") + num(M.EndStep));
  Edit4->setText(num(M.Speed));
  const bool can_modify = modify_mode && M.Speed != 0;
  if (can_modify) {
    Edit18->clear();
    Edit19->clear();
    Edit20->clear();
    Label39->setText(QStringLiteral("No item selected!"));
  }
  show_machine_modify_controls(can_modify);
  {
    const QSignalBlocker block(ListBox1);
    ListBox1->clear();
  }
  ListBox2->clear();
  if (M.Speed != 0) {
    for (int i = 1; i <= M.N_Cal && i < static_cast<int>(M.Cal.size()); ++i)
      ListBox1->addItem(QStringLiteral(" [ %1 , %2 ] ").arg(M.Cal[i].ST).arg(M.Cal[i].ET));
    const int S = std::min(n_of_SetupTypes, M.setup_types());
    for (int a = 1; a <= S; ++a)
      for (int b = 1; b <= S; ++b)
        if (a != b) ListBox2->addItem(QStringLiteral(" from %1 to  %2 -> %3").arg(a).arg(b).arg(M.SetupM(a, b)));
  } else {
    ListBox1->addItem(QStringLiteral("Virtual machine!"));
    ListBox2->addItem(QStringLiteral("Virtual machine!"));
  }
  Edit5->setText(num(M.ReadyT));
  Edit6->setText(num(n_of_SetupTypes));
}

void TForm14::Button4Click() {
  if (Edit7->text().isEmpty()) return;
  const int v = field_number(Edit7->text());
  if (v >= 1 && v <= n_of_Machines && v < static_cast<int>(Machines.size())) {
    const int group = ComboBox2->findText(QStringLiteral("MG_%1").arg(Machines[v].MG));
    ComboBox2->setCurrentIndex(group >= 0 ? group : 0);
    ComboBox2Change();
    choose_item(ComboBox1, QStringLiteral("Mach_%1").arg(v));
    ComboBox1Change();
  }
  Edit7->clear();
}

void TForm14::ListBox1Click() {
  if (QListWidgetItem* item = ListBox1->currentItem()) Label39->setText(item->text());
}

void TForm14::Button6Click() {
  const int m = chosen_machine();
  if (m == 0) return;
  const SHOP_CHANGE r = change_machine_speed(Machines[m], field_number(Edit18->text()));
  if (r.done) {
    Edit4->setText(Edit18->text());
    return;
  }
  show_message(QString::fromStdString(r.message), this);
  Edit18->setText(num(Machines[m].Speed));
  Edit18->setFocus();
}

void TForm14::Button7Click() {
  const int m = chosen_machine();
  if (m == 0) return;
  const SHOP_CHANGE r = delete_calendar_interval(Machines[m], ListBox1->currentRow());
  if (r.done)
    ComboBox1Change();
  else
    show_message(QString::fromStdString(r.message), this);
}

void TForm14::Button8Click() {
  const int m = chosen_machine();
  if (m == 0) return;
  const int st = field_number(Edit19->text());
  const int et = field_number(Edit20->text());
  const SHOP_CHANGE r = add_calendar_interval(Machines[m], st, et);
  if (r.done) {
    ComboBox1Change();
    return;
  }
  Edit19->setFocus();
  show_message(QString::fromStdString(r.message), this);
}

// ---- Orders ----

int TForm14::chosen_order() const {
  const int o = chosen_number(ComboBox3);
  return o >= 1 && o <= n_of_Orders && o < static_cast<int>(Orders.size()) ? o : 0;
}

void TForm14::show_order_modify_controls(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{Label40, Edit21, Edit22, Button9, Button10}) w->setVisible(visible);
}

void TForm14::ComboBox4Change() {
  ComboBox3->clear();
  const int t = ComboBox4->currentIndex();
  for (int o = 1; o <= n_of_Orders && o < static_cast<int>(Orders.size()); ++o)
    if (t == 0 || Orders[o].Exe == t) ComboBox3->addItem(QStringLiteral("Order_%1").arg(o));
  if (ComboBox3->count() > 0) ComboBox3->setCurrentIndex(0);
  ComboBox3Change();
}

void TForm14::ComboBox3Change() {
  const int o = chosen_order();
  if (ComboBox3->count() == 0 || o == 0) {
    {
      const QSignalBlocker block(ListBox3);
      ListBox3->clear();
    }
    for (int g = 1; g <= 10; ++g) {
      group_list[g]->clear();
      set_list_colour(group_list[g], false);
      group_label[g]->setText(QStringLiteral("MG_%1 [ 0 ] ").arg(g));
    }
    for (QLineEdit* e : {Edit8, Edit9, Edit10, Edit11, Edit12, Edit13, Edit14, Edit15, Edit16}) e->clear();
    show_order_modify_controls(false);
    Label36->setText(QStringLiteral(" No Orders with ") + ComboBox4->currentText() + QStringLiteral("!"));
    return;
  }
  const ORDER& O = Orders[o];
  Label36->setText(num(ComboBox3->count()) + QStringLiteral(" Orders with ") + ComboBox4->currentText() +
                   QStringLiteral("!"));
  Edit8->setText(QStringLiteral("Exe_") + num(O.Exe));
  Edit9->setText(num(O.StartStep));
  Edit10->setText(num(O.EndStep));
  Edit14->setText(QStringLiteral("S_") + num(O.SetupType));
  Edit11->setText(num(O.SJob));
  Edit12->setText(num(O.NJob));
  Edit13->setText(QStringLiteral("Job_") + num(O.First_Job));
  Edit15->setText(num(O.CST));
  Edit16->setText(num(O.CET));
  if (modify_mode) {
    Edit21->clear();
    Edit22->clear();
  }
  show_order_modify_controls(modify_mode);
  {
    const QSignalBlocker block(ListBox3);
    ListBox3->clear();
    for (int i = std::min(O.N_Routes, 8); i >= 1; --i) ListBox3->addItem(QStringLiteral("Route_%1").arg(O.R_feasible[i]));
    if (ListBox3->count() > 0) ListBox3->setCurrentRow(0);
  }
  for (int g = 1; g <= 10; ++g) {
    group_list[g]->clear();
    const int n = g < static_cast<int>(O.MG_M.size()) && !O.MG_M[g].empty() ? O.MG_M[g][0] : 0;
    for (int i = 1; i <= n; ++i) group_list[g]->addItem(QStringLiteral("Mach_%1").arg(O.MG_M[g][i]));
    group_label[g]->setText(QStringLiteral("MG_%1 [ %2 ] ").arg(g).arg(n));
  }
  ListBox3Click();
}

void TForm14::ListBox3Click() {
  QListWidgetItem* item = ListBox3->currentItem();
  if (!item) return;
  for (int g = 1; g <= 10; ++g) {
    set_list_colour(group_list[g], false);
    group_list[g]->setEnabled(false);
    group_list[g]->clearSelection();
  }
  const int r = get_number_from_name(item->text().toStdString());
  for (int k = 1; k <= route_length(r); ++k) {
    const int g = R_MG_ex[r][k];
    set_list_colour(group_list[g], true);
    group_list[g]->setEnabled(true);
  }
}

void TForm14::Button5Click() {
  if (Edit17->text().isEmpty()) return;
  const int v = field_number(Edit17->text());
  if (v >= 1 && v <= n_of_Orders && v < static_cast<int>(Orders.size())) {
    const int type = ComboBox4->findText(QStringLiteral("Exe_%1").arg(Orders[v].Exe));
    ComboBox4->setCurrentIndex(type >= 0 ? type : 0);
    ComboBox4Change();
    choose_item(ComboBox3, QStringLiteral("Order_%1").arg(v));
    ComboBox3Change();
  }
  Edit17->clear();
}

void TForm14::Button9Click() {
  const int o = chosen_order();
  if (o == 0) return;
  const SHOP_CHANGE r = change_order_start(Orders[o], field_number(Edit21->text()));
  if (r.done) {
    Edit15->setText(Edit21->text());
    return;
  }
  show_message(QString::fromStdString(r.message), this);
  if (r.out_of_range) Edit21->setText(num(Orders[o].CST));
  Edit21->setFocus();
}

void TForm14::Button10Click() {
  const int o = chosen_order();
  if (o == 0) return;
  const SHOP_CHANGE r = change_order_end(Orders[o], field_number(Edit22->text()));
  if (r.done) {
    Edit16->setText(Edit22->text());
    return;
  }
  show_message(QString::fromStdString(r.message), this);
  if (r.out_of_range) Edit22->setText(num(Orders[o].CET));
  Edit22->setFocus();
}

// ---- The group-10 list at the top of the pyramid ----

void TForm14::ListBox13DblClick() {
  if (enlarged) {
    restore_group_10_list();
    return;
  }
  QListWidget* top = group_list[10];
  normal_height = top->height();
  const int item = std::max(top->sizeHintForRow(0), top->fontMetrics().height());
  // Enlarged, never smaller than it was.
  top->setFixedHeight(std::max(normal_height, std::min((top->count() + 1) * item, TabSheet3->height() - 3 * item)));
  for (int g = 1; g <= 9; ++g) {
    group_list[g]->hide();
    group_label[g]->hide();
  }
  enlarged = true;
}

void TForm14::ListBox13Exit() { restore_group_10_list(); }

void TForm14::TabSheet3ContextPopup() { restore_group_10_list(); }

void TForm14::restore_group_10_list() {
  if (!enlarged) return;
  group_list[10]->setFixedHeight(normal_height);
  for (int g = 1; g <= 9; ++g) {
    group_list[g]->show();
    group_label[g]->show();
  }
  enlarged = false;
}
