#pragma once
// The rescheduling variants of the search moves. They work on a schedule
// frozen with freeze_S_at and never move a frozen route step away from its
// machine and position in the reference schedule (the released schedule,
// timed and frozen), never put anything into a machine's frozen head, and
// never reorder it. Nothing here times or evaluates a schedule.
#include <vector>

#include "engine/problem.h"

class _S;

// Re-inserts the jobs of order o: its first job f from its own lists when it
// has frozen steps, else from the order's; then each later job from its own
// lists when frozen, else right before f on f's machines when neither is
// frozen, else from the order's lists. Returns 1. A long order on long
// sequences goes through block copies of the machines it touches
// (engine/sequence_blocks.h): the same draws and tables, at about a block per
// job instead of the length of the sequences it leaves and joins. When every
// frozen job of the order would be put back where it stands
// (engine/held_in_place.h), those jobs only make their draws, and with a free
// first job the free jobs then gather before it in one pass per machine.
int move_reinsert_order_resch(_S& S, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                              const std::vector<MACHINE>& machines, const _S& ref);

// When neither job a nor job b has frozen steps, b takes a's route and
// machines and stands right before a (follow_job) and the result is 1; else 0
// and nothing changes.
int follow_job_if_free(_S& S, int a, int b, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                       const std::vector<MACHINE>& machines, const _S& ref);

// Re-inserts job j: from its order's lists when nothing of it is frozen, else
// from its own lists with its frozen steps back at their reference positions.
// Returns 1.
int move_reinsert_job_resch(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                            const std::vector<MACHINE>& machines, const _S& ref);

// Rotates randomly drawn positions after machine m's frozen head. Returns 1,
// or 0 (nothing changed) when fewer than two positions are unfrozen.
int move_shuffle_machine_resch(_S& S, int m, const std::vector<MACHINE>& machines);
