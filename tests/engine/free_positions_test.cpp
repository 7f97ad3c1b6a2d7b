#include "engine/free_positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/random_source.h"

namespace {

// The positions of k draws by a plain walk over a list of free marks, with
// the same random draws as FreePositions::draw.
std::vector<int> walked_positions(int c, int k, std::uint32_t seed) {
  seed_random(seed);
  std::vector<unsigned char> free(static_cast<std::size_t>(c) + 1, 1);
  std::vector<int> P(static_cast<std::size_t>(k) + 1, 0);
  for (int i = 1; i <= k; ++i) {
    int r = rand_n(c - i + 1) + 1;
    int p = 0;
    while (r > 0) r -= free[static_cast<std::size_t>(++p)];
    free[static_cast<std::size_t>(p)] = 0;
    P[static_cast<std::size_t>(i)] = p;
  }
  return P;
}

}  // namespace

// Both ways of finding the r-th free position (plain loops, and the one with
// wide compares and a bit deposit) must give the plain walk's positions at the
// ends of a word, of a block of 16 words, of the second 16-bit level and of
// the first 32-bit level, with one object reused from long machines to short
// ones and back, so that nothing of an earlier machine is left behind.
TEST(FreePositions, BothPathsDrawThePlainWalksPositionsAtEveryBoundary) {
  const std::vector<int> lengths = {262145, 1, 2,     63,    64,    65,     1023,   1024,  1025,
                                    16383,  16384, 16385, 33000, 262143, 262144, 100, 70000};
  std::vector<FreePositions::Path> paths = {FreePositions::Path::portable};
  if (FreePositions::wide_available()) paths.push_back(FreePositions::Path::wide);
  FreePositions free;
  for (const int c : lengths) {
    const int k = c <= 20000 ? c : 1500;  // every position of the shorter machines
    for (const std::uint32_t seed : {7u, 8u}) {
      const std::vector<int> want = walked_positions(c, k, seed);
      for (const FreePositions::Path path : paths) {
        std::vector<int> got(static_cast<std::size_t>(k) + 1, 0);
        seed_random(seed);
        free.reset(c);
        ASSERT_TRUE(free.draw(k, got.data(), path));
        ASSERT_EQ(got, want) << "length " << c << ", seed " << seed << ", path " << static_cast<int>(path);
      }
    }
  }
  for (const FreePositions::Path path : paths) {
    free.reset(3);
    int P[5];
    EXPECT_FALSE(free.draw(4, P, path)) << "a fourth draw among three positions finds nothing";
    EXPECT_EQ(P[1] + P[2] + P[3], 6) << "the first three take every position";
  }
}

// Drawing every position of a long machine on both paths: the same
// positions, the same number of random draws taken.
TEST(FreePositions, BothPathsAgreeOnEveryPositionOfALongMachine) {
  if (!FreePositions::wide_available()) GTEST_SKIP() << "no wide compares on this processor";
  const int c = 300000;
  std::vector<int> portable(c + 1);
  std::vector<int> wide(c + 1);
  FreePositions free;
  seed_random(11);
  free.reset(c);
  ASSERT_TRUE(free.draw(c, portable.data(), FreePositions::Path::portable));
  const long next_portable = rand_long();
  seed_random(11);
  free.reset(c);
  ASSERT_TRUE(free.draw(c, wide.data(), FreePositions::Path::wide));
  EXPECT_EQ(rand_long(), next_portable);
  EXPECT_EQ(wide, portable);
  std::vector<char> seen(c + 1, 0);
  for (int i = 1; i <= c; ++i) seen[static_cast<std::size_t>(wide[static_cast<std::size_t>(i)])] = 1;
  EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), 1), c) << "every position drawn once";
}
