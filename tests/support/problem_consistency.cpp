#include "tests/support/problem_consistency.h"

#include <vector>

#include "engine/problem.h"

namespace {

bool list_ok(const std::vector<int>& list, int max_id) {
  if (list.empty() || list[0] != static_cast<int>(list.size()) - 1) return false;
  for (std::size_t i = 1; i < list.size(); ++i)
    if (list[i] < 1 || list[i] > max_id) return false;
  return true;
}

std::string at(const char* what, int i) { return std::string(what) + " " + std::to_string(i); }

}  // namespace

std::string problem_consistency_fault(bool checked) {
  const int M = n_of_Machines, O = n_of_Orders, J = n_of_Jobs, S = n_of_SetupTypes;
  if (Machines.size() != static_cast<size_t>(M) + 1) return "Machines size";
  if (Orders.size() != static_cast<size_t>(O) + 1) return "Orders size";
  if (Jobs.size() != static_cast<size_t>(J) + 1) return "Jobs size";
  if (J_A.size() != static_cast<size_t>(J) + 1) return "J_A size";
  if (M_wload.size() != static_cast<size_t>(M) + 1) return "M_wload size";
  for (const auto& row : M_wload)
    if (row.size() != static_cast<size_t>(J) + 1 || row[0] != 0) return "M_wload row";
  if (MG_M_ex.size() != 11 || Exe_O.size() != 11) return "group lists";
  for (int g = 1; g <= 10; ++g) {
    if (!list_ok(MG_M_ex[g], M)) return at("MG_M_ex", g);
    if (!list_ok(Exe_O[g], O)) return at("Exe_O", g);
  }
  for (int m = 1; m <= M; ++m) {
    const MACHINE& mc = Machines[m];
    if (mc.N_Cal < 0 || mc.Cal.size() != static_cast<size_t>(mc.N_Cal) + 1) return at("calendar of machine", m);
    if (mc.setup_types() != 0 && mc.setup_types() != S) return at("setup matrix of machine", m);
    if (!checked) continue;
    if (mc.ID != m || mc.MG < 1 || mc.MG > 10 || mc.Speed < 1) return at("machine", m);
    if (mc.setup_types() != S || mc.N_Cal < 1) return at("machine tables", m);
    for (int i = 1; i <= mc.N_Cal; ++i)
      if (mc.Cal[i].ST >= mc.Cal[i].ET || (i > 1 && mc.Cal[i - 1].ET >= mc.Cal[i].ST))
        return at("calendar order of machine", m);
  }
  int j = 1;
  for (int o = 1; o <= O; ++o) {
    const ORDER& od = Orders[o];
    if (od.N_Step < 0 || od.Steps.size() != static_cast<size_t>(od.N_Step) + 1) return at("steps of order", o);
    if (od.MG_M.size() != 11) return at("MG_M of order", o);
    for (int g = 1; g <= 10; ++g)
      if (!list_ok(od.MG_M[g], M)) return at("MG_M list of order", o);
    if (od.N_Routes < 0 || od.N_Routes > 8) return at("routes of order", o);
    for (int r = 1; r <= od.N_Routes; ++r) {
      bool in_type = false;
      for (int i = 1; od.Exe >= 1 && od.Exe <= 10 && i <= Exe_R[od.Exe][0]; ++i)
        in_type = in_type || Exe_R[od.Exe][i] == od.R_feasible[r];
      if (!in_type) return at("route outside execution type of order", o);
    }
    for (int n = 1; n <= od.NJob; ++n, ++j) {
      if (j > J || Jobs[j].Order_ID != od.ID || Jobs[j].Number != n || Jobs[j].ID != j) return at("jobs of order", o);
      if (n == 1 && od.First_Job != j) return at("first job of order", o);
    }
    if (!checked) continue;
    if (od.ID != o || od.Exe < 1 || od.Exe > 10 || od.SetupType < 1 || od.SetupType > S || od.NJob < 1 ||
        od.N_Step < 1)
      return at("order", o);
    for (int s = 1; s <= od.N_Step; ++s)
      if (od.Steps[s].M_ID < 1 || od.Steps[s].M_ID > M || od.Steps[s].MG < 1) return at("step of order", o);
  }
  if (j != J + 1) return "job count";
  return "";
}
