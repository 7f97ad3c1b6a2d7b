// Rows chosen by the mouse and by the editor: the three "Set focus" context
// menus with their hit tests, and the "Show Machine ", "Show Order" and
// "Show Job" actions that check exactly the rows the editor names.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "engine/problem.h"
#include "ui/gantt_chart.h"
#include "ui/row_check_list.h"
#include "ui/schedule_performance_window.h"

void TForm10::build_menus() {
  struct Menu {
    QMenu*& menu;
    QAction*& item;
    const char* menu_name;
    const char* item_name;
    GanttChart* chart;
    RowCheckList* list;
    QString prefix;
    QString nothing;
    int* target;
    void (TForm10::*focus)(int);
  };
  Menu menus[3] = {
      {PopupMenu2, Setfocus1, "PopupMenu2", "Setfocus1", Chart3, CheckListBox1, QStringLiteral("Order_"),
       QStringLiteral("No Orders here!"), &focus_order, &TForm10::set_focus_on_order},
      {PopupMenu3, Setfocus2, "PopupMenu3", "Setfocus2", Chart2, CheckListBox2, QStringLiteral("Mach_"),
       QStringLiteral("No Machines here!"), &focus_machine, &TForm10::set_focus_on_machine},
      {PopupMenu4, Setfocus3, "PopupMenu4", "Setfocus3", Chart1, CheckListBox3, QStringLiteral("Job_"),
       QStringLiteral("No Jobs here!"), &focus_job, &TForm10::set_focus_on_job},
  };
  for (Menu& m : menus) {
    m.menu = new QMenu(this);
    m.menu->setObjectName(QLatin1String(m.menu_name));
    m.item = m.menu->addAction(QStringLiteral("Set focus"));
    m.item->setObjectName(QLatin1String(m.item_name));
    QMenu* menu = m.menu;
    QAction* item = m.item;
    GanttChart* chart = m.chart;
    RowCheckList* list = m.list;
    const QString prefix = m.prefix, nothing = m.nothing;
    int* target = m.target;
    const auto focus = m.focus;
    connect(chart, &QWidget::customContextMenuRequested, this, [=](const QPoint& at) {
      const int bar = chart->Clicked(0, at.x(), at.y());
      if (bar < 0) {
        item->setText(nothing);
        *target = -1;
      } else {
        const int row = static_cast<int>(std::floor(chart->series(0).bars()[static_cast<std::size_t>(bar)].row));
        item->setText(QStringLiteral(" Set focus on the ") + prefix + QString::number(row));
        *target = row;
      }
      menu->popup(chart->mapToGlobal(at));
    });
    connect(list, &QWidget::customContextMenuRequested, this, [=](const QPoint& at) {
      const QListWidgetItem* under = list->itemAt(at);
      if (!under) {
        item->setText(nothing);
        *target = -1;
      } else {
        item->setText(QStringLiteral(" Set focus on the ") + under->text());
        *target = get_number_from_name(under->text().toStdString());
      }
      menu->popup(list->viewport()->mapToGlobal(at));
    });
    // Disabled while a search runs, also for a trigger that bypasses the menu.
    connect(item, &QAction::triggered, this, [=] {
      if (*target != -1 && item->isEnabled()) (this->*focus)(*target);
    });
  }
}

namespace {
// Checks exactly the item named `name`; false (and nothing changed) when the list has none.
bool check_only(RowCheckList* list, const QString& name) {
  const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
  if (found.isEmpty()) return false;
  list->change_all(RowCheckList::Change::UncheckAll);
  list->set_checked(list->row(found.front()), true);
  return true;
}
}  // namespace

void TForm10::show_machine_rows(const QString& machine_item) {
  PageControl1->setCurrentIndex(1);
  if (check_only(CheckListBox2, machine_item)) redraw_machine_chart(false);
}

void TForm10::show_order_rows(const QString& order_item) {
  PageControl1->setCurrentIndex(2);
  if (order_item == QLatin1String("All Orders")) {
    if (auto* select_all = findChild<QPushButton*>(QStringLiteral("Button4"))) select_all->click();
    return;
  }
  if (check_only(CheckListBox1, order_item)) redraw_order_chart();
}

void TForm10::show_job_rows(const QStringList& job_items) {
  PageControl1->setCurrentIndex(0);
  if (job_items.isEmpty()) return;
  CheckListBox3->change_all(RowCheckList::Change::UncheckAll);
  for (const QString& name : job_items)
    for (QListWidgetItem* item : CheckListBox3->findItems(name, Qt::MatchExactly))
      CheckListBox3->set_checked(CheckListBox3->row(item), true);
  redraw_job_chart();
}
