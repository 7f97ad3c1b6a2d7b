#include "ui/gui_run_host.h"

#include <QCoreApplication>

#include "ui/message_boxes.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/progress_window.h"
#include "ui/rescheduler_window.h"
#include "ui/results_window.h"
#include "ui/schedule_performance_window.h"
#include "ui/scheduler_window.h"

namespace {
QString text_of(const std::string& s) { return QString::fromStdString(s); }

// The window a run shows or hides; null before the windows exist.
QWidget* window_of(RunWindow w) {
  switch (w) {
    case RunWindow::Scheduler: return Form3;
    case RunWindow::Rescheduler: return Form18;
    case RunWindow::Progress: return Form7;
    case RunWindow::Results: return Form6;
    case RunWindow::ObjectivePriority: return Form15;
    case RunWindow::OperatorPriority: return Form17;
  }
  return nullptr;
}
}  // namespace

void GuiRunHost::process_events() { QCoreApplication::processEvents(); }

void GuiRunHost::show_message(const std::string& text) { ::show_message(text_of(text)); }

bool GuiRunHost::ask_yes_no(const std::string& text) { return ::ask_yes_no(text_of(text)); }

int GuiRunHost::scheduler_field(SchedulerField f) {
  return Form3 ? Form3->field_value(f) : RunHost::scheduler_field(f);
}

int GuiRunHost::rescheduler_field(ReschedulerField f) {
  return Form18 ? Form18->field_value(f) : RunHost::rescheduler_field(f);
}

void GuiRunHost::set_initial_data_snapshot(SHOP* snapshot) {
  if (Form10) Form10->set_initial_data_snapshot(snapshot);
}

// A window a run shows is there for the planner to use: one left open from
// before a modal session began (and disabled with the others) is enabled, and
// it comes up above the windows raised since it was last shown (a window
// system keeps a hidden window's place in the stack when it maps it again:
// the progress window of a second run would open under "Schedule
// Performance ", its "Stop" out of reach).
void GuiRunHost::show_window(RunWindow w, bool visible) {
  QWidget* window = window_of(w);
  if (window == nullptr) return;
  if (visible) window->setEnabled(true);
  window->setVisible(visible);
  if (visible) window->raise();
}

void GuiRunHost::close_window(RunWindow w) {
  QWidget* window = window_of(w);
  if (window && window->isVisible()) window->close();
}

void GuiRunHost::set_progress_label(ProgressLabel l, const std::string& text) {
  if (Form7) Form7->set_label(l, text_of(text));
}

void GuiRunHost::show_progress_group(ProgressGroup g, bool visible) {
  if (Form7) Form7->show_group(g, visible);
}

void GuiRunHost::set_progress_fields(int loops, int tabu_size) {
  if (Form7) Form7->set_fields(loops, tabu_size);
}

void GuiRunHost::run_progress_clock(bool running) {
  if (Form7) Form7->run_clock(running);
}

void GuiRunHost::clear_results() {
  if (Form6) Form6->clear_result_charts();
}

void GuiRunHost::show_results_memo(ResultsMemo m, bool visible) {
  if (Form6) Form6->show_memo(m, visible);
}

void GuiRunHost::load_results_memo(ResultsMemo m, const std::string& path) {
  if (Form6) Form6->load_memo(m, text_of(path));
}

void GuiRunHost::clear_series(ResultSeries s) {
  if (Form6) Form6->clear_series(s);
}

void GuiRunHost::add_series_point(ResultSeries s, double x, double value, const std::string& label,
                                  ChartColour c) {
  if (Form6) Form6->add_series_point(s, x, value, text_of(label), c);
}

void GuiRunHost::set_operator_statistic(OperatorColumn c, int op, int value) {
  if (Form17) Form17->set_statistic(c, op, value);
}

void GuiRunHost::uncheck_performance_test() {
  if (Form3) Form3->uncheck_performance_test();
}
