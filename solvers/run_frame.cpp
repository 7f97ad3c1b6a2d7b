#include "solvers/run_frame.h"

#include <algorithm>
#include <ctime>

#include "engine/live_schedule.h"
#include "engine/problem.h"
#include "engine/run_state.h"
#include "engine/search_operators.h"
#include "engine/search_parameters.h"
#include "engine/timing.h"
#include "problem_io/input_reader.h"
#include "problem_io/report_lines.h"

void begin_run_windows(RunWindow caller) {
  step_no = 1;
  chart_no = 1;
  RunHost& host = run_host();
  host.show_results_memo(ResultsMemo::Index, false);
  host.show_window(RunWindow::Progress, true);
  host.show_window(caller, false);
  host.set_progress_label(ProgressLabel::Title, "TAVO Solver");
  host.set_progress_label(ProgressLabel::BestCaption, "The best step:");
  host.set_progress_label(ProgressLabel::BestStep, "");
}

int refuse_run_without_report(RunWindow caller) {
  RunHost& host = run_host();
  host.show_message("The run report " + run_report_path() + " cannot be written!\nProcess stopped.");
  host.run_progress_clock(false);
  host.show_window(RunWindow::Progress, false);
  host.show_window(caller, true);
  return -1;
}

void write_run_header(RunReport& report, const std::string& title) {
  report.line(title);
  report.line("Input file :" + input_file_name);
  report.out() << "Machine: " << n_of_Machines << " Orders: " << n_of_Orders << " Jobs:" << n_of_Jobs;
  report.end_line();
}

void begin_table_run_windows() {
  RunHost& host = run_host();
  host.clear_results();
  host.show_window(RunWindow::Scheduler, false);
  host.show_progress_group(ProgressGroup::Objectives, false);
  host.show_progress_group(ProgressGroup::Control, false);
  host.show_window(RunWindow::Progress, true);
  host.set_progress_label(ProgressLabel::Title, "TAVO Solver");
  for (ProgressLabel l : {ProgressLabel::Subtitle, ProgressLabel::StepCaption, ProgressLabel::Step,
                          ProgressLabel::StepSlash, ProgressLabel::StepTotal, ProgressLabel::BestCaption,
                          ProgressLabel::BestStep, ProgressLabel::LateOrders, ProgressLabel::LateJobs,
                          ProgressLabel::SumTardiness, ProgressLabel::MaxTardiness, ProgressLabel::Setups,
                          ProgressLabel::CompletionTime, ProgressLabel::Clock})
    host.set_progress_label(l, "");
  host.show_results_memo(ResultsMemo::Average, false);
}

void end_table_run_windows() {
  RunHost& host = run_host();
  host.show_window(RunWindow::Scheduler, true);
  host.show_window(RunWindow::Progress, false);
  host.show_progress_group(ProgressGroup::Objectives, true);
  host.show_progress_group(ProgressGroup::Control, true);
  host.load_results_memo(ResultsMemo::Average, run_report_path());
  host.show_results_memo(ResultsMemo::Average, true);
}

BatchParameters read_batch_parameters() {
  RunHost& host = run_host();
  BatchParameters p;
  p.maxSTEP = host.scheduler_field(SchedulerField::Steps);
  p.maxLOOP = host.scheduler_field(SchedulerField::Loops);
  p.minLOOP = host.scheduler_field(SchedulerField::MinLoop);
  p.maxImpless = host.scheduler_field(SchedulerField::ImprovementLess);
  p.maxTABU = host.scheduler_field(SchedulerField::TabuSize);
  return p;
}

void write_problem_sizes(RunReport& report) {
  report.out() << "Prob_Sizes: \tMachine:" << n_of_Machines << "\tOrders:" << n_of_Orders << "\tJobs:" << n_of_Jobs
               << "\tSetup_Types:" << n_of_SetupTypes;
  report.end_line();
}

void write_search_parameters(RunReport& report, const BatchParameters& p) {
  report.out() << "Search_Pars:  \tmaxSTEP:" << p.maxSTEP << "\tmaxLOOP:" << p.maxLOOP << "\tminLOOP:" << p.minLOOP
               << "\tmaxImpless:" << p.maxImpless << "\tmaxTABU:" << p.maxTABU;
  report.end_line();
  report.out() << "Nx_op_pri:";
  for (int k = 1; k <= n_of_operators; ++k) report.out() << "\tN" << k << ": " << Nx_op_pri[k];
  report.end_line();
}

void write_objective_priorities(RunReport& report) {
  report.out() << "ObjPri:";
  for (int i = 0; i < 6; ++i) report.out() << '\t' << ObjPri[i];
  report.end_line();
}

void show_search_start(int maxSTEP) {
  RunHost& host = run_host();
  host.set_progress_label(ProgressLabel::Subtitle, "Start time:" + clock_text(host.current_time()));
  host.set_progress_label(ProgressLabel::StepCaption, "STEP:");
  host.set_progress_label(ProgressLabel::Step, "");
  host.set_progress_label(ProgressLabel::StepSlash, "/");
  host.set_progress_label(ProgressLabel::StepTotal, std::to_string(maxSTEP));
  for (ProgressLabel l : {ProgressLabel::LateOrders, ProgressLabel::LateJobs, ProgressLabel::SumTardiness,
                          ProgressLabel::MaxTardiness, ProgressLabel::Setups, ProgressLabel::CompletionTime,
                          ProgressLabel::Clock})
    host.set_progress_label(l, "");
}

namespace {
std::unique_ptr<_S> random_start() {
  reset_J_A_M_wload();
  random_J_A_M_wload();
  return std::make_unique<_S>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
}

bool live_schedule_fits() {
  return last_SCH && last_SCH->has_tables() && last_SCH->n_of_Orders == n_of_Orders &&
         last_SCH->n_of_Jobs == n_of_Jobs && last_SCH->n_of_Machines == n_of_Machines;
}


// report: where the lines go; none for a run whose report has no such lines.
std::unique_ptr<_S> choose_start(RunReport* report) {
  if (first_run == 1) {
    auto S = random_start();
    if (report) report->line("First running: Initialize with random values");
    return S;
  }
  if (run_host().ask_yes_no("Would You like to reload the last Sch values?") && live_schedule_fits()) {
    if (report) {
      report->line();
      report->line("Initialize with last schedule!");
    }
    return std::make_unique<_S>(*last_SCH);
  }
  auto S = random_start();
  if (report) report->line("Initialize with random values!");
  return S;
}
}  // namespace

std::unique_ptr<_S> starting_schedule(RunReport& report) { return choose_start(&report); }

std::unique_ptr<_S> starting_schedule() { return choose_start(nullptr); }

void time_and_evaluate(_S& S, OBJ_VALUE& values) {
  calc_S_times(S);
  calc_S_obj_values(S, values);
}

void show_operator_statistics_start() {
  RunHost& host = run_host();
  for (int k = 1; k <= n_of_operators; ++k) {
    host.set_operator_statistic(OperatorColumn::Improve, k, Op_Improve.empty() ? 0 : Op_Improve[k]);
    host.set_operator_statistic(OperatorColumn::Total, k, Op_Total.empty() ? 0 : Op_Total[k]);
    host.set_operator_statistic(OperatorColumn::Priority, k, Nx_op_pri[k]);
  }
  host.set_operator_statistic(OperatorColumn::Improve, 0, 0);
  host.set_operator_statistic(OperatorColumn::Total, 0, 0);
}

void close_side_windows() {
  RunHost& host = run_host();
  host.close_window(RunWindow::ObjectivePriority);
  host.close_window(RunWindow::Results);
  host.close_window(RunWindow::OperatorPriority);
}

std::time_t run_interactive_steps(TabuSearchLoop& search, int maxSTEP) {
  RunHost& host = run_host();
  OBJ_history.assign(static_cast<size_t>(std::max(maxSTEP, 0)) + 1, OBJ_VALUE());
  show_operator_statistics_start();
  stop_flag = false;
  const std::time_t started = host.current_time();
  host.run_progress_clock(true);
  search.run();
  close_side_windows();
  return started;
}

void write_search_result(RunReport& report, double elapsed, const TabuSearchLoop& search,
                         const OBJ_VALUE& best_values) {
  report.line();
  report.line(elapsed_time_line(elapsed));
  report.line();
  report.line("Number of evaluated schedule: " + std::to_string(search.evaluated()));
  report.line("best step: " + std::to_string(search.best_step()) + "best loop: " + std::to_string(search.best_loop()));
  report.line();
  print_obj_values(report.out(), best_values);
}

void end_search_windows(RunWindow caller, const TabuSearchLoop& search) {
  RunHost& host = run_host();
  host.run_progress_clock(false);
  host.show_window(RunWindow::Progress, false);
  host.show_window(caller, true);
  fill_search_charts(search.improvements());
  OBJ_history.clear();
  Op_Total.clear();
  Op_Improve.clear();
  host.load_results_memo(ResultsMemo::Index, run_report_path());
  host.show_results_memo(ResultsMemo::Index, true);
}

const StepSeries step_series[5] = {{ResultSeries::StepLateOrders, 0, ChartColour::Late},
                                   {ResultSeries::StepLateJobs, 1, ChartColour::Intime},
                                   {ResultSeries::StepMaxTardiness, 3, ChartColour::Planned},
                                   {ResultSeries::StepSetups, 4, ChartColour::Setup},
                                   {ResultSeries::StepCompletion, 5, ChartColour::Constraint}};

void fill_search_charts(const std::vector<int>& improvements) {
  RunHost& host = run_host();
  host.clear_series(ResultSeries::BestLateJobs);
  for (size_t i = 0; i < improvements.size(); ++i)
    host.add_series_point(ResultSeries::BestLateJobs, static_cast<double>(i + 1), improvements[i],
                          std::to_string(i + 1), ChartColour::Intime);
  for (const StepSeries& s : step_series) host.clear_series(s.series);
  const int last = std::min<int>(step_no - 1, static_cast<int>(OBJ_history.size()) - 1);
  for (int i = 1; i <= last; ++i)
    for (const StepSeries& s : step_series)
      host.add_series_point(s.series, i, static_cast<double>(OBJ_history[i].criterion(s.criterion)),
                            std::to_string(i), s.colour);
}

void rebuild_live_schedule(const _S& S, const _S* resch_reference, int freeze_time) {
  S.to_J_A_M_wload(J_A, M_wload);
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  if (resch_reference)
    calc_sch_times_resch(*last_SCH, *resch_reference, freeze_time);
  else
    calc_sch_times(*last_SCH);
  store_live_values(*last_SCH);
}

double elapsed_seconds(std::time_t from, std::time_t to) { return std::difftime(to, from); }
