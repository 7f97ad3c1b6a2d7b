#include "engine/run_state.h"

int first_run = 0;
bool stop_flag = false;
