#pragma once
// The load of every machine of a linked schedule, summed in one walk along
// each machine's sequence, so that the utilisation chart and both EF figures
// of the results window share a single pass over the tasks.
#include <vector>

#include "engine/problem.h"
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

// A machine is overloaded when it has tasks and a calendar, and its last
// calendar interval ends before its last task does. A machine without a
// sequence in sch, or whose calendar count lies beyond its intervals, is not.
bool machine_overloaded(const SCH& sch, int m, const MACHINE& machine);

// The four utilisation ratios of one machine over the horizon H (the
// schedule's completion time): its processing load and its busy time (setups
// included) against H and against its calendar time available before H. All
// four are 0 when H is 0; the last two are 0 when no calendar time is
// available (or the machine record is missing).
struct MachineUtilization {
  double processing_of_horizon = 0.0;  // P / H
  double busy_of_horizon = 0.0;        // B / H
  double processing_of_available = 0.0;  // P / A
  double busy_of_available = 0.0;        // B / A
};
MachineUtilization machine_utilization(const MachineLoads& loads, int m, double H, const MACHINE* machine);
