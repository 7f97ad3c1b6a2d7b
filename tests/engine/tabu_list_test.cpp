#include "engine/tabu_list.h"

#include <gtest/gtest.h>

#include <deque>

#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "tests/support/varied_shop.h"

namespace {

// S with the first two jobs of the n-th machine holding two or more swapped.
_S swapped_on(const _S& S, int n) {
  _S out = S;
  int m = 0;
  while (n > 0) n -= out.M_wload[++m][0] >= 2;
  const int P[3] = {2, 1, 2};
  rotate_positions(out, P, m);
  return out;
}

// Adds as the drivers do: one drop at most per addition.
void add_capped(TABULIST& list, const _S& S, int size) {
  list.add(S);
  if (list.count() > size) list.drop_oldest();
}

}  // namespace

// Many revisits: small moves on a small problem, a list whose ring is reused
// many times over, its size lowered during the run (one drop per addition
// keeps the list as long as it was); every answer, the count and the oldest
// and newest entries must be those of a plain first-in-first-out scan.
TEST(TabuList, AgreesWithAPlainScanOverALongSearch) {
  build_varied_shop(23, 6);
  _S current = random_start_S(23);
  TABULIST list;
  list.drop_oldest();
  EXPECT_EQ(list.count(), 0) << "dropping from an empty list changes nothing";
  EXPECT_EQ(list.oldest(), nullptr);
  EXPECT_EQ(list.is_in_tabu_list(current), 0);
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
    if (list.count() > (i < 2000 ? 150 : 100)) {
      list.drop_oldest();
      plain.pop_front();
    }
    ASSERT_EQ(list.count(), static_cast<int>(plain.size()));
    ASSERT_EQ(list.oldest()->equal(plain.front()), 1);
    ASSERT_EQ(list.newest()->equal(plain.back()), 1);
    current = sample;
  }
  EXPECT_GT(hits, 50) << "the walk should revisit schedules";
  EXPECT_EQ(list.count(), 150);
}

TEST(TabuList, EqualHashesWithOtherSequencesAreToldApart) {
  // A forged collision: B carries A's hash, with the same job counts per
  // machine but two jobs swapped; C has A's rows on one machine fewer.
  build_varied_shop(17, 30);
  const _S A = random_start_S(6), B = swapped_on(A, 1);
  _S C(n_of_Orders, n_of_Jobs, n_of_Machines - 1);
  for (int q = 1; q < n_of_Machines; ++q)
    for (int p = 0; p <= A.M_wload[q][0]; ++p) C.edit().seq(q)[p] = A.M_wload[q][p];
  const std::uint64_t forged = tabu_hash(A);
  EXPECT_EQ(TABU(A, forged).equal(A), 1);
  EXPECT_EQ(TABU(A, forged).equal(B, forged), 0);
  EXPECT_EQ(TABU(A, forged).equal(C, forged), 0);
  TABULIST list;
  list.add(TABU(A, forged));
  EXPECT_EQ(list.is_in_tabu_list(B, forged), 0);
  EXPECT_EQ(list.is_in_tabu_list(A, forged), 1);
}

TEST(TabuList, RaisingTheSizeAfterDropsKeepsTheAgeOrder) {
  // Size 10 until the ring has wrapped (its oldest entry no longer in slot
  // 0), then 40: the ring grows from a wrapped state and every entry must
  // keep its age and stay findable.
  build_varied_shop(23, 6);
  std::vector<_S> added;
  _S current = random_start_S(31);
  TABULIST list;
  while (added.size() < 60) {
    _S next = current;
    move_shuffle_machine(next, rand_n(n_of_Machines) + 1);
    if (list.is_in_tabu_list(next)) continue;
    bool seen = false;
    for (const _S& s : added) seen = seen || same_sequences(s, next);
    if (seen) continue;
    add_capped(list, next, added.size() < 25 ? 10 : 40);
    added.push_back(next);
    current = next;
  }
  ASSERT_EQ(list.count(), 40);
  for (int i = 0; i < 40; ++i) {
    const _S& expected = added[added.size() - 1 - static_cast<std::size_t>(i)];
    ASSERT_EQ(list.from_newest(i).equal(expected), 1) << "entry " << i << " from the newest";
    ASSERT_EQ(list.is_in_tabu_list(expected), 1) << "entry " << i << " from the newest";
  }
  EXPECT_EQ(list.is_in_tabu_list(added[19]), 0) << "dropped before the size was raised";
}
