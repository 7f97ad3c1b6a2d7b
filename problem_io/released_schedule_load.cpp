#include "problem_io/released_schedule_load.h"

#include <exception>

#include "engine/rescheduling_states.h"
#include "engine/run_host.h"
#include "problem_io/file_bytes.h"
#include "problem_io/input_reader.h"
#include "problem_io/schedule_file.h"

int read_released_schedule(const std::string& path, RESCH_STATES& states, InputCheck& check,
                           InputCheckWindow& window) {
  // One read of the file serves the checker, the input reader and the
  // schedule reader: the schedule is taken from the very text whose input
  // part was checked and loaded. A failure in the input part (memory running
  // out included) leaves the problem and the states as they were.
  std::string text;
  if (read_input_file(path, check, window, &text) != 1) return 0;
  try {
    run_host().show_message("Input data reading OK!");
    // The old states belong to the problem the reader has just replaced.
    states.release();
    SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    if (load_sch_text(sch, text) != 1) {
      free_input_data();
      return 0;
    }
    run_host().show_message("Released Schedule loading ok!");
    states.take_released(sch);
    return 1;
  } catch (const std::exception& e) {
    // Whatever failed after the input part (memory running out while the
    // schedule is read or the states are built) ends as a schedule part that
    // cannot be read: no state and no problem without its schedule, last_SCH
    // as it was; the planner is told which file and why.
    states.release();
    free_input_data();
    run_host().show_message(load_failure_text(e, path));
    return 0;
  }
}
