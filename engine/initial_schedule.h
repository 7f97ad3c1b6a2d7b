#pragma once
// The initializing window's work: a starting schedule of the loaded problem
// built by one of six rules of thumb becomes the live schedule, and a kept
// copy of the live schedule lets the planner go back to what was live when
// the window opened or was last saved.
#include <memory>

#include "engine/schedule_linked.h"

constexpr int n_of_starting_methods = 6;
// The methods in the window's order:
//   0 "Order oriented assign.t and EDD seq."       order_assign_EDD_seq
//   1 "Order oriented assign. and rendom seq."     order_assign_random_seq
//   2 "Job oriented assign. and random seq."       random_init_S
//   3 "Job oriented assign. and bach seq."         random_init_S, then the jobs of
//                                                  each order grouped on every machine
//   4 "Order exe type oriented assign."            order_exe_type_assign
//   5 "Order exe type oriented assign. with jobs"  order_exe_type_assign_jobs
extern const char* const starting_method_names[n_of_starting_methods];

// Builds a schedule by method (0..5) on the loaded problem. 1: it is the live
// schedule now (J_A and M_wload hold it, last_SCH rebuilt, timed, evaluated,
// last_obj_value set). Anything else (a method that built nothing, a method
// outside 0..5, no problem loaded): the live schedule is untouched.
int build_starting_schedule(int method);

// The copy of the live schedule the initializing window keeps.
class KEPT_SCHEDULE {
 public:
  enum class Save { NoSchedule, NoChanges, Saved };
  enum class AtClose { NothingCreated, Unchanged, Changed };

  // On showing: a copy of last_SCH, or none without a live schedule.
  void keep_live();
  // "Save changes": the kept copy follows the live schedule, which is timed
  // and evaluated again (last_obj_value set) and marked as the next run's
  // start (first_run = 0).
  Save save();
  // What closing finds: neither a kept copy nor a live schedule; a kept copy
  // equal to the live one; or a change.
  AtClose at_close() const;
  // Closing with "No": the live schedule goes back to the kept copy, timed
  // and evaluated; without a kept copy there is no live schedule afterwards.
  void discard_changes();
  // Drops the kept copy.
  void release() { kept_.reset(); }

  const SCH* kept() const { return kept_.get(); }

 private:
  std::unique_ptr<SCH> kept_;
};
