#pragma once
// A RunHost for tests: it installs itself for its lifetime, answers every
// question from a script, reads the scheduler and rescheduler windows' fields from tables,
// runs a scripted clock, and keeps what a run showed: messages, questions,
// labels, windows, memos (with the text of the file each load read), series
// and operator statistics.
#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/run_host.h"

struct SeriesPoint {
  double x = 0;
  double value = 0;
  std::string label;
  ChartColour colour = ChartColour::Late;
};

class RecordingHost : public RunHost {
 public:
  RecordingHost();   // installs itself as the run host
  ~RecordingHost() override;  // goes back to the silent host
  RecordingHost(const RecordingHost&) = delete;
  RecordingHost& operator=(const RecordingHost&) = delete;

  // --- script ---
  // Answers to Yes/No questions, taken in order; a question beyond the script
  // fails the test and is answered No.
  std::deque<bool> answers;
  // Field values; a field not set here gives the window's default.
  std::map<SchedulerField, int> fields;
  std::map<ReschedulerField, int> resch_fields;
  // The clock; tests move it (for example from on_process_events).
  std::time_t clock = 1700000000;
  // Runs inside every process_events call, after the count went up: a test
  // presses "Stop" here (stop_flag = true) or moves the clock.
  std::function<void(RecordingHost&)> on_process_events;

  // --- record ---
  int events = 0;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::map<ProgressLabel, std::string> labels;               // last text
  std::vector<std::pair<ProgressLabel, std::string>> label_log;  // every set
  std::map<RunWindow, bool> visible;                          // last show/hide
  std::vector<RunWindow> closed;                              // close_window calls
  std::map<ProgressGroup, bool> group_visible;
  int loops_field = 0;
  int tabu_field = 0;
  bool clock_running = false;
  int results_cleared = 0;
  std::map<ResultsMemo, bool> memo_visible;
  std::map<ResultsMemo, std::string> memo_text;  // file content read at the load
  std::map<ResultSeries, std::vector<SeriesPoint>> series;
  std::map<std::pair<OperatorColumn, int>, int> operator_stats;
  int perf_test_unchecked = 0;
  SHOP* initial_snapshot = nullptr;  // the results window's initial-data snapshot

  // Every label set of one label, in order.
  std::vector<std::string> label_history(ProgressLabel l) const;
  bool is_visible(RunWindow w) const;

  // --- RunHost ---
  void process_events() override;
  void show_message(const std::string& text) override;
  bool ask_yes_no(const std::string& text) override;
  std::time_t current_time() override { return clock; }
  int scheduler_field(SchedulerField f) override;
  int rescheduler_field(ReschedulerField f) override;
  void set_initial_data_snapshot(SHOP* s) override { initial_snapshot = s; }
  void show_window(RunWindow w, bool v) override { visible[w] = v; }
  void close_window(RunWindow w) override;
  void set_progress_label(ProgressLabel l, const std::string& text) override;
  void show_progress_group(ProgressGroup g, bool v) override { group_visible[g] = v; }
  void set_progress_fields(int loops, int tabu_size) override;
  void run_progress_clock(bool running) override { clock_running = running; }
  void clear_results() override;
  void show_results_memo(ResultsMemo m, bool v) override { memo_visible[m] = v; }
  void load_results_memo(ResultsMemo m, const std::string& path) override;
  void clear_series(ResultSeries s) override { series[s].clear(); }
  void add_series_point(ResultSeries s, double x, double value, const std::string& label,
                        ChartColour c) override;
  void set_operator_statistic(OperatorColumn c, int op, int value) override;
  void uncheck_performance_test() override { ++perf_test_unchecked; }
};
