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
  TempDir dir;
};

TEST_F(InputChecker, AcceptsWriterLayoutCrLfTheLargestIntAndStopsAtSLine) {
  const CheckOutcome clean = check(join_lines(sample_input_lines()));
  EXPECT_EQ(clean.result, 1);
  EXPECT_TRUE(clean.errors.empty() && clean.warnings.empty());
  EXPECT_EQ(check(join_lines(sample_input_lines()) + "s\nanything | at all\n").result, 1);
  std::string crlf;
  for (const std::string& l : sample_input_lines()) crlf += l + "\r\n";
  EXPECT_EQ(check(crlf).result, 1);
  EXPECT_EQ(check(sample_with_line(5, "120|0|150|2147483647")).result, 1);
}

TEST_F(InputChecker, EmptyOrUnopenableFile) {
  const Lines empty{"Input file is empty. -> line_0"};
  const CheckOutcome s_first = check("s\n001|2|1|2\n");
  EXPECT_EQ(s_first.result, -1);
  EXPECT_EQ(s_first.errors, empty);
  EXPECT_EQ(check("").errors, empty);
  // A first line too long to read leaves nothing read either.
  EXPECT_EQ(check(std::string(125, '1') + "\n" + join_lines(sample_input_lines())).errors, empty);

  input_file_name = dir.file("no_such_file.txt");
  InputCheck w;
  EXPECT_EQ(check_input_data(w), 0);
  EXPECT_TRUE(w.error_list.empty());
}

// Each rule of the grammar on one broken or misplaced line of the sample: the
// check refuses the file and lists exactly these messages, naming the line.
TEST_F(InputChecker, EachRuleListsItsMessagesNamingTheLine) {
  const auto with = sample_with_line;
  const auto before = sample_with_inserted;
  // An order step naming a machine whose 100 line comes later.
  Lines late_machine = sample_input_lines();
  late_machine.insert(late_machine.begin() + 1, {"200|0|500|10|3|7|0|3|1", "210|0|1", "220|0|2|3|1"});
  late_machine.erase(late_machine.end() - 4, late_machine.end());
  // Machine 1 announces two calendar items, has one and never declares setups.
  Lines short_machine = sample_input_lines();
  short_machine[9] = "110|1|2";
  short_machine.erase(short_machine.begin() + 11, short_machine.begin() + 13);
  // Two orders whose jobs together pass what the job tables hold.
  Lines two_orders = sample_input_lines();
  two_orders[0] = "001|2|2|2";
  two_orders[13] = "200|0|500|10|600000|7|0|3|1";
  two_orders.insert(two_orders.end(), {"200|1|500|10|600000|7|0|3|1", "210|1|1", "220|1|0|1|0"});
  const std::pair<std::string, Lines> cases[] = {
      {"001|2|1|1\n",
       {"Missing declaration of Machine 0. -> line_1", "Missing declaration of Setup at Machine 0. -> line_1",
        "Missing declaration of Calendar at Machine 0. -> line_1", "Missing declaration of Machine 1. -> line_1",
        "Missing declaration of Setup at Machine 1. -> line_1",
        "Missing declaration of Calendar at Machine 1. -> line_1", "Missing declaration of Order 0. -> line_1"}},
      // Tags, characters and field counts.
      {with(1, "100|0|10|0|1"), {"Missing first line with 1 identifier. -> line_1"}},
      {before(3, ""), {"Illegal line identifier:  -> line_3"}},
      {before(3, "0999|1"), {"Illegal line identifier: 0999 -> line_3"}},
      {before(2, "001|2|1|2"), {"Multiple declaration for line_ID = 1. -> line_2"}},
      {with(2, "1 00|0|10|0|1"), {"Illegal character:   -> line_2"}},
      // A bad character after the tag is found after the record's own messages.
      {with(2, "100|0|0 |0|1"), {"Zero Speed of Machine 0 (in 3. field) -> line_2", "Illegal character:   -> line_2"}},
      {with(2, "100|0|10|0|-1"), {"Wrong Step_ID at Machine 0 (in 4. or 5. field) -> line_2"}},
      {with(3, "110|0|2|"), {"Empty field. -> line_3", "Extra field. -> line_3"}},
      {with(10, "110|1"),
       {"Missing field. -> line_10", "Zero calendar elements at Machine : 1 (in 3. field) -> line_10"}},
      // Numbers beyond 32 bits are reported, not wrapped: 4294967297 would
      // wrap to 1 and pass as a header.
      {with(1, "001|4294967297|1|2"), {"Value is too large: 4294967297 (in 2. field) -> line_1"}},
      {with(1, "4294967297|2|1|2"), {"Missing first line with 1 identifier. -> line_1"}},
      {before(2, "4294967396|2"), {"Illegal line identifier: 4294967396 -> line_2"}},
      // Sizes the program cannot hold.
      {with(1, "001|20000|1|2"), {"Value is out of range: 20000 (in 2. field) -> line_1"}},
      {with(1, "001|2|1|9000"), {"Value is out of range: 9000 (in 4. field) -> line_1"}},
      {with(1, "001|2|0|2"), {"Value is out of range: 0 (in 3. field) -> line_1"}},
      {with(14, "200|0|500|10|2000000|7|0|3|1"), {"Out of range Number of Jobs: 2000000 (in 5. field) -> line_14"}},
      {join_lines(two_orders), {"Out of range Number of Jobs: 600000 (in 5. field) -> line_18"}},
      // Machine records.
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
      // Order records.
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
      // Record order between machines: machine 1's calendar starts while
      // machine 0 has read 1 of 2 items.
      {"001|2|1|2\n100|0|10|0|1\n110|0|2\n120|0|0|100\n100|1|5|2|3\n110|1|1\n",
       {"Missing calendar item at Machine 0 -> line_6"}},
      {join_lines(late_machine), {"Undefined Machine 1 at Order 0 (in 5. field) -> line_4"}},
      // The end tests name the last line read.
      {without(16, 17), {"Missing Step at Order 0. -> line_15"}},
      {without(15, 17), {"Missing declaration of Steps at Order 0. -> line_14"}},
      {join_lines(short_machine),
       {"Missing declaration of Setup at Machine 1. -> line_15", "Missing Calendar item at Machine 1. -> line_15"}},
      {with(12, "130|1|2"), {"Missing Setup item at Machine 1. -> line_17"}},
      // A line too long to read ends the input there.
      {before(16, std::string(200, '2')), {"Missing Step at Order 0. -> line_15"}},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(expected.front());
    const CheckOutcome o = check(text);
    EXPECT_EQ(o.result, -1);
    EXPECT_EQ(o.errors, expected) << text;
  }
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
