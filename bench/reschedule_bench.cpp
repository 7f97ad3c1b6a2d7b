// Cost of rescheduling on the generated problems of three sizes, measured in
// one run:
//   - one rescheduling sample (what the rescheduling search does per loop:
//     reset from the current schedule, a rescheduling move, incremental
//     rescheduling timing and evaluation, the ten deviation counters) against
//     one plain timing + evaluation, with the heap allocations per sample;
//   - a whole TS_S_do_pi_Reschedule run of 10 steps x 100 loops, frozen at a
//     tenth of the released schedule's completion time.
// A program to run by hand; after Google Benchmark's table it prints the
// ratios of this run (fastest repetition of each measure).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/support/measure.h"
#include "bench/support/problem_shelf.h"
#include "bench/support/ratio_reporter.h"
#include "engine/deviation_measures.h"
#include "engine/freezing.h"
#include "engine/random_source.h"
#include "engine/resch_moves.h"
#include "engine/sample_timing.h"
#include "solvers/reschedule_search.h"
#include "engine/run_host.h"
#include "solvers/run_report.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/temp_dir.h"

namespace {

class Fields : public RunHost {
 public:
  int rescheduler_field(ReschedulerField f) override {
    switch (f) {
      case ReschedulerField::Steps: return 10;
      case ReschedulerField::Loops: return 100;
      case ReschedulerField::FreezeTime: return freeze_time;
      default: return RunHost::rescheduler_field(f);
    }
  }
  int freeze_time = 0;
};

// The released schedule of one size and the reference the search compares
// against, built on the size's first use.
struct Fixture {
  bool built = false;
  SHOP released;
  int freeze_time = 0;
  _S ref;  // released schedule, timed, evaluated and frozen
  std::vector<ORDER> ref_orders;
  std::vector<JOB> ref_jobs;
  std::vector<int> ref_setups;
  _S current;  // every sample starts from it
  _S sample;
  _S timed;  // the plain timing's own copy, never moved
  OBJ_VALUE values;
};
Fixture g_fixtures[3];

Fixture& fixture_for(benchmark::State& state) {
  const auto size = static_cast<GeneratedSize>(state.range(0));
  Fixture& f = g_fixtures[state.range(0)];
  require_generated_problem(3, size);
  count_problem_size(state);
  if (f.built) return f;
  f.built = true;
  seed_random(3);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  SCH plan(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(plan);
  OBJ_VALUE values;
  calc_sch_obj_values(plan, values);
  f.released.save(n_of_SetupTypes, Orders, Jobs, Machines, &plan, &values);

  // The reference: the released schedule timed, evaluated and frozen at a
  // tenth of its completion time, as the search's first type builds it.
  f.ref = _S(plan);
  calc_S_times(f.ref);
  OBJ_VALUE ref_values;
  calc_S_obj_values(f.ref, ref_values);
  f.ref_orders = Orders;
  f.ref_jobs = Jobs;
  count_setups_per_machine(f.ref, f.ref_setups);
  f.freeze_time = static_cast<int>(ref_values.Completion_Time / 10);
  freeze_S_at(f.ref, Orders, Jobs, Machines, f.freeze_time);
  f.current = f.ref;
  f.sample = f.ref;
  f.timed = f.ref;
  return f;
}

void BM_time_and_evaluate(benchmark::State& state) {
  Fixture& f = fixture_for(state);
  measure_counting_allocations(state, [&] {
    calc_S_times(f.timed);
    calc_S_obj_values(f.timed, f.values);
  });
}

// As the rescheduling search samples: reset from the current schedule, a
// rescheduling move, the incremental rescheduling timing and evaluation (the
// current schedule timed in full once, as once per step), the deviations.
void BM_reschedule_sample(benchmark::State& state) {
  Fixture& f = fixture_for(state);
  SampleTiming timing;
  timing.use_rescheduling(&f.ref, f.freeze_time);
  timing.set_base(f.current);
  timing.reset_sample(f.sample);  // the first reset copies everything
  measure_counting_allocations(state, [&] {
    timing.reset_sample(f.sample);
    move_reinsert_job_resch(f.sample, rand_n(n_of_Jobs) + 1, Orders, Jobs, Machines, f.ref);
    timing.time_and_evaluate(f.sample, f.values);
    compare_S(f.sample, f.values, Orders, Jobs, f.ref, f.ref_orders, f.ref_jobs, f.ref_setups);
  });
  timing.release();
}

// The run restores the working snapshot into the live arrays and freezes them
// as the fixture did, so the measures of this size stay comparable after it.
void BM_reschedule_run(benchmark::State& state) {
  Fixture& f = fixture_for(state);
  Fields host;
  host.freeze_time = f.freeze_time;
  set_run_host(&host);
  int result = 0;
  for (auto _ : state) {
    state.PauseTiming();
    SHOP working(f.released);
    state.ResumeTiming();
    result = TS_S_do_pi_Reschedule(f.released, working);
  }
  set_run_host(nullptr);
  state.counters["evaluated"] = evaluated_in_run_report();
  state.counters["result"] = result;
}

BENCHMARK(BM_time_and_evaluate)->DenseRange(0, 2);
BENCHMARK(BM_reschedule_sample)->DenseRange(0, 2);
BENCHMARK(BM_reschedule_run)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  TempDir report_folder;
  set_run_report_folder(report_folder.path());
  RatioReporter r;
  const int code = run_benchmarks(argc, argv, r, 3, 0.2);
  set_run_report_folder("");
  if (code) return code;
  std::printf("\n");
  for (int size = 0; size < 3; ++size) {
    const std::string s = "/" + std::to_string(size);
    const std::string plain = "BM_time_and_evaluate" + s;
    const std::string sample = "BM_reschedule_sample" + s;
    const std::string run = "BM_reschedule_run" + s;
    if (!r.has(plain)) continue;
    std::printf("%-8s %5.0f machines %6.0f jobs: timing+evaluation %8.1f us",
                size_name(static_cast<GeneratedSize>(size)), r.counter(plain, "machines"), r.counter(plain, "jobs"),
                r.ns(plain) / 1e3);
    if (r.has(sample))
      std::printf("; rescheduling sample %8.1f us (%.2fx), %.2f allocations per sample", r.ns(sample) / 1e3,
                  r.ratio(sample, plain), r.counter(sample, "allocs"));
    if (r.has(run))
      std::printf("; run of 10x100 loops %.3f s, %.0f evaluated (result %.0f)", r.ns(run) / 1e9,
                  r.counter(run, "evaluated"), r.counter(run, "result"));
    std::printf("\n");
  }
  return 0;
}
