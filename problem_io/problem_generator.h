#pragma once
// Random test problems written as scheduling input files. From the 24
// generator values it draws the machines of all ten machine groups (speeds,
// calendars, setup matrices) and the orders of all ten execution types (jobs,
// sizes, time windows, setup types, permitted machines) and writes them in
// the input format: header "001", each machine's records, then each order's
// records, ids, steps and setup types 0-based.
//
// Never touches the loaded problem: the generator works on arrays of its own.
// Never leaves a half-written file: the records go to a temporary file beside
// the target, which replaces the target only when complete.
// Does not check its output: with extreme values (a machine mean of 0, 100 %
// deviations, a window of 0) it writes what the input check then reports.
#include <cstdint>
#include <optional>
#include <string>

#include "problem_io/generator_file_choice.h"
#include "problem_io/generator_parameters.h"
#include "problem_io/save_dialog.h"

// A random integer near v: with d = p % of v, v itself when d < 1, otherwise
// a value in [v - trunc(d), v - trunc(d) + trunc(2d)], one draw. Never
// negative for v >= 0 and p <= 100.
int deviate(int v, int p);

// "Basic Method" and "Spec: one machine": seed the random source (with the
// calendar clock unless a seed is given), draw, let the user choose the file
// through the dialog and write it. 1 written; 0 dialog cancelled, nothing
// written; -1 the file cannot be written (or a value lies outside its field's
// leaving range), nothing written and an earlier file of that name unchanged.
// The one-machine method puts exactly Mv machines in group 1 and exactly Ov
// orders of execution type 1.
int generate_basic_problem(const GENERATOR_VALUES& values, SaveDialog& dialog, const std::string& program_dir,
                           std::optional<std::uint32_t> seed = std::nullopt);
int generate_one_machine_problem(const GENERATOR_VALUES& values, SaveDialog& dialog,
                                 const std::string& program_dir,
                                 std::optional<std::uint32_t> seed = std::nullopt);

// The same generation straight into path, seeded with seed (tests and
// benchmarks). 1 written, -1 not.
int generate_problem_file(GENERATION_METHOD method, const GENERATOR_VALUES& values, std::uint32_t seed,
                          const std::string& path);
