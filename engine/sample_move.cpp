#include "engine/sample_move.h"

#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/timing.h"

int nth_late_job(int r, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs) {
  const int n = static_cast<int>(Jobs.size()) - 1;
  for (int j = 1; j <= n; ++j)
    if (Jobs[j].EndT > Orders[Jobs[j].Order_ID].CET && --r == 0) return j;
  return 0;
}

namespace {

// A random late job of the sample, or 0 when the sample has none (or the scan
// finds fewer than the drawn r).
int random_late_job(_S& S, OBJ_VALUE& values) {
  calc_S_times(S, MG_M_ex, Orders, Jobs, Machines);
  calc_S_obj_values(S, values, Orders, Jobs);
  const long long L = values.n_of_Late_Jobs;
  if (L <= 0) return 0;
  const int r = rand_n(static_cast<int>(L)) + 1;
  return nth_late_job(r, Orders, Jobs);
}

}  // namespace

int apply_Nx_op(_S& S, int op, OBJ_VALUE& values) {
  switch (op) {
    case 1:
      if (n_of_Orders > 0) move_reinsert_order(S, rand_n(n_of_Orders) + 1, Orders, Jobs);
      return 1;
    case 2: {
      const int j = random_late_job(S, values);
      if (j > 0) move_reinsert_order(S, Jobs[j].Order_ID, Orders, Jobs);
      return 1;
    }
    case 3: {
      const int j = random_late_job(S, values);
      if (j > 0) move_reinsert_job(S, j, Orders, Jobs);
      if (n_of_Machines < 1) return 0;
      return move_shuffle_machine(S, rand_n(n_of_Machines) + 1);
    }
    case 4: {
      const int j = random_late_job(S, values);
      if (j > 0) move_reinsert_job(S, j, Orders, Jobs);
      return 1;
    }
    case 5:
      if (n_of_Jobs > 0) move_reinsert_job(S, rand_n(n_of_Jobs) + 1, Orders, Jobs);
      return 1;
    default:
      return 1;
  }
}
