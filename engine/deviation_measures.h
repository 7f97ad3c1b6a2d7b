#pragma once
// How far a rescheduled schedule strays from a reference state (the released
// schedule, timed in the released or in the changed shop): the ten deviation
// counters of OBJ_VALUE (Dev[0..9], report words 22..31), which the comparison
// weighs with ReschPri.
//
//   Dev[0] jobs whose route differs
//   Dev[1] jobs whose route differs, or some route step is on another machine
//   Dev[2] jobs whose late status differs
//   Dev[3] jobs late now and not late in the reference
//   Dev[4] orders with a job of Dev[0]
//   Dev[5] orders with a job of Dev[1], counted by two rules with their own
//          trackers (route changed; same route, machines changed), so an order
//          with one job of each kind counts twice
//   Dev[6] orders with a job of Dev[2]
//   Dev[7] orders with a job of Dev[3]
//   Dev[8] machines whose number of setups differs
//   Dev[9] machines with more setups than in the reference
#include <ostream>
#include <vector>

#include "engine/objective_value.h"

// Sets values.Dev for the timed and evaluated S. Orders and Jobs hold S's
// evaluation (job completions), ref_Orders and ref_Jobs the reference's;
// ref_setups[m] is the reference's number of setups on machine m. Allocates
// nothing.
void compare_S(const _S& S, OBJ_VALUE& values, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
               const _S& ref, const std::vector<ORDER>& ref_Orders, const std::vector<JOB>& ref_Jobs,
               const std::vector<int>& ref_setups);

// counts[m] := the positions of machine m in the timed S whose setup flag is
// 1, for m = 1..n_of_Machines (counts is sized to n_of_Machines + 1).
void count_setups_per_machine(const _S& S, std::vector<int>& counts);

// Ten report lines, one per counter, Dev[0] to Dev[9].
void print_resch_dev(std::ostream& out, const OBJ_VALUE& values);
