#include "problem_io/input_loading.h"

#include <exception>
#include <utility>

#include "engine/run_host.h"
#include "engine/run_state.h"
#include "problem_io/file_bytes.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_limits.h"
#include "problem_io/input_reader.h"

int check_input_before_open(InputCheck& check, InputCheckWindow& window) {
  // Both lists start empty: a warning left from an earlier file must never
  // count for this one.
  check.error_list.clear();
  check.warning_list.clear();
  check.input_rejected = false;
  const int r = check_input_data(check);
  if (r == -1) {
    check.input_rejected = true;
    window.show_modal(check);
  } else if (r == 2) {
    window.show_modal(check);
  }
  if (r != 0 && !check.input_rejected) return 1;
  std::string().swap(check.input_bytes);  // hands the text's memory back
  // A folder, a pipe, a device or a file too large to hold is named as such;
  // a file that is missing or unreadable gets the checker's refusal.
  if (r == 0 && refusal_names_reason(check.input_read))
    run_host().show_message(file_refusal_text(check.input_read, input_file_name, kMaxInputFileBytes) +
                            "\nOpening process stopped!");
  else
    run_host().show_message("  Input data are incorrect!\nOpening process stopped!");
  return -1;
}

int read_input_file(const std::string& path, InputCheck& check, InputCheckWindow& window, std::string* loaded_text) {
  // Memory running out (or any other failure) in the check, the reading or
  // the deriving of the tables leaves the previous problem loaded: the reader
  // puts it back before the failure goes on. The planner is told which file
  // could not be loaded, and the window that asked is told nothing was done;
  // the run reports go on naming the file of the problem still loaded.
  std::string loaded_name;
  bool named = false;
  auto keep_loaded_name = [&] {
    if (named) input_file_name.swap(loaded_name);
  };
  try {
    loaded_name = input_file_name;
    input_file_name = path;  // the checker and its window read the chosen file
    named = true;
    if (check_input_before_open(check, window) == -1) {
      if (check.input_read != FileBytesResult::OutOfMemory) return -1;
      keep_loaded_name();
      return 0;
    }
    // The text the check (or the window's last "Save and Check") accepted is
    // the text read: the file is not opened again, whatever became of it since.
    std::string text = std::move(check.input_bytes);
    check.input_bytes = std::string();
    std::string refusal;
    if (read_input_text(text, &refusal) != 1) {
      if (!refusal.empty())
        run_host().show_message("The input data cannot be loaded: " + refusal + ".\nOpening process stopped!");
      return -1;
    }
    if (loaded_text) *loaded_text = std::move(text);
    return 1;
  } catch (const std::exception& e) {
    keep_loaded_name();
    std::string().swap(check.input_bytes);
    run_host().show_message(load_failure_text(e, path) + "\nOpening process stopped!");
    return 0;
  }
}
