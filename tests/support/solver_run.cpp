#include "tests/support/solver_run.h"

#include <algorithm>
#include <sstream>

#include "engine/live_schedule.h"
#include "solvers/run_report.h"
#include "engine/run_state.h"
#include "engine/timing.h"
#include "problem_io/input_reader.h"
#include "tests/support/varied_shop.h"

SolverRunTest::SolverRunTest() {
  set_run_report_folder(dir.path());
  std::copy(ObjPri, ObjPri + 9, saved_obj_pri_);
  std::copy(Nx_op_pri, Nx_op_pri + n_of_operators + 1, saved_op_pri_);
  stop_flag = false;
}

SolverRunTest::~SolverRunTest() {
  std::copy(saved_obj_pri_, saved_obj_pri_ + 9, ObjPri);
  std::copy(saved_op_pri_, saved_op_pri_ + n_of_operators + 1, Nx_op_pri);
  set_run_report_folder("");
  last_SCH.reset();
  stop_flag = false;
}

void SolverRunTest::load_varied_shop(std::uint32_t seed) {
  build_varied_shop(seed, 8);
  input_file_name = "varied.sif";
  first_run = 1;
}

void SolverRunTest::set_fields(int steps, int loops, int tabu_size, int improvement_less, int min_loop) {
  host.fields[SchedulerField::Steps] = steps;
  host.fields[SchedulerField::Loops] = loops;
  host.fields[SchedulerField::TabuSize] = tabu_size;
  host.fields[SchedulerField::ImprovementLess] = improvement_less;
  host.fields[SchedulerField::MinLoop] = min_loop;
}

std::string SolverRunTest::report() const { return read_file(dir.file("__last_run__.txt")); }

std::vector<std::string> SolverRunTest::report_lines() const {
  std::vector<std::string> out;
  std::istringstream s(report());
  for (std::string l; std::getline(s, l);) out.push_back(l);
  return out;
}

long long SolverRunTest::report_number(const std::string& label) const {
  const std::vector<std::string> lines = report_lines();
  const int at = find_line(lines, label);
  return at < 0 ? -1 : std::stoll(lines[at].substr(label.size()));
}

int SolverRunTest::find_line(const std::vector<std::string>& lines, const std::string& prefix, int from) {
  for (int i = from; i < static_cast<int>(lines.size()); ++i)
    if (lines[i].compare(0, prefix.size(), prefix) == 0) return i;
  return -1;
}

OBJ_VALUE SolverRunTest::values_of(_S& S) {
  OBJ_VALUE v;
  calc_S_times(S);
  calc_S_obj_values(S, v);
  return v;
}

void SolverRunTest::expect_live_schedule_consistent() {
  ASSERT_TRUE(last_SCH);
  _S live(*last_SCH);
  expect_S_consistent(live, "live schedule");
  const OBJ_VALUE v = values_of(live);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(last_obj_value.criterion(i), v.criterion(i)) << i;
}
