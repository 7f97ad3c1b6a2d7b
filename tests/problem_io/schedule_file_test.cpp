#include "problem_io/schedule_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>

#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/schedule_linked.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/fifo.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"
#include "tests/support/temp_dir.h"
#include "tests/support/varied_shop.h"

namespace {

SCH random_schedule(std::uint32_t seed) {
  fill_random_schedule(seed);
  return SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
}

// Same sequences (equal) and the same route and machines for every job.
bool same_schedule(const SCH& a, const SCH& b) {
  if (a.equal(b) != 1 || a.n_of_Jobs != b.n_of_Jobs) return false;
  for (int j = 1; j <= a.n_of_Jobs; ++j) {
    int ra[5] = {}, rb[5] = {};
    const int n = a.get_job_assignment(ra, j);
    if (n != b.get_job_assignment(rb, j) || !std::equal(ra, ra + n + 1, rb)) return false;
  }
  return true;
}

class ScheduleFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(load_generated_problem(11, GeneratedSize::Small)); }
  void TearDown() override { free_input_data(); }
  TempDir dir;
};

}  // namespace

TEST(ScheduleFileName, ReplacesOnlyTheFileNamesExtension) {
  EXPECT_EQ(schedule_file_path("plan.txt", ".sch"), "plan.sch");
  EXPECT_EQ(schedule_file_path("plan", ".sch"), "plan.sch");
  EXPECT_EQ(schedule_file_path("plan.old.rsf", ".rsf"), "plan.old.rsf");
  // A dot in a folder name is not an extension: the file stays in its folder.
  EXPECT_EQ(schedule_file_path("/data/v1.2/plan", ".sch"), "/data/v1.2/plan.sch");
  EXPECT_EQ(schedule_file_path("C:\\v1.2\\plan", ".rsf"), "C:\\v1.2\\plan.rsf");
}

TEST(ScheduleFileName, TheSaveDialogProposesTheDefaultNameAndFilter) {
  struct Dialog : SaveDialog {
    std::string answer;  // "" cancels
    std::string proposed, filter, folder;
    bool Execute() override {
      proposed = FileName;
      filter = Filter;
      folder = InitialDir;
      FileName = answer;
      return !answer.empty();
    }
  } d;
  d.answer = "/out/plan.txt";
  EXPECT_EQ(choose_schedule_file(ScheduleFileKind::Released, d, "/prog/"), "/out/plan.rsf");
  EXPECT_EQ(d.proposed, "/prog/release_sch.rsf");
  EXPECT_EQ(d.filter, "Released schedule file (*.rsf)|*.rsf");
  EXPECT_EQ(d.folder, "/prog/");
  EXPECT_EQ(choose_schedule_file(ScheduleFileKind::Schedule, d, "/prog/"), "/out/plan.sch");
  EXPECT_EQ(d.proposed, "/prog/exp_sch.sch");
  EXPECT_EQ(d.filter, "Schedule file (*.sch)|*.sch");
  d.answer = "";
  EXPECT_EQ(choose_schedule_file(ScheduleFileKind::Schedule, d, "/prog/"), "");
}

// Export and release write the same schedule section, which loads back as the
// schedule written (routes of one to four route steps, an empty machine and a
// job off every machine included), into a target with or without tables; the
// released problem passes the checker and, read back and released again,
// writes the same text.
TEST_F(ScheduleFile, ExportedAndReleasedFilesLoadBackTheSameSchedule) {
  fill_random_schedule(3);
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  int four_steps = 0;  // the last job of a 4-step route keeps its machines
  for (int j = 1; j <= n_of_Jobs; ++j)
    if (S.n_steps(j) == 4) four_steps = j;
  ASSERT_GT(four_steps, 0);
  const std::array<int, 5>& kept = S.J_A[four_steps];
  int m0 = 1;  // emptied: its jobs leave the schedule (route 0)
  while (S.count(m0) == 0 || std::find(kept.begin() + 1, kept.end(), m0) != kept.end()) ++m0;
  const int off = S.M_wload[m0][1];
  while (S.count(m0) > 0) remove_job(S, S.M_wload[m0][1]);
  ASSERT_EQ(S.n_steps(four_steps), 4);
  S.to_J_A_M_wload(J_A, M_wload);
  const SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  const std::string rsf = dir.file("a.rsf"), again = dir.file("b.rsf"), alone = dir.file("c.sch");
  ASSERT_EQ(export_sch_file(sch, alone), 1);
  ASSERT_EQ(release_sch_file(sch, Machines, Orders, n_of_SetupTypes, rsf), 1);
  const std::string section = read_file(alone), text = read_file(rsf);
  EXPECT_NE(section.find("\n2|" + std::to_string(m0) + "|0\n"), std::string::npos);
  EXPECT_NE(section.find("\n4|" + std::to_string(off) + "|0\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.find("\ns\n") + 3), section);
  SCH from_sch = random_schedule(99), from_rsf;
  ASSERT_EQ(load_sch_file(from_sch, alone), 1);
  ASSERT_EQ(load_sch_file(from_rsf, rsf), 1);
  EXPECT_TRUE(same_schedule(from_sch, sch));
  EXPECT_TRUE(same_schedule(from_rsf, sch));

  input_file_name = rsf;
  InputCheck check;
  EXPECT_EQ(check_input_data(check), 1);  // no error, no warning
  ASSERT_EQ(read_input_path(rsf), 1);
  ASSERT_EQ(release_sch_file(sch, Machines, Orders, n_of_SetupTypes, again), 1);
  EXPECT_EQ(read_file(again), text);
}

TEST_F(ScheduleFile, BadContentIsRefusedAndTheTargetKept) {
  const SCH sch = random_schedule(3);
  ASSERT_EQ(export_sch_file(sch, dir.file("good.sch")), 1);
  const std::string good = read_file(dir.file("good.sch"));
  const std::string body = good.substr(good.find('\n') + 1);
  const std::string nM = std::to_string(n_of_Machines), nJ = std::to_string(n_of_Jobs);
  const std::string header = "1|" + nM + "|" + nJ + "|" + std::to_string(n_of_Orders) + "\n";
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    const std::size_t at = t.find("\n" + from);
    EXPECT_NE(at, std::string::npos) << from;
    return t.replace(at + 1, t.find('\n', at + 1) - at - 1, to);
  };
  const std::string job1 = "4|1|" + std::to_string(sch.Route[1]);
  const std::string mach1 = "2|1|";
  std::string without_last_machine = good;  // its tag-2 and tag-3 lines gone
  const std::size_t last_m = good.find("\n2|" + nM + "|");
  without_last_machine.erase(last_m, good.find("\n4|1|") - last_m);
  // Machine m1 holds route steps of at least two jobs, a first and b second.
  int m1 = 1;
  while (sch.Mach_Count[m1] < 2) ++m1;
  const std::string m_line = "2|" + std::to_string(m1) + "|" + std::to_string(sch.Mach_Count[m1]);
  const std::size_t seq_at = good.find("\n" + m_line + "\n") + m_line.size() + 2;
  const std::string a_line = good.substr(seq_at, good.find('\n', seq_at) - seq_at);
  const std::size_t b_at = seq_at + a_line.size() + 1;
  const std::string b_line = good.substr(b_at, good.find('\n', b_at) - b_at);
  std::string one_step_left_off = good;  // a's step missing from m1's list, the count one less
  one_step_left_off.erase(seq_at, a_line.size() + 1);
  one_step_left_off.replace(one_step_left_off.find(m_line), m_line.size(),
                            "2|" + std::to_string(m1) + "|" + std::to_string(sch.Mach_Count[m1] - 1));
  std::string unbalanced = good;  // a listed twice, b not at all: the count still right
  unbalanced.replace(b_at, b_line.size(), a_line);
  std::string first_sequence_line = good.substr(good.find("\n3|") + 1);
  first_sequence_line = first_sequence_line.substr(0, first_sequence_line.find('\n'));
  std::string over_full = header + "2|1|" + std::to_string(n_of_Jobs + 1) + "\n";
  for (int i = 0; i <= n_of_Jobs; ++i) over_full += "3|1\n";
  const std::pair<const char*, std::string> cases[] = {
      {"machine above nM", good + "2|" + std::to_string(n_of_Machines + 1) + "|0\n"},
      {"machine 0", good + "2|0|0\n"},
      {"job above nJ", good + "4|" + std::to_string(n_of_Jobs + 1) + "|0\n"},
      {"job 0", good + "4|0|0\n"},
      {"route 27", replaced(job1, "4|1|27")},
      {"route step without a machine", replaced(job1, job1)},
      {"a route step left off its machine's list", one_step_left_off},
      {"a job listed for a step it does not have", unbalanced},
      {"sequence job 0", replaced(first_sequence_line, "3|0")},
      {"sequence job above nJ", replaced(first_sequence_line, "3|" + std::to_string(n_of_Jobs + 1))},
      {"machine count below 0", good + "2|1|-1\n"},
      {"machine count above nJ", over_full + body},
      {"route step on machine above nM", replaced(job1, job1 + "|" + std::to_string(n_of_Machines + 1))},
      {"job on a machine that holds none of its steps", replaced(job1, "4|1|0")},
      {"missing job line", replaced(job1, "")},
      {"missing machine line", without_last_machine},
      {"more sequence lines than the count", replaced(mach1, "2|1|0\n3|1")},
      {"sequence line before any machine line", header + "3|1\n" + body},
      {"counts of another problem", "1|" + nM + "|" + std::to_string(n_of_Jobs + 1) + "|1\n" + body},
      {"no header", body},
      {"number beyond 32 bits", replaced(job1, "4|1|99999999999")},
  };
  for (const auto& c : cases) {
    SCH target = random_schedule(77);
    const SCH before(target);
    EXPECT_EQ(load_sch_file(target, dir.write("bad.sch", c.second)), 0) << c.first;
    EXPECT_TRUE(same_schedule(target, before)) << c.first;
  }
  SCH target;
  EXPECT_EQ(load_sch_file(target, dir.file("missing.sch")), -1);
  EXPECT_EQ(load_sch_file(target, dir.path()), -1);  // a folder
}

// The problem changed in one thing under a file that is otherwise valid for it.
TEST_F(ScheduleFile, RoutesAndMachinesTheOrderNoLongerOffersAreRefused) {
  const SCH sch = random_schedule(8);
  const std::string path = dir.file("good.sch");
  ASSERT_EQ(export_sch_file(sch, path), 1);
  SCH target;
  ASSERT_EQ(load_sch_file(target, path), 1);
  int j = 1;
  while (sch.Route[j] == 0) ++j;
  ORDER& o = Orders[Jobs[j].Order_ID];
  const ORDER kept = o;
  // The job's route dropped from its order's feasible routes.
  int* end = std::remove(o.R_feasible + 1, o.R_feasible + o.N_Routes + 1, sch.Route[j]);
  o.N_Routes = static_cast<int>(end - (o.R_feasible + 1));
  EXPECT_EQ(load_sch_file(target, path), 0) << "route " << sch.Route[j];
  o = kept;
  // The machine of the job's first route step dropped from the order's list
  // for that step's group.
  int assignment[5] = {};
  sch.get_job_assignment(assignment, j);
  std::vector<int>& list = o.MG_M[R_MG_ex[sch.Route[j]][1]];
  list.erase(std::find(list.begin() + 1, list.end(), assignment[1]));
  --list[0];
  EXPECT_EQ(load_sch_file(target, path), 0) << "machine " << assignment[1];
  o = kept;
  EXPECT_EQ(load_sch_file(target, path), 1);
}

// A schedule whose counts or lists are broken is never written as a file that
// would read back as another schedule, and writing it reads nothing outside
// its tables.
TEST_F(ScheduleFile, BrokenSchedulesAreNotWritten) {
  const SCH good = random_schedule(5);
  const std::string path = dir.file("out.sch");
  SCH negative = good;
  negative.n_of_Machines = -1;
  SCH no_tables;  // counts without the tables they promise
  no_tables.n_of_Machines = 2;
  no_tables.n_of_Jobs = 3;
  SCH short_list = good;  // a machine's count beyond the tasks in its list
  int m = 1;
  while (short_list.Mach_Count[m] == 0) ++m;
  ++short_list.Mach_Count[m];
  SCH more_jobs = good;  // a job count beyond the job tables
  ++more_jobs.n_of_Jobs;
  for (const SCH* broken : {&negative, &no_tables, &short_list, &more_jobs}) {
    EXPECT_EQ(export_sch_file(*broken, path), -1);
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  // The problem's arrays hold fewer machines or orders than the schedule says.
  const std::vector<MACHINE> one_machine(Machines.begin(), Machines.begin() + 2);
  const std::vector<ORDER> one_order(Orders.begin(), Orders.begin() + 2);
  EXPECT_EQ(release_sch_file(good, one_machine, Orders, n_of_SetupTypes, path), -1);
  EXPECT_EQ(release_sch_file(good, Machines, one_order, n_of_SetupTypes, path), -1);
  EXPECT_FALSE(std::filesystem::exists(path));

  // A job whose list runs on into other jobs' nodes: its line names four
  // machines at most, never the foreign ones beyond.
  SCH run_on = good;
  int a = 1;
  while (run_on.Route[a] == 0) ++a;
  int nodes = run_on.job_task_count(a);
  for (int b = a + 1, tail = run_on.Job_Tail[a]; nodes < 5 && b <= run_on.n_of_Jobs; ++b) {
    if (run_on.Route[b] == 0) continue;
    run_on.task(tail).next_in_job = run_on.Job_Head[b];
    tail = run_on.Job_Tail[b];
    nodes += run_on.job_task_count(b);
  }
  ASSERT_GE(nodes, 5);
  ASSERT_EQ(export_sch_file(run_on, path), 1);
  const std::string text = read_file(path);
  const std::size_t at = text.find("\n4|" + std::to_string(a) + "|") + 1;
  const std::string line = text.substr(at, text.find('\n', at) - at);
  EXPECT_LE(std::count(line.begin(), line.end(), '|'), 6) << line;
}

// The problem's own tables damaged under a valid schedule file (an order's
// group lists missing or claiming more machines than they hold, a job of no
// order): the file is refused without reading outside a table.
TEST_F(ScheduleFile, DamagedProblemTablesRefuseTheScheduleWithoutReadingOutside) {
  const SCH sch = random_schedule(8);
  const std::string path = dir.file("good.sch");
  ASSERT_EQ(export_sch_file(sch, path), 1);
  int j = 1;
  while (sch.Route[j] == 0) ++j;
  const int o = Jobs[j].Order_ID;
  const int g = R_MG_ex[sch.Route[j]][1];
  int assignment[5] = {};
  sch.get_job_assignment(assignment, j);
  const std::function<void()> damages[] = {
      [&] { Orders[o].MG_M.clear(); },
      [&] { Orders[o].MG_M[g].clear(); },
      [&] {  // the list claims one machine more than it holds, the step's machine dropped
        std::vector<int>& list = Orders[o].MG_M[g];
        list.erase(std::find(list.begin() + 1, list.end(), assignment[1]));
      },
      [&] { Jobs[j].Order_ID = n_of_Orders + 1; },
  };
  for (std::size_t i = 0; i < std::size(damages); ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(load_generated_problem(11, GeneratedSize::Small));
    SCH target = random_schedule(77);
    const SCH before(target);
    damages[i]();
    EXPECT_EQ(load_sch_file(target, path), 0);
    EXPECT_TRUE(same_schedule(target, before));
  }
}

// Lines cut short before the fields their tag needs, and a number beyond 32
// bits even in a field the reader passes over, refuse the file.
TEST_F(ScheduleFile, ShortLinesAndOverlongNumbersAreRefused) {
  const SCH sch = random_schedule(3);
  ASSERT_EQ(export_sch_file(sch, dir.file("good.sch")), 1);
  const std::string good = read_file(dir.file("good.sch"));
  const std::size_t first_machine = good.find("\n2|1|") + 1;
  const std::size_t first_job = good.find("\n4|1|") + 1;
  const std::string machine_line = good.substr(first_machine, good.find('\n', first_machine) - first_machine);
  const std::string job_line = good.substr(first_job, good.find('\n', first_job) - first_job);
  const std::pair<std::string, std::string> cases[] = {
      {machine_line, "2|1"},
      {job_line, "4|1"},
      {machine_line, machine_line + "\n3"},
      {job_line, job_line + "|1|1|1|1|99999999999"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.second);
    std::string text = good;
    text.replace(text.find(c.first), c.first.size(), c.second);
    SCH target = random_schedule(77);
    const SCH before(target);
    EXPECT_EQ(load_sch_file(target, dir.write("bad.sch", text)), 0);
    EXPECT_TRUE(same_schedule(target, before));
  }
}

// "Inport" of a pipe: refused as no regular file, without waiting for a writer.
TEST_F(ScheduleFile, APipeIsRefusedWithoutWaiting) {
  const Fifo fifo(dir.file("pipe.sch"));
  ASSERT_TRUE(fifo.made());
  SCH target = random_schedule(77);
  const SCH before(target);
  FileBytesResult read = FileBytesResult::Read;
  EXPECT_EQ(load_sch_file(target, fifo.path(), &read), -1);
  EXPECT_EQ(read, FileBytesResult::NotRegularFile);
  EXPECT_TRUE(same_schedule(target, before));
}

// Two machines whose last listed jobs are swapped: every count still holds and
// every job still has its line, but each machine ends with a job that has no
// route step on it. The last listed job is checked like every other one, so
// the file is refused and the target keeps its schedule.
TEST_F(ScheduleFile, AMachineEndingWithAJobThatHasNoStepThereIsRefused) {
  const SCH sch = random_schedule(3);
  const std::vector<std::vector<int>> lists = M_wload;  // sch's sequences
  ASSERT_EQ(export_sch_file(sch, dir.file("good.sch")), 1);
  const std::string good = read_file(dir.file("good.sch"));
  const std::string job_lines = good.substr(good.find("\n4|1|") + 1);
  auto text_of = [&](const std::vector<std::vector<int>>& sequences) {
    std::string t = "1|" + std::to_string(n_of_Machines) + "|" + std::to_string(n_of_Jobs) + "|" +
                    std::to_string(n_of_Orders) + "\n";
    for (int m = 1; m <= n_of_Machines; ++m) {
      t += "2|" + std::to_string(m) + "|" + std::to_string(sequences[m][0]) + "\n";
      for (int p = 1; p <= sequences[m][0]; ++p) t += "3|" + std::to_string(sequences[m][p]) + "\n";
    }
    return t + job_lines;
  };
  ASSERT_EQ(text_of(lists), good);
  // Machines a and b, each listing its last job once and not the other's.
  auto lists_job = [&](int m, int job, int from, int to) {
    return std::find(lists[m].begin() + from, lists[m].begin() + to + 1, job) != lists[m].begin() + to + 1;
  };
  int a = 0, b = 0;
  for (int m1 = 1; m1 <= n_of_Machines && b == 0; ++m1)
    for (int m2 = m1 + 1; m2 <= n_of_Machines && b == 0; ++m2) {
      const int c1 = lists[m1][0], c2 = lists[m2][0];
      if (c1 == 0 || c2 == 0) continue;
      const int x = lists[m1][c1], y = lists[m2][c2];
      if (x != y && !lists_job(m1, x, 1, c1 - 1) && !lists_job(m2, y, 1, c2 - 1) && !lists_job(m2, x, 1, c2) &&
          !lists_job(m1, y, 1, c1)) {
        a = m1;
        b = m2;
      }
    }
  ASSERT_NE(b, 0);
  std::vector<std::vector<int>> swapped = lists;
  std::swap(swapped[a][swapped[a][0]], swapped[b][swapped[b][0]]);

  SCH target = random_schedule(77);
  const SCH before(target);
  EXPECT_EQ(load_sch_file(target, dir.write("swapped.sch", text_of(swapped))), 0);
  EXPECT_TRUE(same_schedule(target, before));
  ASSERT_EQ(load_sch_file(target, dir.file("good.sch")), 1);
  EXPECT_TRUE(same_schedule(target, sch));
}
