#pragma once
// The interactive tabu searches behind the scheduler window's "Run":
// method 0 "Tabu Search with _S class and do_pi" and method 1 "Tabu Search with
// AUTOSTOP". Both read their parameters from the scheduler window's fields
// (through the run host), start from a random schedule on the first run after a
// load and otherwise ask whether to reload the live schedule, write the run
// report "__last_run__.txt", fill the Results window and leave the best
// schedule as the live schedule.
//
// TS_AUTOSTOP differs in four points: its title line; a step may end early
// from step minLOOP on (not from step 2); only a strictly better step's best
// replaces the overall best; and it stops by itself when AutoStop steps in a
// row brought no new overall best.
//
// Result 1 when the run ended (also after a confirmed stop or an automatic
// stop), -1 when the run report cannot be written (a message says so, the
// progress window is hidden and the scheduler window shown again).

int TS_S_do_pi();
int TS_AUTOSTOP();
