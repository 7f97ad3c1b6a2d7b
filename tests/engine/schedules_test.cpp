#include <gtest/gtest.h>

#include <vector>

#include "engine/objective_value.h"
#include "engine/schedule_array.h"
#include "engine/schedule_edits.h"
#include "engine/schedule_linked.h"
#include "engine/timing.h"
#include "tests/support/small_problem.h"
#include "tests/support/varied_shop.h"

namespace {

// {step, machine} of each node of job j, from head to tail.
std::vector<std::array<int, 2>> job_steps(const SCH& sch, int j) {
  std::vector<std::array<int, 2>> steps;
  int last = NO_TASK;
  for (int t = sch.Job_Head[j]; t != NO_TASK; last = t, t = sch.task(t).next_in_job) {
    if (last != NO_TASK) {
      EXPECT_EQ(sch.task(t).prev_in_job, last) << "job " << j;
    }
    steps.push_back({sch.task(t).Step, sch.task(t).Machine});
  }
  EXPECT_EQ(sch.Job_Tail[j], last) << "job " << j;
  return steps;
}

// Every list's links both ways and every count, as the editor relies on them.
void expect_lists_sound(const SCH& sch) {
  for (int m = 1; m <= sch.n_of_Machines; ++m) {
    int n = 0;
    for (int t = sch.Mach_Head[m], prev = NO_TASK; t != NO_TASK; prev = t, t = sch.task(t).next_on_machine, ++n) {
      EXPECT_EQ(sch.task(t).prev_on_machine, prev) << "machine " << m;
      EXPECT_EQ(sch.task(t).Machine, m);
    }
    EXPECT_EQ(n, sch.Mach_Count[m]) << "machine " << m;
  }
}

// One machine per group 1, 2, 3, 4, 7, 9, 10, so an order of steps 1-4 can take
// routes of four (1), three (2), two (4) and one (8) route steps.
void load_route_lengths_shop() {
  begin_small_problem(2);
  for (auto g : {1, 2, 3, 4, 7, 9, 10}) add_small_machine(1, exe_type_first_step(g), exe_type_last_step(g));
  add_small_order(3, 10, 1, 4, 1, 0, 100, {1, 2, 3, 4, 5, 6, 7});
  finish_small_problem();
}

// Machines: 1 g1, 2 g2, 3 g3, 4 g4, 5 g7, 6 g9, 7 g10.
const std::array<int, 5> kRoute1 = {1, 1, 2, 3, 4};
const std::array<int, 5> kRoute2 = {2, 1, 2, 5, 0};
const std::array<int, 5> kRoute4 = {4, 1, 6, 0, 0};

void put(const std::vector<std::array<int, 5>>& jobs) {
  reset_J_A_M_wload();
  for (std::size_t j = 1; j <= jobs.size(); ++j) {
    J_A[j] = jobs[j - 1];
    for (int k = 1; k <= R_MG_ex[J_A[j][0]][0]; ++k) {
      std::vector<int>& row = M_wload[J_A[j][k]];
      row[++row[0]] = static_cast<int>(j);
    }
  }
}

}  // namespace

TEST(ArraySchedule, IndexesPointBothWaysAndCopiesKeepEmptyMachines) {
  load_route_lengths_shop();
  put({kRoute1, kRoute2, kRoute4});
  const _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  expect_S_consistent(S, "from tables");
  EXPECT_EQ(S.M_wload[7][0], 0);  // group 10 unused
  EXPECT_EQ(sequence_of(S, 1), (std::vector<int>{1, 2, 3}));
  _S copy(S);
  expect_S_consistent(copy, "copy");
  _S target(n_of_Orders, n_of_Jobs, n_of_Machines);
  put({{8, 7, 0, 0, 0}, {8, 7, 0, 0, 0}, {8, 7, 0, 0, 0}});  // everything on machine 7
  target = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  target.assign(S);
  expect_S_consistent(target, "assigned");
  for (int m = 1; m <= n_of_Machines; ++m) EXPECT_EQ(sequence_of(target, m), sequence_of(S, m)) << m;
  EXPECT_EQ(target.M_wload[7][0], 0);
  // A schedule of another size is reshaped by the assignment, one without
  // tables shaped; one moved from is empty.
  _S fewer_jobs(n_of_Orders, n_of_Jobs - 1, n_of_Machines);
  fewer_jobs.assign(S);
  EXPECT_EQ(fewer_jobs.n_of_Jobs, n_of_Jobs);
  expect_S_consistent(fewer_jobs, "assigned into a schedule of fewer jobs");
  _S blank;
  blank.assign(S);
  expect_S_consistent(blank, "assigned into a blank schedule");
  const _S moved(std::move(blank));
  expect_S_consistent(moved, "moved");
  EXPECT_EQ(blank.n_of_Jobs, 0);
  EXPECT_EQ(blank.n_of_Machines, 0);
}

TEST(LinkedSchedule, AssignmentReusesOrCopiesAndMatchesRoutesOfOtherLengths) {
  load_route_lengths_shop();
  put({kRoute1, kRoute2, kRoute4});
  SCH a(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  put({kRoute2, kRoute4, kRoute1});
  SCH b(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(b);

  SCH empty;
  EXPECT_EQ(empty = b, 2);
  EXPECT_EQ(empty.equal(b), 1);
  EXPECT_EQ((a = b), 1);
  EXPECT_EQ(a.equal(b), 1);

  expect_lists_sound(a);
  // Four steps down to three, three down to two, two up to four, in step order.
  EXPECT_EQ(job_steps(a, 1), (std::vector<std::array<int, 2>>{{1, 1}, {2, 2}, {3, 5}}));
  EXPECT_EQ(job_steps(a, 2), (std::vector<std::array<int, 2>>{{1, 1}, {2, 6}}));
  EXPECT_EQ(job_steps(a, 3), (std::vector<std::array<int, 2>>{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(a.Route[j], b.Route[j]);
    EXPECT_EQ(a.task(a.Job_Tail[j]).EndT, b.task(b.Job_Tail[j]).EndT) << "times copied, job " << j;
  }
  // The two are independent afterwards.
  a.move_op_to_machine(7, 1, 1);
  EXPECT_EQ(b.Mach_Count[7], 0);

  // Same lists, other times: an assigned copy evaluates with the times it
  // received, not with what its own last timing saw.
  SCH early(b);
  calc_sch_times(early);
  OBJ_VALUE of_early;
  calc_sch_obj_values(early, of_early);
  Orders[1].CST = 500;
  calc_sch_times(b);
  Orders[1].CST = 0;
  OBJ_VALUE of_late;
  calc_sch_obj_values(b, of_late);
  ASSERT_NE(of_late.Completion_Time, of_early.Completion_Time);
  EXPECT_EQ(early = b, 1);
  calc_sch_obj_values(early, of_early);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(of_early.criterion(i), of_late.criterion(i)) << "criterion " << i;
}

// The editor's own moves are checked against a plain model in
// schedule_edits_test; here the list primitives' refusals and return codes,
// and the round trip through the array form.
TEST(LinkedSchedule, EditsKeepBothListsConsistent) {
  load_route_lengths_shop();
  put({kRoute1, kRoute1, kRoute4});
  SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  const SCH before(sch);
  EXPECT_EQ(sch.Mach_Head[7], NO_TASK);
  EXPECT_EQ(sch.Mach_Count[7], 0);

  EXPECT_EQ(sch.move_op_to_machine(2, 2, 1), 2);  // already there: nothing
  EXPECT_EQ(sch.move_op_to_machine(1, 5, 1), 4);  // job 1 has four steps
  // Machines or nodes that do not exist change nothing.
  sch.append_on_machine(n_of_Machines + 1, sch.Job_Head[1]);
  sch.push_machine_task(0, sch.Job_Head[1]);
  sch.unlink_from_machine(-1);
  EXPECT_EQ(sch.move_op_to_machine(n_of_Machines + 1, 1, 1), 1);
  EXPECT_EQ(sch.move_op_to_machine(1, 1, 0), 0);
  EXPECT_EQ(sch.move_op_to_machine(1, 1, n_of_Jobs + 1), 0);
  sch.follow_job(2, 2);
  sch.follow_job(2, n_of_Jobs + 1);
  EXPECT_EQ(sch.equal(before), 1);
  expect_lists_sound(sch);
  // Reordering one machine is a change although the counts stay.
  const int first_on_2 = sch.Mach_Head[2];
  sch.unlink_from_machine(first_on_2);
  sch.append_on_machine(2, first_on_2);
  EXPECT_EQ(machine_sequence(sch, 2), (std::vector<int>{2, 1}));
  EXPECT_EQ(sch.equal(before), 0);
  expect_lists_sound(sch);
  // One step fewer on a machine is a change too.
  EXPECT_EQ(sch.move_op_to_machine(3, 2, 3), 0);
  EXPECT_EQ(sch.Mach_Count[6], 0);
  EXPECT_EQ(sch.Mach_Head[6], NO_TASK);
  expect_lists_sound(sch);
  EXPECT_EQ(sch.move_op_to_machine(6, 2, 3), 0);  // back to its group's machine
  // A new route replaces the nodes of the job, the last job too.
  const int one_step[5] = {8, 7, 0, 0, 0};
  sch.change_job_route(1, one_step, 3);
  EXPECT_EQ(job_steps(sch, 3), (std::vector<std::array<int, 2>>{{1, 7}}));
  sch.change_job_route(4, kRoute1.data(), 3);
  EXPECT_EQ(job_steps(sch, 3), (std::vector<std::array<int, 2>>{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));

  // The edited schedule converts to the array form and back unchanged.
  const _S S(sch);
  expect_S_consistent(S, "from edited SCH");
  S.to_J_A_M_wload(J_A, M_wload);
  const SCH rebuilt(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  EXPECT_EQ(rebuilt.equal(sch), 1);
  for (int j = 1; j <= 3; ++j) EXPECT_EQ(job_steps(rebuilt, j), job_steps(sch, j));
}

// Every way a built schedule loses its tables (rebuilt as a copy of one
// without tables) leaves no machine head or count behind: a head that
// survived would lead a reader of the machine lists into the released nodes.
TEST(LinkedSchedule, ARebuildWithoutTablesKeepsNoMachineHeads) {
  load_route_lengths_shop();
  put({kRoute1, kRoute2, kRoute4});
  const SCH built(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  ASSERT_NE(built.Mach_Head[1], NO_TASK);
  struct Way {
    const char* what;
    void (*drop)(SCH& s);
  };
  const Way ways[] = {{"copy of none", [](SCH& s) { s.copy_from(SCH()); }},
                      {"assigned none", [](SCH& s) {
                         const SCH none;
                         EXPECT_EQ(s = none, 2);
                       }}};
  for (const Way& w : ways) {
    SCOPED_TRACE(w.what);
    SCH s(built);
    w.drop(s);
    EXPECT_FALSE(s.has_tables());
    EXPECT_TRUE(s.Mach_Head.empty());
    EXPECT_TRUE(s.Mach_Count.empty());
    EXPECT_TRUE(s.Job_Head.empty());
    EXPECT_EQ(s.equal(SCH()), 1);
    // Rebuilt from the built one again, it is that one.
    s.copy_from(built);
    EXPECT_EQ(s.equal(built), 1);
    expect_lists_sound(s);
  }
}
