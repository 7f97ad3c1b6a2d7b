#pragma once
// The two states of rescheduling that the rescheduler window owns between a
// load and its closing: the released state (the problem and the schedule as
// they were released) and the working state (the problem after the planner
// changed the shop, with the released schedule re-timed in it). Both are deep
// SHOP snapshots owned here; loading again replaces them, release() drops
// them.
#include <memory>

#include "engine/shop_snapshot.h"

class RESCH_STATES {
 public:
  std::unique_ptr<SHOP> released;
  std::unique_ptr<SHOP> working;

  // Both snapshots exist and hold a schedule of the loaded problem.
  bool loaded() const;

  // Takes the live arrays and sch (the released schedule of the loaded
  // problem) as the released state, timed and evaluated in its own records;
  // the working state becomes a copy of it; last_SCH becomes a copy of sch
  // timed and evaluated in the live arrays, with its values in last_obj_value.
  // All or nothing: on an exception (memory running out) the states,
  // last_SCH and last_obj_value are as they were.
  void take_released(const SCH& sch);

  // After "Shop env.": last_SCH re-timed and evaluated in the live (changed)
  // arrays, last_obj_value set, and the working state taken anew from the
  // live arrays and last_SCH. Nothing without a live schedule.
  void reevaluate_after_env_change();

  // The rescheduling search's initial schedule without searching, in the
  // live arrays and last_SCH: the working state restored, the released
  // schedule frozen at freeze_time (type 0: as timed in the released data;
  // type 1: as timed in the changed shop) and re-timed with the frozen heads
  // kept and nothing else starting before freeze_time. Nothing unless loaded().
  void show_initial_state(int type, int freeze_time);

  // Both snapshots deleted; the results window's overlay is pointed away
  // from them first (run_host().set_initial_data_snapshot(nullptr)).
  void release();
};
