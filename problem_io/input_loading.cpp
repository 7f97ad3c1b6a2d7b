#include "problem_io/input_loading.h"

#include "engine/run_host.h"
#include "engine/run_state.h"
#include "problem_io/input_checker.h"
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
  run_host().show_message("  Input data are incorrect!\nOpening process stopped!");
  return -1;
}

int read_input_file(const std::string& path, InputCheck& check, InputCheckWindow& window) {
  input_file_name = path;
  if (check_input_before_open(check, window) == -1) return -1;
  return read_input_path(path);
}
