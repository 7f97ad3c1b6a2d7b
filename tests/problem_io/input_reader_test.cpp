#include "problem_io/input_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "engine/run_state.h"
#include "problem_io/input_checker.h"
#include "tests/support/temp_dir.h"

namespace {

// Machines 0..4: group 10 (steps 1-4), then one machine of each single step,
// written in reverse id order so that MG_M_ex must sort nothing by itself.
// Order 0 (type 5, steps 1-2), order 1 (type 10) with machines of groups 1-4.
const char* const kShop =
    "001|5|2|3\n"
    "100|4|2|3|3\n110|4|1\n120|4|0|500\n130|4|1\n140|4|0|0|0\n"
    "100|3|2|2|2\n110|3|1\n120|3|0|500\n130|3|1\n140|3|0|0|0\n"
    "100|2|2|1|1\n110|2|1\n120|2|0|500\n130|2|1\n140|2|0|0|0\n"
    "100|1|2|0|0\n110|1|1\n120|1|0|500\n130|1|1\n140|1|0|0|0\n"
    "100|0|10|0|3\n110|0|2\n120|0|0|100\n120|0|200|300\n130|0|2\n140|0|0|1|5\n140|0|2|1|9\n"
    "200|0|50|10|2|7|0|1|2\n210|0|2\n220|0|1|1|2\n220|0|0|0|1\n"
    "200|1|90|0|3|4|0|3|0\n210|1|5\n220|1|3|3|4\n220|1|2|2|3\n220|1|1|1|2\n220|1|0|0|1\n220|1|2|2|3\n";

class InputReader : public ::testing::Test {
 protected:
  void TearDown() override { free_input_data(); }
  int load(const std::string& text) { return read_input_path(dir.write("p.txt", text)); }
  TempDir dir;
};

TEST_F(InputReader, FillsMachineAndOrderRecordsStoringIdsPlusOne) {
  first_run = 0;
  ASSERT_EQ(load(kShop), 1);
  EXPECT_EQ(first_run, 1);
  EXPECT_EQ(n_of_Machines, 5);
  EXPECT_EQ(n_of_Orders, 2);
  EXPECT_EQ(n_of_SetupTypes, 3);
  ASSERT_EQ(Machines.size(), 6u);
  const MACHINE& m1 = Machines[1];
  EXPECT_EQ(m1.ID, 1);
  EXPECT_EQ(m1.Speed, 10);
  EXPECT_EQ(m1.StartStep, 1);
  EXPECT_EQ(m1.EndStep, 4);
  EXPECT_EQ(m1.MG, 10);
  EXPECT_EQ(Machines[5].MG, 4);
  ASSERT_EQ(m1.N_Cal, 2);
  ASSERT_EQ(m1.Cal.size(), 3u);
  EXPECT_EQ(m1.Cal[2].ST, 200);
  EXPECT_EQ(m1.Cal[2].ET, 300);
  EXPECT_EQ(m1.N_Set, 2);
  EXPECT_EQ(m1.SetupM(1, 2), 5);
  EXPECT_EQ(m1.SetupM(3, 2), 9);
  EXPECT_EQ(m1.SetupM(2, 1), 0);  // no 140 line names it
  EXPECT_EQ(m1.SetupM(3, 3), 0);

  const ORDER& o1 = Orders[1];
  EXPECT_EQ(o1.ID, 1);
  EXPECT_EQ(o1.CET, 50);
  EXPECT_EQ(o1.CST, 10);
  EXPECT_EQ(o1.NJob, 2);
  EXPECT_EQ(o1.SJob, 7);
  EXPECT_EQ(o1.StartStep, 1);
  EXPECT_EQ(o1.EndStep, 2);
  EXPECT_EQ(o1.Exe, 5);
  EXPECT_EQ(o1.SetupType, 3);
  ASSERT_EQ(o1.N_Step, 2);
  EXPECT_EQ(o1.Steps[1].SS, 2);
  EXPECT_EQ(o1.Steps[1].ES, 2);
  EXPECT_EQ(o1.Steps[1].M_ID, 3);
  EXPECT_EQ(o1.Steps[1].MG, 2);
  EXPECT_EQ(Orders[2].SetupType, 1);
}

TEST_F(InputReader, DerivesGroupsRoutesAndJobsOrderByOrder) {
  ASSERT_EQ(load(kShop), 1);
  // Machine lines came in reverse id order; the group lists still ascend.
  EXPECT_EQ(MG_M_ex[10], (std::vector<int>{1, 1}));
  EXPECT_EQ(MG_M_ex[1], (std::vector<int>{1, 2}));
  EXPECT_EQ(MG_M_ex[4], (std::vector<int>{1, 5}));
  EXPECT_EQ(MG_M_ex[5], (std::vector<int>{0}));
  // Order 2 names machine 4 twice; MG_M keeps its 220 lines' order and repeats.
  EXPECT_EQ(Orders[2].MG_M[3], (std::vector<int>{2, 4, 4}));
  EXPECT_EQ(Orders[2].MG_M[4], (std::vector<int>{1, 5}));
  // Groups 1-4 only: of the eight routes of type 10 exactly route 1 is open.
  EXPECT_EQ(Orders[2].N_Routes, 1);
  EXPECT_EQ(Orders[2].R_feasible[1], 1);
  // Type 5 needs groups 1 and 2 (route 17) or group 5 (route 18): route 17.
  EXPECT_EQ(Orders[1].N_Routes, 1);
  EXPECT_EQ(Orders[1].R_feasible[1], 17);
  EXPECT_EQ(Exe_O[5], (std::vector<int>{1, 1}));
  EXPECT_EQ(Exe_O[10], (std::vector<int>{1, 2}));

  ASSERT_EQ(n_of_Jobs, 5);
  ASSERT_EQ(Jobs.size(), 6u);
  const int order_of_job[6] = {0, 1, 1, 2, 2, 2};
  const int number_of_job[6] = {0, 1, 2, 1, 2, 3};
  for (int j = 1; j <= 5; ++j) {
    EXPECT_EQ(Jobs[j].ID, j);
    EXPECT_EQ(Jobs[j].Order_ID, order_of_job[j]) << j;
    EXPECT_EQ(Jobs[j].Number, number_of_job[j]) << j;
  }
  EXPECT_EQ(Orders[1].First_Job, 1);
  EXPECT_EQ(Orders[2].First_Job, 3);
  ASSERT_EQ(J_A.size(), 6u);
  ASSERT_EQ(M_wload.size(), 6u);
  for (const auto& row : M_wload) EXPECT_EQ(row[0], 0);
  for (const auto& row : J_A) EXPECT_EQ(row[0], 0);
}

TEST_F(InputReader, OrderWithoutMachinesOfAnyRouteGetsNoRoute) {
  std::string text = kShop;
  // Order 0 (steps 1-2) only ever names the group 10 machine.
  const std::string from = "210|0|2\n220|0|1|1|2\n220|0|0|0|1\n";
  text.replace(text.find(from), from.size(), "210|0|1\n220|0|0|3|0\n");
  ASSERT_EQ(load(text), 1);
  EXPECT_EQ(Orders[1].N_Routes, 0);
  EXPECT_EQ(Orders[1].MG_M[10], (std::vector<int>{1, 1}));
  // Its jobs stay unscheduled in every random assignment; the others get one.
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    seed_random(seed);
    random_J_A_M_wload();
    EXPECT_EQ(J_A[1][0], 0);
    EXPECT_EQ(J_A[2][0], 0);
    EXPECT_EQ(J_A[3][0], 1);
    EXPECT_EQ(M_wload[1][0], 0);  // the group 10 machine is on no route taken
    reset_J_A_M_wload();
  }
}

TEST_F(InputReader, ReadingEndsAtSLineAndAtOverlongLine) {
  ASSERT_EQ(load(std::string(kShop) + "s\n200|2|1|1|1|1|0|0|0\n"), 1);
  EXPECT_EQ(n_of_Orders, 2);
  EXPECT_EQ(n_of_Jobs, 5);

  // An over-long line before order 1's last permitted machine: the reading
  // stops there, as if the file ended before it, and the order keeps the four
  // steps it got (the checker reports the missing one).
  std::string text = kShop;
  const std::string last = "220|1|2|2|3\n";
  text.insert(text.rfind(last), "\n7" + std::string(124, '0') + "\n");
  ASSERT_EQ(load(text), 1);
  EXPECT_EQ(Orders[2].N_Step, 4);
  EXPECT_EQ(Orders[2].Steps.size(), 5u);
  EXPECT_EQ(Orders[2].MG_M[3], (std::vector<int>{1, 4}));
}

TEST_F(InputReader, EmptyAndForeignLinesChangeNothing) {
  std::string text = kShop;
  text.insert(text.find("200|0"), "\n999|1|2|3\n\n|||\n100\n");
  ASSERT_EQ(load(text), 1);
  EXPECT_EQ(n_of_Jobs, 5);
  EXPECT_EQ(Machines[1].Speed, 10);
  EXPECT_EQ(Orders[1].N_Step, 2);
}

// A file the checker accepts while its items are not grouped machine by
// machine: machine 1's calendar item comes after machine 2's declaration.
// Counting items per machine keeps each in its own calendar.
TEST_F(InputReader, CountsItemsPerMachineAndPerOrder) {
  const char* text =
      "1|2|2|1\n"
      "100|0|1|0|3\n110|0|1\n120|0|0|10\n"
      "100|1|1|0|3\n110|1|1\n120|1|5|15\n"
      "130|0|1\n140|0|0|0|0\n130|1|1\n140|1|0|0|0\n"
      "200|0|9|0|1|1|0|3|0\n210|0|1\n"
      "200|1|9|0|1|1|0|3|0\n210|1|1\n220|0|0|3|1\n220|1|0|3|0\n";
  input_file_name = dir.write("p.txt", text);
  InputCheck check;
  ASSERT_EQ(check_input_data(check), 1);
  ASSERT_EQ(load(text), 1);
  EXPECT_EQ(Machines[1].Cal[1].ET, 10);
  EXPECT_EQ(Machines[2].Cal[1].ST, 5);
  EXPECT_EQ(Orders[1].Steps[1].M_ID, 2);
  EXPECT_EQ(Orders[2].Steps[1].M_ID, 1);
  EXPECT_EQ(Orders[1].N_Routes, 1);
  EXPECT_EQ(Orders[2].N_Routes, 1);
}

// Files that never went through the checker: whatever they hold, every count
// the engine walks matches its list, and nothing lands outside a table.
TEST_F(InputReader, UncheckedFileKeepsCountsAndTablesInStep) {
  const char* text =
      "1|2|1|2\n"
      "140|0|1|1|4\n"                    // setup entry before its matrix
      "110|0|2000000000\n120|0|1|2\n"    // count far beyond the file
      "120|1|1|2\n"                      // item without a declaration
      "110|1|1\n120|1|1|2\n120|1|3|4\n"  // one item too many
      "130|1|1\n140|1|5|-9|3\n140|1|1|1|8\n"
      "100|7|1|0|0\n100|-1|1|0|0\n"      // ids outside the header's range
      "200|0|5|0|-4|1|0|0|0\n210|0|3\n220|0|0|0|9\n220|0|0|0|0\n";
  ASSERT_EQ(load(text), 1);
  for (int m = 1; m <= n_of_Machines; ++m)
    EXPECT_EQ(Machines[m].Cal.size(), static_cast<size_t>(Machines[m].N_Cal) + 1);
  EXPECT_EQ(Machines[1].N_Cal, 1);  // the one item line it has
  EXPECT_EQ(Machines[1].Cal[1].ET, 2);
  EXPECT_EQ(Machines[2].N_Cal, 1);
  EXPECT_EQ(Machines[2].Cal[1].ST, 1);
  EXPECT_EQ(Machines[2].SetupM(2, 2), 8);
  EXPECT_EQ(Orders[1].N_Step, 2);
  EXPECT_EQ(Orders[1].Steps.size(), 3u);
  EXPECT_EQ(Orders[1].MG_M[1], (std::vector<int>{1, 1}));  // machine 10 left out
  EXPECT_EQ(n_of_Jobs, 0);
  EXPECT_EQ(Orders[1].First_Job, 0);
}

TEST_F(InputReader, RefusedFileLeavesPreviousProblemLoaded) {
  ASSERT_EQ(load(kShop), 1);
  first_run = 0;
  EXPECT_EQ(read_input_path(dir.file("missing.txt")), -1);
  EXPECT_EQ(input_file_name, dir.file("missing.txt"));
  EXPECT_EQ(load("1|2000000|1|1\n"), -1);
  EXPECT_EQ(load("1|2|1|100000\n"), -1);
  EXPECT_EQ(load("1|1|1|8000\n1|10000\n"), -1);  // 10000 matrices of 8001 x 8001
  EXPECT_EQ(load("1|1|1|1\n200|0|9|0|2000000|1|0|0|0\n"), -1);
  EXPECT_EQ(n_of_Machines, 5);
  EXPECT_EQ(n_of_Jobs, 5);
  EXPECT_EQ(Machines[1].Speed, 10);
  EXPECT_EQ(first_run, 0);
}

TEST_F(InputReader, FreeReleasesEverythingAndZeroesCounts) {
  ASSERT_EQ(load(kShop), 1);
  free_input_data();
  EXPECT_EQ(n_of_Machines + n_of_Orders + n_of_Jobs, 0);
  EXPECT_TRUE(Machines.empty());
  EXPECT_TRUE(Orders.empty());
  EXPECT_TRUE(Jobs.empty());
  EXPECT_TRUE(J_A.empty());
  EXPECT_TRUE(M_wload.empty());
  EXPECT_TRUE(MG_M_ex.empty());
  EXPECT_TRUE(Exe_O.empty());
  // A second load after the release builds the same problem again.
  ASSERT_EQ(load(kShop), 1);
  EXPECT_EQ(n_of_Jobs, 5);
}

}  // namespace
