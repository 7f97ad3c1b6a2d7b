#pragma once
// Hand edits of the live schedule, as the results window's editor makes them:
// a machine's job sequence written back from the planner's list, the
// recalculation every edit ends with, and the copy of one job's assignment to
// another job of its order. The route and step-machine changes are the SCH's
// own change_job_route and move_op_to_machine.
//
// Every routine here leaves a schedule it cannot edit as it was: a machine
// without tasks, a job on route 0, an order without a feasible route, a list
// that does not match the machine. None shows a message; the window does.
#include <vector>

#include "engine/objective_value.h"
#include "engine/problem.h"
#include "engine/schedule_linked.h"

// True when sch has its tables and the loaded problem's numbers of orders,
// jobs and machines, so that it can be timed and edited against the globals.
bool schedule_fits_problem(const SCH& sch);

// Machine m's jobs in processing order; empty without tables or for a machine
// outside 1..M.
std::vector<int> machine_sequence(const SCH& sch, int m);

// Writes jobs as machine m's new processing order. 1 written; -1 when the list
// is not exactly machine m's jobs (another count, a job not on m, a job twice):
// then the sequence stays as it was.
int save_sequence_to_machine(SCH& sch, const std::vector<int>& jobs, int m);

// The recalculation of every edit: times sch on the loaded problem and stores
// its objective values in values (set with sch's three counts), the job and
// order times going to the global Jobs and Orders as the display reads them.
void recalc_schedule_values(SCH& sch, OBJ_VALUE& values);

// The feasible routes of an order, in R_feasible order.
std::vector<int> feasible_routes(const ORDER& order);
// The machines an order may use in machine group g (empty outside 1..10).
std::vector<int> usable_machines(const ORDER& order, int g);
// The order of job j, 0 for a job outside the loaded problem.
int order_of_job(int j);

// "Copy assignement": gives target the route and machines of source and puts
// each of target's route steps directly behind source's same step. 1 done;
// -1 refused (the same job, jobs of different orders, a job outside the
// schedule).
int copy_job_assignment(SCH& sch, int target, int source);
