// Cost of one rescheduling sample against one plain timing + evaluation, on
// the generated problems: the sample is what the rescheduling search does per
// loop (assign, a rescheduling move, rescheduling timing, evaluation, the ten
// deviation counters), with heap allocations counted; then the time of a whole
// TS_S_do_pi_Reschedule run of 10 steps x 100 loops. A program to run by hand.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "engine/deviation_measures.h"
#include "engine/freezing.h"
#include "engine/random_source.h"
#include "engine/reschedule_search.h"
#include "engine/resch_moves.h"
#include "engine/run_host.h"
#include "engine/run_report.h"
#include "engine/timing.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
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

template <class F>
double seconds_per_call(F&& f, double min_seconds = 0.5) {
  f();
  long calls = 0;
  const Clock::time_point start = Clock::now();
  double elapsed = 0;
  do {
    f();
    ++calls;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < min_seconds);
  return elapsed / calls;
}

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

void measure(const char* name, GeneratedSize size) {
  if (!load_generated_problem(3, size)) {
    std::printf("%s: problem not loaded\n", name);
    return;
  }
  seed_random(3);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  SCH plan(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(plan);
  OBJ_VALUE values;
  calc_sch_obj_values(plan, values);
  SHOP released;
  released.save(n_of_SetupTypes, Orders, Jobs, Machines, &plan, &values);
  SHOP working(released);

  // The reference: released schedule timed, evaluated and frozen at its
  // tenth of its completion time.
  _S ref(plan);
  calc_S_times(ref);
  OBJ_VALUE ref_values;
  calc_S_obj_values(ref, ref_values);
  const std::vector<ORDER> ref_orders = Orders;
  const std::vector<JOB> ref_jobs = Jobs;
  std::vector<int> ref_setups;
  count_setups_per_machine(ref, ref_setups);
  const int t = static_cast<int>(ref_values.Completion_Time / 10);
  freeze_S_at(ref, Orders, Jobs, Machines, t);

  _S current(ref), sample(ref);
  OBJ_VALUE v;
  const double plain = seconds_per_call([&] {
    calc_S_times(sample);
    calc_S_obj_values(sample, v);
  });
  const long before = g_allocations.load();
  long samples = 0;
  const double resch = seconds_per_call([&] {
    sample.assign(current);
    move_reinsert_job_resch(sample, rand_n(n_of_Jobs) + 1, Orders, Jobs, Machines, ref);
    calc_S_times_resch(sample, MG_M_ex, Orders, Jobs, Machines, ref, t);
    calc_S_obj_values(sample, v);
    compare_S(sample, v, Orders, Jobs, ref, ref_orders, ref_jobs, ref_setups);
    ++samples;
  });
  const double per_alloc = static_cast<double>(g_allocations.load() - before) / static_cast<double>(samples);

  TempDir dir;
  set_run_report_folder(dir.path());
  Fields host;
  host.freeze_time = t;
  set_run_host(&host);
  const Clock::time_point start = Clock::now();
  const int r = TS_S_do_pi_Reschedule(released, working);
  const double run = std::chrono::duration<double>(Clock::now() - start).count();
  set_run_host(nullptr);
  const std::string report = read_file(run_report_path());
  const std::size_t at = report.find("Number of evaluated schedule: ");
  const long evaluated = at == std::string::npos ? -1 : std::atol(report.c_str() + at + 30);
  set_run_report_folder("");

  std::printf("%-8s %5d machines %6d jobs: timing+evaluation %8.1f us; rescheduling sample %8.1f us (%.2fx), "
              "%.2f allocations per sample; run of 10x100 loops %.2f s, %ld evaluated (result %d)\n",
              name, n_of_Machines, n_of_Jobs, plain * 1e6, resch * 1e6, resch / plain, per_alloc, run, evaluated, r);
  free_input_data();
}

}  // namespace

int main() {
  measure("Small", GeneratedSize::Small);
  measure("Default", GeneratedSize::Default);
  measure("Large", GeneratedSize::Large);
  return 0;
}
