// The search path of a fixed seed: the best values of every step, the
// samples evaluated so far and the overall best's sequences, as the search
// reached them when every sample was timed and evaluated in full. However the
// loop is made faster, it must draw the same numbers in the same order and
// walk this very path. Since every draw of every operator lies on the path,
// these two digests also pin what each move draws and in which order.
#include <gtest/gtest.h>

#include "engine/sample_timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/search_path.h"
#include "tests/support/varied_shop.h"

namespace {

// Every sample of the paths below is also timed and evaluated in full.
class FixedSeedPath : public ::testing::Test {
 protected:
  void SetUp() override { SampleTiming::set_checking(true); }
  void TearDown() override { SampleTiming::set_checking(false); }
};

// The whole path by its digest; the last step spelled out, to show how far
// off a changed path ended.
void expect_path(const SearchPath& path, std::uint64_t digest, const SearchStep& last) {
  ASSERT_FALSE(path.steps.empty());
  const SearchStep& s = path.steps.back();
  for (int c = 0; c < 9; ++c) EXPECT_EQ(s.values[c], last.values[c]) << "last step, criterion " << c;
  EXPECT_EQ(s.evaluated, last.evaluated) << "last step";
  EXPECT_EQ(s.best_hash, last.best_hash) << "last step";
  EXPECT_EQ(path_digest(path), digest);
}

}  // namespace

// Many late jobs: every operator moves, and steps end early.
TEST_F(FixedSeedPath, DefaultProblemFollowsTheFullPassPath) {
  ASSERT_TRUE(load_generated_problem(7, GeneratedSize::Default));
  expect_path(run_search_path(3, 12, 40), 0x66ccda38c83534ecull,
              {{330, 2343, 7843141, 8873, 3493, 9395, 9036341, 0, 0}, 87, 0x83b2cd82cad3e36bull});
}

// Routes of one to four steps, an order that no route can carry (its jobs stay
// off the shop), and a run into a schedule without late jobs, where operators
// 2 and 4 make no move.
TEST_F(FixedSeedPath, VariedShopFollowsTheFullPassPath) {
  build_varied_shop(5, 12, true);
  expect_path(run_search_path(4, 30, 20), 0x6d1f439bb6aaa7d4ull,
              {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 171, 0xda2e76bb835b66adull});
}
