#include "engine/timing.h"

void calc_S_times(_S&, const std::vector<std::vector<int>>&, const std::vector<ORDER>&, const std::vector<JOB>&,
                  const std::vector<MACHINE>&) {}
void calc_sch_times(SCH&, const std::vector<std::vector<int>>&, const std::vector<ORDER>&, const std::vector<JOB>&,
                    const std::vector<MACHINE>&) {}
void calc_S_times_resch(_S&, const std::vector<std::vector<int>>&, const std::vector<ORDER>&,
                        const std::vector<JOB>&, const std::vector<MACHINE>&, const _S&, int) {}
void calc_sch_times_resch(SCH&, const std::vector<std::vector<int>>&, const std::vector<ORDER>&,
                          const std::vector<JOB>&, const std::vector<MACHINE>&, const _S&, int) {}
void calc_S_times(_S& S) { calc_S_times(S, MG_M_ex, Orders, Jobs, Machines); }
void calc_sch_times(SCH& sch) { calc_sch_times(sch, MG_M_ex, Orders, Jobs, Machines); }
void calc_S_times_resch(_S& S, const _S& reference, int bound) {
  calc_S_times_resch(S, MG_M_ex, Orders, Jobs, Machines, reference, bound);
}
void calc_sch_times_resch(SCH& sch, const _S& reference, int bound) {
  calc_sch_times_resch(sch, MG_M_ex, Orders, Jobs, Machines, reference, bound);
}
int fit_op_to_Calendar(int&, int&, int, int, const std::vector<MACHINE>&) { return 0; }
int fit_task_to_Calendar(int&, int&, int, int, const std::vector<MACHINE>&) { return 0; }
