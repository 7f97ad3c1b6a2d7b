#include "ui/rescheduler_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "problem_io/released_schedule_load.h"
#include "solvers/reschedule_search.h"
#include "ui/input_checking_window.h"
#include "ui/input_data_window.h"
#include "ui/modal_session.h"
#include "ui/named_controls.h"
#include "ui/number_fields.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/results_window.h"
#include "ui/results_windows.h"
#include "ui/schedule_performance_window.h"
#include "ui/scheduler_window.h"

TForm18* Form18 = nullptr;

// One parameter field: its ranges while typing and on leaving, the message
// of a value left out of range and the text it is reset to.
struct TForm18::FieldRule {
  int type_lo, type_hi, leave_lo, leave_hi;
  const char* message;
  const char* reset;
};

namespace {

using FieldRule = TForm18::FieldRule;

const FieldRule steps_rule{1, 9999, 1, 9999,
                           " The value of the Num. of Steps field is out of the range! It must be in [1 - 9999].", "10"};
const FieldRule loops_rule{1, 9999, 1, 999,
                           " The value of the Num. of Loops field is out of the range! It must be in [1 - 999].", "10"};
const FieldRule tabu_rule{1, 9999, 1, 9999,
                          " The value of the TabuList size field is out of the range! It must be in [1 - 9999].",
                          "150"};
const FieldRule freeze_rule{0, 9999, 0, 9999,
                            " The value of the Freeze time field is out of the range! It must be in [0 - 9999].",
                            "0"};

}  // namespace

TForm18::TForm18(QWidget* parent) : ClosingForm(Centre::Screen, parent) {
  setObjectName(QStringLiteral("Form18"));
  setWindowTitle(QStringLiteral("Production Rescheduler"));

  Button1 = named_button("Button1", QStringLiteral("Load shop data and released schedule"));
  Button2 = named_button("Button2", QStringLiteral("Close"));
  Button3 = named_button("Button3", QStringLiteral("Show Results"));
  GroupBox1 = named(new QGroupBox(QStringLiteral("Generate New Schedule")), "GroupBox1");
  ComboBox1 = named(new QComboBox, "ComboBox1");
  ComboBox1->addItem(QStringLiteral("Tabu Search with _S class and do_pi to Reschedule"));
  ComboBox1->setCurrentIndex(0);
  Button4 = named_button("Button4", QStringLiteral("Objective functions"));
  Button5 = named_button("Button5", QStringLiteral("Search operators"));
  Edit1 = named(new QLineEdit(QStringLiteral("2000")), "Edit1");
  Edit2 = named(new QLineEdit(QStringLiteral("100")), "Edit2");
  Edit3 = named(new QLineEdit(QStringLiteral("150")), "Edit3");
  Edit4 = named(new QLineEdit(QStringLiteral("0")), "Edit4");
  Edit1->setMaxLength(4);
  Edit2->setMaxLength(3);
  Edit3->setMaxLength(4);
  Edit4->setMaxLength(4);
  ComboBox2 = named(new QComboBox, "ComboBox2");
  ComboBox2->addItems({QStringLiteral("Fist freeze then modify env."), QStringLiteral("Firts modify env. then freeze")});
  ComboBox2->setCurrentIndex(1);
  ComboBox2->setAccessibleName(QStringLiteral("Rescheduling type"));
  Button7 = named_button("Button7", QStringLiteral("Shop env."));
  Button8 = named_button("Button8", QStringLiteral("Show initial state"));
  Button6 = named_button("Button6", QStringLiteral("Run"));

  auto* fields = new QFormLayout;
  auto add_row = [fields](const char* caption, QWidget* field, const char* label_name) {
    auto* label = named(new QLabel(QString::fromLatin1(caption)), label_name);
    label->setBuddy(field);
    fields->addRow(label, field);
  };
  add_row("Method:", ComboBox1, "Label1");
  add_row("Num. of  steps:", Edit1, "Label2");
  add_row("Num. of loops:", Edit2, "Label3");
  add_row("TabuList size:", Edit3, "Label4");
  add_row("Freeze time:", Edit4, "Label5");
  fields->addRow(ComboBox2);
  auto* priorities = new QHBoxLayout;
  priorities->addWidget(Button4);
  priorities->addWidget(Button5);
  auto* actions = new QHBoxLayout;
  actions->addWidget(Button7);
  actions->addWidget(Button8);
  actions->addWidget(Button6);
  auto* group = new QVBoxLayout(GroupBox1);
  group->addLayout(fields);
  group->addLayout(priorities);
  group->addLayout(actions);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Button3);
  bottom->addStretch();
  bottom->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Button1);
  layout->addWidget(GroupBox1);
  layout->addLayout(bottom);

  connect(Button1, &QPushButton::clicked, this, &TForm18::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm18::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm18::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm18::Ob);
  connect(Button5, &QPushButton::clicked, this, &TForm18::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &TForm18::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TForm18::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TForm18::Button8Click);
  for (const auto& [edit, rule] : field_rules()) {
    QLineEdit* e = edit;
    const FieldRule* r = rule;
    connect(e, &QLineEdit::textChanged, this, [e, r] { check_number_text(e, r->type_lo, r->type_hi); });
    e->installEventFilter(this);
  }

  Button3->setEnabled(false);
  enable_run_controls(false);
}

// The snapshots go before the windows that may point at them.
TForm18::~TForm18() {
  if (Form10) Form10->set_initial_data_snapshot(nullptr);
}

bool TForm18::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusOut) {
    for (const auto& [edit, rule] : field_rules())
      if (watched == edit && edit->isEnabled() && isVisible())
        check_number_on_exit(edit, rule->leave_lo, rule->leave_hi, QString::fromLatin1(rule->message),
                             QString::fromLatin1(rule->reset));
  }
  return ClosingForm::eventFilter(watched, e);
}

std::array<std::pair<QLineEdit*, const FieldRule*>, 4> TForm18::field_rules() const {
  return {{{Edit1, &steps_rule}, {Edit2, &loops_rule}, {Edit3, &tabu_rule}, {Edit4, &freeze_rule}}};
}

int TForm18::field_value(ReschedulerField f) const {
  auto value = [](const QLineEdit* edit, const FieldRule& rule) {
    const int v = field_number(edit->text());
    return v >= rule.leave_lo && v <= rule.leave_hi ? v : field_number(QString::fromLatin1(rule.reset));
  };
  switch (f) {
    case ReschedulerField::Steps: return value(Edit1, steps_rule);
    case ReschedulerField::Loops: return value(Edit2, loops_rule);
    case ReschedulerField::TabuSize: return value(Edit3, tabu_rule);
    case ReschedulerField::FreezeTime: return value(Edit4, freeze_rule);
    case ReschedulerField::Type: return ComboBox2->currentIndex() == 0 ? 0 : 1;
  }
  return 0;
}

void TForm18::enable_run_controls(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{Button6, Button7, Button8, Edit1, Edit2, Edit3, Edit4})
    w->setEnabled(on);
}

void TForm18::FormShow() {
  work_mode = 2;
  if (Form15) Form15->show_more_button(true);
}

// The results windows show the problem being released: they go too.
void TForm18::FormClose() {
  if (Form10) Form10->problem_replaced();
  resch_states.release();
  free_input_data();
  Button3->setEnabled(false);
  enable_run_controls(false);
  if (Form15) Form15->show_more_button(false);
}

void TForm18::Button2Click() { close(); }

int TForm18::load_released_schedule() {
  TOpenDialog& dialog = Form3->OpenDialog1;
  dialog.InitialDir = program_dir();
  dialog.FileName.clear();
  dialog.Filter = QStringLiteral("Released schedule files (*.rsf)|*.rsf;*.RSF");
  if (!dialog.Execute(this)) return 0;
  return read_released_schedule(dialog.FileName.toStdString(), resch_states, Form20->check(), *Form20);
}

void TForm18::Button1Click() {
  int loaded = 0;
  try {
    loaded = load_released_schedule();
  } catch (...) {
    // A failure that escaped the load: the states may be gone, so the window
    // ends as after a refused file before the application reports it.
    if (Form10) Form10->problem_replaced();
    Button3->setEnabled(false);
    enable_run_controls(false);
    throw;
  }
  // The schedule on show belongs to the problem or plan just replaced (or,
  // after a refused load, released): it goes, as after the scheduler's load.
  // A good load made the released plan the live schedule of the new problem.
  if (Form10) {
    Form10->problem_replaced();
    if (loaded == 1) Form10->live_schedule_renewed();
  }
  if (loaded == 1) {
    enable_run_controls(true);
    first_run = 1;
  } else {
    Button3->setEnabled(false);
    enable_run_controls(false);
  }
}

void TForm18::Button3Click() { show_results_windows(ScheduleDisplay::Renewed); }

void TForm18::Ob() {
  Form15->set_active_control(false);
  show_modal(Form15);
}

void TForm18::Button5Click() {
  Form17->show_statistics(false);
  show_modal(Form17);
  Form17->show_statistics(true);
}

void TForm18::Button6Click() {
  // The run hides this window and shows it again: the planner's session goes on.
  const ModalSessionHold hold(this);
  run_host().clear_results();
  Button3->setEnabled(false);
  stop_flag = false;
  if (ComboBox1->currentIndex() != 0 || !resch_states.loaded()) return;
  const EditorHeldForSearch editor_held;
  if (TS_S_do_pi_Reschedule(*resch_states.released, *resch_states.working) != 1) return;
  show_results_windows(ScheduleDisplay::Renewed);
  Button3->setEnabled(true);
}

void TForm18::Button7Click() {
  Form14->set_modify_mode(true);
  show_modal(Form14);
  Form14->set_modify_mode(false);
  resch_states.reevaluate_after_env_change();
  // A results window left open shows the re-timed schedule, not the old times.
  if (Form10 && Form10->isVisible()) Form10->show_sch_data();
}

void TForm18::Button8Click() {
  if (!resch_states.loaded()) return;
  resch_states.show_initial_state(field_value(ReschedulerField::Type), field_value(ReschedulerField::FreezeTime));
  if (Form10) Form10->set_initial_data_snapshot(resch_states.released.get());
  if (Form10) Form10->show_live_schedule();
}
