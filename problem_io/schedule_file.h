#pragma once
// The schedule file (".sch") and the released-schedule file (".rsf").
//
// Schedule section, one record a line, fields joined by "|":
//   1|nM|nJ|nO                      header
//   2|m|c  then c lines 3|job        machine m's sequence, for m = 1..nM
//   4|j|r|m1..mn                     job j's route and the machine of each route step
// A released-schedule file is the loaded problem written as a scheduling input
// file, a line "s", and the schedule section; its input part is read by the
// input reader, which stops at the "s" line.
//
// The writers take the final path (the window's save dialog and
// schedule_file_path choose it). They never destroy an existing file on
// failure: everything goes to a temporary file in the target's folder, which
// replaces the target only when it was written whole.
//
// These routines show no message; their callers tell the planner the outcome.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/problem.h"
#include "problem_io/file_bytes.h"
#include "problem_io/save_dialog.h"

class SCH;
class UNDOLIST;

// The two formats as the save dialog offers them.
enum class ScheduleFileKind {
  Schedule,  // "exp_sch.sch", "Schedule file (*.sch)|*.sch"
  Released,  // "release_sch.rsf", "Released schedule file (*.rsf)|*.rsf"
};

// The name a writer uses for the name the planner chose: the extension of the
// file name (the text from its last ".", folders not included) is replaced by
// extension (".sch" or ".rsf"); a name without one gets it appended.
// plan.txt -> plan.sch, plan -> plan.sch, plan.old.rsf -> plan.old.rsf.
std::string schedule_file_path(const std::string& chosen, const std::string& extension);

// Sets the dialog up for the format (InitialDir = program_dir, FileName =
// program_dir + the default name, the format's filter), runs it and returns
// the path to write (schedule_file_path of the choice), or "" when cancelled.
// program_dir is the program's folder with its trailing separator.
std::string choose_schedule_file(ScheduleFileKind kind, SaveDialog& dialog, const std::string& program_dir);

// Writes the schedule section of sch to path. 1 written; -1 the file cannot be
// written or sch lacks its tables while claiming machines or jobs (the
// previous file, if any, is left whole).
int export_sch_file(const SCH& sch, const std::string& path);

// Writes a released-schedule file: the problem (machines 1..M of Machines,
// orders 1..O of Orders, M and O from sch, n_setup_types setup types) as a
// scheduling input file, a line "s", then the schedule section of sch.
// 1 written; -1 not written (file error, or M or O beyond the given arrays).
int release_sch_file(const SCH& sch, const std::vector<MACHINE>& machines,
                     const std::vector<ORDER>& orders, int n_setup_types, const std::string& path);

// Reads a schedule file, or the whole of a released-schedule file (lines whose
// tag is not 1..4 are passed over), and assigns the schedule read to target.
// 1 read and assigned; -1 the file cannot be read whole (read, when given,
// says why: missing or unreadable, not a regular file, larger than
// kMaxInputFileBytes, memory ran out while reading or building the schedule);
// 0 bad content. On every result but 1 target keeps its schedule. Bad content is: a header whose counts differ from the
// loaded problem (n_of_Machines, n_of_Jobs, n_of_Orders); a machine or job line
// before a valid header; a machine number outside 1..nM; a sequence line
// without its machine line or beyond its count, or a job outside 1..nJ in it; a
// route above 26 or outside the order's feasible routes; a route step without
// a machine, or a machine outside 1..nM or not usable by the order for that
// step's machine group; a machine or job without its line; machine sequences
// that do not hold exactly the route steps the job lines place on them.
int load_sch_file(SCH& target, const std::string& path, FileBytesResult* read = nullptr);

// "Inport": the schedule file at path read into live (load_sch_file), with a
// new undo history of undo_max entries whose one entry is that schedule. The
// results are load_sch_file's. All or nothing: on any result but 1 (memory
// running out included: -1 with read OutOfMemory) live and history are as
// they were.
int import_sch_file(SCH& live, std::unique_ptr<UNDOLIST>& history, int undo_max, const std::string& path,
                    FileBytesResult* read = nullptr);

// The same for a file's text already read (the released-schedule load reads
// its file once for the input part and the schedule part). An exception
// (memory running out) goes on to the caller with target unchanged.
int load_sch_text(SCH& target, std::string_view text);
