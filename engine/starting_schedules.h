#pragma once
// Constructive starting schedules. Each first empties every machine and takes
// every job off the shop (route 0), then places the jobs it reaches, so any _S
// built for the loaded problem, fresh or reused, comes out with consistent
// indexes. A job of an order without a feasible route stays on route 0.
#include <vector>

#include "engine/problem.h"

class _S;

// Seeds the random source from the clock, then gives every job, in job order,
// a random feasible route and random usable machines, appended at the end of
// each machine: the machine sequences come out in job-number order.
int random_init_S(_S& S, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs);

// Orders by due date (selection sort on CET that swaps the first smallest
// remaining order into each place); every job gets its order's
// first feasible route and the first usable machine of each group.
int order_assign_EDD_seq(_S& S, const std::vector<ORDER>& orders);

// As order_assign_EDD_seq with the orders in index order; draws nothing.
int order_assign_random_seq(_S& S, const std::vector<ORDER>& orders);

// Orders by execution type 1..10 (within a type in Exe_O order); each order
// takes its last feasible route, its first job draws one usable machine per
// step and every other job of the order copies them.
int order_exe_type_assign(_S& S, const std::vector<ORDER>& orders,
                           const std::vector<std::vector<int>>& exe_o);

// As order_exe_type_assign, but every job draws its own machines.
int order_exe_type_assign_jobs(_S& S, const std::vector<ORDER>& orders,
                                const std::vector<std::vector<int>>& exe_o);
