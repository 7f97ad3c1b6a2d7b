#pragma once
// Input-file texts for the checker and reader tests, and what a check of one
// gives.
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

// A file the checker accepts without a finding, in the layout every writer
// produces. Lines: 1 header (2 machines, 1 order, 2 setup types); 2-8
// machine 0 (steps 0-1, two calendar items, two setup items); 9-13 machine 1
// (steps 2-3); 14-17 order 0 (steps 0-3) with one machine of each.
const std::vector<std::string>& sample_input_lines();

// The lines, each ended by "\n".
std::string join_lines(const std::vector<std::string>& lines);

// The sample with line n (1-based) replaced, or preceded by another line.
std::string sample_with_line(int n, const std::string& line);
std::string sample_with_inserted(int n, const std::string& line);

struct CheckOutcome {
  int result = 0;
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
};

// Writes text to dir/in.txt, names it in input_file_name and checks it.
CheckOutcome check_text(const TempDir& dir, const std::string& text);
