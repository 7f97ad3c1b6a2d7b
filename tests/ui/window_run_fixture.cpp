#include "tests/ui/window_run_fixture.h"

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

WindowRunTest::WindowRunTest() {
  set_run_report_folder(dir.path());
  boxes.yes = false;
}

WindowRunTest::~WindowRunTest() { set_run_report_folder(""); }

QString WindowRunTest::report() const {
  return QString::fromStdString(read_file(dir.file("__last_run__.txt")));
}

void WindowRunTest::set_fields(int steps, int loops, int tabu_size) {
  host.fields[SchedulerField::Steps] = steps;
  host.fields[SchedulerField::Loops] = loops;
  host.fields[SchedulerField::TabuSize] = tabu_size;
}
