#include "engine/run_host.h"

#include "engine/run_state.h"

namespace {
RunHost silent_host;
RunHost* current_host = nullptr;
}  // namespace

int RunHost::scheduler_field(SchedulerField f) {
  switch (f) {
    case SchedulerField::Steps: return 2000;
    case SchedulerField::Loops: return 100;
    case SchedulerField::TabuSize: return 150;
    case SchedulerField::Iterations: return 10;
    case SchedulerField::ImprovementLess: return 20;
    case SchedulerField::MinLoop: return 10;
  }
  return 0;
}

int RunHost::rescheduler_field(ReschedulerField f) {
  switch (f) {
    case ReschedulerField::Steps: return 2000;
    case ReschedulerField::Loops: return 100;
    case ReschedulerField::TabuSize: return 150;
    case ReschedulerField::FreezeTime: return 0;
    case ReschedulerField::Type: return 1;
  }
  return 0;
}

RunHost& run_host() { return current_host != nullptr ? *current_host : silent_host; }

void set_run_host(RunHost* host) { current_host = host; }

bool stop_confirmed(RunHost& host, const std::string& question, const std::string& confirmation,
                    bool show_progress_again) {
  if (!stop_flag) return false;
  if (host.ask_yes_no(question)) {
    host.show_message(confirmation);
    return true;
  }
  if (show_progress_again) host.show_window(RunWindow::Progress, true);
  stop_flag = false;
  return false;
}
