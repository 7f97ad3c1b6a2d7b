#pragma once
// The move of one tabu-search sample by operator number, shared by every
// driver that samples the loaded problem's neighbourhood:
//   N1 "Change random order as a unit. "                 a random order re-inserted as a unit
//   N2 "Change random late order as a unit. "            the order of a random late job, as a unit
//   N3 "Change random  late job and change random machine with do_pi."
//                                                        a random late job re-inserted, then
//                                                        a random machine's sequence rotated
//   N4 "Change random  late job."                        a random late job re-inserted
//   N5 "Change random job."                              a random job re-inserted
// A random late job is found by timing and evaluating the sample first: with L
// late jobs, r = rand(L) + 1 and the job is the r-th, in job order, whose
// completion is after its order's due date. Without late jobs N2 and N4 leave
// the sample as it is, and N3 only rotates.
#include <vector>

#include "engine/problem.h"

class _S;
class OBJ_VALUE;

// The r-th job (1-based, in job order) whose completion lies after its order's
// CET; 0 when fewer than r jobs are late by that test. The evaluation counts a
// job without a completion as late, so the scan can come up short: the caller
// then makes no move.
int nth_late_job(int r, const std::vector<ORDER>& Orders, const std::vector<JOB>& Jobs);

// Applies operator op (1..n_of_operators; any other value moves nothing) to the
// sample S of the loaded problem. values is scratch for the evaluation that N2
// to N4 make before moving (it also rewrites the completions in Jobs). Returns
// 0 when N3 drew a machine with fewer than two jobs: the driver drops that
// sample without a tabu test and without evaluating it. Otherwise 1.
int apply_Nx_op(_S& S, int op, OBJ_VALUE& values);
