#include "engine/sequence_moves.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

// Items 0..n-1 hold jobs 1..n; `selected` lists the selected indexes.
JobSequence sequence(int n, std::initializer_list<int> selected) {
  JobSequence seq;
  for (int j = 1; j <= n; ++j) seq.push_back({j, false});
  for (int i : selected) seq[static_cast<std::size_t>(i)].selected = true;
  return seq;
}

std::vector<int> jobs_of(const JobSequence& seq) {
  std::vector<int> out;
  for (const SequenceItem& item : seq) out.push_back(item.job);
  return out;
}

std::vector<int> selected_indexes(const JobSequence& seq) {
  std::vector<int> out;
  for (std::size_t i = 0; i < seq.size(); ++i)
    if (seq[i].selected) out.push_back(static_cast<int>(i));
  return out;
}

// Jobs 1..8; jobs 1, 2 and 7 belong to order 1, jobs 5 and 6 to order 2,
// job 3 to order 3 and 4, 8 to order 4. Orders 1 and 3 share setup type 1.
std::vector<JOB> job_records() {
  const int order[9] = {0, 1, 1, 3, 4, 2, 2, 1, 4};
  std::vector<JOB> jobs(9);
  for (int j = 1; j <= 8; ++j) jobs[static_cast<std::size_t>(j)].Order_ID = order[j];
  return jobs;
}

std::vector<ORDER> order_records() {
  std::vector<ORDER> orders(5);
  const int type[5] = {0, 1, 2, 1, 3};
  for (int o = 1; o <= 4; ++o) orders[static_cast<std::size_t>(o)].SetupType = type[o];
  return orders;
}

}  // namespace

// Each move on a list of jobs 1..n with some items selected: whether it
// moved, the jobs after it and the selected indexes (the selection moves with
// its items). A move that cannot move changes nothing at all.
TEST(SequenceMoves, MovesCarryTheSelectionAndStopAtTheEdge) {
  using Move = bool (*)(JobSequence&);
  struct Case {
    const char* name;
    Move move;
    int n;
    std::initializer_list<int> selected;
    bool moved;
    std::vector<int> jobs;
    std::vector<int> selected_after;
  };
  const Case cases[] = {
      {"up", move_selected_up, 5, {2, 3}, true, {1, 3, 4, 2, 5}, {1, 2}},
      {"up with the first selected", move_selected_up, 5, {0, 3}, false, {1, 2, 3, 4, 5}, {0, 3}},
      {"down", move_selected_down, 5, {1, 3}, true, {1, 3, 2, 5, 4}, {2, 4}},
      {"down with the last selected", move_selected_down, 5, {2, 4}, false, {1, 2, 3, 4, 5}, {2, 4}},
      {"top keeps the distances", move_selected_top, 5, {2, 4}, true, {3, 1, 5, 2, 4}, {0, 2}},
      {"top at the top", move_selected_top, 5, {0, 2}, false, {1, 2, 3, 4, 5}, {0, 2}},
      {"bottom keeps the distances", move_selected_bottom, 6, {0, 2}, true, {2, 4, 5, 1, 6, 3}, {3, 5}},
      {"bottom at the bottom", move_selected_bottom, 6, {3, 5}, false, {1, 2, 3, 4, 5, 6}, {3, 5}},
      {"join behind the first selected", join_selected, 5, {1, 3, 4}, true, {1, 2, 4, 5, 3}, {1, 2, 3}},
      {"join from both ends", join_selected, 6, {0, 5}, true, {1, 6, 2, 3, 4, 5}, {0, 1}},
      {"join when together", join_selected, 5, {1, 2, 3}, false, {1, 2, 3, 4, 5}, {1, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JobSequence seq = sequence(c.n, c.selected);
    EXPECT_EQ(c.move(seq), c.moved);
    EXPECT_EQ(jobs_of(seq), c.jobs);
    EXPECT_EQ(selected_indexes(seq), c.selected_after);
  }
  for (const Move move : {move_selected_up, move_selected_down, move_selected_top, move_selected_bottom}) {
    JobSequence none = sequence(4, {});
    EXPECT_FALSE(move(none)) << "nothing selected";
    JobSequence empty;
    EXPECT_FALSE(move(empty));
  }
}

TEST(SequenceMoves, BuildBatchPutsEachOrderTogetherOnce) {
  const std::vector<JOB> jobs = job_records();
  // Jobs 5, 1, 6, 2: 5 and 6 of order 2, 1 and 2 of order 1.
  JobSequence seq = {{5, false}, {1, false}, {6, false}, {2, false}};
  EXPECT_TRUE(build_batch(seq, jobs));
  EXPECT_EQ(jobs_of(seq), (std::vector<int>{5, 6, 1, 2}));
  EXPECT_FALSE(build_batch(seq, jobs)) << "the second click moves nothing";
  EXPECT_EQ(jobs_of(seq), (std::vector<int>{5, 6, 1, 2}));
  // Three orders interleaved, orders in the order of their first appearance.
  seq = {{4, false}, {1, false}, {8, false}, {7, false}, {3, false}, {2, false}};
  EXPECT_TRUE(build_batch(seq, jobs));
  EXPECT_EQ(jobs_of(seq), (std::vector<int>{4, 8, 1, 7, 2, 3}));
  // An unknown job is its own batch and never pulls others along.
  seq = {{99, false}, {1, false}, {0, false}, {2, false}};
  EXPECT_TRUE(build_batch(seq, jobs));
  EXPECT_EQ(jobs_of(seq), (std::vector<int>{99, 1, 2, 0}));
}

TEST(SequenceMoves, SelectionsByOrderAndSetupType) {
  const std::vector<JOB> jobs = job_records();
  const std::vector<ORDER> orders = order_records();
  JobSequence seq = sequence(8, {6, 4});  // first selected: job 5 (order 2)
  select_order_of_first(seq, jobs);
  EXPECT_EQ(selected_indexes(seq), (std::vector<int>{4, 5}));
  seq = sequence(8, {2});  // job 3: order 3, setup type 1 as order 1
  select_setup_type_of_first(seq, jobs, orders);
  EXPECT_EQ(selected_indexes(seq), (std::vector<int>{0, 1, 2, 6}));
  unselect_all(seq);
  EXPECT_TRUE(selected_indexes(seq).empty());
  select_order_of_first(seq, jobs);
  select_setup_type_of_first(seq, jobs, orders);
  EXPECT_TRUE(selected_indexes(seq).empty()) << "without a selection nothing is selected";
}
