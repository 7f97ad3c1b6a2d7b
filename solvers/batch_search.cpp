#include "solvers/batch_search.h"

#include <memory>

#include "engine/random_source.h"
#include "solvers/run_frame.h"
#include "engine/search_operators.h"
#include "engine/search_parameters.h"
#include "engine/tabu_search_loop.h"
#include "problem_io/input_reader.h"
#include "problem_io/report_lines.h"

int TS_batch_core(int maxSTEP, int max_loop, int min_loop, int maxImpless, int max_tabu, _S& S, double& elapsed,
                  int& best_step, int& best_loop) {
  RunHost& host = run_host();
  seed_random_from_time();
  TabuRules rules;
  rules.maxSTEP = maxSTEP;
  rules.loops = &max_loop;
  rules.tabu_size = &max_tabu;
  rules.early_end_from = min_loop < 2 ? min_loop : 2;  // step > 1 or step >= min_loop
  rules.replace_on_equal = false;
  rules.idle_steps = maxImpless;
  rules.interactive = false;
  TabuSearchLoop search(rules, S);
  search.start();
  stop_flag = false;
  const std::time_t started = host.current_time();  // the elapsed time covers the search only

  search.run();

  elapsed = elapsed_seconds(started, host.current_time());
  best_step = search.best_step();
  best_loop = search.best_loop();
  OBJ_VALUE values;
  time_and_evaluate(search.best(), values);
  S.assign(search.best());
  time_and_evaluate(S, values);
  Op_Total.clear();
  Op_Improve.clear();
  return 1;
}

int TS_batch_core(const BatchParameters& p, _S& S, double& elapsed, int& best_step, int& best_loop) {
  return TS_batch_core(p.maxSTEP, p.maxLOOP, p.minLOOP, p.maxImpless, p.maxTABU, S, elapsed, best_step, best_loop);
}

int TS_batch_mode() {
  RunHost& host = run_host();
  RunReport report;
  if (!report.open()) {
    host.show_message("File opening error! Process stopped.");
    return -1;
  }
  begin_table_run_windows();
  host.set_progress_label(ProgressLabel::Subtitle, "Batch scheduling mode");

  report.line("Tabu Search in bacth mode.");
  report.line(" Input file :" + input_file_name);
  write_problem_sizes(report);
  // The generator is not seeded before the starting schedule is drawn.
  std::unique_ptr<_S> S = starting_schedule(report);

  seed_random_from_time();
  const BatchParameters p = read_batch_parameters();
  stop_flag = false;
  write_search_parameters(report, p);
  report.line("ObjF:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC\tRunT\tBStep");
  write_objective_priorities(report);
  report.line("\t------\t------\t------\t------\t------\t------");

  OBJ_VALUE values;
  time_and_evaluate(*S, values);
  report.out() << "init";
  print_obj_row(report.out(), values);
  report.end_line();

  double elapsed = 0;
  int best_step = 0;
  int best_loop = 0;
  TS_batch_core(p, *S, elapsed, best_step, best_loop);

  time_and_evaluate(*S, values);
  report.out() << "search";
  print_obj_row(report.out(), values);
  report.out() << run_time_column(elapsed) << "\t[" << best_step << "]";
  report.end_line();

  rebuild_live_schedule(*S);
  report.finish();

  end_table_run_windows();
  first_run = 0;
  return 1;
}
