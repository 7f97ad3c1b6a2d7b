#include "tests/support/small_shop.h"

#include "engine/problem.h"
#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "tests/support/small_problem.h"

void load_small_shop(const std::vector<SmallMachine>& machines, const std::vector<SmallOrder>& orders,
                     int n_setup_types, int setup_time) {
  begin_small_problem(n_setup_types);
  for (const SmallMachine& sm : machines) {
    MACHINE& mc = Machines[add_small_machine(sm.speed, sm.first_step, sm.last_step, {{0, 1000000}})];
    for (int a = 1; a <= n_setup_types; ++a)
      for (int b = 1; b <= n_setup_types; ++b) mc.SetupM(a, b) = a == b ? 0 : setup_time;
  }
  for (const SmallOrder& so : orders)
    add_small_order(so.jobs, so.size, so.first_step, so.last_step, so.setup_type, so.cst, so.cet, so.machines);
  finish_small_problem();
  input_file_name = "small.sif";
  first_run = 1;
}
