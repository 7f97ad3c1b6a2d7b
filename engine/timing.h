#pragma once
// Timing with setups and calendars: turns a schedule's routes, machines and
// machine sequences into a setup flag, start, setup time, processing time, end
// and calendar result for every machine position. The same rule runs on the
// array schedule (_S) and on the linked schedule (SCH) and gives identical
// times for the same schedule.
//
// A pass takes the machine groups in the order of MG_seq (10, 8, 5, 1, 9, 6, 2,
// 7, 3, 4), so that a job's previous route step is always timed before its next
// one; within a group the machines in MG_M_ex order; within a machine the
// positions in sequence order. It reads only the problem records and the
// schedule's own sequences, writes only the schedule's timing fields (and its
// per-job notes, TimedJobs, which the evaluation reads) and allocates nothing.
// Machines outside every group are not timed.
#include <vector>

#include "engine/problem.h"
#include "engine/schedule_array.h"
#include "engine/schedule_linked.h"

void calc_S_times(_S& S, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
                  const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines);
void calc_sch_times(SCH& sch, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
                    const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines);

// Rescheduling variants: positions 1..N_Frozen of each machine copy their six
// timing fields from the same machine and position of the reference (a timed
// _S whose frozen heads equal this schedule's); every other position starts no
// earlier than bound (the freeze time).
void calc_S_times_resch(_S& S, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
                        const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines, const _S& reference,
                        int bound);
void calc_sch_times_resch(SCH& sch, const std::vector<std::vector<int>>& mg_m_ex, const std::vector<ORDER>& orders,
                          const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines, const _S& reference,
                          int bound);

// The same passes on the loaded problem's globals.
void calc_S_times(_S& S);
void calc_sch_times(SCH& sch);
void calc_S_times_resch(_S& S, const _S& reference, int bound);
void calc_sch_times_resch(SCH& sch, const _S& reference, int bound);

// Moves one operation [StartT, EndT) into machine m's calendar, non-preemptive:
// setup and processing must lie inside one availability interval, starting no
// earlier than lower_bound. Returns 1 fitted, 0 fitted nowhere (then the last
// interval tried gives the times; a machine without intervals keeps
// max(StartT, lower_bound)). The length EndT - StartT never changes.
int fit_op_to_Calendar(int& StartT, int& EndT, int lower_bound, int m, const std::vector<MACHINE>& machines);
int fit_task_to_Calendar(int& StartT, int& EndT, int lower_bound, int m, const std::vector<MACHINE>& machines);
