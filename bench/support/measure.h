#pragma once
// What the measures of the benchmark programs record besides their time.
#include <benchmark/benchmark.h>

#include "bench/support/allocation_counter.h"

// Runs body once per benchmark iteration and sets the counter "allocs" to the
// heap allocations per iteration.
template <class Body>
void measure_counting_allocations(benchmark::State& state, Body&& body) {
  const long before = heap_allocations();
  for (auto _ : state) body();
  state.counters["allocs"] =
      benchmark::Counter(static_cast<double>(heap_allocations() - before), benchmark::Counter::kAvgIterations);
}

// Counters "machines", "orders" and "jobs" of the loaded problem.
void count_problem_size(benchmark::State& state);

// The count the last run report gives after "Number of evaluated schedule: ";
// -1 when the report has no such line.
double evaluated_in_run_report();
