#include "engine/freeze_job.h"

#include <cstddef>

void FREEZE_JOB::alloc_lists(const std::vector<std::vector<int>>& MG_M) {
  machines.assign(11, std::vector<int>());
  for (int g = 1; g <= 10; ++g) {
    const int room = g < static_cast<int>(MG_M.size()) && !MG_M[g].empty() ? MG_M[g][0] : 0;
    machines[g].assign(static_cast<std::size_t>(room) + 1, 0);
  }
}
