#include "problem_io/field_value.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// Fields are read as atol reads them, without ever overflowing.
TEST(FieldValue, ReadAsAtolClampedToTheIntRange) {
  struct Case {
    const char* text;
    int value;
    bool fits;
  } cases[] = {
      {"42", 42, true},
      {" \t42", 42, true},
      {"\t42", 42, true},
      {"-7", -7, true},
      {"+7", 7, true},
      {"12ab", 12, true},
      {"", 0, true},
      {"abc", 0, true},
      {"- 5", 0, true},
      {"2147483647", INT_MAX, true},
      {"-2147483648", INT_MIN, true},
      {"2147483648", INT_MAX, false},
      {"-2147483649", INT_MIN, false},
      {"99999999999999999999999", INT_MAX, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    const FieldValue v = field_value(c.text);
    EXPECT_EQ(v.value, c.value);
    EXPECT_EQ(v.fits, c.fits);
  }
  std::vector<int> v;
  EXPECT_FALSE(split_fields("1| 2|99999999999|-3", v));
  EXPECT_EQ(v, (std::vector<int>{1, 2, INT_MAX, -3}));
}

}  // namespace
