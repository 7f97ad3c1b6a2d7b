#include "problem_io/problem_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <regex>
#include <set>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "engine/shop_structure.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
// Answers the save dialog with a fixed name (or cancels) and keeps what it was shown.
class AnsweringDialog : public SaveDialog {
 public:
  std::string answer, shown_dir, shown_name, shown_filter;
  bool cancel = false;
  int shown = 0;
  bool Execute() override {
    ++shown;
    shown_dir = InitialDir;
    shown_name = FileName;
    shown_filter = Filter;
    FileName = answer;
    return !cancel;
  }
};

std::string generated_text(std::uint32_t seed, const GENERATOR_VALUES& values) {
  TempDir dir;
  EXPECT_EQ(generate_problem_file(GENERATION_METHOD::Basic, values, seed, dir.file("p.txt")), 1);
  return read_file(dir.file("p.txt"));
}

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
  for (const auto& c : {std::array<int, 4>{1000, 20, 800, 1200}, {10, 20, 8, 12}, {12, 20, 10, 14}, {5, 100, 0, 10}}) {
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) seen.insert(deviate(c[0], c[1]));
    EXPECT_EQ(*seen.begin(), c[2]) << c[0] << " " << c[1];
    EXPECT_EQ(*seen.rbegin(), c[3]) << c[0] << " " << c[1];
  }
}

TEST(Deviate, BelowOneUnitOfDeviationReturnsTheValueWithoutADraw) {
  seed_random(3);
  const long first = rand_long();
  seed_random(3);
  EXPECT_EQ(deviate(4, 20), 4);  // d = 0.8
  EXPECT_EQ(deviate(1000, 0), 1000);
  EXPECT_EQ(rand_long(), first);
}

TEST(ProblemGenerator, DefaultBasicProblemsLoadWithTheExpectedShape) {
  for (std::uint32_t seed : {1u, 2u, 99u}) {
    SCOPED_TRACE(seed);
    ASSERT_TRUE(load_generated_problem(seed, default_generator_values()));
    for (int g = 1; g <= 10; ++g) {
      EXPECT_TRUE(MG_M_ex[g][0] >= 10 && MG_M_ex[g][0] <= 14) << MG_M_ex[g][0];
      EXPECT_TRUE(Exe_O[g][0] >= 32 && Exe_O[g][0] <= 48) << Exe_O[g][0];
    }
    for (int m = 1; m <= n_of_Machines; ++m) {
      const MACHINE& mc = Machines[m];
      EXPECT_TRUE(mc.Speed >= 7 && mc.Speed <= 14) << mc.Speed;  // deviate(deviate(10, 20), 20)
      ASSERT_EQ(mc.N_Cal, 10);
      EXPECT_LT(mc.Cal[1].ST, 400);
      for (int a = 1; a <= 4; ++a) EXPECT_EQ(mc.SetupM(a, a), 0);
    }
    for (int o = 1; o <= n_of_Orders; ++o)
      for (int g = 1; g <= 10; ++g) ASSERT_GE(Orders[o].MG_M[g][0], 1);  // every group gives one
    EXPECT_TRUE(n_of_Jobs >= 3000 && n_of_Jobs <= 5000) << n_of_Jobs;
  }
}

TEST(ProblemGenerator, GeneratedFilesPassTheInputCheckWithoutMessages) {
  GENERATOR_VALUES one_machine = default_generator_values();
  one_machine.Mv = 5;
  one_machine.Ov = 7;
  const auto basic = GENERATION_METHOD::Basic;
  const std::vector<std::pair<GENERATOR_VALUES, GENERATION_METHOD>> cases = {
      {default_generator_values(), basic}, {default_generator_values(), basic},
      {generator_values_for(GeneratedSize::Small), basic}, {generator_values_for(GeneratedSize::Large), basic},
      {one_machine, GENERATION_METHOD::OneMachine}};
  for (std::uint32_t seed = 0; seed < cases.size(); ++seed) {
    InputCheck check;
    EXPECT_EQ(check_generated(seed, cases[seed].first, check, cases[seed].second), 1) << seed;
  }
  // Extreme values stay as asked for; the check reports them.
  GENERATOR_VALUES v = default_generator_values();
  v.Wv = 0;  // CET = CST: a warning
  InputCheck windows;
  EXPECT_EQ(check_generated(1, v, windows), 2);
  v.Mv = 0;  // no machines at all: an error
  InputCheck none;
  EXPECT_EQ(check_generated(1, v, none), -1);
}

TEST(ProblemGenerator, WritesTheRecordLayout) {
  GENERATOR_VALUES v = generator_values_for(GeneratedSize::Small);  // a machine a group, an order a type
  v.S = 2;
  v.E = 1;
  const std::string n = "\\d+";
  auto steps = [](int g) {
    return std::to_string(exe_type_first_step(g) - 1) + "\\|" + std::to_string(exe_type_last_step(g) - 1);
  };
  std::string pattern = "001\\|10\\|10\\|2\n";
  for (int m = 0; m < 10; ++m) {
    const std::string id = std::to_string(m);
    pattern += "100\\|" + id + "\\|" + n + "\\|" + steps(m + 1) + "\n110\\|" + id + "\\|1\n120\\|" + id + "\\|" + n +
               "\\|" + n + "\n130\\|" + id + "\\|4\n140\\|" + id + "\\|0\\|0\\|0\n140\\|" + id + "\\|0\\|1\\|" + n +
               "\n140\\|" + id + "\\|1\\|0\\|" + n + "\n140\\|" + id + "\\|1\\|1\\|0\n";
  }
  for (int o = 0; o < 10; ++o) {
    const std::string id = std::to_string(o);
    pattern += "200\\|" + id + "\\|" + n + "\\|" + n + "\\|4\\|" + n + "\\|" + steps(o + 1) + "\\|[01]\n210\\|" + id +
               "\\|10\n";
    for (int m = 0; m < 10; ++m) pattern += "220\\|" + id + "\\|" + steps(m + 1) + "\\|" + std::to_string(m) + "\n";
  }
  const std::string text = generated_text(11, v);
  EXPECT_TRUE(std::regex_match(text, std::regex(pattern))) << text;
  EXPECT_EQ(generated_text(11, v), text);  // the same seed, the same file
  EXPECT_NE(generated_text(12, v), text);
}

TEST(ProblemGenerator, OneMachineMethodKeepsExactCounts) {
  GENERATOR_VALUES v = default_generator_values();
  v.Mv = 5;
  v.Ov = 7;
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    ASSERT_TRUE(load_generated_problem(seed, v, GENERATION_METHOD::OneMachine));
    ASSERT_EQ(n_of_Machines, 5);
    ASSERT_EQ(n_of_Orders, 7);
    EXPECT_EQ(MG_M_ex[1][0], 5);
    for (int o = 1; o <= 7; ++o) {
      EXPECT_EQ(Orders[o].Exe, 1);
      EXPECT_GE(Orders[o].MG_M[1][0], 1);
    }
  }
}

TEST(ProblemGenerator, MachineRequirementsDecideHowManyMachinesAnOrderMayUse) {
  GENERATOR_VALUES v = default_generator_values();
  v.R = 1;
  ASSERT_TRUE(load_generated_problem(4, v));
  for (int o = 1; o <= n_of_Orders; ++o)
    for (int g = 1; g <= 10; ++g) ASSERT_EQ(Orders[o].MG_M[g][0], MG_M_ex[g][0]);

  v.R = 10;  // the pick of each group, and any other machine with probability 1/10
  ASSERT_TRUE(load_generated_problem(4, v));
  long long extra = 0, others = 0;
  for (int o = 1; o <= n_of_Orders; ++o)
    for (int g = 1; g <= 10; ++g) {
      extra += Orders[o].MG_M[g][0] - 1;
      others += MG_M_ex[g][0] - 1;
    }
  EXPECT_NEAR(static_cast<double>(extra) / others, 0.1, 0.02);

  v = default_generator_values();
  v.Mv = 1;
  v.Mp = 100;  // 0, 1 or 2 machines a group; an empty group permits nothing
  ASSERT_TRUE(load_generated_problem(8, v));
  int empty_groups = 0;
  for (int g = 1; g <= 10; ++g)
    if (MG_M_ex[g][0] == 0) {
      ++empty_groups;
      for (int o = 1; o <= n_of_Orders; ++o) EXPECT_EQ(Orders[o].MG_M[g][0], 0);
    }
  EXPECT_GT(empty_groups, 0) << "seed 8 no longer draws an empty group";
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
  EXPECT_EQ(read_file(dir.file("mine.txt")), generated_text(1, v));
  EXPECT_FALSE(fs::exists(dir.file("mine.sif")));

  dialog.answer = dir.file("plain.dat");
  ASSERT_EQ(generate_one_machine_problem(v, dialog, program_dir, 1u), 1);
  EXPECT_EQ(dialog.shown_filter, "txt");
  EXPECT_TRUE(fs::exists(dir.file("plain.dat")));

  dialog.cancel = true;
  dialog.answer = dir.file("never.txt");
  EXPECT_EQ(generate_basic_problem(v, dialog, program_dir, 1u), 0);
  EXPECT_FALSE(fs::exists(dir.file("never.txt")));

  // Values no field lets through are refused before the dialog shows.
  GENERATOR_VALUES wild = v;
  wild.Op = 500;  // would draw negative order counts
  dialog.shown = 0;
  EXPECT_EQ(generate_basic_problem(wild, dialog, program_dir, 1u), -1);
  EXPECT_EQ(dialog.shown, 0);
}

TEST(ProblemGenerator, FailedWriteKeepsWhatWasThere) {
  TempDir dir;
  const GENERATOR_VALUES v = generator_values_for(GeneratedSize::Small);
  // A folder where the file should go stays, and no temporary file is left.
  fs::create_directory(dir.file("taken"));
  EXPECT_EQ(generate_problem_file(GENERATION_METHOD::Basic, v, 1, dir.file("taken")), -1);
  EXPECT_TRUE(fs::is_directory(dir.file("taken")));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
  EXPECT_EQ(generate_problem_file(GENERATION_METHOD::Basic, v, 1, dir.file("no/such/dir.txt")), -1);
  // An earlier, longer file is replaced whole.
  const std::string path = dir.write("old.txt", std::string(1 << 20, 'x'));
  ASSERT_EQ(generate_problem_file(GENERATION_METHOD::Basic, v, 1, path), 1);
  EXPECT_EQ(read_file(path), generated_text(1, v));
}

TEST(GeneratorFileName, BasicMethodTakesTheFiltersExtension) {
  const auto basic = GENERATION_METHOD::Basic;
  EXPECT_EQ(generator_file_name(basic, "/data/problem.txt", 1), "/data/problem.sif");
  EXPECT_EQ(generator_file_name(basic, "/data/problem.sif", 2), "/data/problem.txt");
  EXPECT_EQ(generator_file_name(basic, "/data/problem", 1), "/data/problem.sif");
  EXPECT_EQ(generator_file_name(basic, "/data/a.b.c", 2), "/data/a.b.txt");
  EXPECT_EQ(generator_file_name(basic, "/home/j.doe/problem", 1), "/home/j.doe/problem.sif");
  EXPECT_EQ(generator_file_name(basic, "C:\\my.dir\\problem", 2), "C:\\my.dir\\problem.txt");
  EXPECT_EQ(generator_file_name(GENERATION_METHOD::OneMachine, "/data/p.dat", 1), "/data/p.dat");
}

TEST(GeneratedProblem, SizesForTestsAndBenchmarks) {
  ASSERT_TRUE(load_generated_problem(1, GeneratedSize::Small));
  EXPECT_EQ(n_of_Machines, 10);
  EXPECT_EQ(n_of_Jobs, 40);
  for (int o = 1; o <= n_of_Orders; ++o) EXPECT_GE(Orders[o].N_Routes, 1);
  ASSERT_TRUE(load_generated_problem(1, GeneratedSize::Large));
  EXPECT_TRUE(n_of_Machines >= 390 && n_of_Machines <= 570) << n_of_Machines;  // ten groups of deviate(48, 20)
  EXPECT_TRUE(n_of_Jobs >= 12000 && n_of_Jobs <= 20000) << n_of_Jobs;
}
