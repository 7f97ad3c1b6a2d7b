#include "engine/undo_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/problem_tables.h"
#include "engine/schedule_edits.h"
#include "tests/support/varied_shop.h"

namespace {

// A schedule of the varied shop and a way to make many different ones from
// it: edit n rotates the busiest machine's sequence by n % count places.
class UndoHistory : public ::testing::Test {
 protected:
  void SetUp() override {
    build_varied_shop(5, 30);
    const _S start = random_start_S(3);
    start.to_J_A_M_wload(J_A, M_wload);
    live = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    for (int m = 1; m <= n_of_Machines; ++m)
      if (live.Mach_Count[m] > live.Mach_Count[busy]) busy = m;
    ASSERT_GE(live.Mach_Count[busy], 3);
  }
  void TearDown() override { clear_problem_data(); }

  // The n-th edit of the live schedule; its machine sequence names it.
  void edit(int n) {
    std::vector<int> seq = machine_sequence(live, busy);
    std::rotate(seq.begin(), seq.begin() + 1, seq.end());
    ASSERT_EQ(save_sequence_to_machine(live, seq, busy), 1) << "edit " << n;
  }
  // Which state (0 = as shown, n = after edit n) a schedule is.
  int state_of(const SCH& sch) const {
    const std::vector<int> seq = machine_sequence(sch, busy);
    const std::vector<int> base = machine_sequence(first, busy);
    for (std::size_t r = 0; r < base.size(); ++r) {
      std::vector<int> rotated = base;
      std::rotate(rotated.begin(), rotated.begin() + static_cast<long>(r), rotated.end());
      if (rotated == seq) return static_cast<int>(r);
    }
    return -1;
  }

  SCH live, first;
  int busy = 1;
};

}  // namespace

TEST_F(UndoHistory, ThirtyEditsKeepTheLatestTwentyFiveAndUndoStopsAtTheOldest) {
  UNDOLIST history(25);
  first = live;
  history.push(live);
  // Fewer than 26 positions would make rotations repeat: state_of names them
  // modulo the machine's count, so compare edits up to that count only.
  const int count = live.Mach_Count[busy];
  for (int n = 1; n <= 30; ++n) {
    edit(n);
    history.push(live);
  }
  EXPECT_EQ(history.count(), 25);
  for (int u = 1; u <= 24; ++u) {
    const int r = history.undo(live);
    EXPECT_EQ(r, u == 24 ? 2 : 1) << "undo " << u;
    EXPECT_EQ(state_of(live), (30 - u) % count) << "undo " << u;
  }
  const SCH oldest = live;
  EXPECT_EQ(history.undo(live), 0) << "a 25th undo has nothing to do";
  EXPECT_EQ(live.equal(oldest), 1);
  for (int r = 1; r <= 24; ++r) EXPECT_EQ(history.redo(live), r == 24 ? 2 : 1) << "redo " << r;
  EXPECT_EQ(history.redo(live), 0);
  EXPECT_EQ(state_of(live), 30 % count);
}

TEST_F(UndoHistory, AnEditAfterUndoDropsTheRedoBranch) {
  UNDOLIST history(25);
  first = live;
  history.push(live);
  for (int n = 1; n <= 3; ++n) {
    edit(n);
    history.push(live);
  }
  EXPECT_EQ(history.undo(live), 1);
  EXPECT_EQ(history.undo(live), 1);  // state 1
  edit(4);  // state 2 again, but on a new branch
  history.push(live);
  EXPECT_EQ(history.count(), 3);
  EXPECT_EQ(history.redo(live), 0) << "the old states 2 and 3 are gone";
  EXPECT_EQ(history.undo(live), 1);
  EXPECT_EQ(history.undo(live), 2);
  EXPECT_EQ(live.equal(first), 1);
}

TEST_F(UndoHistory, EmptyHistoryAndTheLiveScheduleOutlivingEveryEntry) {
  UNDOLIST empty(25);
  const SCH before = live;
  EXPECT_EQ(empty.undo(live), -1);
  EXPECT_EQ(empty.redo(live), -1);
  EXPECT_EQ(live.equal(before), 1);
  // A history without room keeps nothing, and says so.
  UNDOLIST none(0);
  none.push(live);
  EXPECT_EQ(none.count(), 0);
  EXPECT_EQ(none.undo(live), -1);

  // Undo to the oldest entry, then push until that entry and every later one
  // has been dropped: the live schedule holds its own copy and stays whole
  // (the sanitizer build would catch a read of a dropped entry).
  UNDOLIST history(3);
  first = live;
  history.push(live);
  edit(1);
  history.push(live);
  EXPECT_EQ(history.undo(live), 2);
  const SCH shown = live;
  SCH other = live;
  for (int n = 0; n < 10; ++n) history.push(other);
  EXPECT_EQ(history.count(), 3);
  EXPECT_EQ(live.equal(shown), 1);
  OBJ_VALUE v;
  recalc_schedule_values(live, v);  // walks every node of the live schedule
  EXPECT_EQ(v.n_of_Jobs, n_of_Jobs);
  ASSERT_NE(history.current_schedule(), nullptr);
  EXPECT_EQ(history.current_schedule()->equal(other), 1);
}
