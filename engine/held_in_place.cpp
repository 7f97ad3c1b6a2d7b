#include "engine/held_in_place.h"

#include "engine/freeze_job.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/shop_structure.h"

namespace {

// A job's own lists lie anywhere on the heap, the lists behind the record:
// the record of the job kAhead ahead is asked for early, its lists once it
// has come in.
constexpr int kAhead = 16;
constexpr int kListsAhead = 8;

void ask_early(const _S& S, const std::vector<JOB>& jobs, int j, bool lists) {
  const FREEZE_JOB* own = jobs[static_cast<std::size_t>(j)].Freeze.get();
  if (!own) return;
  if (!lists) {
    __builtin_prefetch(own);
    return;
  }
  const int route = S.J_A[j][0];
  for (int k = 1, n = route_length(route); k <= n; ++k) {
    const std::size_t g = static_cast<std::size_t>(R_MG_ex[route][k]);
    if (g < own->machines.size()) __builtin_prefetch(own->machines[g].data());
  }
}

}  // namespace

bool held_in_place(const _S& S, int j, const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines,
                   const _S& ref) {
  const JOB& job = jobs[static_cast<std::size_t>(j)];
  const FREEZE_JOB* own = job.Freeze.get();
  const int route = S.J_A[j][0];
  const int n = route_length(route);
  if (!own || n == 0 || job.N_Frozen < n || own->n_routes != 1 || own->routes[1] != route) return false;
  if (j > ref.n_of_Jobs || ref.J_A[j][0] != route) return false;
  for (int k = 1; k <= n; ++k) {
    const std::size_t g = static_cast<std::size_t>(R_MG_ex[route][k]);
    if (g >= own->machines.size()) return false;
    const std::vector<int>& list = own->machines[g];
    const int m = S.J_A[j][k];
    const int p = S.J_pos[j][k];
    if (list.size() < 2 || list[0] != 1 || list[1] != m) return false;
    if (p != ref.J_pos[j][k] || p < 1 || p > machines[static_cast<std::size_t>(m)].N_Frozen) return false;
    for (int e = 1; e < k; ++e)
      if (S.J_A[j][e] == m) return false;
  }
  return true;
}

bool order_held_in_place(const _S& S, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                         const std::vector<MACHINE>& machines, const _S& ref) {
  const int f = orders[static_cast<std::size_t>(o)].First_Job;
  const int last = f + orders[static_cast<std::size_t>(o)].NJob - 1;
  for (int j = f; j <= last; ++j) {
    if (j + kAhead <= last && jobs[static_cast<std::size_t>(j + kAhead)].N_Frozen >= 1) ask_early(S, jobs, j + kAhead, false);
    if (j + kListsAhead <= last && jobs[static_cast<std::size_t>(j + kListsAhead)].N_Frozen >= 1)
      ask_early(S, jobs, j + kListsAhead, true);
    if (jobs[static_cast<std::size_t>(j)].N_Frozen >= 1) {
      if (!held_in_place(S, j, jobs, machines, ref)) return false;
      continue;
    }
    for (int k = 1, n = S.n_steps(j); k <= n; ++k)
      if (S.J_pos[j][k] <= machines[static_cast<std::size_t>(S.J_A[j][k])].N_Frozen) return false;
  }
  return true;
}

void draw_as_held(const _S& S, int j) {
  rand_n(1);  // the route
  for (int k = 1, n = S.n_steps(j); k <= n; ++k) rand_n(1);  // each step's machine
}
