#include "tests/ui/window_run_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <algorithm>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "engine/search_parameters.h"
#include "solvers/run_report.h"

ScriptedGuiHost::ScriptedGuiHost() { set_run_host(this); }

ScriptedGuiHost::~ScriptedGuiHost() { set_run_host(nullptr); }

void ScriptedGuiHost::process_events() {
  GuiRunHost::process_events();
  ++passes;
  if (on_process_events) on_process_events(passes);
}

int ScriptedGuiHost::scheduler_field(SchedulerField f) {
  auto it = fields.find(f);
  return it != fields.end() ? it->second : RunHost::scheduler_field(f);
}

void ScriptedGuiHost::set_progress_label(ProgressLabel l, const std::string& text) {
  if (l == ProgressLabel::BestStep) best_steps.append(QString::fromStdString(text));
  GuiRunHost::set_progress_label(l, text);
}

BoxAnswerer::BoxAnswerer() : timer_(std::make_unique<QTimer>()) {
  timer_->setInterval(10);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    if (box->button(QMessageBox::Yes) != nullptr) {
      questions.append(box->text());
      bool yes = false;
      if (answers.empty())
        ADD_FAILURE() << "unscripted question: " << box->text().toStdString();
      else {
        yes = answers.front();
        answers.pop_front();
      }
      box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
      return;
    }
    messages.append(box->text());
    box->buttons().first()->click();
  });
  timer_->start();
}

BoxAnswerer::~BoxAnswerer() = default;

WindowRunTest::WindowRunTest() {
  set_run_report_folder(dir.path());
  std::copy(ObjPri, ObjPri + 9, obj_pri_);
  std::copy(ReschPri, ReschPri + 10, resch_pri_);
  std::copy(Nx_op_pri, Nx_op_pri + n_of_operators + 1, op_pri_);
  stop_flag = false;
}

WindowRunTest::~WindowRunTest() {
  std::copy(obj_pri_, obj_pri_ + 9, ObjPri);
  std::copy(resch_pri_, resch_pri_ + 10, ReschPri);
  std::copy(op_pri_, op_pri_ + n_of_operators + 1, Nx_op_pri);
  set_run_report_folder("");
  last_SCH.reset();
  OBJ_history.clear();
  step_no = 1;
  chart_no = 1;
  stop_flag = false;
}

QString WindowRunTest::report() const {
  return QString::fromStdString(read_file(dir.file("__last_run__.txt")));
}

void WindowRunTest::set_fields(int steps, int loops, int tabu_size) {
  host.fields[SchedulerField::Steps] = steps;
  host.fields[SchedulerField::Loops] = loops;
  host.fields[SchedulerField::TabuSize] = tabu_size;
}
