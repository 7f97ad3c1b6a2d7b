#include "tests/ui/start_up_state.h"

#include <array>
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
template <class T, std::size_t N>
std::array<T, N> copy_of(const T (&a)[N]) {
  std::array<T, N> c{};
  for (std::size_t i = 0; i < N; ++i) c[i] = a[i];
  return c;
}
template <class T, std::size_t N>
void put_back(T (&a)[N], const std::array<T, N>& c) {
  for (std::size_t i = 0; i < N; ++i) a[i] = c[i];
}
}  // namespace

struct StartUpState::Snapshot {
  std::string input_file_name = ::input_file_name;
  int first_run = ::first_run;
  bool stop_flag = ::stop_flag;
  int work_mode = ::work_mode;
  std::array<int, 9> obj_pri = copy_of(ObjPri);
  std::array<int, 10> resch_pri = copy_of(ReschPri);
  std::array<int, n_of_operators + 1> op_pri = copy_of(Nx_op_pri);
  int max_loop = maxLOOP, min_loop = minLOOP, max_tabu = maxTABU;
  int step_no = ::step_no, chart_no = ::chart_no;
  std::array<int, 5> colours = {Col_Setup, Col_Intime, Col_Late, Col_Constraint, Col_Planned};
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
  put_back(ObjPri, s.obj_pri);
  put_back(ReschPri, s.resch_pri);
  put_back(Nx_op_pri, s.op_pri);
  maxLOOP = s.max_loop;
  minLOOP = s.min_loop;
  maxTABU = s.max_tabu;
  ::step_no = s.step_no;
  ::chart_no = s.chart_no;
  OBJ_history.clear();
  Op_Total.clear();
  Op_Improve.clear();
  Col_Setup = s.colours[0];
  Col_Intime = s.colours[1];
  Col_Late = s.colours[2];
  Col_Constraint = s.colours[3];
  Col_Planned = s.colours[4];
  set_run_host(nullptr);
  set_run_report_folder("");
  // A run seeds from the host's clock; a test that draws before any run draws
  // the same numbers whichever test ran before it.
  seed_random(1);
}
