#pragma once
// The load of every machine of a linked schedule, summed in one walk along
// each machine's sequence, so that the utilisation chart and both EF figures
// of the results window share a single pass over the tasks.
#include <vector>

#include "engine/schedule_linked.h"

struct MachineLoads {
  // Entries 1..n_of_Machines; entry 0 unused. processing: the sum of ProcT of
  // the machine's tasks; busy: the sum of EndT - StartT (setups included).
  std::vector<double> processing;
  std::vector<double> busy;
};

// Fills loads for every machine of sch. A machine whose sequence head is
// missing (a schedule without per-machine lists, or fewer heads than
// machines) loads 0; nothing outside the tables is read.
void sum_machine_loads(const SCH& sch, MachineLoads& loads);
