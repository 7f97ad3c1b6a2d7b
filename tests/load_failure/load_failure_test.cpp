// Loads that fail partway, at every allocation they make in turn: an input
// file over a loaded problem with its live schedule, a released-schedule file
// over loaded rescheduling states, and a schedule file over the live schedule.
// After each failed load the previous problem, the live schedule and its
// values, and the states are exactly as before (or, after a released file's
// input part was read, as a refused schedule part leaves them), the planner
// was told which file failed, and nothing leaked.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "engine/live_schedule.h"
#include "engine/problem.h"
#include "engine/rescheduling_states.h"
#include "engine/run_state.h"
#include "engine/timing.h"
#include "engine/undo_list.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_limits.h"
#include "problem_io/input_reader.h"
#include "problem_io/released_schedule_load.h"
#include "problem_io/schedule_file.h"
#include "tests/load_failure/failing_allocator.h"
#include "tests/support/generated_problem.h"
#include "tests/support/problem_consistency.h"
#include "tests/support/random_schedule.h"
#include "tests/support/recording_host.h"
#include "tests/support/released_file.h"
#include "tests/support/temp_dir.h"

namespace {

// Everything of a machine, an order and a job that a load could touch.
void write_machine(std::ostream& out, const MACHINE& m) {
  out << "M" << m.ID << ' ' << m.Speed << ' ' << m.StartStep << ' ' << m.EndStep << ' ' << m.N_Cal << ' '
      << m.N_Set << ' ' << m.MG << ' ' << m.ReadyT << ' ' << m.N_Frozen << " cal";
  for (const CAL_INTERVAL& c : m.Cal) out << ' ' << c.ST << '-' << c.ET;
  out << " set" << m.setup_types();
  for (int a = 1; a <= m.setup_types(); ++a)
    for (int b = 1; b <= m.setup_types(); ++b) out << ' ' << m.SetupM(a, b);
  out << '\n';
}

void write_list(std::ostream& out, const std::vector<int>& list) {
  out << '[';
  for (int v : list) out << v << ' ';
  out << ']';
}

void write_order(std::ostream& out, const ORDER& o) {
  out << "O" << o.ID << ' ' << o.NJob << ' ' << o.SJob << ' ' << o.StartStep << ' ' << o.EndStep << ' '
      << o.SetupType << ' ' << o.CST << ' ' << o.CET << ' ' << o.N_Step << ' ' << o.Exe << ' ' << o.N_Routes << ' '
      << o.First_Job << ' ' << o.StartT << ' ' << o.EndT << " steps";
  for (const ORDER_STEP& s : o.Steps) out << ' ' << s.SS << ',' << s.ES << ',' << s.M_ID << ',' << s.MG;
  out << " routes";
  for (int r : o.R_feasible) out << ' ' << r;
  out << " MG_M";
  for (const auto& l : o.MG_M) write_list(out, l);
  out << '\n';
}

void write_job(std::ostream& out, const JOB& j) {
  out << "J" << j.ID << ' ' << j.Order_ID << ' ' << j.Number << ' ' << j.StartT << ' ' << j.EndT << ' ' << j.N_Frozen
      << ' ' << (j.Freeze ? 1 : 0) << '\n';
}

void write_records(std::ostream& out, const std::vector<MACHINE>& machines, const std::vector<ORDER>& orders,
                   const std::vector<JOB>& jobs) {
  out << machines.size() << ' ' << orders.size() << ' ' << jobs.size() << '\n';
  for (const MACHINE& m : machines) write_machine(out, m);
  for (const ORDER& o : orders) write_order(out, o);
  for (const JOB& j : jobs) write_job(out, j);
}

// The loaded problem: the four counts and every table.
std::string problem_fingerprint() {
  std::ostringstream out;
  out << n_of_Machines << ' ' << n_of_Orders << ' ' << n_of_SetupTypes << ' ' << n_of_Jobs << '\n';
  write_records(out, Machines, Orders, Jobs);
  out << "MG_M_ex";
  for (const auto& l : MG_M_ex) write_list(out, l);
  out << "\nExe_O";
  for (const auto& l : Exe_O) write_list(out, l);
  out << "\nJ_A";
  for (const auto& row : J_A) out << ' ' << row[0] << ',' << row[1] << ',' << row[2] << ',' << row[3] << ',' << row[4];
  out << "\nM_wload";
  for (const auto& row : M_wload) write_list(out, row);
  return out.str();
}

// A schedule: counts, every machine's sequence and every job's route steps
// with their times.
std::string schedule_fingerprint(const SCH* sch) {
  if (!sch) return "none";
  std::ostringstream out;
  out << sch->n_of_Orders << ' ' << sch->n_of_Jobs << ' ' << sch->n_of_Machines << ' ' << sch->has_tables() << '\n';
  if (!sch->has_tables()) return out.str();
  for (int m = 1; m <= sch->n_of_Machines; ++m) {
    out << "m" << m << ':' << sch->Mach_Count[m];
    for (int t = sch->Mach_Head[m]; t != NO_TASK; t = sch->task(t).next_on_machine) out << ' ' << sch->task(t).Job;
    out << '\n';
  }
  for (int j = 1; j <= sch->n_of_Jobs; ++j) {
    out << "j" << j << ':' << sch->Route[j];
    for (int t = sch->Job_Head[j]; t != NO_TASK; t = sch->task(t).next_in_job) {
      const TASK& k = sch->task(t);
      out << ' ' << k.Step << '@' << k.Machine << ' ' << k.Setup << ' ' << k.StartT << ' ' << k.SetT << ' ' << k.ProcT
          << ' ' << k.EndT << ' ' << k.M_Calendar_OK;
    }
    out << '\n';
  }
  return out.str();
}

std::string values_fingerprint(const OBJ_VALUE& v) {
  std::ostringstream out;
  for (int i = 0; i < 9; ++i) out << v.criterion(i) << ' ';
  out << v.n_of_Scheduled_Jobs << ' ' << v.n_of_Orders << ' ' << v.n_of_Jobs << ' ' << v.n_of_Machines;
  for (int d : v.Dev) out << ' ' << d;
  return out.str();
}

std::string live_schedule_fingerprint() {
  return schedule_fingerprint(last_SCH.get()) + values_fingerprint(last_obj_value);
}

std::string shop_fingerprint(const SHOP* shop) {
  if (!shop) return "none";
  std::ostringstream out;
  out << shop->n_of_SetupTypes << '\n';
  write_records(out, shop->machines, shop->orders, shop->jobs);
  out << schedule_fingerprint(shop->schedule.get());
  out << (shop->values ? values_fingerprint(*shop->values) : std::string("no values"));
  return out.str();
}

bool mentions(const std::vector<std::string>& messages, const std::string& text) {
  for (const std::string& m : messages)
    if (m.find(text) != std::string::npos) return true;
  return false;
}

// The input part of a released-schedule file: a plain input file.
std::string input_part(const std::string& released_text) {
  return released_text.substr(0, released_text.find("\ns\n") + 1);
}

class LoadFailure : public ::testing::Test {
 protected:
  // gtest keeps the traces of a thread in a table made on first use.
  void SetUp() override { SCOPED_TRACE("first use"); }
  void TearDown() override {
    disarm_allocation_failure();
    release_everything();
  }

  // What a load leaves behind that is no part of the problem or the states:
  // the check's tables, the messages, the chosen file name.
  void forget_load_traces() {
    std::string().swap(check.input_bytes);  // assigning an empty text would keep its memory
    check = InputCheck();
    std::vector<std::string>().swap(host.messages);
    std::string().swap(input_file_name);
  }
  void release_everything() {
    states.release();
    free_input_data();
    last_SCH.reset();
    last_obj_value = OBJ_VALUE();
    last_obj_value.set(OBJ_VALUE(), 0, 0, 0);
    forget_load_traces();
  }

  // Runs load with the n-th allocation failing, for n = 1, 2, ... until it
  // succeeds without the failure coming. Before each, prepare sets the
  // previous state up and returns the check of what a failed load must leave
  // (given the load's result); after it, everything is released and exactly
  // the blocks held before prepare must be held again. Returns the failure
  // points covered.
  long fail_each_allocation(const std::function<std::function<void(int)>()>& prepare,
                            const std::function<int()>& load) {
    // Once unarmed first: what the program sets up on first use (the random
    // source, the streams' locale) is held from then on and is no leak.
    prepare();
    release_everything();
    const long baseline = live_allocations();
    for (long n = 1;; ++n) {
      {
        const std::function<void(int)> verify = prepare();
        fail_allocation(n);
        const int r = load();
        disarm_allocation_failure();
        if (!allocation_failed()) return n - 1;
        SCOPED_TRACE("allocation " + std::to_string(n) + " failed");
        verify(r);
      }
      release_everything();
      const long leaked = live_allocations() - baseline;
      if (leaked != 0) ADD_FAILURE() << "allocation " << n << " failed: " << leaked << " blocks left";
      if (HasFailure()) return n;
    }
  }

  // A problem of its own loaded, and a random schedule of it written to path
  // (the live schedule is left as it was).
  void load_a_problem_and_export_a_schedule(const std::string& path) {
    const std::string released = write_released_file(dir, "a.rsf", 17);
    ASSERT_EQ(read_input_file(dir.write("a.txt", input_part(read_file(released))), check, window), 1);
    fill_random_schedule(8);
    ASSERT_EQ(export_sch_file(SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload), path), 1);
  }

  TempDir dir;
  RecordingHost host;
  RESCH_STATES states;
  InputCheck check;
  ClosedCheckWindow window;
};

// A problem with a live schedule, then another file loaded over it.
TEST_F(LoadFailure, InputFileOverALoadedProblemKeepsTheProblemAndItsLiveSchedule) {
  const std::string previous = dir.write("previous.txt", input_part(read_file(write_released_file(dir, "a.rsf", 17))));
  const std::string next = dir.write("next.txt", input_part(read_file(write_released_file(dir, "b.rsf", 23))));
  auto set_up = [&] {
    EXPECT_EQ(read_input_file(previous, check, window), 1);
    fill_random_schedule(5);
    last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_sch_times(*last_SCH);
    store_live_values(*last_SCH);
    first_run = 0;
    forget_load_traces();
    input_file_name = previous;  // what the run reports name
  };
  auto prepare = [&]() -> std::function<void(int)> {
    set_up();
    return [this, &previous, &next, problem = problem_fingerprint(), live = live_schedule_fingerprint()](int r) {
      EXPECT_EQ(r, 0);  // nothing done: the window comes back as before
      EXPECT_EQ(problem_fingerprint(), problem);
      EXPECT_EQ(live_schedule_fingerprint(), live);
      EXPECT_EQ(first_run, 0);
      EXPECT_EQ(input_file_name, previous);
      EXPECT_TRUE(mentions(host.messages, next));
      EXPECT_EQ(check.input_bytes.capacity(), std::string().capacity());  // the file's text is let go
    };
  };
  const long points = fail_each_allocation(prepare, [&] { return read_input_file(next, check, window); });
  EXPECT_GT(points, 100);
  // Unarmed, the same load goes through.
  set_up();
  const std::string problem = problem_fingerprint();
  ASSERT_EQ(read_input_file(next, check, window), 1);
  EXPECT_NE(problem_fingerprint(), problem);
  EXPECT_EQ(problem_consistency_fault(true), "");
  std::printf("input file over a loaded problem: %ld allocation failure points\n", points);
}

// A released file's input part that fails keeps the previous problem and its
// states; after it was read, a failure ends as a refused schedule part: no
// problem and no states, the live schedule as it was.
TEST_F(LoadFailure, ReleasedFileOverLoadedStatesKeepsThemOrEndsAsARefusedSchedulePart) {
  const std::string previous = write_released_file(dir, "a.rsf", 17);
  const std::string next = write_released_file(dir, "b.rsf", 23);
  long input_part_failures = 0, schedule_part_failures = 0;
  auto prepare = [&]() -> std::function<void(int)> {
    EXPECT_EQ(read_released_schedule(previous, states, check, window), 1);
    forget_load_traces();
    return [&, problem = problem_fingerprint(), live = live_schedule_fingerprint(),
            released = shop_fingerprint(states.released.get()), working = shop_fingerprint(states.working.get()),
            released_at = states.released.get(), working_at = states.working.get()](int r) {
      EXPECT_EQ(r, 0);
      EXPECT_TRUE(mentions(host.messages, next));
      EXPECT_EQ(live_schedule_fingerprint(), live);
      ASSERT_FALSE(host.messages.empty());
      const std::string& last = host.messages.back();
      const std::string stopped = "Opening process stopped!";
      if (last.size() >= stopped.size() && last.compare(last.size() - stopped.size(), stopped.size(), stopped) == 0) {
        ++input_part_failures;
        EXPECT_EQ(problem_fingerprint(), problem);
        EXPECT_EQ(states.released.get(), released_at);
        EXPECT_EQ(states.working.get(), working_at);
        EXPECT_EQ(shop_fingerprint(states.released.get()), released);
        EXPECT_EQ(shop_fingerprint(states.working.get()), working);
      } else {
        ++schedule_part_failures;
        EXPECT_EQ(n_of_Machines + n_of_Orders + n_of_Jobs + n_of_SetupTypes, 0);
        // Released, memory included.
        EXPECT_EQ(Machines.capacity() + Orders.capacity() + Jobs.capacity() + MG_M_ex.capacity() +
                      Exe_O.capacity() + J_A.capacity() + M_wload.capacity(),
                  0u);
        EXPECT_FALSE(states.released);
        EXPECT_FALSE(states.working);
      }
    };
  };
  const long points =
      fail_each_allocation(prepare, [&] { return read_released_schedule(next, states, check, window); });
  EXPECT_GT(input_part_failures, 100);
  EXPECT_GT(schedule_part_failures, 10);
  ASSERT_EQ(read_released_schedule(previous, states, check, window), 1);
  ASSERT_EQ(read_released_schedule(next, states, check, window), 1);
  EXPECT_TRUE(states.loaded());
  std::printf("released file over loaded states: %ld allocation failure points (%ld input part, %ld after it)\n",
              points, input_part_failures, schedule_part_failures);
}

// "Inport": a schedule file of the loaded problem over the live schedule.
TEST_F(LoadFailure, ScheduleFileOverTheLiveScheduleKeepsIt) {
  const std::string path = dir.file("other.sch");
  ASSERT_NO_FATAL_FAILURE(load_a_problem_and_export_a_schedule(path));
  fill_random_schedule(9);
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(*last_SCH);
  store_live_values(*last_SCH);
  forget_load_traces();
  auto history = std::make_unique<UNDOLIST>(25);
  history->push(*last_SCH);
  const UNDOLIST* const kept_history = history.get();
  const std::string problem = problem_fingerprint();
  const std::string live = live_schedule_fingerprint();
  const long held = live_allocations();
  long points = 0;
  for (long n = 1;; ++n) {
    {
      FileBytesResult read = FileBytesResult::Read;
      fail_allocation(n);
      const int r = import_sch_file(*last_SCH, history, 25, path, &read);
      disarm_allocation_failure();
      if (!allocation_failed()) {
        EXPECT_EQ(r, 1);
        break;
      }
      SCOPED_TRACE("allocation " + std::to_string(n) + " failed");
      ++points;
      EXPECT_EQ(r, -1);
      EXPECT_EQ(read, FileBytesResult::OutOfMemory);
      // What the editor tells the planner before "Schedule cannot be inported!".
      const std::string told = file_refusal_text(read, path, kMaxInputFileBytes);
      EXPECT_NE(told.find(path), std::string::npos);
      EXPECT_NE(told.find("memory ran out"), std::string::npos);
      EXPECT_EQ(live_schedule_fingerprint(), live);
      EXPECT_EQ(problem_fingerprint(), problem);
      EXPECT_EQ(history.get(), kept_history);
      EXPECT_EQ(history->count(), 1);
    }
    const long leaked = live_allocations() - held;
    if (leaked != 0) ADD_FAILURE() << "allocation " << n << " failed: " << leaked << " blocks left";
    if (HasFailure()) break;
  }
  EXPECT_GT(points, 10);
  EXPECT_NE(live_schedule_fingerprint(), live);  // the unarmed load replaced it
  ASSERT_NE(history->current_schedule(), nullptr);  // with a history of its own
  EXPECT_EQ(schedule_fingerprint(history->current_schedule()), schedule_fingerprint(last_SCH.get()));
  std::printf("schedule file over the live schedule: %ld allocation failure points\n", points);
}

// Taking a released schedule over loaded states is all or nothing: the states,
// the live schedule and its values stay as they were when it fails.
TEST_F(LoadFailure, TakingAReleasedScheduleIsAllOrNothing) {
  ASSERT_EQ(read_released_schedule(write_released_file(dir, "a.rsf", 17), states, check, window), 1);
  fill_random_schedule(3);
  const SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  const std::string released = shop_fingerprint(states.released.get());
  const std::string working = shop_fingerprint(states.working.get());
  const std::string live = live_schedule_fingerprint();
  long points = 0;
  for (long n = 1;; ++n) {
    fail_allocation(n);
    bool failed = false;
    try {
      states.take_released(sch);
    } catch (const std::bad_alloc&) {
      failed = true;
    }
    disarm_allocation_failure();
    if (!failed) break;
    ++points;
    SCOPED_TRACE("allocation " + std::to_string(n) + " failed");
    EXPECT_EQ(shop_fingerprint(states.released.get()), released);
    EXPECT_EQ(shop_fingerprint(states.working.get()), working);
    EXPECT_EQ(live_schedule_fingerprint(), live);
    if (HasFailure()) break;
  }
  EXPECT_GT(points, 10);
  EXPECT_NE(live_schedule_fingerprint(), live);
}

// A schedule read into a target that has no tables yet either takes it whole
// or stays without tables and counts.
TEST_F(LoadFailure, AScheduleReadIntoAnEmptyTargetNeverLeavesCountsWithoutTables) {
  const std::string path = dir.file("other.sch");
  ASSERT_NO_FATAL_FAILURE(load_a_problem_and_export_a_schedule(path));
  const std::string text = read_file(path);
  long points = 0;
  for (long n = 1;; ++n) {
    SCH target;
    fail_allocation(n);
    bool failed = false;
    try {
      EXPECT_EQ(load_sch_text(target, text), 1);
    } catch (const std::bad_alloc&) {
      failed = true;
    }
    disarm_allocation_failure();
    if (!failed) {
      EXPECT_TRUE(target.has_tables());
      break;
    }
    ++points;
    EXPECT_EQ(schedule_fingerprint(&target), "0 0 0 0\n") << "allocation " << n;
    if (HasFailure()) break;
  }
  EXPECT_GT(points, 10);
}

}  // namespace
