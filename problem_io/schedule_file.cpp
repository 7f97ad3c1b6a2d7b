#include "problem_io/schedule_file.h"

#include <algorithm>
#include <array>
#include <functional>
#include <new>
#include <ostream>
#include <string_view>
#include <utility>

#include "engine/schedule_linked.h"
#include "engine/undo_list.h"
#include "problem_io/field_value.h"
#include "problem_io/input_limits.h"
#include "problem_io/input_records.h"
#include "problem_io/line_reader.h"
#include "problem_io/replacing_file.h"


std::string schedule_file_path(const std::string& chosen, const std::string& extension) {
  // Only the file name's own extension is cut: a dot in a folder name must
  // never send the file to another folder under another name.
  const std::size_t name_start = chosen.find_last_of("/\\");
  const std::size_t dot = chosen.find_last_of('.');
  const bool in_name = dot != std::string::npos && (name_start == std::string::npos || dot > name_start);
  return (in_name ? chosen.substr(0, dot) : chosen) + extension;
}

std::string choose_schedule_file(ScheduleFileKind kind, SaveDialog& dialog, const std::string& program_dir) {
  const bool released = kind == ScheduleFileKind::Released;
  dialog.InitialDir = program_dir;
  dialog.FileName = program_dir + (released ? "release_sch.rsf" : "exp_sch.sch");
  dialog.Filter = released ? "Released schedule file (*.rsf)|*.rsf" : "Schedule file (*.sch)|*.sch";
  if (!dialog.Execute()) return "";
  return schedule_file_path(dialog.FileName, released ? ".rsf" : ".sch");
}

namespace {

// The tag of each line of a schedule section.
enum ScheduleTag : int {
  kScheduleHeader = 1,   // 1|nM|nJ|nO
  kMachineSequence = 2,  // 2|m|count, followed by count sequence lines
  kSequenceJob = 3,      // 3|job
  kJobRoute = 4,         // 4|j|route|machine of each route step
};

// Writes through a temporary file in the target's folder, put in the target's
// place only when the writer and the stream both succeeded.
int write_replacing(const std::string& path, const std::function<bool(std::ostream&)>& write) {
  ReplacingFile file(path);
  if (!file.is_open()) return -1;
  if (!write(file.out())) return -1;
  return file.commit() ? 1 : -1;
}

// Walks both lists of every node; false when a list is shorter than its
// count says, so that a broken schedule is never written as a file that reads
// back as another schedule.
bool write_schedule_section(std::ostream& out, const SCH& sch) {
  const int nM = sch.n_of_Machines;
  const int nJ = sch.n_of_Jobs;
  if (nM < 0 || nJ < 0) return false;
  if ((nM > 0 || nJ > 0) &&
      (static_cast<int>(sch.Mach_Head.size()) <= nM || static_cast<int>(sch.Mach_Count.size()) <= nM ||
       static_cast<int>(sch.Job_Head.size()) <= nJ || static_cast<int>(sch.Route.size()) <= nJ))
    return false;
  out << kScheduleHeader << '|' << nM << '|' << nJ << '|' << sch.n_of_Orders << '\n';
  for (int m = 1; m <= nM; ++m) {
    const int c = sch.Mach_Count[m];
    out << kMachineSequence << '|' << m << '|' << c << '\n';
    int t = sch.Mach_Head[m];
    for (int p = 1; p <= c; ++p) {
      if (t == NO_TASK) return false;
      out << kSequenceJob << '|' << sch.task(t).Job << '\n';
      t = sch.task(t).next_on_machine;
    }
  }
  for (int j = 1; j <= nJ; ++j) {
    const int r = sch.Route[j];
    out << kJobRoute << '|' << j << '|' << r;
    if (r != 0) {
      int steps = 0;
      for (int t = sch.Job_Head[j]; t != NO_TASK && steps < 4; t = sch.task(t).next_in_job, ++steps)
        out << '|' << sch.task(t).Machine;
    }
    out << '\n';
  }
  return true;
}

// The problem as a scheduling input file.
bool write_input_part(std::ostream& out, const std::vector<MACHINE>& machines,
                      const std::vector<ORDER>& orders, int nM, int nO, int S) {
  write_header_record(out, nM, nO, S);
  for (int m = 1; m <= nM; ++m) write_machine_records(out, machines[m], S);
  for (int o = 1; o <= nO; ++o) write_order_records(out, orders[o]);
  return true;
}

// Fields of one line converted as atol does; a value outside the int range is
// flagged, never wrapped.
struct Fields {
  std::vector<int> v;
  bool overflow = false;
};

Fields fields_of(std::string_view line) {
  Fields f;
  f.overflow = !split_fields(line, f.v);
  return f;
}

bool contains(const std::vector<int>& list, int id) {
  if (list.empty()) return false;
  for (int i = 1; i <= list[0] && i < static_cast<int>(list.size()); ++i)
    if (list[i] == id) return true;
  return false;
}

// What the lines of a schedule section built up.
struct ReadTables {
  int nM = 0, nJ = 0, nO = 0;
  bool header = false;
  std::vector<std::vector<int>> M_wload;  // rows of nJ + 1
  std::vector<int> filled;                // tag-3 lines read per machine
  std::vector<bool> machine_seen;
  std::vector<std::array<int, 5>> J_A;
  std::vector<bool> job_seen;
  int m = 0;  // machine of the last tag-2 line, 0 before any
};

// One line; false on bad content.
bool read_line(ReadTables& T, const Fields& f) {
  const int tag = f.v[0];
  if (tag < kScheduleHeader || tag > kJobRoute) return true;  // the input part of a released file, its "s" line
  if (f.overflow) return false;
  const std::size_t n = f.v.size();
  auto val = [&](std::size_t i) { return f.v[i]; };
  if (tag == kScheduleHeader) {
    // A released file's input header "001|M|O|S" is read as a header too; the
    // section's own header follows and replaces it.
    T.header = n >= 4 && val(1) == n_of_Machines && val(2) == n_of_Jobs && val(3) == n_of_Orders;
    T.m = 0;
    if (!T.header) return true;  // refused only when a machine or job line needs it
    T.nM = val(1);
    T.nJ = val(2);
    T.nO = val(3);
    T.M_wload.assign(static_cast<std::size_t>(T.nM) + 1, std::vector<int>());
    T.filled.assign(static_cast<std::size_t>(T.nM) + 1, 0);
    T.machine_seen.assign(static_cast<std::size_t>(T.nM) + 1, false);
    T.J_A.assign(static_cast<std::size_t>(T.nJ) + 1, std::array<int, 5>{0, 0, 0, 0, 0});
    T.job_seen.assign(static_cast<std::size_t>(T.nJ) + 1, false);
    return true;
  }
  if (!T.header || n < (tag == kSequenceJob ? 2u : 3u)) return false;
  if (tag == kMachineSequence) {
    const int m = val(1), c = val(2);
    if (m < 1 || m > T.nM || c < 0 || c > T.nJ) return false;
    T.m = m;
    T.M_wload[m].assign(static_cast<std::size_t>(T.nJ) + 1, 0);
    T.M_wload[m][0] = c;
    T.filled[m] = 0;
    T.machine_seen[m] = true;
    return true;
  }
  if (tag == kSequenceJob) {
    const int job = val(1);
    if (T.m == 0 || T.filled[T.m] >= T.M_wload[T.m][0] || job < 1 || job > T.nJ) return false;
    T.M_wload[T.m][++T.filled[T.m]] = job;
    return true;
  }
  // kJobRoute
  const int j = val(1), r = val(2);
  if (j < 1 || j > T.nJ || r < 0 || r > n_of_Routes) return false;
  std::array<int, 5> row{r, 0, 0, 0, 0};
  for (std::size_t i = 3; i < n && i <= 6; ++i) {
    if (val(i) > T.nM) return false;
    row[i - 2] = val(i);
  }
  T.J_A[j] = row;
  T.job_seen[j] = true;
  return true;
}

// The whole schedule against the loaded problem: every machine and job has its
// line, every route step names a usable machine, and the machine sequences
// hold exactly the route steps the job lines place on them. A schedule that
// passes can be built, timed and shown without reading outside a table.
bool complete_and_consistent(const ReadTables& T) {
  if (!T.header) return false;
  std::vector<int> steps_on(static_cast<std::size_t>(T.nM) + 1, 0);
  std::vector<int> balance(static_cast<std::size_t>(T.nJ) + 1, 0);
  for (int j = 1; j <= T.nJ; ++j) {
    if (!T.job_seen[j]) return false;
    const int r = T.J_A[j][0];
    if (r == 0) continue;
    const int oid = Jobs[j].Order_ID;
    if (oid < 1 || oid > n_of_Orders) return false;
    const ORDER& o = Orders[oid];
    bool feasible = false;
    for (int i = 1; i <= o.N_Routes; ++i) feasible = feasible || o.R_feasible[i] == r;
    if (!feasible) return false;
    for (int k = 1; k <= R_MG_ex[r][0]; ++k) {
      const int m = T.J_A[j][k];
      const std::size_t g = static_cast<std::size_t>(R_MG_ex[r][k]);
      if (m < 1 || m > T.nM || g >= o.MG_M.size() || !contains(o.MG_M[g], m)) return false;
      ++steps_on[m];
    }
  }
  for (int m = 1; m <= T.nM; ++m) {
    if (!T.machine_seen[m] || T.filled[m] != T.M_wload[m][0] || steps_on[m] != T.M_wload[m][0]) return false;
    // Each job listed on m as often as its route steps are on m.
    for (int p = 1; p <= T.M_wload[m][0]; ++p) ++balance[T.M_wload[m][p]];
    for (int p = 1; p <= T.M_wload[m][0]; ++p) {
      const int j = T.M_wload[m][p];
      int on_m = 0;
      const int r = T.J_A[j][0];
      for (int k = 1; r != 0 && k <= R_MG_ex[r][0]; ++k) on_m += T.J_A[j][k] == m;
      if (balance[j] != on_m) return false;
    }
    for (int p = 1; p <= T.M_wload[m][0]; ++p) balance[T.M_wload[m][p]] = 0;
  }
  return true;
}

}  // namespace

int export_sch_file(const SCH& sch, const std::string& path) {
  return write_replacing(path, [&](std::ostream& out) { return write_schedule_section(out, sch); });
}

int release_sch_file(const SCH& sch, const std::vector<MACHINE>& machines, const std::vector<ORDER>& orders,
                     int n_setup_types, const std::string& path) {
  const int nM = sch.n_of_Machines, nO = sch.n_of_Orders;
  if (nM < 0 || nO < 0 || n_setup_types < 0 || (nM > 0 && nM >= static_cast<int>(machines.size())) ||
      (nO > 0 && nO >= static_cast<int>(orders.size())))
    return -1;
  return write_replacing(path, [&](std::ostream& out) {
    if (!write_input_part(out, machines, orders, nM, nO, n_setup_types)) return false;
    out << "s\n";
    return write_schedule_section(out, sch);
  });
}

int load_sch_file(SCH& target, const std::string& path, FileBytesResult* read) {
  std::string text;
  const FileBytesResult r = read_file_bytes(path, kMaxInputFileBytes, text);
  if (read) *read = r;
  if (r != FileBytesResult::Read) return -1;
  try {
    return load_sch_text(target, text);
  } catch (const std::bad_alloc&) {
    if (read) *read = FileBytesResult::OutOfMemory;
    return -1;
  }
}

int import_sch_file(SCH& live, std::unique_ptr<UNDOLIST>& history, int undo_max, const std::string& path,
                    FileBytesResult* read) {
  // Read and recorded aside; only moves, which cannot fail, replace the
  // planner's schedule and history.
  SCH imported;
  const int r = load_sch_file(imported, path, read);
  if (r != 1) return r;
  try {
    auto fresh = std::make_unique<UNDOLIST>(undo_max);
    fresh->push(imported);
    live = std::move(imported);
    history = std::move(fresh);
  } catch (const std::bad_alloc&) {
    if (read) *read = FileBytesResult::OutOfMemory;
    return -1;
  }
  return 1;
}

int load_sch_text(SCH& target, std::string_view text) {
  LineReader in(text);
  ReadTables T;
  std::string_view line;
  while (in.next(line)) {
    if (!read_line(T, fields_of(line))) return 0;
  }
  if (!complete_and_consistent(T)) return 0;
  // Built aside and moved in: a failure while building (memory running out)
  // leaves the target's schedule whole, and the move itself cannot fail.
  SCH built(T.nO, T.nJ, T.nM, T.J_A, T.M_wload, R_MG_ex);
  target = std::move(built);
  return 1;
}
