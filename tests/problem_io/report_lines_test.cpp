#include "problem_io/report_lines.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/schedule_array.h"
#include "problem_io/input_dump.h"
#include "tests/support/small_problem.h"
#include "tests/support/temp_dir.h"

// Every value differs, so a label or a column given another's value shows.
TEST(ReportLines, BlockAndRowPutEachValueUnderItsOwnLabel) {
  OBJ_VALUE v;
  v.n_of_Late_Orders = 1;
  v.n_of_Late_Jobs = 2;
  v.sumTardiness = 5000000000LL;
  v.max_Tardiness = 15;
  v.n_of_Setup = 4;
  v.Completion_Time = 120;
  v.sumAbsLateness = 77;
  v.n_of_Early_Starting_Jobs = 6;
  v.sumEarly_Startness = -12;
  v.n_of_Scheduled_Jobs = 40;
  std::ostringstream block, row;
  print_obj_values(block, v);
  EXPECT_EQ(block.str(),
            " n_of_Late_Jobs: 2\n n_of_Late_Orders: 1\n max_Tardiness:15\n sumTardiness: 5000000000\n"
            " sumAbsLateness: 77\n n_of_Setup: 4\n n_of_Early_Starting_Jobs: 6\n sumEarly_Startness: -12\n"
            " Completion_Time: 120\n n_of_Scheduled_Jobs 40\n");
  print_obj_row(row, v);
  EXPECT_EQ(row.str(), "\t1\t2\t5000000000\t15\t4\t120");
}

TEST(InputDump, WritesFourFilesOfTheLoadedProblem) {
  begin_small_problem(2);
  add_small_machine(3, 1, 2, {{0, 50}, {60, 90}});
  add_small_order(2, 10, 1, 2, 2, 4, 80, {1});
  finish_small_problem();
  Machines[1].SetupM(1, 2) = 7;
  Machines[1].SetupM(2, 1) = 5;
  reset_J_A_M_wload();
  random_J_A_M_wload();
  TempDir dir;
  ASSERT_EQ(write_input_dumps(dir.path()), 4);
  const std::string orders = read_file(input_dump_path(dir.path(), INPUT_DUMP_ORDERS));
  EXPECT_EQ(orders.rfind("Orders_tempfile\n", 0), 0u);
  EXPECT_NE(orders.find("1 \t 4 \t 80 \t 2 \t 10 \t 1 \t 2 \t 2\n"), std::string::npos);
  EXPECT_NE(orders.find("Order_1 [ 1 ] --> 18 \n"), std::string::npos);  // group 5 alone: route 18
  EXPECT_NE(orders.find("Order_1 MG_5 [ 1 ] --> 1 \n"), std::string::npos);
  const std::string machines = read_file(input_dump_path(dir.path(), INPUT_DUMP_MACHINES));
  EXPECT_EQ(machines.rfind("Machines_tempfile\n", 0), 0u);
  EXPECT_NE(machines.find("\t 2 \t 60 \t 90\n"), std::string::npos);
  EXPECT_NE(machines.find("0 \t 7 \t \n5 \t 0 \t \n"), std::string::npos);
  const std::string routes = read_file(input_dump_path(dir.path(), INPUT_DUMP_ROUTES));
  EXPECT_NE(routes.find("Route_ID [ n_of_ES ] --> ES...\n1 [ 4 ] --> 1 2 3 4 \n"), std::string::npos);
  EXPECT_NE(routes.find("10 [ 8 ] --> 1 2 3 4 5 6 7 8 \n"), std::string::npos);
  const std::string sch = read_file(input_dump_path(dir.path(), INPUT_DUMP_SCH));
  EXPECT_EQ(sch.rfind(std::string(35, '-') + "\n J_A \n1 [ 18 ] --> 1 \n", 0), 0u);
  EXPECT_NE(sch.find(" M_wload \n1 [ 2 ] --> 1 2 \n"), std::string::npos);
  EXPECT_NE(sch.find("MG_5:\n1 [ 2 ] --> 1 2 \n"), std::string::npos);
  // A directory that does not exist: every file is skipped.
  EXPECT_EQ(write_input_dumps(dir.file("missing")), 0);
}
