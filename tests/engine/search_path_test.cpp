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
      {{331, 2342, 8003095, 8873, 3556, 9395, 9207362, 0, 0}, 41, 0x17169935c210b633ull},
      {{331, 2345, 7956585, 8873, 3544, 9395, 9163074, 0, 0}, 43, 0xb6b540b0129581f9ull},
      {{331, 2344, 7919486, 8873, 3534, 9395, 9125698, 0, 0}, 49, 0x6049b61870598bacull},
      {{331, 2347, 7911989, 8873, 3522, 9395, 9115675, 0, 0}, 55, 0xaa2f4e49e311892dull},
      {{331, 2347, 7904819, 8873, 3521, 9395, 9108505, 0, 0}, 58, 0xc2080fa5756b0954ull},
      {{331, 2347, 7898046, 8873, 3519, 9395, 9101732, 0, 0}, 68, 0x4a6eaf0c7edc74f0ull},
      {{331, 2346, 7888704, 8873, 3519, 9395, 9092968, 0, 0}, 73, 0xb4a5f1fac724d6a5ull},
      {{331, 2349, 7887051, 8873, 3506, 9395, 9089833, 0, 0}, 77, 0xd0fc7aace4d33672ull},
      {{331, 2354, 7872815, 8873, 3501, 9395, 9070726, 0, 0}, 79, 0xee50a4f146937d49ull},
      {{331, 2356, 7857503, 8873, 3499, 9395, 9053575, 0, 0}, 81, 0x393ac410c075f12aull},
      {{331, 2356, 7857152, 8873, 3498, 9395, 9051564, 0, 0}, 84, 0x97d6e244f3525948ull},
      {{330, 2343, 7843141, 8873, 3493, 9395, 9036341, 0, 0}, 87, 0x53bdb094e7268039ull},
  });
}

// Routes of one to four steps, an order that no route can carry (its jobs stay
// off the shop), and a run into a schedule without late jobs, where operators
// 2 and 4 make no move.
TEST_F(FixedSeedPath, VariedShopFollowsTheFullPassPath) {
  build_varied_shop(5, 12, true);
  expect_path(run_search_path(4, 30, 20), {
      {{2, 6, 113, 26, 18, 81, 1456, 0, 0}, 17, 0xe773b312ef95e052ull},
      {{2, 6, 113, 26, 17, 68, 1522, 0, 0}, 19, 0xba7d0a3ed6f611a1ull},
      {{2, 5, 87, 24, 17, 68, 1473, 0, 0}, 33, 0x95730c9324f02c3full},
      {{2, 5, 59, 27, 18, 68, 1360, 0, 0}, 40, 0xba3762689d093c5aull},
      {{2, 6, 41, 14, 18, 68, 1298, 0, 0}, 43, 0x12410bc3fa405f91ull},
      {{1, 2, 21, 14, 18, 68, 1372, 0, 0}, 50, 0xa47864f25d2a4fb8ull},
      {{1, 2, 14, 7, 18, 68, 1365, 0, 0}, 52, 0x53a38cf0e302d93bull},
      {{1, 1, 5, 5, 16, 68, 1362, 0, 0}, 53, 0x9f4cac875ea47747ull},
      {{0, 0, 0, 0, 18, 68, 1371, 0, 0}, 55, 0x423b89e61aa34c08ull},
      {{0, 0, 0, 0, 14, 48, 1384, 0, 0}, 57, 0x4edc2d6f9ed1818full},
      {{0, 0, 0, 0, 14, 48, 1384, 0, 0}, 64, 0x0242b607ac50e3c2ull},
      {{0, 0, 0, 0, 14, 48, 1384, 0, 0}, 72, 0x0242b607ac50e3c2ull},
      {{0, 0, 0, 0, 12, 38, 1452, 0, 0}, 74, 0xf6bc396228f534e6ull},
      {{0, 0, 0, 0, 12, 36, 1492, 0, 0}, 78, 0x3d2789cd8a3d04fdull},
      {{0, 0, 0, 0, 11, 34, 1496, 0, 0}, 79, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 34, 1496, 0, 0}, 88, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 12, 33, 1486, 0, 0}, 94, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 12, 33, 1486, 0, 0}, 103, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 109, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 115, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 121, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 130, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 135, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 140, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 142, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1513, 0, 0}, 148, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1513, 0, 0}, 153, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1532, 0, 0}, 157, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 166, 0x75442dbd7a49ecd5ull},
      {{0, 0, 0, 0, 11, 35, 1492, 0, 0}, 171, 0x75442dbd7a49ecd5ull},
  });
}
