#include "problem_io/problem_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <filesystem>
#include <set>
#include <sstream>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/generated_problem.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
// Answers the save dialog with a fixed name (or cancels) and keeps what it was shown.
struct AnsweringDialog : SaveDialog {
  std::string answer, shown_dir, shown_name, shown_filter;
  bool cancel = false;
  int shown = 0;
  bool Execute() override {
    ++shown, shown_dir = InitialDir, shown_name = FileName, shown_filter = Filter, FileName = answer;
    return !cancel;
  }
};

std::string generated_text(std::uint32_t seed, const GENERATOR_VALUES& values,
                           GENERATION_METHOD method = GENERATION_METHOD::Basic) {
  TempDir dir;
  EXPECT_EQ(generate_problem_file(method, values, seed, dir.file("p.txt")), 1);
  return read_file(dir.file("p.txt"));
}
}  // namespace

TEST(Deviate, StaysWithinItsRangeAndDrawsOnlyFromOneUnitOfDeviation) {
  seed_random(7);
  for (const auto& c : {std::array<int, 4>{1000, 20, 800, 1200}, {10, 20, 8, 12}, {12, 20, 10, 14}, {5, 100, 0, 10}}) {
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) seen.insert(deviate(c[0], c[1]));
    EXPECT_EQ(*seen.begin(), c[2]) << c[0] << " " << c[1];
    EXPECT_EQ(*seen.rbegin(), c[3]) << c[0] << " " << c[1];
  }
  // Values far beyond the fields' ranges end at the ends of int, never wrap.
  for (int i = 0; i < 100; ++i) ASSERT_GE(deviate(INT_MAX, 50), INT_MAX / 2);
  EXPECT_EQ(deviate(INT_MAX / 2, 1000), INT_MIN);

  seed_random(3);
  const long first = rand_long();
  seed_random(3);
  EXPECT_EQ(deviate(4, 20), 4);  // d = 0.8
  EXPECT_EQ(deviate(1000, 0), 1000);
  EXPECT_EQ(rand_long(), first);
}

// The whole file of a small one-machine problem, replayed draw by draw: the
// file changes when any value is drawn out of its turn.
TEST(ProblemGenerator, DrawsEveryValueInItsTurnAndWritesTheRecordLayout) {
  GENERATOR_VALUES p = default_generator_values();
  p.Mv = 2, p.Ov = 3, p.S = 2, p.E = 2, p.R = 6;
  p.Mp = p.Op = 100;  // unused by this method: exactly Mv machines and Ov orders
  const std::string text = generated_text(5, p, GENERATION_METHOD::OneMachine);

  seed_random(5);
  std::array<int, 11> v{}, j{}, q{}, b{};
  for (int g = 1; g <= 10; ++g) v[g] = deviate(p.Vv, p.Vp);
  for (int t = 1; t <= 10; ++t) {
    j[t] = deviate(p.Jv, p.Jp);
    q[t] = deviate(p.Qv, p.Qp);
    b[t] = deviate(p.Bv, p.Bp);
  }
  std::ostringstream want;
  want << "001|2|3|2\n";
  for (int m = 0; m < 2; ++m) {
    const int speed = deviate(v[1], p.Vp);
    want << "100|" << m << '|' << speed << "|0|0\n110|" << m << "|2\n";
    int et = 0;
    for (int k = 1; k <= 2; ++k) {
      const int st = k == 1 ? rand_n(p.F) : et + deviate(p.Uv, p.Up);
      et = st + deviate(p.Av, p.Ap);
      want << "120|" << m << '|' << st << '|' << et << '\n';
    }
    const int s01 = deviate(p.Sv, p.Sp);
    const int s10 = deviate(p.Sv, p.Sp);
    want << "130|" << m << "|4\n140|" << m << "|0|0|0\n140|" << m << "|0|1|" << s01 << "\n140|" << m << "|1|0|"
         << s10 << "\n140|" << m << "|1|1|0\n";
  }
  for (int o = 0; o < 3; ++o) {
    const int njob = deviate(j[1], p.Jp);
    const int sjob = deviate(q[1], p.Qp);
    const int setup = rand_n(p.S);
    const int cst = rand_n(b[1]);
    const int cet = cst + deviate(p.Wv, p.Wp);
    const int pick = rand_n(2) + 1;
    std::vector<int> permitted;
    for (int i = 1; i <= 2; ++i)
      if (i == pick || rand_n(10) + 1 >= p.R) permitted.push_back(i - 1);
    want << "200|" << o << '|' << cet << '|' << cst << '|' << njob << '|' << sjob << "|0|0|" << setup << "\n210|"
         << o << '|' << permitted.size() << '\n';
    for (int m : permitted) want << "220|" << o << "|0|0|" << m << '\n';
  }
  EXPECT_EQ(text, want.str());

  // The basic method draws each group's machine count just before its speed,
  // and each type's order count just before its three means.
  p = default_generator_values();
  p.Mv = p.Ov = 5;
  p.Mp = p.Op = 100;
  p.E = p.S = 1;
  seed_random(6);
  int M = 0, O = 0;
  for (int g = 1; g <= 10; ++g) {
    M += deviate(p.Mv, p.Mp);
    deviate(p.Vv, p.Vp);
  }
  for (int t = 1; t <= 10; ++t) {
    O += deviate(p.Ov, p.Op);
    for (const int mean : {p.Jv, p.Qv, p.Bv}) deviate(mean, 20);
  }
  const std::string header = generated_text(6, p).substr(0, 16);
  EXPECT_EQ(header.substr(0, header.find('\n')), "001|" + std::to_string(M) + '|' + std::to_string(O) + "|1");
}

TEST(ProblemGenerator, GeneratedFilesPassTheInputCheckWithoutMessages) {
  GENERATOR_VALUES one_machine = default_generator_values();
  one_machine.Mv = 5;
  one_machine.Ov = 7;
  GENERATOR_VALUES zero_windows = default_generator_values();
  zero_windows.Wv = 0;  // CET = CST: a warning
  GENERATOR_VALUES no_machines = zero_windows;
  no_machines.Mv = 0;  // an error
  const auto basic = GENERATION_METHOD::Basic;
  const struct {
    GENERATOR_VALUES values;
    GENERATION_METHOD method;
    int result;
  } cases[] = {{default_generator_values(), basic, 1},
               {one_machine, GENERATION_METHOD::OneMachine, 1},
               {zero_windows, basic, 2},
               {no_machines, basic, -1}};
  std::uint32_t seed = 0;
  for (const auto& c : cases) {
    TempDir dir;
    input_file_name = dir.file("checked.sif");
    ASSERT_EQ(generate_problem_file(c.method, c.values, ++seed, input_file_name), 1);
    InputCheck check;
    EXPECT_EQ(check_input_data(check), c.result) << seed;
  }
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

// A file that cannot be written is reported; a folder in its place stays.
TEST(ProblemGenerator, FailedWriteIsReportedAndKeepsWhatWasThere) {
  TempDir dir;
  const GENERATOR_VALUES v = generator_values_for(GeneratedSize::Small);
  fs::create_directory(dir.file("taken"));
  EXPECT_EQ(generate_problem_file(GENERATION_METHOD::Basic, v, 1, dir.file("taken")), -1);
  EXPECT_TRUE(fs::is_directory(dir.file("taken")));
  EXPECT_EQ(generate_problem_file(GENERATION_METHOD::Basic, v, 1, dir.file("no/such/dir.txt")), -1);
}

TEST(GeneratorFileName, BasicMethodTakesTheFiltersExtension) {
  const auto basic = GENERATION_METHOD::Basic;
  EXPECT_EQ(generator_file_name(basic, "/data/problem.txt", 1), "/data/problem.sif");
  EXPECT_EQ(generator_file_name(basic, "/data/a.b.sif", 2), "/data/a.b.txt");
  EXPECT_EQ(generator_file_name(basic, "/home/j.doe/problem", 1), "/home/j.doe/problem.sif");
  EXPECT_EQ(generator_file_name(GENERATION_METHOD::OneMachine, "/data/p.dat", 1), "/data/p.dat");
}
