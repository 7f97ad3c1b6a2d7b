#include "engine/held_in_place.h"

#include "engine/freeze_job.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/shop_structure.h"

namespace {

// A job's own lists lie anywhere on the heap, each behind the one before:
// the record, the table of its groups' lists, the lists. The check walks the
// frozen jobs on their own, after the free ones, and asks for those of the
// frozen jobs this many ahead in three stages as it comes nearer: counted in
// frozen jobs, the distance stays the same however thinly they are spread
// among the order's jobs.
constexpr int kRecordAhead = 24;
constexpr int kTableAhead = 16;
constexpr int kListsAhead = 8;

std::vector<int>& frozen_jobs_scratch() {
  static thread_local std::vector<int> frozen;
  return frozen;
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
  // The free jobs first, noting the frozen ones; then the frozen ones. The
  // answer is the same in any order: every job must pass.
  std::vector<int>& frozen = frozen_jobs_scratch();
  frozen.clear();
  for (int j = f; j <= last; ++j) {
    if (jobs[static_cast<std::size_t>(j)].N_Frozen >= 1) {
      frozen.push_back(j);
      continue;
    }
    for (int k = 1, n = S.n_steps(j); k <= n; ++k)
      if (S.J_pos[j][k] <= machines[static_cast<std::size_t>(S.J_A[j][k])].N_Frozen) return false;
  }
  const int n_frozen = static_cast<int>(frozen.size());
  for (int i = 0; i < n_frozen; ++i) {
    const int ahead[3] = {kRecordAhead, kTableAhead, kListsAhead};
    for (int stage = 0; stage < 3; ++stage)
      if (i + ahead[stage] < n_frozen) prefetch_own_lists(S, jobs, frozen[static_cast<std::size_t>(i + ahead[stage])], stage);
    if (!held_in_place(S, frozen[static_cast<std::size_t>(i)], jobs, machines, ref)) return false;
  }
  return true;
}

void draw_as_held(const _S& S, int j) {
  rand_n(1);  // the route
  for (int k = 1, n = S.n_steps(j); k <= n; ++k) rand_n(1);  // each step's machine
}
