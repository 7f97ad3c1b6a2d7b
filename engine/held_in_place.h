#pragma once
// Frozen jobs that a rescheduling re-insert puts back exactly where it took
// them from. Such a job has every route step frozen, each at its reference
// place inside its machine's frozen head, on a machine of its own (no two of
// its steps share one), and its own lists offer nothing but its present
// route and, per step, its present machine. Re-inserting it draws the route
// and each step's machine, one choice each, and puts every step back at the
// place it was taken from, so the tables do not change: only the draws are
// made. That holds while nothing else enters or leaves a frozen head, which
// the order move checks for its free jobs too (order_held_in_place).
#include <vector>

#include "engine/freeze_job.h"
#include "engine/problem.h"
#include "engine/schedule_array.h"
#include "engine/shop_structure.h"

// Whether job j (of S, with frozen steps) is held in place as above.
bool held_in_place(const _S& S, int j, const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines,
                   const _S& ref);

// Whether the order move of order o may treat every frozen job of the order
// as held in place: each is (held_in_place), and no route step of a free job
// of the order stands inside a frozen head, so that nothing the move does to
// the free jobs (which never go into a frozen head) shifts a frozen step.
bool order_held_in_place(const _S& S, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                         const std::vector<MACHINE>& machines, const _S& ref);

// The draws of re-inserting a job held in place: its route, then each
// step's machine, each among one choice.
void draw_as_held(const _S& S, int j);

// Asks early for what reading job j's own lists will need (its FREEZE_JOB
// record, the list heads of the groups of its present route, those lists), in
// three stages 0, 1, 2 as a walk comes nearer the job: the lists lie anywhere
// on the heap, each behind the one before. Only reads; nothing is written.
inline void prefetch_own_lists(const _S& S, const std::vector<JOB>& jobs, int j, int stage) {
  const FREEZE_JOB* own = jobs[static_cast<std::size_t>(j)].Freeze.get();
  if (!own) return;
  if (stage == 0) {
    __builtin_prefetch(own);
    return;
  }
  const int route = S.J_A[j][0];
  for (int k = 1, n = route_length(route); k <= n; ++k) {
    const std::size_t g = static_cast<std::size_t>(R_MG_ex[route][k]);
    if (g >= own->machines.size()) continue;
    if (stage == 1)
      __builtin_prefetch(&own->machines[g]);
    else
      __builtin_prefetch(own->machines[g].data());
  }
}
