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

// Runs the input checker on input_file_name before a load: the file is read
// once, into check.input_bytes, and those bytes are checked. Errors set
// input_rejected and show the window; warnings only show it. Returns 1 when
// the load may go on: the check found at most warnings, or the last "Save and
// Check" in the window found no errors (check.input_bytes then holds what it
// wrote). Otherwise shows "  Input data are incorrect!\nOpening process
// stopped!" through run_host() and returns -1; a file the checker cannot read
// is refused without the window, and one that is no regular file (a folder, a
// pipe, a device), too large to hold or beyond the memory left gets a message
// naming it instead.
int check_input_before_open(InputCheck& check, InputCheckWindow& window);

// A load of the file the user chose at path: input_file_name := path, the
// check above, then read_input_text of exactly the checked bytes (the file is
// not read a second time). Returns 1 loaded, -1 refused (the previous problem
// stays loaded); a problem that breaks an invariant the engine relies on is
// refused with a message naming the fault. On 1, loaded_text (when given)
// receives the text that was read, for the schedule part of a released file.
// 0: nothing was done, as when the user cancels the open dialog (which the
// window that owns it handles itself): the load failed partway, memory
// running out included, and a message naming the file said what went wrong;
// the previous problem stays exactly as it was.
int read_input_file(const std::string& path, InputCheck& check, InputCheckWindow& window,
                    std::string* loaded_text = nullptr);
