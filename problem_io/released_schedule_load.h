#pragma once
// The load of a released-schedule file into the rescheduler's states, once
// the planner has chosen the file: its input part through the checker and the
// reader, its schedule part through the schedule-file reader.
#include <string>

class RESCH_STATES;
struct InputCheck;
class InputCheckWindow;

// 1: the problem of the file is loaded, the released and working states hold
// its schedule and last_SCH is that schedule timed in the live arrays
// ("Input data reading OK!" and "Released Schedule loading ok!" shown through
// run_host()). 0: nothing of the file is kept:
//  - input part refused or unreadable: the checker and the reader have said
//    why; the problem and the states stay as they were;
//  - schedule part unreadable, damaged or of another problem: only "Input
//    data reading OK!" was shown; the problem just read is released again and
//    both states dropped, so no state or problem is left without its
//    schedule; last_SCH is left as it was, never half-built;
//  - a failure partway (memory running out): a message names the file and
//    what went wrong; in the input part the problem and the states stay as
//    they were, after it things end as for an unreadable schedule part.
int read_released_schedule(const std::string& path, RESCH_STATES& states, InputCheck& check,
                           InputCheckWindow& window);
