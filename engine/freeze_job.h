#pragma once
#include <vector>

// What a job may still use under a freeze time: its allowed routes and, per
// machine group, its allowed machines. A job owns at most one; copies are deep.
struct FREEZE_JOB {
  int n_routes = 0;                       // number of allowed routes
  int routes[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};  // allowed route ids in 1..n_routes
  // Slots 1..10 are the machine groups, slot 0 is unused; each list is
  // count-prefixed {count, machine ids}.
  std::vector<std::vector<int>> machines;

  // Allocates the 11 slots with room for the order's list of each group, count 0.
  void alloc_lists(const std::vector<std::vector<int>>& MG_M);
};
