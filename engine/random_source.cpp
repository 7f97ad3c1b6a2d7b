#include "engine/random_source.h"

#include <random>

#include "engine/run_host.h"

namespace {
int clock_seed_offset = 0;

std::mt19937& generator() {
  static std::mt19937 gen(1u);
  return gen;
}
}  // namespace

long rand_long() { return static_cast<long>(generator()() >> 1); }

int rand_n(int n) {
  if (n <= 0) return 0;
  return static_cast<int>(rand_long() % n);
}

void seed_random(std::uint32_t seed) { generator().seed(seed); }

// The clock comes from the run host, so a test that scripts the clock gets a
// repeatable run even where the engine seeds "with the current time".
void seed_random_from_time() {
  seed_random(static_cast<std::uint32_t>(run_host().current_time() + clock_seed_offset));
}

ClockSeedOffset::ClockSeedOffset(int seconds) : previous_(clock_seed_offset) { clock_seed_offset = seconds; }

ClockSeedOffset::~ClockSeedOffset() { clock_seed_offset = previous_; }
