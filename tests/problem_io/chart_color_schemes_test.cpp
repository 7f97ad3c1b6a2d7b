#include "problem_io/chart_color_schemes.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(ColourSchemeFile, DefaultSchemeChosenByIndexIsShownAndWrittenBackUnchanged) {
  TempDir dir;
  const std::string path = dir.write(chart_colors_file_name, default_line + "\n->0\n");
  CHART_COLOR_SCHEMES schemes;
  SCHEME_CHOICE choice;
  ASSERT_EQ(schemes.load(path, choice), 1);
  EXPECT_TRUE(choice.colours_read);
  EXPECT_EQ(choice.colours, default_chart_colours);
  EXPECT_EQ(choice.chosen, 0);
  EXPECT_FALSE(choice.actual);
  EXPECT_EQ(schemes.names(), std::vector<std::string>{"default"});
  ASSERT_EQ(schemes.save(path, schemes.closing_control_line(true, 0, default_chart_colours)), 1);
  EXPECT_EQ(read_file(path), default_line + "\n->0\n");
}

TEST(ColourSchemeFile, ActualLineGivesItsColoursAndAFaultyOneNone) {
  Loaded l = load_text("a|1|2|3|4|5|\r\n-:Actual|10|20|30|40|50|\r\n");
  ASSERT_EQ(l.result, 1);
  EXPECT_TRUE(l.choice.actual);
  EXPECT_EQ(l.choice.chosen, -1);
  EXPECT_EQ(l.choice.colours, (SCHEME_COLOURS{10, 20, 30, 40, 50}));
  EXPECT_EQ(l.schemes.control_line(), "-:Actual|10|20|30|40|50|");

  l = load_text("four|1|2|3|4|\n->0\n");
  EXPECT_FALSE(l.choice.colours_read);
  EXPECT_EQ(l.choice.faulty, 1);
  l = load_text("-:Actual|1|2|3|4|\n");
  EXPECT_FALSE(l.choice.colours_read);
  EXPECT_EQ(l.choice.faulty, 1);
}

TEST(ColourSchemeFile, AnIndexBeyondTheSchemesReadChoosesNothing) {
  for (const char* control : {"->1", "->7", "->-1", "->99999999999999999999"}) {
    Loaded l = load_text(default_line + "\n" + control + "\n");
    ASSERT_EQ(l.result, 1);
    EXPECT_FALSE(l.choice.colours_read) << control;
    EXPECT_EQ(l.choice.chosen, -1) << control;
    EXPECT_EQ(l.schemes.control_line(), control);
    // Written back as read when the window is not closed with OK.
    EXPECT_EQ(l.schemes.closing_control_line(false, -1, default_chart_colours), control);
  }
  // The index counts the schemes read before the control line only.
  Loaded l = load_text("->0\n" + default_line + "\n");
  EXPECT_EQ(l.choice.chosen, -1);
  EXPECT_EQ(l.schemes.schemes().size(), 1u);
}

TEST(ColourSchemeFile, ReadingEndsAtALineLongerThan124Characters) {
  const std::string long_name(124 - make_scheme_string(default_chart_colours).size(), 'n');
  const std::string fits = long_name + make_scheme_string(default_chart_colours);  // exactly 124
  Loaded l = load_text("a|1|2|3|4|5|\n" + fits + "\n" + "x" + fits + "\nz|1|2|3|4|5|\n->0\n");
  ASSERT_EQ(l.result, 1);
  EXPECT_EQ(l.schemes.names(), (std::vector<std::string>{"a", long_name}));
  EXPECT_EQ(l.schemes.control_line(), "");  // the control line came after the long one
}

TEST(ColourSchemeFile, SchemesAreSortedByNameIgnoringCaseAndTakenOnceEmptyLinesSkipped) {
  Loaded l = load_text("c|1|1|1|1|1|\n\nB|1|1|1|1|1|\na|1|1|1|1|1|\nc|1|1|1|1|1|\n->2\n");
  EXPECT_EQ(l.schemes.names(), (std::vector<std::string>{"a", "B", "c"}));
  EXPECT_EQ(l.choice.chosen, 2);
  // A scheme read after the control line moves the chosen one down.
  l = load_text("c|3|3|3|3|3|\n->0\nb|2|2|2|2|2|\n");
  EXPECT_EQ(l.choice.chosen, 1);
  EXPECT_EQ(l.choice.colours, (SCHEME_COLOURS{3, 3, 3, 3, 3}));
}

TEST(ColourSchemeFile, MissingFileOrFolderKeepsWhatWasReadBefore) {
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
