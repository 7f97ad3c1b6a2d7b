#pragma once
// Freezing a released schedule at a freeze time t: what has started by t (a
// start at or before t) stays where it is. Per job, its route steps up to the
// last one that starts by t are frozen on their machines, and its FREEZE_JOB
// says which routes and machines the job may still use; per machine, the head
// of its sequence that starts by t is frozen. The rescheduling moves keep the
// frozen part in place, and compare_S_sequences tells whether it survived.
//
// The schedule that is frozen must be timed (its start words are read).
#include <vector>

#include "engine/problem.h"

class _S;

// Fills job j's FREEZE_JOB (which must exist) and frozen-step count from the
// timed schedule S. Frozen steps keep the one machine they are on; groups that
// lie wholly after the last frozen step keep the order's machines; every other
// group is closed; the routes are the order's feasible routes whose every group
// stays open. A job with nothing started gets its order's routes and lists.
void set_freeze_job(const _S& S, int j, const std::vector<ORDER>& orders, std::vector<JOB>& jobs,
                    const std::vector<MACHINE>& machines, int t);

// Gives every job a new FREEZE_JOB (set_freeze_job) and every machine its
// frozen-position count: the longest head of its sequence whose starts are all
// at or before t.
void freeze_S_at(const _S& S, const std::vector<ORDER>& orders, std::vector<JOB>& jobs,
                 std::vector<MACHINE>& machines, int t);

// 1 when a and b agree on every frozen job step (machine and position) and
// every frozen machine position (job and route step), else 0.
int compare_S_sequences(const _S& a, const _S& b, const std::vector<JOB>& jobs,
                        const std::vector<MACHINE>& machines);
