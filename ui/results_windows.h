#pragma once
// The two windows that a finished run and every "Show Results" leave for the
// planner: "Schedule Performance " with the live schedule, and "Results" in
// front of it. Every road goes through here, so the windows always come up in
// the same order whoever asks.

// How "Schedule Performance " comes up: renewed with the schedule a run has
// just left (its editor starts a new history), or as it is (a "Show Results"
// keeps the planner's edits and their history).
enum class ScheduleDisplay { Renewed, AsItIs };

void show_results_windows(ScheduleDisplay display);

// Shows "Results" and puts it in front of every other window of the program.
// A raise alone is not enough under a window manager: the manager frames and
// stacks a window that is mapped (or re-mapped after a run closed it) in its
// own time, and may put it below the window that has the focus ("Schedule
// Performance ", just renewed). Activating the window as well asks the
// manager to bring it forward and give it the focus once it is framed (the
// request waits for the window to be mapped), so it lands in front of
// everything mapped or raised before it. Without a window manager the raise
// does it.
void bring_results_to_front();
