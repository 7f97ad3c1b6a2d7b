#include "engine/tabu_list.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/starting_schedules.h"
#include "tests/support/varied_shop.h"

namespace {

_S random_schedule(std::uint32_t seed) {
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  random_init_S(S, Orders, Jobs);
  seed_random(seed);
  return S;
}

// The plain comparison of whole machine sequences the list must agree with.
bool same_sequences(const _S& a, const _S& b) {
  if (a.n_of_Machines != b.n_of_Machines) return false;
  for (int m = 1; m <= a.n_of_Machines; ++m)
    for (int p = 0; p <= a.M_wload[m][0]; ++p)
      if (a.M_wload[m][p] != b.M_wload[m][p]) return false;
  return true;
}

// Adds as the drivers do: one drop at most per addition.
void add_capped(TABULIST& list, const _S& S, int size) {
  list.add(S);
  if (list.count() > size) list.drop_oldest();
}

class TabuListTest : public ::testing::Test {
 protected:
  void SetUp() override { build_varied_shop(17, 30); }
};

}  // namespace

TEST_F(TabuListTest, DropOldestOnEmptyAndSingleEntryLists) {
  TABULIST list;
  list.drop_oldest();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.newest(), nullptr);
  const _S S = random_schedule(1);
  EXPECT_EQ(list.is_in_tabu_list(S), 0);
  list.add(S);
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(list.newest(), list.oldest());
  EXPECT_EQ(list.is_in_tabu_list(S), 1);
  list.drop_oldest();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.oldest(), nullptr);
  EXPECT_EQ(list.is_in_tabu_list(S), 0);
}

TEST_F(TabuListTest, SizeTwoKeepsTheLastTwoInArrivalOrder) {
  _S A = random_schedule(2), B = A, C = A;
  move_shuffle_machine(B, 1);
  while (same_sequences(A, B)) move_reinsert_job(B, rand_n(n_of_Jobs) + 1, Orders, Jobs);
  C = B;
  while (same_sequences(B, C) || same_sequences(A, C)) move_reinsert_job(C, rand_n(n_of_Jobs) + 1, Orders, Jobs);
  TABULIST list;
  add_capped(list, A, 2);
  add_capped(list, B, 2);
  add_capped(list, C, 2);
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.is_in_tabu_list(A), 0);
  EXPECT_EQ(list.is_in_tabu_list(B), 1);
  EXPECT_EQ(list.newest()->equal(C), 1);
  EXPECT_EQ(list.oldest()->equal(B), 1);
  // A size lowered during a run does not shrink the list: one drop per addition.
  TABULIST longer;
  for (int i = 0; i < 5; ++i) {
    move_reinsert_job(A, rand_n(n_of_Jobs) + 1, Orders, Jobs);
    add_capped(longer, A, 10);
  }
  add_capped(longer, B, 2);
  EXPECT_EQ(longer.count(), 5);
}

TEST_F(TabuListTest, EqualComparesMachineSequencesOnly) {
  const _S S = random_schedule(4);
  int m = 1;
  while (S.M_wload[m][0] < 2) ++m;
  // The same jobs with two of them swapped on one machine is another schedule.
  _S swapped = S;
  const int P[3] = {2, 1, 2};
  rotate_positions(swapped, P, m);
  const TABU entry(S);
  EXPECT_EQ(entry.equal(S), 1);
  EXPECT_EQ(entry.equal(swapped), 0);
  // A schedule of another number of machines is never equal, even with the
  // same rows on the machines they share.
  _S fewer(n_of_Orders, n_of_Jobs, n_of_Machines - 1);
  for (int q = 1; q < n_of_Machines; ++q)
    for (int p = 0; p <= S.M_wload[q][0]; ++p) fewer.M_wload[q][p] = S.M_wload[q][p];
  EXPECT_EQ(entry.equal(fewer), 0);
}

TEST_F(TabuListTest, AgreesWithAPlainScanOverALongSearch) {
  // Many revisits: small moves on a small problem, a list of 150 whose ring is
  // reused many times over; the answers must equal the whole-sequence scan.
  build_varied_shop(23, 6);
  _S current = random_schedule(23);
  TABULIST list;
  std::deque<_S> plain;
  int hits = 0;
  for (int i = 0; i < 3000; ++i) {
    _S sample = current;
    if (rand_n(2) == 0)
      move_shuffle_machine(sample, rand_n(n_of_Machines) + 1);
    else
      move_reinsert_job(sample, rand_n(n_of_Jobs) + 1, Orders, Jobs);
    bool expected = false;
    for (const _S& seen : plain) expected = expected || same_sequences(seen, sample);
    const std::uint64_t h = tabu_hash(sample);
    ASSERT_EQ(list.is_in_tabu_list(sample, h), expected ? 1 : 0) << "sample " << i;
    if (expected) {
      ++hits;
      continue;
    }
    list.add(sample, h);
    plain.push_back(sample);
    if (list.count() > 150) {
      list.drop_oldest();
      plain.pop_front();
    }
    ASSERT_EQ(list.count(), static_cast<int>(plain.size()));
    ASSERT_EQ(list.oldest()->equal(plain.front()), 1);
    current = sample;
  }
  EXPECT_GT(hits, 50) << "the walk should revisit schedules";
}
