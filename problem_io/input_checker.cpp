#include "problem_io/input_checker.h"

#include "problem_io/field_value.h"
#include "problem_io/input_records.h"
#include "problem_io/input_limits.h"
#include "problem_io/input_reader.h"
#include "problem_io/line_reader.h"
#include "problem_io/replacing_file.h"

void InputCheck::clear() {
  error_list.clear();
  warning_list.clear();
  M_check.clear();
  O_check.clear();
  job_total = 0;
}

namespace {

std::string at_line(int N) { return " -> line_" + std::to_string(N); }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// One run of the check over one file. Every rule that names a machine or an
// order tests the id against the header's range before any table is touched.
class CheckRun {
 public:
  explicit CheckRun(InputCheck& w) : w_(w) {}

  // False when a fatal finding stops the check.
  bool line(const std::string& text, int N) {
    N_ = N;
    // Field 1, the tag: any character but a digit is fatal where it stands.
    std::size_t i = 0;
    for (; i < text.size() && text[i] != '|'; ++i)
      if (!is_digit(text[i])) return illegal_character(text[i]);
    const std::string tag_text = text.substr(0, i);
    const FieldValue tag = field_value(tag_text);
    if (N == 1 && tag.value != 1) return fatal("Missing first line with 1 identifier." + at_line(N));
    if (!tag.fits || !known_tag(tag.value)) return fatal("Illegal line identifier: " + tag_text + at_line(N));
    if (!record_rules(tag.value, text)) return false;
    // The rest of the line: the record's own messages came first.
    for (; i < text.size(); ++i)
      if (text[i] != '|' && !is_digit(text[i])) return illegal_character(text[i]);
    return true;
  }

  void end_tests() {
    for (std::size_t i = 0; i < w_.M_check.size(); ++i) {
      const MACHINE_CHECK& c = w_.M_check[i];
      const std::string id = std::to_string(i);
      if (!c.declared) error("Missing declaration of Machine " + id + ".");
      if (!c.set_declared) error("Missing declaration of Setup at Machine " + id + ".");
      if (!c.cal_declared) error("Missing declaration of Calendar at Machine " + id + ".");
      if (c.cal_read < c.cal_count) error("Missing Calendar item at Machine " + id + ".");
      if (c.set_read < c.set_count) error("Missing Setup item at Machine " + id + ".");
    }
    for (std::size_t j = 0; j < w_.O_check.size(); ++j) {
      const ORDER_CHECK& c = w_.O_check[j];
      const std::string id = std::to_string(j);
      if (!c.declared) return void(fatal("Missing declaration of Order " + id + "." + at_line(N_)));
      if (!c.steps_declared) return void(fatal("Missing declaration of Steps at Order " + id + "." + at_line(N_)));
      if (c.step_read < c.step_count) error("Missing Step at Order " + id + ".");
    }
  }

 private:
  static bool known_tag(int t) {
    switch (t) {
      case kHeaderRecord: case kMachineRecord: case kCalendarCountRecord: case kCalendarRecord:
      case kSetupCountRecord: case kSetupRecord: case kOrderRecord: case kStepCountRecord: case kStepRecord:
        return true;
      default:
        return false;
    }
  }

  // False when a fatal finding stops the check.
  bool record_rules(int tag, const std::string& text) {
    switch (tag) {
      case kHeaderRecord: return header(text);
      case kMachineRecord: return machine(text);
      case kCalendarCountRecord: return on_machine(3, text, &CheckRun::calendar_declaration);
      case kCalendarRecord: return on_machine(4, text, &CheckRun::calendar_item);
      case kSetupCountRecord: return on_machine(3, text, &CheckRun::setup_declaration);
      case kSetupRecord: return on_machine(5, text, &CheckRun::setup_item);
      case kOrderRecord: return on_order(9, text, &CheckRun::order);
      case kStepCountRecord: return on_order(3, text, &CheckRun::step_declaration);
      case kStepRecord: return on_order(5, text, &CheckRun::step_item);
      default: return false;
    }
  }

  bool illegal_character(char c) { return fatal("Illegal character: " + std::string(1, c) + at_line(N_)); }

  bool fatal(const std::string& message) {
    w_.error_list.push_back(message);
    return false;
  }
  void error(const std::string& text) { w_.error_list.push_back(text + at_line(N_)); }
  void warning(const std::string& text) { w_.warning_list.push_back(text + at_line(N_)); }
  bool stop(const std::string& text) { return fatal(text + at_line(N_)); }

  // f(k) is the value of field k (2..10) of the current line.
  bool split(int n_fields, const std::string& text) { return split_line_fields(w_, n_fields, text, N_, v_); }
  int f(int k) const { return v_[k - 1]; }

  bool machine_in_range(int x) const { return x >= 0 && static_cast<std::size_t>(x) < w_.M_check.size(); }
  static std::string in_field(int k) { return " (in " + std::to_string(k) + ". field)"; }

  // Splits a record about the machine or order of field 2, tests that id
  // against the header's range (X_ becomes its text) and runs the record's
  // rules on the id's entry.
  template <class Entry>
  bool on_entry(std::vector<Entry>& table, const char* id_name, int n_fields, const std::string& text,
                bool (CheckRun::*rules)(Entry&)) {
    if (!split(n_fields, text)) return false;
    const int x = f(2);
    X_ = std::to_string(x);
    if (x < 0 || static_cast<std::size_t>(x) >= table.size())
      return stop(std::string("Out of range ") + id_name + ": " + X_ + in_field(2));
    return (this->*rules)(table[static_cast<std::size_t>(x)]);
  }
  bool on_machine(int n_fields, const std::string& text, bool (CheckRun::*rules)(MACHINE_CHECK&)) {
    return on_entry(w_.M_check, "Machine_ID", n_fields, text, rules);
  }
  bool on_order(int n_fields, const std::string& text, bool (CheckRun::*rules)(ORDER_CHECK&)) {
    return on_entry(w_.O_check, "Order_ID", n_fields, text, rules);
  }

  bool header(const std::string& text) {
    if (header_seen_) return stop("Multiple declaration for line_ID = 1.");
    header_seen_ = true;
    if (!split(4, text)) return false;
    const int limit[5] = {0, 0, kMaxMachines, kMaxOrders, kMaxSetupTypes};
    for (int k = 2; k <= 4; ++k) {
      const bool too_big = f(k) > limit[k] || (k == 4 && !setup_tables_fit(f(2), f(4)));
      if (f(k) < 1 || too_big)
        return stop("Value is out of range: " + std::to_string(f(k)) + in_field(k));
    }
    S_ = f(4);
    w_.M_check.assign(static_cast<std::size_t>(f(2)), MACHINE_CHECK());
    w_.O_check.assign(static_cast<std::size_t>(f(3)), ORDER_CHECK());
    w_.job_total = 0;
    return true;
  }

  bool machine(const std::string& text) {
    if (!split(5, text)) return false;
    const int x = f(2);
    X_ = std::to_string(x);
    if (f(4) > f(5)) return stop("Wrong Step_ID at Machine " + X_ + " (in 4. or 5. field)");
    if (f(4) > 3) return stop("Out of range StartStep at Machine " + X_ + in_field(4));
    if (f(5) > 3) return stop("Out of range EndStep at Machine " + X_ + in_field(5));
    if (!machine_in_range(x)) return stop("Out of range Machine_ID: " + X_ + in_field(2));
    MACHINE_CHECK& c = w_.M_check[x];
    if (c.declared) return stop("Multiple declaration of Machine: " + X_);
    c.declared = true;
    if (f(3) < 1) error("Zero Speed of Machine " + X_ + in_field(3));
    c.StartStep = f(4);
    c.EndStep = f(5);
    return true;
  }

  bool calendar_declaration(MACHINE_CHECK& c) {
    const int x = f(2);
    if (c.cal_declared) return stop("Multiple declaration of Calendar at Machine: " + X_);
    c.cal_declared = true;
    if (!c.declared) return stop("Missing declaration of Machine " + X_ + ".");
    if (f(3) < 1) return stop("Zero calendar elements at Machine : " + X_ + in_field(3));
    c.cal_count = f(3);
    c.cal_read = 0;
    if (x > 0) {
      const MACHINE_CHECK& before = w_.M_check[x - 1];
      const std::string V = std::to_string(x - 1);
      if (before.cal_read < before.cal_count) return stop("Missing calendar item at Machine " + V);
      if (before.set_read < before.set_count) return stop("Missing setup item at Machine " + V);
    }
    return true;
  }

  bool calendar_item(MACHINE_CHECK& c) {
    if (!c.cal_declared) return stop("Missing declaration of Calendar at Machine " + X_);
    ++c.cal_read;
    if (c.cal_read > c.cal_count) return stop("Extra calendar item at Machine " + X_);
    if (f(3) >= f(4)) return stop("Invalid calendar item at Machine " + X_);
    if (c.cal_read > 1 && c.cal_last_end >= f(3)) return stop("Overlapped calendar item at Machine " + X_);
    c.cal_last_end = f(4);
    return true;
  }

  bool setup_declaration(MACHINE_CHECK& c) {
    if (c.set_declared) return stop("Multiple declaration of Setups at Machine: " + X_);
    c.set_declared = true;
    if (!c.declared) return stop("Missing declaration of Machine " + X_ + ".");
    if (f(3) < 1) return stop("Zero setup elements at Machine : " + X_ + in_field(3));
    c.set_count = f(3);
    c.set_read = 0;
    if (c.cal_read < c.cal_count) return stop("Missing calendar item at Machine " + X_);
    return true;
  }

  bool setup_item(MACHINE_CHECK& c) {
    if (!c.set_declared) return stop("Missing declaration of Setups at Machine: " + X_);
    for (int k = 3; k <= 4; ++k)
      if (f(k) > S_ - 1) return stop("Out of range Setup_ID: " + std::to_string(f(k)) + in_field(k));
    if (f(3) == f(4) && f(5) != 0) return stop("Missing zero setup time at Machine " + X_ + in_field(5));
    ++c.set_read;
    if (c.set_read > c.set_count) return stop("Extra setup item at Machine " + X_);
    return true;
  }

  bool order(ORDER_CHECK& c) {
    if (c.declared) return stop("Multiple declaration of Order: " + X_);
    c.declared = true;
    if (f(4) >= f(3)) warning("Zero Time Window of Order " + X_ + " (in 3. or 4. field)");
    // Jobs beyond what the job tables can hold are out of range like no jobs.
    const bool jobs_fit = job_tables_fit(static_cast<long long>(w_.M_check.size()),
                                         static_cast<long long>(w_.job_total) + f(5));
    if (f(5) < 1 || !jobs_fit)
      error("Out of range Number of Jobs: " + std::to_string(f(5)) + in_field(5));
    else
      w_.job_total += f(5);
    if (f(6) < 1) error("Out of range Size of Jobs: " + std::to_string(f(6)) + in_field(6));
    if (f(7) > f(8)) error("Wrong Step_ID at Order " + X_ + " (in 7. or 8. field)");
    if (f(7) > 3) error("Out of range StartStep at Order " + X_ + in_field(7));
    if (f(8) > 3) error("Out of range EndStep at Order " + X_ + in_field(8));
    if (f(9) > S_ - 1) return stop("Out of range Setup_ID: " + std::to_string(f(9)) + in_field(9));
    return true;
  }

  bool step_declaration(ORDER_CHECK& c) {
    if (c.steps_declared) return stop("Multiple declaration of Steps at Order " + X_);
    c.steps_declared = true;
    if (!c.declared) return stop("Missing declaration of Order " + X_ + ".");
    if (f(3) < 1) return stop("Invalid number of steps at Order " + X_ + in_field(3));
    c.step_count = f(3);
    c.step_read = 0;
    return true;
  }

  bool step_item(ORDER_CHECK& c) {
    if (!c.declared) return stop("Missing declaration of Order" + X_ + ".");
    if (f(3) > f(4)) error("Wrong Step_ID at Order " + X_ + " (in 3. or 4. field)");
    if (f(3) > 3) error("Out of range StartStep at Order " + X_ + in_field(3));
    if (f(4) > 3) error("Out of range EndStep at Order " + X_ + in_field(4));
    const int m = f(5);
    const std::string V = std::to_string(m);
    if (!machine_in_range(m)) return stop("Out of range Machine_ID: " + V + in_field(5));
    const MACHINE_CHECK& mc = w_.M_check[m];
    if (!mc.declared) return stop("Undefined Machine " + V + " at Order " + X_ + in_field(5));
    if (f(3) != mc.StartStep) return stop("Machine mismatch at Order " + X_ + in_field(3));
    if (f(4) != mc.EndStep) return stop("Machine mismatch at Order " + X_ + in_field(4));
    if (c.step_count == -1) return stop("Missing declaration of steps at Order " + X_);
    ++c.step_read;
    if (c.step_read > c.step_count) return stop("Extra step item at Order " + X_);
    return true;
  }

  InputCheck& w_;
  int N_ = 0;
  int S_ = 0;
  bool header_seen_ = false;
  int v_[10] = {};
  std::string X_;  // field 2 of the current record as written in messages
};

}  // namespace

bool split_line_fields(InputCheck& check, int n_fields, const std::string& line, int N, int values[10]) {
  for (int k = 0; k < 10; ++k) values[k] = 0;
  int count = 0;
  int too_large_field = 0;
  std::string too_large_text;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = line.find('|', start);
    const std::size_t end = bar == std::string::npos ? line.size() : bar;
    ++count;
    int value = -1;
    if (end > start) {
      const FieldValue fv = field_value(std::string_view(line).substr(start, end - start));
      value = fv.value;
      if (!fv.fits && too_large_field == 0 && count <= n_fields) {
        too_large_field = count;
        too_large_text = line.substr(start, end - start);
      }
    } else {
      check.error_list.push_back("Empty field." + at_line(N));
    }
    if (count <= 10) values[count - 1] = value;
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  if (count < n_fields) check.error_list.push_back("Missing field." + at_line(N));
  if (count > n_fields) check.error_list.push_back("Extra field." + at_line(N));
  if (too_large_field != 0) {
    check.error_list.push_back("Value is too large: " + too_large_text + " (in " +
                               std::to_string(too_large_field) + ". field)" + at_line(N));
    return false;
  }
  return true;
}

int check_input_data(InputCheck& check) {
  check.M_check.clear();
  check.O_check.clear();
  check.job_total = 0;
  check.input_read = read_file_bytes(input_file_name, kMaxInputFileBytes, check.input_bytes);
  if (check.input_read != FileBytesResult::Read) return 0;
  return check_input_text(check, check.input_bytes);
}

int check_input_text(InputCheck& check, std::string_view text) {
  check.M_check.clear();
  check.O_check.clear();
  check.job_total = 0;
  LineReader reader(text);
  CheckRun run(check);
  int N = 0;
  bool stopped = false;
  std::string line;
  while (reader.next(line)) {
    if (!line.empty() && line[0] == 's') break;
    ++N;
    if (!run.line(line, N)) {
      stopped = true;
      break;
    }
  }
  if (!stopped) {
    if (N == 0)
      check.error_list.push_back("Input file is empty." + at_line(0));
    else
      run.end_tests();
  }
  if (!check.error_list.empty()) return -1;
  if (!check.warning_list.empty()) return 2;
  return 1;
}

const char* const SAVE_FAILED_MESSAGE = "The text could not be saved; the file is unchanged. -> line_0";

int save_and_check(InputCheck& check, const std::string& text) {
  check.error_list.clear();
  check.warning_list.clear();
  // The edit replaces the file only when every byte went out: a full disk or a
  // file the user may not write leaves the old content whole, and the old
  // content is then not checked in the edit's place.
  ReplacingFile file(input_file_name);
  if (file.is_open()) file.out() << text;
  if (!file.commit()) {
    check.error_list.emplace_back(SAVE_FAILED_MESSAGE);
    check.input_rejected = true;
    return 0;
  }
  // What a load goes on with is exactly what was written and checked here,
  // never the file read again.
  check.input_bytes = text;
  check.input_read = FileBytesResult::Read;
  const int r = check_input_text(check, check.input_bytes);
  check.input_rejected = r == 0 || r == -1;
  return r;
}
