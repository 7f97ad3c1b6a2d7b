#include "problem_io/field_value.h"

#include <climits>

FieldValue field_value(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // The magnitude is held in 64 bits and stops growing once it passes the int
  // range, so a field of a hundred digits costs nothing and overflows nothing.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  bool fits = true;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (fits) magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) {
      fits = false;
      magnitude = limit;
    }
  }
  FieldValue v;
  v.fits = fits;
  v.value = static_cast<int>(negative ? -magnitude : magnitude);
  return v;
}

bool split_fields(std::string_view line, std::vector<int>& v) {
  bool fits = true;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = line.find('|', start);
    const std::size_t end = bar == std::string_view::npos ? line.size() : bar;
    const FieldValue x = field_value(line.substr(start, end - start));
    fits = fits && x.fits;
    v.push_back(x.value);
    if (bar == std::string_view::npos) return fits;
    start = bar + 1;
  }
}
