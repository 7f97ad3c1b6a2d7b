#pragma once
// The load of a scheduling input file the planner chose: the input checker
// first, the "Input Data Checking" window when the check found something, then
// the reading into the problem arrays (input_reader.h).
#include <string>

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
