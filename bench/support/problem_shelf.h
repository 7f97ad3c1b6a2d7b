#pragma once
// Several problems kept loaded at once, for benchmarks that interleave
// measures on problems of different sizes. The engine works on one loaded
// problem (the global arrays); the shelf keeps the others aside and swaps the
// one asked for into the globals (vector swaps, no copies), so that a measure
// costs the same whichever size ran just before it.
//
// Everything a problem carries in the globals moves with it, including the
// schedule in J_A and M_wload and the completions an evaluation writes into
// Jobs. Nothing else is shelved (last_SCH, the run report folder, the random
// source stay as they are).
#include <cstdint>
#include <functional>
#include <string>

#include "tests/support/generated_problem.h"

// Makes the problem named key the loaded one. The first time, the current
// problem is shelved, the globals are emptied and load() fills them; a false
// from load() is final (later calls return false without loading again).
bool use_problem(const std::string& key, const std::function<bool()>& load);

// The generated problem of this seed and size (see load_generated_problem).
bool use_generated_problem(std::uint32_t seed, GeneratedSize size);
// The same for a program that cannot go on without it: exits with a message.
void require_generated_problem(std::uint32_t seed, GeneratedSize size);

// "Small", "Default" or "Large".
const char* size_name(GeneratedSize size);
