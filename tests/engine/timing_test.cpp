#include "engine/timing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "engine/freezing.h"
#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/resch_moves.h"
#include "engine/sample_timing.h"
#include "engine/search_operators.h"
#include "tests/engine/hardened_shop.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"
#include "tests/support/small_problem.h"
#include "tests/support/varied_shop.h"

namespace {

struct Times6 {
  int Setup, StartT, SetT, ProcT, EndT, Cal;
};

// A two-step line: machine 1 does step 1, machine 2 does step 2. Orders of
// steps 1-2 run on route 17 (groups 1, 2); orders of step 2 on route 24.
class TwoStepLine : public ::testing::Test {
 protected:
  void SetUp() override {
    begin_small_problem(2);
    add_small_machine(1, 1, 1);
    add_small_machine(1, 2, 2);
  }
  // Loads the problem and the schedule: jobs[j] = {route, machine..}; seq[m] = job ids.
  void schedule(std::vector<std::array<int, 5>> rows, std::vector<std::vector<int>> seqs) {
    const int ready1 = Machines[1].ReadyT, ready2 = Machines[2].ReadyT;
    finish_small_problem();
    Machines[1].ReadyT = ready1;
    Machines[2].ReadyT = ready2;
    reset_J_A_M_wload();
    for (std::size_t j = 1; j < rows.size(); ++j) J_A[j] = rows[j];
    for (std::size_t m = 1; m < seqs.size(); ++m) {
      M_wload[m][0] = static_cast<int>(seqs[m].size());
      for (std::size_t p = 0; p < seqs[m].size(); ++p) M_wload[m][p + 1] = seqs[m][p];
    }
    S = _S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    sch = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_S_times(S);
    calc_sch_times(sch);
  }
  // Checks one position in both representations.
  void expect_position(int m, int p, Times6 want) {
    const OP_TIME& r = S.Times[m][p];
    const std::array<int, 6> got = {r.Setup, r.StartT, r.SetT, r.ProcT, r.EndT, r.M_Calendar_OK};
    EXPECT_EQ(got, (std::array<int, 6>{want.Setup, want.StartT, want.SetT, want.ProcT, want.EndT, want.Cal}))
        << "machine " << m << " position " << p;
    int t = sch.Mach_Head[m];
    for (int i = 1; i < p && t != NO_TASK; ++i) t = sch.task(t).next_on_machine;
    ASSERT_NE(t, NO_TASK);
    const TASK& n = sch.task(t);
    EXPECT_EQ((std::array<int, 6>{n.Setup, n.StartT, n.SetT, n.ProcT, n.EndT, n.M_Calendar_OK}), got)
        << "linked schedule differs at machine " << m << " position " << p;
  }
  _S S;
  SCH sch;
};

// The first position counts a setup from type 1 even of time 0 (1 -> 2 costs
// nothing here) and starts at the later of the machine's ready time and the
// order's earliest start.
TEST_F(TwoStepLine, FirstPositionSetsUpFromTypeOneAndWaitsForReadyTimeAndOrderStart) {
  add_small_order(1, 10, 1, 2, 2, 4, 500, {1, 2});
  Machines[1].ReadyT = 12;
  schedule({{}, {17, 1, 2}}, {{}, {1}, {1}});
  expect_position(1, 1, {1, 12, 0, 10, 22, 1});
  Orders[1].CST = 20;
  calc_S_times(S);
  calc_sch_times(sch);
  expect_position(1, 1, {1, 20, 0, 10, 30, 1});
}

TEST_F(TwoStepLine, JobStartIsItsEarliestStepEvenWhenALaterStepSetsUpBeforeIt) {
  // Job 2 (step 1 only) holds machine 1 until 40; job 1's step 1 runs 40..50,
  // and its step 2 sets up on machine 2 from 35, while step 1 still runs.
  add_small_order(1, 10, 1, 2, 2, 0, 500, {1, 2});
  add_small_order(1, 40, 1, 1, 2, 0, 500, {1});
  Machines[2].SetupM(1, 2) = 15;
  schedule({{}, {17, 1, 2}, {23, 1}}, {{}, {2, 1}, {1}});
  expect_position(1, 2, {0, 40, 0, 10, 50, 1});
  expect_position(2, 1, {1, 35, 15, 10, 60, 1});
  OBJ_VALUE v;
  calc_S_obj_values(S, v);
  EXPECT_EQ(Jobs[1].StartT, 35);
  Jobs[1].StartT = 0;
  calc_sch_obj_values(sch, v);
  EXPECT_EQ(Jobs[1].StartT, 35);
}

TEST(CalendarFit, NonPreemptiveFitKeepsLengthAndTriesEveryInterval) {
  begin_small_problem(1);
  add_small_machine(1, 1, 1, {{0, 10}, {20, 100}});
  add_small_machine(1, 1, 1, {});  // no intervals: fits nothing
  finish_small_problem();
  struct Case {
    int start, end, lower_bound, machine, fits, fitted_start, fitted_end;
  };
  const Case cases[] = {
      {7, 13, 0, 1, 1, 20, 26},   // crosses the break: the next interval
      {7, 97, 0, 1, 0, 20, 110},  // fits no interval: the last one tried keeps it
      {2, 5, 4, 1, 1, 4, 7},      // the lower bound moves it inside the first
      {4, 10, 0, 1, 1, 4, 10},    // ending exactly at the interval's end fits
      {2, 5, 4, 2, 0, 4, 7},
  };
  for (const Case& c : cases) {
    int s = c.start, e = c.end;
    EXPECT_EQ(fit_op_to_Calendar(s, e, c.lower_bound, c.machine, Machines), c.fits) << c.start << ".." << c.end;
    EXPECT_EQ((std::array<int, 2>{s, e}), (std::array<int, 2>{c.fitted_start, c.fitted_end})) << c.start;
    s = c.start, e = c.end;  // the linked schedule's tasks fit the same way
    EXPECT_EQ(fit_task_to_Calendar(s, e, c.lower_bound, c.machine, Machines), c.fits) << c.start;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// The passes against a plain reference on random schedules of hardened shops.
// The reference knows nothing of the pass order, the per-job notes or the
// calendar cursor: it sweeps the machines again and again, timing a position
// once the one before it on its machine and the job's previous route step are
// timed, until every position is; then it evaluates job by job from those
// times. Every record and value of the array and linked passes must be its.

namespace {

struct Record {
  int Setup, StartT, SetT, ProcT, EndT, Cal;
  std::array<int, 6> fields() const { return {Setup, StartT, SetT, ProcT, EndT, Cal}; }
};

int plain_setup(const MACHINE& mc, int from, int to) {
  const int n = mc.setup_types();
  return from >= 1 && from <= n && to >= 1 && to <= n ? mc.SetupM(from, to) : 0;
}

// Non-preemptive: the first interval that ends after t and holds
// [max(t, its start), + d); when none does, the start of the last one tried.
int plain_fit(int& t, int d, const MACHINE& mc) {
  bool tried = false;
  for (int i = 1; i <= mc.N_Cal; ++i) {
    if (!tried && mc.Cal[i].ET <= t) continue;
    tried = true;
    t = std::max(t, mc.Cal[i].ST);
    if (t + d <= mc.Cal[i].ET) return 1;
  }
  return 0;
}

// With a reference: the rescheduling rule (frozen heads copied, the rest no
// earlier than bound).
std::vector<std::vector<Record>> plain_times(const _S& S, const _S* reference = nullptr, int bound = 0) {
  std::vector<std::vector<Record>> rec(static_cast<std::size_t>(S.n_of_Machines) + 1);
  std::vector<std::vector<char>> done(rec.size());
  for (int m = 1; m <= S.n_of_Machines; ++m) {
    rec[m].resize(static_cast<std::size_t>(S.count(m)) + 1);
    done[m].assign(rec[m].size(), 0);
  }
  for (bool progress = true; progress;) {
    progress = false;
    for (int m = 1; m <= S.n_of_Machines; ++m)
      for (int p = 1; p <= S.count(m); ++p) {
        if (done[m][p]) continue;
        if (p > 1 && !done[m][p - 1]) break;
        const int j = S.M_wload[m][p], k = S.M_step[m][p];
        const MACHINE& mc = Machines[m];
        const ORDER& od = Orders[Jobs[j].Order_ID];
        Record& r = rec[m][p];
        if (reference && p <= mc.N_Frozen) {
          const OP_TIME& f = reference->Times[m][p];
          r = {f.Setup, f.StartT, f.SetT, f.ProcT, f.EndT, f.M_Calendar_OK};
        } else {
          int step_end = 0;  // the job's previous route step
          if (k > 1) {
            const int pm = S.J_A[j][k - 1], pp = S.J_pos[j][k - 1];
            if (!done[pm][pp]) break;
            step_end = rec[pm][pp].EndT;
          }
          const int prev_type = p > 1 ? Orders[Jobs[S.M_wload[m][p - 1]].Order_ID].SetupType : 1;
          const int set_t = plain_setup(mc, prev_type, od.SetupType);
          int start;
          if (p == 1)
            start = k == 1 ? std::max(od.CST, mc.ReadyT) : std::max({od.CST, step_end - set_t, mc.ReadyT});
          else if (k == 1)
            start = std::max(rec[m][p - 1].EndT, od.CST);
          else if (step_end <= rec[m][p - 1].EndT)
            start = rec[m][p - 1].EndT;
          else
            start = std::max({od.CST, rec[m][p - 1].EndT, std::max(od.CST, step_end) - set_t});
          if (reference) start = std::max(start, bound);
          if (mc.Speed <= 0) {
            r = {0, start, 0, 0, start, -1};
          } else {
            const int proc = (od.SJob + mc.Speed - 1) / mc.Speed;
            const int cal = plain_fit(start, set_t + proc, mc);
            r = {p == 1 || set_t != 0 ? 1 : 0, start, set_t, proc, start + set_t + proc, cal};
          }
        }
        done[m][p] = 1;
        progress = true;
      }
  }
  return rec;
}

// The ten values from the plain records, and each job's start and completion.
OBJ_VALUE plain_values(const _S& S, const std::vector<std::vector<Record>>& rec, std::vector<JobSpan>& spans) {
  OBJ_VALUE v;
  spans.assign(static_cast<std::size_t>(S.n_of_Jobs) + 1, JobSpan{0, -1});
  for (int m = 1; m <= S.n_of_Machines; ++m)
    for (int p = 1; p <= S.count(m); ++p) v.n_of_Setup += rec[m][p].Setup == 1;
  std::vector<char> late_order(static_cast<std::size_t>(n_of_Orders) + 1, 0);
  for (int j = 1; j <= S.n_of_Jobs; ++j) {
    const int n = S.n_steps(j);
    if (n == 0) continue;
    const ORDER& od = Orders[Jobs[j].Order_ID];
    JobSpan& s = spans[j];
    s = {rec[S.J_A[j][1]][S.J_pos[j][1]].StartT, rec[S.J_A[j][n]][S.J_pos[j][n]].EndT};
    for (int k = 2; k <= n; ++k) s.StartT = std::min(s.StartT, rec[S.J_A[j][k]][S.J_pos[j][k]].StartT);
    const std::int64_t lateness = static_cast<std::int64_t>(s.EndT) - od.CET;
    const std::int64_t early = std::min<std::int64_t>(static_cast<std::int64_t>(s.StartT) - od.CST, 0);
    late_order[Jobs[j].Order_ID] |= lateness > 0;
    v.n_of_Late_Jobs += lateness > 0;
    v.sumTardiness += std::max<std::int64_t>(lateness, 0);
    v.max_Tardiness = std::max<std::int64_t>(v.max_Tardiness, lateness);
    v.Completion_Time = std::max<std::int64_t>(v.Completion_Time, s.EndT);
    v.sumAbsLateness += lateness < 0 ? -lateness : lateness;
    v.n_of_Early_Starting_Jobs += early < 0;
    v.sumEarly_Startness += early;
    ++v.n_of_Scheduled_Jobs;
  }
  for (char late : late_order) v.n_of_Late_Orders += late;
  return v;
}

void expect_as_plain(const _S& S, const SCH* sch, const std::vector<std::vector<Record>>& rec, const char* what) {
  for (int m = 1; m <= S.n_of_Machines; ++m) {
    int t = sch ? sch->Mach_Head[m] : NO_TASK;
    for (int p = 1; p <= S.count(m); ++p) {
      const OP_TIME& a = S.Times[m][p];
      ASSERT_EQ((Record{a.Setup, a.StartT, a.SetT, a.ProcT, a.EndT, a.M_Calendar_OK}.fields()), rec[m][p].fields())
          << what << ": machine " << m << " position " << p;
      if (!sch) continue;
      const TASK& n = sch->task(t);
      ASSERT_EQ((Record{n.Setup, n.StartT, n.SetT, n.ProcT, n.EndT, n.M_Calendar_OK}.fields()), rec[m][p].fields())
          << what << ": linked schedule, machine " << m << " position " << p;
      t = n.next_on_machine;
    }
  }
  std::vector<JobSpan> spans;
  const OBJ_VALUE want = plain_values(S, rec, spans);
  OBJ_VALUE got;
  calc_S_obj_values(S, got);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(got.criterion(i), want.criterion(i)) << what << ": criterion " << i;
  EXPECT_EQ(got.n_of_Scheduled_Jobs, want.n_of_Scheduled_Jobs) << what;
  for (int j = 1; j <= S.n_of_Jobs; ++j)
    if (S.n_steps(j) > 0) {
      ASSERT_EQ((JobSpan{Jobs[j].StartT, Jobs[j].EndT}), spans[j]) << what << ": job " << j;
    }
  if (!sch) return;
  OBJ_VALUE linked;
  calc_sch_obj_values(*sch, linked);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(linked.criterion(i), want.criterion(i)) << what << ": linked, criterion " << i;
}

}  // namespace

TEST(TimingProperty, BothPassesEqualAPlainReferenceOnHardenedShops) {
  HardCases seen;
  for (std::uint32_t seed = 1; seed <= 8; ++seed) {
    SCOPED_TRACE(seed);
    if (seed <= 4)
      ASSERT_TRUE(load_generated_problem(seed, seed == 4 ? GeneratedSize::Default : GeneratedSize::Small));
    else
      build_varied_shop(seed, 30, true);  // routes of one to four steps, an order without one
    if (seed % 2 == 1) harden_shop(seed, seed % 4 == 1);
    fill_random_schedule(seed);
    _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_S_times(S);
    calc_sch_times(sch);
    seen.add(S);
    expect_as_plain(S, &sch, plain_times(S), "plain pass");
    _S copy;  // the same tables and timing rows, without the pass's notes
    SampleTiming::copy_timing(copy, S);
    expect_as_plain(copy, nullptr, plain_times(copy), "copy without the pass's notes");
    _S back(sch);  // the linked schedule's array form times the same
    calc_S_times(back);
    expect_as_plain(back, nullptr, plain_times(back), "array form of the linked schedule");
    // A change after the pass is evaluated from what the tables say now, never
    // from what the pass noted of each job: as a copy of the tables and timing
    // rows without any notes is.
    int busy = 1;
    while (back.count(busy) < 3) ++busy;
    const int P[4] = {3, 1, 2, 3};
    if (seed % 2)
      remove_job(back, back.M_wload[busy][1]);
    else
      rotate_positions(back, P, busy);
    _S without_notes;
    SampleTiming::copy_timing(without_notes, back);
    OBJ_VALUE changed, copied;
    calc_S_obj_values(back, changed);
    calc_S_obj_values(without_notes, copied);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(changed.criterion(i), copied.criterion(i)) << "changed, criterion " << i;

    // Frozen at a third of the starts, then moved about behind the frozen
    // heads; some orders may not start before the freeze time any more.
    std::vector<int> starts;
    for (int m = 1; m <= n_of_Machines; ++m)
      for (int p = 1; p <= S.count(m); ++p) starts.push_back(S.Times[m][p].StartT);
    std::sort(starts.begin(), starts.end());
    const int t = starts[starts.size() / 3];
    freeze_S_at(S, Orders, Jobs, Machines, t);
    for (int o = 1; o <= n_of_Orders; o += 4) Orders[o].CST = t;  // frozen steps now start early
    _S moved = S;
    for (int i = 0; i < 30; ++i) {
      move_reinsert_job_resch(moved, rand_n(n_of_Jobs) + 1, Orders, Jobs, Machines, S);
      move_shuffle_machine_resch(moved, rand_n(n_of_Machines) + 1, Machines);
    }
    moved.to_J_A_M_wload(J_A, M_wload);
    SCH moved_sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_S_times_resch(moved, S, t);
    calc_sch_times_resch(moved_sch, S, t);
    expect_as_plain(moved, &moved_sch, plain_times(moved, &S, t), "rescheduling pass");
    for (int m = 1; m <= n_of_Machines; ++m) Machines[m].N_Frozen = 0;
  }
  EXPECT_GT(seen.later_interval, 0);
  EXPECT_GT(seen.fits_none, 0);
  EXPECT_GT(seen.speed_zero, 0);
}
