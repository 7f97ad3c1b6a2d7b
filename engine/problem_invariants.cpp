#include "engine/problem_invariants.h"

#include <vector>

#include "engine/problem.h"
#include "engine/shop_structure.h"

namespace {

std::string of(const char* what, int i) { return std::string(what) + " " + std::to_string(i); }

// A {count, ids} list whose count is its length and whose ids lie in 1..max_id.
bool counted_list(const std::vector<int>& list, int max_id) {
  if (list.empty() || list[0] != static_cast<int>(list.size()) - 1) return false;
  for (std::size_t i = 1; i < list.size(); ++i)
    if (list[i] < 1 || list[i] > max_id) return false;
  return true;
}

bool is_group(int g) { return g >= 1 && g <= 10; }

std::string tables_fault() {
  const int M = n_of_Machines, O = n_of_Orders, J = n_of_Jobs;
  if (M < 0 || O < 0 || J < 0 || n_of_SetupTypes < 0) return "a negative count";
  if (Machines.size() != static_cast<std::size_t>(M) + 1) return "the machine table does not match its count";
  if (Orders.size() != static_cast<std::size_t>(O) + 1) return "the order table does not match its count";
  if (Jobs.size() != static_cast<std::size_t>(J) + 1) return "the job table does not match its count";
  if (J_A.size() != static_cast<std::size_t>(J) + 1) return "J_A does not match the number of jobs";
  if (M_wload.size() != static_cast<std::size_t>(M) + 1) return "M_wload does not match the number of machines";
  for (const std::vector<int>& row : M_wload)
    if (row.size() != static_cast<std::size_t>(J) + 1) return "an M_wload row cannot hold every job";
  if (MG_M_ex.size() != 11 || Exe_O.size() != 11) return "the group lists are not ten";
  return "";
}

std::string machine_fault(int m) {
  const MACHINE& mc = Machines[m];
  if (mc.ID != m) return of("the id of machine", m);
  if (!is_group(mc.MG) || mc.MG != machine_group_of_steps(mc.StartStep, mc.EndStep))
    return of("no machine group for machine", m);
  if (mc.Speed < 1) return of("no speed for machine", m);
  if (mc.N_Cal < 1 || mc.Cal.size() != static_cast<std::size_t>(mc.N_Cal) + 1)
    return of("the calendar count of machine", m);
  for (int i = 1; i <= mc.N_Cal; ++i)
    if (mc.Cal[i].ST >= mc.Cal[i].ET || (i > 1 && mc.Cal[i - 1].ET >= mc.Cal[i].ST))
      return of("the calendar order of machine", m);
  if (mc.setup_types() != n_of_SetupTypes) return of("the setup matrix of machine", m);
  return "";
}

std::string group_lists_fault() {
  for (int g = 1; g <= 10; ++g) {
    if (!counted_list(MG_M_ex[g], n_of_Machines)) return of("the machine list of group", g);
    for (std::size_t i = 1; i < MG_M_ex[g].size(); ++i)
      if (Machines[MG_M_ex[g][i]].MG != g) return of("a machine of another group listed in group", g);
    if (!counted_list(Exe_O[g], n_of_Orders)) return of("the order list of execution type", g);
    for (std::size_t i = 1; i < Exe_O[g].size(); ++i)
      if (Orders[Exe_O[g][i]].Exe != g) return of("an order of another type listed in execution type", g);
  }
  return "";
}

std::string order_fault(int o) {
  const ORDER& od = Orders[o];
  if (od.ID != o) return of("the id of order", o);
  if (!is_group(od.Exe) || od.Exe != machine_group_of_steps(od.StartStep, od.EndStep))
    return of("no execution type for order", o);
  if (od.SetupType < 1 || od.SetupType > n_of_SetupTypes) return of("the setup type of order", o);
  if (od.NJob < 1) return of("no jobs for order", o);
  if (od.N_Step < 1 || od.Steps.size() != static_cast<std::size_t>(od.N_Step) + 1)
    return of("the step count of order", o);
  for (int s = 1; s <= od.N_Step; ++s) {
    const ORDER_STEP& st = od.Steps[s];
    if (!is_group(st.MG) || st.MG != machine_group_of_steps(st.SS, st.ES)) return of("a step range of order", o);
    if (st.M_ID < 1 || st.M_ID > n_of_Machines) return of("an unknown machine permitted to order", o);
    if (Machines[st.M_ID].MG != st.MG)
      return "machine " + std::to_string(st.M_ID) + " of order " + std::to_string(o) + " is not in machine group " +
             std::to_string(st.MG);
  }
  if (od.MG_M.size() != 11) return of("the machine lists of order", o);
  for (int g = 1; g <= 10; ++g) {
    if (!counted_list(od.MG_M[g], n_of_Machines)) return of("a machine list of order", o);
    for (std::size_t i = 1; i < od.MG_M[g].size(); ++i)
      if (Machines[od.MG_M[g][i]].MG != g)
        return "machine " + std::to_string(od.MG_M[g][i]) + " of order " + std::to_string(o) +
               " is not in machine group " + std::to_string(g);
  }
  if (od.N_Routes < 0 || od.N_Routes > Exe_R[od.Exe][0]) return of("the route count of order", o);
  for (int i = 1; i <= od.N_Routes; ++i) {
    const int r = od.R_feasible[i];
    bool of_type = false;
    for (int k = 1; k <= Exe_R[od.Exe][0]; ++k) of_type = of_type || Exe_R[od.Exe][k] == r;
    if (!of_type) return of("a route of another execution type for order", o);
    for (int k = 1; k <= route_length(r); ++k)
      if (od.MG_M[R_MG_ex[r][k]][0] == 0) return of("a feasible route without machines for order", o);
  }
  return "";
}

std::string jobs_fault() {
  int j = 1;
  for (int o = 1; o <= n_of_Orders; ++o) {
    const ORDER& od = Orders[o];
    if (od.First_Job != j) return of("the first job of order", o);
    for (int n = 1; n <= od.NJob; ++n, ++j)
      if (j > n_of_Jobs || Jobs[j].ID != j || Jobs[j].Order_ID != o || Jobs[j].Number != n)
        return of("the jobs of order", o);
  }
  if (j != n_of_Jobs + 1) return "the number of jobs";
  return "";
}

}  // namespace

std::string problem_invariant_fault() {
  std::string fault = tables_fault();
  for (int m = 1; fault.empty() && m <= n_of_Machines; ++m) fault = machine_fault(m);
  if (fault.empty()) fault = group_lists_fault();
  for (int o = 1; fault.empty() && o <= n_of_Orders; ++o) fault = order_fault(o);
  if (fault.empty()) fault = jobs_fault();
  return fault;
}
