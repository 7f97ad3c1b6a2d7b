#pragma once
// The path of a whole tabu search on the loaded problem, step by step: what a
// faster search loop must reproduce exactly. A search of `steps` steps of
// `loops` samples (tabu list of 150, the plain interactive search's rules, no
// windows) starts from a random schedule drawn from `seed` and draws every
// sample from the same seed; each step records its best values, the samples
// evaluated so far and a hash of the overall best's machine sequences.
#include <cstdint>
#include <vector>

struct SearchStep {
  std::int64_t values[9];  // the step's best, criteria 0..8
  int evaluated;           // samples evaluated up to the end of the step
  std::uint64_t best_hash;  // digest of the overall best's machine sequences after the step

  bool operator==(const SearchStep& o) const;
};

struct SearchPath {
  std::vector<SearchStep> steps;
  double seconds = 0;  // wall time of the steps alone
  int evaluated = 0;   // samples evaluated by the steps (the start not counted)
};

SearchPath run_search_path(std::uint32_t seed, int steps, int loops);

// One number for a whole path (FNV-1a over every field of every step).
std::uint64_t path_digest(const SearchPath& path);
