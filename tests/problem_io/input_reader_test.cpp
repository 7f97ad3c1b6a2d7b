#include "problem_io/input_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/problem.h"
#include "engine/run_state.h"
#include "problem_io/input_checker.h"
#include "tests/support/input_text.h"
#include "tests/support/temp_dir.h"

namespace {

using Ints = std::vector<int>;

// Machines 0..4: group 10 (steps 1-4), then one machine of each single step,
// written in reverse id order so that MG_M_ex must sort nothing by itself.
// Order 0 (type 5, steps 1-2), order 1 (type 10) with machines of groups 1-4,
// order 2 (type 5) with only the group 10 machine, which no route of its type uses.
const char* const kShop =
    "001|5|3|3\n"
    "100|4|2|3|3\n110|4|1\n120|4|0|500\n130|4|1\n140|4|0|0|0\n"
    "100|3|2|2|2\n110|3|1\n120|3|0|500\n130|3|1\n140|3|0|0|0\n"
    "100|2|2|1|1\n110|2|1\n120|2|0|500\n130|2|1\n140|2|0|0|0\n"
    "100|1|2|0|0\n110|1|1\n120|1|0|500\n130|1|1\n140|1|0|0|0\n"
    "100|0|10|0|3\n110|0|2\n120|0|0|100\n120|0|200|300\n130|0|2\n140|0|0|1|5\n140|0|2|1|9\n"
    "200|0|50|10|2|7|0|1|2\n210|0|2\n220|0|1|1|2\n220|0|0|0|1\n"
    "200|1|90|0|3|4|0|3|0\n210|1|5\n220|1|3|3|4\n220|1|2|2|3\n220|1|1|1|2\n220|1|0|0|1\n220|1|2|2|3\n"
    "200|2|90|0|1|1|0|1|0\n210|2|1\n220|2|0|3|0\n";

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
  EXPECT_EQ((Ints{n_of_Machines, n_of_Orders, n_of_SetupTypes}), (Ints{5, 3, 3}));
  // 100|0|10|0|3: machine 1, speed 10, steps 1-4, group 10; 100|4|2|3|3: group 4.
  const MACHINE& m1 = Machines[1];
  EXPECT_EQ((Ints{m1.ID, m1.Speed, m1.StartStep, m1.EndStep, m1.MG, Machines[5].MG}), (Ints{1, 10, 1, 4, 10, 4}));
  ASSERT_EQ(m1.N_Cal, 2);
  EXPECT_EQ((Ints{m1.Cal[2].ST, m1.Cal[2].ET}), (Ints{200, 300}));
  // Cells no 140 line names stay 0.
  EXPECT_EQ((Ints{m1.N_Set, m1.SetupM(1, 2), m1.SetupM(3, 2), m1.SetupM(2, 1), m1.SetupM(3, 3)}),
            (Ints{2, 5, 9, 0, 0}));
  // 200|0|50|10|2|7|0|1|2: due 50, earliest start 10, 2 jobs of 7, steps 1-2, type 5, setup type 3.
  const ORDER& o1 = Orders[1];
  EXPECT_EQ((Ints{o1.ID, o1.CET, o1.CST, o1.NJob, o1.SJob, o1.StartStep, o1.EndStep, o1.Exe, o1.SetupType}),
            (Ints{1, 50, 10, 2, 7, 1, 2, 5, 3}));
  ASSERT_EQ(o1.N_Step, 2);
  EXPECT_EQ((Ints{o1.Steps[1].SS, o1.Steps[1].ES, o1.Steps[1].M_ID, o1.Steps[1].MG}), (Ints{2, 2, 3, 2}));
}

TEST_F(InputReader, DerivesGroupsRoutesAndJobsOrderByOrder) {
  ASSERT_EQ(load(kShop), 1);
  // Machine lines came in reverse id order; the group lists still ascend.
  EXPECT_EQ(MG_M_ex[10], (Ints{1, 1}));
  EXPECT_EQ(MG_M_ex[1], (Ints{1, 2}));
  EXPECT_EQ(MG_M_ex[4], (Ints{1, 5}));
  EXPECT_EQ(MG_M_ex[5], (Ints{0}));
  // Order 2 names machine 4 twice; MG_M keeps its 220 lines' order and repeats.
  EXPECT_EQ(Orders[2].MG_M[3], (Ints{2, 4, 4}));
  // Groups 1-4 only: of the eight routes of type 10 exactly route 1 is open.
  EXPECT_EQ((Ints{Orders[2].N_Routes, Orders[2].R_feasible[1]}), (Ints{1, 1}));
  // Type 5 needs groups 1 and 2 (route 17) or group 5 (route 18): route 17.
  EXPECT_EQ((Ints{Orders[1].N_Routes, Orders[1].R_feasible[1]}), (Ints{1, 17}));
  EXPECT_EQ(Orders[3].N_Routes, 0);
  EXPECT_EQ(Orders[3].MG_M[10], (Ints{1, 1}));
  EXPECT_EQ(Exe_O[5], (Ints{2, 1, 3}));
  EXPECT_EQ(Exe_O[10], (Ints{1, 2}));

  ASSERT_EQ(n_of_Jobs, 6);
  ASSERT_EQ(Jobs.size(), 7u);
  Ints ids, orders, numbers;
  for (int j = 1; j <= 6; ++j) {
    ids.push_back(Jobs[j].ID);
    orders.push_back(Jobs[j].Order_ID);
    numbers.push_back(Jobs[j].Number);
  }
  EXPECT_EQ(ids, (Ints{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(orders, (Ints{1, 1, 2, 2, 2, 3}));
  EXPECT_EQ(numbers, (Ints{1, 2, 1, 2, 3, 1}));
  EXPECT_EQ((Ints{Orders[1].First_Job, Orders[2].First_Job, Orders[3].First_Job}), (Ints{1, 3, 6}));
  ASSERT_EQ(J_A.size(), 7u);
  ASSERT_EQ(M_wload.size(), 6u);
  for (const auto& row : M_wload) EXPECT_EQ(row[0], 0);
  for (const auto& row : J_A) EXPECT_EQ(row[0], 0);
}

TEST_F(InputReader, ReadingEndsAtSLineAndAtOverlongLineAndSkipsForeignLines) {
  // Read past the "s" line, order 2 would get five jobs.
  ASSERT_EQ(load(std::string(kShop) + "s\n200|2|1|1|5|1|0|0|0\n"), 1);
  EXPECT_EQ((Ints{n_of_Orders, n_of_Jobs}), (Ints{3, 6}));

  // Empty lines and unknown tags change nothing; an over-long line (125
  // characters) before order 1's last permitted machine stops the reading
  // there, and the order keeps the four steps it got (order 2 is written
  // before it, so that the problem read is whole).
  std::string text = kShop;
  const std::string order_2 = text.substr(text.find("200|2"));
  text.erase(text.find("200|2"));
  text.insert(text.find("200|1"), order_2);
  text.insert(text.find("200|0"), "\n999|1|2|3\n\n|||\n100\n");
  const std::string last = "220|1|2|2|3\n";
  text.insert(text.rfind(last), "7" + std::string(124, '0') + "\n");
  ASSERT_EQ(load(text), 1);
  EXPECT_EQ((Ints{n_of_Jobs, Machines[1].Speed, Orders[1].N_Step}), (Ints{6, 10, 2}));
  EXPECT_EQ(Orders[2].N_Step, 4);
  EXPECT_EQ(Orders[2].Steps.size(), 5u);
  EXPECT_EQ(Orders[2].MG_M[3], (Ints{1, 4}));
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
  EXPECT_EQ((Ints{Machines[1].Cal[1].ET, Machines[2].Cal[1].ST}), (Ints{10, 5}));
  EXPECT_EQ((Ints{Orders[1].Steps[1].M_ID, Orders[2].Steps[1].M_ID}), (Ints{2, 1}));
  EXPECT_EQ((Ints{Orders[1].N_Routes, Orders[2].N_Routes}), (Ints{1, 1}));
}

// A file that never went through the checker: every count the engine walks
// matches its list, and nothing lands outside a table.
TEST_F(InputReader, UncheckedFileKeepsCountsAndTablesInStep) {
  const char* text =
      "1|2|1|2\n"
      "100|0|1|0|0\n100|1|1|0|0\n"
      "140|0|1|1|4\n"                    // setup entry before its matrix
      "110|0|2000000000\n120|0|1|2\n"    // count far beyond the file
      "120|1|1|2\n"                      // item without a declaration
      "110|1|1\n120|1|1|2\n120|1|3|4\n"  // one item too many
      "130|0|1\n130|1|1\n140|1|5|-9|3\n140|1|1|1|8\n"
      "100|7|1|0|0\n100|-1|1|0|0\n"      // ids outside the header's range
      "200|0|5|0|1|1|0|0|0\n210|0|3\n220|0|0|0|0\n220|0|0|0|1\n";
  ASSERT_EQ(load(text), 1);
  EXPECT_EQ((Ints{Machines[1].N_Cal, Machines[1].Cal[1].ET}), (Ints{1, 2}));  // the one item line it has
  EXPECT_EQ((Ints{Machines[2].N_Cal, Machines[2].Cal[1].ST}), (Ints{1, 1}));
  EXPECT_EQ(Machines[1].SetupM(2, 2), 0);
  EXPECT_EQ(Machines[2].SetupM(2, 2), 8);
  EXPECT_EQ(Orders[1].N_Step, 2);
  EXPECT_EQ(Orders[1].Steps.size(), 3u);
  EXPECT_EQ(Orders[1].MG_M[1], (Ints{2, 1, 2}));
  EXPECT_EQ((Ints{n_of_Jobs, Orders[1].First_Job}), (Ints{1, 1}));
}

// What the checker would refuse and the engine could not hold (machines of no
// group, a permitted machine that does not exist, an order without jobs) is
// refused by the reader too, and the problem loaded before stays.
TEST_F(InputReader, UncheckedProblemTheEngineCannotHoldIsRefused) {
  ASSERT_EQ(load(kShop), 1);
  const char* text =
      "1|2|1|2\n"
      "110|0|1\n120|0|1|2\n130|0|1\n110|1|1\n120|1|1|2\n130|1|1\n"
      "100|7|1|0|0\n100|-1|1|0|0\n"  // ids outside the header's range: no machine gets a group
      "200|0|5|0|-4|1|0|0|0\n210|0|2\n220|0|0|0|9\n220|0|0|0|0\n";
  std::string refusal;
  EXPECT_EQ(read_input_text(text, &refusal), -1);
  EXPECT_EQ(refusal, "no machine group for machine 1");
  EXPECT_EQ((Ints{n_of_Machines, n_of_Orders, n_of_Jobs, Machines[1].Speed}), (Ints{5, 3, 6, 10}));
}

// A file where machine 0 is permitted for steps 0-1 and for steps 2-3 (two
// machine groups) reaches the reader without the checker: refused by the
// check of the loaded problem, the previous problem stays loaded.
TEST_F(InputReader, MachinePermittedInTwoGroupsIsRefusedEvenWithoutTheChecker) {
  const std::string two_groups = sample_with_line(17, "220|0|2|3|0");
  ASSERT_EQ(load(kShop), 1);
  first_run = 0;
  EXPECT_EQ(load(two_groups), -1);
  std::string refusal;
  EXPECT_EQ(read_input_text(two_groups, &refusal), -1);
  EXPECT_EQ(refusal, "machine 1 of order 1 is not in machine group 7");
  EXPECT_EQ((Ints{n_of_Machines, n_of_Jobs, Machines[1].Speed, first_run}), (Ints{5, 6, 10, 0}));
  // The file as the checker accepts it loads.
  EXPECT_EQ(load(sample_with_line(17, "220|0|2|3|1")), 1);
}

TEST_F(InputReader, RefusedFileLeavesPreviousProblemLoaded) {
  ASSERT_EQ(load(kShop), 1);
  first_run = 0;
  EXPECT_EQ(read_input_path(dir.file("missing.txt")), -1);
  EXPECT_EQ(input_file_name, dir.file("missing.txt"));
  EXPECT_EQ(read_input_path(dir.path()), -1);  // a folder
  EXPECT_EQ(load("1|2000000|1|1\n"), -1);
  EXPECT_EQ(load("1|2|1|100000\n"), -1);
  EXPECT_EQ(load("1|1|1|8000\n1|10000\n"), -1);  // 10000 matrices of 8001 x 8001
  EXPECT_EQ(load("1|1|1|1\n200|0|9|0|2000000|1|0|0|0\n"), -1);
  EXPECT_EQ((Ints{n_of_Machines, n_of_Jobs, Machines[1].Speed, first_run}), (Ints{5, 6, 10, 0}));
}

TEST_F(InputReader, FreeReleasesEverythingAndZeroesCounts) {
  ASSERT_EQ(load(kShop), 1);
  free_input_data();
  EXPECT_EQ((Ints{n_of_Machines, n_of_Orders, n_of_Jobs, n_of_SetupTypes}), (Ints{0, 0, 0, 0}));
  EXPECT_TRUE(Machines.empty() && Orders.empty() && Jobs.empty() && J_A.empty() && M_wload.empty() &&
              MG_M_ex.empty() && Exe_O.empty());
}

}  // namespace
