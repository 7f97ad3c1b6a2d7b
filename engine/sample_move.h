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
// A random late job is the late job of the sample before its move, which is
// the step's current schedule: with L late jobs in its values, r = rand(L) + 1
// and the job is the r-th, in job order, whose completion (in Jobs) is after
// its order's due date. Without late jobs N2 and N4 leave the sample as it is,
// and N3 only rotates.
#include <vector>

#include "engine/objective_value.h"
#include "engine/problem.h"

class _S;
class SampleTiming;

// The r-th job (1-based, in job order) whose completion lies after its order's
// CET; 0 when fewer than r jobs are late by that test. The evaluation counts a
// job without a completion as late, so the scan can come up short: the caller
// then makes no move.
int nth_late_job(int r, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs);

// The late jobs of the schedule every sample of a step starts from, found once
// per step instead of once per sample: the first draw of a step times and
// evaluates the sample buffer (still a copy of the current schedule) and notes
// its late jobs; every later draw of the step takes r = rand(L) + 1 and looks
// the r-th job up, with exactly the answer that timing, evaluating and
// scanning again would give. A job the evaluation does not write (one off the
// shop, on route 0) keeps whatever completion Jobs holds from earlier samples,
// so those few are tested at each draw as the scan would test them.
class LateJobs {
 public:
  // The schedule the samples start from has changed (a new step).
  void forget() { known_ = false; }
  // The samples are reset and timed through timing: the first draw of a step
  // takes the values and records of the unmoved sample from there instead of
  // timing and evaluating it again (the same values, the same records).
  void use_base_of(SampleTiming* timing) { timing_ = timing; }
  // A random late job of S, which must equal the step's current schedule
  // whenever nothing is known yet; 0 when there is none (no draw then) or
  // the scan comes up short. evaluate(S, values) times and evaluates S into
  // the loaded problem's records.
  template <class Evaluate>
  int draw(_S& S, Evaluate&& evaluate) {
    if (!known_) {
      if (!from_base(S)) evaluate(S, values_);
      note(S);
    }
    return draw_noted();
  }

 private:
  bool from_base(const _S& S);
  void note(const _S& S);
  int draw_noted() const;

  SampleTiming* timing_ = nullptr;
  bool known_ = false;
  OBJ_VALUE values_;
  long long late_count_ = 0;   // n_of_Late_Jobs of the noted schedule
  std::vector<int> late_;      // jobs the evaluation wrote that are late, in job order
  std::vector<int> unwritten_; // jobs the evaluation did not write, in job order
};

// Applies operator op (1..n_of_operators; any other value moves nothing) to the
// sample S of the loaded problem; N2 to N4 take their late job from late.
// Returns 0 when N3 drew a machine with fewer than two jobs: the driver drops
// that sample without a tabu test and without evaluating it. Otherwise 1.
int apply_Nx_op(_S& S, int op, LateJobs& late);
