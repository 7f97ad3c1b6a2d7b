#pragma once
// A small in-memory shop with every machine group present and orders of every
// execution type, so that schedules on it use routes of one to four route
// steps; and a check of the array schedule's index invariants.
#include <cstdint>
#include <vector>

#include "engine/schedule_array.h"

// Two machines per machine group (20 machines, machine m in group (m + 1) / 2),
// n_orders orders of 1..4 jobs with random execution types, random permitted
// machines and due dates; the last order permits no machine of group 3 and is
// of type 8 (steps 1-3) when with_unroutable is set, so it has no route that
// avoids that group only by chance. Calendars are one long interval.
void build_varied_shop(std::uint32_t seed, int n_orders, bool with_unroutable = false);

// Adds a failure (with where) for every broken invariant: positions and steps
// pointing both ways, counts equal to the placed route steps, each job's route
// one of its order's feasible routes and each machine one the order permits
// for the step's group (unless any_machine), every machine count within the row.
void expect_S_consistent(const _S& S, const char* where, bool any_machine = false);

// A random starting schedule of the loaded problem (random_init_S); the random
// source is then seeded with seed, since random_init_S seeds it from the clock.
_S random_start_S(std::uint32_t seed);

// The job ids of machine m in processing order.
std::vector<int> sequence_of(const _S& S, int m);

// The plain comparison of whole machine sequences (machine counts included).
bool same_sequences(const _S& a, const _S& b);
