#include "engine/deviation_measures.h"

namespace {

int setups_on(const _S& S, int m) {
  int s = 0;
  const OP_TIME* row = S.Times[m];
  for (int p = 1; p <= S.count(m); ++p) s += row[p].Setup == 1;
  return s;
}

}  // namespace

void compare_S(const _S& S, OBJ_VALUE& values, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
               const _S& ref, const std::vector<ORDER>& ref_Orders, const std::vector<JOB>& ref_Jobs,
               const std::vector<int>& ref_setups) {
  int* d = values.Dev;
  for (int i = 0; i < 10; ++i) d[i] = 0;
  // jobs are numbered order by order, so one tracker per rule counts each
  // order once.
  int R = 0, M = 0, D = 0, N = 0;
  for (int j = 1; j <= S.n_of_Jobs; ++j) {
    const int o = jobs[j].Order_ID;
    const int route = S.J_A[j][0];
    if (route != ref.J_A[j][0]) {
      ++d[0];
      ++d[1];
      if (o != R) {
        ++d[4];
        ++d[5];
        R = o;
      }
    } else {
      for (int k = S.n_steps(j); k >= 1; --k)
        if (S.J_A[j][k] != ref.J_A[j][k]) {
          ++d[1];
          if (o != M) {
            ++d[5];
            M = o;
          }
          break;
        }
    }
    const bool late = orders[o].CET < jobs[j].EndT;
    const bool ref_late = ref_Orders[ref_Jobs[j].Order_ID].CET < ref_Jobs[j].EndT;
    if (late != ref_late) {
      ++d[2];
      if (o != D) {
        ++d[6];
        D = o;
      }
    }
    if (late && !ref_late) {
      ++d[3];
      if (o != N) {
        ++d[7];
        N = o;
      }
    }
  }
  for (int m = 1; m <= S.n_of_Machines; ++m) {
    const int s = setups_on(S, m);
    const int r = m < static_cast<int>(ref_setups.size()) ? ref_setups[m] : 0;
    if (s != r) ++d[8];
    if (s > r) ++d[9];
  }
}

void count_setups_per_machine(const _S& S, std::vector<int>& counts) {
  counts.assign(static_cast<std::size_t>(S.n_of_Machines) + 1, 0);
  for (int m = 1; m <= S.n_of_Machines; ++m) counts[m] = setups_on(S, m);
}

void print_resch_dev(std::ostream& out, const OBJ_VALUE& values) {
  static const char* const labels[10] = {
      " num. of jobs with differrent route: ",
      " num. of jobs with differrent machines: ",
      " num. of jobs with late deviation: ",
      " num. of new late jobs: ",
      " num. of orders with differrent route: ",
      " num. of orders with differrent machines: ",
      " num. of orders with late deviation: ",
      " num. of new late orders: ",
      " num. of machines with setup number deviation: ",
      " num. of machines with new setups: ",
  };
  for (int i = 0; i < 10; ++i) out << labels[i] << values.Dev[i] << '\n';
}
