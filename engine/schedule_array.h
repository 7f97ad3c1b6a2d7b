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

class _S {
 public:
  int n_of_Orders = 0;
  int n_of_Jobs = 0;      // J
  int n_of_Machines = 0;  // M
  // J + 1 rows {route, machine of route step 1..4}; row 0 and unused steps 0.
  std::vector<std::array<int, 5>> J_A;
  // J + 1 rows: J_pos[j][k] = position of job j's route step k on machine J_A[j][k].
  std::vector<std::array<int, 5>> J_pos;
  // M + 1 rows of J + 1: {count, job ids in processing order}.
  RowTable<int> M_wload;
  // M + 1 rows of J + 1: M_step[m][p] = route step of job M_wload[m][p] at p (0: none).
  RowTable<int> M_step;
  // M + 1 rows of J + 1 timing records; Times[m][p] times position p of machine m.
  RowTable<OP_TIME> Times;
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

 private:
  void alloc_tables(int nO, int nJ, int nM);
};
