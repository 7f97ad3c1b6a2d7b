// The tabu searches, the batch search and the performance test run end to end
// on a generated problem loaded through the input reader (the enumeration
// has its own tests on hand-made shops).
#include "solvers/batch_search.h"
#include "engine/live_schedule.h"
#include "solvers/performance_test.h"
#include "solvers/tabu_search.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/solver_run.h"

namespace {

class SolverRuns : public SolverRunTest {
 protected:
  void TearDown() override { free_input_data(); }
  bool starts(const std::string& prefix) const { return report().compare(0, prefix.size(), prefix) == 0; }
  bool has(const std::string& text) const { return report().find(text) != std::string::npos; }
};

}  // namespace

TEST_F(SolverRuns, EverySolverOnAGeneratedProblem) {
  ASSERT_TRUE(load_generated_problem(3, GeneratedSize::Small));
  set_fields(15, 10, 40, 5, 3);
  host.fields[SchedulerField::Iterations] = 2;
  const std::string sizes = "Machine: " + std::to_string(n_of_Machines) + " Orders: " +
                            std::to_string(n_of_Orders) + " Jobs:" + std::to_string(n_of_Jobs) + "\n";

  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_TRUE(starts("Tabu Search with _S class and do_pi.\nInput file :" + input_file_name + "\n" + sizes +
                     "First running: Initialize with random values\n"));
  EXPECT_TRUE(has("\n size of TabuList: 40\nEnd of file."));
  expect_live_schedule_consistent();

  host.answers = {true, false};
  ASSERT_EQ(TS_AUTOSTOP(), 1);
  EXPECT_TRUE(starts("Tabu Search with AUTOSTOP.\nInput file :" + input_file_name + "\n" + sizes +
                     "\nInitialize with last schedule!\n"));
  expect_live_schedule_consistent();

  ASSERT_EQ(TS_batch_mode(), 1);
  EXPECT_TRUE(has("\nInitialize with random values!\nSearch_Pars:  \tmaxSTEP:15\tmaxLOOP:10\tminLOOP:3"));
  EXPECT_TRUE(has("\nsearch\t"));
  expect_live_schedule_consistent();

  const SCH before = *last_SCH;
  performance_test();
  EXPECT_TRUE(starts(" Performance test.   Input file :" + input_file_name + "\n"));
  EXPECT_TRUE(has("\nRel. quality of s_row: - better, + worse, 0 equal.\n\ts_1\ts_2\ns_1\t0\t"));
  EXPECT_TRUE(has("\nEnd of file."));
  EXPECT_EQ(last_SCH->equal(before), 1);
  for (const std::string& m : host.messages) EXPECT_EQ(m, "AutoStop: The result have not been improved!");
}
