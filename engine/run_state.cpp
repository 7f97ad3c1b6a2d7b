#include "engine/run_state.h"

std::string input_file_name;
int first_run = 0;
bool stop_flag = false;
int work_mode = 0;
