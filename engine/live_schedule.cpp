#include "engine/live_schedule.h"

std::unique_ptr<SCH> last_SCH;
OBJ_VALUE last_obj_value;
