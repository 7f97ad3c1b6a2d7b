#include "engine/schedule_edits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "engine/problem_tables.h"
#include "engine/schedule_array.h"
#include "engine/timing.h"
#include "tests/support/small_problem.h"
#include "tests/support/varied_shop.h"

namespace {

// A schedule as plain tables, rows sized to their counts: the form in which
// the expected result of an edit is written by hand.
struct Tables {
  std::vector<std::array<int, 5>> ja;
  std::vector<std::vector<int>> mw;

  static Tables of(const SCH& sch) {
    Tables t;
    t.ja.assign(static_cast<std::size_t>(sch.n_of_Jobs) + 1, {0, 0, 0, 0, 0});
    for (int j = 1; j <= sch.n_of_Jobs; ++j) sch.get_job_assignment(t.ja[static_cast<std::size_t>(j)].data(), j);
    t.mw.assign(static_cast<std::size_t>(sch.n_of_Machines) + 1, {0});
    for (int m = 1; m <= sch.n_of_Machines; ++m) {
      const std::vector<int> seq = machine_sequence(sch, m);
      t.mw[static_cast<std::size_t>(m)] = {static_cast<int>(seq.size())};
      t.mw[static_cast<std::size_t>(m)].insert(t.mw[static_cast<std::size_t>(m)].end(), seq.begin(), seq.end());
    }
    return t;
  }
  void remove(int m, int j) {
    std::vector<int>& row = mw[static_cast<std::size_t>(m)];
    const auto it = std::find(row.begin() + 1, row.end(), j);
    ASSERT_NE(it, row.end()) << "job " << j << " on machine " << m;
    row.erase(it);
    --row[0];
  }
  void append(int m, int j) {
    std::vector<int>& row = mw[static_cast<std::size_t>(m)];
    row.push_back(j);
    ++row[0];
  }
};

// The engine's own timing and evaluation of the expected tables, against the
// edited linked schedule after the editor's recalculation: same sequences,
// same times at every position, same values.
void expect_same_as_engine(SCH& edited, const Tables& expected, const char* what) {
  OBJ_VALUE got;
  recalc_schedule_values(edited, got);
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, expected.ja, expected.mw);
  calc_S_times(S);
  OBJ_VALUE want;
  calc_S_obj_values(S, want);
  for (int m = 1; m <= n_of_Machines; ++m) {
    const std::vector<int> seq = machine_sequence(edited, m);
    ASSERT_EQ(seq, std::vector<int>(S.M_wload[m] + 1, S.M_wload[m] + 1 + S.M_wload[m][0]))
        << what << ": machine " << m;
    int p = 1;
    for (int t = edited.Mach_Head[m]; t != NO_TASK; t = edited.task(t).next_on_machine, ++p) {
      EXPECT_EQ(edited.task(t).StartT, S.Times[m][p].StartT) << what << ": machine " << m << " position " << p;
      EXPECT_EQ(edited.task(t).EndT, S.Times[m][p].EndT) << what << ": machine " << m << " position " << p;
      EXPECT_EQ(edited.task(t).Setup, S.Times[m][p].Setup) << what << ": machine " << m << " position " << p;
    }
  }
  for (int i = 0; i < 9; ++i) EXPECT_EQ(got.criterion(i), want.criterion(i)) << what << ": criterion " << i;
  EXPECT_EQ(got.n_of_Jobs, n_of_Jobs);
}

class ScheduleEdits : public ::testing::Test {
 protected:
  void SetUp() override {
    build_varied_shop(21, 40);
    random_start_S(4).to_J_A_M_wload(J_A, M_wload);
    sch = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    ASSERT_TRUE(schedule_fits_problem(sch));
  }
  void TearDown() override { clear_problem_data(); }
  SCH sch;
};

}  // namespace

TEST_F(ScheduleEdits, SavedSequenceIsTheListOrAnUnchangedMachine) {
  int m = 1;
  for (int i = 1; i <= n_of_Machines; ++i)
    if (sch.Mach_Count[i] > sch.Mach_Count[m]) m = i;
  std::vector<int> seq = machine_sequence(sch, m);
  ASSERT_GE(seq.size(), 3u);
  std::reverse(seq.begin(), seq.end());
  EXPECT_EQ(save_sequence_to_machine(sch, seq, m), 1);
  EXPECT_EQ(machine_sequence(sch, m), seq);
  EXPECT_EQ(sch.Mach_Count[m], static_cast<int>(seq.size()));
  Tables expected = Tables::of(sch);
  expect_same_as_engine(sch, expected, "reversed sequence");

  const SCH before = sch;
  std::vector<int> shorter(seq.begin() + 1, seq.end());
  EXPECT_EQ(save_sequence_to_machine(sch, shorter, m), -1);
  std::vector<int> twice = seq;
  twice[1] = twice[0];
  EXPECT_EQ(save_sequence_to_machine(sch, twice, m), -1);
  std::vector<int> stranger = seq;
  for (int j = 1; j <= n_of_Jobs; ++j)
    if (std::find(seq.begin(), seq.end(), j) == seq.end()) {
      stranger[0] = j;
      break;
    }
  EXPECT_EQ(save_sequence_to_machine(sch, stranger, m), -1);
  EXPECT_EQ(save_sequence_to_machine(sch, seq, 0), -1);
  EXPECT_EQ(save_sequence_to_machine(sch, seq, n_of_Machines + 1), -1);
  EXPECT_EQ(sch.equal(before), 1) << "a refused list leaves the schedule as it was";
  EXPECT_EQ(machine_sequence(sch, m), seq);
}

TEST_F(ScheduleEdits, RouteAndMachineChangesTimeAsTheEngineTimesTheSameAssignment) {
  // A job whose order has another feasible route: the route panel's change.
  int j = 0, other_route = 0;
  for (int i = 1; i <= n_of_Jobs && j == 0; ++i)
    for (int r : feasible_routes(Orders[Jobs[i].Order_ID]))
      if (r != sch.Route[i]) {
        j = i;
        other_route = r;
        break;
      }
  ASSERT_NE(j, 0);
  const ORDER& order = Orders[Jobs[j].Order_ID];
  int assignment[5] = {other_route, 0, 0, 0, 0};
  const int n = R_MG_ex[other_route][0];
  for (int k = 1; k <= n; ++k) {
    const std::vector<int> usable = usable_machines(order, R_MG_ex[other_route][k]);
    ASSERT_FALSE(usable.empty());
    assignment[k] = usable.back();
  }
  Tables expected = Tables::of(sch);
  int old[5];
  const int old_n = sch.get_job_assignment(old, j);
  for (int k = 1; k <= old_n; ++k) expected.remove(old[k], j);
  for (int k = 1; k <= n; ++k) expected.append(assignment[k], j);
  expected.ja[static_cast<std::size_t>(j)] = {assignment[0], assignment[1], assignment[2], assignment[3], assignment[4]};
  sch.change_job_route(n, assignment, j);
  expect_same_as_engine(sch, expected, "route change");

  // A route step whose group offers another usable machine: the step combo's change.
  int jm = 0, km = 0, to = 0;
  for (int i = 1; i <= n_of_Jobs && jm == 0; ++i) {
    int a[5];
    const int steps = sch.get_job_assignment(a, i);
    for (int k = 1; k <= steps && jm == 0; ++k)
      for (int m : usable_machines(Orders[Jobs[i].Order_ID], R_MG_ex[a[0]][k]))
        if (m != a[k]) {
          jm = i, km = k, to = m;
          break;
        }
  }
  ASSERT_NE(jm, 0);
  expected = Tables::of(sch);
  expected.remove(expected.ja[static_cast<std::size_t>(jm)][static_cast<std::size_t>(km)], jm);
  expected.append(to, jm);
  expected.ja[static_cast<std::size_t>(jm)][static_cast<std::size_t>(km)] = to;
  EXPECT_EQ(sch.move_op_to_machine(to, km, jm), 0);
  expect_same_as_engine(sch, expected, "machine change");
}

TEST_F(ScheduleEdits, CopiedAssignmentFollowsTheSourceStepByStep) {
  // Two jobs of one order on different assignments.
  int target = 0, source = 0;
  for (int o = 1; o <= n_of_Orders && target == 0; ++o)
    if (Orders[o].NJob >= 2 && Orders[o].N_Routes > 0) {
      source = Orders[o].First_Job;
      target = source + 1;
    }
  ASSERT_NE(target, 0);
  EXPECT_EQ(copy_job_assignment(sch, target, source), 1);
  int a[5], b[5];
  const int n = sch.get_job_assignment(a, target);
  ASSERT_EQ(n, sch.get_job_assignment(b, source));
  EXPECT_TRUE(std::equal(a, a + n + 1, b));
  for (int k = 1; k <= n; ++k) {
    const int ts = sch.task_of_step(source, k);
    const int tt = sch.task_of_step(target, k);
    EXPECT_EQ(sch.task(ts).next_on_machine, tt) << "step " << k << " directly behind the source's";
  }
  OBJ_VALUE v;
  recalc_schedule_values(sch, v);
  const SCH before = sch;
  EXPECT_EQ(copy_job_assignment(sch, target, target), -1);
  int stranger = 1;
  while (Jobs[stranger].Order_ID == Jobs[source].Order_ID) ++stranger;
  EXPECT_EQ(copy_job_assignment(sch, stranger, source), -1);
  EXPECT_EQ(copy_job_assignment(sch, n_of_Jobs + 1, source), -1);
  EXPECT_EQ(sch.equal(before), 1);
}

// An order without a feasible route (its jobs on route 0) and a machine no
// order may use: every edit the panel can make on them leaves the schedule
// whole and the recalculation goes on.
TEST(ScheduleEditsOnOddSchedules, UnroutedJobsAndIdleMachinesChangeNothing) {
  begin_small_problem(2);
  const int m1 = add_small_machine(1, 1, 1);
  const int m2 = add_small_machine(1, 2, 2);
  const int idle = add_small_machine(1, 1, 1);
  add_small_order(2, 5, 1, 2, 1, 0, 50, {m1, m2});
  const int stuck = add_small_order(2, 5, 1, 2, 2, 0, 50, {m1});
  finish_small_problem();
  random_J_A_M_wload();
  SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  const int j = Orders[stuck].First_Job;
  ASSERT_EQ(sch.Route[j], 0);
  EXPECT_TRUE(feasible_routes(Orders[stuck]).empty());
  EXPECT_TRUE(usable_machines(Orders[stuck], 2).empty());
  EXPECT_TRUE(usable_machines(Orders[stuck], 0).empty());
  EXPECT_TRUE(usable_machines(Orders[stuck], 11).empty());
  EXPECT_TRUE(machine_sequence(sch, idle).empty());

  const SCH before = sch;
  EXPECT_EQ(save_sequence_to_machine(sch, {}, idle), 1);
  EXPECT_EQ(save_sequence_to_machine(sch, {1}, idle), -1);
  sch.move_op_to_machine(m1, 1, j);
  EXPECT_EQ(copy_job_assignment(sch, j + 1, j), 1);
  EXPECT_EQ(copy_job_assignment(sch, j, 1), -1);
  EXPECT_EQ(sch.equal(before), 1);
  EXPECT_EQ(sch.Route[j], 0);
  EXPECT_EQ(sch.job_task_count(j), 0);
  OBJ_VALUE v;
  recalc_schedule_values(sch, v);
  Tables expected = Tables::of(sch);
  expect_same_as_engine(sch, expected, "odd schedule");
  clear_problem_data();
}
