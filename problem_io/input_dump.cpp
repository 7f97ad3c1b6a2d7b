#include "problem_io/input_dump.h"

const char* const INPUT_DUMP_ORDERS = "1_rbq_sch_new_input_Orders.txt";
const char* const INPUT_DUMP_MACHINES = "1_rbq_sch_new_input_Machines.txt";
const char* const INPUT_DUMP_ROUTES = "1_rbq_sch_new_input_Routes.txt";
const char* const INPUT_DUMP_SCH = "1_rbq_sch_new_output_Sch.txt";

std::string input_dump_path(const std::string& directory, const char* name) {
  if (directory.empty()) return name;
  return directory + "/" + name;
}
int write_input_dumps(const std::string&) { return 0; }
