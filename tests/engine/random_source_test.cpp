#include "engine/random_source.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

// Runs replay from their seeds: the draws stay those of a Mersenne twister
// (std::mt19937) with its top 31 bits taken and reduced modulo n as a long,
// for small, odd and near-limit n, and n <= 0 draws nothing.
TEST(RandomSource, DrawsAreTheTwistersTopBitsModuloN) {
  const int ns[] = {1, 2, 3, 7, 10, 1000, 89624, 1 << 20, 2147483646, 2147483647};
  for (const std::uint32_t seed : {1u, 5u, 4294967295u}) {
    seed_random(seed);
    std::mt19937 reference(seed);
    for (int i = 0; i < 3000; ++i) {
      const int n = ns[i % 10];
      const long expected = static_cast<long>(reference() >> 1) % n;
      ASSERT_EQ(rand_n(n), expected) << "seed " << seed << " draw " << i << " n " << n;
      if (i % 7 == 0) {
        EXPECT_EQ(rand_n(0), 0);
        EXPECT_EQ(rand_n(-3), 0);
        ASSERT_EQ(rand_long(), static_cast<long>(reference() >> 1));
      }
    }
  }
}
