#include "problem_io/generator_parameters.h"

#include <cctype>
#include <climits>
#include <stdexcept>

using V = GENERATOR_VALUES;

// clang-format off
const std::array<GENERATOR_PARAMETER, n_of_generator_parameters> generator_parameters = {{
  {"Edit1",  "Machine", "Num. of setup types:", "4", true, 1, 100, 1, 100,
   "Num. of setup types", "4", "S", &V::S},
  {"Edit10", "Machine", "Average setup time:", "50", true, 0, 100, 0, 100,
   "Average setup time", "30", "Sv", &V::Sv},
  {"Edit11", "Machine", "Max. deviation:", "20", true, 0, 100, 0, 100,
   "Max. deviation of setup time", "20", "Sp", &V::Sp},
  {"Edit2",  "Machine", "Average num. of parallel machines in a group:", "12", true, 0, 100, 0, 100,
   "Average num. of parallel machines in a group", "4", "Mv", &V::Mv},
  {"Edit3",  "Machine", "Max. deviation:", "20", true, 0, 100, 0, 100,
   "Max. deviation", "20", "Mp", &V::Mp},
  {"Edit4",  "Machine", "Average machine speed:", "10", true, 1, 100, 1, 100,
   "Average machine speed", "10", "Vv", &V::Vv},
  {"Edit5",  "Machine", "Max. deviation:", "20", true, 1, 100, 1, 100,
   "Max. deviation of machine speed", "20", "Vp", &V::Vp},
  {"Edit6",  "Machine", "Num. of calendar elements:", "10", true, 1, 100, 1, 100,
   "Num. of calendar elements", "12", "E", &V::E},
  {"Edit7",  "Machine", "Max. start time of the first calendar element:", "400", true, 0, 10000, 0, 10000,
   "Max. start time of the first calendar element", "400", "F", &V::F},
  {"Edit8",  "Machine", "Average length of machine availability intervals:", "1000", true, 1, 10000, 1, 10000,
   "Average length of machine availability intervals", "1000", "Av", &V::Av},
  {"Edit12", "Machine", "Max. deviation:", "20", true, 0, 100, 0, 100,
   "Max. deviation of machine availability time", "20", "Ap", &V::Ap},
  {"Edit9",  "Machine", "Average length of machine unavailability intervals:", "100", true, 1, 10000, 1, 10000,
   "Average length of machine unavailability intervals", "100", "Uv", &V::Uv},
  {"Edit13", "Machine", "Max. deviation:", "20", true, 0, 100, 0, 100,
   "Max. deviation of machine unavailability time", "20", "Up", &V::Up},
  {"Edit14", "Order", "Average num. of  prod. orders with EXE type:", "40", true, 1, 10000, 0, 10000,
   "Average num. of prod. orders with EXE type", "40", "Ov", &V::Ov},
  {"Edit15", "Order", "Max. deviation:", "20", false, 0, 0, 0, 100,
   "Max. deviation", "20", "Op", &V::Op},
  {"Edit16", "Order", "Average num. of the jobs of a prod. order: ", "10", true, 1, 10000, 1, 100,
   "Average num. of the jobs of a prod. ordres", "6", "Jv", &V::Jv},
  {"Edit19", "Order", "Max. deviation:", "20", false, 0, 0, 0, 100,
   "Max. deviation", "20", "Jp", &V::Jp},
  {"Edit17", "Order", "Average num. of the product of a jobs:", "200", true, 1, 10000, 1, 1000,
   "Average num. of the product of a jobs", "200", "Qv", &V::Qv},
  {"Edit20", "Order", "Max. deviation:", "20", false, 0, 0, 0, 100,
   "Max. deviation", "20", "Qp", &V::Qp},
  {"Edit18", "Order", "Average value of the constraint start times:", "300", true, 0, 10000, 0, 10000,
   "Constraint start times", "400", "Bv", &V::Bv},
  {"Edit21", "Order", "Max. deviation:", "20", false, 0, 0, 0, 100,
   "Max. deviation", "20", "Bp", &V::Bp},
  {"Edit23", "Order", "Average value of the constraint time windows:", "1100", true, 0, 32000, 0, 32000,
   "Constraint end times", "4000", "Wv", &V::Wv},
  {"Edit24", "Order", "Max. deviation:", "80", true, 0, 100, 0, 100,
   "Max. deviation", "20", "Wp", &V::Wp},
  {"Edit22", "Order", "Special machine requirements:", "4", true, 1, 10, 1, 10,
   "Special machine requirements", "10", "R", &V::R},
}};
// clang-format on

const GENERATOR_PARAMETER* generator_parameter(const std::string& edit) {
  for (const GENERATOR_PARAMETER& p : generator_parameters)
    if (edit == p.edit) return &p;
  return nullptr;
}

GENERATOR_VALUES default_generator_values() {
  GENERATOR_VALUES v;
  for (const GENERATOR_PARAMETER& p : generator_parameters) v.*p.value = str_to_int(p.initial);
  return v;
}

bool generator_values_in_range(const GENERATOR_VALUES& values) {
  for (const GENERATOR_PARAMETER& p : generator_parameters) {
    const int x = values.*p.value;
    if (x < p.leaving_low || x > p.leaving_high) return false;
  }
  return true;
}

namespace {
// False when text is not an integer that fits an int.
bool parse_int(const std::string& text, int& out) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) value = -value;
  if (value < INT_MIN || value > INT_MAX) return false;
  out = static_cast<int>(value);
  return true;
}
}  // namespace

int str_to_int(const std::string& text) {
  int value = 0;
  if (!parse_int(text, value)) throw std::invalid_argument("'" + text + "' is not a valid integer value");
  return value;
}

int str_to_int_def(const std::string& text, int def) {
  int value = 0;
  return parse_int(text, value) ? value : def;
}

GENERATOR_VALUES generator_values_from_texts(const std::array<std::string, n_of_generator_parameters>& texts) {
  GENERATOR_VALUES v;
  for (int i = 0; i < n_of_generator_parameters; ++i)
    v.*generator_parameters[i].value = str_to_int(texts[i]);
  return v;
}

std::string generator_change_checked_text(const GENERATOR_PARAMETER& p, const std::string& text) {
  if (!p.change_check) return text;
  for (char c : text)
    if (c < '0' || c > '9') return "";
  const int x = str_to_int_def(text, -1);
  if (x < p.typing_low || x > p.typing_high) return "";
  return text;
}

bool generator_leaving_text_ok(const GENERATOR_PARAMETER& p, const std::string& text) {
  const int x = str_to_int_def(text, -1);
  return x >= p.leaving_low && x <= p.leaving_high;
}

std::string generator_range_message(const GENERATOR_PARAMETER& p) {
  return std::string(" The value of the ") + p.name + " field is out of the range! It must be in [" +
         std::to_string(p.leaving_low) + " - " + std::to_string(p.leaving_high) + "].";
}
