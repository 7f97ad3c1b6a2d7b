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

struct InputCheck;

// What the "Input Data Checking" window offers a load.
class InputCheckWindow {
 public:
  virtual ~InputCheckWindow() = default;
  // Shows the lists of check beside the file's text and returns when the user
  // closes the window; a "Save and Check" there goes through save_and_check,
  // which updates the lists and check.input_rejected.
  virtual void show_modal(InputCheck& check) = 0;
};

// Runs the input checker on input_file_name before a load. Errors set
// input_rejected and show the window; warnings only show it. Returns 1 when
// the load may go on: the check found at most warnings, or the last "Save and
// Check" in the window found no errors. Otherwise shows "  Input data are
// incorrect!\nOpening process stopped!" through run_host() and returns -1; a
// file the checker cannot open is refused without the window.
int check_input_before_open(InputCheck& check, InputCheckWindow& window);

// A load of the file the user chose at path: input_file_name := path, the
// check above, then read_input_path. Returns 1 loaded, -1 refused by the check
// or not readable (the previous problem stays loaded). The window that owns
// the open dialog returns 0 itself when the user cancels it.
int read_input_file(const std::string& path, InputCheck& check, InputCheckWindow& window);
