#include "tests/support/small_shop.h"

#include "engine/problem.h"
#include "engine/problem_tables.h"
#include "engine/run_state.h"
#include "problem_io/input_reader.h"

void load_small_shop(const std::vector<SmallMachine>& machines, const std::vector<SmallOrder>& orders,
                     int n_setup_types, int setup_time) {
  clear_problem_data();
  n_of_Machines = static_cast<int>(machines.size());
  n_of_Orders = static_cast<int>(orders.size());
  n_of_SetupTypes = n_setup_types;
  Machines.assign(n_of_Machines + 1, MACHINE());
  for (int m = 1; m <= n_of_Machines; ++m) {
    MACHINE& mc = Machines[m];
    mc.ID = m;
    mc.Speed = machines[m - 1].speed;
    mc.StartStep = machines[m - 1].first_step;
    mc.EndStep = machines[m - 1].last_step;
    mc.Cal.assign(2, CAL_INTERVAL{});
    mc.Cal[1] = CAL_INTERVAL{0, 1000000};
    mc.N_Cal = 1;
    mc.alloc_setup_matrix(n_setup_types);
    for (int a = 1; a <= n_setup_types; ++a)
      for (int b = 1; b <= n_setup_types; ++b) mc.SetupM(a, b) = a == b ? 0 : setup_time;
  }
  Orders.assign(n_of_Orders + 1, ORDER());
  for (int o = 1; o <= n_of_Orders; ++o) {
    const SmallOrder& s = orders[o - 1];
    ORDER& od = Orders[o];
    od.ID = o;
    od.NJob = s.jobs;
    od.SJob = s.size;
    od.StartStep = s.first_step;
    od.EndStep = s.last_step;
    od.SetupType = s.setup_type;
    od.CST = s.cst;
    od.CET = s.cet;
    od.Steps.assign(1, ORDER_STEP{});
    for (int m : s.machines)
      od.Steps.push_back(ORDER_STEP{Machines[m].StartStep, Machines[m].EndStep, m, 0});
    od.N_Step = static_cast<int>(od.Steps.size()) - 1;
  }
  derive_problem_tables();
  input_file_name = "small.sif";
  first_run = 1;
}
