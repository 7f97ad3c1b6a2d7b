#include "problem_io/problem_generator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/temp_dir.h"

namespace {

// The records of a written file, each as its integer fields (tag first).
std::vector<std::vector<int>> records_of(const std::string& text) {
  std::vector<std::vector<int>> records;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<int> fields;
    std::istringstream parts(line);
    std::string field;
    while (std::getline(parts, field, '|')) fields.push_back(std::stoi(field));
    records.push_back(fields);
  }
  return records;
}

// Answers the save dialog with a fixed name and filter and remembers what it
// was shown.
class AnsweringDialog : public SaveDialog {
 public:
  std::string answer;
  int answer_filter = 0;  // 0: leave FilterIndex as it is
  bool cancel = false;
  int shown = 0;
  std::string shown_dir, shown_name, shown_filter;

  bool Execute() override {
    ++shown;
    shown_dir = InitialDir;
    shown_name = FileName;
    shown_filter = Filter;
    if (cancel) return false;
    FileName = answer;
    if (answer_filter) FilterIndex = answer_filter;
    return true;
  }
};

std::string generated_text(std::uint32_t seed, const GENERATOR_VALUES& values,
                           GENERATION_METHOD method = GENERATION_METHOD::Basic) {
  TempDir dir;
  const std::string path = dir.file("p.txt");
  EXPECT_EQ(generate_problem_file(method, values, seed, path), 1);
  return read_file(path);
}

// The input check's result for a generated file; messages into check.
int check_generated(std::uint32_t seed, const GENERATOR_VALUES& values, InputCheck& check,
                    GENERATION_METHOD method = GENERATION_METHOD::Basic) {
  TempDir dir;
  input_file_name = dir.file("checked.sif");
  EXPECT_EQ(generate_problem_file(method, values, seed, input_file_name), 1);
  return check_input_data(check);
}

}  // namespace

TEST(Deviate, StaysWithinItsRangeAndReachesBothEnds) {
  seed_random(7);
  struct Case {
    int v, p, low, high;
  };
  for (const Case c : {Case{1000, 20, 800, 1200}, Case{10, 20, 8, 12}, Case{12, 20, 10, 14},
                       Case{5, 100, 0, 10}, Case{1, 100, 0, 2}}) {
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
      const int x = deviate(c.v, c.p);
      ASSERT_GE(x, c.low) << c.v << " " << c.p;
      ASSERT_LE(x, c.high) << c.v << " " << c.p;
      seen.insert(x);
    }
    EXPECT_EQ(*seen.begin(), c.low) << c.v << " " << c.p;
    EXPECT_EQ(*seen.rbegin(), c.high) << c.v << " " << c.p;
  }
}

TEST(Deviate, BelowOneUnitOfDeviationReturnsTheValueWithoutADraw) {
  seed_random(3);
  const long first = rand_long();
  seed_random(3);
  EXPECT_EQ(deviate(4, 20), 4);  // d = 0.8
  EXPECT_EQ(deviate(1000, 0), 1000);
  EXPECT_EQ(deviate(0, 100), 0);
  EXPECT_EQ(rand_long(), first);  // none of them drew
}

TEST(ProblemGenerator, DefaultBasicProblemsLoadWithTheExpectedShape) {
  const GENERATOR_VALUES values = default_generator_values();
  for (std::uint32_t seed : {1u, 2u, 99u}) {
    SCOPED_TRACE(seed);
    ASSERT_TRUE(load_generated_problem(seed, values));
    ASSERT_EQ(n_of_SetupTypes, 4);
    int machines = 0;
    for (int g = 1; g <= 10; ++g) {
      EXPECT_GE(MG_M_ex[g][0], 10);
      EXPECT_LE(MG_M_ex[g][0], 14);
      machines += MG_M_ex[g][0];
      EXPECT_GE(Exe_O[g][0], 32);
      EXPECT_LE(Exe_O[g][0], 48);
    }
    EXPECT_EQ(machines, n_of_Machines);
    for (int m = 1; m <= n_of_Machines; ++m) {
      const MACHINE& mc = Machines[m];
      EXPECT_GE(mc.Speed, 7);  // deviate(deviate(10, 20), 20)
      EXPECT_LE(mc.Speed, 14);
      ASSERT_EQ(mc.N_Cal, 10);
      EXPECT_LT(mc.Cal[1].ST, 400);
      for (int i = 1; i <= 10; ++i) {
        EXPECT_GE(mc.Cal[i].ET - mc.Cal[i].ST, 800);
        EXPECT_LE(mc.Cal[i].ET - mc.Cal[i].ST, 1200);
        if (i > 1) EXPECT_GE(mc.Cal[i].ST - mc.Cal[i - 1].ET, 80);
      }
      for (int a = 1; a <= 4; ++a)
        for (int b = 1; b <= 4; ++b) {
          if (a == b) {
            EXPECT_EQ(mc.SetupM(a, b), 0);
          } else {
            EXPECT_GE(mc.SetupM(a, b), 40);
            EXPECT_LE(mc.SetupM(a, b), 60);
          }
        }
    }
    long long jobs = 0;
    for (int o = 1; o <= n_of_Orders; ++o) {
      const ORDER& od = Orders[o];
      EXPECT_GT(od.CET, od.CST);
      EXPECT_LT(od.CST, 360);
      EXPECT_GE(od.NJob, 1);
      EXPECT_GE(od.SJob, 1);
      EXPECT_GE(od.N_Routes, 1);  // every group gives it a machine
      for (int g = 1; g <= 10; ++g) EXPECT_GE(od.MG_M[g][0], 1);
      if (o > 1) EXPECT_GE(od.Exe, Orders[o - 1].Exe);  // ids consecutive type by type
      jobs += od.NJob;
    }
    EXPECT_EQ(jobs, n_of_Jobs);
    EXPECT_GE(n_of_Jobs, 3000);
    EXPECT_LE(n_of_Jobs, 5000);
  }
}

TEST(ProblemGenerator, GeneratedFilesPassTheInputCheckWithoutMessages) {
  GENERATOR_VALUES one_machine = default_generator_values();
  one_machine.Mv = 5;
  one_machine.Ov = 7;
  struct Case {
    std::uint32_t seed;
    GENERATOR_VALUES values;
    GENERATION_METHOD method;
  };
  const auto basic = GENERATION_METHOD::Basic;
  for (const Case& c : {Case{1, default_generator_values(), basic}, Case{2, default_generator_values(), basic},
                        Case{99, default_generator_values(), basic},
                        Case{3, generator_values_for(GeneratedSize::Small), basic},
                        Case{4, generator_values_for(GeneratedSize::Large), basic},
                        Case{5, one_machine, GENERATION_METHOD::OneMachine}}) {
    SCOPED_TRACE(c.seed);
    InputCheck check;
    EXPECT_EQ(check_generated(c.seed, c.values, check, c.method), 1);
    EXPECT_TRUE(check.error_list.empty()) << check.error_list.front();
    EXPECT_TRUE(check.warning_list.empty()) << check.warning_list.front();
  }
}

TEST(ProblemGenerator, ExtremeValuesGiveFilesTheCheckReports) {
  GENERATOR_VALUES v = default_generator_values();
  v.Wv = 0;  // every time window empty: CET = CST
  InputCheck check;
  EXPECT_EQ(check_generated(1, v, check), 2);
  EXPECT_TRUE(check.error_list.empty());
  EXPECT_FALSE(check.warning_list.empty());

  v = default_generator_values();
  v.Mv = 0;  // no machines at all
  InputCheck none;
  EXPECT_EQ(check_generated(1, v, none), -1);
}

TEST(ProblemGenerator, SameSeedGivesTheSameFileAndAnotherSeedAnotherOne) {
  const GENERATOR_VALUES values = default_generator_values();
  const std::string a = generated_text(5, values);
  EXPECT_EQ(generated_text(5, values), a);
  EXPECT_NE(generated_text(6, values), a);
}

TEST(ProblemGenerator, WritesTheRecordLayout) {
  GENERATOR_VALUES v = generator_values_for(GeneratedSize::Small);
  v.S = 2;
  v.E = 2;
  const std::string text = generated_text(11, v);
  EXPECT_EQ(text.compare(0, 10, "001|10|10|"), 0) << text.substr(0, 20);
  EXPECT_EQ(text.back(), '\n');
  const auto recs = records_of(text);
  // Machine 0 of group 1: 100, 110, two 120, 130 with S x S, four 140.
  ASSERT_GE(recs.size(), 10u);
  EXPECT_EQ(recs[1][0], 100);
  EXPECT_EQ(recs[1][1], 0);
  EXPECT_EQ(recs[1][3], 0);
  EXPECT_EQ(recs[1][4], 0);
  EXPECT_EQ(recs[2], (std::vector<int>{110, 0, 2}));
  EXPECT_EQ(recs[3][0], 120);
  EXPECT_EQ(recs[4][0], 120);
  EXPECT_EQ(recs[5], (std::vector<int>{130, 0, 4}));
  EXPECT_EQ(recs[6], (std::vector<int>{140, 0, 0, 0, 0}));
  EXPECT_EQ(recs[7][0], 140);
  EXPECT_EQ(recs[7][2], 0);
  EXPECT_EQ(recs[7][3], 1);
  EXPECT_EQ(recs[9], (std::vector<int>{140, 0, 1, 1, 0}));
  // The last machine is of group 10 (steps 0..3); then order 0 of type 1,
  // whose 220 lines name one machine of each group.
  const std::size_t order0 = 1 + 10 * 9;  // nine records a machine
  EXPECT_EQ(recs[order0 - 9], (std::vector<int>{100, 9, recs[order0 - 9][2], 0, 3}));
  ASSERT_EQ(recs[order0][0], 200);
  EXPECT_EQ(recs[order0][1], 0);
  EXPECT_GT(recs[order0][2], recs[order0][3]);  // due date before earliest start
  EXPECT_EQ(recs[order0][6], 0);
  EXPECT_EQ(recs[order0][7], 0);
  EXPECT_EQ(recs[order0 + 1], (std::vector<int>{210, 0, 10}));
  for (int m = 0; m < 10; ++m) {
    const std::vector<int>& step = recs[order0 + 2 + m];
    EXPECT_EQ(step[0], 220);
    EXPECT_EQ(step[4], m);
    EXPECT_EQ(step[2], recs[1 + 9 * m][3]);  // the machine's own steps
    EXPECT_EQ(step[3], recs[1 + 9 * m][4]);
  }
  EXPECT_EQ(recs.back()[0], 220);
  EXPECT_EQ(recs.back()[1], 9);  // order 9 (type 10) ends the file
}

TEST(ProblemGenerator, OneMachineMethodKeepsExactCounts) {
  GENERATOR_VALUES v = default_generator_values();
  v.Mv = 5;
  v.Ov = 7;
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    ASSERT_TRUE(load_generated_problem(seed, v, GENERATION_METHOD::OneMachine));
    ASSERT_EQ(n_of_Machines, 5);
    ASSERT_EQ(n_of_Orders, 7);
    for (int m = 1; m <= 5; ++m) {
      EXPECT_EQ(Machines[m].StartStep, 1);
      EXPECT_EQ(Machines[m].EndStep, 1);
    }
    for (int o = 1; o <= 7; ++o) {
      EXPECT_EQ(Orders[o].Exe, 1);
      EXPECT_GE(Orders[o].N_Step, 1);
      EXPECT_EQ(Orders[o].MG_M[1][0], Orders[o].N_Step);
    }
  }
}

TEST(ProblemGenerator, MachineRequirementsDecideHowManyMachinesAnOrderMayUse) {
  GENERATOR_VALUES v = default_generator_values();
  v.R = 1;
  ASSERT_TRUE(load_generated_problem(4, v));
  for (int o = 1; o <= n_of_Orders; ++o) {
    ASSERT_EQ(Orders[o].N_Step, n_of_Machines);
    for (int g = 1; g <= 10; ++g) EXPECT_EQ(Orders[o].MG_M[g][0], MG_M_ex[g][0]);
  }

  v.R = 10;  // one machine per group, and each other one with probability 1/10
  ASSERT_TRUE(load_generated_problem(4, v));
  long long extra = 0, others = 0;
  for (int o = 1; o <= n_of_Orders; ++o)
    for (int g = 1; g <= 10; ++g) {
      ASSERT_GE(Orders[o].MG_M[g][0], 1);
      extra += Orders[o].MG_M[g][0] - 1;
      others += MG_M_ex[g][0] - 1;
    }
  EXPECT_NEAR(static_cast<double>(extra) / others, 0.1, 0.02);
}

TEST(ProblemGenerator, EmptyMachineGroupGetsNoPermittedMachines) {
  GENERATOR_VALUES v = default_generator_values();
  v.Mv = 1;
  v.Mp = 100;  // 0, 1 or 2 machines per group
  ASSERT_TRUE(load_generated_problem(8, v));
  int empty_groups = 0;
  for (int g = 1; g <= 10; ++g) {
    if (MG_M_ex[g][0] != 0) continue;
    ++empty_groups;
    for (int o = 1; o <= n_of_Orders; ++o) EXPECT_EQ(Orders[o].MG_M[g][0], 0);
  }
  EXPECT_GT(empty_groups, 0) << "seed 8 no longer draws an empty group; pick another";
}

TEST(ProblemGenerator, ZeroMachinesStillWritesAFile) {
  GENERATOR_VALUES v = default_generator_values();
  v.Mv = 0;
  const auto recs = records_of(generated_text(1, v));
  ASSERT_FALSE(recs.empty());
  EXPECT_EQ(recs[0][1], 0);
  EXPECT_EQ(recs[1][0], 200);
  EXPECT_EQ(recs[2], (std::vector<int>{210, 0, 0}));
}

TEST(ProblemGenerator, SaveDialogIsSetUpAndItsChoiceDecidesTheFile) {
  TempDir dir;
  const std::string program_dir = dir.path() + "/";
  const GENERATOR_VALUES v = generator_values_for(GeneratedSize::Small);
  AnsweringDialog dialog;
  dialog.FilterIndex = 2;  // the user's last choice stays
  dialog.answer = dir.file("mine.sif");
  ASSERT_EQ(generate_basic_problem(v, dialog, program_dir, 1u), 1);
  EXPECT_EQ(dialog.shown_dir, program_dir);
  EXPECT_EQ(dialog.shown_name, program_dir + "input_data.txt");
  EXPECT_EQ(dialog.shown_filter, "Scheduling input file (*.sif)|*.sif|Text file (*.txt)|*.txt");
  EXPECT_TRUE(std::filesystem::exists(dir.file("mine.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("mine.sif")));

  dialog.answer = dir.file("plain.dat");
  ASSERT_EQ(generate_one_machine_problem(v, dialog, program_dir, 1u), 1);
  EXPECT_EQ(dialog.shown_filter, "txt");
  EXPECT_TRUE(std::filesystem::exists(dir.file("plain.dat")));

  dialog.cancel = true;
  dialog.answer = dir.file("never.txt");
  EXPECT_EQ(generate_basic_problem(v, dialog, program_dir, 1u), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.file("never.txt")));
}

TEST(ProblemGenerator, DialogMethodAndSeededFileGiveTheSameProblem) {
  TempDir dir;
  const GENERATOR_VALUES v = default_generator_values();
  AnsweringDialog dialog;
  dialog.answer = dir.file("a.sif");
  dialog.answer_filter = 1;
  ASSERT_EQ(generate_basic_problem(v, dialog, dir.path() + "/", 21u), 1);
  EXPECT_EQ(read_file(dir.file("a.sif")), generated_text(21, v));
}

TEST(ProblemGenerator, FailedWriteKeepsWhatWasThere) {
  TempDir dir;
  const GENERATOR_VALUES v = generator_values_for(GeneratedSize::Small);
  // A folder standing where the file should go: nothing replaces it, and no
  // temporary file is left beside it.
  std::filesystem::create_directory(dir.file("taken"));
  EXPECT_EQ(generate_problem_file(GENERATION_METHOD::Basic, v, 1, dir.file("taken")), -1);
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_EQ(generate_problem_file(GENERATION_METHOD::Basic, v, 1, dir.file("no/such/dir.txt")), -1);

  // An earlier, longer file is replaced whole.
  const std::string path = dir.write("old.txt", std::string(1 << 20, 'x'));
  ASSERT_EQ(generate_problem_file(GENERATION_METHOD::Basic, v, 1, path), 1);
  EXPECT_EQ(read_file(path), generated_text(1, v));
}

TEST(ProblemGenerator, ValuesOutsideTheFieldRangesAreRefusedBeforeTheDialog) {
  TempDir dir;
  GENERATOR_VALUES v = default_generator_values();
  v.Op = 500;  // a deviation beyond 100 % would draw negative counts
  AnsweringDialog dialog;
  dialog.answer = dir.file("x.txt");
  EXPECT_EQ(generate_basic_problem(v, dialog, dir.path() + "/", 1u), -1);
  EXPECT_EQ(dialog.shown, 0);
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.txt")));
}

TEST(GeneratorFileName, BasicMethodTakesTheFiltersExtension) {
  const auto basic = GENERATION_METHOD::Basic;
  EXPECT_EQ(generator_file_name(basic, "/data/problem.txt", 1), "/data/problem.sif");
  EXPECT_EQ(generator_file_name(basic, "/data/problem.sif", 2), "/data/problem.txt");
  EXPECT_EQ(generator_file_name(basic, "/data/problem", 1), "/data/problem.sif");
  EXPECT_EQ(generator_file_name(basic, "/data/problem", 2), "/data/problem.txt");
  EXPECT_EQ(generator_file_name(basic, "/data/a.b.c", 1), "/data/a.b.sif");
  // A dot in a folder name is no extension.
  EXPECT_EQ(generator_file_name(basic, "/home/j.doe/problem", 1), "/home/j.doe/problem.sif");
  EXPECT_EQ(generator_file_name(basic, "C:\\my.dir\\problem", 2), "C:\\my.dir\\problem.txt");
  EXPECT_EQ(generator_file_name(GENERATION_METHOD::OneMachine, "/data/p.dat", 1), "/data/p.dat");
  EXPECT_EQ(generator_file_name(GENERATION_METHOD::OneMachine, "/data/p", 2), "/data/p");
}

TEST(GeneratedProblem, SizesForTestsAndBenchmarks) {
  ASSERT_TRUE(load_generated_problem(1, GeneratedSize::Small));
  EXPECT_EQ(n_of_Machines, 10);
  EXPECT_EQ(n_of_Jobs, 40);
  for (int o = 1; o <= n_of_Orders; ++o) EXPECT_GE(Orders[o].N_Routes, 1);

  ASSERT_TRUE(load_generated_problem(1, GeneratedSize::Large));
  EXPECT_GE(n_of_Machines, 390);  // ten groups of deviate(48, 20)
  EXPECT_LE(n_of_Machines, 570);
  EXPECT_GE(n_of_Jobs, 12000);
  EXPECT_LE(n_of_Jobs, 20000);
}
