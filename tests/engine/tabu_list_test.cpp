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

}  // namespace

// Many revisits: small moves on a small problem, a list whose ring is reused
// many times over, its size raised when the ring has wrapped (it grows from
// that state), lowered (one drop per addition, as the drivers drop, keeps the
// list as long as it was) and raised again; every answer, the count and the oldest
// and newest entries must be those of a plain first-in-first-out scan, and at
// the end every entry keeps its age and stays findable.
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
    if (list.count() > (i < 300 ? 10 : i < 1500 ? 150 : i < 2200 ? 100 : 200)) {
      list.drop_oldest();
      plain.pop_front();
    }
    ASSERT_EQ(list.count(), static_cast<int>(plain.size()));
    if (i >= 1500 && i < 2200) {
      ASSERT_EQ(list.count(), 150) << "a lowered size does not shrink the list";
    }
    ASSERT_EQ(list.oldest()->equal(plain.front()), 1);
    ASSERT_EQ(list.newest()->equal(plain.back()), 1);
    if (i % 50 == 0) {
      for (const _S& entry : plain) ASSERT_EQ(list.is_in_tabu_list(entry), 1) << "sample " << i;
    }
    current = sample;
  }
  EXPECT_GT(hits, 50) << "the walk should revisit schedules";
  ASSERT_EQ(list.count(), 200);
  for (int i = 0; i < 200; ++i) {
    const _S& expected = plain[plain.size() - 1 - static_cast<std::size_t>(i)];
    ASSERT_EQ(list.from_newest(i).equal(expected), 1) << "entry " << i << " from the newest";
    ASSERT_EQ(list.is_in_tabu_list(expected), 1) << "entry " << i << " from the newest";
  }
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
