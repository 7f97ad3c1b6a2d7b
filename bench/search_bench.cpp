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
#include <functional>
#include <new>
#include <vector>
#include <algorithm>

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

// Seconds per call of f over a slice of about slice_seconds.
template <class F>
double seconds_per_call(F&& f, double slice_seconds) {
  long calls = 0;
  const Clock::time_point start = Clock::now();
  double elapsed = 0;
  do {
    f();
    ++calls;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < slice_seconds);
  return elapsed / static_cast<double>(calls);
}

struct Measure {
  const char* name;
  std::function<void()> run;
  double target;  // ratio to time + evaluate; 0: none
  double best = 1e300;
  long calls = 0;
  long allocations = 0;
};

void bench_size(const char* name, GeneratedSize size) {
  if (!load_generated_problem(1, size)) {
    std::printf("%s: the problem could not be generated\n", name);
    return;
  }
  // A random schedule drawn from a fixed seed (random_init_S would seed from the clock).
  seed_random(1);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  _S current(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  long steps = 0;
  for (int j = 1; j <= n_of_Jobs; ++j) steps += current.n_steps(j);
  std::printf("\n%s: %d machines, %d orders, %d jobs, %ld timed positions\n", name, n_of_Machines, n_of_Orders,
              n_of_Jobs, steps);

  OBJ_VALUE values;
  _S sample = current;
  _S timed = current;

  // A full list of 150 neighbours of the current schedule, drawn from a known
  // seed so that the first of them (the oldest entry, found last) can be drawn
  // again for a hit; a neighbour by another operator is the miss.
  TABULIST fixed;
  seed_random(77);
  for (int i = 0; i < 150; ++i) {
    sample.assign(current);
    apply_Nx_op(sample, 5, values);
    fixed.add(sample);
  }
  _S miss = current;
  apply_Nx_op(miss, 1, values);
  _S hit = current;
  seed_random(77);
  apply_Nx_op(hit, 5, values);
  if (fixed.is_in_tabu_list(miss) != 0 || fixed.oldest()->equal(hit) != 1) std::printf("  (miss/hit set-up failed)\n");

  // The samples' own list, kept at 150 as the drivers keep it.
  TABULIST list;
  auto one_sample = [&](int op) {
    sample.assign(current);
    if (apply_Nx_op(sample, op, values) == 0) return;  // N3 on a short machine: dropped
    const std::uint64_t h = tabu_hash(sample);
    if (list.is_in_tabu_list(sample, h)) return;
    list.add(sample, h);
    if (list.count() > 150) list.drop_oldest();
    calc_S_times(sample, MG_M_ex, Orders, Jobs, Machines);
    calc_S_obj_values(sample, values, Orders, Jobs);
  };
  for (int i = 0; i < 400; ++i) one_sample(1 + i % n_of_operators);  // the ring reaches its working size

  std::vector<Measure> measures;
  measures.push_back({"time + evaluate", [&] {
                        calc_S_times(timed, MG_M_ex, Orders, Jobs, Machines);
                        calc_S_obj_values(timed, values, Orders, Jobs);
                      }, 0});
  measures.push_back({"tabu test, 150 entries, miss", [&] { (void)fixed.is_in_tabu_list(miss, tabu_hash(miss)); }, 0.2});
  measures.push_back({"tabu test, 150 entries, hit ", [&] { (void)fixed.is_in_tabu_list(hit, tabu_hash(hit)); }, 0.2});
  static const char* sample_names[] = {"", "sample N1", "sample N2", "sample N3", "sample N4", "sample N5"};
  for (int op = 1; op <= n_of_operators; ++op)
    measures.push_back({sample_names[op], [&one_sample, op] { one_sample(op); }, (op == 1 || op == 5) ? 1.5 : 2.5});

  // Rounds that interleave every measure; the fastest slice of each counts,
  // so that load from other programs does not skew one measure against another.
  const double slice = size == GeneratedSize::Large ? 0.12 : 0.06;
  for (int round = 0; round < 7; ++round)
    for (Measure& m : measures) {
      const long before = g_allocations.load();
      long calls = 0;
      const double t = seconds_per_call([&] { m.run(); ++calls; }, slice);
      m.allocations += g_allocations.load() - before;
      m.calls += calls;
      m.best = std::min(m.best, t);
    }
  const double base = measures[0].best;
  for (const Measure& m : measures) {
    std::printf("  %-30s %10.2f us  %5.3fx", m.name, m.best * 1e6, m.best / base);
    if (m.target > 0) std::printf("  (target <= %.1fx)", m.target);
    std::printf("  %.3f allocations/call\n", static_cast<double>(m.allocations) / static_cast<double>(m.calls));
  }
}

}  // namespace

int main() {
  bench_size("Small", GeneratedSize::Small);
  bench_size("Default", GeneratedSize::Default);
  bench_size("Large", GeneratedSize::Large);
  return 0;
}
