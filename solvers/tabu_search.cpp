#include "solvers/tabu_search.h"

#include <algorithm>

#include "engine/random_source.h"
#include "solvers/run_frame.h"
#include "engine/search_operators.h"
#include "engine/search_parameters.h"
#include "engine/tabu_search_loop.h"
#include "problem_io/report_lines.h"

namespace {

int run_tabu_search(bool autostop) {
  RunHost& host = run_host();
  begin_run_windows(RunWindow::Scheduler);
  RunReport report;
  if (!report.open()) return refuse_run_without_report(RunWindow::Scheduler);
  write_run_header(report, autostop ? "Tabu Search with AUTOSTOP." : "Tabu Search with _S class and do_pi.");

  const int maxSTEP = host.scheduler_field(SchedulerField::Steps);
  maxLOOP = host.scheduler_field(SchedulerField::Loops);
  maxTABU = host.scheduler_field(SchedulerField::TabuSize);
  int AutoStop = -1;
  if (autostop) {
    AutoStop = host.scheduler_field(SchedulerField::ImprovementLess);
    minLOOP = host.scheduler_field(SchedulerField::MinLoop);
  }
  host.set_progress_fields(maxLOOP, maxTABU);
  show_search_start(maxSTEP);
  seed_random_from_time();

  std::unique_ptr<_S> sample = starting_schedule(report);
  report.line();
  report.line(" Objective values of the initialized schedule:");
  OBJ_VALUE start_values;
  time_and_evaluate(*sample, start_values);
  print_obj_values(report.out(), start_values);
  report.line();

  TabuRules rules = interactive_tabu_rules(maxSTEP);
  if (autostop) {
    rules.early_end_from = minLOOP;
    rules.replace_on_equal = false;
    rules.idle_steps = AutoStop;
  }
  TabuSearchLoop search(rules, *sample);
  search.start();
  const std::time_t started = run_interactive_steps(search, maxSTEP);

  OBJ_VALUE& final_values = search.sample_values();
  time_and_evaluate(search.best(), final_values);

  write_search_result(report, elapsed_seconds(started, host.current_time()), search, final_values);
  report.line();
  report.line();
  report.line(" size of TabuList: " + std::to_string(search.tabu_count()));
  report.finish();

  end_search_windows(RunWindow::Scheduler, search);
  rebuild_live_schedule(search.best());
  first_run = 0;
  return 1;
}

}  // namespace

int TS_S_do_pi() { return run_tabu_search(false); }

int TS_AUTOSTOP() { return run_tabu_search(true); }
