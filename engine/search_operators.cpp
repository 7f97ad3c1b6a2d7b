#include "engine/search_operators.h"

#include <algorithm>
#include <cstdint>

#include "engine/free_positions.h"
#include "engine/job_gather.h"
#include "engine/job_inserts.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/schedule_changes.h"

int Nx_op_pri[n_of_operators + 1] = {0, 1, 1, 1, 1, 1};

namespace {

// Puts route step k of job j at position p of machine m; the positions from p
// on move one place back. p is clamped to 1..count + 1 so that a reference
// position from a schedule with a longer prefix never writes past the row.
void insert_at(_S& S, int m, int p, int j, int k) {
  const _S::Edit e = S.edit();
  int* seq = e.seq(m);
  int* step = e.steps(m);
  const int cnt = seq[0] + 1;
  p = std::max(1, std::min(p, cnt));
  if (S.changes) {
    S.changes->row(m, p, cnt - p, cnt - 1);
    S.changes->job(j);
  }
  for (int q = cnt; q > p; --q) {
    seq[q] = seq[q - 1];
    step[q] = step[q - 1];
    e.set_pos(seq[q], step[q], q);
  }
  seq[p] = j;
  step[p] = k;
  seq[0] = cnt;
  e.set_step(j, k, m, p);
}

// Scratch rows of the shuffle, kept between calls so that a search does not
// allocate per sample: its drawn and its free positions.
FreePositions& free_positions_scratch() {
  static thread_local FreePositions free;
  return free;
}

std::vector<int>& positions_scratch(int c) {
  static thread_local std::vector<int> positions;
  if (static_cast<int>(positions.size()) < c + 1) positions.resize(static_cast<std::size_t>(c) + 1);
  return positions;
}

}  // namespace

int select_Nx_op(int n, const int* weights) {
  if (n < 1) return 0;
  if (n == 1) return 1;
  int sum = 0;
  for (int i = 1; i <= n; ++i) sum += weights[i];
  const int r = sum > 0 ? rand_n(sum) + 1 : 1;
  int running = 0;
  for (int i = 1; i <= n; ++i) {
    running += weights[i];
    if (running >= r) return i;
  }
  return 1;
}

void remove_job(_S& S, int j) {
  const _S::Edit e = S.edit();
  const int n = S.n_steps(j);
  if (S.changes) S.changes->job(j);
  e.set_route(j, 0);
  for (int k = 1; k <= n; ++k) {
    const int m = S.J_A[j][k];
    const int p = S.J_pos[j][k];
    e.set_step(j, k, 0, 0);
    int* seq = e.seq(m);
    int* step = e.steps(m);
    const int cnt = seq[0];
    if (S.changes) S.changes->row(m, p, cnt - p, cnt);
    for (int q = p; q < cnt; ++q) {
      seq[q] = seq[q + 1];
      step[q] = step[q + 1];
      e.set_pos(seq[q], step[q], q);
    }
    seq[0] = cnt - 1;
  }
}

int ScheduleRows::count(int m) const { return S.M_wload[m][0]; }
void ScheduleRows::put(int m, int p, int j, int k) { insert_at(S, m, p, j, k); }
void ScheduleRows::remove_job(int j) { ::remove_job(S, j); }
void ScheduleRows::follow(int a, int b) { follow_job(S, a, b); }

void insert_job_random(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) {
  const ORDER& o = orders[jobs[j].Order_ID];
  ScheduleRows rows{S};
  job_inserts::insert_with(rows, S, j, o.N_Routes, o.R_feasible, o.MG_M,
                           [](int, int, int n_m) { return rand_n(n_m) + 1; });
}

void insert_job_order_routes(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                             const std::vector<MACHINE>& machines) {
  ScheduleRows rows{S};
  job_inserts::insert_order_routes(rows, S, j, orders, jobs, machines);
}

void insert_job_own_routes(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                           const std::vector<MACHINE>& machines, const _S& reference) {
  ScheduleRows rows{S};
  job_inserts::insert_own_routes(rows, S, j, orders, jobs, machines, reference);
}

int move_reinsert_job(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) {
  remove_job(S, j);
  insert_job_random(S, j, orders, jobs);
  return 1;
}

int follow_job(_S& S, int a, int b) {
  if (a == b) return 1;  // a job already stands with itself
  remove_job(S, b);
  S.edit().set_route(b, S.J_A[a][0]);
  const int n = S.n_steps(a);
  for (int k = 1; k <= n; ++k) insert_at(S, S.J_A[a][k], S.J_pos[a][k], b, k);
  return 1;
}

int move_reinsert_order(_S& S, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) {
  if (orders[o].NJob < 1) return 1;  // an order without jobs has nothing to move
  const int f = orders[o].First_Job;
  remove_job(S, f);
  insert_job_random(S, f, orders, jobs);
  if (orders[o].NJob > 1) job_gather::gather_before(S, f, f + 1, f + orders[o].NJob - 1, [](int) { return true; });
  return 1;
}

int nth_free_index(int r, const unsigned char* avail, int from, int to) {
  for (int i = from; i <= to; ++i)
    if (avail[i] && --r == 0) return i;
  return -1;
}

int draw_positions(int k, int* P, int c) {
  if (k == 0) k = rand_n(c) + 1;
  FreePositions& free = free_positions_scratch();
  free.reset(c);
  if (!free.draw(k, P)) return -1;  // a draw found nothing free
  P[0] = k;
  return k;
}

void rotate_positions(_S& S, const int* P, int m) {
  const _S::Edit e = S.edit();
  const int k = P[0];
  if (k < 2) return;
  int* seq = e.seq(m);
  int* step = e.steps(m);
  if (S.changes) {
    int lo = P[1];
    int hi = P[1];
    for (int i = 2; i <= k; ++i) {
      lo = std::min(lo, P[i]);
      hi = std::max(hi, P[i]);
    }
    S.changes->row(m, lo, seq[0] - hi, seq[0]);
  }
  const int last_job = seq[P[k]];
  const int last_step = step[P[k]];
  for (int i = k; i >= 2; --i) {
    seq[P[i]] = seq[P[i - 1]];
    step[P[i]] = step[P[i - 1]];
    e.set_pos(seq[P[i]], step[P[i]], P[i]);
  }
  seq[P[1]] = last_job;
  step[P[1]] = last_step;
  e.set_pos(last_job, last_step, P[1]);
}

void shuffle_positions(_S& S, int m, int from, int k) {
  const int c = S.M_wload[m][0] - from;
  std::vector<int>& P = positions_scratch(c);
  draw_positions(k, P.data(), c);
  for (int i = 1; i <= k; ++i) P[static_cast<std::size_t>(i)] += from;
  rotate_positions(S, P.data(), m);
}

int move_shuffle_machine(_S& S, int m) {
  const int cnt = S.M_wload[m][0];
  if (cnt < 2) return 0;
  shuffle_positions(S, m, 0, rand_n(cnt) + 1);
  return 1;
}

void group_orders_on_machine(_S& S, int m, const std::vector<JOB>& jobs) {
  const _S::Edit e = S.edit();
  int* seq = e.seq(m);
  int* step = e.steps(m);
  const int cnt = seq[0];
  if (S.changes) S.changes->row(m, 1, 0, cnt);
  std::vector<int> seq_jobs(seq + 1, seq + cnt + 1);
  std::vector<int> steps(step + 1, step + cnt + 1);
  std::vector<char> placed(cnt, 0);
  int p = 0;
  for (int i = 0; i < cnt; ++i) {
    if (placed[i]) continue;
    const int o = jobs[seq_jobs[i]].Order_ID;
    for (int q = i; q < cnt; ++q) {
      if (placed[q] || jobs[seq_jobs[q]].Order_ID != o) continue;
      placed[q] = 1;
      ++p;
      seq[p] = seq_jobs[q];
      step[p] = steps[q];
      e.set_pos(seq_jobs[q], steps[q], p);
    }
  }
}
