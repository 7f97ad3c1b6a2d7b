#include "tests/support/input_text.h"

#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"

const std::vector<std::string>& sample_input_lines() {
  static const std::vector<std::string> lines = {
      "001|2|1|2",
      "100|0|10|0|1", "110|0|2", "120|0|0|100", "120|0|150|300", "130|0|2", "140|0|0|1|5", "140|0|1|0|7",
      "100|1|5|2|3", "110|1|1", "120|1|0|1000", "130|1|1", "140|1|0|0|0",
      "200|0|500|10|3|7|0|3|1", "210|0|2", "220|0|0|1|0", "220|0|2|3|1"};
  return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

std::string sample_with_line(int n, const std::string& line) {
  std::vector<std::string> l = sample_input_lines();
  l[static_cast<std::size_t>(n) - 1] = line;
  return join_lines(l);
}

std::string sample_with_inserted(int n, const std::string& line) {
  std::vector<std::string> l = sample_input_lines();
  l.insert(l.begin() + n - 1, line);
  return join_lines(l);
}

CheckOutcome check_text(const TempDir& dir, const std::string& text) {
  input_file_name = dir.write("in.txt", text);
  InputCheck check;
  CheckOutcome o;
  o.result = check_input_data(check);
  o.errors = check.error_list;
  o.warnings = check.warning_list;
  return o;
}
