#pragma once
// Loading a scheduling input file into the problem arrays (Machines, Orders,
// Jobs and everything derived from them).
//
// The file is a text of "|"-separated integer records: a header (tag 1),
// machines (100) with their calendar (110, 120 items) and setup matrix (130,
// 140 items), then orders (200) with their permitted machines (210, 220 items).
// Ids, setup types and technology steps are 0-based in the file and stored
// plus one. A line of more than 124 characters ends the reading as if the file
// ended there; a line starting with "s" ends the input part (the schedule part
// of a released-schedule file follows it).
#include <string>

#include "engine/run_state.h"

// Reads the file at path (normally one the input checker has accepted) into
// the problem arrays and derives machine groups, MG_M_ex, execution types,
// each order's MG_M and feasible routes, Exe_O, the jobs numbered order by
// order and empty J_A / M_wload tables; sets first_run. Returns 1 loaded, -1
// when the file cannot be opened or its sizes pass the limits of
// input_limits.h; on -1 the previous problem stays as it was.
//
// Whatever the file holds, nothing is read or written outside the problem's
// tables: calendar items, setup entries and order steps are counted per
// machine and per order, items beyond a declared count, ids outside the header's
// ranges and setup types outside the matrix are skipped, and every count the
// engine walks (N_Cal, N_Step) matches the list it describes.
int read_input_path(const std::string& path);

// Releases every problem array and sets the counts to 0, so that no count ever
// describes a released table.
void free_input_data();

// The load workflow (check, checking window, reading) lives in
// input_loading.h; it is included here for the windows that reach it through
// this header.
#include "problem_io/input_loading.h"
