// Rates of the solver drivers, measured in one run:
//   - the enumeration: schedules evaluated per second on a 4-machine, 7-job
//     problem (every job may use every machine: 4*5*...*10 = 604,800
//     schedules), and the cost of one enumerated schedule against one timing
//     + evaluation of the same problem;
//   - the tabu search's own step loop (TabuSearchLoop, as the drivers run it:
//     assign, operator, move, tabu test, add, time, evaluate) per sample and
//     per operator against one timing + evaluation, on the generated problems
//     of three sizes, with the heap allocations per sample once the tabu list
//     is full. Targets: N1 and N5 <= 1.5x, N2 to N4 <= 2.5x, no allocation.
// A program to run by hand.
#include <atomic>
#include <chrono>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "engine/enumeration.h"
#include "engine/live_schedule.h"
#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/run_host.h"
#include "engine/run_report.h"
#include "engine/search_operators.h"
#include "engine/tabu_search_loop.h"
#include "engine/timing.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/small_shop.h"
#include "tests/support/temp_dir.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

template <class F>
double seconds_per_call(F&& f, double min_seconds = 0.3) {
  f();
  long calls = 0;
  const Clock::time_point start = Clock::now();
  double elapsed = 0;
  do {
    f();
    ++calls;
    elapsed = seconds_since(start);
  } while (elapsed < min_seconds);
  return elapsed / static_cast<double>(calls);
}

// One timing + evaluation of a random schedule of the loaded problem.
double base_cost() {
  seed_random(1);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  OBJ_VALUE v;
  return seconds_per_call([&] {
    calc_S_times(S);
    calc_S_obj_values(S, v);
  });
}

// Counts the steps of a running loop and notes the allocation count once the
// tabu list has filled.
class StepCounter : public RunHost {
 public:
  int steps = 0;
  int full_from_step = 0;
  long allocations_at_full = 0;
  void process_events() override {
    if (++steps == full_from_step) allocations_at_full = g_allocations.load();
  }
};

void bench_enumeration() {
  TempDir dir;
  set_run_report_folder(dir.path());
  const std::vector<int> all = {1, 2, 3, 4};
  load_small_shop({{1, 1, 1}, {1, 1, 2}, {1, 1, 3}, {1, 1, 1}},
                  {{3, 10, 1, 1, 1, 0, 30, all}, {2, 20, 1, 1, 2, 5, 40, all}, {2, 15, 1, 1, 1, 0, 25, all}});
  const double base = base_cost();
  const Clock::time_point start = Clock::now();
  Enumeration_small_size();
  const double seconds = seconds_since(start);
  const double schedules = 604800.0;
  std::printf("Enumeration, 4 machines, 7 jobs: %.0f schedules in %.2f s = %.0f schedules/s\n", schedules, seconds,
              schedules / seconds);
  std::printf("  one enumerated schedule %.3f us = %.2fx one time + evaluate (%.3f us)\n",
              seconds / schedules * 1e6, seconds / schedules / base, base * 1e6);
  const std::string r = read_file(run_report_path());
  const size_t at = r.find("Number of evaluated schedule: ");
  if (at != std::string::npos) std::printf("  report: %s\n", r.substr(at, r.find('\n', at) - at).c_str());
  last_SCH.reset();
  set_run_report_folder("");
}

void bench_loop(const char* name, GeneratedSize size) {
  if (!load_generated_problem(1, size)) {
    std::printf("%s: the problem could not be generated\n", name);
    return;
  }
  const double base = base_cost();
  std::printf("\nTabu step loop, %s: %d machines, %d orders, %d jobs; time + evaluate %.2f us\n", name,
              n_of_Machines, n_of_Orders, n_of_Jobs, base * 1e6);
  int saved[n_of_operators + 1];
  std::copy(Nx_op_pri, Nx_op_pri + n_of_operators + 1, saved);
  for (int op = 1; op <= n_of_operators; ++op) {
    std::fill(Nx_op_pri + 1, Nx_op_pri + n_of_operators + 1, 0);
    Nx_op_pri[op] = 1;
    seed_random(5);
    reset_J_A_M_wload();
    random_J_A_M_wload();
    _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    // Enough samples for a steady figure. The tabu list is full after 150
    // samples; its ring keeps up to 256 slots, each allocated once on its first
    // use, so allocations are counted from step 12 (600 samples) on.
    const int loops = 50;
    const int steps = std::max(20, static_cast<int>(0.5 / (base * 2 * loops)));
    int tabu_size = 150;
    TabuRules rules;
    rules.maxSTEP = steps;
    rules.loops = &loops;
    rules.tabu_size = &tabu_size;
    rules.early_end_from = INT_MAX;  // every step draws all its samples
    rules.interactive = false;
    StepCounter counter;
    counter.full_from_step = 12;
    set_run_host(&counter);
    TabuSearchLoop loop(rules, S);
    loop.start();
    const Clock::time_point start = Clock::now();
    loop.run();
    const double seconds = seconds_since(start);
    set_run_host(nullptr);
    const long samples = static_cast<long>(steps) * loops;
    const long late_samples = static_cast<long>(steps - counter.full_from_step + 1) * loops;
    const double target = (op == 1 || op == 5) ? 1.5 : 2.5;
    std::printf("  N%d: %ld samples (%d evaluated), %.2f us/sample = %.2fx (target <= %.1fx), "
                "%.3f allocations/sample from sample 600 on\n",
                op, samples, loop.evaluated() - 1, seconds / samples * 1e6, seconds / samples / base, target,
                static_cast<double>(g_allocations.load() - counter.allocations_at_full) /
                    static_cast<double>(late_samples));
  }
  std::copy(saved, saved + n_of_operators + 1, Nx_op_pri);
}

}  // namespace

int main() {
  bench_enumeration();
  bench_loop("Small", GeneratedSize::Small);
  bench_loop("Default", GeneratedSize::Default);
  bench_loop("Large", GeneratedSize::Large);
  return 0;
}
