#pragma once
// Sizes beyond which a problem is not loaded. The checker rejects a file that
// exceeds them (with the line that does), and the reader refuses one on its own
// as well, so that no file, checked or not, makes the program reserve more
// memory than a shop problem can sensibly need. The dense tables of a loaded
// problem are the setup matrices (machines x (setup types + 1)^2 cells) and
// the machine workload table (machines + 1) x (jobs + 1); neither may pass
// kMaxTableCells.
#include <cstddef>

constexpr int kMaxMachines = 10000;
constexpr int kMaxOrders = 100000;
constexpr int kMaxSetupTypes = 10000;
constexpr int kMaxJobs = 1000000;
constexpr long long kMaxTableCells = 1LL << 26;

// The largest input or released-schedule file a load reads into memory; a
// larger file is refused before anything is reserved for it.
constexpr std::size_t kMaxInputFileBytes = std::size_t{2} << 30;

inline bool setup_tables_fit(long long machines, long long setup_types) {
  return machines * (setup_types + 1) * (setup_types + 1) <= kMaxTableCells;
}

inline bool job_tables_fit(long long machines, long long jobs) {
  return jobs <= kMaxJobs && (machines + 1) * (jobs + 1) <= kMaxTableCells;
}
