#pragma once
// The array schedule of the search: per job its route and the machine of each
// route step (J_A), per machine its job sequence with the count first
// (M_wload), indexes both ways (J_pos, M_step) so that a move finds and
// changes a position in constant time, and one timing record per machine
// position.
//
// Every table is allocated once per object with room for every job on every
// machine; copies and assign() copy only the used part of each row and assign()
// never allocates between schedules of one problem, so the search's inner loop
// (assign, move, time, evaluate) allocates nothing. Timing rows are never
// copied: they are valid only after a timing pass on that very object.
#include <array>
#include <vector>

#include "engine/row_table.h"
#include "engine/shop_structure.h"
#include "engine/timed_jobs.h"

// Timing of one machine position. The first word is not used; the others are
// -1 while not computed.
struct OP_TIME {
  int Unused;
  int Setup;          // 1 when a setup is made before the job
  int StartT;         // start of the setup (processing starts at StartT + SetT)
  int SetT;           // setup time
  int ProcT;          // processing time
  int EndT;           // StartT + SetT + ProcT
  int M_Calendar_OK;  // 1 fits one availability interval, 0 fits none, -1 not computed
};

class SCH;
class ScheduleChanges;

// A table that everyone reads and only _S writes: every change of a schedule
// goes through one of _S's operations, which retire the per-job notes of the
// last timing pass (TimedJobs), so that an evaluation never takes a job's times
// from notes that no longer describe the sequences.
template <class Table>
class ScheduleTable {
 public:
  template <class Index>
  decltype(auto) operator[](Index i) const {
    return table_[i];
  }
  std::size_t size() const { return table_.size(); }
  int rows() const { return table_.rows(); }
  bool empty() const { return table_.empty(); }

 private:
  friend class _S;
  Table table_;
};

class _S {
 public:
  int n_of_Orders = 0;
  int n_of_Jobs = 0;      // J
  int n_of_Machines = 0;  // M
  // J + 1 rows {route, machine of route step 1..4}; row 0 and unused steps 0.
  ScheduleTable<std::vector<std::array<int, 5>>> J_A;
  // J + 1 rows: J_pos[j][k] = position of job j's route step k on machine J_A[j][k].
  ScheduleTable<std::vector<std::array<int, 5>>> J_pos;
  // M + 1 rows of J + 1: {count, job ids in processing order}.
  ScheduleTable<RowTable<int>> M_wload;
  // M + 1 rows of J + 1: M_step[m][p] = route step of job M_wload[m][p] at p (0: none).
  ScheduleTable<RowTable<int>> M_step;
  // M + 1 rows of J + 1 timing records; Times[m][p] times position p of machine m.
  // Written only by the timing passes and copies of their results (times_row).
  ScheduleTable<RowTable<OP_TIME>> Times;
  // Filled by the timing pass beside Times; never copied.
  TimedJobs Timed;
  // When set, the moves of engine/search_operators note here what they change
  // (the incremental timing of a search's sample reads it). Never copied.
  ScheduleChanges* changes = nullptr;

  _S() = default;
  // Empty schedule: every count and route 0, timing rows without values.
  _S(int nO, int nJ, int nM);
  // From tables of the form of the global J_A and M_wload; builds the indexes.
  _S(int nO, int nJ, int nM, const std::vector<std::array<int, 5>>& J_A_table,
     const std::vector<std::vector<int>>& M_wload_table);
  // From a linked schedule: its routes, machines and machine sequences.
  explicit _S(const SCH& sch);
  // Deep copy of assignments, sequences and indexes; timing rows not copied.
  _S(const _S& other);
  // A schedule moved from is left empty (no jobs, no machines).
  _S(_S&& other) noexcept { *this = std::move(other); }
  // Same as assign().
  _S& operator=(const _S& other);
  _S& operator=(_S&& other) noexcept;

  // Copies counts, J_A, J_pos, M_wload and M_step (used parts only) into the
  // existing tables. Between schedules of one problem nothing is allocated; a
  // schedule of another size is reshaped first.
  void assign(const _S& other);
  // Writes routes and machine sequences into tables of this problem's shape
  // (normally the globals): rows 1..M of the sequences (0..count) and rows
  // 1..J of the assignments (0..number of route steps). Row 0 is not touched.
  void to_J_A_M_wload(std::vector<std::array<int, 5>>& J_A_table,
                      std::vector<std::vector<int>>& M_wload_table) const;
  // Rebuilds J_pos and M_step from J_A and M_wload. When a job has two route
  // steps on one machine, both positions index its later step; a job listed on
  // a machine that carries none of its steps leaves M_step 0 at that position.
  void build_indexes();

  // Number of route steps of job j (0 for route 0 or a route outside the table).
  int n_steps(int j) const {
    return route_length(J_A[j][0]);
  }
  int count(int m) const { return M_wload[m][0]; }

  // Write access for one change of the schedule. Taking it retires the
  // per-job notes of the last timing pass, so hold it only for the change at
  // hand: notes taken by a timing pass in between would describe a schedule
  // that is still being written. The writes keep nothing in step by
  // themselves: a change writes the sequences and the indexes both, and a move
  // notes into `changes` what it changed.
  class Edit {
   public:
    explicit Edit(_S& S) : S_(S) { S.Timed.invalidate(); }
    int* seq(int m) const { return S_.M_wload.table_[m]; }
    int* steps(int m) const { return S_.M_step.table_[m]; }
    void set_route(int j, int route) const { S_.J_A.table_[j][0] = route; }
    // Route step k of job j is on machine m at position p.
    void set_step(int j, int k, int m, int p) const {
      S_.J_A.table_[j][k] = m;
      S_.J_pos.table_[j][k] = p;
    }
    void set_machine(int j, int k, int m) const { S_.J_A.table_[j][k] = m; }
    void set_pos(int j, int k, int p) const { S_.J_pos.table_[j][k] = p; }
    // Job j's route, machines and positions as in `from`.
    void copy_job(int j, const _S& from) const {
      S_.J_A.table_[j] = from.J_A[j];
      S_.J_pos.table_[j] = from.J_pos[j];
    }
    // Position p of machine m holds route step k of job j.
    void put(int m, int p, int j, int k) const {
      S_.M_wload.table_[m][p] = j;
      S_.M_step.table_[m][p] = k;
    }
    void set_count(int m, int n) const { S_.M_wload.table_[m][0] = n; }

   private:
    _S& S_;
  };
  Edit edit() { return Edit(*this); }

  // Machine m's timing row, for the timing passes (which start a new pass of
  // the notes before they write) and for copying their results.
  OP_TIME* times_row(int m) { return Times.table_[m]; }

 private:
  void alloc_tables(int nO, int nJ, int nM);
};
