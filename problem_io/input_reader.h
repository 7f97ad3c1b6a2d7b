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
#include <string_view>

#include "engine/run_state.h"

// Reads an input file's text (normally one the input checker has accepted,
// the very text it checked) into the problem arrays and derives machine
// groups, MG_M_ex, execution types, each order's MG_M and feasible routes,
// Exe_O, the jobs numbered order by order and empty J_A / M_wload tables;
// sets first_run. Returns 1 loaded; -1 when the sizes pass the limits of
// input_limits.h or the problem breaks an invariant of
// engine/problem_invariants.h (refusal, when given, then says which). On -1
// the previous problem stays as it was.
//
// Whatever the text holds, nothing is read or written outside the problem's
// tables: calendar items, setup entries and order steps are counted per
// machine and per order, items beyond a declared count, ids outside the header's
// ranges and setup types outside the matrix are skipped, and every count the
// engine walks (N_Cal, N_Step) matches the list it describes.
int read_input_text(std::string_view text, std::string* refusal = nullptr);

// read_input_text of the file at path, read once whole; -1 also when it cannot
// be read (missing, not a regular file, larger than kMaxInputFileBytes).
// Sets input_file_name to path.
int read_input_path(const std::string& path);

// Releases every problem array and sets the counts to 0, so that no count ever
// describes a released table.
void free_input_data();

// The load workflow (check, checking window, reading) lives in
// input_loading.h; it is included here for the windows that reach it through
// this header.
#include "problem_io/input_loading.h"
