#include "engine/problem_tables.h"

#include <utility>

#include "engine/problem.h"

namespace {
std::vector<std::vector<int>> empty_group_lists(const int (&counts)[11]) {
  std::vector<std::vector<int>> lists(11);
  for (int g = 1; g <= 10; ++g) {
    lists[g].reserve(static_cast<size_t>(counts[g]) + 1);
    lists[g].push_back(0);
  }
  return lists;
}

template <class Table>
void release_table(Table& t) noexcept {
  t = Table();
}

void append(std::vector<int>& list, int id) {
  list.push_back(id);
  ++list[0];
}
}  // namespace

void derive_problem_tables() {
  int per_group[11] = {};
  for (int m = 1; m <= n_of_Machines; ++m) {
    MACHINE& mc = Machines[m];
    mc.MG = machine_group_of_steps(mc.StartStep, mc.EndStep);
    mc.ReadyT = 0;
    ++per_group[mc.MG];
  }
  MG_M_ex = empty_group_lists(per_group);
  for (int m = 1; m <= n_of_Machines; ++m)
    if (Machines[m].MG != 0) append(MG_M_ex[Machines[m].MG], Machines[m].ID);

  int per_type[11] = {};
  long long total_jobs = 0;
  for (int o = 1; o <= n_of_Orders; ++o) {
    ORDER& od = Orders[o];
    od.Exe = machine_group_of_steps(od.StartStep, od.EndStep);
    ++per_type[od.Exe];
    int steps_per_group[11] = {};
    for (int s = 1; s <= od.N_Step; ++s) {
      ORDER_STEP& st = od.Steps[s];
      st.MG = machine_group_of_steps(st.SS, st.ES);
      if (st.M_ID >= 1 && st.M_ID <= n_of_Machines) ++steps_per_group[st.MG];
    }
    od.MG_M = empty_group_lists(steps_per_group);
    for (int s = 1; s <= od.N_Step; ++s) {
      const ORDER_STEP& st = od.Steps[s];
      if (st.MG != 0 && st.M_ID >= 1 && st.M_ID <= n_of_Machines) append(od.MG_M[st.MG], st.M_ID);
    }
    od.N_Routes = 0;
    for (int& r : od.R_feasible) r = 0;
    if (od.Exe != 0) {
      for (int i = 1; i <= Exe_R[od.Exe][0]; ++i) {
        const int r = Exe_R[od.Exe][i];
        bool feasible = true;
        for (int k = 1; k <= R_MG_ex[r][0]; ++k)
          if (od.MG_M[R_MG_ex[r][k]][0] == 0) feasible = false;
        if (feasible) od.R_feasible[++od.N_Routes] = r;
      }
    }
    if (od.NJob > 0) total_jobs += od.NJob;
  }
  Exe_O = empty_group_lists(per_type);
  for (int o = 1; o <= n_of_Orders; ++o)
    if (Orders[o].Exe != 0) append(Exe_O[Orders[o].Exe], Orders[o].ID);

  n_of_Jobs = static_cast<int>(total_jobs);
  Jobs.clear();
  Jobs.resize(static_cast<size_t>(n_of_Jobs) + 1);
  int j = 1;
  for (int o = 1; o <= n_of_Orders; ++o) {
    for (int n = 1; n <= Orders[o].NJob; ++n, ++j) {
      Jobs[j].ID = j;
      Jobs[j].Order_ID = Orders[o].ID;
      Jobs[j].Number = n;
      if (n == 1) Orders[o].First_Job = j;
    }
  }
  M_wload.assign(static_cast<size_t>(n_of_Machines) + 1,
                 std::vector<int>(static_cast<size_t>(n_of_Jobs) + 1, 0));
  J_A.assign(static_cast<size_t>(n_of_Jobs) + 1, std::array<int, 5>{0, 0, 0, 0, 0});
}

void clear_problem_data() noexcept {
  // Moving empty tables in hands their memory back; clear() would keep it.
  release_table(M_wload);
  release_table(J_A);
  release_table(Jobs);
  release_table(Exe_O);
  release_table(MG_M_ex);
  release_table(Machines);
  release_table(Orders);
  n_of_Machines = n_of_Orders = n_of_Jobs = n_of_SetupTypes = 0;
}

PROBLEM_DATA take_problem_data() noexcept {
  PROBLEM_DATA p;
  p.n_of_Machines = n_of_Machines;
  p.n_of_Orders = n_of_Orders;
  p.n_of_SetupTypes = n_of_SetupTypes;
  p.n_of_Jobs = n_of_Jobs;
  p.Machines = std::move(Machines);
  p.Orders = std::move(Orders);
  p.Jobs = std::move(Jobs);
  p.MG_M_ex = std::move(MG_M_ex);
  p.Exe_O = std::move(Exe_O);
  p.J_A = std::move(J_A);
  p.M_wload = std::move(M_wload);
  clear_problem_data();
  return p;
}

void put_problem_data(PROBLEM_DATA&& p) noexcept {
  n_of_Machines = p.n_of_Machines;
  n_of_Orders = p.n_of_Orders;
  n_of_SetupTypes = p.n_of_SetupTypes;
  n_of_Jobs = p.n_of_Jobs;
  Machines = std::move(p.Machines);
  Orders = std::move(p.Orders);
  Jobs = std::move(p.Jobs);
  MG_M_ex = std::move(p.MG_M_ex);
  Exe_O = std::move(p.Exe_O);
  J_A = std::move(p.J_A);
  M_wload = std::move(p.M_wload);
}
