#pragma once
// Flags shared by the windows and every solver run.
#include <string>

// Path of the file last chosen for reading; the checker opens the file through
// it and run reports write it. Held whole: a long path is never cut.
extern std::string input_file_name;

// 1 after a problem or released schedule is loaded, 0 after any solver run;
// 1 makes the next run start from a random schedule without asking.
extern int first_run;

// The planner's stop request: set by the progress window, cleared by "Run" and
// by the solvers, polled by the search loops once per step.
extern bool stop_flag;

// What the results window is showing the live schedule for: 1 while the
// scheduler window is shown (scheduling), 2 while the rescheduler window is
// (rescheduling); 0 before either was shown.
extern int work_mode;
