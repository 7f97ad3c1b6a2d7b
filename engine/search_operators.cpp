#include "engine/search_operators.h"

#include <algorithm>

#include "engine/random_source.h"
#include "engine/schedule_array.h"

int Nx_op_pri[n_of_operators + 1] = {0, 1, 1, 1, 1, 1};

namespace {

// Puts route step k of job j at position p of machine m; the positions from p
// on move one place back. p is clamped to 1..count + 1 so that a reference
// position from a schedule with a longer prefix never writes past the row.
void insert_at(_S& S, int m, int p, int j, int k) {
  int* seq = S.M_wload[m];
  int* step = S.M_step[m];
  const int cnt = seq[0] + 1;
  p = std::max(1, std::min(p, cnt));
  for (int q = cnt; q > p; --q) {
    seq[q] = seq[q - 1];
    step[q] = step[q - 1];
    S.J_pos[seq[q]][step[q]] = q;
  }
  seq[p] = j;
  step[p] = k;
  seq[0] = cnt;
  S.J_A[j][k] = m;
  S.J_pos[j][k] = p;
}

// A position drawn among 1..n_m (the new last place included), never inside
// the machine's frozen prefix.
int position_after_frozen(int n_m, int n_frozen) {
  int p = rand_n(n_m) + 1;
  if (p <= n_frozen) p = n_frozen + 1;
  return p;
}

// Shared body of the three inserts: a route drawn from routes[1..n_routes],
// per route step a machine drawn from lists[group]; the position comes from
// place(k, m, n_m) where n_m is the machine's count after the insert.
template <class Place>
void insert_with(_S& S, int j, int n_routes, const int* routes, const std::vector<std::vector<int>>& lists,
                 Place place) {
  // An order (or frozen job) without a usable route keeps the job off every
  // machine: route 0 has no steps, so nothing reads its machine entries. A
  // route with a group that offers no machine (never a feasible one) is
  // treated the same, rather than leaving a route step without a machine.
  int route = n_routes > 0 ? routes[rand_n(n_routes) + 1] : 0;
  if (route < 1 || route > 26) route = 0;
  const int n = R_MG_ex[route][0];
  for (int k = 1; k <= n && route != 0; ++k) {
    const size_t g = static_cast<size_t>(R_MG_ex[route][k]);
    if (g >= lists.size() || lists[g].empty() || lists[g][0] < 1) route = 0;
  }
  S.J_A[j][0] = route;
  if (route == 0) return;
  for (int k = 1; k <= n; ++k) {
    const std::vector<int>& list = lists[R_MG_ex[route][k]];
    const int m = list[rand_n(list[0]) + 1];
    const int n_m = S.M_wload[m][0] + 1;
    insert_at(S, m, place(k, m, n_m), j, k);
  }
}

// Scratch rows of the shuffle, kept between calls so that a search does not
// allocate per sample.
std::vector<unsigned char>& avail_scratch(int c) {
  static thread_local std::vector<unsigned char> avail;
  if (static_cast<int>(avail.size()) < c + 1) avail.resize(c + 1);
  return avail;
}
std::vector<int>& positions_scratch(int c) {
  static thread_local std::vector<int> positions;
  if (static_cast<int>(positions.size()) < c + 1) positions.resize(c + 1);
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
  const int n = S.n_steps(j);
  S.J_A[j][0] = 0;
  for (int k = 1; k <= n; ++k) {
    const int m = S.J_A[j][k];
    const int p = S.J_pos[j][k];
    S.J_A[j][k] = 0;
    S.J_pos[j][k] = 0;
    int* seq = S.M_wload[m];
    int* step = S.M_step[m];
    const int cnt = seq[0];
    for (int q = p; q < cnt; ++q) {
      seq[q] = seq[q + 1];
      step[q] = step[q + 1];
      S.J_pos[seq[q]][step[q]] = q;
    }
    seq[0] = cnt - 1;
  }
}

void insert_job_random(_S& S, int j, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs) {
  const ORDER& o = Orders[Jobs[j].Order_ID];
  insert_with(S, j, o.N_Routes, o.R_feasible, o.MG_M, [](int, int, int n_m) { return rand_n(n_m) + 1; });
}

void insert_job_order_routes(_S& S, int j, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs,
                             const std::vector<MACHINE>& Machines) {
  const ORDER& o = Orders[Jobs[j].Order_ID];
  insert_with(S, j, o.N_Routes, o.R_feasible, o.MG_M,
              [&](int, int m, int n_m) { return position_after_frozen(n_m, Machines[m].N_Frozen); });
}

void insert_job_own_routes(_S& S, int j, const std::vector<JOB>& Jobs, const std::vector<MACHINE>& Machines,
                           const _S& reference) {
  const JOB& job = Jobs[j];
  if (!job.Freeze) {
    // A job without its own lists has nothing frozen: its order's lists apply.
    insert_job_order_routes(S, j, Orders, Jobs, Machines);
    return;
  }
  const FREEZE_JOB& f = *job.Freeze;
  insert_with(S, j, f.n_routes, f.routes, f.machines, [&](int k, int m, int n_m) {
    if (k > job.N_Frozen) return position_after_frozen(n_m, Machines[m].N_Frozen);
    return reference.J_pos[j][k];
  });
}

int move_reinsert_job(_S& S, int j, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs) {
  remove_job(S, j);
  insert_job_random(S, j, Orders, Jobs);
  return 1;
}

int follow_job(_S& S, int a, int b) {
  if (a == b) return 1;  // a job already stands with itself
  remove_job(S, b);
  const int route = S.J_A[a][0];
  S.J_A[b][0] = route;
  const int n = S.n_steps(a);
  for (int k = 1; k <= n; ++k) insert_at(S, S.J_A[a][k], S.J_pos[a][k], b, k);
  return 1;
}

int move_reinsert_order(_S& S, int o, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs) {
  if (Orders[o].NJob < 1) return 1;  // an order without jobs has nothing to move
  const int f = Orders[o].First_Job;
  remove_job(S, f);
  insert_job_random(S, f, Orders, Jobs);
  for (int b = f + Orders[o].NJob - 1; b >= f + 1; --b) follow_job(S, f, b);
  return 1;
}

int nth_free_index(int r, const unsigned char* avail, int from, int to) {
  for (int i = from; i <= to; ++i)
    if (avail[i] && --r == 0) return i;
  return -1;
}

int draw_positions(int k, int* P, int c) {
  if (k == 0) k = rand_n(c) + 1;
  std::vector<unsigned char>& avail = avail_scratch(c);
  std::fill(avail.begin() + 1, avail.begin() + c + 1, static_cast<unsigned char>(1));
  int remaining = c;
  for (int i = 1; i <= k; ++i) {
    const int r = rand_n(remaining) + 1;
    const int idx = nth_free_index(r, avail.data(), 1, c);
    if (idx < 0) return -1;
    avail[idx] = 0;
    P[i] = idx;
    --remaining;
  }
  P[0] = k;
  return k;
}

void rotate_positions(_S& S, const int* P, int m) {
  const int k = P[0];
  if (k < 2) return;
  int* seq = S.M_wload[m];
  int* step = S.M_step[m];
  const int last_job = seq[P[k]];
  const int last_step = step[P[k]];
  for (int i = k; i >= 2; --i) {
    seq[P[i]] = seq[P[i - 1]];
    step[P[i]] = step[P[i - 1]];
    S.J_pos[seq[P[i]]][step[P[i]]] = P[i];
  }
  seq[P[1]] = last_job;
  step[P[1]] = last_step;
  S.J_pos[last_job][last_step] = P[1];
}

int move_shuffle_machine(_S& S, int m) {
  const int cnt = S.M_wload[m][0];
  if (cnt < 2) return 0;
  const int k = rand_n(cnt) + 1;
  std::vector<int>& P = positions_scratch(cnt);
  draw_positions(k, P.data(), cnt);
  rotate_positions(S, P.data(), m);
  return 1;
}

void group_orders_on_machine(_S& S, int m, const std::vector<JOB>& Jobs) {
  int* seq = S.M_wload[m];
  int* step = S.M_step[m];
  const int cnt = seq[0];
  std::vector<int> jobs(seq + 1, seq + cnt + 1);
  std::vector<int> steps(step + 1, step + cnt + 1);
  std::vector<char> placed(cnt, 0);
  int p = 0;
  for (int i = 0; i < cnt; ++i) {
    if (placed[i]) continue;
    const int o = Jobs[jobs[i]].Order_ID;
    for (int q = i; q < cnt; ++q) {
      if (placed[q] || Jobs[jobs[q]].Order_ID != o) continue;
      placed[q] = 1;
      ++p;
      seq[p] = jobs[q];
      step[p] = steps[q];
      S.J_pos[jobs[q]][steps[q]] = p;
    }
  }
}
