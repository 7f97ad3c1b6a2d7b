#pragma once
// Generated problems for tests and benchmarks: a problem drawn from a seed is
// written to a temporary input file and loaded through the input reader into
// the problem arrays, as a user's load would do (without the checking window).
#include <cstdint>

#include "problem_io/generator_file_choice.h"
#include "problem_io/generator_parameters.h"

enum class GeneratedSize {
  Small,    // exactly 10 machines (one per group), 10 orders of 4 jobs: 40 jobs
  Default,  // the generator's initial values: ~120 machines, ~400 orders, ~4,000 jobs
  Large,    // four times the machines and orders of Default: ~480 machines, ~16,000 jobs
};

GENERATOR_VALUES generator_values_for(GeneratedSize size);

// Draws a problem from seed with these values and loads it; true when the
// reader loaded it. The same seed and values always give the same problem.
bool load_generated_problem(std::uint32_t seed, const GENERATOR_VALUES& values,
                            GENERATION_METHOD method = GENERATION_METHOD::Basic);
bool load_generated_problem(std::uint32_t seed, GeneratedSize size = GeneratedSize::Default);
