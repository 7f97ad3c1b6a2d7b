#pragma once
// Random schedules of the loaded problem for property tests: the random fill
// of J_A and M_wload (routes and machines), then every machine sequence
// shuffled, since the fill alone lists each machine's jobs in increasing id.
// All draws go through the program's random source, seeded here.
#include <cstdint>

// Leaves the schedule in the global J_A and M_wload.
void fill_random_schedule(std::uint32_t seed);
