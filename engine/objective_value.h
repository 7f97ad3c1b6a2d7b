#pragma once
// Objective values of a timed schedule and their weighted comparison. Smaller
// values are better. Two records compare by one weighted sum F of relative
// differences over the nine criteria (weights ObjPri) and the ten rescheduling
// deviation counters (weights ReschPri); the weights are read at every call,
// so a change in the priority windows takes effect at the next comparison.
//
// Sums over jobs (tardiness, lateness, early start) are 64-bit: over thousands
// of jobs they leave the range of int.
#include <cstdint>
#include <vector>

#include "engine/job_lateness.h"
#include "engine/problem.h"
#include "engine/schedule_array.h"
#include "engine/schedule_linked.h"

// The weights of criteria 0..8 at start-up: the objective-priority window
// starts its bars there; entries 6..8 are never set.
constexpr int ObjPri_at_start[9] = {7, 8, 10, 10, 7, 5, 0, 0, 0};
// Weights of criteria 0..8, from ObjPri_at_start.
extern int ObjPri[9];
// Weights of the ten deviation counters; all 0 at start.
extern int ReschPri[10];

class OBJ_VALUE {
 public:
  // The ten values; 0..8 are the criteria the comparison weighs.
  std::int64_t n_of_Late_Orders = 0;          // 0: orders with at least one late job
  std::int64_t n_of_Late_Jobs = 0;            // 1
  std::int64_t sumTardiness = 0;              // 2
  std::int64_t max_Tardiness = 0;             // 3
  std::int64_t n_of_Setup = 0;                // 4: positions whose Setup is 1
  std::int64_t Completion_Time = 0;           // 5: largest job completion
  std::int64_t sumAbsLateness = 0;            // 6
  std::int64_t n_of_Early_Starting_Jobs = 0;  // 7
  std::int64_t sumEarly_Startness = 0;        // 8: never positive
  std::int64_t n_of_Scheduled_Jobs = 0;       // 9: jobs that have a route
  // Problem sizes when the record was set.
  int n_of_Orders = 0;
  int n_of_Jobs = 0;
  int n_of_Machines = 0;
  // Rescheduling deviation counters (words 22..31 of the run reports); 0 outside
  // rescheduling. Dev[0] jobs with different route .. Dev[9] machines with new setups.
  int Dev[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

  OBJ_VALUE() = default;
  OBJ_VALUE(const OBJ_VALUE&) = default;
  // Copies the nine criteria and the deviation counters; n_of_Scheduled_Jobs and
  // the sizes of the target stay as they were.
  OBJ_VALUE& operator=(const OBJ_VALUE& other);

  // Criterion i (0..8) in the comparison's order.
  std::int64_t& criterion(int i) { return this->*Criteria[i]; }
  std::int64_t criterion(int i) const { return this->*Criteria[i]; }

  // Copies criteria 0..8 and stores the sizes; n_of_Scheduled_Jobs and the
  // counters are left as they are.
  void set(const std::int64_t source[9], int nO, int nJ, int nM);
  void set(const OBJ_VALUE& source, int nO, int nJ, int nM);

  // Weighted relative difference F(this, other): > 0 this is better. A term is
  // 0 when both values are 0, and also when they differ while their maximum is
  // 0 or negative (only the never-positive early-start sum can), so F is
  // always finite.
  double F(const OBJ_VALUE& other) const;
  bool better(const OBJ_VALUE& other) const { return F(other) > 0; }
  bool not_worse(const OBJ_VALUE& other) const { return F(other) >= 0; }
  bool equal(const OBJ_VALUE& other) const { return F(other) == 0; }
  bool worse(const OBJ_VALUE& other) const { return F(other) < 0; }

  static std::int64_t OBJ_VALUE::* const Criteria[9];
};

// Evaluates a timed _S: all ten values, each job's start and completion and
// each order's start and completion (in Jobs and Orders). Jobs on route 0 are
// not scheduled and add nothing.
void calc_S_obj_values(const _S& S, OBJ_VALUE& values, std::vector<ORDER>& orders, std::vector<JOB>& jobs);
// The same on a timed SCH; writes criteria 0..8 only (n_of_Scheduled_Jobs of
// values stays), plus the job and order times.
void calc_sch_obj_values(const SCH& sch, OBJ_VALUE& values, std::vector<ORDER>& orders, std::vector<JOB>& jobs);
// On the loaded problem's globals.
void calc_S_obj_values(const _S& S, OBJ_VALUE& values);

// How many evaluations have written the Jobs and Orders records so far (every
// calc_S_obj_values, calc_sch_obj_values and calc_S_obj_values_from_spans
// counts one): a caller that keeps those records up to date job by job sees
// here whether anyone else wrote them since.
std::uint64_t record_writes();
// Job j's span from the timing records (a job on route 0 gives {0, -1}).
JobSpan job_span(const _S& S, int j);
// calc_S_obj_values from the spans of every job (spans[1..J]) and the number of
// positions with a setup instead of the timing records: the same values and
// the same writes into Jobs and Orders, job by job in the same order.
void calc_S_obj_values_from_spans(const _S& S, const JobSpan* spans, std::int64_t setups, OBJ_VALUE& values,
                                  std::vector<ORDER>& orders, std::vector<JOB>& jobs);
void calc_sch_obj_values(const SCH& sch, OBJ_VALUE& values);
