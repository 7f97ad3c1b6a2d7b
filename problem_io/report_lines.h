#pragma once
// The wording every solver driver uses for objective values in its run report.
#include <ostream>

#include "engine/objective_value.h"

// Ten labelled lines, one per value, each ending in a line end.
void print_obj_values(std::ostream& out, const OBJ_VALUE& values);
// A tab before each of late orders, late jobs, sum and max of tardiness,
// setups and completion time; no line end (the caller writes the label before
// and the line end after).
void print_obj_row(std::ostream& out, const OBJ_VALUE& values);
