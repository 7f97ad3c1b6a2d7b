#pragma once
// What the window tests of a solver run share: every window of the program,
// the program's own run host passing each call to them (the scheduler
// window's fields scripted, a hook at every step's event pass), a message-box
// answerer, the run report in a temporary folder, and the priorities and
// run globals put back afterwards.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTimer>
#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "engine/objective_value.h"
#include "engine/search_operators.h"
#include "ui/app_windows.h"
#include "ui/gui_run_host.h"
#include "tests/support/temp_dir.h"

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

// Answers every message box the code under test opens, from a repeating
// 10 ms timer: questions (Yes/No) from the script in order, one-button boxes
// with their button. Records the texts. A question beyond the script is
// answered No and fails the test.
class BoxAnswerer {
 public:
  BoxAnswerer();
  ~BoxAnswerer();
  std::deque<bool> answers;
  QStringList questions;
  QStringList messages;

 private:
  std::unique_ptr<QTimer> timer_;
};

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
  BoxAnswerer boxes;

 private:
  int obj_pri_[9];
  int resch_pri_[10];
  int op_pri_[n_of_operators + 1];
};
