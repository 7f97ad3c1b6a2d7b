#pragma once
#include "engine/run_host.h"

// The engine's host inside the program: every call is passed to the window
// that shows it (progress labels to "Generating Schedule", memos and series to
// "Results", operator statistics to "Searching operators", fields from the
// scheduler and rescheduler windows); messages and questions become the
// program's message boxes, and pending window events run once per search step.
class GuiRunHost : public RunHost {
 public:
  void process_events() override;
  void show_message(const std::string& text) override;
  bool ask_yes_no(const std::string& text) override;

  int scheduler_field(SchedulerField f) override;
  int rescheduler_field(ReschedulerField f) override;
  void set_initial_data_snapshot(SHOP* snapshot) override;

  void show_window(RunWindow w, bool visible) override;
  void close_window(RunWindow w) override;

  void set_progress_label(ProgressLabel l, const std::string& text) override;
  void show_progress_group(ProgressGroup g, bool visible) override;
  void set_progress_fields(int loops, int tabu_size) override;
  void run_progress_clock(bool running) override;

  void clear_results() override;
  void show_results_memo(ResultsMemo m, bool visible) override;
  void load_results_memo(ResultsMemo m, const std::string& path) override;
  void clear_series(ResultSeries s) override;
  void add_series_point(ResultSeries s, double x, double value, const std::string& label,
                        ChartColour c) override;

  void set_operator_statistic(OperatorColumn c, int op, int value) override;
  void uncheck_performance_test() override;
};
