#include "engine/performance_test.h"

#include <vector>

#include "engine/batch_search.h"
#include "engine/random_source.h"
#include "engine/run_frame.h"
#include "engine/starting_schedules.h"
#include "problem_io/input_reader.h"
#include "problem_io/report_lines.h"

const char* sign_column(double F) {
  if (F < 0) return "\t-";
  if (F > 0) return "\t+";
  return "\t0";
}

namespace {

// Sums of the six main criteria.
struct CriteriaSum {
  double v[6] = {0, 0, 0, 0, 0, 0};
  void add(const OBJ_VALUE& o) {
    for (int i = 0; i < 6; ++i) v[i] += static_cast<double>(o.criterion(i));
  }
  void write_average(RunReport& report, int it) const {
    // A test stopped before its first iteration has nothing to average: 0,
    // never a division by zero.
    for (int i = 0; i < 6; ++i) report.out() << '\t' << (it > 0 ? v[i] / it : 0.0);
  }
};

double mean(double sum, int it) { return it > 0 ? sum / it : 0.0; }

void show_test_windows(int N) {
  RunHost& host = run_host();
  host.clear_results();
  host.show_window(RunWindow::Scheduler, false);
  host.show_progress_group(ProgressGroup::Objectives, false);
  host.show_progress_group(ProgressGroup::Control, false);
  host.show_window(RunWindow::Progress, true);
  host.set_progress_label(ProgressLabel::Title, "TAVO Solver");
  host.set_progress_label(ProgressLabel::StepCaption, "Iteration:");
  host.set_progress_label(ProgressLabel::Step, "0");
  host.set_progress_label(ProgressLabel::StepSlash, "/");
  host.set_progress_label(ProgressLabel::StepTotal, std::to_string(N));
  for (ProgressLabel l : {ProgressLabel::Subtitle, ProgressLabel::BestCaption, ProgressLabel::BestStep,
                          ProgressLabel::Clock})
    host.set_progress_label(l, "");
  host.show_results_memo(ResultsMemo::Average, false);
}

void write_header(RunReport& report, int maxSTEP, int loops, int min_loop, int maxImpless, int tabu_size) {
  report.line(" Performance test.   Input file :" + input_file_name);
  report.out() << "Prob_Sizes: \tMachine:" << n_of_Machines << "\tOrders:" << n_of_Orders << "\tJobs:" << n_of_Jobs
               << "\tSetup_Types:" << n_of_SetupTypes;
  report.end_line();
  report.out() << "Search_Pars:  \tmaxSTEP:" << maxSTEP << "\tmaxLOOP:" << loops << "\tminLOOP:" << min_loop
               << "\tmaxImpless:" << maxImpless << "\tmaxTABU:" << tabu_size;
  report.end_line();
  write_operator_priorities(report);
  report.line("ObjF:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC\tF(r,x)\tF(h,x)\tRunT\tBStep");
  write_objective_priorities(report);
}

void write_row(RunReport& report, const char* label, const OBJ_VALUE& v) {
  report.out() << label;
  print_obj_row(report.out(), v);
}

}  // namespace

void performance_test() {
  RunHost& host = run_host();
  RunReport report;
  if (!report.open()) {
    host.show_message("File opening error! Process stopped.");
    host.uncheck_performance_test();
    return;
  }
  const int N = host.scheduler_field(SchedulerField::Iterations);
  const int maxSTEP = host.scheduler_field(SchedulerField::Steps);
  const int loops = host.scheduler_field(SchedulerField::Loops);
  const int tabu_size = host.scheduler_field(SchedulerField::TabuSize);
  const int min_loop = host.scheduler_field(SchedulerField::MinLoop);
  const int maxImpless = host.scheduler_field(SchedulerField::ImprovementLess);
  show_test_windows(N);
  write_header(report, maxSTEP, loops, min_loop, maxImpless, tabu_size);

  const size_t slots = static_cast<size_t>(N > 0 ? N : 0) + 1;
  std::vector<OBJ_VALUE> rand_v(slots), heur_v(slots), search_v(slots);
  CriteriaSum rand_sum, heur_sum, search_sum;
  double F_rh = 0, F_rs = 0, F_hs = 0, run_time = 0;
  int it = 0;

  seed_random_from_time();
  stop_flag = false;
  while (it < N) {
    report.out() << "   " << it + 1 << ":";
    for (int i = 0; i < 6; ++i) report.out() << "\t------";
    report.end_line();
    if (stop_flag) {
      if (host.ask_yes_no("Do You really want to stop the test?")) {
        host.show_message("Test stopped!");
        break;
      }
      stop_flag = false;
    }
    ++it;
    host.set_progress_label(ProgressLabel::Step, std::to_string(it));
    host.process_events();
    // The search below clears the stop request before its first step; a
    // "Stop" pressed during these events is kept for the next iteration's
    // question instead of being lost.
    const bool stop_pending = stop_flag;

    _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
    random_init_S(S, Orders, Jobs);
    time_and_evaluate(S, rand_v[it]);
    write_row(report, "rand", rand_v[it]);
    report.end_line();
    rand_sum.add(rand_v[it]);

    order_exe_type_assign_jobs(S, Orders, Exe_O);
    time_and_evaluate(S, heur_v[it]);
    const double f_rh = rand_v[it].F(heur_v[it]);
    write_row(report, "heur", heur_v[it]);
    report.out() << sign_column(f_rh);
    report.end_line();
    F_rh += f_rh;
    heur_sum.add(heur_v[it]);

    double t = 0;
    int best_step = 0;
    int best_loop = 0;
    TS_batch_core(maxSTEP, loops, min_loop, maxImpless, tabu_size, S, t, best_step, best_loop);
    stop_flag = stop_flag || stop_pending;
    time_and_evaluate(S, search_v[it]);
    const double f_rs = rand_v[it].F(search_v[it]);
    const double f_hs = heur_v[it].F(search_v[it]);
    write_row(report, "search", search_v[it]);
    report.out() << sign_column(f_rs) << sign_column(f_hs) << run_time_column(t) << "\t[" << best_step << "]";
    report.end_line();
    F_rs += f_rs;
    F_hs += f_hs;
    run_time += t;
    search_sum.add(search_v[it]);
  }

  report.out() << " Avp(" << it << "it):";
  for (int i = 0; i < 6; ++i) report.out() << "\t======";
  report.end_line();
  report.out() << "rand:";
  rand_sum.write_average(report, it);
  report.end_line();
  report.out() << "heur:";
  heur_sum.write_average(report, it);
  report.out() << sign_column(mean(F_rh, it));
  report.end_line();
  report.out() << "search:";
  search_sum.write_average(report, it);
  const double mean_time = mean(run_time, it);
  report.out() << sign_column(mean(F_rs, it)) << sign_column(mean(F_hs, it)) << run_time_column(mean_time);
  report.end_line();
  report.line();
  if (mean_time >= 60) report.line();

  report.line("ObjF:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC");
  write_objective_priorities(report);
  for (int i = 0; i < 6; ++i) report.out() << "\t------";
  report.end_line();
  for (int i = 1; i <= it; ++i) {
    report.out() << "s_" << i << ":";
    print_obj_row(report.out(), search_v[i]);
    report.end_line();
  }
  if (it >= 1) {
    // Ties keep the earliest iteration.
    int best = 1;
    for (int i = 1; i <= it; ++i)
      if (search_v[best].worse(search_v[i])) best = i;
    report.line("best solution:\ts_" + std::to_string(best));
    report.line();
  }
  report.line("Rel. quality of s_row: - better, + worse, 0 equal.");
  for (int j = 1; j <= it; ++j) report.out() << "\ts_" << j;
  for (int i = 1; i <= it; ++i) {
    report.end_line();
    report.out() << "s_" << i;
    for (int j = 1; j <= it; ++j) report.out() << sign_column(search_v[j].F(search_v[i]));
  }
  report.end_line();

  const struct {
    ResultSeries series;
    const std::vector<OBJ_VALUE>& values;
    ChartColour colour;
  } bars[3] = {{ResultSeries::MeasuringRandom, rand_v, ChartColour::Late},
               {ResultSeries::MeasuringHeuristic, heur_v, ChartColour::Setup},
               {ResultSeries::MeasuringSearch, search_v, ChartColour::Intime}};
  for (const auto& b : bars) {
    host.clear_series(b.series);
    for (int i = 1; i <= it; ++i) {
      const double late = static_cast<double>(b.values[i].n_of_Late_Jobs);
      host.add_series_point(b.series, i, late, std::to_string(b.values[i].n_of_Late_Jobs), b.colour);
    }
  }
  report.finish();
  host.show_window(RunWindow::Scheduler, true);
  host.show_window(RunWindow::Progress, false);
  host.show_progress_group(ProgressGroup::Objectives, true);
  host.show_progress_group(ProgressGroup::Control, true);
  host.load_results_memo(ResultsMemo::Average, run_report_path());
  host.show_results_memo(ResultsMemo::Average, true);
  host.show_window(RunWindow::Results, true);
  host.uncheck_performance_test();
}
