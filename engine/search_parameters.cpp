#include "engine/search_parameters.h"

int maxLOOP = 100;
int minLOOP = 10;
int maxTABU = 150;

std::vector<OBJ_VALUE> OBJ_history;
int step_no = 1;
int chart_no = 1;

std::vector<int> Op_Total;
std::vector<int> Op_Improve;
