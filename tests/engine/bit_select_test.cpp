#include "engine/bit_select.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

std::vector<int> set_bits(std::uint64_t x) {
  std::vector<int> bits;
  for (int i = 0; i < 64; ++i)
    if ((x >> i) & 1) bits.push_back(i);
  return bits;
}

}  // namespace

// Every rank of words with one bit, full bytes, the top bit and random
// densities: the count and the r-th set bit agree with a plain walk.
TEST(BitSelect, CountAndNthSetBitAgreeWithAWalkOverTheBits) {
  std::vector<std::uint64_t> words = {1, 2, 0x80, 0xff, 0xff00, 0x8000000000000000ull, ~std::uint64_t{0},
                                      0x0101010101010101ull, 0x8080808080808080ull, 0xf0000000000000f0ull};
  std::mt19937_64 gen(7);
  for (int i = 0; i < 400; ++i) {
    std::uint64_t x = gen();
    for (int thin = 0; thin < i % 4; ++thin) x &= gen();  // sparser words too
    if (x != 0) words.push_back(x);
  }
  for (const std::uint64_t x : words) {
    const std::vector<int> bits = set_bits(x);
    ASSERT_EQ(bit_select::count(x), static_cast<int>(bits.size())) << std::hex << x;
    for (std::size_t r = 1; r <= bits.size(); ++r)
      ASSERT_EQ(bit_select::nth_set_bit(x, static_cast<int>(r)), bits[r - 1]) << std::hex << x << " rank " << r;
  }
}
