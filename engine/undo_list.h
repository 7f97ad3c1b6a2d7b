#pragma once
// The results window's undo and redo history: full copies of the live
// schedule, oldest first, with one current entry that the live schedule
// equals after the last push, undo or redo. At most `max` entries; the first
// is the schedule as the window showed it, every recorded edit adds one.
//
// The history owns its copies by value. Undo and redo copy an entry's
// schedule INTO the caller's schedule (SCH::operator=, reusing its storage):
// the caller's schedule is never replaced by, or pointed at, an entry, so
// dropping entries can never leave the live schedule dangling.
#include <deque>

#include "engine/schedule_linked.h"

// One history entry: an owned copy of a schedule.
class SCH_UE {
 public:
  explicit SCH_UE(const SCH& sch) : schedule(sch) {}
  SCH schedule;
};

class UNDOLIST {
 public:
  explicit UNDOLIST(int max_entries) : max(max_entries) {}

  // Stores a copy of sch as the newest and current entry. Entries newer than
  // the current one (the redo branch) are dropped first; when the history
  // then holds more than max entries, the oldest goes.
  void push(const SCH& sch);
  // One step older: -1 empty or no current entry; 0 already at the oldest,
  // nothing done; 1 done; 2 done and now at the oldest. When done, sch holds
  // the current entry's schedule.
  int undo(SCH& sch);
  // One step newer, the mirror of undo (2: now at the newest).
  int redo(SCH& sch);

  int count() const { return static_cast<int>(entries.size()); }
  const SCH* current_schedule() const;

 private:
  // Drops every entry newer than the current one, so the current is the newest.
  void drop_redo();
  // Appends e as the newest entry and makes it the current one.
  void link_newest(SCH_UE&& e);
  // Drops the oldest entry; the current one goes with it when they coincide.
  void drop_oldest();

  std::deque<SCH_UE> entries;  // oldest first
  int current = -1;
  int max;
  // A dropped oldest entry kept for its storage: the next push copies into it
  // instead of allocating a fresh schedule.
  std::deque<SCH_UE> spare;
};
