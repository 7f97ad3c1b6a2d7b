#include "engine/resch_moves.h"

#include <algorithm>

#include "engine/freeze_job.h"
#include "engine/held_in_place.h"
#include "engine/job_gather.h"
#include "engine/job_inserts.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/schedule_changes.h"
#include "engine/search_operators.h"
#include "engine/sequence_blocks.h"
#include "engine/shop_structure.h"

namespace {

bool has_frozen_steps(const std::vector<JOB>& jobs, int j) { return jobs[j].N_Frozen >= 1; }

template <class Rows>
void reinsert(Rows& rows, _S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
              const std::vector<MACHINE>& machines, const _S& ref) {
  rows.remove_job(j);
  if (has_frozen_steps(jobs, j))
    job_inserts::insert_own_routes(rows, S, j, orders, jobs, machines, ref);
  else
    job_inserts::insert_order_routes(rows, S, j, orders, jobs, machines);
}

// A job's own lists (its FREEZE_JOB and the machine list of each group) lie
// anywhere on the heap, each behind the one before; a long order's move that
// waited for them at every job it re-inserts from them would spend most of its
// time waiting. They are asked for in three stages as the move comes nearer
// the job: the record, then the list heads of the groups of its present
// route, then those lists themselves. Only reads are asked for early; what
// the move draws and writes is not touched.
constexpr int kRecordAhead = 12;
constexpr int kListHeadsAhead = 8;
constexpr int kListsAhead = 4;


// The order move one job after the other. With `held` (order_held_in_place)
// a frozen job only makes its draws.
template <class Rows>
void reinsert_order(Rows& rows, _S& S, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                    const std::vector<MACHINE>& machines, const _S& ref, bool held) {
  const int f = orders[o].First_Job;
  const int last = f + orders[o].NJob - 1;
  const bool f_free = !has_frozen_steps(jobs, f);
  if (held && !f_free)
    draw_as_held(S, f);
  else
    reinsert(rows, S, f, orders, jobs, machines, ref);
  // Jobs the loop re-inserts from their own lists: the frozen ones, unless
  // they are held in place (then they only draw).
  auto own_lists_read = [&](int k) { return !held && k > f && has_frozen_steps(jobs, k); };
  for (int k = last; k >= f + 1; --k) {
    if (own_lists_read(k - kRecordAhead)) prefetch_own_lists(S, jobs, k - kRecordAhead, 0);
    if (own_lists_read(k - kListHeadsAhead)) prefetch_own_lists(S, jobs, k - kListHeadsAhead, 1);
    if (own_lists_read(k - kListsAhead)) prefetch_own_lists(S, jobs, k - kListsAhead, 2);
    if (!has_frozen_steps(jobs, k) && f_free)
      rows.follow(f, k);  // follow_job_if_free for f and k
    else if (held && has_frozen_steps(jobs, k))
      draw_as_held(S, k);
    else
      reinsert(rows, S, k, orders, jobs, machines, ref);
  }
}

std::vector<unsigned char>& job_marks_scratch(int n) {
  static thread_local std::vector<unsigned char> marks;
  if (static_cast<int>(marks.size()) < n) marks.resize(static_cast<std::size_t>(n));
  return marks;
}

SequenceBlocks& blocks_scratch() {
  static thread_local SequenceBlocks blocks;
  return blocks;
}

// Whether the jobs of order o are better re-inserted in block copies of the
// machines they touch than straight into the rows. Straight in, each route
// step shifts about its sequence twice; the copies cost about the length of
// each machine the order stands on once, and a little per route step. Short
// sequences and orders spread thinly over many machines go straight in.
bool worth_blocks(const _S& S, int o, const std::vector<ORDER>& orders) {
  constexpr int kMinJobs = 16;
  const int f = orders[o].First_Job;
  const int n_jobs = orders[o].NJob;
  if (n_jobs < kMinJobs) return false;
  std::vector<unsigned char>& marks = job_gather::machine_marks_scratch(S.n_of_Machines);
  long long shifts = 0;  // what going straight in shifts
  long long copies = 0;  // what the copies write
  for (int j = f; j < f + n_jobs; ++j)
    for (int k = 1, n = S.n_steps(j); k <= n; ++k) {
      const int m = S.J_A[j][k];
      shifts += S.M_wload[m][0];
      copies += 32;
      if (!marks[m]) {
        marks[m] = 1;
        copies += 16LL * S.M_wload[m][0];
      }
    }
  for (int j = f; j < f + n_jobs; ++j)
    for (int k = 1, n = S.n_steps(j); k <= n; ++k) marks[S.J_A[j][k]] = 0;
  return shifts > copies;
}

}  // namespace

int move_reinsert_order_resch(_S& S, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                              const std::vector<MACHINE>& machines, const _S& ref) {
  // An order without jobs has no first job: nothing of another order may move.
  if (orders[o].NJob < 1) return 1;
  const bool held = order_held_in_place(S, o, orders, jobs, machines, ref);
  const int f = orders[o].First_Job;
  if (held && !has_frozen_steps(jobs, f)) {
    // The frozen jobs only draw and the free ones follow f: f goes in, the
    // frozen jobs make their draws in the order of the loop, and the free
    // ones gather before f in one pass.
    ScheduleRows rows{S};
    reinsert(rows, S, f, orders, jobs, machines, ref);
    const int last = f + orders[o].NJob - 1;
    for (int k = last; k > f; --k)
      if (has_frozen_steps(jobs, k)) draw_as_held(S, k);
    // The free jobs marked once in a row of bytes: the gather asks for every
    // job of the machines it walks, and the job records lie far apart.
    std::vector<unsigned char>& frees = job_marks_scratch(last - f);  // by job - (f + 1)
    for (int b = f + 1; b <= last; ++b) frees[static_cast<std::size_t>(b - f - 1)] = has_frozen_steps(jobs, b) ? 0 : 1;
    job_gather::gather_before(S, f, f + 1, last,
                              [&frees, f](int b) { return frees[static_cast<std::size_t>(b - f - 1)] != 0; });
    return 1;
  }
  if (!worth_blocks(S, o, orders)) {
    ScheduleRows rows{S};
    reinsert_order(rows, S, o, orders, jobs, machines, ref, held);
    return 1;
  }
  SequenceBlocks& rows = blocks_scratch();
  rows.start(S);
  reinsert_order(rows, S, o, orders, jobs, machines, ref, held);
  rows.finish();
  return 1;
}

int follow_job_if_free(_S& S, int a, int b, const std::vector<ORDER>& /*orders*/, const std::vector<JOB>& jobs,
                       const std::vector<MACHINE>& /*machines*/, const _S& /*ref*/) {
  if (has_frozen_steps(jobs, a) || has_frozen_steps(jobs, b)) return 0;
  follow_job(S, a, b);
  return 1;
}

int move_reinsert_job_resch(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                            const std::vector<MACHINE>& machines, const _S& ref) {
  ScheduleRows rows{S};
  reinsert(rows, S, j, orders, jobs, machines, ref);
  return 1;
}

int move_shuffle_machine_resch(_S& S, int m, const std::vector<MACHINE>& machines) {
  const int n = S.count(m);
  const int z = machines[m].N_Frozen;
  const int u = n - z;
  if (u < 2) return 0;
  shuffle_positions(S, m, z, rand_n(u) + 1);
  return 1;
}
