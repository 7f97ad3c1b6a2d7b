// The editor's hand edits of the linked schedule against a plain model of
// its tables: every edit is made on both, the schedule must read back as the
// model, and its recalculation must give the times and values the engine's
// own timing gives the model.
#include "engine/schedule_edits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "engine/problem_tables.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"
#include "engine/timing.h"
#include "tests/support/random_schedule.h"
#include "tests/support/small_problem.h"
#include "tests/support/varied_shop.h"

namespace {

// A schedule as plain tables, rows sized to their counts.
struct Tables {
  std::vector<std::array<int, 5>> ja;
  std::vector<std::vector<int>> mw;

  static Tables of(const SCH& sch) {
    Tables t;
    t.ja.assign(static_cast<std::size_t>(sch.n_of_Jobs) + 1, {0, 0, 0, 0, 0});
    for (int j = 1; j <= sch.n_of_Jobs; ++j) sch.get_job_assignment(t.ja[static_cast<std::size_t>(j)].data(), j);
    t.mw.assign(static_cast<std::size_t>(sch.n_of_Machines) + 1, {0});
    for (int m = 1; m <= sch.n_of_Machines; ++m) t.set_row(m, machine_sequence(sch, m));
    return t;
  }
  void set_row(int m, const std::vector<int>& seq) {
    std::vector<int>& row = mw[static_cast<std::size_t>(m)];
    row = {static_cast<int>(seq.size())};
    row.insert(row.end(), seq.begin(), seq.end());
  }
  void remove(int m, int j) {
    std::vector<int>& row = mw[static_cast<std::size_t>(m)];
    row.erase(std::find(row.begin() + 1, row.end(), j));
    --row[0];
  }
  // Job j into machine m's row right after job `after` (0: last).
  void put(int m, int j, int after = 0) {
    std::vector<int>& row = mw[static_cast<std::size_t>(m)];
    const auto at = after == 0 ? row.end() : std::find(row.begin() + 1, row.end(), after) + 1;
    row.insert(at, j);
    ++row[0];
  }
  std::array<int, 5>& job(int j) { return ja[static_cast<std::size_t>(j)]; }
  bool operator==(const Tables& o) const { return ja == o.ja && mw == o.mw; }
};

// The engine's own timing and evaluation of the expected tables, against the
// edited linked schedule after the editor's recalculation: same times at
// every position, same values.
void expect_same_as_engine(SCH& edited, const Tables& expected, const char* what) {
  OBJ_VALUE got;
  recalc_schedule_values(edited, got);
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, expected.ja, expected.mw);
  calc_S_times(S);
  OBJ_VALUE want;
  calc_S_obj_values(S, want);
  for (int m = 1; m <= n_of_Machines; ++m) {
    int p = 1;
    for (int t = edited.Mach_Head[m]; t != NO_TASK; t = edited.task(t).next_on_machine, ++p) {
      const OP_TIME& r = S.Times[m][p];
      EXPECT_EQ((std::array<int, 3>{edited.task(t).StartT, edited.task(t).EndT, edited.task(t).Setup}),
                (std::array<int, 3>{r.StartT, r.EndT, r.Setup}))
          << what << ": machine " << m << " position " << p;
    }
  }
  for (int i = 0; i < 9; ++i) EXPECT_EQ(got.criterion(i), want.criterion(i)) << what << ": criterion " << i;
  EXPECT_EQ(got.n_of_Jobs, n_of_Jobs);
}

template <class T>
const T& any_of(const std::vector<T>& v) {
  return v[static_cast<std::size_t>(rand_n(static_cast<int>(v.size())))];
}

class ScheduleEdits : public ::testing::Test {
 protected:
  void SetUp() override {
    build_varied_shop(21, 40);
    fill_random_schedule(4);
    sch = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    ASSERT_TRUE(schedule_fits_problem(sch));
  }
  void TearDown() override { clear_problem_data(); }
  SCH sch;
};

}  // namespace

// A machine's list written back in another order; the route panel's change
// (another feasible route, a usable machine per step, appended last); the
// step combo's change (another usable machine of the step's group, appended
// last); "Copy assignement" from a job of the same order (each step right
// behind the source's).
TEST_F(ScheduleEdits, RandomEditsFollowAPlainModelAndTimeAsTheEngine) {
  Tables model = Tables::of(sch);
  int done[4] = {0, 0, 0, 0};
  seed_random(17);
  for (int i = 0; i < 600; ++i) {
    const int j = i % 5 == 0 ? n_of_Jobs : rand_n(n_of_Jobs) + 1;  // the last job often: its id bounds the tables
    const ORDER& order = Orders[Jobs[j].Order_ID];
    const std::array<int, 5> a = model.job(j);
    if (a[0] == 0) continue;  // an order without a feasible route: odd schedules below
    const int n = R_MG_ex[a[0]][0];
    const int what = rand_n(4);
    if (what == 0) {
      const int m = rand_n(n_of_Machines) + 1;
      std::vector<int> seq = machine_sequence(sch, m);
      for (int q = static_cast<int>(seq.size()); q > 1; --q) std::swap(seq[q - 1], seq[rand_n(q)]);
      ASSERT_EQ(save_sequence_to_machine(sch, seq, m), 1);
      model.set_row(m, seq);
    } else if (what == 1) {
      std::array<int, 5> b = {any_of(feasible_routes(order)), 0, 0, 0, 0};
      const int nb = R_MG_ex[b[0]][0];
      for (int k = 1; k <= nb; ++k) b[k] = any_of(usable_machines(order, R_MG_ex[b[0]][k]));
      sch.change_job_route(nb, b.data(), j);
      if (b[0] == a[0]) continue;  // the same route: nothing changes
      for (int k = 1; k <= n; ++k) model.remove(a[k], j);
      for (int k = 1; k <= nb; ++k) model.put(b[k], j);
      model.job(j) = b;
    } else if (what == 2) {
      const int k = rand_n(n) + 1;
      const int to = any_of(usable_machines(order, R_MG_ex[a[0]][k]));
      ASSERT_EQ(sch.move_op_to_machine(to, k, j), to == a[k] ? k : 0);
      if (to == a[k]) continue;
      model.remove(a[k], j);
      model.put(to, j);
      model.job(j)[k] = to;
    } else {
      const int source = order.First_Job + rand_n(order.NJob);
      ASSERT_EQ(copy_job_assignment(sch, j, source), source == j ? -1 : 1);
      if (source == j) continue;
      for (int k = 1; k <= n; ++k) model.remove(a[k], j);
      model.job(j) = model.job(source);
      for (int k = 1; k <= R_MG_ex[model.job(j)[0]][0]; ++k) model.put(model.job(j)[k], j, source);
    }
    ++done[what];
    ASSERT_TRUE(Tables::of(sch) == model) << "edit " << i << " of kind " << what;
    if (i % 40 == 0) expect_same_as_engine(sch, model, "random edits");
  }
  for (int d : done) EXPECT_GT(d, 30);
  expect_same_as_engine(sch, model, "random edits");
}

TEST_F(ScheduleEdits, RefusedEditsLeaveTheScheduleAsItWas) {
  int m = 1;
  for (int i = 1; i <= n_of_Machines; ++i)
    if (sch.Mach_Count[i] > sch.Mach_Count[m]) m = i;
  const std::vector<int> seq = machine_sequence(sch, m);
  ASSERT_GE(seq.size(), 3u);
  std::vector<int> twice = seq;
  twice[1] = twice[0];
  std::vector<int> stranger = seq;
  for (int j = 1; j <= n_of_Jobs; ++j)
    if (std::find(seq.begin(), seq.end(), j) == seq.end()) {
      stranger[0] = j;
      break;
    }
  const SCH before = sch;
  EXPECT_EQ(save_sequence_to_machine(sch, std::vector<int>(seq.begin() + 1, seq.end()), m), -1);
  EXPECT_EQ(save_sequence_to_machine(sch, twice, m), -1);
  EXPECT_EQ(save_sequence_to_machine(sch, stranger, m), -1);
  EXPECT_EQ(save_sequence_to_machine(sch, seq, 0), -1);
  EXPECT_EQ(save_sequence_to_machine(sch, seq, n_of_Machines + 1), -1);
  int other = 1;
  while (Jobs[other].Order_ID == Jobs[1].Order_ID) ++other;
  EXPECT_EQ(copy_job_assignment(sch, other, 1), -1);
  for (const auto& [target, source] : {std::pair(n_of_Jobs + 1, 1), std::pair(0, 1), std::pair(1, 0),
                                       std::pair(1, n_of_Jobs + 1)})
    EXPECT_EQ(copy_job_assignment(sch, target, source), -1) << target << " from " << source;
  EXPECT_EQ(sch.equal(before), 1);
  EXPECT_EQ(machine_sequence(sch, m), seq);
  // A schedule of other counts, or one without tables, is not this problem's.
  EXPECT_FALSE(schedule_fits_problem(SCH()));
  EXPECT_FALSE(schedule_fits_problem(SCH(n_of_Orders, n_of_Jobs, n_of_Machines - 1, J_A, M_wload)));
  EXPECT_FALSE(schedule_fits_problem(SCH(n_of_Orders - 1, n_of_Jobs, n_of_Machines, J_A, M_wload)));
}

// A damaged schedule or damaged problem tables never lead an edit outside a
// table: the edit is refused, or reads only what the tables hold, and the
// schedule stays as it was.
TEST_F(ScheduleEdits, DamagedSchedulesAndTablesAreRefusedNotFollowed) {
  const SCH before = sch;
  SCH none;  // counts without tables
  none.n_of_Machines = n_of_Machines;
  none.n_of_Jobs = n_of_Jobs;
  EXPECT_TRUE(machine_sequence(none, 1).empty());
  EXPECT_EQ(save_sequence_to_machine(none, {}, 1), -1);
  EXPECT_EQ(copy_job_assignment(none, 2, 1), -1);
  EXPECT_TRUE(machine_sequence(sch, n_of_Machines + 1).empty());

  int m = 1;
  while (sch.Mach_Count[m] < 2) ++m;
  const std::vector<int> seq = machine_sequence(sch, m);
  SCH cut = sch;  // a count below the nodes in the list: the list is never cut to it
  --cut.Mach_Count[m];
  EXPECT_EQ(save_sequence_to_machine(cut, std::vector<int>(seq.begin(), seq.end() - 1), m), -1);
  EXPECT_EQ(machine_sequence(cut, m), seq);
  SCH stray = sch;  // a node naming a job outside the schedule
  stray.task(stray.Mach_Head[m]).Job = n_of_Jobs + 1;
  EXPECT_EQ(save_sequence_to_machine(stray, seq, m), -1);

  // A schedule of fewer jobs than the problem: the problem's last job is not in it.
  SCH fewer = sch;
  --fewer.n_of_Jobs;
  int mate = 1;
  while (Jobs[mate].Order_ID != Jobs[n_of_Jobs].Order_ID) ++mate;
  ASSERT_LT(mate, n_of_Jobs);
  EXPECT_EQ(copy_job_assignment(fewer, n_of_Jobs, mate), -1);
  EXPECT_EQ(copy_job_assignment(fewer, mate, n_of_Jobs), -1);
  EXPECT_EQ(fewer.equal(before), 1);
  // Jobs of no order are of no order together.
  EXPECT_EQ((std::vector<int>{order_of_job(n_of_Jobs + 1), order_of_job(-1)}), (std::vector<int>{0, 0}));
  const int order_1 = Jobs[1].Order_ID, order_2 = Jobs[2].Order_ID;
  Jobs[1].Order_ID = Jobs[2].Order_ID = 0;
  EXPECT_EQ(copy_job_assignment(sch, 2, 1), -1);
  Jobs[1].Order_ID = order_1;
  Jobs[2].Order_ID = order_2;
  EXPECT_EQ(sch.equal(before), 1);

  // An order whose counts claim more than its tables hold.
  ORDER order = Orders[1];
  order.N_Routes = 12;
  for (int i = 1; i <= 8; ++i) order.R_feasible[i] = i;
  EXPECT_EQ(feasible_routes(order), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  order.MG_M[1] = {5, 3};
  EXPECT_EQ(usable_machines(order, 1), std::vector<int>{3});
  order.MG_M[1] = {-2, 3};
  EXPECT_TRUE(usable_machines(order, 1).empty());
  order.MG_M[1].clear();
  EXPECT_TRUE(usable_machines(order, 1).empty());
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
  expect_same_as_engine(sch, Tables::of(sch), "odd schedule");
  clear_problem_data();
}
