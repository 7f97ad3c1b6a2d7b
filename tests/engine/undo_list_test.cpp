#include "engine/undo_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/problem_tables.h"
#include "engine/random_source.h"
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

// Random edits, undos and redos against a plain model of the history: the
// states it holds oldest first and the current one. Every answer of undo and
// redo, the count and the live schedule after each call must be the model's;
// histories of 4 and 25 entries, so that the oldest are dropped many times.
TEST_F(UndoHistory, RandomEditsUndosAndRedosFollowAPlainModel) {
  const int count = live.Mach_Count[busy];  // states repeat after count edits
  first = live;
  seed_random(9);
  for (const int max : {4, 25}) {
    live = first;
    UNDOLIST history(max);
    history.push(live);
    std::vector<int> states = {0};
    int cur = 0;
    for (int i = 0; i < 400; ++i) {
      const int what = rand_n(3);
      if (what == 0) {
        edit(i);
        states.erase(states.begin() + cur + 1, states.end());
        states.push_back((states[static_cast<std::size_t>(cur)] + 1) % count);
        if (static_cast<int>(states.size()) > max) states.erase(states.begin());
        cur = static_cast<int>(states.size()) - 1;
        history.push(live);
      } else if (what == 1) {
        const int expected = cur == 0 ? 0 : cur == 1 ? 2 : 1;
        ASSERT_EQ(history.undo(live), expected) << "max " << max << ", call " << i;
        if (expected > 0) --cur;
      } else {
        const int last = static_cast<int>(states.size()) - 1;
        const int expected = cur == last ? 0 : cur + 1 == last ? 2 : 1;
        ASSERT_EQ(history.redo(live), expected) << "max " << max << ", call " << i;
        if (expected > 0) ++cur;
      }
      ASSERT_EQ(history.count(), static_cast<int>(states.size())) << "max " << max << ", call " << i;
      ASSERT_EQ(state_of(live), states[static_cast<std::size_t>(cur)]) << "max " << max << ", call " << i;
    }
  }
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
