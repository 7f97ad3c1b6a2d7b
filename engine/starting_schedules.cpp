#include "engine/starting_schedules.h"

#include <utility>

#include "engine/random_source.h"
#include "engine/schedule_array.h"

namespace {

// Puts route step k of job j at the end of machine m.
void append(_S& S, int m, int j, int k) {
  const _S::Edit e = S.edit();
  const int p = S.count(m) + 1;
  e.put(m, p, j, k);
  e.set_count(m, p);
  e.set_step(j, k, m, p);
}

// Every machine empty and every job off the shop (route 0). A job that no
// heuristic reaches (an order of no execution type) then stays consistently
// unplaced instead of keeping a route whose positions point into emptied rows.
void clear_schedule(_S& S) {
  const _S::Edit e = S.edit();
  for (int m = 0; m <= S.n_of_Machines; ++m) e.set_count(m, 0);
  for (int j = 0; j <= S.n_of_Jobs; ++j) e.set_route(j, 0);
}

// Machine of route step k from the order's list of the step's machine group:
// the first one, or a random one.
int first_machine(const ORDER& o, int route, int k) { return o.MG_M[R_MG_ex[route][k]][1]; }
int random_machine(const ORDER& o, int route, int k) {
  const std::vector<int>& list = o.MG_M[R_MG_ex[route][k]];
  return list[rand_n(list[0]) + 1];
}

// Job j on route with machine(k) for each route step, appended at the end.
// Route 0 (an order without a feasible route) places nothing.
template <class MachineOf>
void append_job(_S& S, int j, int route, MachineOf machine) {
  S.edit().set_route(j, route);
  const int n = S.n_steps(j);
  for (int k = 1; k <= n; ++k) append(S, machine(k), j, k);
}

void orders_in_sequence(_S& S, const std::vector<ORDER>& orders, const std::vector<int>& sequence) {
  clear_schedule(S);
  for (size_t i = 1; i < sequence.size(); ++i) {
    const ORDER& o = orders[sequence[i]];
    const int route = o.N_Routes > 0 ? o.R_feasible[1] : 0;
    for (int j = o.First_Job; j < o.First_Job + o.NJob; ++j)
      append_job(S, j, route, [&](int k) { return first_machine(o, route, k); });
  }
}

void orders_by_exe_type(_S& S, const std::vector<ORDER>& orders, const std::vector<std::vector<int>>& exe_o,
                        bool every_job_draws) {
  clear_schedule(S);
  for (int t = 1; t <= 10; ++t) {
    const std::vector<int>& list = exe_o[t];
    for (int i = 1; i <= list[0]; ++i) {
      const ORDER& o = orders[list[i]];
      const int route = o.R_feasible[o.N_Routes];  // the last feasible route; 0 when there is none
      const int f = o.First_Job;
      for (int j = f; j < f + o.NJob; ++j) {
        if (j == f || every_job_draws)
          append_job(S, j, route, [&](int k) { return random_machine(o, route, k); });
        else
          append_job(S, j, route, [&](int k) { return S.J_A[f][k]; });
      }
    }
  }
}

}  // namespace

int random_init_S(_S& S, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) {
  seed_random_from_time();
  // A reused buffer starts empty too, so its rows never overflow.
  clear_schedule(S);
  for (int j = 1; j <= S.n_of_Jobs; ++j) {
    const ORDER& o = orders[jobs[j].Order_ID];
    const int route = o.N_Routes > 0 ? o.R_feasible[rand_n(o.N_Routes) + 1] : 0;
    append_job(S, j, route, [&](int k) { return random_machine(o, route, k); });
  }
  return 1;
}

int order_assign_EDD_seq(_S& S, const std::vector<ORDER>& orders) {
  const int n = S.n_of_Orders;
  std::vector<int> sequence(n + 1);
  for (int i = 0; i <= n; ++i) sequence[i] = i;
  for (int i = 1; i <= n; ++i) {
    int best = i;
    for (int q = i + 1; q <= n; ++q)
      if (orders[sequence[q]].CET < orders[sequence[best]].CET) best = q;
    std::swap(sequence[i], sequence[best]);
  }
  orders_in_sequence(S, orders, sequence);
  return 1;
}

int order_assign_random_seq(_S& S, const std::vector<ORDER>& orders) {
  std::vector<int> sequence(S.n_of_Orders + 1);
  for (int i = 0; i <= S.n_of_Orders; ++i) sequence[i] = i;
  orders_in_sequence(S, orders, sequence);
  return 1;
}

int order_exe_type_assign(_S& S, const std::vector<ORDER>& orders, const std::vector<std::vector<int>>& exe_o) {
  orders_by_exe_type(S, orders, exe_o, false);
  return 1;
}

int order_exe_type_assign_jobs(_S& S, const std::vector<ORDER>& orders,
                                const std::vector<std::vector<int>>& exe_o) {
  orders_by_exe_type(S, orders, exe_o, true);
  return 1;
}
