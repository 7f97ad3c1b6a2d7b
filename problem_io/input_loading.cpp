#include "problem_io/input_loading.h"

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
  check.input_bytes = std::string();
  // A folder, a pipe, a device or a file too large to hold is named as such;
  // a file that is missing or unreadable gets the checker's refusal.
  if (r == 0 && (check.input_read == FileBytesResult::NotRegularFile || check.input_read == FileBytesResult::TooLarge))
    run_host().show_message(file_refusal_text(check.input_read, input_file_name, kMaxInputFileBytes) +
                            "\nOpening process stopped!");
  else
    run_host().show_message("  Input data are incorrect!\nOpening process stopped!");
  return -1;
}

int read_input_file(const std::string& path, InputCheck& check, InputCheckWindow& window, std::string* loaded_text) {
  input_file_name = path;
  if (check_input_before_open(check, window) == -1) return -1;
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
}
