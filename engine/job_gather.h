#pragma once
// Gathering the jobs of an order right before its first job f on f's
// machines: what follow_job(S, f, b) does for every moving b from last down
// to first, in one pass over each machine the moving jobs leave and one
// shift of each machine of f, instead of two shifts of a whole sequence per
// job and route step. The moving jobs leave every machine, keeping the other
// jobs' order; each takes f's route and machines; on each of f's machines the
// moving ones of last, .., first then stand right before f. The tables come
// out identical to the job-by-job moves, the zeroed entries of the jobs'
// former route steps included, and the change log notes what follow_job
// would. Nothing is allocated once the scratch rows have grown.
#include <algorithm>
#include <vector>

#include "engine/schedule_array.h"
#include "engine/schedule_changes.h"

namespace job_gather {

// One mark per machine 1..n_machines, reused between moves.
inline std::vector<unsigned char>& machine_marks_scratch(int n_machines) {
  static thread_local std::vector<unsigned char> marks;
  if (static_cast<int>(marks.size()) < n_machines + 1) marks.resize(static_cast<std::size_t>(n_machines) + 1);
  return marks;
}

// moves(b) tells whether job b of first..last (f not among them) is gathered;
// the others stay where they stand.
template <class Moves>
void gather_before(_S& S, int f, int first, int last, Moves moves) {
  if (first > last) return;
  const _S::Edit e = S.edit();
  std::vector<unsigned char>& touched = machine_marks_scratch(S.n_of_Machines);
  std::fill(touched.begin(), touched.begin() + S.n_of_Machines + 1, static_cast<unsigned char>(0));
  int block = 0;
  for (int b = first; b <= last; ++b) {
    if (!moves(b)) continue;
    ++block;
    for (int k = 1, n = S.n_steps(b); k <= n; ++k) touched[S.J_A[b][k]] = 1;
  }
  if (block == 0) return;
  auto leaves = [&](int j) { return j >= first && j <= last && moves(j); };
  for (int m = 1; m <= S.n_of_Machines; ++m) {
    if (!touched[m]) continue;
    int* seq = e.seq(m);
    int* step = e.steps(m);
    int w = 0;
    int first_out = 0;
    int last_out = 0;
    const int cnt = seq[0];
    for (int p = 1; p <= cnt; ++p) {
      const int j = seq[p];
      if (leaves(j)) {
        if (first_out == 0) first_out = p;
        last_out = p;
        continue;
      }
      ++w;
      if (w != p) {
        seq[w] = j;
        step[w] = step[p];
        e.set_pos(j, step[w], w);
      }
    }
    seq[0] = w;
    if (S.changes && first_out > 0) S.changes->row(m, first_out, cnt - last_out, cnt);
  }
  const int route = S.J_A[f][0];
  const int n = S.n_steps(f);
  for (int b = first; b <= last; ++b) {
    if (!moves(b)) continue;
    if (S.changes) S.changes->job(b);
    for (int k = 1, old_n = S.n_steps(b); k <= old_n; ++k) e.set_step(b, k, 0, 0);
    e.set_route(b, route);
  }
  for (int k = 1; k <= n; ++k) {
    const int m = S.J_A[f][k];
    int* seq = e.seq(m);
    int* step = e.steps(m);
    const int p = S.J_pos[f][k];
    const int cnt = seq[0];
    if (S.changes) S.changes->row(m, p, cnt - p + 1, cnt);
    for (int q = cnt; q >= p; --q) {
      seq[q + block] = seq[q];
      step[q + block] = step[q];
      e.set_pos(seq[q + block], step[q + block], q + block);
    }
    int at = p;
    for (int b = last; b >= first; --b) {
      if (!moves(b)) continue;
      seq[at] = b;
      step[at] = k;
      e.set_step(b, k, m, at);
      ++at;
    }
    seq[0] = cnt + block;
  }
}

}  // namespace job_gather
