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
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/problem_consistency.h"
#include "tests/support/temp_dir.h"

namespace {

const std::vector<std::string> kShop = {
    "001|3|2|2",
    "100|0|10|0|1", "110|0|2", "120|0|0|100", "120|0|150|300", "130|0|2", "140|0|0|1|5", "140|0|1|0|7",
    "100|1|5|2|3", "110|1|1", "120|1|0|1000", "130|1|1", "140|1|0|0|0",
    "100|2|5|0|0", "110|2|1", "120|2|0|1000", "130|2|1", "140|2|1|1|0",
    "200|0|500|10|3|7|0|3|1", "210|0|2", "220|0|0|1|0", "220|0|2|3|1",
    "200|1|300|30|2|4|0|0|0", "210|1|1", "220|1|0|0|2"};

std::string join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

bool ends_with_line_number(const std::string& message) {
  const std::size_t at = message.rfind(" -> line_");
  if (at == std::string::npos || at + 9 >= message.size()) return false;
  return std::all_of(message.begin() + static_cast<long>(at) + 9, message.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

class MalformedInput : public ::testing::Test {
 protected:
  void TearDown() override { free_input_data(); }

  // Checks text, reads it unchecked, and reads it again when the check lets
  // it load; returns the check's result.
  int exercise(const std::string& text) {
    input_file_name = dir.write("in.txt", text);
    InputCheck w;
    const int r = check_input_data(w);
    EXPECT_TRUE(r == -1 || r == 1 || r == 2) << r;
    for (const auto* list : {&w.error_list, &w.warning_list})
      for (const std::string& m : *list) EXPECT_TRUE(ends_with_line_number(m)) << m;
    if (read_input_path(input_file_name) == 1) EXPECT_EQ(problem_consistency_fault(false), "") << text;
    if (r == 1 || r == 2) {
      EXPECT_EQ(read_input_path(input_file_name), 1) << text;
      EXPECT_EQ(problem_consistency_fault(true), "") << text;
      random_J_A_M_wload();
      for (int j = 1; j <= n_of_Jobs; ++j)
        if (Orders[Jobs[j].Order_ID].N_Routes == 0) EXPECT_EQ(J_A[j][0], 0);
    }
    return r;
  }
  TempDir dir;
};

TEST_F(MalformedInput, TheSampleShopIsAcceptedWhole) {
  EXPECT_EQ(exercise(join(kShop)), 1);
  EXPECT_EQ(n_of_Jobs, 5);
  EXPECT_EQ(Orders[2].N_Routes, 1);
}

TEST_F(MalformedInput, EmptyAndRandomBytes) {
  EXPECT_EQ(exercise(""), -1);
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

TEST_F(MalformedInput, EveryTruncation) {
  const std::string text = join(kShop);
  for (std::size_t n = 0; n < text.size(); ++n) {
    const int r = exercise(text.substr(0, n));
    // A file cut inside its last line still holds every record it needs only
    // when the cut falls after the last digit.
    if (n + 1 < text.size()) EXPECT_NE(r, 1) << n;
  }
}

TEST_F(MalformedInput, HugeNumbersInEveryField) {
  for (std::size_t l = 1; l < kShop.size(); ++l) {
    std::vector<std::string> lines = kShop;
    std::size_t bar = lines[l].find('|');
    for (int field = 2; bar != std::string::npos; ++field) {
      std::vector<std::string> changed = lines;
      const std::size_t end = changed[l].find('|', bar + 1);
      changed[l].replace(bar + 1, (end == std::string::npos ? changed[l].size() : end) - bar - 1,
                         "98765432109876543210");
      input_file_name = dir.write("in.txt", join(changed));
      InputCheck w;
      EXPECT_EQ(check_input_data(w), -1);
      ASSERT_FALSE(w.error_list.empty());
      EXPECT_EQ(w.error_list.back(), "Value is too large: 98765432109876543210 (in " + std::to_string(field) +
                                         ". field) -> line_" + std::to_string(l + 1));
      exercise(join(changed));
      bar = end;
    }
  }
  // Counts as large as an int holds: refused, never reserved.
  std::vector<std::string> big = kShop;
  big[2] = "110|0|2147483647";
  big[19] = "210|0|2147483647";
  EXPECT_EQ(exercise(join(big)), -1);
  big = kShop;
  big[0] = "001|10000|100000|2";
  EXPECT_EQ(exercise(join(big)), -1);
}

TEST_F(MalformedInput, RecordsOutOfOrder) {
  std::mt19937 gen(7);
  int accepted = 0;
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> lines = kShop;
    if (round % 3 == 0) {
      std::shuffle(lines.begin() + 1, lines.end(), gen);
    } else {  // one record moved elsewhere
      const std::size_t from = 1 + gen() % (lines.size() - 1);
      const std::string moved = lines[from];
      lines.erase(lines.begin() + static_cast<long>(from));
      lines.insert(lines.begin() + 1 + static_cast<long>(gen() % (lines.size() - 1)), moved);
    }
    if (exercise(join(lines)) != -1) ++accepted;
  }
  EXPECT_GT(accepted, 0);  // some moves keep a valid order
}

TEST_F(MalformedInput, LongLinesAnywhere) {
  for (std::size_t l = 0; l <= kShop.size(); ++l) {
    std::vector<std::string> lines = kShop;
    lines.insert(lines.begin() + static_cast<long>(l), "100|" + std::string(196, '1'));
    const int r = exercise(join(lines));
    if (l < kShop.size()) EXPECT_EQ(r, -1) << l;
    else EXPECT_EQ(r, 1);  // the input ended before it
  }
  EXPECT_EQ(exercise(std::string(200, '|') + "\n"), -1);
  EXPECT_EQ(exercise("001|3|2|2" + std::string(150, '|') + "\n"), -1);
}

}  // namespace
