// Cost of timing and evaluating a schedule, on generated problems of three
// sizes (Small ~10 machines / 40 jobs, the generator's Default ~120 machines /
// ~4,000 jobs, Large four times that), each with one random schedule from a
// fixed seed:
//   - calc_S_times + calc_S_obj_values and calc_sch_times + calc_sch_obj_values,
//     per schedule and per timed position;
//   - a baseline that reads every timing record of the same schedule once;
//   - _S::assign and SCH::operator= between schedules of one problem;
//   - heap allocations in one assign + time + evaluate cycle and in one
//     SCH::operator= between schedules of one problem.
// Targets: ns per position within 1.5x from the smallest to the largest size;
// no allocation in the cycle nor in the linked assignment. A program to run by
// hand; after Google Benchmark's table it prints a summary with the ratios.
// By default every measure runs nine times, interleaved across sizes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/support/allocation_counter.h"
#include "bench/support/problem_shelf.h"
#include "bench/support/ratio_reporter.h"
#include "engine/objective_value.h"
#include "engine/problem.h"
#include "engine/schedule_array.h"
#include "engine/schedule_linked.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"

namespace {

constexpr std::uint32_t kProblemSeed = 11;
constexpr std::uint32_t kScheduleSeed = 5;

// A problem and two random schedules of it, built once per size. The three
// problems stay in memory and are swapped in, so that repetitions of the
// sizes can be interleaved (the default) and the ratios between sizes do not
// depend on when each size happened to run.
struct Fixture {
  bool built = false;
  long positions = 0;
  _S S;
  _S other;
  SCH sch;
  SCH other_sch;
};
Fixture g_fixtures[3];

Fixture& fixture_for(int size) {
  Fixture& f = g_fixtures[size];
  require_generated_problem(kProblemSeed, static_cast<GeneratedSize>(size));
  if (f.built) return f;
  f.built = true;
  fill_random_schedule(kScheduleSeed);
  f.S = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  f.sch = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  fill_random_schedule(kScheduleSeed + 1);
  f.other = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  f.other_sch = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  f.positions = 0;
  for (int m = 1; m <= n_of_Machines; ++m) f.positions += f.S.M_wload[m][0];
  calc_S_times(f.S);
  calc_S_times(f.other);
  calc_sch_times(f.sch);
  calc_sch_times(f.other_sch);
  return f;
}

void describe(benchmark::State& state, const Fixture& f) {
  state.counters["positions"] = static_cast<double>(f.positions);
  state.counters["jobs"] = n_of_Jobs;
  state.counters["machines"] = n_of_Machines;
}

void BM_S_time_and_evaluate(benchmark::State& state) {
  Fixture& f = fixture_for(static_cast<int>(state.range(0)));
  OBJ_VALUE v;
  for (auto _ : state) {
    calc_S_times(f.S);
    calc_S_obj_values(f.S, v);
    benchmark::DoNotOptimize(v.sumTardiness);
  }
  describe(state, f);
}

void BM_sch_time_and_evaluate(benchmark::State& state) {
  Fixture& f = fixture_for(static_cast<int>(state.range(0)));
  OBJ_VALUE v;
  for (auto _ : state) {
    calc_sch_times(f.sch);
    calc_sch_obj_values(f.sch, v);
    benchmark::DoNotOptimize(v.sumTardiness);
  }
  describe(state, f);
}

// Reads every timing record of the timed schedule once, in machine order.
void BM_read_baseline(benchmark::State& state) {
  Fixture& f = fixture_for(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    long sum = 0;
    for (int m = 1; m <= f.S.n_of_Machines; ++m) {
      const OP_TIME* row = f.S.Times[m];
      for (int p = 1, n = f.S.M_wload[m][0]; p <= n; ++p) sum += row[p].EndT + row[p].Setup;
    }
    benchmark::DoNotOptimize(sum);
  }
  describe(state, f);
}

void BM_S_assign(benchmark::State& state) {
  Fixture& f = fixture_for(static_cast<int>(state.range(0)));
  _S target(f.other);
  bool flip = false;
  for (auto _ : state) {
    target.assign(flip ? f.other : f.S);
    flip = !flip;
    benchmark::DoNotOptimize(target.M_wload[1][0]);
  }
  describe(state, f);
}

void BM_SCH_assign(benchmark::State& state) {
  Fixture& f = fixture_for(static_cast<int>(state.range(0)));
  SCH target(f.other_sch);
  target = f.sch;  // the first assignment may grow the pool
  bool flip = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(target = (flip ? f.other_sch : f.sch));
    flip = !flip;
  }
  describe(state, f);
}

BENCHMARK(BM_S_time_and_evaluate)->DenseRange(0, 2);
BENCHMARK(BM_sch_time_and_evaluate)->DenseRange(0, 2);
BENCHMARK(BM_read_baseline)->DenseRange(0, 2);
BENCHMARK(BM_S_assign)->DenseRange(0, 2);
BENCHMARK(BM_SCH_assign)->DenseRange(0, 2);

// Allocations in one assign + time + evaluate cycle and in one SCH assignment,
// after one warm-up round that may size the targets.
void count_allocations(int size, long& in_cycle, long& in_sch_assign) {
  Fixture& f = fixture_for(size);
  _S work(f.other);
  SCH sch_target(f.other_sch);
  OBJ_VALUE v;
  sch_target = f.sch;
  sch_target = f.other_sch;
  const long before = heap_allocations();
  work.assign(f.S);
  calc_S_times(work);
  calc_S_obj_values(work, v);
  calc_sch_times(sch_target);
  calc_sch_obj_values(sch_target, v);
  const long middle = heap_allocations();
  sch_target = f.sch;
  sch_target = f.other_sch;
  in_cycle = middle - before;
  in_sch_assign = heap_allocations() - middle;
}

}  // namespace

int main(int argc, char** argv) {
  // Nine repetitions of every measure unless told otherwise; the summary takes
  // the fastest of each.
  RatioReporter reporter;
  if (const int code = run_benchmarks(argc, argv, reporter, 9, 0.1)) return code;

  auto per_position = [&](const std::string& name, int size) {
    const std::string key = name + "/" + std::to_string(size);
    const double t = reporter.ns(key);
    const double n = reporter.counter(key, "positions");
    return t < 0 || n <= 0 ? -1.0 : t / n;
  };
  std::printf("\nSummary (ns per timed position; ratios from this run)\n");
  std::printf("%-8s %10s %12s %12s %10s %10s %12s %12s %8s %8s\n", "size", "positions", "S time+eval", "sch time+eval",
              "baseline", "S/base", "S assign", "SCH assign", "allocs", "SCH=");
  double first_S = -1, last_S = -1, first_sch = -1, last_sch = -1;
  for (int size = 0; size < 3; ++size) {
    const double s = per_position("BM_S_time_and_evaluate", size);
    const double l = per_position("BM_sch_time_and_evaluate", size);
    const double b = per_position("BM_read_baseline", size);
    const double a = per_position("BM_S_assign", size);
    const double c = per_position("BM_SCH_assign", size);
    if (s < 0) continue;
    long in_cycle = 0;
    long in_sch_assign = 0;
    count_allocations(size, in_cycle, in_sch_assign);
    const std::string key = "BM_S_time_and_evaluate/" + std::to_string(size);
    std::printf("%-8s %10.0f %12.2f %12.2f %10.2f %10.2f %12.2f %12.2f %8ld %8ld\n",
                size_name(static_cast<GeneratedSize>(size)), reporter.counter(key, "positions"), s, l, b,
                b > 0 ? s / b : 0.0, a, c, in_cycle, in_sch_assign);
    if (first_S < 0) {
      first_S = s;
      first_sch = l;
    }
    last_S = s;
    last_sch = l;
  }
  if (first_S > 0)
    std::printf("largest / smallest size, ns per position: _S %.2fx, SCH %.2fx (target <= 1.5x)\n", last_S / first_S,
                last_sch / first_sch);
  return 0;
}
