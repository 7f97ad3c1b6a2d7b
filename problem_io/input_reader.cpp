#include "problem_io/input_reader.h"

#include <climits>
#include <map>
#include <utility>
#include <vector>

#include "engine/problem.h"
#include "engine/problem_invariants.h"
#include "engine/problem_tables.h"
#include "engine/run_state.h"
#include "problem_io/field_value.h"
#include "problem_io/file_bytes.h"
#include "problem_io/input_records.h"
#include "problem_io/input_limits.h"
#include "problem_io/line_reader.h"

namespace {

// A 0-based id, step or setup type of the file as stored; the largest int
// stays itself rather than overflowing (no checked file holds one there).
int plus_one(int v) { return v == INT_MAX ? v : v + 1; }

// The problem as it is being read. It becomes the loaded problem only when the
// whole file has been read, so a refused file leaves the previous one intact.
class ProblemBuilder {
 public:
  // item_lines: per tag (120, 220) and per id of field 2, the number of item
  // lines the file holds.
  explicit ProblemBuilder(std::map<std::pair<int, int>, int> item_lines)
      : item_lines_(std::move(item_lines)) {}

  // Runs the record's actions for fields 1..values.size()-1; false refuses the file.
  bool take_line(const std::vector<int>& v) {
    const int n = static_cast<int>(v.size()) - 1;
    if (n < 1) return true;
    switch (v[1]) {
      case kHeaderRecord: return header(v, n);
      case kMachineRecord: return machine_line(v, n);
      case kCalendarCountRecord: return calendar_declaration(v, n);
      case kCalendarRecord: return calendar_item(v, n);
      case kSetupCountRecord: return setup_declaration(v, n);
      case kSetupRecord: return setup_item(v, n);
      case kOrderRecord: return order_line(v, n);
      case kStepCountRecord: return step_declaration(v, n);
      case kStepRecord: return step_item(v, n);
      default: return true;  // unknown tags and empty lines change nothing
    }
  }

  // Total jobs within the limits; moves the problem into the globals and
  // derives its tables. False, with the previous problem loaded again, when
  // the jobs pass the limits or the derived problem breaks an invariant the
  // engine relies on (fault then says which).
  bool commit(std::string& fault) {
    long long jobs = 0;
    for (int o = 1; o <= n_orders_; ++o)
      if (orders_[o].NJob > 0) jobs += orders_[o].NJob;
    if (!job_tables_fit(n_machines_, jobs)) return false;
    // A machine or order that no declaration reached still gets its unused
    // entry 0, as every list of the problem has one.
    for (MACHINE& mc : machines_)
      if (mc.Cal.empty()) mc.Cal.resize(1);
    for (ORDER& od : orders_)
      if (od.Steps.empty()) od.Steps.resize(1);
    // Moving the problems in and out allocates nothing; deriving the tables
    // and checking them may fail anywhere (M_wload alone can be hundreds of
    // megabytes), and the previous problem is then put back whole before the
    // failure goes on, so no count is ever left without its table.
    PROBLEM_DATA previous = take_problem_data();
    try {
      n_of_Machines = n_machines_;
      n_of_Orders = n_orders_;
      n_of_SetupTypes = n_setup_types_;
      Machines = std::move(machines_);
      Orders = std::move(orders_);
      derive_problem_tables();
      fault = problem_invariant_fault();
    } catch (...) {
      put_problem_data(std::move(previous));
      throw;
    }
    if (fault.empty()) return true;
    put_problem_data(std::move(previous));
    return false;
  }

 private:
  bool header(const std::vector<int>& v, int n) {
    if (n >= 2) {
      if (v[2] < 0 || v[2] > kMaxMachines) return false;
      n_machines_ = v[2];
      machines_.assign(static_cast<size_t>(n_machines_) + 1, MACHINE());
      cal_next_.assign(static_cast<size_t>(n_machines_) + 1, 1);
    }
    if (n >= 3) {
      if (v[3] < 0 || v[3] > kMaxOrders) return false;
      n_orders_ = v[3];
      orders_.assign(static_cast<size_t>(n_orders_) + 1, ORDER());
      step_next_.assign(static_cast<size_t>(n_orders_) + 1, 1);
    }
    if (n >= 4) {
      if (v[4] < 0 || v[4] > kMaxSetupTypes) return false;
      n_setup_types_ = v[4];
    }
    // Also after a second header that changes only the machines.
    return setup_tables_fit(n_machines_, n_setup_types_);
  }

  // Field 2 of every machine record names the machine the line is about; an
  // id outside the header's range makes the line change nothing.
  MACHINE* machine_of(const std::vector<int>& v, int n) {
    if (n < 2) return nullptr;
    m_ = v[2] >= 0 && v[2] < n_machines_ ? v[2] + 1 : 0;
    if (m_ == 0) return nullptr;
    machines_[m_].ID = m_;
    return &machines_[m_];
  }

  ORDER* order_of(const std::vector<int>& v, int n) {
    if (n < 2) return nullptr;
    o_ = v[2] >= 0 && v[2] < n_orders_ ? v[2] + 1 : 0;
    if (o_ == 0) return nullptr;
    orders_[o_].ID = o_;
    return &orders_[o_];
  }

  // A declared item count, cut to the item lines the file holds for that
  // machine or order: an accepted file declares exactly those, and a count no
  // line backs never reserves memory.
  int items_to_hold(int tag, int id, int declared) {
    const auto it = item_lines_.find({tag, id});
    const int present = it == item_lines_.end() ? 0 : it->second;
    if (declared < 0) return 0;
    return declared < present ? declared : present;
  }

  // A new item list (entry 0 unused) of the count a 110 or 210 line declares;
  // the next item line fills item 1. Returns the count held.
  template <class Item>
  int declare_items(std::vector<Item>& items, int& next, int item_tag, int id, int declared) {
    const int count = items_to_hold(item_tag, id, declared);
    items.assign(static_cast<size_t>(count) + 1, Item());
    next = 1;
    return count;
  }

  bool machine_line(const std::vector<int>& v, int n) {
    MACHINE* mc = machine_of(v, n);
    if (!mc) return true;
    if (n >= 3) mc->Speed = v[3];
    if (n >= 4) mc->StartStep = plus_one(v[4]);
    if (n >= 5) mc->EndStep = plus_one(v[5]);
    return true;
  }

  bool calendar_declaration(const std::vector<int>& v, int n) {
    MACHINE* mc = machine_of(v, n);
    if (!mc || n < 3) return true;
    mc->N_Cal = declare_items(mc->Cal, cal_next_[m_], kCalendarRecord, v[2], v[3]);
    return true;
  }

  bool calendar_item(const std::vector<int>& v, int n) {
    MACHINE* mc = machine_of(v, n);
    if (!mc) return true;
    const int k = cal_next_[m_];
    if (k > mc->N_Cal) return true;  // more items than declared: never stored
    if (n >= 3) mc->Cal[k].ST = v[3];
    if (n >= 4) {
      mc->Cal[k].ET = v[4];
      cal_next_[m_] = k + 1;
    }
    return true;
  }

  bool setup_declaration(const std::vector<int>& v, int n) {
    MACHINE* mc = machine_of(v, n);
    if (!mc || n < 3) return true;
    mc->N_Set = v[3];
    mc->alloc_setup_matrix(n_setup_types_);
    return true;
  }

  bool setup_item(const std::vector<int>& v, int n) {
    MACHINE* mc = machine_of(v, n);
    if (!mc || n < 5) return true;
    const int from = plus_one(v[3]);
    const int to = plus_one(v[4]);
    const int types = mc->setup_types();  // 0 until the machine's 130 line
    if (from >= 1 && from <= types && to >= 1 && to <= types) mc->SetupM(from, to) = v[5];
    return true;
  }

  bool order_line(const std::vector<int>& v, int n) {
    ORDER* od = order_of(v, n);
    if (!od) return true;
    int* const fields[] = {&od->CET, &od->CST, &od->NJob, &od->SJob};
    for (int f = 3; f <= 6 && f <= n; ++f) *fields[f - 3] = v[f];
    if (n >= 7) od->StartStep = plus_one(v[7]);
    if (n >= 8) od->EndStep = plus_one(v[8]);
    if (n >= 9) od->SetupType = plus_one(v[9]);
    return true;
  }

  bool step_declaration(const std::vector<int>& v, int n) {
    ORDER* od = order_of(v, n);
    if (!od || n < 3) return true;
    od->N_Step = declare_items(od->Steps, step_next_[o_], kStepRecord, v[2], v[3]);
    return true;
  }

  bool step_item(const std::vector<int>& v, int n) {
    ORDER* od = order_of(v, n);
    if (!od) return true;
    const int s = step_next_[o_];
    if (s > od->N_Step) return true;
    if (n >= 3) od->Steps[s].SS = plus_one(v[3]);
    if (n >= 4) od->Steps[s].ES = plus_one(v[4]);
    if (n >= 5) {
      od->Steps[s].M_ID = plus_one(v[5]);
      step_next_[o_] = s + 1;
    }
    return true;
  }

  int n_machines_ = 0;
  int n_orders_ = 0;
  int n_setup_types_ = 0;
  std::vector<MACHINE> machines_ = std::vector<MACHINE>(1);
  std::vector<ORDER> orders_ = std::vector<ORDER>(1);
  std::vector<int> cal_next_ = std::vector<int>(1, 1);   // next calendar item per machine
  std::vector<int> step_next_ = std::vector<int>(1, 1);  // next permitted machine per order
  int m_ = 0;
  int o_ = 0;
  std::map<std::pair<int, int>, int> item_lines_;
};

}  // namespace

int read_input_path(const std::string& path) {
  input_file_name = path;
  std::string text;
  if (read_file_bytes(path, kMaxInputFileBytes, text) != FileBytesResult::Read) return -1;
  return read_input_text(text);
}

int read_input_text(std::string_view text, std::string* refusal) {
  // Two walks over the same text, neither copying a line: the first counts
  // the item lines of every machine and order, the second builds.
  std::vector<int> fields;
  std::map<std::pair<int, int>, int> item_lines;
  std::string_view line;
  for (LineReader reader(text); reader.next(line) && !(!line.empty() && line[0] == 's');) {
    fields.assign(1, 0);  // fields 1..n
    split_fields(line, fields);
    if (fields.size() > 2 && (fields[1] == kCalendarRecord || fields[1] == kStepRecord))
      ++item_lines[{fields[1], fields[2]}];
  }
  ProblemBuilder builder(std::move(item_lines));
  for (LineReader reader(text); reader.next(line) && !(!line.empty() && line[0] == 's');) {
    fields.assign(1, 0);
    split_fields(line, fields);
    if (!builder.take_line(fields)) return -1;
  }
  std::string fault;
  if (!builder.commit(fault)) {
    if (refusal) *refusal = fault;
    return -1;
  }
  first_run = 1;
  return 1;
}

void free_input_data() { clear_problem_data(); }
