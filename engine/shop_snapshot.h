#pragma once
// A deep snapshot of the shop: the problem records (orders, jobs with their
// freezing, machines with calendars and setup matrices), a schedule and its
// values. Rescheduling keeps two: the released state and the working state
// (after the planner changed the shop); the results window keeps one for its
// initial-data overlay. A snapshot owns everything it holds; every copy is deep.
#include <memory>
#include <vector>

#include "engine/objective_value.h"
#include "engine/problem.h"
#include "engine/schedule_linked.h"

class SHOP {
 public:
  int n_of_SetupTypes = 0;
  // Entries 0..count (entry 0 holds nothing); the counts are the schedule's.
  std::vector<ORDER> orders;
  std::vector<JOB> jobs;
  std::vector<MACHINE> machines;
  std::unique_ptr<SCH> schedule;
  std::unique_ptr<OBJ_VALUE> values;

  // Everything empty or null.
  SHOP() = default;
  SHOP(const SHOP& other);
  SHOP& operator=(const SHOP&) = delete;

  // Takes a snapshot of the given arrays, schedule and values: orders
  // 1..sch->n_of_Orders, jobs 1..n_of_Jobs, machines 1..n_of_Machines (a null
  // schedule counts as an empty one); a null values record gives a fresh one.
  void save(int n_setup_types, const std::vector<ORDER>& orders_in, const std::vector<JOB>& jobs_in,
            const std::vector<MACHINE>& machines_in, const SCH* sch, const OBJ_VALUE* values_in);

  // Writes the snapshot back: its orders, jobs and machines over entries
  // 1..count of the live arrays (a shorter array is lengthened first, so
  // nothing is written out of range) and a deep copy of its schedule into
  // target. The setup-type count and the values are never written back.
  void restore(std::vector<ORDER>& orders_out, std::vector<JOB>& jobs_out, std::vector<MACHINE>& machines_out,
               SCH* target) const;

  int count_orders() const { return schedule ? schedule->n_of_Orders : 0; }
  int count_jobs() const { return schedule ? schedule->n_of_Jobs : 0; }
  int count_machines() const { return schedule ? schedule->n_of_Machines : 0; }
};
