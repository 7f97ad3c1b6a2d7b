#include "engine/problem_invariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/problem.h"
#include "engine/problem_tables.h"
#include "tests/support/generated_problem.h"

namespace {

// Finds a machine of another group than g.
int machine_not_in_group(int g) {
  int m = 1;
  while (Machines[m].MG == g) ++m;
  return m;
}

}  // namespace

// A generated problem keeps every invariant; each way its tables can break
// what the moves and builders rely on is named.
TEST(ProblemInvariants, EachBrokenInvariantIsNamed) {
  ASSERT_TRUE(load_generated_problem(5, GeneratedSize::Small));
  EXPECT_EQ(problem_invariant_fault(), "");
  const struct {
    const char* fault;
    std::function<void()> damage;
  } cases[] = {
      {"an M_wload row cannot hold every job", [] { M_wload[2].pop_back(); }},
      {"J_A does not match the number of jobs", [] { J_A.pop_back(); }},
      {"no machine group for machine 3", [] { Machines[3].MG = Machines[3].MG % 10 + 1; }},
      {"no speed for machine 2", [] { Machines[2].Speed = 0; }},
      {"the calendar count of machine 4", [] { ++Machines[4].N_Cal; }},
      {"the calendar order of machine 1", [] { Machines[1].Cal[1].ET = Machines[1].Cal[1].ST; }},
      {"the setup type of order 2", [] { Orders[2].SetupType = n_of_SetupTypes + 1; }},
      {"an unknown machine permitted to order 1", [] { Orders[1].Steps[1].M_ID = n_of_Machines + 1; }},
      {"machine ", [] {  // a machine of another group in an order's group list
         const int g = Orders[1].Steps[1].MG;
         Orders[1].MG_M[g].push_back(machine_not_in_group(g));
         ++Orders[1].MG_M[g][0];
       }},
      {"a machine list of order 3", [] { ++Orders[3].MG_M[1][0]; }},
      {"a route of another execution type for order 1",
       [] { Orders[1].R_feasible[1] = 27 - Orders[1].R_feasible[1]; }},
      {"a machine of another group listed in group", [] { MG_M_ex[1][1] = machine_not_in_group(1); }},
      {"the jobs of order 2", [] { Jobs[Orders[2].First_Job].Number = 2; }},
      {"the number of jobs", [] {
         ++n_of_Jobs;
         Jobs.emplace_back();
         J_A.emplace_back();
         for (std::vector<int>& row : M_wload) row.push_back(0);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    ASSERT_TRUE(load_generated_problem(5, GeneratedSize::Small));
    c.damage();
    const std::string fault = problem_invariant_fault();
    EXPECT_EQ(fault.rfind(c.fault, 0), 0u) << fault;
  }
  clear_problem_data();
}
