// Cost of one hand edit in the results window's editor, on the Default
// generated problem (~120 machines, ~4,000 jobs) with a random schedule, the
// window shown offscreen with its first 40 rows of each chart checked:
//   - one timing + evaluation of the live schedule (the reference);
//   - one redraw (show_sch_data);
//   - one edit through the real "Up"/"Down" buttons: the list written back
//     into the schedule, timing, evaluation, redraw, a history entry;
//   - one "Undo" and one "Redo" through their buttons (which also refill the
//     editor's lists);
//   - the same edit with "Show Gantt Charts" off.
// Targets: an edit, an undo and a redo at most 3x one timing + evaluation plus
// the redraw; with the charts off an edit at most 1.5x one timing + evaluation.
// Prints a summary with the ratios after Google Benchmark's table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

#include "bench/support/ratio_reporter.h"
#include "engine/live_schedule.h"
#include "engine/schedule_edits.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"
#include "ui/app_windows.h"
#include "ui/schedule_performance_window.h"

namespace {

constexpr std::uint32_t kProblemSeed = 11;
constexpr std::uint32_t kScheduleSeed = 5;

TForm10* g_form = nullptr;
QListWidget* g_sequence = nullptr;

QPushButton* button(const char* name) { return g_form->findChild<QPushButton*>(name); }
// The buttons an iteration clicks, looked up once: finding a child by name is
// not part of an edit.
QPushButton *g_up = nullptr, *g_down = nullptr, *g_undo = nullptr, *g_redo = nullptr;

void set_gantt_charts(bool on) {
  QCheckBox* box = g_form->findChild<QCheckBox*>(QStringLiteral("CheckBox9"));
  if (box && box->isChecked() != on) box->click();
}

// The planner's selection before an edit: the first job, or the second one.
void select_for_edit(bool down) {
  g_sequence->clearSelection();
  g_sequence->item(down ? 0 : 1)->setSelected(true);
}

// One edit that always moves: the first job down, then back up. The
// selection is the planner's input, not the edit; it is left out of the time.
void one_edit(benchmark::State& state, bool& down) {
  state.PauseTiming();
  select_for_edit(down);
  state.ResumeTiming();
  (down ? g_down : g_up)->click();
  down = !down;
}

// The busiest machine chosen in the editor, so that the edit moves a job
// among many.
void choose_busiest_machine() {
  int best = 1;
  for (int m = 1; m <= n_of_Machines; ++m)
    if (last_SCH->Mach_Count[m] > last_SCH->Mach_Count[best]) best = m;
  g_form->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(best - 1);
}

void BM_time_and_evaluate(benchmark::State& state) {
  SCH copy = *last_SCH;
  OBJ_VALUE values;
  for (auto _ : state) {
    recalc_schedule_values(copy, values);
    benchmark::DoNotOptimize(values.sumTardiness);
  }
}

void BM_redraw(benchmark::State& state) {
  set_gantt_charts(true);
  for (auto _ : state) g_form->show_sch_data();
}

void BM_edit(benchmark::State& state) {
  set_gantt_charts(state.range(0) != 0);
  choose_busiest_machine();
  bool down = true;
  for (auto _ : state) one_edit(state, down);
  set_gantt_charts(true);
}

// Undo and redo alternate; a few edits first give them something to walk.
void BM_undo_redo(benchmark::State& state) {
  set_gantt_charts(true);
  choose_busiest_machine();
  bool down = true;
  for (int i = 0; i < 4; ++i) {
    select_for_edit(down);
    button(down ? "Button18" : "Button17")->click();
    down = !down;
  }
  bool undo = true;
  for (auto _ : state) {
    (undo ? g_undo : g_redo)->click();
    undo = !undo;
  }
}

BENCHMARK(BM_time_and_evaluate);
BENCHMARK(BM_redraw);
BENCHMARK(BM_edit)->Arg(1)->Arg(0);
BENCHMARK(BM_undo_redo);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  AppWindows windows;
  if (!load_generated_problem(kProblemSeed, GeneratedSize::Default)) {
    std::fprintf(stderr, "the Default problem could not be generated\n");
    return 1;
  }
  fill_random_schedule(kScheduleSeed);
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  recalc_schedule_values(*last_SCH, last_obj_value);
  g_form = Form10;
  g_form->show();
  button("Button1")->click();  // "Modify schedule"
  g_sequence = g_form->findChild<QListWidget*>(QStringLiteral("ListBox1"));
  g_up = button("Button17");
  g_down = button("Button18");
  g_undo = button("Button36");
  g_redo = button("Button37");

  RatioReporter reporter;
  if (const int code = run_benchmarks(argc, argv, reporter, 5, 0.2)) return code;

  const double base = reporter.ns("BM_time_and_evaluate");
  const double redraw = reporter.ns("BM_redraw");
  const double edit = reporter.ns("BM_edit/1");
  const double bare_edit = reporter.ns("BM_edit/0");
  const double undo_redo = reporter.ns("BM_undo_redo");
  if (base <= 0) return 0;
  const double with_charts = 3 * base + redraw;
  std::printf("\nSummary (Default problem: %d machines, %d jobs; microseconds)\n", n_of_Machines, n_of_Jobs);
  std::printf("  timing + evaluation          %10.1f\n", base / 1e3);
  std::printf("  redraw (show_sch_data)       %10.1f\n", redraw / 1e3);
  std::printf("  edit                         %10.1f  budget 3x(t+e)+redraw %10.1f  %s\n", edit / 1e3,
              with_charts / 1e3, edit <= with_charts ? "ok" : "OVER");
  std::printf("  undo or redo                 %10.1f  budget 3x(t+e)+redraw %10.1f  %s\n", undo_redo / 1e3,
              with_charts / 1e3, undo_redo <= with_charts ? "ok" : "OVER");
  std::printf("  edit, Gantt charts off       %10.1f  budget 1.5x(t+e)      %10.1f  %s (%.2fx)\n", bare_edit / 1e3,
              1.5 * base / 1e3, bare_edit <= 1.5 * base ? "ok" : "OVER", bare_edit / base);
  g_form->hide();
  return 0;
}
