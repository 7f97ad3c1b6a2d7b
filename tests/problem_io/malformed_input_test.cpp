// Files of any content end in messages or a refusal: never a crash, a read
// outside a table, or a loaded problem whose counts disagree with its tables.
// Run under the sanitizers, these cases are the guard on both.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "problem_io/input_reader.h"
#include "tests/support/input_text.h"
#include "tests/support/problem_consistency.h"

namespace {

using Lines = std::vector<std::string>;

bool ends_with_line_number(const std::string& message) {
  const std::size_t at = message.rfind(" -> line_");
  return at != std::string::npos && at + 9 < message.size() &&
         std::all_of(message.begin() + static_cast<long>(at) + 9, message.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

class MalformedInput : public ::testing::Test {
 protected:
  void TearDown() override { free_input_data(); }

  // Checks text, reads it unchecked, and reads it again when the check lets
  // it load; returns the check's result.
  int exercise(const std::string& text) {
    const CheckOutcome o = check_text(dir, text);
    EXPECT_TRUE(o.result == -1 || o.result == 1 || o.result == 2) << o.result;
    for (const Lines* list : {&o.errors, &o.warnings})
      for (const std::string& m : *list) EXPECT_TRUE(ends_with_line_number(m)) << m;
    if (read_input_path(input_file_name) == 1) {
      EXPECT_EQ(problem_consistency_fault(false), "") << text;
    }
    if (o.result == 1 || o.result == 2) {
      EXPECT_EQ(read_input_path(input_file_name), 1) << text;
      EXPECT_EQ(problem_consistency_fault(true), "") << text;
      random_J_A_M_wload();  // the tables an accepted file gives carry a schedule
    }
    return o.result;
  }
  TempDir dir;
};

TEST_F(MalformedInput, EmptyAndRandomBytes) {
  EXPECT_EQ(exercise(join_lines(sample_input_lines())), 1);
  EXPECT_EQ(exercise("\n\n\n"), -1);
  std::mt19937 gen(20240611);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(gen() % 400, '\0');
    for (char& c : bytes) c = static_cast<char>(gen() % 256);
    if (round % 2) bytes = "001|3|2|2\n" + bytes;  // past the header
    EXPECT_NE(exercise(bytes), 1);
  }
  // Only digits, bars and line ends: the checker's grammar gets further.
  const char alphabet[] = "0123456789||||\n\n";
  for (int round = 0; round < 300; ++round) {
    std::string text = "001|3|2|2\n";
    for (int i = static_cast<int>(gen() % 300); i > 0; --i) text += alphabet[gen() % 16];
    exercise(text);
  }
}

TEST_F(MalformedInput, HugeNumbersInEveryField) {
  const Lines& sample = sample_input_lines();
  for (std::size_t l = 0; l < sample.size(); ++l) {
    std::size_t bar = sample[l].find('|');
    for (int field = 2; bar != std::string::npos; ++field) {
      std::string changed = sample[l];
      const std::size_t end = changed.find('|', bar + 1);
      changed.replace(bar + 1, (end == std::string::npos ? changed.size() : end) - bar - 1, "98765432109876543210");
      const std::string text = sample_with_line(static_cast<int>(l) + 1, changed);
      const CheckOutcome o = check_text(dir, text);
      EXPECT_EQ(o.result, -1);
      ASSERT_FALSE(o.errors.empty());
      EXPECT_EQ(o.errors.back(), "Value is too large: 98765432109876543210 (in " + std::to_string(field) +
                                     ". field) -> line_" + std::to_string(l + 1));
      exercise(text);
      bar = end;
    }
  }
  // Counts as large as an int holds: refused, never reserved.
  Lines big = sample;
  big[2] = "110|0|2147483647";
  big[14] = "210|0|2147483647";
  EXPECT_EQ(exercise(join_lines(big)), -1);
  EXPECT_EQ(exercise(sample_with_line(1, "001|10000|100000|2")), -1);
}

TEST_F(MalformedInput, RecordsOutOfOrder) {
  std::mt19937 gen(7);
  int accepted = 0;
  for (int round = 0; round < 300; ++round) {
    Lines lines = sample_input_lines();
    if (round % 3 == 0) {
      std::shuffle(lines.begin() + 1, lines.end(), gen);
    } else {  // one record moved elsewhere
      const std::size_t from = 1 + gen() % (lines.size() - 1);
      const std::string moved = lines[from];
      lines.erase(lines.begin() + static_cast<long>(from));
      lines.insert(lines.begin() + 1 + static_cast<long>(gen() % (lines.size() - 1)), moved);
    }
    if (exercise(join_lines(lines)) != -1) ++accepted;
  }
  EXPECT_GT(accepted, 0);  // some moves keep a valid order
}

TEST_F(MalformedInput, EveryTruncationAndLongLinesAnywhere) {
  const std::string text = join_lines(sample_input_lines());
  // Only a cut after the last digit keeps every record the file needs.
  for (std::size_t n = 0; n + 1 < text.size(); ++n) EXPECT_NE(exercise(text.substr(0, n)), 1) << n;
  const int n = static_cast<int>(sample_input_lines().size());
  for (int l = 1; l <= n + 1; ++l) {
    const std::string with_long = l <= n ? sample_with_inserted(l, "100|" + std::string(196, '1'))
                                    : join_lines(sample_input_lines()) + "100|" + std::string(196, '1') + "\n";
    EXPECT_EQ(exercise(with_long), l <= n ? -1 : 1) << l;  // after the last line the input has ended before it
  }
  EXPECT_EQ(exercise(std::string(200, '|') + "\n"), -1);
  EXPECT_EQ(exercise("001|2|1|2" + std::string(150, '|') + "\n"), -1);
}

}  // namespace
