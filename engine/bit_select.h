#pragma once
// The r-th set bit of a 64-bit word, found by counting in the word's bytes:
// no loop and no branch, so a draw of random positions does not stall on
// mispredictions. Used where free places or positions are kept as bits.
#include <cstdint>

namespace bit_select {

// at[i][b]: the index of the (i+1)-th set bit of byte b (8 when there is none).
struct NthBitInByte {
  unsigned char at[8][256];
  constexpr NthBitInByte() : at() {
    for (int b = 0; b < 256; ++b) {
      int i = 0;
      for (int bit = 0; bit < 8; ++bit)
        if (b & (1 << bit)) at[i++][b] = static_cast<unsigned char>(bit);
      for (; i < 8; ++i) at[i][b] = 8;
    }
  }
};
inline constexpr NthBitInByte kNthBitInByte{};

// Set bits of x.
inline int count(std::uint64_t x) {
  x = x - ((x >> 1) & 0x5555555555555555ull);
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0full;
  return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

// The index of the r-th set bit of x (1 <= r <= set bits), counted from bit 0.
inline int nth_set_bit(std::uint64_t x, int r) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  std::uint64_t s = x - ((x >> 1) & 0x5555555555555555ull);
  s = (s & 0x3333333333333333ull) + ((s >> 2) & 0x3333333333333333ull);
  s = (s + (s >> 4)) & 0x0f0f0f0f0f0f0f0full;
  const std::uint64_t running = s * kOnes;  // byte i: set bits in bytes 0..i
  const std::uint64_t before = static_cast<std::uint64_t>(r - 1) * kOnes;
  // High bit of byte i set where the bytes 0..i hold at most r - 1 set bits:
  // those bytes lie before the one that holds the r-th.
  const std::uint64_t passed = ((before | kHighs) - running) & kHighs;
  const int byte = static_cast<int>(((passed >> 7) * kOnes) >> 56);
  const int shift = byte * 8;
  const int skipped = static_cast<int>(((running << 8) >> shift) & 0xff);  // set bits in the bytes before
  const unsigned in_byte = static_cast<unsigned>((x >> shift) & 0xff);
  return shift + kNthBitInByte.at[r - 1 - skipped][in_byte];
}

}  // namespace bit_select
