#include "engine/problem.h"

#include <cstdlib>
#include <cstring>

#include "engine/random_source.h"

int n_of_Machines = 0;
int n_of_Orders = 0;
int n_of_SetupTypes = 0;
int n_of_Jobs = 0;
std::vector<MACHINE> Machines;
std::vector<ORDER> Orders;
std::vector<JOB> Jobs;
std::vector<std::vector<int>> MG_M_ex;
std::vector<std::vector<int>> Exe_O;
std::vector<std::array<int, 5>> J_A;
std::vector<std::vector<int>> M_wload;

void MACHINE::alloc_setup_matrix(int n_types) {
  if (n_types < 0) n_types = 0;
  SetupDim = n_types + 1;
  SetupTimes.assign(static_cast<size_t>(SetupDim) * SetupDim, 0);
}

int MACHINE::cal_time_until(int t) const {
  long long sum = 0;
  for (int i = 1; i <= N_Cal; ++i) {
    if (Cal[i].ST >= t) break;
    sum += static_cast<long long>(Cal[i].ET < t ? Cal[i].ET : t) - Cal[i].ST;
  }
  return static_cast<int>(sum);
}

int MACHINE::delete_interval(int i) {
  if (N_Cal < 2 || i < 1 || i > N_Cal) return 0;
  Cal.erase(Cal.begin() + i);
  --N_Cal;
  return 1;
}

int MACHINE::insert_interval(int st, int et) {
  if (static_cast<long long>(et) - st < 1) return -1;
  for (int i = 1; i <= N_Cal; ++i)
    if (Cal[i].ST <= et && st <= Cal[i].ET) return 0;  // shares at least one point
  int at = N_Cal + 1;
  for (int i = 1; i <= N_Cal; ++i)
    if (Cal[i].ST > st) {
      at = i;
      break;
    }
  if (Cal.empty()) Cal.resize(1);
  Cal.insert(Cal.begin() + at, CAL_INTERVAL{st, et});
  ++N_Cal;
  return 1;
}

JOB& JOB::operator=(const JOB& other) {
  if (this == &other) return *this;
  N_Frozen = other.N_Frozen;
  Freeze = other.Freeze ? std::make_unique<FREEZE_JOB>(*other.Freeze) : nullptr;
  ID = other.ID;
  Order_ID = other.Order_ID;
  Number = other.Number;
  StartT = other.StartT;
  EndT = other.EndT;
  return *this;
}

int get_number_from_name(const char* name) {
  if (name == nullptr) return 0;
  const char* last = std::strrchr(name, '_');
  return static_cast<int>(std::atol(last != nullptr ? last + 1 : name));
}

void reset_J_A_M_wload() {
  for (int m = 0; m <= n_of_Machines && m < static_cast<int>(M_wload.size()); ++m)
    if (!M_wload[m].empty()) M_wload[m][0] = 0;
  for (int j = 0; j <= n_of_Jobs && j < static_cast<int>(J_A.size()); ++j) J_A[j][0] = 0;
}

void random_J_A_M_wload() {
  for (int j = 1; j <= n_of_Jobs; ++j) {
    const ORDER& o = Orders[Jobs[j].Order_ID];
    if (o.N_Routes <= 0) {
      J_A[j][0] = 0;  // no feasible route: the job stays unscheduled
      continue;
    }
    const int route = o.R_feasible[rand_n(o.N_Routes) + 1];
    J_A[j][0] = route;
    for (int k = 1; k <= R_MG_ex[route][0]; ++k) {
      const std::vector<int>& L = o.MG_M[R_MG_ex[route][k]];
      const int m = L[rand_n(L[0]) + 1];
      J_A[j][k] = m;
      std::vector<int>& row = M_wload[m];
      row[++row[0]] = j;
    }
  }
}
