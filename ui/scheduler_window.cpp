#include "ui/scheduler_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "engine/run_state.h"
#include "engine/search_operators.h"
#include "problem_io/input_dump.h"
#include "problem_io/input_reader.h"
#include "solvers/batch_search.h"
#include "solvers/enumeration.h"
#include "solvers/performance_test.h"
#include "solvers/tabu_search.h"
#include "ui/data_dump_window.h"
#include "ui/initializing_window.h"
#include "ui/input_data_window.h"
#include "ui/input_file_loading.h"
#include "ui/message_boxes.h"
#include "ui/modal_session.h"
#include "ui/named_controls.h"
#include "ui/number_fields.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/progress_window.h"
#include "ui/results_window.h"
#include "ui/results_windows.h"
#include "ui/schedule_performance_window.h"

TForm3* Form3 = nullptr;

namespace {
const char* const kNoData = "No input data loaded.";
const char* const kLoaded = "Input data loaded.";
const char* const kInputFilter =
    "Scheduling input files (*.sif) or Text files (*.txt)|*.sif;*.SIF;*.txt;*.TXT|"
    "Scheduling input files (*.sif)|*.sif;*.SIF|Text files (*.txt)|*.txt;*.TXT";

QLineEdit* make_edit(const char* name, const QString& text, int max_length, QLabel* label, QWidget* parent) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(QString::fromLatin1(name));
  if (max_length > 0) e->setMaxLength(max_length);
  e->setMaximumWidth(70);
  label->setBuddy(e);
  return e;
}

QComboBox* make_combo(const char* name, const QStringList& items, QLabel* label, QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->addItems(items);
  label->setBuddy(c);
  return c;
}

// Step 2 of the state changes shows at once, not when the run lets the
// window repaint.
void set_and_repaint(QWidget* w, bool enabled) {
  w->setEnabled(enabled);
  w->repaint();
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Production Scheduler "));

  Label2 = named_label("Label2", QString::fromLatin1(kNoData), this);
  Button1 = named_button("Button1", QStringLiteral("Close"), this);
  Button3 = named_button("Button3", QStringLiteral("Load  Input data from file"), this);
  Button2 = named_button("Button2", QStringLiteral("Create Starting  Schedule"), this);
  Button8 = named_button("Button8", QStringLiteral("Input data"), this);
  Button7 = named_button("Button7", QStringLiteral("Show Results"), this);
  Button6 = named_button("Button6", QStringLiteral("Speed test "), this);
  Button5 = named_button("Button5", QStringLiteral("Export Input to file"), this);

  GroupBox1 = new QGroupBox(QStringLiteral("Generate Schedule"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  QLabel* Label5 = named_label("Label5", QStringLiteral("Objective function:"), GroupBox1);
  ComboBox1 = make_combo("ComboBox1",
                         {QStringLiteral("Number of Late Jobs"), QStringLiteral("Sum of Tardiness"),
                          QStringLiteral("Sum of AbsLateness"), QStringLiteral("Number of Setup"),
                          QStringLiteral("Completion Time"), QStringLiteral("Number of Late Orders"),
                          QStringLiteral("Max Tardiness")},
                         Label5, GroupBox1);
  QLabel* Label6 = named_label("Label6", QStringLiteral(" Method:"), GroupBox1);
  ComboBox2 = make_combo("ComboBox2",
                         {QStringLiteral("Tabu Search with _S class and do_pi"),
                          QStringLiteral("Tabu Search with  AUTOSTOP"), QStringLiteral("Tabu Search in Batch mode"),
                          QStringLiteral("Enumaration for small size problems")},
                         Label6, GroupBox1);
  QLabel* Label11 = named_label("Label11", QStringLiteral("Num. of steps:"), GroupBox1);
  QLabel* Label12 = named_label("Label12", QStringLiteral("Num. of loops:"), GroupBox1);
  QLabel* Label13 = named_label("Label13", QStringLiteral("TabuList size:"), GroupBox1);
  Label1 = named_label("Label1", QStringLiteral("Num. of iterations:"), GroupBox1);
  Label3 = named_label("Label3", QStringLiteral("Max. steps imp.less:"), GroupBox1);
  Label4 = named_label("Label4", QStringLiteral("Min. loop:"), GroupBox1);
  Edit1 = make_edit("Edit1", QStringLiteral("2000"), 4, Label11, GroupBox1);
  Edit2 = make_edit("Edit2", QStringLiteral("100"), 3, Label12, GroupBox1);
  Edit3 = make_edit("Edit3", QStringLiteral("150"), 4, Label13, GroupBox1);
  Edit4 = make_edit("Edit4", QStringLiteral("10"), 5, Label1, GroupBox1);
  Edit5 = make_edit("Edit5", QString(), 0, Label3, GroupBox1);
  Edit6 = make_edit("Edit6", QString(), 0, Label4, GroupBox1);
  Button4 = named_button("Button4", QStringLiteral("Run"), GroupBox1);
  CheckBox1 = named_check_box("CheckBox1", QStringLiteral("Perf. test "), false, GroupBox1);
  Button9 = named_button("Button9", QStringLiteral("Test"), GroupBox1);
  Button10 = named_button("Button10", QStringLiteral("Detailes"), GroupBox1);
  Button11 = named_button("Button11", QStringLiteral("Search operators"), GroupBox1);

  // The group: what to optimise and how, the method's parameters, then the
  // performance test and the priority windows.
  auto* grid = new QGridLayout(GroupBox1);
  grid->addWidget(Label5, 0, 0);
  grid->addWidget(ComboBox1, 0, 1, 1, 3);
  grid->addWidget(Label6, 1, 0);
  grid->addWidget(ComboBox2, 1, 1, 1, 3);
  grid->addWidget(Label11, 2, 0);
  grid->addWidget(Edit1, 2, 1);
  grid->addWidget(Label3, 2, 2);
  grid->addWidget(Edit5, 2, 3);
  grid->addWidget(Label12, 3, 0);
  grid->addWidget(Edit2, 3, 1);
  grid->addWidget(Label4, 3, 2);
  grid->addWidget(Edit6, 3, 3);
  grid->addWidget(Label13, 4, 0);
  grid->addWidget(Edit3, 4, 1);
  grid->addWidget(Button4, 4, 3);
  grid->addWidget(CheckBox1, 5, 0);
  grid->addWidget(Label1, 5, 2);
  grid->addWidget(Edit4, 5, 3);
  grid->addWidget(Button9, 6, 3);
  grid->addWidget(Button10, 7, 0);
  grid->addWidget(Button11, 7, 1, 1, 2);
  grid->addWidget(Button6, 7, 3);
  grid->setColumnStretch(1, 1);

  auto* side = new QVBoxLayout;
  side->addWidget(Button3);
  side->addWidget(Button2);
  side->addWidget(Button8);
  side->addWidget(Button7);
  side->addWidget(Button5);
  side->addStretch(1);
  side->addWidget(Button1);

  auto* body = new QHBoxLayout;
  body->addWidget(GroupBox1, 1);
  body->addLayout(side);
  auto* top = new QVBoxLayout(this);
  top->addWidget(Label2);
  top->addLayout(body);
  // A single-border window: its size follows the fields shown, the planner
  // does not resize it.
  top->setSizeConstraint(QLayout::SetFixedSize);

  // Design states: only loading, closing and the priority windows act.
  for (QWidget* w : std::initializer_list<QWidget*>{Button2, Button8, Button7, Button6, Button5, ComboBox1,
                                                     ComboBox2, Edit1, Edit2, Edit3, Edit4, Button4, CheckBox1,
                                                     Button9})
    w->setEnabled(false);
  Button5->setVisible(false);

  fields_[0] = {Edit1, 9999,
                " The value of the Num. of Steps field is out of the range! It must be in [1 - 9999].", 10};
  fields_[1] = {Edit2, 999, " The value of the Num. of Loops field is out of the range! It must be in [1 - 999].",
                10};
  fields_[2] = {Edit3, 9999,
                " The value of the TabuList size field is out of the range! It must be in [1 - 9999].", 150};
  fields_[3] = {Edit4, 99999,
                " The value of the Num. of iterations field is out of the range! It must be in [1 - 99999].", 10};
  fields_[4] = {Edit5, 9999, " The value of the AutoStop field is out of the range! It must be in [1 - 9999].",
                30};
  fields_[5] = {Edit6, 0, nullptr, 0};
  for (int i = 0; i < 6; ++i) {
    connect(fields_[i].edit, &QLineEdit::textChanged, this, [this, i] { EditChange(i); });
    fields_[i].edit->installEventFilter(this);
  }

  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm3::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TForm3::Button5Click);
  connect(Button7, &QPushButton::clicked, this, &TForm3::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TForm3::Button8Click);
  connect(Button9, &QPushButton::clicked, this, &TForm3::Button9Click);
  connect(Button10, &QPushButton::clicked, this, &TForm3::Button10Click);
  connect(Button11, &QPushButton::clicked, this, &TForm3::Button11Click);
  connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TForm3::ComboBox2Change);
  connect(CheckBox1, &QCheckBox::toggled, this, &TForm3::CheckBox1Click);

  // The AutoStop fields keep their room while hidden, so that choosing a
  // method never moves the window's other controls.
  for (QWidget* w : std::initializer_list<QWidget*>{Label3, Edit5, Label4, Edit6}) {
    QSizePolicy keep = w->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    w->setSizePolicy(keep);
    w->setVisible(false);
  }
  Edit5->setText(QStringLiteral("20"));
  Edit6->setText(QStringLiteral("10"));
  ComboBox1->setCurrentIndex(0);
  ComboBox2->setCurrentIndex(0);
  ComboBox2Change();
}

// ---- parameter fields ----

int TForm3::field_text_value(int i) const { return field_number(fields_[i].edit->text()); }

// Edit6 is bounded by the loops in Edit2; while Edit2 holds no number, by the
// loops field's own maximum.
int TForm3::field_max(int i) const {
  if (i != 5) return fields_[i].max;
  const int loops = field_text_value(1);
  return loops >= 1 ? loops : fields_[1].max;
}

// Edit6 goes back to a quarter of the loops, at least 10, and never beyond
// the loops themselves (a reset that the field's own check would empty).
int TForm3::field_reset(int i) const {
  if (i != 5) return fields_[i].reset;
  const int loops = field_text_value(1);
  return std::min(std::max(10, loops / 4), field_max(5));
}

QString TForm3::field_message(int i) const {
  if (fields_[i].message) return QString::fromLatin1(fields_[i].message);
  return QStringLiteral(" The value of the Min. loop field is out of the range! It must be in [1 - %1].")
      .arg(field_max(i));
}

void TForm3::EditChange(int i) { check_number_text(fields_[i].edit, 1, field_max(i)); }

void TForm3::EditExit(int i) {
  exit_check_running_ = true;
  // The box took the activation; the window takes it back with the field.
  if (!check_number_on_exit(fields_[i].edit, 1, field_max(i), field_message(i), QString::number(field_reset(i))))
    activateWindow();
  exit_check_running_ = false;
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !exit_check_running_) {
    // Leaving a field for another control of this window; a switch to another
    // window or a popup is no exit.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (int i = 0; i < 6; ++i)
        if (watched == fields_[i].edit && fields_[i].edit->isVisible()) EditExit(i);
    }
  }
  return QDialog::eventFilter(watched, event);
}

int TForm3::field_value(SchedulerField f) const {
  const int i = static_cast<int>(f);
  if (i < 0 || i >= 6) return RunHost().scheduler_field(f);
  const int v = field_text_value(i);
  return v >= 1 && v <= field_max(i) ? v : field_reset(i);
}

// ---- method and performance test ----

void TForm3::ComboBox2Change() {
  Edit1->setEnabled(true);
  Edit2->setEnabled(true);
  Edit3->setEnabled(true);
  Edit4->setEnabled(false);
  const int method = ComboBox2->currentIndex();
  const bool shown = method == 1 || method == 2;
  Edit5->setVisible(shown);
  Label3->setVisible(shown);
  Edit6->setVisible(shown);
  Label4->setVisible(shown);
}

void TForm3::CheckBox1Click() {
  if (CheckBox1->isChecked()) {
    Edit4->setEnabled(true);
    Edit5->setVisible(true);
    Label3->setVisible(true);
    Edit6->setVisible(true);
    Label4->setVisible(true);
  } else {
    ComboBox2Change();
  }
}

void TForm3::uncheck_performance_test() {
  CheckBox1->setChecked(false);
  ComboBox2Change();
}

// ---- showing and closing ----

void TForm3::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm3::FormShow() { work_mode = 1; }

void TForm3::Button1Click() { close(); }

void TForm3::done(int r) {
  FormClose();
  QDialog::done(r);
}

// Escape would close the window and release the problem by accident; the
// window closes through "Close" or its frame only.
void TForm3::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

// The problem is released; the label says so, so that a cancelled load after
// reopening can never take the released problem for a loaded one. The results
// windows showed that problem: they go with it, as the rescheduler's do.
void TForm3::FormClose() {
  if (Form10) Form10->problem_replaced();
  free_input_data();
  set_enabled({Button4, Button2, Button7, Button8, Button9, CheckBox1, Button5, ComboBox1, ComboBox2, Edit1,
               Edit2, Edit3, Edit4},
              false);
  Label2->setText(QString::fromLatin1(kNoData));
}

void TForm3::set_enabled(std::initializer_list<QWidget*> controls, bool enabled) {
  for (QWidget* w : controls) w->setEnabled(enabled);
}

// ---- loading ----

void TForm3::Button3Click() {
  const QString kept = Label2->text();
  const bool results_offered = Button7->isEnabled();
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, ComboBox2, Button8, Button9, Button5, Button4,
                                                     Button6, Button3, Button2, Button1})
    set_and_repaint(w, false);
  Label2->setText(QStringLiteral("Running"));
  Label2->repaint();
  Button7->setEnabled(false);

  OpenDialog1.InitialDir = program_dir();
  OpenDialog1.FileName.clear();
  OpenDialog1.Filter = QString::fromLatin1(kInputFilter);
  // 0 (nothing done) also when the load failed partway: the loader kept the
  // previous problem and said what went wrong, and the window comes back as
  // it was before the click, "Show Results" included.
  std::string chosen;
  auto finish = [this, &kept, &chosen, results_offered](int r) {
    const bool failed_partway = r == 0 && !chosen.empty();
    if (r == 0) r = kept == QLatin1String(kLoaded) ? 1 : -1;
    if (failed_partway) Button7->setEnabled(results_offered);
    if (r == 1) {
      Button5->setEnabled(true);
      Button4->setEnabled(true);
      Label2->setText(QString::fromLatin1(kLoaded));
      set_enabled({Button3, Button2, Button1, ComboBox2}, true);
      ComboBox2Change();
      set_enabled({ComboBox1, Button8, Button9, CheckBox1}, true);
    } else {
      Button1->setEnabled(true);
      Label2->setText(QString::fromLatin1(kNoData));
      Button3->setEnabled(true);
    }
  };
  int r = 0;
  try {
    r = read_input_file(chosen);
    // The schedule on show belongs to the problem just replaced.
    if (r == 1 && Form10) Form10->problem_replaced();
  } catch (...) {
    // A failure that escaped the loader: the window is usable again ("Close"
    // above all) before the application reports the failure.
    finish(r);
    throw;
  }
  finish(r);
}

// ---- runs ----

void TForm3::Button4Click() {
  // The solvers hide this window for the run and show it again at its end;
  // the planner's modal session goes on meanwhile.
  const ModalSessionHold hold(this);
  if (Form6) Form6->clear_result_charts();
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, ComboBox2, Button5, Button4, Button3, Button2,
                                                     Button1, Button7, Button8, Button9})
    set_and_repaint(w, false);
  stop_flag = false;
  const EditorHeldForSearch editor_held;

  // Whatever ends the run, a failure included, the window comes back usable.
  struct RunEnd {
    TForm3* form;
    ~RunEnd() {
      if (std::uncaught_exceptions() > 0) {
        if (Form7) Form7->hide();
        form->show();
      }
      form->set_enabled({form->Button3, form->Button2, form->Button1, form->Button4, form->Button5,
                         form->ComboBox2, form->ComboBox1, form->Button7, form->Button8, form->Button9},
                        true);
    }
  } run_end{this};

  int r = 0;
  switch (ComboBox2->currentIndex()) {
    case 0: r = TS_S_do_pi(); break;
    case 1: r = TS_AUTOSTOP(); break;
    case 2: r = TS_batch_mode(); break;
    case 3:
      if (enumeration_size_allowed()) r = Enumeration_small_size();
      break;
    default: break;
  }
  if (r == 1) show_results_windows(ScheduleDisplay::Renewed);
}

void TForm3::Button9Click() {
  const ModalSessionHold hold(this);
  const EditorHeldForSearch editor_held;
  performance_test();
}

// ---- other windows ----

void TForm3::Button2Click() {
  const ModalSessionHold hold(this);
  hide();
  show_modal(Form13);
  show();
}

// After a refused run there may be no schedule of the loaded problem: then
// "Results" comes up alone.
void TForm3::Button7Click() { show_results_windows(ScheduleDisplay::AsItIs); }

void TForm3::Button8Click() { show_modal(Form14); }

void TForm3::Button10Click() {
  if (!Form15) return;
  Form15->set_active_control(false);
  show_modal(Form15);
}

void TForm3::Button11Click() {
  if (!Form17) return;
  Form17->show_statistics(false);
  show_modal(Form17);
  Form17->show_statistics(true);
}

// The hidden input export: four text dumps into the current folder, shown in
// "Input and schedule data".
void TForm3::Button5Click() {
  const QList<QWidget*> controls = findChildren<QWidget*>();
  QList<QWidget*> disabled;
  for (QWidget* w : controls)
    if ((qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w)) && w->isEnabled()) {
      w->setEnabled(false);
      disabled << w;
    }
  write_input_dumps("");
  for (QWidget* w : disabled) w->setEnabled(true);
  if (Form9) {
    Form9->load_dumps("");
    Form9->setVisible(true);
  }
}
