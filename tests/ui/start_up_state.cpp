#include "tests/ui/start_up_state.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "engine/live_schedule.h"
#include "engine/objective_value.h"
#include "engine/problem_tables.h"
#include "engine/random_source.h"
#include "engine/run_host.h"
#include "engine/run_state.h"
#include "engine/search_operators.h"
#include "engine/search_parameters.h"
#include "solvers/run_report.h"
#include "ui/chart_colors.h"

namespace {
// The chart colours, in the order the snapshot keeps them.
int* const kColours[5] = {&Col_Setup, &Col_Intime, &Col_Late, &Col_Constraint, &Col_Planned};
}  // namespace

struct StartUpState::Snapshot {
  std::string input_file_name = ::input_file_name;
  int first_run = ::first_run;
  bool stop_flag = ::stop_flag;
  int work_mode = ::work_mode;
  std::vector<int> obj_pri{std::begin(ObjPri), std::end(ObjPri)};
  std::vector<int> resch_pri{std::begin(ReschPri), std::end(ReschPri)};
  std::vector<int> op_pri{std::begin(Nx_op_pri), std::end(Nx_op_pri)};
  int max_loop = maxLOOP, min_loop = minLOOP, max_tabu = maxTABU;
  int step_no = ::step_no, chart_no = ::chart_no;
  std::vector<int> colours = {Col_Setup, Col_Intime, Col_Late, Col_Constraint, Col_Planned};
};

StartUpState::StartUpState() : start_(std::make_unique<Snapshot>()) {}
StartUpState::~StartUpState() = default;

void StartUpState::OnTestStart(const ::testing::TestInfo&) {
  const Snapshot& s = *start_;
  clear_problem_data();
  last_SCH.reset();
  last_obj_value = OBJ_VALUE{};
  ::input_file_name = s.input_file_name;
  ::first_run = s.first_run;
  ::stop_flag = s.stop_flag;
  ::work_mode = s.work_mode;
  std::copy(s.obj_pri.begin(), s.obj_pri.end(), ObjPri);
  std::copy(s.resch_pri.begin(), s.resch_pri.end(), ReschPri);
  std::copy(s.op_pri.begin(), s.op_pri.end(), Nx_op_pri);
  maxLOOP = s.max_loop;
  minLOOP = s.min_loop;
  maxTABU = s.max_tabu;
  ::step_no = s.step_no;
  ::chart_no = s.chart_no;
  OBJ_history.clear();
  Op_Total.clear();
  Op_Improve.clear();
  for (int i = 0; i < 5; ++i) *kColours[i] = s.colours[i];
  set_run_host(nullptr);
  set_run_report_folder("");
  // A run seeds from the host's clock; a test that draws before any run draws
  // the same numbers whichever test ran before it.
  seed_random(1);
}
