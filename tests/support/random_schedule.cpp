#include "tests/support/random_schedule.h"

#include <utility>

#include "engine/problem.h"
#include "engine/random_source.h"

void fill_random_schedule(std::uint32_t seed) {
  seed_random(seed);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  for (int m = 1; m <= n_of_Machines; ++m) {
    std::vector<int>& row = M_wload[m];
    for (int p = row[0]; p > 1; --p) std::swap(row[p], row[1 + rand_n(p)]);
  }
}
