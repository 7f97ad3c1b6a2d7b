#include "tests/support/recording_host.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

RecordingHost::RecordingHost() { set_run_host(this); }

RecordingHost::~RecordingHost() { set_run_host(nullptr); }

std::vector<std::string> RecordingHost::label_history(ProgressLabel l) const {
  std::vector<std::string> texts;
  for (const auto& entry : label_log)
    if (entry.first == l) texts.push_back(entry.second);
  return texts;
}

bool RecordingHost::is_visible(RunWindow w) const {
  auto it = visible.find(w);
  return it != visible.end() && it->second;
}

void RecordingHost::process_events() {
  ++events;
  if (on_process_events) on_process_events(*this);
}

void RecordingHost::show_message(const std::string& text) { messages.push_back(text); }

bool RecordingHost::ask_yes_no(const std::string& text) {
  questions.push_back(text);
  if (answers.empty()) {
    ADD_FAILURE() << "unscripted question: " << text;
    return false;
  }
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

int RecordingHost::scheduler_field(SchedulerField f) {
  auto it = fields.find(f);
  return it != fields.end() ? it->second : RunHost::scheduler_field(f);
}

int RecordingHost::rescheduler_field(ReschedulerField f) {
  auto it = resch_fields.find(f);
  return it != resch_fields.end() ? it->second : RunHost::rescheduler_field(f);
}

void RecordingHost::close_window(RunWindow w) {
  closed.push_back(w);
  visible[w] = false;
}

void RecordingHost::set_progress_label(ProgressLabel l, const std::string& text) {
  labels[l] = text;
  label_log.emplace_back(l, text);
}

void RecordingHost::set_progress_fields(int loops, int tabu_size) {
  loops_field = loops;
  tabu_field = tabu_size;
}

void RecordingHost::clear_results() {
  ++results_cleared;
  memo_text.clear();
  for (auto& s : series) s.second.clear();
}

void RecordingHost::load_results_memo(ResultsMemo m, const std::string& path) {
  memo_text[m] = read_file(path);
}

void RecordingHost::add_series_point(ResultSeries s, double x, double value, const std::string& label,
                                     ChartColour c) {
  series[s].push_back(SeriesPoint{x, value, label, c});
}

void RecordingHost::set_operator_statistic(OperatorColumn c, int op, int value) {
  operator_stats[{c, op}] = value;
}
