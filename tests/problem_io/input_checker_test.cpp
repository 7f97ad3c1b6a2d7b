#include "problem_io/input_checker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "problem_io/input_reader.h"
#include "tests/support/input_text.h"

namespace {

using Lines = std::vector<std::string>;

// The sample without its lines first..last (1-based).
std::string without(int first, int last) {
  Lines l = sample_input_lines();
  l.erase(l.begin() + first - 1, l.begin() + last);
  return join_lines(l);
}

class InputChecker : public ::testing::Test {
 protected:
  CheckOutcome check(const std::string& text) { return check_text(dir, text); }
  Lines errors(const std::string& text) { return check(text).errors; }
  TempDir dir;
};

TEST_F(InputChecker, AcceptsWriterLayoutCrLfAndStopsAtSLine) {
  const CheckOutcome clean = check(join_lines(sample_input_lines()));
  EXPECT_EQ(clean.result, 1);
  EXPECT_TRUE(clean.errors.empty() && clean.warnings.empty());
  EXPECT_EQ(check(join_lines(sample_input_lines()) + "s\nanything | at all\n").result, 1);
  std::string crlf;
  for (const std::string& l : sample_input_lines()) crlf += l + "\r\n";
  EXPECT_EQ(check(crlf).result, 1);
}

TEST_F(InputChecker, EmptyOrUnopenableFile) {
  const Lines empty{"Input file is empty. -> line_0"};
  const CheckOutcome s_first = check("s\n001|2|1|2\n");
  EXPECT_EQ(s_first.result, -1);
  EXPECT_EQ(s_first.errors, empty);
  EXPECT_EQ(errors(""), empty);
  // A first line too long to read leaves nothing read either.
  EXPECT_EQ(errors(std::string(125, '1') + "\n" + join_lines(sample_input_lines())), empty);

  input_file_name = dir.file("no_such_file.txt");
  InputCheck w;
  EXPECT_EQ(check_input_data(w), 0);
  EXPECT_TRUE(w.error_list.empty());
}

TEST_F(InputChecker, HeaderAloneReportsEveryMissingRecord) {
  const CheckOutcome o = check("001|2|1|1\n");
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
  EXPECT_EQ(errors(sample_with_line(1, "100|0|10|0|1")), Lines{"Missing first line with 1 identifier. -> line_1"});
  EXPECT_EQ(errors(sample_with_inserted(3, "")), Lines{"Illegal line identifier:  -> line_3"});
  EXPECT_EQ(errors(sample_with_inserted(3, "0999|1")), Lines{"Illegal line identifier: 0999 -> line_3"});
  EXPECT_EQ(errors(sample_with_inserted(2, "001|2|1|2")), Lines{"Multiple declaration for line_ID = 1. -> line_2"});
  EXPECT_EQ(errors(sample_with_line(2, "1 00|0|10|0|1")), Lines{"Illegal character:   -> line_2"});
  // A bad character after the tag is found after the record's own messages.
  EXPECT_EQ(errors(sample_with_line(2, "100|0|0 |0|1")),
            (Lines{"Zero Speed of Machine 0 (in 3. field) -> line_2", "Illegal character:   -> line_2"}));
  EXPECT_EQ(errors(sample_with_line(2, "100|0|10|0|-1")),
            (Lines{"Wrong Step_ID at Machine 0 (in 4. or 5. field) -> line_2"}));
}

TEST_F(InputChecker, FieldCounts) {
  EXPECT_EQ(errors(sample_with_line(3, "110|0|2|")), (Lines{"Empty field. -> line_3", "Extra field. -> line_3"}));
  EXPECT_EQ(errors(sample_with_line(10, "110|1")).front(), "Missing field. -> line_10");

  InputCheck w;
  int v[10];
  split_line_fields(w, 5, "100|0|10|0", 7, v);
  EXPECT_EQ(w.error_list, Lines{"Missing field. -> line_7"});
  EXPECT_EQ(v[4], 0);  // the missing EndStep
  w.error_list.clear();
  split_line_fields(w, 3, "1||2| 5|-3|7x|7|8|9|10|11|12", 4, v);
  EXPECT_EQ(w.error_list, (Lines{"Empty field. -> line_4", "Extra field. -> line_4"}));
  EXPECT_EQ(std::vector<int>(v, v + 10), (std::vector<int>{1, -1, 2, 5, -3, 7, 7, 8, 9, 10}));
}

TEST_F(InputChecker, NumbersBeyond32BitsAreReportedNotWrapped) {
  // 4294967297 would wrap to 1 and pass as a header.
  EXPECT_EQ(errors(sample_with_line(1, "001|4294967297|1|2")),
            Lines{"Value is too large: 4294967297 (in 2. field) -> line_1"});
  EXPECT_EQ(errors(sample_with_line(1, "4294967297|2|1|2")), Lines{"Missing first line with 1 identifier. -> line_1"});
  EXPECT_EQ(errors(sample_with_inserted(2, "4294967396|2")), Lines{"Illegal line identifier: 4294967396 -> line_2"});
  EXPECT_EQ(check(sample_with_line(5, "120|0|150|2147483647")).result, 1);  // the largest int still fits
}

TEST_F(InputChecker, SizesTheProgramCannotHoldAreOutOfRange) {
  EXPECT_EQ(errors(sample_with_line(1, "001|20000|1|2")), Lines{"Value is out of range: 20000 (in 2. field) -> line_1"});
  EXPECT_EQ(errors(sample_with_line(1, "001|2|1|9000")), Lines{"Value is out of range: 9000 (in 4. field) -> line_1"});
  EXPECT_EQ(errors(sample_with_line(1, "001|2|0|2")), Lines{"Value is out of range: 0 (in 3. field) -> line_1"});
  EXPECT_EQ(errors(sample_with_line(14, "200|0|500|10|2000000|7|0|3|1")),
            Lines{"Out of range Number of Jobs: 2000000 (in 5. field) -> line_14"});
}

// Each record rule on one broken line of the sample.
TEST_F(InputChecker, RecordRulesNameTheirLine) {
  const auto with = sample_with_line;
  const auto before = sample_with_inserted;
  const std::pair<std::string, Lines> cases[] = {
      {with(2, "100|0|10|1|0"), {"Wrong Step_ID at Machine 0 (in 4. or 5. field) -> line_2"}},
      {with(2, "100|0|10|4|4"), {"Out of range StartStep at Machine 0 (in 4. field) -> line_2"}},
      {with(2, "100|0|10|0|4"), {"Out of range EndStep at Machine 0 (in 5. field) -> line_2"}},
      {with(2, "100|2|10|0|1"), {"Out of range Machine_ID: 2 (in 2. field) -> line_2"}},
      {with(9, "100|0|5|2|3"), {"Multiple declaration of Machine: 0 -> line_9"}},
      {with(2, "100|0|0|0|1"), {"Zero Speed of Machine 0 (in 3. field) -> line_2"}},
      {with(3, "110||2"), {"Empty field. -> line_3", "Out of range Machine_ID: -1 (in 2. field) -> line_3"}},
      {before(4, "110|0|2"), {"Multiple declaration of Calendar at Machine: 0 -> line_4"}},
      {before(3, "110|1|1"), {"Missing declaration of Machine 1. -> line_3"}},
      {with(3, "110|0|0"), {"Zero calendar elements at Machine : 0 (in 3. field) -> line_3"}},
      {without(8, 8), {"Missing setup item at Machine 0 -> line_9"}},
      {with(4, "120|5|0|100"), {"Out of range Machine_ID: 5 (in 2. field) -> line_4"}},
      {before(3, "120|0|0|10"), {"Missing declaration of Calendar at Machine 0 -> line_3"}},
      {before(6, "120|0|400|500"), {"Extra calendar item at Machine 0 -> line_6"}},
      {with(4, "120|0|50|50"), {"Invalid calendar item at Machine 0 -> line_4"}},
      {with(5, "120|0|100|300"), {"Overlapped calendar item at Machine 0 -> line_5"}},  // starts at the last end
      {with(5, "130|0|2"), {"Missing calendar item at Machine 0 -> line_5"}},
      {before(7, "130|0|2"), {"Multiple declaration of Setups at Machine: 0 -> line_7"}},
      {before(2, "130|1|1"), {"Missing declaration of Machine 1. -> line_2"}},
      {with(6, "130|0|0"), {"Zero setup elements at Machine : 0 (in 3. field) -> line_6"}},
      {with(6, "130|0|1"), {"Extra setup item at Machine 0 -> line_8"}},
      {before(7, "140|1|0|0|0"), {"Missing declaration of Setups at Machine: 1 -> line_7"}},
      {with(7, "140|0|2|1|5"), {"Out of range Setup_ID: 2 (in 3. field) -> line_7"}},
      {with(7, "140|0|1|2|5"), {"Out of range Setup_ID: 2 (in 4. field) -> line_7"}},
      {with(7, "140|0|1|1|5"), {"Missing zero setup time at Machine 0 (in 5. field) -> line_7"}},
      {with(14, "200|1|500|10|3|7|0|3|1"), {"Out of range Order_ID: 1 (in 2. field) -> line_14"}},
      {before(15, "200|0|500|10|3|7|0|3|1"), {"Multiple declaration of Order: 0 -> line_15"}},
      {with(14, "200|0|500|10|3|7|3|0|1"), {"Wrong Step_ID at Order 0 (in 7. or 8. field) -> line_14"}},
      {with(14, "200|0|500|10|3|7|4|4|1"),
       {"Out of range StartStep at Order 0 (in 7. field) -> line_14",
        "Out of range EndStep at Order 0 (in 8. field) -> line_14"}},
      {with(14, "200|0|500|10|3|7|0|3|2"), {"Out of range Setup_ID: 2 (in 9. field) -> line_14"}},
      {with(15, "210|4|2"), {"Out of range Order_ID: 4 (in 2. field) -> line_15"}},
      {before(16, "210|0|2"), {"Multiple declaration of Steps at Order 0 -> line_16"}},
      {before(14, "210|0|2"), {"Missing declaration of Order 0. -> line_14"}},
      {with(15, "210|0|0"), {"Invalid number of steps at Order 0 (in 3. field) -> line_15"}},
      {with(16, "220|3|0|1|0"), {"Out of range Order_ID: 3 (in 2. field) -> line_16"}},
      {before(14, "220|0|0|1|0"), {"Missing declaration of Order0. -> line_14"}},
      {with(16, "220|0|1|0|0"),
       {"Wrong Step_ID at Order 0 (in 3. or 4. field) -> line_16", "Machine mismatch at Order 0 (in 3. field) -> line_16"}},
      {with(16, "220|0|4|4|0"),
       {"Out of range StartStep at Order 0 (in 3. field) -> line_16",
        "Out of range EndStep at Order 0 (in 4. field) -> line_16", "Machine mismatch at Order 0 (in 3. field) -> line_16"}},
      {with(16, "220|0|0|1|5"), {"Out of range Machine_ID: 5 (in 5. field) -> line_16"}},
      {with(16, "220|0|0|0|0"), {"Machine mismatch at Order 0 (in 4. field) -> line_16"}},
      {with(15, "220|0|0|1|0"), {"Missing declaration of steps at Order 0 -> line_15"}},
      {join_lines(sample_input_lines()) + "220|0|0|1|0\n", {"Extra step item at Order 0 -> line_18"}},
  };
  for (const auto& [text, expected] : cases) {
    const CheckOutcome o = check(text);
    EXPECT_EQ(o.result, -1) << expected.back();
    EXPECT_EQ(o.errors, expected) << text;
  }
}

TEST_F(InputChecker, RecordOrderBetweenMachines) {
  // Machine 1's calendar starts while machine 0 has read 1 of 2 items.
  EXPECT_EQ(errors("001|2|1|2\n100|0|10|0|1\n110|0|2\n120|0|0|100\n100|1|5|2|3\n110|1|1\n"),
            Lines{"Missing calendar item at Machine 0 -> line_6"});
  // An order step naming a machine whose 100 line comes later.
  Lines late = sample_input_lines();
  late.insert(late.begin() + 1, {"200|0|500|10|3|7|0|3|1", "210|0|1", "220|0|2|3|1"});
  late.erase(late.end() - 4, late.end());
  EXPECT_EQ(errors(join_lines(late)), Lines{"Undefined Machine 1 at Order 0 (in 5. field) -> line_4"});
}

TEST_F(InputChecker, EndTestsNameTheLastLineRead) {
  EXPECT_EQ(errors(without(16, 17)), Lines{"Missing Step at Order 0. -> line_15"});
  EXPECT_EQ(errors(without(15, 17)), Lines{"Missing declaration of Steps at Order 0. -> line_14"});
  // Machine 1 announces two calendar items, has one and never declares setups.
  Lines l = sample_input_lines();
  l[9] = "110|1|2";
  l.erase(l.begin() + 11, l.begin() + 13);
  EXPECT_EQ(errors(join_lines(l)), (Lines{"Missing declaration of Setup at Machine 1. -> line_15",
                                          "Missing Calendar item at Machine 1. -> line_15"}));
  EXPECT_EQ(errors(sample_with_line(12, "130|1|2")), Lines{"Missing Setup item at Machine 1. -> line_17"});
  // A line too long to read ends the input there.
  EXPECT_EQ(errors(sample_with_inserted(16, std::string(200, '2'))), Lines{"Missing Step at Order 0. -> line_15"});
}

TEST_F(InputChecker, WarningsAloneAndErrorsThatLetTheCheckGoOn) {
  const CheckOutcome window = check(sample_with_line(14, "200|0|10|10|3|7|0|3|1"));
  EXPECT_EQ(window.result, 2);
  EXPECT_TRUE(window.errors.empty());
  EXPECT_EQ(window.warnings, Lines{"Zero Time Window of Order 0 (in 3. or 4. field) -> line_14"});

  const CheckOutcome no_jobs = check(sample_with_line(14, "200|0|5|10|0|0|0|3|1"));
  EXPECT_EQ(no_jobs.result, -1);
  EXPECT_EQ(no_jobs.errors, (Lines{"Out of range Number of Jobs: 0 (in 5. field) -> line_14",
                                   "Out of range Size of Jobs: 0 (in 6. field) -> line_14"}));
  EXPECT_EQ(no_jobs.warnings.size(), 1u);
}

}  // namespace
