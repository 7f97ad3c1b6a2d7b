#pragma once
// The 24 parameters of the problem generator as one table: for every field of
// the "Problem Generator" window its edit, tab, label, initial text, typing and
// leaving ranges, the name its range message carries, its reset text and the
// generator value it feeds. The window builds its edits and field checks from
// this table only; the generator reads the values through it.
#include <array>
#include <string>

// The generator's inputs, one int per parameter, named by the symbols the shop
// planners use for them (means, percentage deviations and bounds).
struct GENERATOR_VALUES {
  int S = 0;   // number of setup types
  int Sv = 0;  // mean setup time
  int Sp = 0;  // its deviation, %
  int Mv = 0;  // mean number of parallel machines in a machine group
  int Mp = 0;
  int Vv = 0;  // mean machine speed
  int Vp = 0;
  int E = 0;   // calendar intervals per machine
  int F = 0;   // the first interval starts before F
  int Av = 0;  // mean length of an availability interval
  int Ap = 0;
  int Uv = 0;  // mean gap between availability intervals
  int Up = 0;
  int Ov = 0;  // mean number of orders per execution type
  int Op = 0;
  int Jv = 0;  // mean number of jobs of an order
  int Jp = 0;
  int Qv = 0;  // mean job size
  int Qp = 0;
  int Bv = 0;  // mean bound of the earliest starts
  int Bp = 0;
  int Wv = 0;  // mean time window (due date minus earliest start)
  int Wp = 0;
  int R = 0;   // special machine requirements 1..10: 1 permits every machine
};

struct GENERATOR_PARAMETER {
  const char* edit;      // object name of the edit, "Edit1" ...
  const char* tab;       // "Machine" or "Order"
  const char* label;     // caption of the label beside the edit
  const char* initial;   // text the window starts with
  bool change_check;     // false: typing is not checked, only leaving
  int typing_low;
  int typing_high;
  int leaving_low;
  int leaving_high;
  const char* name;      // field name in the range message
  const char* reset;     // text put back when leaving with a value out of range
  const char* symbol;
  int GENERATOR_VALUES::*value;
};

constexpr int n_of_generator_parameters = 24;
// In screen order: the Machine tab top to bottom, then the Order tab, each
// mean before its deviation.
extern const std::array<GENERATOR_PARAMETER, n_of_generator_parameters> generator_parameters;

// The row of an edit ("Edit22"), nullptr when the generator has no such edit.
const GENERATOR_PARAMETER* generator_parameter(const std::string& edit);

// The values of the initial texts.
GENERATOR_VALUES default_generator_values();
// True when every value lies in its field's leaving range: the only values
// the window lets reach the generator, and the ones it is sound for.
bool generator_values_in_range(const GENERATOR_VALUES& values);

// Text to integer the way the window's fields convert: optional leading
// blanks, an optional sign, decimal digits and nothing else, within int.
// str_to_int throws std::invalid_argument ("'x' is not a valid integer
// value") where str_to_int_def returns its default.
int str_to_int(const std::string& text);
int str_to_int_def(const std::string& text, int def);

// Converts the 24 texts, in table order, into values; throws like str_to_int
// at the first text that is not an integer.
GENERATOR_VALUES generator_values_from_texts(const std::array<std::string, n_of_generator_parameters>& texts);

// The field checks. Change check: the text after a keystroke, emptied when it
// holds a character other than a digit or a value outside the typing range
// (unchanged for the four deviation fields that have no change check). Exit
// check: whether the text may stay when the field loses the focus; when not,
// the window shows generator_range_message and puts the reset text back.
std::string generator_change_checked_text(const GENERATOR_PARAMETER& p, const std::string& text);
bool generator_leaving_text_ok(const GENERATOR_PARAMETER& p, const std::string& text);
std::string generator_range_message(const GENERATOR_PARAMETER& p);
