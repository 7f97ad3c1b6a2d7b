#pragma once
#include <array>
#include <vector>

#include "engine/problem.h"

// Derives everything the engine needs beside the raw machine and order records
// of the loaded problem: machine groups, MG_M_ex, execution types, each order's
// MG_M lists and feasible routes, Exe_O, the jobs numbered order by order, and
// empty J_A / M_wload tables.
//
// Expects Machines and Orders (with n_of_Machines, n_of_Orders,
// n_of_SetupTypes) filled with ids, speeds, steps, calendars, setup matrices,
// order fields and permitted machines. Machines or order steps whose step range
// is none of the ten groups get group 0 and are left out of every list; a
// machine id outside 1..n_of_Machines in an order step is left out of MG_M.
void derive_problem_tables();

// Drops every problem array and sets the four counts to 0.
void clear_problem_data() noexcept;

// The loaded problem as a whole, moved out of the globals so that a load can
// put it back when the problem read in its place turns out unusable.
struct PROBLEM_DATA {
  int n_of_Machines = 0, n_of_Orders = 0, n_of_SetupTypes = 0, n_of_Jobs = 0;
  std::vector<MACHINE> Machines;
  std::vector<ORDER> Orders;
  std::vector<JOB> Jobs;
  std::vector<std::vector<int>> MG_M_ex;
  std::vector<std::vector<int>> Exe_O;
  std::vector<std::array<int, 5>> J_A;
  std::vector<std::vector<int>> M_wload;
};

// Moves the loaded problem out; afterwards no problem is loaded (as after
// clear_problem_data). Neither move allocates, so a load can always put the
// previous problem back, memory running out included.
PROBLEM_DATA take_problem_data() noexcept;
// Makes p the loaded problem; the one loaded before is dropped.
void put_problem_data(PROBLEM_DATA&& p) noexcept;
