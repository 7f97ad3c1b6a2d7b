#pragma once
// The scheduler window's hidden input export: the loaded problem and the
// assignment tables as four readable text files. Writing only; the window that
// shows them lives with the windows.
#include <string>

extern const char* const INPUT_DUMP_ORDERS;    // "1_rbq_sch_new_input_Orders.txt"
extern const char* const INPUT_DUMP_MACHINES;  // "1_rbq_sch_new_input_Machines.txt"
extern const char* const INPUT_DUMP_ROUTES;    // "1_rbq_sch_new_input_Routes.txt"
extern const char* const INPUT_DUMP_SCH;       // "1_rbq_sch_new_output_Sch.txt"

// Writes the four files into directory ("" = the current directory, as the
// window does). A file that cannot be opened is skipped. Returns the number of
// files written.
int write_input_dumps(const std::string& directory = "");
// Path of one dump file in directory.
std::string input_dump_path(const std::string& directory, const char* name);
