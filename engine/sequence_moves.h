#pragma once
// Moves of the editor's job-sequence list: one machine's jobs in processing
// order, each item selected or not (the list is multi-select). Every move
// carries an item's selection with it, so moved items stay selected. A move
// returns true when any item changed its place; a move that cannot move (the
// selection already at the edge, nothing selected) changes nothing.
//
// The list is only the planner's working copy: writing it back into the
// schedule is save_sequence_to_machine (engine/schedule_edits.h).
#include <vector>

#include "engine/problem.h"

struct SequenceItem {
  int job = 0;
  bool selected = false;
};
using JobSequence = std::vector<SequenceItem>;

// "Up": from the first item on, each selected item moves one place up;
// nothing moves when the first item is selected.
bool move_selected_up(JobSequence& seq);
// "Down": from the last item back, each selected item moves one place down;
// nothing moves when the last item is selected.
bool move_selected_down(JobSequence& seq);
// "Top": with f the index of the first selected item, every selected item
// moves f places up, keeping the distances between them.
bool move_selected_top(JobSequence& seq);
// "Bottom": with g the distance of the last selected item from the end, every
// selected item moves g places down.
bool move_selected_bottom(JobSequence& seq);
// "Join": the first selected item stays; every later selected item, in order,
// moves directly behind the one gathered before it.
bool join_selected(JobSequence& seq);
// "Build batch": for each item from the first, select exactly the jobs of its
// order and join them; the jobs of every order end up consecutive, orders in
// the order of their first appearance. The last order's jobs stay selected.
bool build_batch(JobSequence& seq, const std::vector<JOB>& jobs);

// "Sel. Order": exactly the jobs of the first selected job's order. "Sel.
// Prod": exactly the jobs whose order has the setup type of the first selected
// job's order. Both do nothing without a selection. "Unselect": none.
void select_order_of_first(JobSequence& seq, const std::vector<JOB>& jobs);
void select_setup_type_of_first(JobSequence& seq, const std::vector<JOB>& jobs, const std::vector<ORDER>& orders);
void unselect_all(JobSequence& seq);
