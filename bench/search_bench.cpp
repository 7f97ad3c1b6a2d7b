// Cost of the tabu search's inner loop against one timing + evaluation of the
// same schedule, on the generated problems of three sizes:
//   - the tabu test against a full list of 150 entries (a miss walks them all;
//     a hit compares the matching entry's sequences in full),
//   - one sample per operator: assign, move, tabu test, add (dropping the
//     oldest beyond 150), time, evaluate,
//   - heap allocations per sample once the list is full.
// Targets: tabu test <= 0.2x; samples of N1 and N5 <= 1.5x, of N2..N4 <= 2.5x
// (they evaluate once more to find the late jobs); no allocation per sample.
// A program to run by hand; it prints one table per size.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/sample_move.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/tabu_list.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"

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

// Seconds per call of f, repeated until at least min_seconds have passed.
template <class F>
double seconds_per_call(F&& f, double min_seconds = 0.4) {
  f();  // warm caches
  long calls = 0;
  const Clock::time_point start = Clock::now();
  double elapsed = 0;
  do {
    f();
    ++calls;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < min_seconds);
  return elapsed / static_cast<double>(calls);
}

void bench_size(const char* name, GeneratedSize size) {
  if (!load_generated_problem(1, size)) {
    std::printf("%s: the problem could not be generated\n", name);
    return;
  }
  long steps = 0;
  // A random schedule drawn from a fixed seed (random_init_S would seed from the clock).
  seed_random(1);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  _S current(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  for (int j = 1; j <= n_of_Jobs; ++j) steps += current.n_steps(j);
  std::printf("\n%s: %d machines, %d orders, %d jobs, %ld timed positions\n", name, n_of_Machines, n_of_Orders,
              n_of_Jobs, steps);

  OBJ_VALUE values;
  _S sample = current;
  const double base = seconds_per_call([&] {
    calc_S_times(sample, MG_M_ex, Orders, Jobs, Machines);
    calc_S_obj_values(sample, values, Orders, Jobs);
  });
  std::printf("  time + evaluate              %10.2f us   1.00x\n", base * 1e6);

  // A full list of 150 neighbours of the current schedule, drawn from a known
  // seed so that the first of them (the oldest entry, found last) can be drawn
  // again for a hit.
  TABULIST list;
  seed_random(77);
  for (int i = 0; i < 150; ++i) {
    sample.assign(current);
    apply_Nx_op(sample, 5, values);
    list.add(sample);
  }
  sample.assign(current);
  apply_Nx_op(sample, 1, values);
  const bool is_miss = list.is_in_tabu_list(sample) == 0;
  const double miss = seconds_per_call([&] { (void)list.is_in_tabu_list(sample, tabu_hash(sample)); });
  std::printf("  tabu test, 150 entries, %s %10.2f us   %.3fx  (target <= 0.2x)\n", is_miss ? "miss" : "hit?",
              miss * 1e6, miss / base);
  _S oldest = current;
  seed_random(77);
  apply_Nx_op(oldest, 5, values);
  const bool is_hit = list.oldest()->equal(oldest) == 1 && list.is_in_tabu_list(oldest) == 1;
  const double hit = seconds_per_call([&] { (void)list.is_in_tabu_list(oldest, tabu_hash(oldest)); });
  std::printf("  tabu test, 150 entries, %s %10.2f us   %.3fx  (the oldest entry matches)\n",
              is_hit ? "hit " : "miss?", hit * 1e6, hit / base);

  // One sample per operator, with the list kept at 150 as the drivers keep it.
  for (int op = 1; op <= n_of_operators; ++op) {
    long samples = 0;
    long allocations_when_full = 0;
    auto one_sample = [&] {
      sample.assign(current);
      if (apply_Nx_op(sample, op, values) == 0) return;  // N3 on a short machine: dropped
      const std::uint64_t h = tabu_hash(sample);
      if (list.is_in_tabu_list(sample, h)) return;
      list.add(sample, h);
      if (list.count() > 150) list.drop_oldest();
      calc_S_times(sample, MG_M_ex, Orders, Jobs, Machines);
      calc_S_obj_values(sample, values, Orders, Jobs);
    };
    for (int i = 0; i < 400; ++i) one_sample();  // the ring's rows reach their working size
    const long before = g_allocations.load();
    const double per_sample = seconds_per_call([&] {
      one_sample();
      ++samples;
    });
    allocations_when_full = g_allocations.load() - before;
    const double target = (op == 1 || op == 5) ? 1.5 : 2.5;
    std::printf("  sample N%d                   %10.2f us   %.2fx  (target <= %.1fx)  %.3f allocations/sample\n", op,
                per_sample * 1e6, per_sample / base, target,
                static_cast<double>(allocations_when_full) / static_cast<double>(samples + 1));
  }
}

}  // namespace

int main() {
  bench_size("Small", GeneratedSize::Small);
  bench_size("Default", GeneratedSize::Default);
  bench_size("Large", GeneratedSize::Large);
  return 0;
}
