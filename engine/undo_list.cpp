#include "engine/undo_list.h"

#include <utility>

void UNDOLIST::push(const SCH& sch) {
  if (spare.empty()) {
    link_newest(SCH_UE(sch));
  } else {
    SCH_UE e = std::move(spare.front());
    spare.pop_front();
    e.schedule = sch;  // same shape: reuses the dropped entry's nodes
    link_newest(std::move(e));
  }
  while (count() > max) drop_oldest();
}

void UNDOLIST::drop_redo() {
  if (current < 0) return;
  while (count() > current + 1) entries.pop_back();
}

void UNDOLIST::link_newest(SCH_UE&& e) {
  drop_redo();
  entries.push_back(std::move(e));
  current = count() - 1;
}

void UNDOLIST::drop_oldest() {
  if (entries.empty()) return;
  if (spare.empty()) spare.push_back(std::move(entries.front()));
  entries.pop_front();
  // Indexes count from the oldest: every entry moved one place down.
  current = current > 0 ? current - 1 : -1;
}

int UNDOLIST::undo(SCH& sch) {
  if (entries.empty() || current < 0) return -1;
  if (current == 0) return 0;
  --current;
  sch = entries[static_cast<std::size_t>(current)].schedule;
  return current == 0 ? 2 : 1;
}

int UNDOLIST::redo(SCH& sch) {
  if (entries.empty() || current < 0) return -1;
  if (current == count() - 1) return 0;
  ++current;
  sch = entries[static_cast<std::size_t>(current)].schedule;
  return current == count() - 1 ? 2 : 1;
}

const SCH* UNDOLIST::current_schedule() const {
  return current < 0 ? nullptr : &entries[static_cast<std::size_t>(current)].schedule;
}
