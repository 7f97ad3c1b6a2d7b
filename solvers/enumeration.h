#pragma once
// Enumeration of every schedule of a small problem (method 3 of the scheduler
// window, "Enumaration for small size problems"): every combination of route
// and machines of every job, and for each such assignment every order of the
// jobs on every machine. The best schedule under the objective comparison
// becomes the live schedule; the run report counts the schedules evaluated and
// those as good as the best. The starting schedule (random on a first run,
// else the live one on request) competes too, but the report names it in no
// line of its own.
//
// Counters of permutations and combinations are 64-bit: 13 jobs on one
// machine already give more orders (13!) than an int holds, and the 20-job
// limit does not rule that out.
#include <cstdint>
#include <vector>

#include "engine/problem.h"
#include "engine/schedule_array.h"

// The caller's size check: false (after the message "Too large problem for
// enumerating all cases! ...") for more than 20 machines or 20 jobs.
bool enumeration_size_allowed();

// The run. 1 after a completed or stopped run, -1 when the run report cannot be
// written (a message says so, the progress window is hidden and the scheduler
// window shown again).
int Enumeration_small_size();

// Number of route-and-machine combinations of a job of order o: over its
// feasible routes, the product of the counts of the order's MG_M lists of the
// route's machine groups. 0 for an order without a feasible route.
std::int64_t n_of_job_combinations(const ORDER& o);

// Gives job j combination number k (1-based) of its order: for each feasible
// route in R_feasible order, four nested counters i1 (outermost) .. i4
// (innermost), i_k over the order's MG_M list of the route's k-th group (one
// value for steps the route does not have). The job is taken out first and
// appended at the end of each chosen machine. A k beyond the combinations
// leaves the job out (route 0).
void assign_job_by_index(_S& S, int j, std::int64_t k, const std::vector<ORDER>& orders,
                         const std::vector<JOB>& jobs);

// Next permutation of list[1..list[0]] in lexicographic order; 0 (list
// unchanged) when it is the last.
int next_perm(std::vector<int>& list);

// Advances v[1..v[0]] like a mixed-radix counter with digits 1..limits[i], the
// last digit fastest; 0 when the first digit wraps (v is then all 1), else 1.
int next_index_vector(std::vector<std::int64_t>& v, const std::vector<std::int64_t>& limits);

// Position i = 1..c of machine m in S gets the job (and its route step) at
// position perm[m][i] of the base rows; the job positions follow.
void apply_machine_perm(_S& S, const std::vector<std::vector<int>>& perm, int m,
                        const ScheduleTable<RowTable<int>>& rows, const ScheduleTable<RowTable<int>>& steps);

inline int n_of_jobs_on_machine(const _S& S, int m) { return S.M_wload[m][0]; }
inline const ScheduleTable<RowTable<int>>& get_M_wload(const _S& S) { return S.M_wload; }
inline const ScheduleTable<RowTable<int>>& get_M_step(const _S& S) { return S.M_step; }
