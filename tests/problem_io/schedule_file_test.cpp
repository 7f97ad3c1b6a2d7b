#include "problem_io/schedule_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "engine/schedule_linked.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/temp_dir.h"

namespace {

// A random schedule of the loaded problem.
SCH random_schedule(std::uint32_t seed) {
  seed_random(seed);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  return SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
}

void expect_same_assignment(const SCH& a, const SCH& b) {
  ASSERT_EQ(a.n_of_Jobs, b.n_of_Jobs);
  EXPECT_EQ(a.equal(b), 1);
  for (int j = 1; j <= a.n_of_Jobs; ++j) {
    int ra[5] = {}, rb[5] = {};
    const int na = a.get_job_assignment(ra, j);
    ASSERT_EQ(na, b.get_job_assignment(rb, j)) << "job " << j;
    for (int k = 0; k <= na; ++k) EXPECT_EQ(ra[k], rb[k]) << "job " << j << " step " << k;
  }
}

int count_lines_starting(const std::string& text, const std::string& prefix) {
  std::istringstream in(text);
  int n = 0;
  for (std::string line; std::getline(in, line);) n += line.rfind(prefix, 0) == 0;
  return n;
}

class ScheduleFileTest : public ::testing::Test {
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
  EXPECT_EQ(schedule_file_path("/data/plan.old.sch", ".rsf"), "/data/plan.old.rsf");
  // A dot in a folder name is not an extension: the file stays in its folder.
  EXPECT_EQ(schedule_file_path("/data/v1.2/plan", ".sch"), "/data/v1.2/plan.sch");
  EXPECT_EQ(schedule_file_path("C:\\v1.2\\plan", ".rsf"), "C:\\v1.2\\plan.rsf");
}

TEST_F(ScheduleFileTest, ExportThenLoadGivesTheSameSchedule) {
  random_schedule(5);
  // Jobs left off every machine (route 0) must survive, and so must the
  // machine they leave empty: every job with a step on job 1's first machine
  // is taken off.
  const int m0 = J_A[1][1];
  std::vector<bool> off(n_of_Jobs + 1, false);
  for (int p = 1; p <= M_wload[m0][0]; ++p) off[M_wload[m0][p]] = true;
  for (int m = 1; m <= n_of_Machines; ++m) {
    std::vector<int>& row = M_wload[m];
    int kept = 0;
    for (int p = 1; p <= row[0]; ++p)
      if (!off[row[p]]) row[++kept] = row[p];
    row[0] = kept;
  }
  for (int j = 1; j <= n_of_Jobs; ++j)
    if (off[j]) J_A[j] = {0, 0, 0, 0, 0};
  const SCH source(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  ASSERT_EQ(source.Route[1], 0);
  ASSERT_EQ(source.Mach_Count[m0], 0);

  const std::string path = dir.file("exp_sch.sch");
  ASSERT_EQ(export_sch_file(source, path), 1);
  const std::string text = read_file(path);
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "1|" + std::to_string(n_of_Machines) + "|" + std::to_string(n_of_Jobs) + "|" + std::to_string(n_of_Orders));
  EXPECT_NE(text.find("\n4|1|0\n"), std::string::npos);
  EXPECT_NE(text.find("\n2|" + std::to_string(m0) + "|0\n"), std::string::npos);

  SCH loaded = random_schedule(99);
  ASSERT_EQ(load_sch_file(loaded, path), 1);
  expect_same_assignment(loaded, source);
  for (int m = 1; m <= n_of_Machines; ++m) EXPECT_EQ(loaded.Mach_Count[m], source.Mach_Count[m]);

  // Into a target made by SCH() as well.
  SCH blank;
  ASSERT_EQ(load_sch_file(blank, path), 1);
  expect_same_assignment(blank, source);
}

TEST_F(ScheduleFileTest, ReleasedFileIsTheProblemThenTheSchedule) {
  const SCH sch = random_schedule(8);
  const std::vector<MACHINE> machines = Machines;
  const std::vector<ORDER> orders = Orders;
  const int S = n_of_SetupTypes;
  const std::string rsf = dir.file("release_sch.rsf");
  const std::string sch_path = dir.file("alone.sch");
  ASSERT_EQ(release_sch_file(sch, Machines, Orders, n_of_SetupTypes, rsf), 1);
  ASSERT_EQ(export_sch_file(sch, sch_path), 1);

  // Every machine carries the whole S x S matrix.
  const std::string text = read_file(rsf);
  EXPECT_EQ(count_lines_starting(text, "130|"), n_of_Machines);
  EXPECT_EQ(count_lines_starting(text, "140|"), n_of_Machines * S * S);
  EXPECT_EQ(count_lines_starting(text, "s"), 1);
  EXPECT_EQ(text.substr(text.find("\ns\n") + 3), read_file(sch_path));

  // The input checker finds nothing to say about it.
  input_file_name = rsf;
  InputCheck check;
  EXPECT_EQ(check_input_data(check), 1);
  EXPECT_TRUE(check.error_list.empty());
  EXPECT_TRUE(check.warning_list.empty());

  // The reader gives back the same problem.
  ASSERT_EQ(read_input_path(rsf), 1);
  ASSERT_EQ(n_of_Machines, static_cast<int>(machines.size()) - 1);
  ASSERT_EQ(n_of_Orders, static_cast<int>(orders.size()) - 1);
  EXPECT_EQ(n_of_SetupTypes, S);
  for (int m = 1; m <= n_of_Machines; ++m) {
    const MACHINE &a = Machines[m], &b = machines[m];
    EXPECT_EQ(a.Speed, b.Speed);
    EXPECT_EQ(a.MG, b.MG);
    ASSERT_EQ(a.N_Cal, b.N_Cal);
    for (int k = 1; k <= a.N_Cal; ++k) {
      EXPECT_EQ(a.Cal[k].ST, b.Cal[k].ST);
      EXPECT_EQ(a.Cal[k].ET, b.Cal[k].ET);
    }
    for (int x = 1; x <= S; ++x)
      for (int y = 1; y <= S; ++y) EXPECT_EQ(a.SetupM(x, y), b.SetupM(x, y)) << m << ' ' << x << ' ' << y;
  }
  for (int o = 1; o <= n_of_Orders; ++o) {
    const ORDER &a = Orders[o], &b = orders[o];
    EXPECT_EQ(a.CET, b.CET);
    EXPECT_EQ(a.CST, b.CST);
    EXPECT_EQ(a.NJob, b.NJob);
    EXPECT_EQ(a.SJob, b.SJob);
    EXPECT_EQ(a.Exe, b.Exe);
    EXPECT_EQ(a.SetupType, b.SetupType);
    ASSERT_EQ(a.N_Step, b.N_Step);
    for (int k = 1; k <= a.N_Step; ++k) EXPECT_EQ(a.Steps[k].M_ID, b.Steps[k].M_ID);
    ASSERT_EQ(a.N_Routes, b.N_Routes);
    for (int i = 1; i <= a.N_Routes; ++i) EXPECT_EQ(a.R_feasible[i], b.R_feasible[i]);
  }

  // The schedule part reads as the section alone does.
  SCH from_rsf, from_sch;
  ASSERT_EQ(load_sch_file(from_rsf, rsf), 1);
  ASSERT_EQ(load_sch_file(from_sch, sch_path), 1);
  expect_same_assignment(from_rsf, from_sch);
  expect_same_assignment(from_rsf, sch);
}

TEST_F(ScheduleFileTest, BadContentIsRefusedAndTheTargetKept) {
  const SCH sch = random_schedule(3);
  const std::string good_path = dir.file("good.sch");
  ASSERT_EQ(export_sch_file(sch, good_path), 1);
  const std::string good = read_file(good_path);
  const std::string nM = std::to_string(n_of_Machines), nJ = std::to_string(n_of_Jobs),
                    nO = std::to_string(n_of_Orders);
  const std::string header = "1|" + nM + "|" + nJ + "|" + nO + "\n";
  const std::string body = good.substr(header.size());
  auto replace_line = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    const std::size_t at = t.find("\n" + from + "\n");
    EXPECT_NE(at, std::string::npos) << from;
    return t.replace(at + 1, from.size(), to);
  };
  int first_job_line_row[5] = {};
  const int n1 = sch.get_job_assignment(first_job_line_row, 1);
  std::string job1 = "4|1|" + std::to_string(first_job_line_row[0]);
  for (int k = 1; k <= n1; ++k) job1 += "|" + std::to_string(first_job_line_row[k]);
  const int m1 = first_job_line_row[1];
  const std::string mline = "2|" + std::to_string(m1) + "|" + std::to_string(sch.Mach_Count[m1]);

  const std::pair<const char*, std::string> cases[] = {
      {"machine above nM", good + "2|" + std::to_string(n_of_Machines + 1) + "|0\n"},
      {"route 27", replace_line(job1, "4|1|27")},
      {"job above nJ", good + "4|" + std::to_string(n_of_Jobs + 1) + "|0\n"},
      {"machine of a step above nM", replace_line(job1, "4|1|" + std::to_string(first_job_line_row[0]) + "|" + std::to_string(n_of_Machines + 1))},
      {"route step without machine", replace_line(job1, "4|1|" + std::to_string(first_job_line_row[0]))},
      {"machine 0", good + "2|0|0\n"},
      {"job 0", good + "4|0|0\n"},
      {"missing job line", replace_line(job1, "")},
      {"missing machine line", replace_line(mline, "")},
      {"sequence line before any machine line", header + "3|1\n" + body},
      {"more sequence lines than the count", replace_line(mline, mline + "\n3|1")},
      {"counts of another problem", "1|" + nM + "|" + std::to_string(n_of_Jobs + 1) + "|" + nO + "\n" + body},
      {"no header", body},
      {"number beyond 32 bits", replace_line(job1, "4|1|99999999999")},
      {"job on a machine that carries none of its steps", replace_line(job1, "4|1|0")},
  };
  for (const auto& c : cases) {
    SCH target = random_schedule(77);
    const SCH before(target);
    const std::string path = dir.write("bad.sch", c.second);
    EXPECT_EQ(load_sch_file(target, path), 0) << c.first;
    EXPECT_EQ(target.equal(before), 1) << c.first;
    int a[5] = {}, b[5] = {};
    for (int j = 1; j <= n_of_Jobs; ++j) {
      target.get_job_assignment(a, j);
      before.get_job_assignment(b, j);
      EXPECT_EQ(a[0], b[0]) << c.first;
    }
  }
  SCH target;
  EXPECT_EQ(load_sch_file(target, dir.file("missing.sch")), -1);
}

TEST_F(ScheduleFileTest, FailedSaveLeavesThePreviousFileWhole) {
  const SCH sch = random_schedule(4);
  const std::string path = dir.file("kept.sch");
  ASSERT_EQ(export_sch_file(sch, path), 1);
  const std::string before = read_file(path);

  // A schedule whose machine list is shorter than its count cannot be written.
  SCH broken(sch);
  int m = 1;
  while (broken.Mach_Count[m] == 0) ++m;
  broken.Mach_Count[m] += 1;
  EXPECT_EQ(export_sch_file(broken, path), -1);
  EXPECT_EQ(release_sch_file(broken, Machines, Orders, n_of_SetupTypes, path), -1);
  EXPECT_EQ(read_file(path), before);
  // No temporary file is left behind.
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);

  // Records the schedule claims beyond the given arrays: refused before writing.
  const std::vector<MACHINE> too_few(Machines.begin(), Machines.begin() + 2);
  EXPECT_EQ(release_sch_file(sch, too_few, Orders, n_of_SetupTypes, path), -1);
  EXPECT_EQ(read_file(path), before);

  EXPECT_EQ(export_sch_file(sch, dir.file("no_such_folder/x.sch")), -1);
}
