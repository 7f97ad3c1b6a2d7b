#include "engine/freezing.h"

#include <memory>

#include "engine/schedule_array.h"

namespace {

void copy_list(std::vector<int>& to, const std::vector<int>& from) {
  to = from.empty() ? std::vector<int>(1, 0) : from;
}

}  // namespace

void set_freeze_job(const _S& S, int j, const std::vector<ORDER>& orders, std::vector<JOB>& jobs,
                    const std::vector<MACHINE>& /*Machines*/, int t) {
  JOB& job = jobs[j];
  const ORDER& o = orders[job.Order_ID];
  if (!job.Freeze) {
    job.Freeze = std::make_unique<FREEZE_JOB>();
    job.Freeze->alloc_lists(o.MG_M);
  }
  FREEZE_JOB& F = *job.Freeze;
  if (F.machines.size() < 11) F.machines.resize(11);
  F.n_routes = 0;
  for (int g = 1; g <= 10; ++g) {
    if (F.machines[g].empty()) F.machines[g].push_back(0);
    F.machines[g][0] = 0;
  }
  job.N_Frozen = 0;

  // The last route step that has started by t. Steps of a job run one after
  // the other, so every earlier step has started too and is frozen with it,
  // even where a long setup let a later step's start fall before an earlier one.
  const int n = S.n_steps(j);
  int last = 0;
  for (int k = 1; k <= n; ++k) {
    const int m = S.J_A[j][k];
    if (S.Times[m][S.J_pos[j][k]].StartT <= t) last = k;
  }
  // The group of a frozen step is the one its route step names; it is the
  // machine's own group whenever the order's permitted machines agree with
  // their groups, and it is the slot the job's re-insert reads for that step.
  int g = 0;
  for (int k = 1; k <= last; ++k) {
    const int m = S.J_A[j][k];
    g = R_MG_ex[S.J_A[j][0]][k];
    F.machines[g].assign(2, 0);
    F.machines[g][0] = 1;
    F.machines[g][1] = m;
  }
  job.N_Frozen = last;

  if (last == 0) {
    F.n_routes = o.N_Routes;
    for (int i = 0; i <= 8; ++i) F.routes[i] = o.R_feasible[i];
    for (int h = 1; h <= 10; ++h) copy_list(F.machines[h], h < static_cast<int>(o.MG_M.size()) ? o.MG_M[h] : std::vector<int>());
    return;
  }
  for (int h = 1; h <= 10; ++h)
    if (exe_type_first_step(h) > exe_type_last_step(g) && h < static_cast<int>(o.MG_M.size()))
      copy_list(F.machines[h], o.MG_M[h]);
  for (int i = 1; i <= o.N_Routes; ++i) {
    const int r = o.R_feasible[i];
    bool open = true;
    for (int k = 1; k <= R_MG_ex[r][0] && open; ++k) open = F.machines[R_MG_ex[r][k]][0] > 0;
    if (open) F.routes[++F.n_routes] = r;
  }
  for (int i = F.n_routes + 1; i <= 8; ++i) F.routes[i] = 0;
}

void freeze_S_at(const _S& S, const std::vector<ORDER>& orders, std::vector<JOB>& jobs,
                 std::vector<MACHINE>& machines, int t) {
  for (int j = 1; j <= S.n_of_Jobs; ++j) {
    jobs[j].Freeze = std::make_unique<FREEZE_JOB>();
    jobs[j].Freeze->alloc_lists(orders[jobs[j].Order_ID].MG_M);
    set_freeze_job(S, j, orders, jobs, machines, t);
  }
  for (int m = 1; m <= S.n_of_Machines; ++m) {
    int p = 0;
    while (p < S.count(m) && S.Times[m][p + 1].StartT <= t) ++p;
    machines[m].N_Frozen = p;
  }
}

int compare_S_sequences(const _S& a, const _S& b, const std::vector<JOB>& jobs,
                        const std::vector<MACHINE>& machines) {
  for (int j = 1; j <= a.n_of_Jobs; ++j)
    for (int k = 1; k <= jobs[j].N_Frozen; ++k)
      if (a.J_A[j][k] != b.J_A[j][k] || a.J_pos[j][k] != b.J_pos[j][k]) return 0;
  for (int m = 1; m <= a.n_of_Machines; ++m) {
    const int z = machines[m].N_Frozen;
    if (z > a.count(m) || z > b.count(m)) return 0;
    for (int p = 1; p <= z; ++p)
      if (a.M_wload[m][p] != b.M_wload[m][p] || a.M_step[m][p] != b.M_step[m][p]) return 0;
  }
  return 1;
}
