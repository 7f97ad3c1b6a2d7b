#include "engine/schedule_array.h"

#include <algorithm>
#include <cstring>

#include "engine/schedule_linked.h"

namespace {
constexpr std::array<int, 5> kEmptyRow = {0, 0, 0, 0, 0};
}

void _S::alloc_tables(int nO, int nJ, int nM) {
  n_of_Orders = nO;
  n_of_Jobs = std::max(nJ, 0);
  n_of_Machines = std::max(nM, 0);
  const int rows = n_of_Machines + 1;
  const int width = n_of_Jobs + 1;
  J_A.table_.assign(static_cast<std::size_t>(width), kEmptyRow);
  J_pos.table_.assign(static_cast<std::size_t>(width), kEmptyRow);
  M_wload.table_.alloc(rows, width);
  M_step.table_.alloc(rows, width);
  Times.table_.alloc(rows, width);
  Timed.reset(static_cast<std::size_t>(n_of_Jobs));
  // Position 0 of every machine and the whole of row 0 are never timed; they
  // read as "not computed" so that an unindexed route step never reads garbage.
  const OP_TIME not_computed = {0, -1, -1, -1, -1, -1, -1};
  for (int m = 0; m < rows; ++m) {
    M_wload.table_[m][0] = 0;
    M_step.table_[m][0] = 0;
    Times.table_[m][0] = not_computed;
  }
  for (int p = 1; p < width; ++p) Times.table_[0][p] = not_computed;
}

_S::_S(int nO, int nJ, int nM) { alloc_tables(nO, nJ, nM); }

_S::_S(int nO, int nJ, int nM, const std::vector<std::array<int, 5>>& J_A_table,
       const std::vector<std::vector<int>>& M_wload_table) {
  alloc_tables(nO, nJ, nM);
  // Only what the tables hold is read; a row that is missing or shorter than
  // its count stays empty or is cut to what is there.
  const int job_rows = std::min(n_of_Jobs, static_cast<int>(J_A_table.size()) - 1);
  for (int j = 1; j <= job_rows; ++j) {
    J_A.table_[j][0] = J_A_table[j][0];
    const int n = n_steps(j);
    for (int k = 1; k <= n; ++k) J_A.table_[j][k] = J_A_table[j][k];
  }
  const int machine_rows = std::min(n_of_Machines, static_cast<int>(M_wload_table.size()) - 1);
  for (int m = 1; m <= machine_rows; ++m) {
    const std::vector<int>& row = M_wload_table[m];
    if (row.empty()) continue;
    const int n = std::clamp(row[0], 0, std::min(n_of_Jobs, static_cast<int>(row.size()) - 1));
    int* own = M_wload.table_[m];
    own[0] = n;
    for (int p = 1; p <= n; ++p) own[p] = row[p];
  }
  build_indexes();
}

_S::_S(const SCH& sch) {
  alloc_tables(sch.n_of_Orders, sch.n_of_Jobs, sch.n_of_Machines);
  if (!sch.has_tables()) return;
  for (int j = 1; j <= n_of_Jobs; ++j) {
    J_A.table_[j][0] = sch.Route[j];
    const int n = n_steps(j);
    int k = 1;
    for (int t = sch.Job_Head[j]; t != NO_TASK && k <= n; t = sch.task(t).next_in_job, ++k)
      J_A.table_[j][k] = sch.task(t).Machine;
  }
  for (int m = 1; m <= n_of_Machines; ++m) {
    int* row = M_wload.table_[m];
    int p = 0;
    for (int t = sch.Mach_Head[m]; t != NO_TASK && p < n_of_Jobs; t = sch.task(t).next_on_machine)
      row[++p] = sch.task(t).Job;
    row[0] = p;
  }
  build_indexes();
}

_S::_S(const _S& other) : _S() {
  alloc_tables(other.n_of_Orders, other.n_of_Jobs, other.n_of_Machines);
  assign(other);
}

_S& _S::operator=(const _S& other) {
  if (this != &other) assign(other);
  return *this;
}

_S& _S::operator=(_S&& other) noexcept {
  if (this == &other) return *this;
  n_of_Orders = other.n_of_Orders;
  n_of_Jobs = other.n_of_Jobs;
  n_of_Machines = other.n_of_Machines;
  J_A.table_ = std::move(other.J_A.table_);
  J_pos.table_ = std::move(other.J_pos.table_);
  M_wload.table_ = std::move(other.M_wload.table_);
  M_step.table_ = std::move(other.M_step.table_);
  Times.table_ = std::move(other.Times.table_);
  Timed = std::move(other.Timed);
  other.Timed = TimedJobs();
  other.n_of_Orders = other.n_of_Jobs = other.n_of_Machines = 0;
  other.J_A.table_.clear();
  other.J_pos.table_.clear();
  return *this;
}

void _S::assign(const _S& other) {
  if (this == &other) return;
  if (other.n_of_Jobs != n_of_Jobs || other.n_of_Machines != n_of_Machines || J_A.size() != other.J_A.size() ||
      M_wload.rows() != other.M_wload.rows())
    alloc_tables(other.n_of_Orders, other.n_of_Jobs, other.n_of_Machines);
  n_of_Orders = other.n_of_Orders;
  Timed.invalidate();  // the sequences change
  for (int m = 1; m <= n_of_Machines; ++m) {
    const std::size_t used = static_cast<std::size_t>(other.M_wload[m][0]) + 1;
    std::memcpy(M_wload.table_[m], other.M_wload[m], used * sizeof(int));
    std::memcpy(M_step.table_[m], other.M_step[m], used * sizeof(int));
  }
  // Rows are five ints; copying them whole is cheaper than reading the route
  // length first.
  std::copy(other.J_A.table_.begin(), other.J_A.table_.end(), J_A.table_.begin());
  std::copy(other.J_pos.table_.begin(), other.J_pos.table_.end(), J_pos.table_.begin());
}

void _S::to_J_A_M_wload(std::vector<std::array<int, 5>>& J_A_table,
                        std::vector<std::vector<int>>& M_wload_table) const {
  const int machine_rows = std::min(n_of_Machines, static_cast<int>(M_wload_table.size()) - 1);
  for (int m = 1; m <= machine_rows; ++m) {
    std::vector<int>& row = M_wload_table[m];
    const int n = M_wload[m][0];
    if (static_cast<int>(row.size()) < n + 1) row.resize(static_cast<std::size_t>(n) + 1, 0);
    for (int p = 0; p <= n; ++p) row[p] = M_wload[m][p];
  }
  const int job_rows = std::min(n_of_Jobs, static_cast<int>(J_A_table.size()) - 1);
  for (int j = 1; j <= job_rows; ++j) {
    const int n = n_steps(j);
    for (int k = 0; k <= n; ++k) J_A_table[j][k] = J_A[j][k];
  }
}

void _S::build_indexes() {
  Timed.invalidate();
  for (int j = 1; j <= n_of_Jobs; ++j) J_pos.table_[j] = kEmptyRow;
  for (int m = 1; m <= n_of_Machines; ++m) {
    const int* seq = M_wload[m];
    int* steps = M_step.table_[m];
    for (int p = 1; p <= seq[0]; ++p) {
      steps[p] = 0;
      const int j = seq[p];
      if (j < 1 || j > n_of_Jobs) continue;
      for (int k = n_steps(j); k >= 1; --k) {
        if (J_A[j][k] == m) {
          J_pos.table_[j][k] = p;
          steps[p] = k;
          break;
        }
      }
    }
  }
}
