#pragma once
// The input checker: reads the scheduling input file named by input_file_name
// line by line and applies the format's grammar (allowed characters, record
// tags, field counts, value and id ranges, record order, the item counts that
// the 110, 130 and 210 lines announce). Every finding is one line of text
// ending in " -> line_" and the 1-based line number, listed as an error or a
// warning; the "Input Data Checking" window shows the two lists. The checker
// never stops the program and never reads a line past the "s" line that ends
// the input part of a released-schedule file.
//
// Beyond the grammar it refuses what the program could not hold: a number
// that does not fit in 32 bits ("Value is too large: ..."), and header sizes
// or a job total above input_limits.h (the field's own out-of-range message).
#include <string>
#include <string_view>
#include <vector>

#include "problem_io/file_bytes.h"

// What the check knows about one machine id (0-based) of the header's range.
struct MACHINE_CHECK {
  bool declared = false;
  bool cal_declared = false;
  int cal_count = -1;
  int cal_read = -1;
  int cal_last_end = -1;   // end of the last calendar item read
  bool set_declared = false;
  int set_count = -1;
  int set_read = -1;
  int StartStep = -1;
  int EndStep = -1;
};

// What the check knows about one order id (0-based).
struct ORDER_CHECK {
  bool declared = false;
  bool steps_declared = false;
  int step_count = -1;
  int step_read = -1;
};

// The data of the "Input Data Checking" window: its error list (ListBox1), its
// warning list (ListBox2), the tables of the last check and input_rejected.
struct InputCheck {
  std::vector<std::string> error_list;
  std::vector<std::string> warning_list;
  std::vector<MACHINE_CHECK> M_check;  // sized by the header; empty before one
  std::vector<ORDER_CHECK> O_check;
  bool input_rejected = false;
  int job_total = 0;                   // jobs of the orders read so far
  // The text the last check read from the file, or that the last "Save and
  // Check" wrote over it: the only text a load may read afterwards.
  std::string input_bytes;
  FileBytesResult input_read = FileBytesResult::CannotOpen;

  // What closing the window does: both lists and both tables emptied (the
  // checked text stays for the load that opened the window).
  void clear();
};

// Reads the file named by input_file_name once into check.input_bytes
// (input_read says how that went) and checks those bytes as
// check_input_text does. Returns 0, with nothing listed, when the file cannot
// be read whole: missing, unreadable, not a regular file, or larger than
// kMaxInputFileBytes.
int check_input_data(InputCheck& check);

// Checks text as an input file's content and adds its messages to the two
// lists, which it does not clear (the tables of an earlier check are dropped).
// Returns -1 when the error list is not empty at the end or a fatal finding
// stopped the check, 2 when only warnings are listed, 1 when both lists are
// empty.
int check_input_text(InputCheck& check, std::string_view text);

// Splits line N at "|" into values[0..9] (fields 1..10; later fields are only
// counted, missing ones read 0, an empty field reads -1 and lists "Empty
// field."), then lists "Missing field." or "Extra field." when the line does
// not have n_fields fields. Returns false, after listing the fatal "Value is
// too large: ..." as the last message, when one of the record's fields holds a
// number outside the 32-bit range.
bool split_line_fields(InputCheck& check, int n_fields, const std::string& line, int N, int values[10]);

// "Save and Check" of the checking window: clears both lists, writes text over
// the file named by input_file_name, checks text itself (it becomes
// check.input_bytes, what the load reads) and sets input_rejected when the
// check returns 0 or -1. Returns the check's result. When the text cannot
// be written (a read-only file, a full disk) the file stays as it was, the
// error list holds SAVE_FAILED_MESSAGE alone, input_rejected is set and the
// result is 0: the old content is never checked in the edit's place.
int save_and_check(InputCheck& check, const std::string& text);
extern const char* const SAVE_FAILED_MESSAGE;
