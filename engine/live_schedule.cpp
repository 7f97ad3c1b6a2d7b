#include "engine/live_schedule.h"

#include "engine/problem.h"

std::unique_ptr<SCH> last_SCH;
OBJ_VALUE last_obj_value;

void store_live_values(const SCH& sch) {
  OBJ_VALUE values;
  calc_sch_obj_values(sch, values);
  last_obj_value.set(values, n_of_Orders, n_of_Jobs, n_of_Machines);
}
