// Rates of the solver drivers, measured in one run:
//   - the enumeration: schedules evaluated per second on a 4-machine, 7-job
//     problem (every job may use every machine: 4*5*...*10 = 604,800
//     schedules), and the cost of one enumerated schedule against one timing
//     + evaluation of the same problem;
//   - the tabu search's own step loop (TabuSearchLoop, as the drivers run it:
//     assign, operator, move, tabu test, add, time, evaluate) per sample and
//     per operator against one timing + evaluation, on the generated problems
//     of three sizes, with the heap allocations per sample once the tabu list
//     is full (samples timed and evaluated incrementally; the current schedule
//     in full once per step). Targets: N1 and N5 <= 0.5x, N2 to N4 <= 0.7x,
//     no allocation.
// A program to run by hand; after Google Benchmark's table it prints the
// rates and ratios of this run (fastest repetition of each measure).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/support/allocation_counter.h"
#include "bench/support/measure.h"
#include "bench/support/problem_shelf.h"
#include "bench/support/ratio_reporter.h"
#include "solvers/enumeration.h"
#include "engine/live_schedule.h"
#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/run_host.h"
#include "solvers/run_report.h"
#include "engine/search_operators.h"
#include "engine/tabu_search_loop.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/small_shop.h"
#include "tests/support/temp_dir.h"

namespace {

// Samples per step of the step loop (the window's default is 100; half keeps a
// step of the largest problem short enough to time several).
constexpr int kLoops = 50;
// Untimed steps before the step loop is measured: the tabu list is full
// after 150 samples, its ring of 256 slots has every slot's rows after 256.
constexpr int kWarmUpSteps = 6;

void use_enumeration_shop() {
  const std::vector<int> all = {1, 2, 3, 4};
  const bool loaded = use_problem("enumeration shop", [&] {
    load_small_shop({{1, 1, 1}, {1, 1, 2}, {1, 1, 3}, {1, 1, 1}},
                    {{3, 10, 1, 1, 1, 0, 30, all}, {2, 20, 1, 1, 2, 5, 40, all}, {2, 15, 1, 1, 1, 0, 25, all}});
    return n_of_Machines == 4 && n_of_Jobs == 7;
  });
  if (!loaded) {
    std::fprintf(stderr, "could not load the enumeration shop\n");
    std::exit(1);
  }
}

void use_size(benchmark::State& state) { require_generated_problem(1, static_cast<GeneratedSize>(state.range(0))); }

// One timing + evaluation of a random schedule of the loaded problem.
void time_and_evaluate(benchmark::State& state) {
  seed_random(1);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  OBJ_VALUE v;
  for (auto _ : state) {
    calc_S_times(S);
    calc_S_obj_values(S, v);
    benchmark::DoNotOptimize(v.sumTardiness);
  }
  count_problem_size(state);
}

void BM_enumeration_shop_time_and_evaluate(benchmark::State& state) {
  use_enumeration_shop();
  time_and_evaluate(state);
}

void BM_enumeration(benchmark::State& state) {
  use_enumeration_shop();
  for (auto _ : state) Enumeration_small_size();
  const double evaluated = evaluated_in_run_report();
  state.counters["evaluated"] = evaluated;
  state.counters["schedules/s"] =
      benchmark::Counter(evaluated * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  last_SCH.reset();
}

void BM_time_and_evaluate(benchmark::State& state) {
  use_size(state);
  time_and_evaluate(state);
}

// Runs the benchmark's iterations inside the loop: one iteration is one step
// (kLoops samples), counted from the first step after the warm-up, when the
// loop lets pending events run. The steps of the warm-up are not timed.
class StepTimer : public RunHost {
 public:
  StepTimer(benchmark::State& state, const TabuSearchLoop& loop) : state_(state), loop_(loop) {}
  void process_events() override {
    if (++step_ <= kWarmUpSteps) return;
    state_.KeepRunning();
    // Counted from after the benchmark's own start of timing and up to before
    // its end (both allocate), so that only the loop's allocations count.
    if (step_ == kWarmUpSteps + 1) {
      allocations_at_start_ = heap_allocations();
      evaluated_at_start_ = loop_.evaluated();
    }
  }
  long allocations_at_start() const { return allocations_at_start_; }
  int evaluated_at_start() const { return evaluated_at_start_; }

 private:
  benchmark::State& state_;
  const TabuSearchLoop& loop_;
  int step_ = 0;
  long allocations_at_start_ = 0;
  int evaluated_at_start_ = 0;
};

void BM_tabu_step_loop(benchmark::State& state) {
  use_size(state);
  const int op = static_cast<int>(state.range(1));
  int saved[n_of_operators + 1];
  std::copy(Nx_op_pri, Nx_op_pri + n_of_operators + 1, saved);
  std::fill(Nx_op_pri + 1, Nx_op_pri + n_of_operators + 1, 0);
  Nx_op_pri[op] = 1;
  seed_random(5);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  const int loops = kLoops;
  int tabu_size = 150;
  TabuRules rules;
  rules.maxSTEP = kWarmUpSteps + static_cast<int>(std::min<benchmark::IterationCount>(state.max_iterations, 1000000));
  rules.loops = &loops;
  rules.tabu_size = &tabu_size;
  rules.early_end_from = INT_MAX;  // every step draws all its samples
  rules.interactive = false;
  TabuSearchLoop loop(rules, S);
  StepTimer timer(state, loop);
  set_run_host(&timer);
  loop.start();
  loop.run();
  const long allocations = heap_allocations() - timer.allocations_at_start();
  // The last step has run: this ends the timing.
  if (state.KeepRunning()) state.SkipWithError("the step loop ended before its steps were timed");
  set_run_host(nullptr);
  std::copy(saved, saved + n_of_operators + 1, Nx_op_pri);

  const double samples = static_cast<double>(state.iterations()) * loops;
  if (samples > 0) {
    state.counters["evaluated/sample"] = (loop.evaluated() - timer.evaluated_at_start()) / samples;
    state.counters["allocs/sample"] = static_cast<double>(allocations) / samples;
  }
  count_problem_size(state);
}

BENCHMARK(BM_enumeration_shop_time_and_evaluate);
BENCHMARK(BM_enumeration)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_time_and_evaluate)->DenseRange(0, 2);
BENCHMARK(BM_tabu_step_loop)->ArgsProduct({{0, 1, 2}, {1, 2, 3, 4, 5}})->Unit(benchmark::kMicrosecond);

void print_enumeration(const RatioReporter& r) {
  const std::string run = "BM_enumeration";
  const std::string base = "BM_enumeration_shop_time_and_evaluate";
  const double evaluated = r.counter(run, "evaluated");
  if (evaluated <= 0) return;
  const double seconds = r.ns(run) / 1e9;
  std::printf("Enumeration, 4 machines, 7 jobs: %.0f schedules in %.2f s = %.0f schedules/s\n", evaluated, seconds,
              evaluated / seconds);
  if (r.has(base))
    std::printf("  one enumerated schedule %.3f us = %.2fx one time + evaluate (%.3f us)\n", seconds / evaluated * 1e6,
                r.ns(run) / evaluated / r.ns(base), r.ns(base) / 1e3);
  std::printf("  report: Number of evaluated schedule: %.0f\n", evaluated);
}

void print_loop(const RatioReporter& r, int size) {
  const std::string s = "/" + std::to_string(size);
  const std::string base = "BM_time_and_evaluate" + s;
  if (!r.has(base)) return;
  std::printf("\nTabu step loop, %s: %.0f machines, %.0f orders, %.0f jobs; time + evaluate %.2f us\n",
              size_name(static_cast<GeneratedSize>(size)), r.counter(base, "machines"), r.counter(base, "orders"),
              r.counter(base, "jobs"), r.ns(base) / 1e3);
  for (int op = 1; op <= n_of_operators; ++op) {
    const std::string run = "BM_tabu_step_loop" + s + "/" + std::to_string(op);
    if (!r.has(run)) continue;
    const double per_sample = r.ns(run) / kLoops;
    std::printf(
        "  N%d: %.2f us/sample = %.2fx (target <= %.1fx), %.0f%% of samples evaluated, "
        "%.3f allocations/sample once the tabu list is full\n",
        op, per_sample / 1e3, per_sample / r.ns(base), (op == 1 || op == 5) ? 0.5 : 0.7,
        100 * r.counter(run, "evaluated/sample"), r.counter(run, "allocs/sample"));
  }
}

}  // namespace

int main(int argc, char** argv) {
  TempDir report_folder;
  set_run_report_folder(report_folder.path());
  RatioReporter reporter;
  const int code = run_benchmarks(argc, argv, reporter, 3, 0.2);
  set_run_report_folder("");
  if (code) return code;
  std::printf("\n");
  print_enumeration(reporter);
  for (int size = 0; size < 3; ++size) print_loop(reporter, size);
  return 0;
}
