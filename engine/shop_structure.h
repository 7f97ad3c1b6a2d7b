#pragma once
// The fixed structure of the shop: four technology steps, ten machine groups,
// 26 routes through the groups and ten execution types. These tables are
// constants; nothing ever writes them.

// Machine group -> {number of steps, step 1..4}; row 0 unused.
extern const int MG_TS[11][5];
// Routes 1..n_of_Routes through the machine groups; route 0 is "no route".
constexpr int n_of_Routes = 26;
// Route -> {number of route steps, machine group of route step 1..4}; route 0 has no steps.
extern const int R_MG_ex[n_of_Routes + 1][5];
using RouteTable = int[n_of_Routes + 1][5];
// Number of route steps of route r in routes (R_MG_ex unless a test gives
// another table): 0 for route 0 and for any number outside 1..n_of_Routes,
// so that no reader indexes past the table.
inline int route_length(const RouteTable& routes, int r) {
  return (r >= 1 && r <= n_of_Routes) ? routes[r][0] : 0;
}
inline int route_length(int r) { return route_length(R_MG_ex, r); }
// Execution type -> {number of routes, route 1..8}; row 0 unused.
extern const int Exe_R[11][9];
// Row 0 is the identity 0..10; row 1 is the order in which every timing pass
// visits the machine groups, walked from entry 10 down to entry 1.
extern const int MG_seq[2][11];

// First and last technology step of an execution type or machine group t,
// 0 for t outside 1..10.
int exe_type_first_step(int t);
int exe_type_last_step(int t);
// The machine group (1..10) whose step range is exactly [first, last], 0 if none.
int machine_group_of_steps(int first, int last);
