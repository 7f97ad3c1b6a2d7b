#include "tests/support/small_problem.h"

#include "engine/problem_tables.h"

void begin_small_problem(int n_setup_types) {
  clear_problem_data();
  n_of_SetupTypes = n_setup_types;
  Machines.assign(1, MACHINE());
  Orders.assign(1, ORDER());
}

int add_small_machine(int speed, int first_step, int last_step, std::initializer_list<CAL_INTERVAL> calendar) {
  MACHINE mc;
  mc.ID = static_cast<int>(Machines.size());
  mc.Speed = speed;
  mc.StartStep = first_step;
  mc.EndStep = last_step;
  mc.Cal.assign(1, CAL_INTERVAL{});
  for (const CAL_INTERVAL& i : calendar) mc.Cal.push_back(i);
  mc.N_Cal = static_cast<int>(calendar.size());
  mc.alloc_setup_matrix(n_of_SetupTypes);
  Machines.push_back(std::move(mc));
  n_of_Machines = static_cast<int>(Machines.size()) - 1;
  return n_of_Machines;
}

int add_small_order(int n_jobs, int job_size, int first_step, int last_step, int setup_type, int cst, int cet,
                    const std::vector<int>& machines) {
  ORDER od;
  od.ID = static_cast<int>(Orders.size());
  od.NJob = n_jobs;
  od.SJob = job_size;
  od.StartStep = first_step;
  od.EndStep = last_step;
  od.SetupType = setup_type;
  od.CST = cst;
  od.CET = cet;
  od.Steps.assign(1, ORDER_STEP{});
  for (int m : machines) od.Steps.push_back(ORDER_STEP{Machines[m].StartStep, Machines[m].EndStep, m, 0});
  od.N_Step = static_cast<int>(od.Steps.size()) - 1;
  Orders.push_back(std::move(od));
  n_of_Orders = static_cast<int>(Orders.size()) - 1;
  return n_of_Orders;
}

void finish_small_problem() { derive_problem_tables(); }
