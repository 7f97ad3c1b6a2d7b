#pragma once
// The performance test behind the scheduler window's "Test" button
// (TForm3::Button9Click): on the loaded problem it runs "Num. of iterations:"
// independent iterations of a random schedule, a heuristic schedule
// (order_exe_type_assign_jobs) and the batch tabu search from that heuristic
// schedule, and writes to the run report each iteration's three rows, the
// averages, every search result, the best of them and a pairwise quality
// matrix; the "Measuring" chart gets the late jobs of every iteration.
//
// The live schedule, its values and the first-run flag stay as they were.
// When the report cannot be written the test shows "File opening error! Process
// stopped." and runs nothing. A stop request is confirmed with "Do You really
// want to stop the test?"; the summary then covers the iterations started.
// In every case the scheduler window's "Perf. test " box ends unchecked.
void performance_test();

// The sign column of a relative difference: "\t-" below 0, "\t+" above, "\t0".
const char* sign_column(double F);
