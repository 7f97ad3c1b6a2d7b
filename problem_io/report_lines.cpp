#include "problem_io/report_lines.h"

void print_obj_values(std::ostream&, const OBJ_VALUE&) {}
void print_obj_row(std::ostream&, const OBJ_VALUE&) {}
