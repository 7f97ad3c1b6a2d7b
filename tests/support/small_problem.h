#pragma once
// Hand-built problems for exact timing and evaluation cases: machines and
// orders are filled field by field, then derive_problem_tables() makes the
// groups, routes and jobs as the reader would.
#include <initializer_list>
#include <vector>

#include "engine/problem.h"

// Drops the loaded problem and starts an empty one with n_setup_types types.
void begin_small_problem(int n_setup_types);
// A machine for technology steps first..last with the given speed and
// calendar (one long interval by default) and a setup matrix of zeros.
// Returns its id.
int add_small_machine(int speed, int first_step, int last_step,
                      std::initializer_list<CAL_INTERVAL> calendar = {{0, 100000000}});
// An order whose steps first..last may use the listed machines (each for its
// own step range). Returns its id.
int add_small_order(int n_jobs, int job_size, int first_step, int last_step, int setup_type, int cst, int cet,
                    const std::vector<int>& machines);
// Derives the tables; the problem is then loaded.
void finish_small_problem();
