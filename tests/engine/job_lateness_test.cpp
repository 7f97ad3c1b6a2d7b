#include "engine/job_lateness.h"

#include <gtest/gtest.h>

#include "engine/machine_loads.h"
#include "engine/objective_value.h"
#include "engine/timing.h"
#include "tests/support/small_problem.h"

// The one rule, case by case: strictly after the due date, or no completion.
TEST(JobLateness, FiguresOfOneJobAgainstItsOrdersWindow) {
  struct Case {
    JobSpan span;
    int cst, cet;
    std::int64_t lateness, tardiness;
    bool late;
    std::int64_t early_start;
    bool early;
  };
  const Case cases[] = {
      {{10, 50}, 0, 50, 0, 0, false, 0, false},     // ends on its due date: in time
      {{10, 51}, 0, 50, 1, 1, true, 0, false},      // one unit after it
      {{10, 46}, 0, 50, -4, 0, false, 0, false},    // 4 early: not late
      {{-1, -1}, 0, 50, -51, 0, true, -1, true},    // never timed: late, and early-starting
      {{-1, -1}, -5, -3, 2, 2, true, 0, true},      // a due date before -1 changes nothing
      {{3, 20}, 8, 50, -30, 0, false, -5, true},    // starts before its order's window
  };
  for (const Case& c : cases) {
    const JobFigures f = job_figures(c.span, c.cst, c.cet);
    SCOPED_TRACE(testing::Message() << c.span.StartT << ".." << c.span.EndT << " in " << c.cst << ".." << c.cet);
    EXPECT_EQ(f.lateness(), c.lateness);
    EXPECT_EQ(f.tardiness(), c.tardiness);
    EXPECT_EQ(f.late(), c.late);
    EXPECT_EQ(is_late(c.span.EndT, c.cet), c.late);
    EXPECT_EQ(f.early_start(), c.early_start);
    EXPECT_EQ(f.early(), c.early);
  }
}

namespace {
// One machine for step 1 with the calendar given; order 1 of two jobs (due
// 100), order 2 of one job (due 5); jobs in id order, 10 units each.
void load_two_orders(std::initializer_list<CAL_INTERVAL> calendar = {{0, 100000000}}) {
  begin_small_problem(1);
  add_small_machine(1, 1, 1, calendar);
  add_small_order(2, 10, 1, 1, 1, 0, 100, {1});
  add_small_order(1, 10, 1, 1, 1, 0, 5, {1});
  finish_small_problem();
  reset_J_A_M_wload();
  random_J_A_M_wload();
}
}  // namespace

// An order is late by its jobs, not by its record: a job without completion
// leaves the order's completion at its other job's, and still makes it late,
// as the evaluation counts it.
TEST(JobLateness, OrdersAreLateByTheirScheduledJobs) {
  load_two_orders();
  SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(sch);
  OBJ_VALUE v;
  calc_sch_obj_values(sch, v);
  EXPECT_FALSE(order_outcome(sch, 1, Orders, Jobs).late());
  EXPECT_TRUE(order_outcome(sch, 2, Orders, Jobs).late());
  EXPECT_EQ(order_outcome(sch, 2, Orders, Jobs).tardiness, 25);

  sch.Timed.invalidate();
  sch.task(sch.Job_Head[1]).EndT = -1;
  calc_sch_obj_values(sch, v);
  EXPECT_EQ(v.n_of_Late_Orders, 2);
  const OrderOutcome first = order_outcome(sch, 1, Orders, Jobs);
  EXPECT_EQ(first.span.EndT, 20);
  EXPECT_TRUE(first.late());
  EXPECT_EQ(first.late_jobs, 1);
  EXPECT_TRUE(job_outcome(sch, 1, Orders, Jobs).late());
  EXPECT_FALSE(job_outcome(sch, 2, Orders, Jobs).late());
  // Outside the records or the schedule: not scheduled, never late.
  EXPECT_FALSE(job_outcome(sch, 4, Orders, Jobs).scheduled);
  EXPECT_FALSE(job_outcome(SCH(), 1, Orders, Jobs).late());
  EXPECT_FALSE(order_outcome(sch, 3, Orders, Jobs).late());
}

// Overloaded: tasks, a calendar, and the last interval ending before the last task.
TEST(MachineRules, OverloadedAndUtilization) {
  struct Case {
    std::initializer_list<CAL_INTERVAL> calendar;
    bool overloaded;
  };
  // The three jobs take 30 units; a job that fits no interval is kept at the
  // start of the last one and runs past its end.
  const Case cases[] = {{{{0, 29}}, true}, {{{0, 5}, {10, 29}}, true}, {{{0, 30}}, false}, {{{0, 1000}}, false}};
  for (const Case& c : cases) {
    load_two_orders(c.calendar);
    SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_sch_times(sch);
    EXPECT_EQ(machine_overloaded(sch, 1, Machines[1]), c.overloaded)
        << "last task ends at " << sch.task(sch.Job_Tail[3]).EndT;
  }
  load_two_orders({{0, 5}, {10, 1000}});
  SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(sch);
  EXPECT_FALSE(machine_overloaded(SCH(), 1, Machines[1]));  // no sequences
  MachineLoads loads;
  sum_machine_loads(sch, loads);
  const MachineUtilization u = machine_utilization(loads, 1, 40.0, &Machines[1]);
  EXPECT_DOUBLE_EQ(u.processing_of_horizon, 30.0 / 40.0);
  EXPECT_DOUBLE_EQ(u.processing_of_available, 30.0 / 35.0);  // 5 + 30 units of calendar before 40
  const MachineUtilization none = machine_utilization(loads, 1, 0.0, &Machines[1]);
  EXPECT_EQ(none.busy_of_horizon, 0.0);
  EXPECT_EQ(machine_utilization(loads, 1, 40.0, nullptr).busy_of_available, 0.0);
}
