#include "problem_io/generator_file_choice.h"

#include "problem_io/schedule_file.h"

std::string generator_file_name(GENERATION_METHOD method, const std::string& chosen, int filter_index) {
  if (method == GENERATION_METHOD::OneMachine) return chosen;
  // The same rule as the schedule writers: only the file's own extension
  // gives way, never a dot of a folder name.
  return schedule_file_path(chosen, filter_index == 1 ? ".sif" : ".txt");
}

std::string choose_generator_file(GENERATION_METHOD method, SaveDialog& dialog, const std::string& program_dir) {
  dialog.InitialDir = program_dir;
  dialog.FileName = program_dir + generator_default_file;
  dialog.Filter = method == GENERATION_METHOD::Basic ? basic_method_filter : one_machine_filter;
  if (!dialog.Execute()) return "";
  return generator_file_name(method, dialog.FileName, dialog.FilterIndex);
}
