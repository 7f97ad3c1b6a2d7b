// The charts and figures of the schedule performance window: what
// show_sch_data draws from the live schedule and the overlay snapshot. Every
// row and list index is checked against its table, so a schedule without
// per-machine lists, a missing record or an empty calendar draws less, never
// reads outside a list.
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <cmath>

#include "engine/ef_figures.h"
#include "engine/job_lateness.h"
#include "engine/machine_loads.h"
#include "engine/live_schedule.h"
#include "engine/problem.h"
#include "engine/schedule_edits.h"
#include "engine/shop_snapshot.h"
#include "ui/paged_bar_chart.h"
#include "ui/chart_colors.h"
#include "ui/chart_label_texts.h"
#include "ui/gantt_chart.h"
#include "ui/message_boxes.h"
#include "ui/processing_window.h"
#include "ui/row_check_list.h"
#include "ui/schedule_performance_window.h"

namespace {
constexpr int kFrozenColour = 0x00FFFF;  // yellow in every scheme

template <class T>
const T* record(const std::vector<T>& table, int i) {
  return i >= 1 && static_cast<std::size_t>(i) < table.size() ? &table[static_cast<std::size_t>(i)] : nullptr;
}

// The bars of one route step: the frozen mark when frozen, then the setup and
// the processing, or the whole step in one bar when no setup is made. A step
// is late by the jobs' rule against its order's due date; a task of a job or
// order outside the tables is never late.
void add_task_bars(GanttSeries& series, const TASK& t, bool frozen, const ORDER* order, double row,
                   const QString& label) {
  const bool late = order && is_late(t.EndT, order->CET);
  const int work_start = t.Setup == 1 ? t.StartT + t.SetT : t.StartT;
  if (frozen) series.AddGanttColor(work_start, t.EndT, row + 0.2, QStringLiteral("f"), kFrozenColour);
  if (t.Setup == 1) series.AddGanttColor(t.StartT, work_start, row, label, Col_Setup);
  series.AddGanttColor(work_start, t.EndT, row, label, late ? Col_Late : Col_Intime);
}

const ORDER* order_of_job(int job, const std::vector<JOB>& jobs, const std::vector<ORDER>& orders) {
  const JOB* j = record(jobs, job);
  return j ? record(orders, j->Order_ID) : nullptr;
}

// The percentage r x 100 cut (not rounded) to two decimals, as the general
// float text of floor(r x 10000) x 0.01 reads: 0.123456 gives "12.34", 0.5
// gives "50", 0.0051 gives "0.51".
QString percent_label(double r) {
  const double hundredths = std::floor(r * 10000.0);
  if (!(std::fabs(hundredths) < 1e15)) return QString::fromStdString(float_to_str(hundredths * 0.01));
  return hundredths_label(static_cast<long long>(hundredths));
}

void add_utilization(PagedBarSeries* s, int m, double r, int colour) {
  s->AddXY(m, r * 100.0, percent_label(r), colour);
}
}  // namespace

void TForm10::fill_job_gantt(const SCH* sch, GanttSeries& series, const std::vector<JOB>& jobs,
                             const std::vector<ORDER>& orders, double offset) {
  series.Clear();
  if (!sch || sch->Job_Head.empty()) return;
  const int n = std::min(sch->n_of_Jobs, static_cast<int>(sch->Job_Head.size()) - 1);
  for (int j = n; j >= 1; --j) {
    if (!CheckListBox3->is_checked(j - 1)) continue;
    const JOB* job = record(jobs, j);
    const ORDER* o = job ? record(orders, job->Order_ID) : nullptr;
    if (!o) continue;
    series.AddGanttColor(o->CST, o->CET, j + 0.2 + offset, number_label(job->Order_ID), Col_Constraint);
    series.AddGanttColor(job->StartT, job->EndT, j + 0.1 + offset, number_label(j), Col_Planned);
    int step = 0;
    for (int t = sch->Job_Head[static_cast<std::size_t>(j)]; t != NO_TASK; t = sch->task(t).next_in_job) {
      const TASK& task = sch->task(t);
      ++step;
      add_task_bars(series, task, step <= job->N_Frozen, o, task.Job + offset, number_label(task.Machine));
    }
  }
}

void TForm10::fill_machine_gantt(const SCH* sch, GanttSeries& series, const std::vector<MACHINE>& machines,
                                 const std::vector<JOB>& jobs, const std::vector<ORDER>& orders, bool overloaded,
                                 double offset) {
  series.Clear();
  const int n = sch ? sch->n_of_Machines : 0;
  const bool lists = sch && !sch->Mach_Head.empty();
  const int n_lists = lists ? std::min(n, static_cast<int>(sch->Mach_Head.size()) - 1) : 0;
  if (overloaded) {
    CheckListBox2->change_all(RowCheckList::Change::UncheckAll);
    for (int m = n_lists; m >= 1; --m) {
      const MACHINE* machine = record(machines, m);
      if (machine && machine_overloaded(*sch, m, *machine)) CheckListBox2->set_checked(m - 1, true);
    }
  }
  for (int m = n; m >= 1; --m) {
    const MACHINE* machine = record(machines, m);
    if (!machine || !CheckListBox2->is_checked(m - 1)) continue;
    const int intervals = std::min(machine->N_Cal, static_cast<int>(machine->Cal.size()) - 1);
    for (int k = 1; k <= intervals; ++k) {
      const CAL_INTERVAL& c = machine->Cal[static_cast<std::size_t>(k)];
      series.AddGanttColor(c.ST, c.ET, m + 0.2 + offset, number_label(k), Col_Constraint);
    }
  }
  for (int m = n_lists; m >= 1; --m) {
    if (!CheckListBox2->is_checked(m - 1)) continue;
    const MACHINE* machine = record(machines, m);
    const int frozen = machine ? machine->N_Frozen : 0;
    int position = 0;
    for (int t = sch->Mach_Head[static_cast<std::size_t>(m)]; t != NO_TASK; t = sch->task(t).next_on_machine) {
      const TASK& task = sch->task(t);
      ++position;
      add_task_bars(series, task, position <= frozen, order_of_job(task.Job, jobs, orders), task.Machine + offset,
                    number_label(task.Job));
    }
  }
}

void TForm10::fill_order_gantt(const SCH* sch, GanttSeries& series, const std::vector<JOB>& jobs,
                               const std::vector<ORDER>& orders, double offset) {
  series.Clear();
  if (!sch || orders.size() < 2) return;
  const bool details = CheckBox3->isChecked();
  for (int o = sch->n_of_Orders; o >= 1; --o) {
    const ORDER* order = record(orders, o);
    if (!order || !CheckListBox1->is_checked(o - 1)) continue;
    series.AddGanttColor(order->CST, order->CET, o + 0.2 + offset, QStringLiteral("w"), Col_Constraint);
    if (!details) {
      series.AddGanttColor(order->StartT, order->EndT, o + offset, number_label(o),
                           order_outcome(*sch, o, orders, jobs).late() ? Col_Late : Col_Intime);
      continue;
    }
    series.AddGanttColor(order->StartT, order->EndT, o + 0.1 + offset, number_label(o), Col_Planned);
    for (int j = order->First_Job; j < order->First_Job + order->NJob; ++j) {
      const JOB* job = record(jobs, j);
      if (!job) continue;
      if (job->N_Frozen > 0)
        series.AddGanttColor(job->StartT, job->EndT, o + 0.2 + offset, QStringLiteral("f"), kFrozenColour);
      series.AddGanttColor(job->StartT, job->EndT, o + offset, number_label(j),
                           job_outcome(*sch, j, orders, jobs).late() ? Col_Late : Col_Intime);
    }
  }
}

void TForm10::fill_utilization_chart(const SCH* sch, PagedBarSeries* s4, PagedBarSeries* s5, PagedBarSeries* s6, PagedBarSeries* s7,
                                     double H, const std::vector<MACHINE>& machines) {
  MachineLoads loads;
  if (sch) sum_machine_loads(*sch, loads);
  fill_utilization_chart(sch, loads, s4, s5, s6, s7, H, machines);
}

void TForm10::fill_utilization_chart(const SCH* sch, const MachineLoads& loads, PagedBarSeries* s4,
                                     PagedBarSeries* s5, PagedBarSeries* s6, PagedBarSeries* s7, double H,
                                     const std::vector<MACHINE>& machines) {
  for (PagedBarSeries* s : {s4, s5, s6, s7}) s->Clear();
  if (!sch) return;
  for (int m = 1; m <= sch->n_of_Machines; ++m) {
    const MachineUtilization u = machine_utilization(loads, m, H, record(machines, m));
    add_utilization(s4, m, u.processing_of_horizon, Col_Intime);
    add_utilization(s5, m, u.busy_of_horizon, Col_Setup);
    add_utilization(s6, m, u.processing_of_available, Col_Late);
    add_utilization(s7, m, u.busy_of_available, Col_Constraint);
  }
}

bool TForm10::overlay_shown() const { return CheckBox17->isChecked() && shop; }

const SCH* TForm10::live_schedule() const {
  return last_SCH && schedule_fits_problem(*last_SCH) ? last_SCH.get() : nullptr;
}

void TForm10::redraw_job_chart() {
  fill_job_gantt(live_schedule(), Chart1->series(0), Jobs, Orders, 0.0);
  if (overlay_shown()) fill_job_gantt(shop->schedule.get(), Chart1->series(1), shop->jobs, shop->orders, 0.5);
  Chart1->undo_zoom();
  Chart1->refresh();
}

void TForm10::redraw_machine_chart(bool overloaded) {
  fill_machine_gantt(live_schedule(), Chart2->series(0), Machines, Jobs, Orders, overloaded, 0.0);
  if (overlay_shown())
    fill_machine_gantt(shop->schedule.get(), Chart2->series(1), shop->machines, shop->jobs, shop->orders, false,
                       0.5);
  Chart2->undo_zoom();
  Chart2->refresh();
}

void TForm10::redraw_order_chart() {
  fill_order_gantt(live_schedule(), Chart3->series(0), Jobs, Orders, 0.0);
  if (overlay_shown()) fill_order_gantt(shop->schedule.get(), Chart3->series(1), shop->jobs, shop->orders, 0.5);
  Chart3->undo_zoom();
  Chart3->refresh();
}

void TForm10::clear_chart_series() {
  for (GanttChart* c : {Chart1, Chart2, Chart3}) {
    for (int i = 0; i < c->series_count(); ++i) c->series(i).Clear();
    c->refresh();
  }
  for (int i = 0; i < 4; ++i) Chart4->series(i).Clear();
  Chart4->refresh();
}

void TForm10::select_late(RowCheckList* list, bool jobs) {
  const QSignalBlocker quiet(list);
  list->setCurrentRow(0);
  int first_late = -1;
  const SCH* live = live_schedule();
  for (int i = 0; i < list->count(); ++i) {
    bool late = false;
    if (live) late = jobs ? job_outcome(*live, i + 1, Orders, Jobs).late()
                          : order_outcome(*live, i + 1, Orders, Jobs).late();
    list->set_checked(i, late);
    if (late && first_late < 0) first_late = i;
  }
  if (first_late >= 0) list->setCurrentRow(first_late);
}

void TForm10::show_sch_data() {
  if (show_messages) show_message(QStringLiteral("show_sch_data() refresh the data on screen!"), this);
  const OBJ_VALUE& v = last_obj_value;
  Edit9->setText(QString::number(v.n_of_Orders));
  Edit10->setText(QString::number(v.n_of_Jobs));
  Edit11->setText(QString::number(v.n_of_Machines));
  Edit8->setText(QString::number(v.n_of_Late_Orders));
  Edit1->setText(QString::number(v.n_of_Late_Jobs));
  Edit2->setText(QString::number(v.sumTardiness));
  Edit3->setText(QString::number(v.max_Tardiness));
  Edit5->setText(QString::number(v.n_of_Setup));
  Edit6->setText(QString::number(v.Completion_Time));
  // "Show Gantt Charts" off: the values only, so that edits stay quick.
  if (Panel3->isHidden()) return;
  if (Form12) {
    Form12->adjustSize();
    Form12->move(mapToGlobal(rect().center()) - QPoint(Form12->width() / 2, Form12->height() / 2));
    Form12->show();
    Form12->repaint();
  }
  const SCH* live = live_schedule();
  const bool overlay = overlay_shown();
  const SCH* initial = overlay ? shop->schedule.get() : nullptr;
  fill_job_gantt(live, Chart1->series(0), Jobs, Orders, 0.0);
  if (overlay) fill_job_gantt(initial, Chart1->series(1), shop->jobs, shop->orders, 0.5);
  fill_machine_gantt(live, Chart2->series(0), Machines, Jobs, Orders, false, 0.0);
  if (overlay) fill_machine_gantt(initial, Chart2->series(1), shop->machines, shop->jobs, shop->orders, false, 0.5);
  fill_order_gantt(live, Chart3->series(0), Jobs, Orders, 0.0);
  if (overlay) fill_order_gantt(initial, Chart3->series(1), shop->jobs, shop->orders, 0.5);
  // One walk over the machines' tasks serves the utilisation chart and both EF figures.
  MachineLoads loads;
  if (live) sum_machine_loads(*live, loads);
  fill_utilization_chart(live, loads, &Chart4->series(0), &Chart4->series(1), &Chart4->series(2),
                         &Chart4->series(3), static_cast<double>(v.Completion_Time), Machines);
  for (GanttChart* c : {Chart1, Chart2, Chart3}) c->refresh();
  Chart4->refresh();

  static const SCH no_schedule;
  const SCH& ef_schedule = live ? *live : no_schedule;
  QStringList memo;
  std::vector<std::string> lines;
  EF_VALUE without_setup, with_setup;
  calc_EF_both(ef_schedule, loads, Jobs, v, without_setup, with_setup);
  lines.push_back(" Calculation without setup: ");
  show_EF(without_setup, lines);
  lines.push_back(" Calculation with setup: ");
  show_EF(with_setup, lines);
  for (const std::string& line : lines) memo << QString::fromStdString(line);
  Memo1->setPlainText(memo.join(QLatin1Char('\n')));
  if (Form12) Form12->hide();
  emit schedule_shown();
}
