#include "problem_io/generator_file_choice.h"

std::string generator_file_name(GENERATION_METHOD method, const std::string& chosen, int filter_index) {
  if (method == GENERATION_METHOD::OneMachine) return chosen;
  // Only a dot of the file's own name starts an extension: cutting at a dot of
  // a folder name would write the problem into another folder under a
  // shortened name, possibly over an unrelated file.
  const std::size_t folder_end = chosen.find_last_of("/\\");
  const std::size_t name_start = folder_end == std::string::npos ? 0 : folder_end + 1;
  const std::size_t dot = chosen.rfind('.');
  const std::string name = dot == std::string::npos || dot < name_start ? chosen : chosen.substr(0, dot);
  return name + (filter_index == 1 ? ".sif" : ".txt");
}

std::string choose_generator_file(GENERATION_METHOD method, SaveDialog& dialog, const std::string& program_dir) {
  dialog.InitialDir = program_dir;
  dialog.FileName = program_dir + generator_default_file;
  dialog.Filter = method == GENERATION_METHOD::Basic ? basic_method_filter : one_machine_filter;
  if (!dialog.Execute()) return "";
  return generator_file_name(method, dialog.FileName, dialog.FilterIndex);
}
