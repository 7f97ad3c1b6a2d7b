#pragma once
// Search parameters and the records every search run shares with the windows.
// The scheduler window's fields set them at the start of a run; the progress
// window's live fields change maxLOOP and maxTABU during a run (the loop test
// and the tabu-list cap read them at every use). maxSTEP, AutoStop and
// maxImpless are locals of each run, read from the scheduler window.
#include <vector>

#include "engine/objective_value.h"

// Parameters of a headless search (the batch search and the performance
// test), read from the scheduler window for one run: "Num. of steps:",
// "Num. of loops:", "Min. loop:", "Max. steps imp.less:" and "TabuList size:".
// The window's globals below are never written from them, so the progress
// window's live fields cannot reach such a run.
struct BatchParameters {
  int maxSTEP = 0;
  int maxLOOP = 0;
  int minLOOP = 0;
  int maxImpless = 0;
  int maxTABU = 0;
};

// Samples per step; read at every loop test of an interactive search.
extern int maxLOOP;
// First step at which a step of TS_AUTOSTOP may end early.
extern int minLOOP;
// Length limit of the tabu list; read after every addition.
extern int maxTABU;

// Values of every step's best, entries 1..step_no - 1 written (entry 0 unused).
// Allocated by an interactive run for maxSTEP + 1 steps; the progress window's
// live chart reads it at every refresh.
extern std::vector<OBJ_VALUE> OBJ_history;
// Index of the next OBJ_history entry a run writes: 1 at the start of a run.
extern int step_no;
// Index of the next OBJ_history entry the live chart draws: 1 at the start.
extern int chart_no;

// Operator statistics of the running search, n_of_operators + 1 entries:
// entry k counts the steps whose best came from operator k (Op_Total) and those
// among them whose best became the overall best (Op_Improve); entry 0 is the
// sum over all steps and all improvements. A step whose best is still the
// starting schedule (no sample taken yet) counts in entry 0 only. Empty
// between runs.
extern std::vector<int> Op_Total;
extern std::vector<int> Op_Improve;
