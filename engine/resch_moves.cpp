#include "engine/resch_moves.h"

#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"

namespace {

bool has_frozen_steps(const std::vector<JOB>& Jobs, int j) { return Jobs[j].N_Frozen >= 1; }

void reinsert(_S& S, int j, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs,
              const std::vector<MACHINE>& Machines, const _S& ref) {
  remove_job(S, j);
  if (has_frozen_steps(Jobs, j))
    insert_job_own_routes(S, j, Jobs, Machines, ref);
  else
    insert_job_order_routes(S, j, Orders, Jobs, Machines);
}

// Scratch of the shuffle's drawn positions, kept between calls so that a
// search does not allocate per sample.
std::vector<int>& positions_scratch(int n) {
  static thread_local std::vector<int> positions;
  if (static_cast<int>(positions.size()) < n + 1) positions.resize(static_cast<std::size_t>(n) + 1);
  return positions;
}

}  // namespace

int move_reinsert_order_resch(_S& S, int o, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs,
                              const std::vector<MACHINE>& Machines, const _S& ref) {
  // An order without jobs has no first job: nothing of another order may move.
  if (Orders[o].NJob < 1) return 1;
  const int f = Orders[o].First_Job;
  const int last = f + Orders[o].NJob - 1;
  reinsert(S, f, Orders, Jobs, Machines, ref);
  for (int k = last; k >= f + 1; --k) {
    if (has_frozen_steps(Jobs, k))
      reinsert(S, k, Orders, Jobs, Machines, ref);
    else if (!follow_job_if_free(S, f, k, Orders, Jobs, Machines, ref))
      reinsert(S, k, Orders, Jobs, Machines, ref);
  }
  return 1;
}

int follow_job_if_free(_S& S, int a, int b, const std::vector<ORDER>& /*Orders*/, const std::vector<JOB>& Jobs,
                       const std::vector<MACHINE>& /*Machines*/, const _S& /*ref*/) {
  if (has_frozen_steps(Jobs, a) || has_frozen_steps(Jobs, b)) return 0;
  follow_job(S, a, b);
  return 1;
}

int move_reinsert_job_resch(_S& S, int j, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs,
                            const std::vector<MACHINE>& Machines, const _S& ref) {
  reinsert(S, j, Orders, Jobs, Machines, ref);
  return 1;
}

int move_shuffle_machine_resch(_S& S, int m, const std::vector<MACHINE>& Machines) {
  const int n = S.count(m);
  const int z = Machines[m].N_Frozen;
  const int u = n - z;
  if (u < 2) return 0;
  const int k = rand_n(u) + 1;
  std::vector<int>& P = positions_scratch(u);
  draw_positions(k, P.data(), u);
  for (int i = 1; i <= k; ++i) P[i] += z;
  rotate_positions(S, P.data(), m);
  return 1;
}
