#pragma once
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
void clear_problem_data();
