#pragma once
// Released-schedule files for the rescheduling tests: a generated problem
// with a random schedule, written as the editor's "Release Schedule" writes
// it. The problem is released again afterwards, so that loading the file is
// the test's own step.
#include <cstdint>
#include <string>

#include "problem_io/input_reader.h"

class TempDir;

// dir/name, the small generated problem of seed with a random schedule.
std::string write_released_file(const TempDir& dir, const std::string& name, std::uint32_t seed);

// The file's text with its schedule header ("1|M|J|O" after the "s" line)
// claiming one job more: a schedule of another problem.
std::string with_foreign_schedule_header(const std::string& text);

// A checking window that the user closes at once.
class ClosedCheckWindow : public InputCheckWindow {
 public:
  void show_modal(InputCheck&) override { ++shows; }
  int shows = 0;
};
