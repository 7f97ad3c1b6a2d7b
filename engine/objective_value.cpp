#include "engine/objective_value.h"

int ObjPri[9] = {7, 8, 10, 10, 7, 5, 0, 0, 0};
int ReschPri[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

std::int64_t OBJ_VALUE::* const OBJ_VALUE::Criteria[9] = {
    &OBJ_VALUE::n_of_Late_Orders, &OBJ_VALUE::n_of_Late_Jobs,  &OBJ_VALUE::sumTardiness,
    &OBJ_VALUE::max_Tardiness,    &OBJ_VALUE::n_of_Setup,      &OBJ_VALUE::Completion_Time,
    &OBJ_VALUE::sumAbsLateness,   &OBJ_VALUE::n_of_Early_Starting_Jobs, &OBJ_VALUE::sumEarly_Startness};

OBJ_VALUE& OBJ_VALUE::operator=(const OBJ_VALUE&) { return *this; }
void OBJ_VALUE::set(const std::int64_t[9], int, int, int) {}
void OBJ_VALUE::set(const OBJ_VALUE&, int, int, int) {}
double OBJ_VALUE::F(const OBJ_VALUE&) const { return 0.0; }
void calc_S_obj_values(const _S&, OBJ_VALUE&, std::vector<ORDER>&, std::vector<JOB>&) {}
void calc_sch_obj_values(const SCH&, OBJ_VALUE&, std::vector<ORDER>&, std::vector<JOB>&) {}
void calc_S_obj_values(const _S& S, OBJ_VALUE& values) { calc_S_obj_values(S, values, Orders, Jobs); }
void calc_sch_obj_values(const SCH& sch, OBJ_VALUE& values) { calc_sch_obj_values(sch, values, Orders, Jobs); }
void calc_EF_without_setup(const SCH&, const std::vector<JOB>&, const OBJ_VALUE&, EF_VALUE& ef) { ef.reset(); }
void calc_EF_with_setup(const SCH&, const std::vector<JOB>&, const OBJ_VALUE&, EF_VALUE& ef) { ef.reset(); }
void show_EF(const EF_VALUE&, std::vector<std::string>&) {}
std::string float_to_str(double) { return "0"; }
