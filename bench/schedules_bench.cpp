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

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "engine/objective_value.h"
#include "engine/problem.h"
#include "engine/schedule_array.h"
#include "engine/schedule_linked.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr std::uint32_t kProblemSeed = 11;
constexpr std::uint32_t kScheduleSeed = 5;
const char* const kSizeNames[3] = {"Small", "Default", "Large"};

// The problem arrays of one size, kept aside while another size is loaded.
struct ProblemData {
  int machines = 0, orders = 0, setup_types = 0, jobs = 0;
  std::vector<MACHINE> machine_records;
  std::vector<ORDER> order_records;
  std::vector<JOB> job_records;
  std::vector<std::vector<int>> groups, types;
  std::vector<std::array<int, 5>> assignments;
  std::vector<std::vector<int>> workloads;
};

// Exchanges the loaded problem with the one kept in d (pointer swaps only).
void swap_problem(ProblemData& d) {
  std::swap(n_of_Machines, d.machines);
  std::swap(n_of_Orders, d.orders);
  std::swap(n_of_SetupTypes, d.setup_types);
  std::swap(n_of_Jobs, d.jobs);
  Machines.swap(d.machine_records);
  Orders.swap(d.order_records);
  Jobs.swap(d.job_records);
  MG_M_ex.swap(d.groups);
  Exe_O.swap(d.types);
  J_A.swap(d.assignments);
  M_wload.swap(d.workloads);
}

// A problem and two random schedules of it, built once per size. The three
// problems stay in memory and are swapped in, so that repetitions of the
// sizes can be interleaved (the default) and the ratios between sizes do not
// depend on when each size happened to run.
struct Fixture {
  bool built = false;
  long positions = 0;
  ProblemData aside;
  _S S;
  _S other;
  SCH sch;
  SCH other_sch;
};
Fixture g_fixtures[3];
int g_active = -1;

Fixture& fixture_for(int size) {
  Fixture& f = g_fixtures[size];
  if (g_active == size) return f;
  if (g_active >= 0) swap_problem(g_fixtures[g_active].aside);  // the globals are now empty
  g_active = size;
  if (f.built) {
    swap_problem(f.aside);
    return f;
  }
  if (!load_generated_problem(kProblemSeed, static_cast<GeneratedSize>(size))) {
    std::fprintf(stderr, "could not generate the %s problem\n", kSizeNames[size]);
    std::exit(1);
  }
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

// Keeps ns per iteration of every run for the summary: with
// --benchmark_repetitions the fastest repetition or the median, whichever the
// reporter is given and is lower.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> ns;
  std::map<std::string, double> positions;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      // Repetitions report the same name: keep the fastest, the least disturbed.
      const std::string name = r.run_name.str();
      const double t = r.GetAdjustedRealTime();
      if (ns.count(name) == 0 || t < ns[name]) ns[name] = t;
      const auto it = r.counters.find("positions");
      if (it != r.counters.end()) positions[name] = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

// Allocations in one assign + time + evaluate cycle and in one SCH assignment,
// after one warm-up round that may size the targets.
void count_allocations(int size, long& in_cycle, long& in_sch_assign) {
  Fixture& f = fixture_for(size);
  _S work(f.other);
  SCH sch_target(f.other_sch);
  OBJ_VALUE v;
  sch_target = f.sch;
  sch_target = f.other_sch;
  const long before = g_allocations.load();
  work.assign(f.S);
  calc_S_times(work);
  calc_S_obj_values(work, v);
  calc_sch_times(sch_target);
  calc_sch_obj_values(sch_target, v);
  const long middle = g_allocations.load();
  sch_target = f.sch;
  sch_target = f.other_sch;
  in_cycle = middle - before;
  in_sch_assign = g_allocations.load() - middle;
}

}  // namespace

int main(int argc, char** argv) {
  // Unless told otherwise: nine repetitions of every measure, interleaved at
  // random across measures and sizes; the summary takes the fastest of each.
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=9";
  std::string interleaving = "--benchmark_enable_random_interleaving=true";
  bool has_repetitions = false;
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0) has_repetitions = true;
  if (!has_repetitions) {
    args.push_back(repetitions.data());
    args.push_back(interleaving.data());
  }
  int n_args = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&n_args, args.data());
  if (benchmark::ReportUnrecognizedArguments(n_args, args.data())) return 1;
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  auto per_position = [&](const std::string& name, int size) {
    const std::string key = name + "/" + std::to_string(size);
    const auto t = reporter.ns.find(key);
    const auto n = reporter.positions.find(key);
    if (t == reporter.ns.end() || n == reporter.positions.end() || n->second <= 0) return -1.0;
    return t->second / n->second;
  };
  std::printf("\nSummary (ns per timed position; ratios from this run)\n");
  std::printf("%-8s %10s %12s %12s %10s %10s %12s %12s %8s %8s\n", "size", "positions", "S time+eval",
              "sch time+eval", "baseline", "S/base", "S assign", "SCH assign", "allocs", "SCH=");
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
    std::printf("%-8s %10.0f %12.2f %12.2f %10.2f %10.2f %12.2f %12.2f %8ld %8ld\n", kSizeNames[size],
                reporter.positions[key], s, l, b, b > 0 ? s / b : 0.0, a, c, in_cycle, in_sch_assign);
    if (first_S < 0) {
      first_S = s;
      first_sch = l;
    }
    last_S = s;
    last_sch = l;
  }
  if (first_S > 0)
    std::printf("largest / smallest size, ns per position: _S %.2fx, SCH %.2fx (target <= 1.5x)\n",
                last_S / first_S, last_sch / first_sch);
  return 0;
}
