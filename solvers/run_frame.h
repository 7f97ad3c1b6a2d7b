#pragma once
// The steps every solver run shares, from the opening of the progress window
// to the rebuild of the live schedule. The drivers (tabu searches, batch
// search, enumeration, rescheduling search) call them in their own order; none
// of them holds state of its own.
#include <memory>
#include <string>
#include <vector>

#include "engine/objective_value.h"
#include "engine/run_host.h"
#include "solvers/run_report.h"
#include "engine/schedule_array.h"
#include "engine/search_parameters.h"
#include "engine/tabu_search_loop.h"

// Start of an interactive run: step_no and chart_no back to 1, the Results
// window's report memo hidden, the progress window shown, the calling window
// (scheduler or rescheduler) hidden, the title "TAVO Solver" and "The best
// step:" with an empty value.
void begin_run_windows(RunWindow caller);

// The report folder cannot be written. The run stops before anything is
// built: a message naming the file, the progress window hidden and the calling
// window shown again (a run must not leave the planner facing a progress
// window with nothing running). Returns -1.
int refuse_run_without_report(RunWindow caller);

// Report header of the interactive runs: the title line, "Input file :" with
// the input file's name and "Machine: M Orders: O Jobs:J".
void write_run_header(RunReport& report, const std::string& title);

// Table runs (batch search, performance test) -------------------------------
// Start: the Results window cleared, the scheduler window hidden, the progress
// window shown without its objective and control-parameter groups, the title
// "TAVO Solver" and every other progress label empty, the "Average
// Obj_values" memo hidden.
void begin_table_run_windows();
// End: the scheduler window shown, the progress window hidden with its two
// groups visible again for the next run, the report loaded into the "Average
// Obj_values" memo and that memo shown.
void end_table_run_windows();
// The five parameters of a headless search from the scheduler window.
BatchParameters read_batch_parameters();
// "Prob_Sizes: \tMachine:" M "\tOrders:" O "\tJobs:" J "\tSetup_Types:" S.
void write_problem_sizes(RunReport& report);
// "Search_Pars:  \tmaxSTEP:" ... "\tmaxTABU:" (two blanks before the first
// tab), then "Nx_op_pri:" with "\tN" k ": " and the priority of every operator.
void write_search_parameters(RunReport& report, const BatchParameters& p);
// "ObjPri:" with "\t" and each of the first six objective priorities.
void write_objective_priorities(RunReport& report);

// Progress labels at the start of a search of maxSTEP steps: "Start time:"
// with the clock, "STEP:" with an empty step, "/" and maxSTEP; the six value
// labels and the clock label emptied.
void show_search_start(int maxSTEP);

// The starting schedule of a run on the loaded problem, with its report lines:
// a random one on the first run after a load ("First running: Initialize with
// random values"); otherwise the planner is asked whether to reload the live
// schedule (an empty line and "Initialize with last schedule!") or not
// ("Initialize with random values!"). Without a live schedule of this problem
// a Yes falls back to a random start.
std::unique_ptr<_S> starting_schedule(RunReport& report);
// The same choice without report lines (the enumeration's report has none).
std::unique_ptr<_S> starting_schedule();

// Times and evaluates an _S of the loaded problem.
void time_and_evaluate(_S& S, OBJ_VALUE& values);

// Operator statistics window at the start of a run: per operator its
// improvements, total and priority; both sums "0".
void show_operator_statistics_start();

// Closes the objective-priority, Results and search-operator windows when
// they are visible, in this order.
void close_side_windows();

// The steps of an interactive search (after search.start()): sizes
// OBJ_history for maxSTEP steps, shows the operator statistics, clears the
// stop request, starts the progress clock, runs the steps and closes the side
// windows. Returns the calendar time at which the steps started.
std::time_t run_interactive_steps(TabuSearchLoop& search, int maxSTEP);

// The closing report lines every interactive search shares: an empty line,
// the elapsed-time line, an empty line, "Number of evaluated schedule: ",
// "best step: " S "best loop: " L (no separator), an empty line and
// print_obj_values of the overall best's values.
void write_search_result(RunReport& report, double elapsed, const TabuSearchLoop& search,
                         const OBJ_VALUE& best_values);

// The windows at the end of an interactive search: the progress clock
// stopped, the progress window hidden and the calling window shown, the
// Results charts filled from the search, OBJ_history, Op_Total and Op_Improve
// freed, the report loaded into the Results window's report memo and shown.
void end_search_windows(RunWindow caller, const TabuSearchLoop& search);

// Results charts of a search: the n_of_Late_Jobs of every new overall best,
// labelled 1, 2, ...; the five step series from OBJ_history[1..step_no - 1].
void fill_search_charts(const std::vector<int>& improvements);

// The five series of the "Obj. values" chart: which objective value of a
// step's best each shows (the OBJ_VALUE criterion) and in which colour. The
// end of a run and the progress window's live chart draw them alike.
struct StepSeries {
  ResultSeries series;
  int criterion;
  ChartColour colour;
};
extern const StepSeries step_series[5];

// The chosen _S becomes the live schedule: written into J_A and M_wload, a new
// last_SCH built from them, timed, evaluated, its values in last_obj_value.
// A rescheduling run passes its reference (the released schedule, timed and
// frozen) and freeze time, so that the live schedule is timed as its search
// timed S: frozen machine heads keep the reference's times and nothing else
// starts before the freeze time. Without a reference, the plain timing.
void rebuild_live_schedule(const _S& S, const _S* resch_reference = nullptr, int freeze_time = 0);

// Seconds between two moments of the calendar clock.
double elapsed_seconds(std::time_t from, std::time_t to);
