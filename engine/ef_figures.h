#pragma once
// The EF figures of the results window's "EF Formula" tab, computed from the
// live schedule, and their text lines.
#include <string>
#include <vector>

#include "engine/machine_loads.h"
#include "engine/objective_value.h"
#include "engine/problem.h"
#include "engine/schedule_linked.h"

struct EF_VALUE {
  double Na = 0.0;
  double Ua = 0.0;
  double qa = 0.0;
  double Ta = 0.0;
  void reset() { Na = Ua = qa = Ta = 0.0; }
};

// Fill ef from the live schedule (values is its OBJ_VALUE; job completions
// from Jobs). Processing load without setup, or from start to end with setup.
// A quotient whose divisor is 0 (empty schedule) gives 0.
void calc_EF_without_setup(const SCH& sch, const std::vector<JOB>& jobs, const OBJ_VALUE& values, EF_VALUE& ef);
void calc_EF_with_setup(const SCH& sch, const std::vector<JOB>& jobs, const OBJ_VALUE& values, EF_VALUE& ef);
// Both at once from the machine loads of sch already summed
// (sum_machine_loads), for a caller that needs them anyway: neither the tasks
// nor the jobs are walked twice.
void calc_EF_both(const SCH& sch, const MachineLoads& loads, const std::vector<JOB>& jobs, const OBJ_VALUE& values,
                  EF_VALUE& without_setup, EF_VALUE& with_setup);
// Appends the eight EF lines; a quotient by 0 as 0.
void show_EF(const EF_VALUE& ef, std::vector<std::string>& lines);
// A number as the planner reads it everywhere in the windows: rounded to 15
// significant digits with trailing zeros dropped, so binary noise never shows
// (1.0000000000000002 gives "1"); fixed notation from 1E-5 up to below 1E15
// ("0.5", "12", "100000"), else "1.5E20", "2E-7". Not finite gives "0".
std::string float_to_str(double x);
