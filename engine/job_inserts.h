#pragma once
// The draws of putting a removed job back onto the shop: a route from a list
// of routes, per route step a machine from the list of the step's machine
// group and a position. They are written once, for every kind of sequence a
// move keeps: the schedule's own rows (engine/search_operators.cpp) or the
// block lists of the order move that re-inserts a whole long order
// (engine/sequence_blocks.h). Rows gives count(m), the number of route steps
// now on machine m, and put(m, p, j, k), which puts route step k of job j at
// position p of m (the jobs from p on one place back; p clamped to
// 1..count + 1) and writes J_A[j][k].
//
// Every draw goes through rand_n, in the order the route steps are numbered:
// the route, then per step its machine and then its position.
#include <vector>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/schedule_changes.h"
#include "engine/shop_structure.h"

namespace job_inserts {

// A position drawn among 1..n_m (the new last place included), never inside
// the machine's frozen prefix.
inline int position_after_frozen(int n_m, int n_frozen) {
  int p = rand_n(n_m) + 1;
  if (p <= n_frozen) p = n_frozen + 1;
  return p;
}

// A route drawn from routes[1..n_routes], per route step a machine drawn from
// lists[group]; the position comes from place(k, m, n_m) where n_m is the
// machine's count after the insert.
template <class Rows, class Place>
void insert_with(Rows& rows, _S& S, int j, int n_routes, const int* routes, const std::vector<std::vector<int>>& lists,
                 Place place) {
  // An order (or frozen job) without a usable route keeps the job off every
  // machine: route 0 has no steps, so nothing reads its machine entries. A
  // route with a group that offers no machine (never a feasible one) is
  // treated the same, rather than leaving a route step without a machine.
  int route = n_routes > 0 ? routes[rand_n(n_routes) + 1] : 0;
  if (route_length(route) == 0) route = 0;
  const int n = R_MG_ex[route][0];
  for (int k = 1; k <= n && route != 0; ++k) {
    const size_t g = static_cast<size_t>(R_MG_ex[route][k]);
    if (g >= lists.size() || lists[g].empty() || lists[g][0] < 1) route = 0;
  }
  if (S.changes) S.changes->job(j);
  S.edit().set_route(j, route);
  if (route == 0) return;
  for (int k = 1; k <= n; ++k) {
    const std::vector<int>& list = lists[R_MG_ex[route][k]];
    const int m = list[rand_n(list[0]) + 1];
    const int n_m = rows.count(m) + 1;
    rows.put(m, place(k, m, n_m), j, k);
  }
}

// From the order's routes and machine lists, never into a machine's frozen
// prefix.
template <class Rows>
void insert_order_routes(Rows& rows, _S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                         const std::vector<MACHINE>& machines) {
  const ORDER& o = orders[jobs[j].Order_ID];
  insert_with(rows, S, j, o.N_Routes, o.R_feasible, o.MG_M,
              [&](int, int m, int n_m) { return position_after_frozen(n_m, machines[m].N_Frozen); });
}

// From the job's own lists when it carries a FREEZE_JOB: a frozen route step
// goes back to its position in reference, any other after the frozen prefix.
template <class Rows>
void insert_own_routes(Rows& rows, _S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                       const std::vector<MACHINE>& machines, const _S& reference) {
  const JOB& job = jobs[j];
  if (!job.Freeze) {
    // A job without its own lists has nothing frozen: its order's lists apply.
    insert_order_routes(rows, S, j, orders, jobs, machines);
    return;
  }
  const FREEZE_JOB& f = *job.Freeze;
  insert_with(rows, S, j, f.n_routes, f.routes, f.machines, [&](int k, int m, int n_m) {
    if (k > job.N_Frozen) return position_after_frozen(n_m, machines[m].N_Frozen);
    return reference.J_pos[j][k];
  });
}

}  // namespace job_inserts
