#pragma once
// The rescheduling search behind the rescheduler window's "Run" (method "Tabu
// Search with _S class and do_pi to Reschedule"). It starts from the released
// schedule, freezes what starts at or before the freeze time, and improves the
// rest by the tabu search's step loop with the rescheduling moves (the frozen
// part never moves) and the rescheduling timing (frozen machine heads keep the
// reference's times, nothing else starts before the freeze time). Every
// evaluated schedule also gets its deviation counters against the reference
// state, which the comparison weighs with ReschPri.
//
// Rescheduling types (the window's type combo):
//   0 "Fist freeze then modify env.":  the reference is the released schedule
//     timed in the released data; the frozen part keeps the released times.
//   1 "Firts modify env. then freeze": the reference is the released schedule
//     re-timed in the changed shop (the working snapshot).
//
// Parameters come from the rescheduler window's fields through the run host
// (steps, loops, tabu-list size, freeze time, type); the two snapshots from
// the caller (the rescheduler window owns them). The run writes the run report
// with the deviation counters and "Freeze interval OK!" or "Freeze interval
// Modified!", leaves the working state (frozen) in the live arrays, rebuilds
// last_SCH from the best schedule with the rescheduling timing, hands the
// reference snapshot to the results window and clears first_run.
//
// Result 1 when the run ended (also after a confirmed stop); -1 when the run
// report cannot be written (a message says so, the progress window is hidden
// and the rescheduler window shown again) or a snapshot holds no schedule of
// the loaded problem (nothing is run).
#include "engine/deviation_measures.h"
#include "engine/shop_snapshot.h"

int TS_S_do_pi_Reschedule(SHOP& released, SHOP& working);
