#include "ui/schedule_performance_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "engine/shop_snapshot.h"
#include "engine/undo_list.h"
#include "ui/colors_window.h"
#include "ui/gantt_chart.h"
#include "ui/input_data_window.h"
#include "ui/modal_session.h"
#include "ui/paged_bar_chart.h"
#include "ui/results_window.h"
#include "ui/results_windows.h"
#include "ui/named_controls.h"
#include "ui/row_check_list.h"
#include "ui/up_down.h"

TForm10* Form10 = nullptr;

namespace {
QLineEdit* read_only_edit(const char* name, const QString& label, QFormLayout* form) {
  auto* edit = new QLineEdit(QStringLiteral("0"));
  edit->setObjectName(QLatin1String(name));
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight);
  edit->setMinimumWidth(80);
  edit->setMaximumWidth(110);
  auto* caption = new QLabel(label);
  caption->setBuddy(edit);
  form->addRow(caption, edit);
  return edit;
}

}  // namespace

TForm10::TForm10(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form10"));
  setWindowTitle(QStringLiteral("Schedule Performance "));
  setWindowState(Qt::WindowMaximized);
  own_shop = std::make_unique<SHOP>();
  shop = own_shop.get();
  build_display();
  build_editor(Panel2);
}

TForm10::~TForm10() = default;

void TForm10::set_initial_data_snapshot(SHOP* snapshot) { shop = snapshot ? snapshot : own_shop.get(); }

void TForm10::build_display() {
  auto* top = new QHBoxLayout;
  top->addWidget(build_panel1());

  Panel3 = new QFrame;
  Panel3->setObjectName(QStringLiteral("Panel3"));
  auto* chart_panel = new QVBoxLayout(Panel3);
  chart_panel->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new QTabWidget;
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  static const char* const job_names[5] = {"Button13", "Button14", "Button15", "Button16", "CheckBox8"};
  static const char* const machine_names[5] = {"Button9", "Button10", "Button11", "Button12", "CheckBox7"};
  static const char* const order_names[5] = {"Button4", "Button5", "Button6", "Button7", "CheckBox5"};
  Chart1 = new GanttChart(QStringLiteral("Job Gantt"), QStringLiteral("J"));
  Chart2 = new GanttChart(QStringLiteral("Machine Gantt"), QStringLiteral("M"));
  Chart3 = new GanttChart(QStringLiteral("Order Gantt"), QStringLiteral("O"));
  PageControl1->addTab(build_gantt_page(Chart1, CheckListBox3, QStringLiteral("CheckListBox3"), job_names,
                                        QStringLiteral("Select Late")),
                       QStringLiteral("Job Gantt"));
  PageControl1->addTab(build_gantt_page(Chart2, CheckListBox2, QStringLiteral("CheckListBox2"), machine_names,
                                        QStringLiteral("Sel. Overloaded")),
                       QStringLiteral("Machine Gantt"));
  PageControl1->addTab(build_gantt_page(Chart3, CheckListBox1, QStringLiteral("CheckListBox1"), order_names,
                                        QStringLiteral("Select Late")),
                       QStringLiteral("Order Gantt"));
  Chart1->setObjectName(QStringLiteral("Chart1"));
  Chart2->setObjectName(QStringLiteral("Chart2"));
  Chart3->setObjectName(QStringLiteral("Chart3"));
  PageControl1->addTab(build_utilization_page(), QStringLiteral("Machine Utilization"));
  Memo1 = new QPlainTextEdit;
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setAccessibleName(QStringLiteral("EF Formula"));
  PageControl1->addTab(Memo1, QStringLiteral("EF Formula"));
  chart_panel->addWidget(PageControl1, 1);
  chart_panel->addWidget(build_display_switches());
  top->addWidget(Panel3, 1);

  Panel2 = new QFrame;
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameShape(QFrame::StyledPanel);
  auto* lower = new QHBoxLayout(Panel2);
  lower->setContentsMargins(4, 4, 4, 4);
  lower->addStretch(1);
  auto* switches = new QVBoxLayout;
  CheckBox9 = named_check_box("CheckBox9", QStringLiteral("Show Gantt Charts"), true);
  CheckBox10 = named_check_box("CheckBox10", QStringLiteral("Show Messages"));
  switches->addWidget(CheckBox9);
  switches->addWidget(CheckBox10);
  switches->addStretch(1);
  lower->addLayout(switches);
  connect(CheckBox9, &QCheckBox::toggled, this, [this] { CheckBox9Click(); });
  connect(CheckBox10, &QCheckBox::toggled, this, [this] { CheckBox10Click(); });

  auto* window = new QVBoxLayout(this);
  // Narrow margins: with the editor's lists filled the window still fits a
  // screen 1,280 pixels wide.
  window->setContentsMargins(4, 4, 4, 4);
  window->addLayout(top, 1);
  window->addWidget(Panel2);

  // The left axes count rows from 1 downwards in steps of whole rows.
  PageControl1->setCurrentIndex(2);
  CheckBox3->setEnabled(true);
  CheckBox3->setVisible(true);
  CheckBox4->setEnabled(false);
  CheckBox4->setVisible(false);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
  build_menus();
}

QWidget* TForm10::build_panel1() {
  Panel1 = new QFrame;
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  auto* column = new QVBoxLayout(Panel1);
  auto* sizes = new QFormLayout;
  Edit9 = read_only_edit("Edit9", QStringLiteral("Orders:"), sizes);
  Edit10 = read_only_edit("Edit10", QStringLiteral("Jobs:"), sizes);
  Edit11 = read_only_edit("Edit11", QStringLiteral("Machines:"), sizes);
  column->addLayout(sizes);
  auto* performance = new QGroupBox(QStringLiteral("PERFORMANCE"));
  auto* values = new QFormLayout(performance);
  Edit8 = read_only_edit("Edit8", QStringLiteral("Num. of late orders:"), values);
  Edit1 = read_only_edit("Edit1", QStringLiteral("Number of late jobs:"), values);
  Edit2 = read_only_edit("Edit2", QStringLiteral("Sum of tardiness:"), values);
  Edit3 = read_only_edit("Edit3", QStringLiteral("Max. tardiness:"), values);
  Edit5 = read_only_edit("Edit5", QStringLiteral("Number of setups:"), values);
  Edit6 = read_only_edit("Edit6", QStringLiteral("Completion time:"), values);
  Edit4 = read_only_edit("Edit4", QStringLiteral("Average WIP:"), values);
  Edit7 = read_only_edit("Edit7", QStringLiteral("Res. utilization rate: "), values);
  values->setRowVisible(Edit4, false);
  values->setRowVisible(Edit7, false);
  column->addWidget(performance);
  Button38 = named_button("Button38", QStringLiteral("Show Input Data"));
  Button31 = named_button("Button31", QStringLiteral("Show Results"));
  column->addWidget(Button38);
  column->addWidget(Button31);
  column->addStretch(1);
  connect(Button38, &QPushButton::clicked, this, [this] { Button38Click(); });
  connect(Button31, &QPushButton::clicked, this, [this] { Button31Click(); });
  return Panel1;
}

QWidget* TForm10::build_gantt_page(GanttChart*& chart, RowCheckList*& list, const QString& list_name,
                                   const char* const names[5], const QString& fourth_caption) {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(2, 2, 2, 2);
  auto* selection = new QWidget;
  auto* column = new QVBoxLayout(selection);
  column->setContentsMargins(0, 0, 0, 0);
  list = new RowCheckList;
  list->setObjectName(list_name);
  list->setAccessibleName(chart->title() + QStringLiteral(" rows"));
  list->setMaximumWidth(130);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  column->addWidget(list, 1);
  QPushButton* select_all = named_button(names[0], QStringLiteral("Select All"));
  QPushButton* unselect_all = named_button(names[1], QStringLiteral("Unselect All"));
  QPushButton* invert = named_button(names[2], QStringLiteral("Invert Selection"));
  QPushButton* fourth = named_button(names[3], fourth_caption);
  for (QPushButton* b : {select_all, unselect_all, invert, fourth}) column->addWidget(b);
  row->addWidget(selection);
  auto* hide = named_check_box(names[4], QStringLiteral("Hide Selection"));
  auto* chart_column = new QVBoxLayout;
  chart->setContextMenuPolicy(Qt::CustomContextMenu);
  chart_column->addWidget(chart, 1);
  chart_column->addWidget(hide, 0, Qt::AlignLeft);
  row->addLayout(chart_column, 1);

  RowCheckList* l = list;
  GanttChart* c = chart;
  // The four selection buttons: one family over the three pages.
  auto redraw = [this, c](bool overloaded) {
    if (c == Chart1) redraw_job_chart();
    if (c == Chart2) redraw_machine_chart(overloaded);
    if (c == Chart3) redraw_order_chart();
  };
  using Change = RowCheckList::Change;
  connect(select_all, &QPushButton::clicked, this, [=] { l->change_all(Change::CheckAll); redraw(false); });
  connect(unselect_all, &QPushButton::clicked, this, [=] { l->change_all(Change::UncheckAll); redraw(false); });
  connect(invert, &QPushButton::clicked, this, [=] { l->change_all(Change::Invert); redraw(false); });
  connect(fourth, &QPushButton::clicked, this, [=] {
    if (c == Chart2) {
      redraw(true);
    } else {
      select_late(l, c == Chart1);
      redraw(false);
    }
  });
  // A check ticked by hand redraws at once (the list's click handler).
  connect(l, &QListWidget::itemChanged, this, [=] { redraw(false); });
  connect(hide, &QCheckBox::toggled, this, [this, selection](bool on) { hide_selection(selection, on); });
  return page;
}

QWidget* TForm10::build_utilization_page() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(2, 2, 2, 2);
  Chart4 = new PagedBarChart(QString(), 4);
  Chart4->setObjectName(QStringLiteral("Chart4"));
  Chart4->setAccessibleName(QStringLiteral("Machine Utilization"));
  Chart4->bottom_axis.title = QStringLiteral("Machine");
  Chart4->bottom_axis.prefix = QStringLiteral("M");
  Chart4->left_axis.title = QStringLiteral("Machine Utilization [%]");
  Chart4->left_axis.decimals = 2;
  row->addWidget(Chart4, 1);
  auto* column = new QVBoxLayout;
  CheckBox11 = named_check_box("CheckBox11", QStringLiteral("Auto Scales"), true);
  CheckBox12 = named_check_box("CheckBox12", QStringLiteral("Show Pages"));
  TrackBar1 = new QSlider(Qt::Vertical);
  TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
  TrackBar1->setAccessibleName(QStringLiteral("Machines per page"));
  TrackBar1->setRange(1, 4);
  TrackBar1->setPageStep(1);
  TrackBar1->setTickPosition(QSlider::TicksBothSides);
  TrackBar1->setInvertedAppearance(true);  // 1 at the top
  TrackBar1->setVisible(false);
  Button32 = named_button("Button32", QStringLiteral("<<"));
  Button33 = named_button("Button33", QStringLiteral(">>"));
  Button32->setAccessibleName(QStringLiteral("<< previous page"));
  Button33->setAccessibleName(QStringLiteral(">> next page"));
  Button32->setVisible(false);
  Button33->setVisible(false);
  column->addWidget(CheckBox11);
  column->addWidget(CheckBox12);
  column->addWidget(TrackBar1, 1, Qt::AlignHCenter);
  auto* arrows = new QHBoxLayout;
  arrows->addWidget(Button32);
  arrows->addWidget(Button33);
  column->addLayout(arrows);
  column->addStretch(1);
  row->addLayout(column);
  connect(CheckBox11, &QCheckBox::toggled, this, [this] { CheckBox11Click(); });
  connect(CheckBox12, &QCheckBox::toggled, this, [this] { CheckBox12Click(); });
  connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
  connect(Button32, &QPushButton::clicked, this, [this] { Button32Click(); });
  connect(Button33, &QPushButton::clicked, this, [this] { Button33Click(); });
  return page;
}

QWidget* TForm10::build_display_switches() {
  auto* bar = new QWidget;
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 2, 0, 2);
  auto* label13 = new QLabel(QStringLiteral("Pointer height"));
  label13->setObjectName(QStringLiteral("Label13"));
  Edit12 = new QLineEdit(QStringLiteral("4"));
  Edit12->setObjectName(QStringLiteral("Edit12"));
  Edit12->setReadOnly(true);
  Edit12->setMaximumWidth(36);
  label13->setBuddy(Edit12);
  UpDown1 = new TUpDown(Edit12, 1, 999, 1);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->up_button()->setAccessibleName(QStringLiteral("Pointer height up"));
  UpDown1->down_button()->setAccessibleName(QStringLiteral("Pointer height down"));
  row->addWidget(label13);
  row->addWidget(Edit12);
  row->addWidget(UpDown1);
  CheckBox1 = named_check_box("CheckBox1", QStringLiteral("Marks visible"), true);
  CheckBox2 = named_check_box("CheckBox2", QStringLiteral("View 3D"));
  CheckBox17 = named_check_box("CheckBox17", QStringLiteral("Show initial data"));
  CheckBox4 = named_check_box("CheckBox4", QStringLiteral("Show full"), true);
  CheckBox3 = named_check_box("CheckBox3", QStringLiteral("Show detailes "));
  Button3 = named_button("Button3", QStringLiteral("Select colors"));
  CheckBox6 = named_check_box("CheckBox6", QStringLiteral("Full Window"));
  Button2 = named_button("Button2", QStringLiteral("Default values"));
  Button2->setVisible(false);
  Button2->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox1, CheckBox2, CheckBox17, CheckBox4, CheckBox3, Button3,
                                                    CheckBox6, Button2})
    row->addWidget(w);
  row->addStretch(1);
  connect(Edit12, &QLineEdit::textChanged, this, [this] { UpDown1Click(); });
  // The boxes act on their state, however it changed: a click, the space
  // bar, or an assistive tool setting it.
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(CheckBox17, &QCheckBox::toggled, this, [this] { CheckBox17Click(); });
  connect(CheckBox4, &QCheckBox::toggled, this, [this] { CheckBox4Click(); });
  connect(CheckBox3, &QCheckBox::toggled, this, [this] { CheckBox3Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(CheckBox6, &QCheckBox::toggled, this, [this] { CheckBox6Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  return bar;
}

void TForm10::showEvent(QShowEvent* e) {
  // Maximised; without a window manager to do it, the screen's free area.
  if (!e->spontaneous() && screen()) setGeometry(screen()->availableGeometry());
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm10::setVisible(bool visible) {
  QDialog::setVisible(visible && schedule_of_problem && live_schedule() != nullptr);
}

void TForm10::problem_replaced() {
  schedule_of_problem = false;
  hide();
  clear_editor_lists();
  if (Form6) Form6->problem_replaced();
}

void TForm10::live_schedule_renewed() {
  schedule_of_problem = true;
  if (isVisible()) FormShow();
}

void TForm10::show_live_schedule() {
  const bool open = isVisible();
  live_schedule_renewed();
  // Shown for the planner to use: left open before a modal session began,
  // the session disabled it with the other windows.
  setEnabled(true);
  if (open)
    raise();
  else
    show();
}

void TForm10::FormShow() {
  {
    // The overlay is cleared below with the other series.
    const QSignalBlocker quiet(CheckBox17);
    CheckBox17->setChecked(false);
  }
  CheckBox17->setVisible(rescheduling_mode());
  // A zoom made on the schedule shown before would frame an empty part of
  // this one.
  for (GanttChart* c : {Chart1, Chart2, Chart3}) c->undo_zoom();
  Chart4->undo_zoom();
  for (GanttChart* c : {Chart1, Chart2, Chart3}) {
    c->series(1).Clear();
    c->series(1).Active = false;
  }
  editor_form_show();
  // Only the first 40 rows are drawn at first: a large shop opens quickly.
  CheckListBox1->fill(QStringLiteral("Order_"), last_obj_value.n_of_Orders, 40);
  CheckListBox2->fill(QStringLiteral("Mach_"), last_obj_value.n_of_Machines, 40);
  CheckListBox3->fill(QStringLiteral("Job_"), last_obj_value.n_of_Jobs, 40);
  show_sch_data();
  // An unchecked "Show full" fixes the time axis at this schedule's end, not
  // at that of the schedule shown before.
  CheckBox4Click();
  {
    const QSignalBlocker quiet_box(CheckBox12);
    const QSignalBlocker quiet(TrackBar1);
    CheckBox12->setChecked(false);
    TrackBar1->setValue(1);
  }
  CheckBox12Click();
}

std::vector<GanttSeries*> TForm10::gantt_series() {
  std::vector<GanttSeries*> all;
  for (GanttChart* c : {Chart1, Chart2, Chart3})
    for (int i = 0; i < c->series_count(); ++i) all.push_back(&c->series(i));
  return all;
}

void TForm10::CheckBox1Click() {
  const bool on = CheckBox1->isChecked();
  for (GanttSeries* s : gantt_series()) s->MarksVisible = on;
  for (int i = 0; i < 4; ++i) Chart4->series(i).MarksVisible = on;
  for (GanttChart* c : {Chart1, Chart2, Chart3}) c->update();
  Chart4->update();
}

void TForm10::CheckBox2Click() {
  const bool on = CheckBox2->isChecked();
  for (GanttChart* c : {Chart1, Chart2, Chart3}) c->set_view_3d(on);
  Chart4->set_view_3d(on);
}

void TForm10::UpDown1Click() {
  // The arrows step Edit12 by one; the series follow from the height they have now.
  const int before = Chart1->series(0).VertSize;
  const int wanted = UpDown1->position();
  if (wanted == before) return;
  const bool up = wanted > before;
  for (GanttSeries* s : gantt_series()) {
    if (up) {
      s->VertSize += 1;
      if (before < 4) s->MarksFontHeight += 1;
    } else {
      s->VertSize -= 1;
      if (before < 5) s->MarksFontHeight = std::max(1, s->MarksFontHeight - 1);
    }
  }
  UpDown1->set_position(Chart1->series(0).VertSize);
  for (GanttChart* c : {Chart1, Chart2, Chart3}) c->update();
}

void TForm10::Button2Click() {
  for (GanttSeries* s : gantt_series()) {
    s->VertSize = 4;
    s->MarksFontHeight = 10;
  }
  UpDown1->set_position(4);
  for (GanttChart* c : {Chart1, Chart2, Chart3}) c->update();
}

void TForm10::PageControl1Change() {
  const int page = PageControl1->currentIndex();
  CheckBox3->setEnabled(page == 2);
  CheckBox3->setVisible(page == 2);
  CheckBox4->setEnabled(page == 1);
  CheckBox4->setVisible(page == 1);
}

void TForm10::CheckBox3Click() { redraw_order_chart(); }

void TForm10::CheckBox4Click() {
  ChartAxis& time = Chart2->bottom_axis;
  if (CheckBox4->isChecked()) {
    time.auto_maximum = true;
  } else {
    double end = static_cast<double>(last_obj_value.Completion_Time);
    if (CheckBox17->isChecked() && shop && shop->values)
      end = std::max(end, static_cast<double>(shop->values->Completion_Time));
    time.auto_maximum = false;
    time.maximum = end;
  }
  Chart2->update();
}

void TForm10::CheckBox17Click() {
  const bool on = CheckBox17->isChecked();
  for (GanttChart* c : {Chart1, Chart2, Chart3}) {
    c->series(1).Clear();
    c->series(1).Active = on;
    c->refresh();
  }
  if (on) {
    redraw_job_chart();
    redraw_machine_chart(false);
    redraw_order_chart();
  }
  CheckBox4Click();
}

void TForm10::hide_selection(QWidget* list_column, bool hide) { list_column->setVisible(!hide); }

void TForm10::CheckBox6Click() {
  const bool full = CheckBox6->isChecked();
  Panel1->setVisible(!full);
  Panel2->setVisible(!full);
}

void TForm10::CheckBox9Click() {
  const bool on = CheckBox9->isChecked();
  // The editor's show buttons and their "Auto show" boxes follow the charts.
  auto editor_controls = [this](bool visible) {
    for (const char* name : {"Button27", "Button28", "Button29", "CheckBox13", "CheckBox14", "CheckBox15"})
      if (QWidget* w = findChild<QWidget*>(QLatin1String(name))) w->setVisible(visible);
  };
  if (!on) {
    Panel3->setVisible(false);
    editor_controls(false);
    return;
  }
  Panel3->setVisible(true);
  show_sch_data();
  editor_controls(true);
}

void TForm10::CheckBox10Click() { show_messages = CheckBox10->isChecked(); }

void TForm10::Button3Click() {
  show_modal(Form11);
  show_sch_data();
}

void TForm10::Button31Click() {
  if (!Form6) return;
  Form6->hide();
  bring_results_to_front();
  if (auto* pages = Form6->findChild<QTabWidget*>(QStringLiteral("PageControl1"))) pages->setCurrentIndex(1);
}

// The problem's data, browsed only: the modify mode belongs to the rescheduler.
void TForm10::Button38Click() {
  if (Form14 && !Form14->in_modify_mode()) show_modal(Form14);
}

void TForm10::CheckBox11Click() {
  ChartAxis& axis = Chart4->left_axis;
  if (CheckBox11->isChecked()) {
    axis.set_automatic();
  } else {
    axis.auto_minimum = axis.auto_maximum = false;
    axis.minimum = 0.0;
    axis.maximum = 100.0;
  }
  Chart4->update();
}

void TForm10::CheckBox12Click() {
  if (!CheckBox12->isChecked()) {
    Chart4->set_max_points_per_page(0);
    TrackBar1->setVisible(false);
    Button32->setVisible(false);
    Button33->setVisible(false);
  } else {
    {
      const QSignalBlocker quiet(TrackBar1);
      TrackBar1->setValue(1);
    }
    Chart4->set_max_points_per_page(10);
    Chart4->set_page(1);
    TrackBar1->setVisible(true);
    Button32->setVisible(false);
    Button33->setVisible(Chart4->NumPages() > 1);
  }
  Chart4->refresh();
}

void TForm10::TrackBar1Change() {
  Chart4->set_max_points_per_page(TrackBar1->value() * 10);
  if (CheckBox12->isChecked()) {
    Button32->setVisible(Chart4->page() > 1);
    Button33->setVisible(Chart4->page() < Chart4->NumPages());
  }
  Chart4->refresh();
}

void TForm10::Button32Click() {
  Chart4->undo_zoom();
  if (Chart4->page() > 1) {
    Chart4->set_page(Chart4->page() - 1);
    if (Chart4->page() == 1) Button32->setVisible(false);
    Button33->setVisible(true);
  }
  Chart4->refresh();
}

void TForm10::Button33Click() {
  Chart4->undo_zoom();
  if (Chart4->page() < Chart4->NumPages()) {
    Chart4->set_page(Chart4->page() + 1);
    if (Chart4->page() == Chart4->NumPages()) Button33->setVisible(false);
    Button32->setVisible(true);
  }
  Chart4->refresh();
}

bool TForm10::rescheduling_mode() const { return work_mode != 1; }
