#include "engine/starting_schedules.h"

// Bodies follow with the array schedule.
void random_init_S(_S&, const std::vector<ORDER>&, const std::vector<JOB>&) {}
void order_assign_EDD_seq(_S&, const std::vector<ORDER>&) {}
void order_assign_random_seq(_S&, const std::vector<ORDER>&) {}
void order_exe_type_assign(_S&, const std::vector<ORDER>&, const std::vector<std::vector<int>>&) {}
void order_exe_type_assign_jobs(_S&, const std::vector<ORDER>&, const std::vector<std::vector<int>>&) {}
