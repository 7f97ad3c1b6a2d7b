#include "bench/support/measure.h"

#include <cstdlib>
#include <string>

#include "engine/problem.h"
#include "solvers/run_report.h"
#include "tests/support/temp_dir.h"

void count_problem_size(benchmark::State& state) {
  state.counters["machines"] = n_of_Machines;
  state.counters["orders"] = n_of_Orders;
  state.counters["jobs"] = n_of_Jobs;
}

double evaluated_in_run_report() {
  const std::string report = read_file(run_report_path());
  const std::string line = "Number of evaluated schedule: ";
  const std::size_t at = report.find(line);
  return at == std::string::npos ? -1 : std::atof(report.c_str() + at + line.size());
}
