#pragma once
// The value of one "|"-separated field of an input line, read the way atol
// reads text (leading blanks and one sign are part of the number, reading
// stops at the first other character, no digit gives 0), but never overflowed:
// a number beyond the 32-bit range is flagged and clamped to the nearest limit.
#include <string_view>
#include <vector>

struct FieldValue {
  int value = 0;
  bool fits = true;  // false when the written number lies outside the int range
};

FieldValue field_value(std::string_view text);

// Appends the value of every "|"-separated field of line to v, in order (a
// line without a bar is one field). False when some field's number lies
// outside the int range; its value is then clamped as above.
bool split_fields(std::string_view line, std::vector<int>& v);
