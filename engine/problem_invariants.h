#pragma once
// What the moves, the starting-schedule builders, the timing and the
// schedule tables take for granted of the loaded problem, checked once after a
// load: every count agrees with its table, every machine lies in exactly one
// machine group and every machine an order permits for a step belongs to that
// step's group, every feasible route is one of the order's execution type and
// finds a machine at each of its steps, and the jobs are numbered order by
// order. A problem that passes can hold any schedule the engine builds for it
// without a row ever receiving more entries than it has room for.
//
// The input checker refuses every file that would break one of these; this
// check stands behind it for content that reached the reader some other way.
#include <string>

// "" when the loaded problem (Machines, Orders, Jobs, MG_M_ex, Exe_O, J_A,
// M_wload and their counts) keeps every invariant; otherwise what is broken
// first, e.g. "machine 4 of order 2 is not in machine group 3". Reads only;
// linear in the size of the problem's tables (M_wload rows are checked by
// their length, not cell by cell).
std::string problem_invariant_fault();
