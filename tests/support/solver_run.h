#pragma once
// The set-up every solver-run test shares: the run report goes to a fresh
// temporary folder, a recording host answers the run's questions and keeps
// what it showed, and the objective and operator priorities, the live
// schedule and the stop request are put back after the test.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/objective_value.h"
#include "solvers/run_report.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

class SolverRunTest : public ::testing::Test {
 public:
  // S timed and evaluated on the loaded problem.
  static OBJ_VALUE values_of(_S& S);
  // The live schedule is a complete schedule of the loaded problem and
  // last_obj_value holds the values of its own timing.
  static void expect_live_schedule_consistent();

 protected:
  SolverRunTest();
  ~SolverRunTest() override;

  // The varied shop of eight orders drawn with seed, loaded as after an input
  // load of "varied.sif" (first_run = 1).
  static void load_varied_shop(std::uint32_t seed);
  // The scheduler window's fields for the next run.
  void set_fields(int steps, int loops, int tabu_size, int improvement_less = 20, int min_loop = 10);

  // The whole run report, and its lines.
  std::string report() const;
  std::vector<std::string> report_lines() const;
  // The number after label at the start of a report line; -1 when no line
  // starts with it.
  long long report_number(const std::string& label) const;
  // Index of the first line at or after from that starts with prefix; -1.
  static int find_line(const std::vector<std::string>& lines, const std::string& prefix, int from = 0);

  TempDir dir;
  RecordingHost host;

 private:
  int saved_obj_pri_[9];
  int saved_op_pri_[n_of_operators + 1];
};
