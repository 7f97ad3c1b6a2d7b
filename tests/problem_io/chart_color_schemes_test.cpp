#include "problem_io/chart_color_schemes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/fifo.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
const std::string default_line = "default|33023|65280|255|8421504|16777215|";

struct Loaded {
  CHART_COLOR_SCHEMES schemes;
  SCHEME_CHOICE choice;
  int result = 0;
};

Loaded load_text(const std::string& text) {
  TempDir dir;
  Loaded l;
  l.result = l.schemes.load(dir.write(chart_colors_file_name, text), l.choice);
  return l;
}
}  // namespace

TEST(SchemeString, ReadsExactlyFiveFieldsEachEndedByABar) {
  EXPECT_EQ(make_scheme_string({33023, 65280, 255, 8421504, 16777215}), "|33023|65280|255|8421504|16777215|");
  EXPECT_EQ(make_scheme_string({-1, 0, 1, 2, 3}), "|-1|0|1|2|3|");

  std::string name;
  SCHEME_COLOURS c{};
  ASSERT_TRUE(parse_scheme_string(default_line, name, c));
  EXPECT_EQ(name, "default");
  EXPECT_EQ(c, default_chart_colours);
  ASSERT_TRUE(parse_scheme_string("x| -5|+7|12ab|0|9|tail", name, c));  // text after the last bar is no field
  EXPECT_EQ(c, (SCHEME_COLOURS{-5, 7, 12, 0, 9}));

  const SCHEME_COLOURS before = c;
  for (const char* faulty : {"four|1|2|3|4|", "six|1|2|3|4|5|6|", "open|1|2|3|4|5", "nobar", ""}) {
    EXPECT_FALSE(parse_scheme_string(faulty, name, c)) << faulty;
    EXPECT_EQ(c, before) << faulty;  // a faulty scheme supplies no colour at all
  }
  EXPECT_EQ(name, "");
  parse_scheme_string("nobar", name, c);
  EXPECT_EQ(name, "nobar");
}

// What the control line chooses among the schemes read, and the line written
// back when the window is not closed with OK.
TEST(ColourSchemeFile, TheControlLineChoosesOnlyWhatItNames) {
  const SCHEME_COLOURS none{};
  const struct {
    std::string text;
    bool colours_read;
    SCHEME_COLOURS colours;
    int chosen;
    bool actual;
    int faulty;
    std::vector<std::string> names;
    std::string closing;
  } cases[] = {
      {default_line + "\n->0\n", true, default_chart_colours, 0, false, 0, {"default"}, "->0"},
      {"a|1|2|3|4|5|\r\n-:Actual|10|20|30|40|50|\r\n", true, {10, 20, 30, 40, 50}, -1, true, 0, {"a"},
       "-:Actual|10|20|30|40|50|"},
      // A chosen scheme or actual line without five values gives no colour.
      {"four|1|2|3|4|\n->0\n", false, none, -1, false, 1, {"four"}, "->0"},
      {"-:Actual|1|2|3|4|\n", false, none, -1, true, 1, {}, "-:Actual|1|2|3|4|"},
      // An index beyond the schemes read chooses nothing and is kept as read.
      {default_line + "\n->1\n", false, none, -1, false, 0, {"default"}, "->1"},
      {default_line + "\n->7\n", false, none, -1, false, 0, {"default"}, "->7"},
      {default_line + "\n->-1\n", false, none, -1, false, 0, {"default"}, "->-1"},
      {default_line + "\n->99999999999999999999\n", false, none, -1, false, 0, {"default"}, "->99999999999999999999"},
      // The index counts the schemes read before the control line only ...
      {"->0\n" + default_line + "\n", false, none, -1, false, 0, {"default"}, "->0"},
      // ... in their sorted order (case ignored, a repeated one and empty
      // lines taken once); a scheme read after it moves the chosen one down.
      {"c|1|1|1|1|1|\n\nB|1|1|1|1|1|\na|1|1|1|1|1|\nc|1|1|1|1|1|\n->2\n", true, {1, 1, 1, 1, 1}, 2, false, 0,
       {"a", "B", "c"}, "->2"},
      {"c|3|3|3|3|3|\n->0\nb|2|2|2|2|2|\n", true, {3, 3, 3, 3, 3}, 1, false, 0, {"b", "c"}, "->1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Loaded l = load_text(c.text);
    ASSERT_EQ(l.result, 1);
    EXPECT_EQ(l.choice.colours_read, c.colours_read);
    if (c.colours_read) {
      EXPECT_EQ(l.choice.colours, c.colours);
    }
    EXPECT_EQ(l.choice.chosen, c.chosen);
    EXPECT_EQ(l.choice.actual, c.actual);
    EXPECT_EQ(l.choice.faulty, c.faulty);
    EXPECT_EQ(l.schemes.names(), c.names);
    EXPECT_EQ(l.schemes.closing_control_line(false, -1, {9, 8, 7, 6, 5}), c.closing);
  }
}

TEST(ColourSchemeFile, ReadingEndsAtALineLongerThan124Characters) {
  const std::string long_name(124 - make_scheme_string(default_chart_colours).size(), 'n');
  const std::string fits = long_name + make_scheme_string(default_chart_colours);  // exactly 124
  Loaded l = load_text("a|1|2|3|4|5|\n" + fits + "\n" + "x" + fits + "\nz|1|2|3|4|5|\n->0\n");
  ASSERT_EQ(l.result, 1);
  EXPECT_EQ(l.schemes.names(), (std::vector<std::string>{"a", long_name}));
  EXPECT_EQ(l.schemes.control_line(), "");  // the control line came after the long one
}

TEST(ColourSchemeFile, MissingFileKeepsWhatWasReadAndASaveWritesBackWhatWasRead) {
  TempDir dir;
  CHART_COLOR_SCHEMES schemes;
  SCHEME_CHOICE choice;
  ASSERT_EQ(schemes.load(dir.write(chart_colors_file_name, "a|1|2|3|4|5|\n->0\n"), choice), 1);
  choice = SCHEME_CHOICE{};
  EXPECT_EQ(schemes.load(dir.file("none.cl"), choice), -1);
  EXPECT_EQ(schemes.load(dir.file("no/folder.cl"), choice), -1);
  EXPECT_EQ(schemes.names(), std::vector<std::string>{"a"});
  EXPECT_EQ(schemes.control_line(), "->0");
  EXPECT_FALSE(choice.colours_read);
  // Written back with the scheme chosen at OK, the file is as it was read.
  const std::string path = dir.write(chart_colors_file_name, default_line + "\n->0\n");
  ASSERT_EQ(schemes.load(path, choice), 1);
  ASSERT_EQ(schemes.save(path, schemes.closing_control_line(true, 0, default_chart_colours)), 1);
  EXPECT_EQ(read_file(path), default_line + "\n->0\n");
  // A file that cannot be written leaves the earlier one whole.
  EXPECT_EQ(schemes.save(dir.file("no/folder.cl"), "->0"), -1);
  const std::string kept = dir.write("kept.cl", "old\n");
  fs::permissions(kept, fs::perms::owner_read);
  EXPECT_EQ(schemes.save(kept, "->0"), -1);
  EXPECT_EQ(read_file(kept), "old\n");
}

TEST(ColourSchemeList, SaveAsPutsTheNameInItsSortedPlaceAndRefusesMissingDuplicatedAndUnfitNames) {
  Loaded l = load_text("a|1|1|1|1|1|\nc|3|3|3|3|3|\n");
  int position = -1;
  EXPECT_EQ(l.schemes.save_as("b", {2, 2, 2, 2, 2}, position), CHART_COLOR_SCHEMES::SaveAs::Added);
  EXPECT_EQ(position, 1);
  EXPECT_EQ(l.schemes.schemes()[1], "b|2|2|2|2|2|");
  EXPECT_EQ(l.schemes.save_as("", {}, position), CHART_COLOR_SCHEMES::SaveAs::NameMissing);
  EXPECT_EQ(l.schemes.save_as("C", {}, position), CHART_COLOR_SCHEMES::SaveAs::NameDuplicated);
  for (const std::string& unfit : {std::string("x|y"), std::string("-x"), std::string(120, 'n')})
    EXPECT_EQ(l.schemes.save_as(unfit, {}, position), CHART_COLOR_SCHEMES::SaveAs::NameUnfit) << unfit;
  EXPECT_EQ(l.schemes.names(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(l.schemes.index_of_name("B"), 1);
  EXPECT_FALSE(l.schemes.remove(3));
  EXPECT_FALSE(l.schemes.remove(-1));
  EXPECT_TRUE(l.schemes.remove(0));
  EXPECT_EQ(l.schemes.names(), (std::vector<std::string>{"b", "c"}));
}

TEST(ColourSchemeList, ClosingLineFollowsOkOrKeepsTheChosenSchemeAsRead) {
  Loaded l = load_text("b|2|2|2|2|2|\nc|3|3|3|3|3|\n->1\n");
  const SCHEME_COLOURS panels{9, 8, 7, 6, 5};
  EXPECT_EQ(l.schemes.closing_control_line(true, 0, panels), "->0");
  EXPECT_EQ(l.schemes.closing_control_line(true, -1, panels), "-:Actual|9|8|7|6|5|");
  EXPECT_EQ(l.schemes.closing_control_line(false, -1, panels), "->1");
  int position = 0;
  l.schemes.save_as("a", panels, position);  // before the chosen "c"
  EXPECT_EQ(l.schemes.closing_control_line(false, -1, panels), "->2");
  l.schemes.remove(2);  // "c" itself: its colours stay in use
  EXPECT_EQ(l.schemes.closing_control_line(false, -1, panels), "-:Actual|3|3|3|3|3|");
}

// Scheme strings that differ only in the case of a shared prefix: the list is
// sorted with case ignored up to the first real difference, a string that is
// another's prefix (case ignored) first, and equal texts by their exact
// bytes, so the order never depends on the order of the file's lines.
TEST(ColourSchemeFile, CaseOnlyDifferencesSortTheSameWhateverTheOrderOfTheLines) {
  const std::vector<std::string> sorted = {"Daylight|1|1|1|1|1|", "DAY|1|1|1|1|1|", "Day|1|1|1|1|1|",
                                           "day|1|1|1|1|1|",      "DAY|1|1|1|1|1|9", "DAY|2|2|2|2|2|"};
  const std::vector<std::vector<int>> orders = {{5, 4, 3, 2, 1, 0}, {2, 5, 0, 3, 1, 4}, {3, 1, 4, 0, 5, 2}};
  for (const auto& order : orders) {
    std::string text;
    for (int i : order) text += sorted[static_cast<std::size_t>(i)] + "\n";
    SCOPED_TRACE(text);
    const Loaded l = load_text(text + "->3\n");
    EXPECT_EQ(l.schemes.schemes(), sorted);
    EXPECT_EQ(l.choice.chosen, 3);
  }
  // "->k" counts the schemes read so far in that order: "->1" after the
  // first two lines chooses "Day" of {DAY, Day}, which moves to 2 at the end.
  const Loaded l = load_text("Day|1|1|1|1|1|\nDAY|1|1|1|1|1|\n->1\nDaylight|1|1|1|1|1|\n");
  EXPECT_EQ(l.choice.chosen, 2);
  EXPECT_EQ(l.schemes.closing_control_line(false, -1, {}), "->2");
}

// A line whose text ends in a carriage return ("\r\r\n" in the file) is
// written back so that it reads as itself: it never merges with the same
// scheme without one, and the choice survives any number of closings.
TEST(ColourSchemeFile, ALineEndingInACarriageReturnRoundTripsThroughACancel) {
  TempDir dir;
  const std::string text = "a|1|2|3|4|5|\na|1|2|3|4|5|\r\r\n->1\n";
  const std::string path = dir.write(chart_colors_file_name, text);
  for (int showing = 0; showing < 2; ++showing) {
    CHART_COLOR_SCHEMES schemes;
    SCHEME_CHOICE choice;
    ASSERT_EQ(schemes.load(path, choice), 1);
    EXPECT_EQ(schemes.schemes(), (std::vector<std::string>{"a|1|2|3|4|5|", "a|1|2|3|4|5|\r"}));
    EXPECT_EQ(choice.chosen, 1);
    ASSERT_EQ(schemes.save(path, schemes.closing_control_line(false, -1, {})), 1);
    EXPECT_EQ(read_file(path), text);
  }
}

// A damaged control line after a good one neither clears the choice nor is
// written back in its place: the next showing chooses the same scheme.
TEST(ColourSchemeFile, TheLastGoodControlLineChoosesAndSurvivesACancel) {
  const std::string schemes_text = "a|1|1|1|1|1|\nb|2|2|2|2|2|\n";
  for (const std::string damaged : {"-x", "-", "->7", "->-1", "-:Actual|1|2|"}) {
    SCOPED_TRACE(damaged);
    TempDir dir;
    const std::string path = dir.write(chart_colors_file_name, schemes_text + "->1\n" + damaged + "\n");
    for (int showing = 0; showing < 2; ++showing) {
      CHART_COLOR_SCHEMES schemes;
      SCHEME_CHOICE choice;
      ASSERT_EQ(schemes.load(path, choice), 1);
      EXPECT_EQ(choice.chosen, 1);
      EXPECT_FALSE(choice.actual);
      ASSERT_TRUE(choice.colours_read);
      EXPECT_EQ(choice.colours, (SCHEME_COLOURS{2, 2, 2, 2, 2}));
      EXPECT_EQ(schemes.control_line(), "->1");
      ASSERT_EQ(schemes.save(path, schemes.closing_control_line(false, -1, {})), 1);
    }
    EXPECT_EQ(read_file(path), schemes_text + "->1\n");
  }
  // A good line after it chooses anew.
  const Loaded l = load_text(schemes_text + "->1\n-x\n-:Actual|7|7|7|7|7|\n");
  EXPECT_TRUE(l.choice.actual);
  EXPECT_EQ(l.choice.colours, (SCHEME_COLOURS{7, 7, 7, 7, 7}));
  EXPECT_EQ(l.choice.chosen, -1);
}

// A pipe in place of the scheme file is neither read (nor waited on) nor
// written over.
TEST(ColourSchemeFile, APipeIsNeitherReadNorReplaced) {
  TempDir dir;
  const Fifo fifo(dir.file(chart_colors_file_name));
  ASSERT_TRUE(fifo.made());
  CHART_COLOR_SCHEMES schemes;
  SCHEME_CHOICE choice;
  FileBytesResult read = FileBytesResult::Read;
  EXPECT_EQ(schemes.load(fifo.path(), choice, &read), -1);
  EXPECT_EQ(read, FileBytesResult::NotRegularFile);
  EXPECT_EQ(schemes.save(fifo.path(), "->0"), -1);
  EXPECT_TRUE(fs::is_fifo(fifo.path()));
}
