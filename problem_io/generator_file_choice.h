#pragma once
// Where a generated problem is written: what the save dialog proposes, and how
// the chosen name is turned into the name of the file written.
#include <string>

#include "problem_io/save_dialog.h"

enum class GENERATION_METHOD { Basic = 0, OneMachine = 1 };

constexpr const char* generator_default_file = "input_data.txt";
constexpr const char* basic_method_filter = "Scheduling input file (*.sif)|*.sif|Text file (*.txt)|*.txt";
constexpr const char* one_machine_filter = "txt";

// The file name that a chosen name stands for. Basic method: the name is cut
// at its last '.' and ".sif" is appended for filter 1, ".txt" for any other
// filter, so whatever extension the user typed gives way to the chosen
// filter's; a dot in a folder name is never taken for an extension. One-machine
// method: the name exactly as chosen. No length limit.
std::string generator_file_name(GENERATION_METHOD method, const std::string& chosen, int filter_index);

// Sets the dialog up for the method (InitialDir = program_dir, FileName =
// program_dir + "input_data.txt", the method's filter; FilterIndex as the user
// left it), runs it and returns the name to write, or "" when cancelled.
// program_dir is the program's folder with its trailing separator.
std::string choose_generator_file(GENERATION_METHOD method, SaveDialog& dialog, const std::string& program_dir);
