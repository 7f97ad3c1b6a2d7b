#pragma once
// The linked schedule the user sees, edits and saves: one TASK per route step
// of every job, each sitting in two doubly linked lists at once, its job's list
// (route steps in order) and its machine's list (the processing sequence).
//
// Nodes live in a pool owned by the SCH and link to each other by pool index
// (NO_TASK for none), so copies are plain deep copies and an assignment between
// schedules of the same shape reuses the pool's storage without allocating.
// A deleted node goes to a free list and is reused by the next new node.
#include <array>
#include <vector>

#include "engine/shop_structure.h"
#include "engine/timed_jobs.h"

constexpr int NO_TASK = -1;

class TASK {
 public:
  int Job = 0;
  int Step = 0;     // route step, 1..number of route steps
  int Machine = 0;
  int Setup = 0;    // 1 when a setup is made before the step
  int StartT = 0;   // start of the setup
  int SetT = 0;
  int ProcT = 0;
  int EndT = 0;     // StartT + SetT + ProcT
  int M_Calendar_OK = 0;  // 1 fitted, 0 not fitted, -1 not computed
  int next_in_job = NO_TASK;
  int prev_in_job = NO_TASK;
  int next_on_machine = NO_TASK;
  int prev_on_machine = NO_TASK;
};

class SCH {
 public:
  int n_of_Orders = 0;
  int n_of_Jobs = 0;      // J
  int n_of_Machines = 0;  // M
  // Entry 0 of every table is not used. A schedule made by SCH() has none.
  std::vector<int> Job_Head;    // J + 1: first TASK of job j (route step 1) or NO_TASK
  std::vector<int> Route;       // J + 1: route of job j (row of R_MG_ex)
  std::vector<int> Job_Tail;    // J + 1: last TASK of job j or NO_TASK
  std::vector<int> Mach_Head;   // M + 1: first TASK of machine m's sequence or NO_TASK
  std::vector<int> Mach_Count;  // M + 1: number of TASKs in machine m's list
  // Filled by the timing pass beside the nodes' times; never copied. Every
  // change of a job list through the operations below starts a new pass number.
  TimedJobs Timed;

  SCH() = default;
  // From tables of the form of the global J_A and M_wload; row 0 is not read.
  // Only the step counts of the route table are read.
  SCH(int nO, int nJ, int nM, const std::vector<std::array<int, 5>>& J_A_table,
      const std::vector<std::vector<int>>& M_wload_table, const RouteTable& routes = R_MG_ex);
  SCH(const SCH& other) { copy_from(other); }
  SCH(SCH&&) noexcept = default;
  SCH& operator=(SCH&&) noexcept = default;

  // Releases everything and rebuilds a deep copy of the source.
  void copy_from(const SCH& src);
  // 2: one of the two had no tables, copy_from was done. 1: both were built;
  // the target's nodes and storage were reused (nothing is allocated between
  // schedules of the same shape). Either way the target then has the source's
  // routes, machines, times and sequences.
  int operator=(const SCH& src);
  // 1 when both have the same machines, counts and job at every position; routes,
  // steps and times are not compared.
  int equal(const SCH& other) const;

  bool has_tables() const { return !Job_Head.empty() && !Mach_Head.empty(); }
  TASK& task(int t) { return Pool[static_cast<std::size_t>(t)]; }
  const TASK& task(int t) const { return Pool[static_cast<std::size_t>(t)]; }
  // The node of route step k of job j (k-th in its list), NO_TASK when j has fewer.
  int task_of_step(int j, int k) const;
  // Number of nodes in job j's list.
  int job_task_count(int j) const;

  // List primitives; each keeps both link directions consistent.
  // Inserts node t at the head of job j's list; the tail is not changed.
  void push_job_task(int j, int t);
  // Inserts node t at the head of machine m's list; the count is not changed.
  void push_machine_task(int m, int t);
  // Removes node t from its machine's list and decrements that machine's count.
  // The node's own machine links are left as they were.
  void unlink_from_machine(int t);
  // Sets node t's machine to m, appends it at the tail of m's list, increments
  // the count; returns 0. A machine or node that does not exist changes nothing.
  int append_on_machine(int m, int t);

  // Edits of the schedule editor and "Copy assignement".
  // Writes {route, machine of step 1..n} to out (room for 5) and returns n;
  // 0 and nothing written without job lists.
  int get_job_assignment(int out[5], int j) const;
  // Moves route step k of job j to the end of machine m's sequence: fewer than k
  // steps returns their number, already on m returns k, moved returns 0.
  int move_op_to_machine(int m, int k, int j);
  // Gives job j a new route with n steps on machines assignment[1..n] (appended
  // at the end of their sequences) when the route differs; else nothing.
  void change_job_route(int n, const int assignment[5], int j);
  // Same route: moves step k to machine assignment[k] for k = n..1; other route:
  // change_job_route. n outside 1..4 with the same route changes nothing.
  void set_job_assignment(int n, const int assignment[5], int j);
  // Places each route step of job a directly behind the same step of job b in
  // b's machine sequence. Expects a and b on the same route and each step of a
  // already on the machine of b's step (set_job_assignment with b's assignment).
  void follow_job(int a, int b);

  // Creates an unlinked node with all fields 0 (reusing a deleted one when there is).
  int new_task();
  // Returns an unlinked node to the free list.
  void delete_task(int t);

 private:
  void release();
  // Counts and lists of src, taken over into the existing storage.
  void take_lists(const SCH& src);
  bool is_task(int t) const;
  // Inserts node t at the head of list `key` of heads, linked through next/prev.
  void push_front(std::vector<int>& heads, int key, int t, int TASK::*next, int TASK::*prev);
  // A new unlinked node of route step k of job j on machine m.
  int new_step_task(int j, int k, int m);
  std::vector<TASK> Pool;
  int Free_Head = NO_TASK;  // deleted nodes, chained through next_in_job
};
