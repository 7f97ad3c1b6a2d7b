#include "ui/progress_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <string>

#include "engine/run_state.h"
#include "engine/search_parameters.h"
#include "solvers/run_frame.h"
#include "ui/chart_colors.h"
#include "ui/main_window.h"
#include "ui/named_controls.h"
#include "ui/number_fields.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/results_window.h"
#include "ui/throttled_labels.h"
#include "ui/up_down.h"
#include "ui/window_placement.h"

TForm7* Form7 = nullptr;

namespace {
// The longest run-time limit the field takes, in minutes.
constexpr int kMaxLimitMinutes = 241;

QString now_text() { return QTime::currentTime().toString(QStringLiteral("hh:mm:ss")); }
}  // namespace

TForm7::TForm7(QWidget* parent) : ClosingForm(Centre::Screen, parent) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("Generating Schedule"));
  // Single border without border icons: the window is closed only on purpose.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  // Placed by FormShow at the main window's left edge each time it is shown.
  set_placed(true);

  Label1 = named_label("Label1", QStringLiteral("Step1"), this);
  QFont title = Label1->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.3);
  Label1->setFont(title);
  Label2 = named_label("Label2", QStringLiteral("Step2"), this);
  Label3 = named_label("Label3", QStringLiteral("Step3"), this);
  Label4 = named_label("Label4", QStringLiteral("0"), this);
  Label5 = named_label("Label5", QStringLiteral("/"), this);
  Label6 = named_label("Label6", QStringLiteral("0"), this);
  Label7 = named_label("Label7", QStringLiteral("Step4"), this);
  Label8 = named_label("Label8", QStringLiteral("0"), this);
  Label26 = named_label("Label26", QStringLiteral("Label26"), this);

  // Not pressed by Enter: Enter in the limit field only arms the limit.
  Button1 = named_button("Button1", QStringLiteral("Stop"), this);

  QLabel* Label21 = named_label("Label21", QStringLiteral("Max scheduling time:"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaximumWidth(48);
  Label21->setBuddy(Edit1);
  QLabel* Label22 = named_label("Label22", QStringLiteral("min"), this);
  Label23 = named_label("Label23", QStringLiteral("Timer inactive"), this);

  GroupBox1 = new QGroupBox(QStringLiteral("Objective functions"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* values = new QGridLayout;
  const char* caption_names[6] = {"Label9", "Label10", "Label11", "Label12", "Label13", "Label14"};
  const char* captions[6] = {"Num. of late orders:", "Num. of late jobs:", "Sum of tardiness:",
                             "Max tardiness:",      "Num of setups:",     "Completion time:"};
  const char* value_names[6] = {"Label15", "Label16", "Label17", "Label18", "Label19", "Label20"};
  QLabel** value_labels[6] = {&Label15, &Label16, &Label17, &Label18, &Label19, &Label20};
  for (int i = 0; i < 6; ++i) {
    QLabel* caption = named_label(caption_names[i], QString::fromLatin1(captions[i]), this);
    *value_labels[i] = named_label(value_names[i], QString(), this);
    // The figure stays the label's accessible name; what it counts is its description.
    (*value_labels[i])->setAccessibleDescription(QString::fromLatin1(captions[i]));
    values->addWidget(caption, i, 0);
    values->addWidget(*value_labels[i], i, 1);
  }
  values->setColumnStretch(1, 1);

  GroupBox3 = new QGroupBox(QStringLiteral("Rescheduling  Objective func."), GroupBox1);
  GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
  auto* resch = new QGridLayout(GroupBox3);
  const char* resch_captions[3] = {"Late orders      dev.:", "Late jobs           dev.:", "Mach. setups   dev.:"};
  for (int row = 0; row < 3; ++row) {
    QLabel* caption = named_label(("Label" + std::to_string(27 + row)).c_str(), QString::fromLatin1(resch_captions[row]), this);
    QLabel* dev = named_label(("Label" + std::to_string(30 + 2 * row)).c_str(), QString(), this);
    QLabel* new_caption = named_label(("Label" + std::to_string(36 + row)).c_str(), QStringLiteral("new:"), this);
    QLabel* fresh = named_label(("Label" + std::to_string(31 + 2 * row)).c_str(), QString(), this);
    dev->setAccessibleDescription(QString::fromLatin1(resch_captions[row]));
    fresh->setAccessibleDescription(QString::fromLatin1(resch_captions[row]) + QStringLiteral(" new:"));
    resch_values_[2 * row] = dev;
    resch_values_[2 * row + 1] = fresh;
    resch->addWidget(caption, row, 0);
    resch->addWidget(dev, row, 1);
    resch->addWidget(new_caption, row, 2);
    resch->addWidget(fresh, row, 3);
  }
  GroupBox3->hide();

  CheckBox1 = named_check_box("CheckBox1", QStringLiteral("Chart visible"), false, GroupBox1);
  CheckBox2 = named_check_box("CheckBox2", QStringLiteral("Priority control visible"), false, GroupBox1);
  CheckBox3 = named_check_box("CheckBox3", QStringLiteral("Search operators visible"), false, GroupBox1);
  auto* group1 = new QVBoxLayout(GroupBox1);
  group1->addLayout(values);
  group1->addWidget(GroupBox3);
  group1->addWidget(CheckBox1);
  group1->addWidget(CheckBox2);
  group1->addWidget(CheckBox3);

  GroupBox2 = new QGroupBox(QStringLiteral("Control parameters"), this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  auto* control = new QGridLayout(GroupBox2);
  QLabel* loops_caption = named_label("Label24", QStringLiteral("Num. of loops:"), this);
  QLabel* tabu_caption = named_label("Label25", QStringLiteral("TabuList size:"), this);
  Edit2 = new QLineEdit(QStringLiteral("1"), GroupBox2);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit3 = new QLineEdit(QStringLiteral("1"), GroupBox2);
  Edit3->setObjectName(QStringLiteral("Edit3"));
  for (QLineEdit* e : {Edit2, Edit3}) {
    e->setReadOnly(true);
    e->setMaximumWidth(56);
  }
  loops_caption->setBuddy(Edit2);
  tabu_caption->setBuddy(Edit3);
  UpDown1 = new TUpDown(Edit2, 1, 999, 5, GroupBox2);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setAccessibleName(QStringLiteral("Num. of loops: up-down"));
  UpDown2 = new TUpDown(Edit3, 1, 9999, 5, GroupBox2);
  UpDown2->setObjectName(QStringLiteral("UpDown2"));
  UpDown2->setAccessibleName(QStringLiteral("TabuList size: up-down"));
  control->addWidget(loops_caption, 0, 0);
  control->addWidget(Edit2, 0, 1);
  control->addWidget(UpDown1, 0, 2);
  control->addWidget(tabu_caption, 1, 0);
  control->addWidget(Edit3, 1, 1);
  control->addWidget(UpDown2, 1, 2);
  control->setColumnStretch(3, 1);

  auto* step_row = new QHBoxLayout;
  for (QLabel* l : {Label3, Label4, Label5, Label6}) step_row->addWidget(l);
  step_row->addStretch();
  auto* best_row = new QHBoxLayout;
  best_row->addWidget(Label7);
  best_row->addWidget(Label8);
  best_row->addStretch();
  auto* limit_row = new QHBoxLayout;
  limit_row->addWidget(Label21);
  limit_row->addWidget(Edit1);
  limit_row->addWidget(Label22);
  limit_row->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  layout->addLayout(step_row);
  layout->addLayout(best_row);
  layout->addWidget(Label26);
  layout->addWidget(Button1);
  layout->addLayout(limit_row);
  layout->addWidget(Label23);
  layout->addWidget(GroupBox1);
  layout->addWidget(GroupBox2);
  layout->addStretch();
  // The labels a run rewrites have a fixed size: a new text repaints the
  // label and never lays the window out again.
  // Twelve digits: the sums of tardiness of the largest shops, the count of
  // an enumeration's assignments. The step total changes once per run.
  const int number_width = fontMetrics().horizontalAdvance(QStringLiteral("000000000000"));
  for (QLabel* l : {Label4, Label8, Label15, Label16, Label17, Label18, Label19, Label20})
    l->setFixedSize(number_width, l->sizeHint().height());
  for (QLabel* l : resch_values_) l->setFixedSize(number_width * 2 / 3, l->sizeHint().height());
  Label26->setFixedSize(fontMetrics().horizontalAdvance(QStringLiteral("Current time: 00:00:00")) + 8,
                        Label26->sizeHint().height());
  // The step stands right beside "/": "STEP:   42 / 80".
  Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  // The width stays what the controls need in any run, FormShow sets the
  // height: it fits the longest texts of the start-time and limit labels and
  // the rescheduling group, which only a rescheduling run shows (a window
  // never shown only counts it in its layout here).
  Label2->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Batch scheduling mode")));
  Label23->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Timer active! Start time: 00:00:00")));
  GroupBox3->show();
  layout->invalidate();
  const int widest = sizeHint().width();
  GroupBox3->hide();
  setFixedWidth(qMax(qMax(widest, 250), title_bar_width(this)));

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(500);
  Timer3 = new QTimer(this);
  Timer3->setObjectName(QStringLiteral("Timer3"));
  Timer3->setInterval(1000);
  shown_ = new ThrottledLabels(40, this);
  // The search lets events run only at the start of a step, just before it
  // writes the step number: the number leads, so that a long step shows its
  // own number and the best found before it while it runs.
  shown_->set_leader(Label4);

  connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
  connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TForm7::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TForm7::Edit3Change);
  connect(Timer1, &QTimer::timeout, this, &TForm7::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &TForm7::Timer2Timer);
  connect(Timer3, &QTimer::timeout, this, &TForm7::Timer3Timer);
  // Like a checked setter, a box's handler runs on every change of its
  // state, by a click or from code, and never when the state stays.
  connect(CheckBox1, &QCheckBox::toggled, this, &TForm7::CheckBox1Click);
  connect(CheckBox2, &QCheckBox::toggled, this, &TForm7::CheckBox2Click);
  connect(CheckBox3, &QCheckBox::toggled, this, &TForm7::CheckBox3Click);
}

QLabel* TForm7::label_of(ProgressLabel l) const {
  switch (l) {
    case ProgressLabel::Title: return Label1;
    case ProgressLabel::Subtitle: return Label2;
    case ProgressLabel::StepCaption: return Label3;
    case ProgressLabel::Step: return Label4;
    case ProgressLabel::StepSlash: return Label5;
    case ProgressLabel::StepTotal: return Label6;
    case ProgressLabel::BestCaption: return Label7;
    case ProgressLabel::BestStep: return Label8;
    case ProgressLabel::LateOrders: return Label15;
    case ProgressLabel::LateJobs: return Label16;
    case ProgressLabel::SumTardiness: return Label17;
    case ProgressLabel::MaxTardiness: return Label18;
    case ProgressLabel::Setups: return Label19;
    case ProgressLabel::CompletionTime: return Label20;
    case ProgressLabel::Clock: return Label26;
    case ProgressLabel::LateOrdersDev: return resch_values_[0];
    case ProgressLabel::LateOrdersNew: return resch_values_[1];
    case ProgressLabel::LateJobsDev: return resch_values_[2];
    case ProgressLabel::LateJobsNew: return resch_values_[3];
    case ProgressLabel::SetupsDev: return resch_values_[4];
    case ProgressLabel::SetupsNew: return resch_values_[5];
  }
  return Label1;
}

QLabel* TForm7::label(ProgressLabel l) {
  shown_->apply();
  return label_of(l);
}

void TForm7::set_label(ProgressLabel l, const QString& text) {
  QLabel* target = label_of(l);
  if (shown_->text(target) == text) return;
  shown_->set(target, text);
}

// A hidden window shows what the run wrote last when it is shown again.
void TForm7::hideEvent(QHideEvent* event) {
  shown_->apply();
  ClosingForm::hideEvent(event);
}

void TForm7::show_group(ProgressGroup g, bool visible) {
  switch (g) {
    case ProgressGroup::Objectives: GroupBox1->setVisible(visible); break;
    case ProgressGroup::Control: GroupBox2->setVisible(visible); break;
    case ProgressGroup::Rescheduling: GroupBox3->setVisible(visible); break;
  }
}

void TForm7::set_fields(int loops, int tabu_size) {
  Edit2->setText(QString::number(loops));
  Edit3->setText(QString::number(tabu_size));
}

void TForm7::run_clock(bool running) {
  if (running)
    Timer3->start();
  else
    Timer3->stop();
}

void TForm7::Button1Click() { stop_flag = true; }

void TForm7::Edit1Change() {
  const QString text = Edit1->text();
  if (!only_digits(text)) {
    Edit1->clear();  // runs this handler again, which switches the limit off
    return;
  }
  const int v = field_number(text);
  if (v >= 1 && v <= kMaxLimitMinutes) {
    Label23->setText(QStringLiteral("Timer active! Start time: ") + now_text());
    // A new interval restarts the count: the limit runs from this edit.
    Timer1->start(v * 60000);
    return;
  }
  if (!text.isEmpty()) Edit1->clear();
  Label23->setText(QStringLiteral("Timer inactive"));
  Timer1->stop();
}

void TForm7::Timer1Timer() {
  Timer1->stop();
  Label23->setText(QStringLiteral("Timer inactive"));
  Edit1->clear();
  stop_flag = true;
}

void TForm7::Edit2Change() {
  bool ok = false;
  const int v = Edit2->text().toInt(&ok);
  if (ok) maxLOOP = v;
}

void TForm7::Edit3Change() {
  bool ok = false;
  const int v = Edit3->text().toInt(&ok);
  if (ok) maxTABU = v;
}

void TForm7::Timer3Timer() { set_label(ProgressLabel::Clock, QStringLiteral("Current time: ") + now_text()); }

void TForm7::FormShow() {
  if (Form1 != nullptr) {
    const QRect main = outer_geometry(Form1);
    QRect r = outer_geometry(this);
    r.moveTo(main.left() + 4, main.top() + 26);
    r.setHeight(main.top() + main.height() - r.top() - 2);
    set_outer_geometry(this, r);
  }
  CheckBox1->setChecked(false);
  CheckBox2->setChecked(false);
  CheckBox3->setChecked(false);
}

// Closing is a request like "Stop": the solver asks its question and, on No,
// shows this window again.
void TForm7::FormClose() {
  stop_flag = true;
  if (Form6 != nullptr && Form6->isVisible()) Form6->close();
  if (Form15 != nullptr && Form15->isVisible()) Form15->close();
  if (Form17 != nullptr && Form17->isVisible()) Form17->close();
}

void TForm7::uncheck_chart_visible() { CheckBox1->setChecked(false); }
void TForm7::uncheck_priority_control() { CheckBox2->setChecked(false); }
void TForm7::uncheck_search_operators() { CheckBox3->setChecked(false); }

void TForm7::fit_results_height() {
  if (Form6 == nullptr) return;
  int bottom_limit = -1;
  for (QWidget* w : {static_cast<QWidget*>(Form15), static_cast<QWidget*>(Form17)})
    if (w != nullptr && w->isVisible()) {
      const int top = outer_geometry(w).top();
      if (bottom_limit < 0 || top < bottom_limit) bottom_limit = top;
    }
  if (bottom_limit < 0) return;
  QRect r = outer_geometry(Form6);
  r.setHeight(bottom_limit - r.top() - 4);
  set_outer_geometry(Form6, r);
}

void TForm7::CheckBox1Click() {
  if (Form6 == nullptr) return;
  if (CheckBox1->isChecked()) {
    Form6->show_step_chart_page();
    Form6->set_placed(true);
    const QRect own = outer_geometry(this);
    QRect r = outer_geometry(Form6);
    r.moveTo(own.left() + own.width() + 4, own.top());
    if (Form1 != nullptr) {
      const QRect main = outer_geometry(Form1);
      r.setWidth(main.left() + main.width() - r.left() - 4);
    }
    set_outer_geometry(Form6, r);
    fit_results_height();
    Form6->show();
    Form6->raise();
    Timer2->start();
  } else {
    Timer2->stop();
    if (Form6->isVisible()) Form6->close();
    Form6->set_placed(false);
  }
}

// A priority or operator window docked at the given left edge, bottom-aligned
// with the main window, its "Active control" checked so that every change
// applies to the running search at once; undocked, it closes and is centred
// again when shown from elsewhere.
template <class PriorityWindow>
void TForm7::dock_priority_window(PriorityWindow* window, bool docked, int left) {
  if (window == nullptr) return;
  if (!docked) {
    window->set_active_control(false);
    if (window->isVisible()) window->close();
    window->set_placed(false);
    return;
  }
  window->set_active_control(true);
  window->set_placed(true);
  window->setEnabled(true);  // as the Results window in CheckBox1Click
  QRect r = outer_geometry(window);
  r.moveLeft(left);
  if (Form1 != nullptr) {
    const QRect main = outer_geometry(Form1);
    r.moveTop(main.top() + main.height() - r.height() - 2);
  }
  set_outer_geometry(window, r);
  window->show();
  window->raise();
  if (Form6 != nullptr && Form6->isVisible()) CheckBox1Click();
}

void TForm7::CheckBox2Click() {
  const QRect own = outer_geometry(this);
  dock_priority_window(Form15, CheckBox2->isChecked(), own.left() + own.width() + 4);
}

void TForm7::CheckBox3Click() {
  const QRect own = outer_geometry(this);
  const int priority_width = Form15 != nullptr ? outer_geometry(Form15).width() : 0;
  dock_priority_window(Form17, CheckBox3->isChecked(), own.left() + own.width() + priority_width + 8);
}

void TForm7::Timer2Timer() {
  if (Form6 == nullptr || !Form6->isVisible()) return;
  const int last = qMin(step_no, static_cast<int>(OBJ_history.size()));
  for (int i = chart_no; i < last; ++i) {
    const QString label = QString::number(i);
    for (const StepSeries& s : step_series)
      Form6->add_series_point(s.series, i, static_cast<double>(OBJ_history[i].criterion(s.criterion)), label,
                              s.colour);
  }
  chart_no = qMax(chart_no, last);
}
