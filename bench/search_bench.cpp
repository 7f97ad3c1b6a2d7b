// Cost of the tabu search's inner loop against one timing + evaluation of the
// same schedule, on the generated problems of three sizes:
//   - the tabu test against a full list of 150 entries (a miss walks them all;
//     a hit compares the matching entry's sequences in full),
//   - one sample per operator: reset from the current schedule, move, tabu
//     test, add (dropping the oldest beyond 150), incremental timing and
//     evaluation,
//   - heap allocations per call of each, the samples' list being full;
//   - on a shop of 10 machines (one per machine group) and 10 orders where
//     order 1 holds 89,624 jobs of one route step, all on machine 1: one
//     move_reinsert_order of that order and one move_shuffle_machine of
//     machine 1 against one timing + evaluation (target <= 2x each); the
//     same shuffle with the number of drawn positions fixed (2 up to every
//     position of the machine), since its cost grows with that number
//     (target <= 2x at each); and
//     one move_reinsert_order_resch of that order in the schedule frozen at a
//     tenth of its completion time (its first job free, or frozen), against
//     the same timing + evaluation (target <= 2x);
//   - a whole tabu search on the Default problem (kPathSteps steps of 100
//     samples from a fixed seed): samples per second, and whether it walked
//     the reference path (the digest of its step-by-step best values, evaluated
//     counts and best schedules, as recorded when every sample was timed and
//     evaluated in full).
// Targets: tabu test <= 0.2x; samples of N1 and N5 <= 0.5x, of N2..N4 <= 0.7x
// (they find the late jobs once per step of 100 samples; the current schedule
// is timed in full once per step and every sample incrementally); no
// allocation per sample.
// A program to run by hand; after Google Benchmark's table it prints one table
// per size with the ratios of this run (fastest repetition of each measure).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/support/measure.h"
#include "bench/support/problem_shelf.h"
#include "bench/support/ratio_reporter.h"
#include "engine/freezing.h"
#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/resch_moves.h"
#include "engine/sample_move.h"
#include "engine/sample_timing.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/tabu_list.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"
#include "tests/support/search_path.h"
#include "tests/support/small_shop.h"

namespace {

constexpr int kTabuSize = 150;
// Samples of one step (the window's default): the late jobs of the schedule
// the samples start from are found once per step.
constexpr int kStepSamples = 100;

// The schedules and lists of one size, built on its first use.
struct Fixture {
  bool built = false;
  long positions = 0;
  _S current;  // every sample starts from it
  _S sample;
  _S timed;
  OBJ_VALUE values;
  TABULIST fixed;  // 150 neighbours of current, never changed
  _S miss;         // not in fixed
  _S hit;          // fixed's oldest entry, found last
  TABULIST list;   // the samples' own list, kept at 150 as the drivers keep it
  LateJobs late;   // of current, found afresh every kStepSamples samples
  SampleTiming timing;  // current as the samples' base, timed afresh every kStepSamples samples
  int in_step = kStepSamples;

  // One sample by operator op, as the drivers draw it: reset from current,
  // move, tabu test, add, incremental timing and evaluation.
  void one_sample(int op) {
    if (++in_step > kStepSamples) {
      // A new step: the drivers time the current schedule and find its late
      // jobs once per step.
      late.forget();
      late.use_base_of(&timing);
      timing.set_base(current);
      in_step = 1;
    }
    timing.reset_sample(sample);
    if (apply_Nx_op(sample, op, late) == 0) return;  // N3 on a short machine: dropped
    const std::uint64_t h = timing.tabu_hash_of(sample);
    if (list.is_in_tabu_list(sample, h)) return;
    list.add(sample, h);
    if (list.count() > kTabuSize) list.drop_oldest();
    timing.time_and_evaluate(sample, values);
  }
};
Fixture g_fixtures[3];

Fixture& fixture_for(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  Fixture& f = g_fixtures[size];
  require_generated_problem(1, static_cast<GeneratedSize>(size));
  count_problem_size(state);
  if (f.built) {
    state.counters["positions"] = static_cast<double>(f.positions);
    return f;
  }
  f.built = true;
  // A random schedule drawn from a fixed seed (random_init_S would seed from the clock).
  seed_random(1);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  f.current = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  for (int j = 1; j <= n_of_Jobs; ++j) f.positions += f.current.n_steps(j);
  state.counters["positions"] = static_cast<double>(f.positions);
  f.sample = f.current;
  f.timed = f.current;

  // The fixed list holds neighbours drawn from a known seed, so that the first
  // of them (the oldest entry) can be drawn again for the hit; a neighbour by
  // another operator is the miss.
  seed_random(77);
  for (int i = 0; i < kTabuSize; ++i) {
    f.sample.assign(f.current);
    apply_Nx_op(f.sample, 5, f.late);
    f.fixed.add(f.sample);
  }
  f.miss = f.current;
  apply_Nx_op(f.miss, 1, f.late);
  f.hit = f.current;
  seed_random(77);
  apply_Nx_op(f.hit, 5, f.late);
  if (f.fixed.is_in_tabu_list(f.miss) != 0 || f.fixed.oldest()->equal(f.hit) != 1) {
    std::fprintf(stderr, "the tabu test's miss and hit could not be set up\n");
    std::exit(1);
  }
  // The samples' ring and rows reach their working size.
  for (int i = 0; i < 400; ++i) f.one_sample(1 + i % n_of_operators);
  return f;
}

void BM_time_and_evaluate(benchmark::State& state) {
  Fixture& f = fixture_for(state);
  measure_counting_allocations(state, [&] {
    calc_S_times(f.timed, MG_M_ex, Orders, Jobs, Machines);
    calc_S_obj_values(f.timed, f.values, Orders, Jobs);
  });
}

void BM_tabu_test_miss(benchmark::State& state) {
  Fixture& f = fixture_for(state);
  measure_counting_allocations(state,
                               [&] { benchmark::DoNotOptimize(f.fixed.is_in_tabu_list(f.miss, tabu_hash(f.miss))); });
}

void BM_tabu_test_hit(benchmark::State& state) {
  Fixture& f = fixture_for(state);
  measure_counting_allocations(state,
                               [&] { benchmark::DoNotOptimize(f.fixed.is_in_tabu_list(f.hit, tabu_hash(f.hit))); });
}

void BM_sample(benchmark::State& state) {
  Fixture& f = fixture_for(state);
  const int op = static_cast<int>(state.range(1));
  measure_counting_allocations(state, [&] { f.one_sample(op); });
}

// The long order's shop and a random schedule of it, built once.
constexpr int kLongOrderJobs = 89624;
struct LongOrder {
  bool built = false;
  _S S;
  OBJ_VALUE values;
};
LongOrder g_long;

LongOrder& long_order(benchmark::State& state) {
  const bool loaded = use_problem("long order", [] {
    std::vector<SmallMachine> machines;
    for (int g = 1; g <= 10; ++g) machines.push_back({MG_TS[g][1], MG_TS[g][MG_TS[g][0]], 1 + g % 3});
    const std::vector<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<SmallOrder> orders = {{kLongOrderJobs, 10, 1, 1, 1, 0, 400000, all}};
    for (int o = 2; o <= 10; ++o) {
      const int first = 1 + o % 4;
      orders.push_back({20 + o, 5 + o, first, std::min(4, first + o % 3), 1 + o % 2, o * 10, 2000, all});
    }
    load_small_shop(machines, orders);
    return n_of_Machines == 10 && n_of_Orders == 10 && Orders[1].NJob == kLongOrderJobs;
  });
  if (!loaded) {
    state.SkipWithError("the long order's shop could not be built");
    return g_long;
  }
  count_problem_size(state);
  if (!g_long.built) {
    g_long.built = true;
    seed_random(3);
    reset_J_A_M_wload();
    random_J_A_M_wload();
    g_long.S = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  }
  return g_long;
}

void BM_long_order_time_and_evaluate(benchmark::State& state) {
  LongOrder& f = long_order(state);
  for (auto _ : state) {
    calc_S_times(f.S, MG_M_ex, Orders, Jobs, Machines);
    calc_S_obj_values(f.S, f.values, Orders, Jobs);
  }
}

// Each move starts from where the last one left the schedule: the order
// stays one block on machine 1 and the sequence keeps its length.
void BM_long_order_reinsert_order(benchmark::State& state) {
  LongOrder& f = long_order(state);
  seed_random(4);
  measure_counting_allocations(state, [&] { move_reinsert_order(f.S, 1, Orders, Jobs); });
}

void BM_long_order_shuffle_machine(benchmark::State& state) {
  LongOrder& f = long_order(state);
  seed_random(5);
  measure_counting_allocations(state, [&] { move_shuffle_machine(f.S, 1); });
}

// The shuffle's work once its first draw has fixed the number k of positions
// (range 0; clamped to the machine's length): draw k positions, rotate them.
void BM_long_order_shuffle_drawn(benchmark::State& state) {
  LongOrder& f = long_order(state);
  const int k = std::min(f.S.count(1), static_cast<int>(state.range(0)));
  seed_random(5);
  measure_counting_allocations(state, [&] { shuffle_positions(f.S, 1, 0, k); });
  state.counters["drawn"] = k;
}

// The long order's schedule timed and frozen at a tenth of its completion
// time, as a rescheduling run freezes the released schedule; `frozen_first`
// picks a schedule whose order 1 starts with a frozen job (then every job of
// the order is re-inserted on its own) or with a free one (the free jobs
// follow it, the frozen ones go back to their places). Each move starts from
// where the last one left the schedule.
struct LongOrderFrozen {
  bool built = false;
  _S ref;
  _S S;
  std::vector<JOB> jobs;  // the freezing of ref, put back before each measure
  std::vector<MACHINE> machines;
};
LongOrderFrozen g_long_frozen[2];

void BM_long_order_reinsert_order_resch(benchmark::State& state) {
  LongOrder& f = long_order(state);
  const bool frozen_first = state.range(0) != 0;
  LongOrderFrozen& z = g_long_frozen[frozen_first ? 1 : 0];
  if (!z.built) {
    z.built = true;
    // The first job of order 1 stands on machine 1 at a random place: draw
    // schedules until it falls inside (or after) the frozen tenth.
    for (std::uint32_t seed = 11;; ++seed) {
      fill_random_schedule(seed);
      z.ref = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
      calc_S_times(z.ref, MG_M_ex, Orders, Jobs, Machines);
      OBJ_VALUE v;
      calc_S_obj_values(z.ref, v, Orders, Jobs);
      freeze_S_at(z.ref, Orders, Jobs, Machines, static_cast<int>(v.Completion_Time / 10));
      if ((Jobs[Orders[1].First_Job].N_Frozen > 0) == frozen_first) break;
    }
    z.S = z.ref;
    z.jobs = Jobs;
    z.machines = Machines;
  }
  Jobs = z.jobs;
  Machines = z.machines;
  seed_random(6);
  measure_counting_allocations(state, [&] { move_reinsert_order_resch(z.S, 1, Orders, Jobs, Machines, z.ref); });
  (void)f;
}

// The whole search on the Default problem; one iteration is one search.
constexpr int kPathSteps = 120;
constexpr int kPathLoops = 100;
constexpr std::uint64_t kReferenceDigest = 0x24ef64e8cf40d0e7ull;

void BM_whole_search(benchmark::State& state) {
  require_generated_problem(1, GeneratedSize::Default);
  double samples = 0;
  double seconds = 0;
  std::uint64_t digest = 0;
  for (auto _ : state) {
    const SearchPath path = run_search_path(3, kPathSteps, kPathLoops);
    samples += path.evaluated;
    seconds += path.seconds;
    digest = path_digest(path);
  }
  state.counters["samples/s"] = seconds > 0 ? samples / seconds : 0;
  state.counters["same path"] = digest == kReferenceDigest ? 1 : 0;
  std::printf("whole search digest %016llx\n", static_cast<unsigned long long>(digest));
}

BENCHMARK(BM_time_and_evaluate)->DenseRange(0, 2);
BENCHMARK(BM_tabu_test_miss)->DenseRange(0, 2);
BENCHMARK(BM_tabu_test_hit)->DenseRange(0, 2);
BENCHMARK(BM_sample)->ArgsProduct({{0, 1, 2}, {1, 2, 3, 4, 5}});
BENCHMARK(BM_long_order_time_and_evaluate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_long_order_reinsert_order)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_long_order_shuffle_machine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_long_order_shuffle_drawn)
    ->Arg(2)
    ->Arg(592)
    ->Arg(10000)
    ->Arg(45000)
    ->Arg(87000)
    ->Arg(kLongOrderJobs + 1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_long_order_reinsert_order_resch)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_whole_search)->Iterations(1)->Unit(benchmark::kMillisecond);

void print_size(const RatioReporter& r, int size) {
  const std::string s = "/" + std::to_string(size);
  const std::string base = "BM_time_and_evaluate" + s;
  if (!r.has(base)) return;
  std::printf("\n%s: %.0f machines, %.0f orders, %.0f jobs, %.0f timed positions\n",
              size_name(static_cast<GeneratedSize>(size)), r.counter(base, "machines"), r.counter(base, "orders"),
              r.counter(base, "jobs"), r.counter(base, "positions"));
  auto line = [&](const char* label, const std::string& name, double target) {
    if (!r.has(name)) return;
    std::printf("  %-30s %10.2f us  %5.3fx", label, r.ns(name) / 1e3, r.ratio(name, base));
    if (target > 0) std::printf("  (target <= %.1fx)", target);
    std::printf("  %.3f allocations/call\n", r.counter(name, "allocs"));
  };
  line("time + evaluate", base, 0);
  line("tabu test, 150 entries, miss", "BM_tabu_test_miss" + s, 0.2);
  line("tabu test, 150 entries, hit", "BM_tabu_test_hit" + s, 0.2);
  for (int op = 1; op <= n_of_operators; ++op) {
    const std::string label = "sample N" + std::to_string(op);
    line(label.c_str(), "BM_sample" + s + "/" + std::to_string(op), (op == 1 || op == 5) ? 0.5 : 0.7);
  }
}

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  if (const int code = run_benchmarks(argc, argv, reporter, 5, 0.1)) return code;
  std::printf("\nRatios to one time + evaluate of the same schedule, measured in this run\n");
  for (int size = 0; size < 3; ++size) print_size(reporter, size);
  if (reporter.has("BM_long_order_time_and_evaluate")) {
    const std::string base = "BM_long_order_time_and_evaluate";
    std::printf("\nLong order: %.0f machines, %.0f orders, %.0f jobs, one order of %d jobs on one machine\n",
                reporter.counter(base, "machines"), reporter.counter(base, "orders"), reporter.counter(base, "jobs"),
                kLongOrderJobs);
    std::printf("  %-30s %10.3f ms  1.000x\n", "time + evaluate", reporter.ns(base) / 1e6);
    for (const char* name : {"BM_long_order_reinsert_order", "BM_long_order_shuffle_machine",
                             "BM_long_order_reinsert_order_resch/0", "BM_long_order_reinsert_order_resch/1"})
      if (reporter.has(name))
        std::printf("  %-30s %10.3f ms  %5.3fx  (target <= 2x)  %.3f allocations/call\n", name + 14,
                    reporter.ns(name) / 1e6, reporter.ratio(name, base), reporter.counter(name, "allocs"));
    for (const int k : {2, 592, 10000, 45000, 87000, kLongOrderJobs + 1000}) {
      const std::string name = "BM_long_order_shuffle_drawn/" + std::to_string(k);
      if (!reporter.has(name)) continue;
      const std::string label = "shuffle, " + std::to_string(static_cast<int>(reporter.counter(name, "drawn"))) + " drawn";
      std::printf("  %-30s %10.3f ms  %5.3fx  (target <= 2x)  %.3f allocations/call\n", label.c_str(),
                  reporter.ns(name) / 1e6, reporter.ratio(name, base), reporter.counter(name, "allocs"));
    }
  }
  if (reporter.has("BM_whole_search/iterations:1"))
    std::printf("\nWhole search, Default, %d steps x %d samples: %.0f samples/s (fastest repetition), %s path\n",
                kPathSteps, kPathLoops, reporter.counter("BM_whole_search/iterations:1", "samples/s"),
                reporter.counter("BM_whole_search/iterations:1", "same path") > 0 ? "the reference" : "NOT the reference");
  return 0;
}
