#pragma once
// The one random source of the program. Every draw of a run, a heuristic or
// the generator goes through rand_n, so that seeding it once makes a whole run
// repeatable (tests and benchmarks seed it; the drivers seed it with the time).
#include <cstdint>
#include <random>

namespace random_source_detail {
// The generator behind every draw, seeded with 1 until seed_random. It lives
// here, not behind a call, so that the moves' draws compile into their loops.
extern std::mt19937 generator;
}  // namespace random_source_detail

// One raw non-negative draw (0..2^31-1).
inline long rand_long() { return static_cast<long>(random_source_detail::generator() >> 1); }

// One draw modulo n: a value in 0..n-1; n <= 0 gives 0 without a draw. The
// draw and n are both non-negative and below 2^31, so the 32-bit remainder is
// the remainder of rand_long() % n.
inline int rand_n(int n) {
  if (n <= 0) return 0;
  const auto draw = static_cast<std::uint32_t>(random_source_detail::generator() >> 1);
  return static_cast<int>(draw % static_cast<std::uint32_t>(n));
}
void seed_random(std::uint32_t seed);
// Seeds with the calendar clock, as the drivers do at the start of a run,
// plus the clock offset below.
void seed_random_from_time();

// While one lives, clock seedings count the clock that many seconds later.
// The performance test gives each iteration its own second this way: its
// iterations often take less than a second, and seeding each one's random
// schedule and search with the same second would repeat the first iteration
// over and over instead of measuring independent ones.
class ClockSeedOffset {
 public:
  explicit ClockSeedOffset(int seconds);
  ~ClockSeedOffset();
  ClockSeedOffset(const ClockSeedOffset&) = delete;
  ClockSeedOffset& operator=(const ClockSeedOffset&) = delete;

 private:
  int previous_;
};
