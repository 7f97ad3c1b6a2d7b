#pragma once
// The live schedule of the program and its objective values, kept between runs:
// every solver run and the initializing window rebuild it, the file readers
// replace it, and the results window shows and edits it in place.
#include <memory>

#include "engine/objective_value.h"
#include "engine/schedule_linked.h"

// None until the first schedule exists.
extern std::unique_ptr<SCH> last_SCH;
// Values of last_SCH; stored with OBJ_VALUE::set.
extern OBJ_VALUE last_obj_value;

// Evaluates sch, already timed, in the live arrays and stores its values in
// last_obj_value with the loaded problem's counts.
void store_live_values(const SCH& sch);
