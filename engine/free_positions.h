#pragma once
// The free positions 1..c of a machine, for drawing the r-th still free one
// in logarithmic time: the shuffle move draws up to every position of a
// machine this way. One bit per position in words of 64; above the words a
// tree of blocks of 16 children, each entry of a block the number of free
// positions in the children before it (so entry 0 is always 0). The two lowest
// levels hold 16-bit counts (a block of 16 words covers 1,024 positions, one
// above it 16,384), so each block is 32 bytes; the levels above hold 32-bit
// counts, and the top level is one block. A machine of 100,000 positions keeps
// 12 KB of words and 3.5 KB of counts.
//
// Finding the child that holds the r-th position is "how many entries are
// below r", counting it out is "every entry from r on loses one": both without
// a branch, which the random draws would defeat. Where the processor has
// AVX2, BMI2 and POPCNT a block is one compare and one add and the bit within
// its word is found by a bit deposit; elsewhere the same steps run as plain
// loops. Both give the same positions; the choice is made once per process.
#include <cstdint>
#include <vector>

class FreePositions {
 public:
  enum class Path { automatic, portable, wide };

  // Every position 1..c free (c >= 0). Keeps its memory for the next machine.
  void reset(int c);

  // Draws k positions into P[1..k] in draw order, each the r-th still free
  // one for r = rand_n(remaining) + 1; stops early and returns false when a
  // draw finds nothing free (k > c). Allocates nothing.
  bool draw(int k, int* P, Path path = Path::automatic);

  // Whether this processor can run Path::wide.
  static bool wide_available();

 private:
  struct alignas(32) Low {
    std::int16_t before[16];
  };
  struct alignas(64) High {
    std::int32_t before[16];
  };
  static constexpr int kMaxHigh = 6;  // 16,384 * 16^6 positions, past any machine

  bool draw_portable(int k, int* P);
  bool draw_wide(int k, int* P);

  int c_ = 0;
  std::vector<std::uint64_t> words_;
  std::vector<Low> low_;    // level 0 (blocks of 16 words), then level 1
  std::vector<High> high_;  // levels 2.. from the bottom, the top last
  int level1_ = 0;          // first level-1 block in low_
  int high_offset_[kMaxHigh] = {};
  int n_high_ = 0;
};
