// The search path of a fixed seed: the best values of every step, the
// samples evaluated so far and the overall best's sequences, as the search
// reached them when every sample was timed and evaluated in full. However the
// loop is made faster, it must draw the same numbers in the same order and
// walk this very path.
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

void expect_path(const SearchPath& path, const std::vector<SearchStep>& expected) {
  ASSERT_EQ(path.steps.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const SearchStep& s = path.steps[i];
    for (int c = 0; c < 9; ++c) EXPECT_EQ(s.values[c], expected[i].values[c]) << "step " << i + 1 << ", criterion " << c;
    EXPECT_EQ(s.evaluated, expected[i].evaluated) << "step " << i + 1;
    EXPECT_EQ(s.best_hash, expected[i].best_hash) << "step " << i + 1;
    if (!(s == expected[i])) return;  // later steps follow from the first difference
  }
}

}  // namespace

// Many late jobs: every operator moves, and steps end early.
TEST_F(FixedSeedPath, DefaultProblemFollowsTheFullPassPath) {
  ASSERT_TRUE(load_generated_problem(7, GeneratedSize::Default));
  expect_path(run_search_path(3, 12, 40), {
      {{331, 2342, 8003095, 8873, 3556, 9395, 9207362, 0, 0}, 41, 0x6618867978ee13beull},
      {{331, 2345, 7956585, 8873, 3544, 9395, 9163074, 0, 0}, 43, 0x8d9685ee6a2e25c7ull},
      {{331, 2344, 7919486, 8873, 3534, 9395, 9125698, 0, 0}, 49, 0xe41bd20a51d2a9ecull},
      {{331, 2347, 7911989, 8873, 3522, 9395, 9115675, 0, 0}, 55, 0xd1050879b5d035f4ull},
      {{331, 2347, 7904819, 8873, 3521, 9395, 9108505, 0, 0}, 58, 0xedad6c3f986cfadcull},
      {{331, 2347, 7898046, 8873, 3519, 9395, 9101732, 0, 0}, 68, 0x81b61bed4b887634ull},
      {{331, 2346, 7888704, 8873, 3519, 9395, 9092968, 0, 0}, 73, 0xe7d2a2dcaaed9172ull},
      {{331, 2349, 7887051, 8873, 3506, 9395, 9089833, 0, 0}, 77, 0x61606167600381d8ull},
      {{331, 2354, 7872815, 8873, 3501, 9395, 9070726, 0, 0}, 79, 0x1a2f1feedd1ef246ull},
      {{331, 2356, 7857503, 8873, 3499, 9395, 9053575, 0, 0}, 81, 0xcd2282a891df2df3ull},
      {{331, 2356, 7857152, 8873, 3498, 9395, 9051564, 0, 0}, 84, 0xc5c3d776b94aa8adull},
      {{330, 2343, 7843141, 8873, 3493, 9395, 9036341, 0, 0}, 87, 0x83b2cd82cad3e36bull},
  });
}

// Routes of one to four steps, an order that no route can carry (its jobs stay
// off the shop), and a run into a schedule without late jobs, where operators
// 2 and 4 make no move.
TEST_F(FixedSeedPath, VariedShopFollowsTheFullPassPath) {
  build_varied_shop(5, 12, true);
  expect_path(run_search_path(4, 30, 20), {
      {{2, 6, 113, 26, 18, 81, 1456, 0, 0}, 17, 0x9a7f5cbf6474ddb4ull},
      {{2, 6, 113, 26, 17, 68, 1522, 0, 0}, 19, 0xeca2510372c4d784ull},
      {{2, 5, 87, 24, 17, 68, 1473, 0, 0}, 33, 0xef715ce7e6f4aa4aull},
      {{2, 5, 59, 27, 18, 68, 1360, 0, 0}, 40, 0x71be59099e597d4eull},
      {{2, 6, 41, 14, 18, 68, 1298, 0, 0}, 43, 0x3328bb60c8a8ac6aull},
      {{1, 2, 21, 14, 18, 68, 1372, 0, 0}, 50, 0xa659b82b5c6c7242ull},
      {{1, 2, 14, 7, 18, 68, 1365, 0, 0}, 52, 0x453a73170df74e78ull},
      {{1, 1, 5, 5, 16, 68, 1362, 0, 0}, 53, 0x143136a4fc365806ull},
      {{0, 0, 0, 0, 18, 68, 1371, 0, 0}, 55, 0xa3499ae97ad19a61ull},
      {{0, 0, 0, 0, 14, 48, 1384, 0, 0}, 57, 0x1120912732b72d8bull},
      {{0, 0, 0, 0, 14, 48, 1384, 0, 0}, 64, 0x6e43a47955b6c939ull},
      {{0, 0, 0, 0, 14, 48, 1384, 0, 0}, 72, 0x6e43a47955b6c939ull},
      {{0, 0, 0, 0, 12, 38, 1452, 0, 0}, 74, 0x37baeb2a39e709d5ull},
      {{0, 0, 0, 0, 12, 36, 1492, 0, 0}, 78, 0x1c9a4308875619b9ull},
      {{0, 0, 0, 0, 11, 34, 1496, 0, 0}, 79, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 34, 1496, 0, 0}, 88, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 12, 33, 1486, 0, 0}, 94, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 12, 33, 1486, 0, 0}, 103, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 109, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 115, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 121, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 130, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 135, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 140, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 142, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1513, 0, 0}, 148, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1513, 0, 0}, 153, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 157, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 166, 0xda2e76bb835b66adull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 171, 0xda2e76bb835b66adull},
  });
}
