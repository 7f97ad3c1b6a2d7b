#include "problem_io/input_checker.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "problem_io/input_reader.h"
#include "tests/support/temp_dir.h"

namespace {

// Lines 1 header; 2-8 machine 0 (steps 0-1); 9-13 machine 1 (steps 2-3);
// 14-17 order 0 with one machine of each.
const std::vector<std::string> kValid = {
    "001|2|1|2",
    "100|0|10|0|1", "110|0|2", "120|0|0|100", "120|0|150|300", "130|0|2", "140|0|0|1|5", "140|0|1|0|7",
    "100|1|5|2|3", "110|1|1", "120|1|0|1000", "130|1|1", "140|1|0|0|0",
    "200|0|500|10|3|7|0|3|1", "210|0|2", "220|0|0|1|0", "220|0|2|3|1"};

std::string join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

// kValid with line n (1-based) replaced, removed or preceded by another.
std::string replaced(int n, const std::string& line) {
  std::vector<std::string> l = kValid;
  l[n - 1] = line;
  return join(l);
}
std::string erased(int first, int last) {
  std::vector<std::string> l = kValid;
  l.erase(l.begin() + first - 1, l.begin() + last);
  return join(l);
}
std::string inserted(int n, const std::string& line) {
  std::vector<std::string> l = kValid;
  l.insert(l.begin() + n - 1, line);
  return join(l);
}

struct Outcome {
  int result;
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
};

class InputChecker : public ::testing::Test {
 protected:
  Outcome check(const std::string& text) {
    input_file_name = dir.write("in.txt", text);
    InputCheck w;
    const int r = check_input_data(w);
    return {r, w.error_list, w.warning_list};
  }
  TempDir dir;
};

using Lines = std::vector<std::string>;

TEST_F(InputChecker, AcceptsWriterLayoutAndStopsAtSLine) {
  const Outcome clean = check(join(kValid));
  EXPECT_EQ(clean.result, 1);
  EXPECT_TRUE(clean.errors.empty());
  EXPECT_TRUE(clean.warnings.empty());
  EXPECT_EQ(check(join(kValid) + "s\nanything | at all\n").result, 1);
  std::string crlf;
  for (const std::string& l : kValid) crlf += l + "\r\n";
  EXPECT_EQ(check(crlf).result, 1);
}

TEST_F(InputChecker, EmptyOrUnopenableFile) {
  EXPECT_EQ(check("").errors, Lines{"Input file is empty. -> line_0"});
  const Outcome s_first = check("s\n001|2|1|2\n");
  EXPECT_EQ(s_first.result, -1);
  EXPECT_EQ(s_first.errors, Lines{"Input file is empty. -> line_0"});
  // A first line too long to read leaves nothing read either.
  EXPECT_EQ(check(std::string(125, '1') + "\n" + join(kValid)).errors, Lines{"Input file is empty. -> line_0"});

  input_file_name = dir.file("no_such_file.txt");
  InputCheck w;
  EXPECT_EQ(check_input_data(w), 0);
  EXPECT_TRUE(w.error_list.empty());
}

TEST_F(InputChecker, HeaderAloneReportsEveryMissingRecord) {
  const Outcome o = check("001|2|1|1\n");
  EXPECT_EQ(o.result, -1);
  EXPECT_EQ(o.errors, (Lines{"Missing declaration of Machine 0. -> line_1",
                             "Missing declaration of Setup at Machine 0. -> line_1",
                             "Missing declaration of Calendar at Machine 0. -> line_1",
                             "Missing declaration of Machine 1. -> line_1",
                             "Missing declaration of Setup at Machine 1. -> line_1",
                             "Missing declaration of Calendar at Machine 1. -> line_1",
                             "Missing declaration of Order 0. -> line_1"}));
}

TEST_F(InputChecker, LineTagsAndCharacters) {
  EXPECT_EQ(check(replaced(1, "100|0|10|0|1")).errors, Lines{"Missing first line with 1 identifier. -> line_1"});
  EXPECT_EQ(check(inserted(3, "")).errors, Lines{"Illegal line identifier:  -> line_3"});
  EXPECT_EQ(check(inserted(3, "0999|1")).errors, Lines{"Illegal line identifier: 0999 -> line_3"});
  EXPECT_EQ(check(inserted(2, "001|2|1|2")).errors, Lines{"Multiple declaration for line_ID = 1. -> line_2"});
  EXPECT_EQ(check(replaced(2, "1 00|0|10|0|1")).errors, Lines{"Illegal character:   -> line_2"});
  // A bad character after the tag is found after the record's own messages.
  EXPECT_EQ(check(replaced(2, "100|0|0 |0|1")).errors,
            (Lines{"Zero Speed of Machine 0 (in 3. field) -> line_2", "Illegal character:   -> line_2"}));
  EXPECT_EQ(check(replaced(2, "100|0|10|0|-1")).errors,
            (Lines{"Wrong Step_ID at Machine 0 (in 4. or 5. field) -> line_2"}));
}

TEST_F(InputChecker, FieldCounts) {
  EXPECT_EQ(check(replaced(3, "110|0|2|")).errors,
            (Lines{"Empty field. -> line_3", "Extra field. -> line_3"}));
  const Outcome short_line = check(replaced(10, "110|1"));
  EXPECT_EQ(short_line.errors.front(), "Missing field. -> line_10");

  InputCheck w;
  int v[10];
  split_line_fields(w, 5, "100|0|10|0", 7, v);
  EXPECT_EQ(w.error_list, Lines{"Missing field. -> line_7"});
  EXPECT_EQ(v[3], 0);
  EXPECT_EQ(v[4], 0);  // the missing EndStep
  w.error_list.clear();
  split_line_fields(w, 3, "1||2| 5|-3|7x|7|8|9|10|11|12", 4, v);
  EXPECT_EQ(w.error_list, (Lines{"Empty field. -> line_4", "Extra field. -> line_4"}));
  const int expected[10] = {1, -1, 2, 5, -3, 7, 7, 8, 9, 10};
  for (int k = 0; k < 10; ++k) EXPECT_EQ(v[k], expected[k]) << k;
}

TEST_F(InputChecker, NumbersBeyond32BitsAreReportedNotWrapped) {
  // 4294967297 would wrap to 1 and pass as a header.
  EXPECT_EQ(check(replaced(1, "001|4294967297|1|2")).errors,
            Lines{"Value is too large: 4294967297 (in 2. field) -> line_1"});
  EXPECT_EQ(check(replaced(4, "120|0|0|99999999999999999999999999")).errors,
            Lines{"Value is too large: 99999999999999999999999999 (in 4. field) -> line_4"});
  EXPECT_EQ(check(replaced(1, "4294967297|2|1|2")).errors,
            Lines{"Missing first line with 1 identifier. -> line_1"});
  EXPECT_EQ(check(inserted(2, "4294967396|2")).errors, Lines{"Illegal line identifier: 4294967396 -> line_2"});
  EXPECT_EQ(check(replaced(4, "120|0|0|2147483647")).result, -1);  // fits, overlaps the next item
  EXPECT_EQ(check(replaced(5, "120|0|150|2147483647")).result, 1);
}

TEST_F(InputChecker, SizesTheProgramCannotHoldAreOutOfRange) {
  EXPECT_EQ(check(replaced(1, "001|20000|1|2")).errors, Lines{"Value is out of range: 20000 (in 2. field) -> line_1"});
  EXPECT_EQ(check(replaced(1, "001|2|1|9000")).errors, Lines{"Value is out of range: 9000 (in 4. field) -> line_1"});
  EXPECT_EQ(check(replaced(1, "001|2|0|2")).errors, Lines{"Value is out of range: 0 (in 3. field) -> line_1"});
  const Outcome jobs = check(replaced(14, "200|0|500|10|2000000|7|0|3|1"));
  EXPECT_EQ(jobs.errors, Lines{"Out of range Number of Jobs: 2000000 (in 5. field) -> line_14"});
}

struct RuleCase {
  std::string text;
  Lines errors;
};

// Each record rule on one broken line of an otherwise valid file.
TEST_F(InputChecker, RecordRulesNameTheirLine) {
  const RuleCase cases[] = {
      {replaced(2, "100|0|10|1|0"), {"Wrong Step_ID at Machine 0 (in 4. or 5. field) -> line_2"}},
      {replaced(2, "100|0|10|4|4"), {"Out of range StartStep at Machine 0 (in 4. field) -> line_2"}},
      {replaced(2, "100|0|10|0|4"), {"Out of range EndStep at Machine 0 (in 5. field) -> line_2"}},
      {replaced(2, "100|2|10|0|1"), {"Out of range Machine_ID: 2 (in 2. field) -> line_2"}},
      {replaced(9, "100|0|5|2|3"), {"Multiple declaration of Machine: 0 -> line_9"}},
      {replaced(2, "100|0|0|0|1"), {"Zero Speed of Machine 0 (in 3. field) -> line_2"}},
      {replaced(3, "110||2"), {"Empty field. -> line_3", "Out of range Machine_ID: -1 (in 2. field) -> line_3"}},
      {inserted(4, "110|0|2"), {"Multiple declaration of Calendar at Machine: 0 -> line_4"}},
      {inserted(3, "110|1|1"), {"Missing declaration of Machine 1. -> line_3"}},
      {replaced(3, "110|0|0"), {"Zero calendar elements at Machine : 0 (in 3. field) -> line_3"}},
      {erased(8, 8), {"Missing setup item at Machine 0 -> line_9"}},
      {replaced(4, "120|5|0|100"), {"Out of range Machine_ID: 5 (in 2. field) -> line_4"}},
      {inserted(3, "120|0|0|10"), {"Missing declaration of Calendar at Machine 0 -> line_3"}},
      {inserted(6, "120|0|400|500"), {"Extra calendar item at Machine 0 -> line_6"}},
      {replaced(4, "120|0|50|50"), {"Invalid calendar item at Machine 0 -> line_4"}},
      {replaced(5, "120|0|100|300"), {"Overlapped calendar item at Machine 0 -> line_5"}},
      {replaced(5, "130|0|2"), {"Missing calendar item at Machine 0 -> line_5"}},
      {inserted(7, "130|0|2"), {"Multiple declaration of Setups at Machine: 0 -> line_7"}},
      {inserted(2, "130|1|1"), {"Missing declaration of Machine 1. -> line_2"}},
      {replaced(6, "130|0|0"), {"Zero setup elements at Machine : 0 (in 3. field) -> line_6"}},
      {replaced(6, "130|0|1"), {"Extra setup item at Machine 0 -> line_8"}},
      {inserted(7, "140|1|0|0|0"), {"Missing declaration of Setups at Machine: 1 -> line_7"}},
      {replaced(7, "140|0|2|1|5"), {"Out of range Setup_ID: 2 (in 3. field) -> line_7"}},
      {replaced(7, "140|0|1|2|5"), {"Out of range Setup_ID: 2 (in 4. field) -> line_7"}},
      {replaced(7, "140|0|1|1|5"), {"Missing zero setup time at Machine 0 (in 5. field) -> line_7"}},
      {replaced(14, "200|1|500|10|3|7|0|3|1"), {"Out of range Order_ID: 1 (in 2. field) -> line_14"}},
      {inserted(15, "200|0|500|10|3|7|0|3|1"), {"Multiple declaration of Order: 0 -> line_15"}},
      {replaced(14, "200|0|500|10|3|7|3|0|1"), {"Wrong Step_ID at Order 0 (in 7. or 8. field) -> line_14"}},
      {replaced(14, "200|0|500|10|3|7|4|4|1"),
       {"Out of range StartStep at Order 0 (in 7. field) -> line_14",
        "Out of range EndStep at Order 0 (in 8. field) -> line_14"}},
      {replaced(14, "200|0|500|10|3|7|0|3|2"), {"Out of range Setup_ID: 2 (in 9. field) -> line_14"}},
      {replaced(15, "210|4|2"), {"Out of range Order_ID: 4 (in 2. field) -> line_15"}},
      {inserted(16, "210|0|2"), {"Multiple declaration of Steps at Order 0 -> line_16"}},
      {inserted(14, "210|0|2"), {"Missing declaration of Order 0. -> line_14"}},
      {replaced(15, "210|0|0"), {"Invalid number of steps at Order 0 (in 3. field) -> line_15"}},
      {replaced(16, "220|3|0|1|0"), {"Out of range Order_ID: 3 (in 2. field) -> line_16"}},
      {inserted(14, "220|0|0|1|0"), {"Missing declaration of Order0. -> line_14"}},
      {replaced(16, "220|0|1|0|0"),
       {"Wrong Step_ID at Order 0 (in 3. or 4. field) -> line_16", "Machine mismatch at Order 0 (in 3. field) -> line_16"}},
      {replaced(16, "220|0|4|4|0"),
       {"Out of range StartStep at Order 0 (in 3. field) -> line_16",
        "Out of range EndStep at Order 0 (in 4. field) -> line_16", "Machine mismatch at Order 0 (in 3. field) -> line_16"}},
      {replaced(16, "220|0|0|1|5"), {"Out of range Machine_ID: 5 (in 5. field) -> line_16"}},
      {replaced(16, "220|0|0|0|0"), {"Machine mismatch at Order 0 (in 4. field) -> line_16"}},
      {replaced(15, "220|0|0|1|0"), {"Missing declaration of steps at Order 0 -> line_15"}},
      {join(kValid) + "220|0|0|1|0\n", {"Extra step item at Order 0 -> line_18"}},
  };
  for (const RuleCase& c : cases) {
    const Outcome o = check(c.text);
    EXPECT_EQ(o.result, -1) << c.errors.back();
    EXPECT_EQ(o.errors, c.errors) << c.text;
  }
}

TEST_F(InputChecker, RecordOrderBetweenMachines) {
  // Machine 1's calendar starts while machine 0 has read 1 of 2 items.
  const std::string text =
      "001|2|1|2\n100|0|10|0|1\n110|0|2\n120|0|0|100\n100|1|5|2|3\n110|1|1\n";
  EXPECT_EQ(check(text).errors, Lines{"Missing calendar item at Machine 0 -> line_6"});
  // An order step naming a machine whose 100 line comes later.
  std::vector<std::string> late = kValid;
  late.insert(late.begin() + 1, {"200|0|500|10|3|7|0|3|1", "210|0|1", "220|0|2|3|1"});
  late.erase(late.end() - 4, late.end());
  EXPECT_EQ(check(join(late)).errors, Lines{"Undefined Machine 1 at Order 0 (in 5. field) -> line_4"});
}

TEST_F(InputChecker, EndTestsNameTheLastLineRead) {
  EXPECT_EQ(check(erased(16, 17)).errors, Lines{"Missing Step at Order 0. -> line_15"});
  EXPECT_EQ(check(erased(15, 17)).errors, Lines{"Missing declaration of Steps at Order 0. -> line_14"});
  // Machine 1 announces two calendar items, has one and never declares setups.
  std::vector<std::string> l = kValid;
  l[9] = "110|1|2";
  l.erase(l.begin() + 11, l.begin() + 13);
  EXPECT_EQ(check(join(l)).errors, (Lines{"Missing declaration of Setup at Machine 1. -> line_15",
                                          "Missing Calendar item at Machine 1. -> line_15"}));
  EXPECT_EQ(check(replaced(12, "130|1|2")).errors, Lines{"Missing Setup item at Machine 1. -> line_17"});
  // A line too long to read ends the input there.
  const Outcome cut = check(inserted(16, std::string(200, '2')));
  EXPECT_EQ(cut.errors, Lines{"Missing Step at Order 0. -> line_15"});
}

TEST_F(InputChecker, WarningsAloneAndErrorsThatLetTheCheckGoOn) {
  const Outcome window = check(replaced(14, "200|0|10|10|3|7|0|3|1"));
  EXPECT_EQ(window.result, 2);
  EXPECT_TRUE(window.errors.empty());
  EXPECT_EQ(window.warnings, Lines{"Zero Time Window of Order 0 (in 3. or 4. field) -> line_14"});

  const Outcome no_jobs = check(replaced(14, "200|0|5|10|0|0|0|3|1"));
  EXPECT_EQ(no_jobs.result, -1);
  EXPECT_EQ(no_jobs.errors, (Lines{"Out of range Number of Jobs: 0 (in 5. field) -> line_14",
                                   "Out of range Size of Jobs: 0 (in 6. field) -> line_14"}));
  EXPECT_EQ(no_jobs.warnings.size(), 1u);
}

TEST_F(InputChecker, SaveAndCheckRewritesTheFileAndSetsRejection) {
  input_file_name = dir.write("in.txt", replaced(4, "120|0|50|50"));
  InputCheck w;
  EXPECT_EQ(check_input_data(w), -1);
  EXPECT_EQ(save_and_check(w, join(kValid)), 1);
  EXPECT_FALSE(w.input_rejected);
  EXPECT_TRUE(w.error_list.empty());
  EXPECT_EQ(read_file(input_file_name), join(kValid));
  EXPECT_EQ(save_and_check(w, "001|0|1|1\n"), -1);
  EXPECT_TRUE(w.input_rejected);
  EXPECT_EQ(w.error_list.size(), 1u);
}

}  // namespace
