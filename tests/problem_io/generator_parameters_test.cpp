#include "problem_io/generator_parameters.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
const GENERATOR_PARAMETER& row(const char* edit) {
  const GENERATOR_PARAMETER* p = generator_parameter(edit);
  EXPECT_NE(p, nullptr) << edit;
  return *p;
}

// The text an edit shows after typing text one character at a time.
std::string typed(const GENERATOR_PARAMETER& p, const std::string& text) {
  std::string shown;
  for (char c : text) shown = generator_change_checked_text(p, shown + c);
  return shown;
}
}  // namespace

TEST(GeneratorParameters, TextsConvertIntoTheirValuesOrRaise) {
  EXPECT_EQ(default_generator_values().Mv, 12);  // Edit2 feeds the machine mean
  EXPECT_EQ(default_generator_values().R, 4);    // Edit22 the machine requirements
  EXPECT_TRUE(generator_values_in_range(default_generator_values()));
  std::array<std::string, n_of_generator_parameters> texts;
  for (int i = 0; i < n_of_generator_parameters; ++i) texts[i] = generator_parameters[i].initial;
  texts[3] = "7";  // Edit2
  EXPECT_EQ(generator_values_from_texts(texts).Mv, 7);

  texts[3] = "";  // a field emptied while typing that never lost the focus
  try {
    generator_values_from_texts(texts);
    FAIL() << "an empty text must not convert";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  EXPECT_THROW(str_to_int("12a"), std::invalid_argument);
  EXPECT_THROW(str_to_int("99999999999"), std::invalid_argument);
  EXPECT_EQ(str_to_int("-3"), -3);
  EXPECT_EQ(str_to_int_def("99999999999", -1), -1);
}

TEST(GeneratorParameters, ChangeCheckEmptiesLettersAndValuesOutOfTheTypingRange) {
  EXPECT_EQ(typed(row("Edit1"), "4a"), "");
  EXPECT_EQ(typed(row("Edit1"), "101"), "");  // at the third keystroke
  EXPECT_EQ(typed(row("Edit1"), "10"), "10");
  EXPECT_EQ(typed(row("Edit1"), "0"), "");
  EXPECT_EQ(generator_change_checked_text(row("Edit2"), "-1"), "");
  for (const char* edit : {"Edit11", "Edit12", "Edit13"}) EXPECT_EQ(typed(row(edit), "100"), "100") << edit;
  EXPECT_EQ(typed(row("Edit16"), "500"), "500");  // typing allows more than leaving
  EXPECT_EQ(typed(row("Edit14"), "0"), "");       // and leaving more than typing
  EXPECT_EQ(generator_change_checked_text(row("Edit7"), "99999999999"), "");
  // The four order deviations have no change check.
  for (const char* edit : {"Edit15", "Edit19", "Edit20", "Edit21"})
    EXPECT_EQ(generator_change_checked_text(row(edit), "x500"), "x500") << edit;
}

TEST(GeneratorParameters, ExitCheckNamesTheFieldAndItsResetText) {
  const GENERATOR_PARAMETER& e1 = row("Edit1");
  EXPECT_FALSE(generator_leaving_text_ok(e1, ""));
  EXPECT_EQ(generator_range_message(e1),
            " The value of the Num. of setup types field is out of the range! It must be in [1 - 100].");
  EXPECT_STREQ(e1.reset, "4");
  EXPECT_STREQ(row("Edit24").reset, "20");
  EXPECT_FALSE(generator_leaving_text_ok(row("Edit24"), ""));

  const GENERATOR_PARAMETER& e17 = row("Edit17");
  EXPECT_TRUE(generator_leaving_text_ok(e17, "1000"));
  EXPECT_FALSE(generator_leaving_text_ok(e17, "5000"));
  EXPECT_EQ(generator_range_message(e17),
            " The value of the Average num. of the product of a jobs field is out of the range! It must be in [1 - 1000].");
  EXPECT_EQ(generator_range_message(row("Edit16")),
            " The value of the Average num. of the jobs of a prod. ordres field is out of the range! It must be in [1 - 100].");

  EXPECT_TRUE(generator_leaving_text_ok(row("Edit23"), "20000"));
  EXPECT_TRUE(generator_leaving_text_ok(row("Edit14"), "500"));
  EXPECT_TRUE(generator_leaving_text_ok(row("Edit14"), "0"));
  EXPECT_FALSE(generator_leaving_text_ok(row("Edit15"), "101"));
  for (const char* edit : {"Edit11", "Edit12", "Edit13"}) EXPECT_TRUE(generator_leaving_text_ok(row(edit), "100"));
}
