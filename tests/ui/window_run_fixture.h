#pragma once
// What the window tests of a solver run share: every window of the program,
// the program's own run host passing each call to them (the scheduler
// window's fields scripted, a hook at every step's event pass), a message-box
// answerer and the run report in a temporary folder. The program's globals
// start each test as at start-up (see start_up_state.h).
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ctime>
#include <functional>
#include <map>

#include "ui/app_windows.h"
#include "ui/gui_run_host.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/modal_answerer.h"

// GuiRunHost with scripted scheduler fields and a hook that runs in every
// event pass of a run (after the pending events ran), counting the passes.
class ScriptedGuiHost : public GuiRunHost {
 public:
  ScriptedGuiHost();
  ~ScriptedGuiHost() override;

  std::map<SchedulerField, int> fields;
  std::function<void(int pass)> on_process_events;
  int passes = 0;
  // Every text the run wrote into the best-step label.
  QStringList best_steps;

  void process_events() override;
  // A clock that stands still: every run seeds from the same second.
  std::time_t current_time() override { return 1700000000; }
  int scheduler_field(SchedulerField f) override;
  void set_progress_label(ProgressLabel l, const std::string& text) override;
};

// The five series a run adds a point to at every step, in the order of the
// results window's filter.
inline constexpr ResultSeries kStepSeries[5] = {ResultSeries::StepLateOrders, ResultSeries::StepLateJobs,
                                                ResultSeries::StepMaxTardiness, ResultSeries::StepSetups,
                                                ResultSeries::StepCompletion};

class WindowRunTest : public ::testing::Test {
 protected:
  WindowRunTest();
  ~WindowRunTest() override;

  // The report of the last run.
  QString report() const;
  // Steps, loops and tabu-list size of the next run.
  void set_fields(int steps, int loops, int tabu_size);

  TempDir dir;
  ScriptedGuiHost host;
  AppWindows windows;
  ModalAnswerer boxes;  // questions beyond the script are answered No
};
