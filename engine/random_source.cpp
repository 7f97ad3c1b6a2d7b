#include "engine/random_source.h"

#include "engine/run_host.h"

std::mt19937 random_source_detail::generator(1u);

namespace {
int clock_seed_offset = 0;
}  // namespace

void seed_random(std::uint32_t seed) { random_source_detail::generator.seed(seed); }

// The clock comes from the run host, so a test that scripts the clock gets a
// repeatable run even where the engine seeds "with the current time".
void seed_random_from_time() {
  seed_random(static_cast<std::uint32_t>(run_host().current_time() + clock_seed_offset));
}

ClockSeedOffset::ClockSeedOffset(int seconds) : previous_(clock_seed_offset) { clock_seed_offset = seconds; }

ClockSeedOffset::~ClockSeedOffset() { clock_seed_offset = previous_; }
