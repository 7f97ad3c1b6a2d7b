#include "solvers/performance_test.h"

#include <vector>

#include "solvers/batch_search.h"
#include "engine/random_source.h"
#include "solvers/run_frame.h"
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
};

// A test stopped before its first iteration has nothing to average: 0, never
// a division by zero.
double mean(double sum, int it) { return it > 0 ? sum / it : 0.0; }

// What the iterations of one test collected; entries 1..it of the value arrays.
struct TestResults {
  explicit TestResults(int N)
      : rand(static_cast<size_t>(N > 0 ? N : 0) + 1), heur(rand.size()), search(rand.size()) {}
  std::vector<OBJ_VALUE> rand, heur, search;
  CriteriaSum rand_sum, heur_sum, search_sum;
  double F_rh = 0, F_rs = 0, F_hs = 0;  // F(rand, heur), F(rand, search), F(heur, search)
  double run_time = 0;
  int it = 0;
};

void show_test_windows(int N) {
  begin_table_run_windows();
  RunHost& host = run_host();
  host.set_progress_label(ProgressLabel::StepCaption, "Iteration:");
  host.set_progress_label(ProgressLabel::Step, "0");
  host.set_progress_label(ProgressLabel::StepSlash, "/");
  host.set_progress_label(ProgressLabel::StepTotal, std::to_string(N));
}

void write_header(RunReport& report, const BatchParameters& p) {
  report.line(" Performance test.   Input file :" + input_file_name);
  write_problem_sizes(report);
  write_search_parameters(report, p);
  report.line("ObjF:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC\tF(r,x)\tF(h,x)\tRunT\tBStep");
  write_objective_priorities(report);
}

void write_row(RunReport& report, const char* label, const OBJ_VALUE& v) {
  report.out() << label;
  print_obj_row(report.out(), v);
}

void write_six(RunReport& report, const char* cell) {
  for (int i = 0; i < 6; ++i) report.out() << cell;
}

void write_averages(RunReport& report, const TestResults& r) {
  const auto average = [&](const char* label, const CriteriaSum& sum) {
    report.out() << label;
    for (int i = 0; i < 6; ++i) report.out() << '\t' << mean(sum.v[i], r.it);
  };
  report.out() << " Avp(" << r.it << "it):";
  write_six(report, "\t======");
  report.end_line();
  average("rand:", r.rand_sum);
  report.end_line();
  average("heur:", r.heur_sum);
  report.out() << sign_column(mean(r.F_rh, r.it));
  report.end_line();
  average("search:", r.search_sum);
  const double mean_time = mean(r.run_time, r.it);
  report.out() << sign_column(mean(r.F_rs, r.it)) << sign_column(mean(r.F_hs, r.it)) << run_time_column(mean_time);
  report.end_line();
  report.line();
  if (mean_time >= 60) report.line();
}

// Every search result, the best of them and the pairwise quality matrix.
void write_search_results(RunReport& report, const TestResults& r) {
  const std::vector<OBJ_VALUE>& s = r.search;
  report.line("ObjF:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC");
  write_objective_priorities(report);
  write_six(report, "\t------");
  report.end_line();
  for (int i = 1; i <= r.it; ++i) {
    report.out() << "s_" << i << ":";
    print_obj_row(report.out(), s[i]);
    report.end_line();
  }
  // Without an iteration there is no s_1 to name.
  if (r.it >= 1) {
    int best = 1;  // ties keep the earliest iteration
    for (int i = 1; i <= r.it; ++i)
      if (s[best].worse(s[i])) best = i;
    report.line("best solution:\ts_" + std::to_string(best));
    report.line();
  }
  report.line("Rel. quality of s_row: - better, + worse, 0 equal.");
  for (int j = 1; j <= r.it; ++j) report.out() << "\ts_" << j;
  for (int i = 1; i <= r.it; ++i) {
    report.end_line();
    report.out() << "s_" << i;
    for (int j = 1; j <= r.it; ++j) report.out() << sign_column(s[j].F(s[i]));
  }
  report.end_line();
}

// The "Measuring" chart: the late jobs of every iteration's three schedules.
void chart_late_jobs(const TestResults& r) {
  RunHost& host = run_host();
  const struct {
    ResultSeries series;
    const std::vector<OBJ_VALUE>& values;
    ChartColour colour;
  } bars[3] = {{ResultSeries::MeasuringRandom, r.rand, ChartColour::Late},
               {ResultSeries::MeasuringHeuristic, r.heur, ChartColour::Setup},
               {ResultSeries::MeasuringSearch, r.search, ChartColour::Intime}};
  for (const auto& b : bars) {
    host.clear_series(b.series);
    for (int i = 1; i <= r.it; ++i) {
      const long long late = b.values[i].n_of_Late_Jobs;
      host.add_series_point(b.series, i, static_cast<double>(late), std::to_string(late), b.colour);
    }
  }
}

// One iteration: a random schedule, the heuristic schedule and the headless
// search from it, each written as a row and added to the sums.
void run_iteration(RunReport& report, const BatchParameters& p, TestResults& r) {
  const int it = r.it;
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  random_init_S(S, Orders, Jobs);
  time_and_evaluate(S, r.rand[it]);
  write_row(report, "rand", r.rand[it]);
  report.end_line();
  r.rand_sum.add(r.rand[it]);

  order_exe_type_assign_jobs(S, Orders, Exe_O);
  time_and_evaluate(S, r.heur[it]);
  const double f_rh = r.rand[it].F(r.heur[it]);
  write_row(report, "heur", r.heur[it]);
  report.out() << sign_column(f_rh);
  report.end_line();
  r.F_rh += f_rh;
  r.heur_sum.add(r.heur[it]);

  double t = 0;
  int best_step = 0;
  int best_loop = 0;
  TS_batch_core(p, S, t, best_step, best_loop);
  time_and_evaluate(S, r.search[it]);
  const double f_rs = r.rand[it].F(r.search[it]);
  const double f_hs = r.heur[it].F(r.search[it]);
  write_row(report, "search", r.search[it]);
  report.out() << sign_column(f_rs) << sign_column(f_hs) << run_time_column(t) << "\t[" << best_step << "]";
  report.end_line();
  r.F_rs += f_rs;
  r.F_hs += f_hs;
  r.run_time += t;
  r.search_sum.add(r.search[it]);
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
  const BatchParameters p = read_batch_parameters();
  show_test_windows(N);
  write_header(report, p);

  TestResults r(N);
  seed_random_from_time();
  stop_flag = false;
  while (r.it < N) {
    report.out() << "   " << r.it + 1 << ":";
    write_six(report, "\t------");
    report.end_line();
    if (stop_confirmed(host, "Do You really want to stop the test?", "Test stopped!", false)) break;
    ++r.it;
    host.set_progress_label(ProgressLabel::Step, std::to_string(r.it));
    host.process_events();
    // The search clears the stop request before its first step; a "Stop"
    // pressed during these events is kept for the next iteration's question
    // instead of being lost.
    const bool stop_pending = stop_flag;
    {
      const ClockSeedOffset own_second(r.it - 1);
      run_iteration(report, p, r);
    }
    stop_flag = stop_flag || stop_pending;
  }

  write_averages(report, r);
  write_search_results(report, r);
  chart_late_jobs(r);
  report.finish();
  end_table_run_windows();
  host.show_window(RunWindow::Results, true);
  host.uncheck_performance_test();
}
