#pragma once
// The batch tabu search: the search without windows (TS_batch_core), and the
// scheduler window's method 2 "Tabu Search in Batch mode" (TS_batch_mode),
// which runs the core once and writes its report as a table.
#include "engine/schedule_array.h"
#include "engine/search_parameters.h"

// Improves S in place: S is the starting schedule, the sample buffer during the
// search and, at the end, the best schedule found, timed and evaluated (Jobs
// and Orders hold its times). The loop count and the tabu-list size are the
// values passed here, so the progress window's live fields have no effect. A
// step may end early when step > 1 or step >= minLOOP; only a strictly better
// step's best counts as an improvement; the search stops after maxImpless steps
// in a row without one, counted from the starting schedule as step 0, or at
// once on a stop request ("Batch Scheduling Process stopped!"). elapsed is the
// search's time in whole seconds; best_step is 0 when nothing improved on the
// start. Always 1.
int TS_batch_core(int maxSTEP, int maxLOOP, int minLOOP, int maxImpless, int maxTABU, _S& S, double& elapsed,
                  int& best_step, int& best_loop);
// The same with the parameters of one run as read from the scheduler window.
int TS_batch_core(const BatchParameters& p, _S& S, double& elapsed, int& best_step, int& best_loop);

// Method 2 of the scheduler window. Reads "Num. of steps:", "Num. of loops:",
// "TabuList size:", "Max. steps imp.less:" (maxImpless) and "Min. loop:" for
// this run only (the globals maxLOOP, minLOOP and maxTABU stay). 1 when the
// run ended (also after a stop), -1 when the report cannot be written ("File
// opening error! Process stopped.", no window changed).
int TS_batch_mode();
