// Each solver of the scheduler window, and the performance test, run end to
// end on a generated problem loaded through the input reader.
#include <gtest/gtest.h>

#include "engine/batch_search.h"
#include "engine/enumeration.h"
#include "engine/live_schedule.h"
#include "engine/performance_test.h"
#include "engine/run_report.h"
#include "engine/tabu_search.h"
#include "engine/timing.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"
#include "tests/support/varied_shop.h"

namespace {

class SolverRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    set_run_report_folder(dir.path());
    stop_flag = false;
    host.fields[SchedulerField::Steps] = 15;
    host.fields[SchedulerField::Loops] = 10;
    host.fields[SchedulerField::TabuSize] = 40;
    host.fields[SchedulerField::ImprovementLess] = 5;
    host.fields[SchedulerField::MinLoop] = 3;
    host.fields[SchedulerField::Iterations] = 2;
  }
  void TearDown() override {
    set_run_report_folder("");
    last_SCH.reset();
    free_input_data();
  }
  std::string report() const { return read_file(dir.file("__last_run__.txt")); }
  bool starts(const std::string& prefix) const { return report().compare(0, prefix.size(), prefix) == 0; }
  bool has(const std::string& text) const { return report().find(text) != std::string::npos; }
  bool ends_properly() const {
    const std::string r = report();
    return r.size() > 13 && r.compare(r.size() - 13, 13, "\nEnd of file.") == 0;
  }
  // The live schedule is a complete schedule of the problem and its values
  // are those of its own timing.
  void expect_live_schedule() {
    ASSERT_TRUE(last_SCH);
    _S live(*last_SCH);
    expect_S_consistent(live, "live schedule");
    OBJ_VALUE v;
    calc_S_times(live);
    calc_S_obj_values(live, v);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(last_obj_value.criterion(i), v.criterion(i)) << i;
  }

  TempDir dir;
  RecordingHost host;
};

}  // namespace

TEST_F(SolverRuns, TabuSearchesBatchAndPerformanceTestOnAGeneratedProblem) {
  ASSERT_TRUE(load_generated_problem(3, GeneratedSize::Small));
  const std::string sizes = "Machine: " + std::to_string(n_of_Machines) + " Orders: " +
                            std::to_string(n_of_Orders) + " Jobs:" + std::to_string(n_of_Jobs) + "\n";

  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_TRUE(starts("Tabu Search with _S class and do_pi.\nInput file :" + input_file_name + "\n" + sizes +
                     "First running: Initialize with random values\n"));
  EXPECT_TRUE(has("\n size of TabuList: 40\nEnd of file."));
  expect_live_schedule();

  host.answers = {true, false};
  ASSERT_EQ(TS_AUTOSTOP(), 1);
  EXPECT_TRUE(starts("Tabu Search with AUTOSTOP.\nInput file :" + input_file_name + "\n" + sizes +
                     "\nInitialize with last schedule!\n"));
  EXPECT_TRUE(ends_properly());
  expect_live_schedule();

  ASSERT_EQ(TS_batch_mode(), 1);
  EXPECT_TRUE(starts("Tabu Search in bacth mode.\n"));
  EXPECT_TRUE(has("\nInitialize with random values!\nSearch_Pars:  \tmaxSTEP:15\tmaxLOOP:10\tminLOOP:3"));
  EXPECT_TRUE(has("\nsearch\t"));
  EXPECT_TRUE(ends_properly());
  expect_live_schedule();

  const SCH before = *last_SCH;
  performance_test();
  EXPECT_TRUE(starts(" Performance test.   Input file :" + input_file_name + "\n"));
  EXPECT_TRUE(has("\n Avp(2it):"));
  EXPECT_TRUE(has("\nRel. quality of s_row: - better, + worse, 0 equal.\n\ts_1\ts_2\ns_1\t0\t"));
  EXPECT_TRUE(ends_properly());
  EXPECT_EQ(last_SCH->equal(before), 1);
  for (const std::string& m : host.messages) EXPECT_EQ(m, "AutoStop: The result have not been improved!");
}

TEST_F(SolverRuns, EnumerationOnAGeneratedOneMachineGroupProblem) {
  GENERATOR_VALUES v = generator_values_for(GeneratedSize::Small);
  v.Mv = 2;  // two machines of group 1
  v.Ov = 2;  // two orders
  v.Jv = 2;  // of two jobs each
  v.Jp = 0;
  v.R = 1;   // every order may use every machine
  ASSERT_TRUE(load_generated_problem(4, v, GENERATION_METHOD::OneMachine));
  ASSERT_EQ(n_of_Jobs, 4);
  ASSERT_TRUE(enumeration_size_allowed());
  ASSERT_EQ(Enumeration_small_size(), 1);
  // 2^4 assignments; over them the sum of k! (4 - k)! is 5 * 4! = 120.
  EXPECT_TRUE(has("\n 1. job-->2\n 2. job-->2\n 3. job-->2\n 4. job-->2\n"));
  EXPECT_TRUE(has("\nNumber of evaluated schedule: 120\n"));
  EXPECT_TRUE(ends_properly());
  expect_live_schedule();
}
