// Cost of showing the live schedule in the results window, on generated
// problems of three sizes (Small ~10 machines / 40 jobs, the generator's
// Default ~120 machines / ~4,000 jobs, Large four times that), each with one
// random schedule from a fixed seed, offscreen, the Gantt charts at 1600 x 1000:
//   - show_sch_data (all three Gantt charts, utilisation and EF text) plus one
//     paint of each Gantt chart, with every row checked: ns per bar;
//   - the same with the first 40 rows checked, as the window opens;
//   - on the Large problem, one paint of the machine chart in full and zoomed
//     to a sixteenth of its rows: ns per bar shown.
// Targets: ns per bar within 2x from Small to Large with every row; with 40
// rows Large within 2x of Small; a zoomed paint costs in proportion to the
// bars it shows. A program to run by hand; after Google Benchmark's table it
// prints a summary in milliseconds and ratios.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QSize>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/support/problem_shelf.h"
#include "bench/support/ratio_reporter.h"
#include "engine/live_schedule.h"
#include "engine/problem.h"
#include "engine/timing.h"
#include "tests/support/random_schedule.h"
#include "ui/app_windows.h"
#include "ui/gantt_chart.h"
#include "ui/schedule_performance_window.h"

namespace {

constexpr std::uint32_t kProblemSeed = 11;
constexpr std::uint32_t kScheduleSeed = 5;
const char* const kCharts[3] = {"Chart1", "Chart2", "Chart3"};

// The live schedule and values of each size, swapped into last_SCH and
// last_obj_value while that size is measured.
struct Fixture {
  bool built = false;
  std::unique_ptr<SCH> sch;
  OBJ_VALUE values;
};
Fixture g_fixtures[3];
int g_live = -1;  // the size whose schedule is live now

GanttChart* chart(const char* name) { return Form10->findChild<GanttChart*>(QLatin1String(name)); }

void make_live(int size) {
  require_generated_problem(kProblemSeed, static_cast<GeneratedSize>(size));
  Fixture& f = g_fixtures[size];
  if (!f.built) {
    f.built = true;
    fill_random_schedule(kScheduleSeed);
    f.sch = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_sch_times(*f.sch);
    OBJ_VALUE v;
    calc_sch_obj_values(*f.sch, v);
    f.values.set(v, n_of_Orders, n_of_Jobs, n_of_Machines);
  }
  if (g_live >= 0) std::swap(last_SCH, g_fixtures[g_live].sch);
  std::swap(last_SCH, f.sch);
  last_obj_value.set(f.values, f.values.n_of_Orders, f.values.n_of_Jobs, f.values.n_of_Machines);
  g_live = size;
}

// Opens the window on the live schedule (the first 40 rows checked), checks
// every row when asked, and sets the chart size. The size is fixed: the
// window's layout runs again while the schedule is shown and would give a
// chart merely resized its place in the hidden window.
void open_window(bool every_row) {
  Form10->show();
  Form10->hide();
  if (every_row)
    for (const char* b : {"Button13", "Button9", "Button4"}) Form10->findChild<QPushButton*>(QLatin1String(b))->click();
  for (const char* name : kCharts) chart(name)->setFixedSize(1600, 1000);
}

// False (and the run marked as failed) when a chart was not measured at 1600 x 1000.
bool measured_full_size(benchmark::State& state) {
  for (const char* name : kCharts)
    if (chart(name)->size() != QSize(1600, 1000)) {
      state.SkipWithError("a chart was not 1600 x 1000");
      return false;
    }
  return true;
}

int bars_shown() {
  int n = 0;
  for (const char* name : kCharts) n += chart(name)->series(0).Count();
  return n;
}

void paint(GanttChart* c, QImage& image) {
  c->render(&image);
  benchmark::DoNotOptimize(image.constBits());
}

void fill_and_paint(benchmark::State& state, bool every_row, bool painted = true) {
  const int size = static_cast<int>(state.range(0));
  make_live(size);
  open_window(every_row);
  QImage image(1600, 1000, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    Form10->show_sch_data();
    if (painted)
      for (const char* name : kCharts) paint(chart(name), image);
  }
  if (!measured_full_size(state)) return;
  state.counters["bars"] = bars_shown();
  state.counters["jobs"] = n_of_Jobs;
  state.counters["machines"] = n_of_Machines;
}

void BM_fill_paint_every_row(benchmark::State& state) { fill_and_paint(state, true); }
void BM_fill_paint_first_40(benchmark::State& state) { fill_and_paint(state, false); }
void BM_fill_first_40(benchmark::State& state) { fill_and_paint(state, false, false); }

// The machine chart of the Large problem with every row; zoomed (range 1) to
// the rows of its middle sixteenth over the whole time axis.
void BM_paint_machine_chart(benchmark::State& state) {
  make_live(2);
  open_window(true);
  Form10->show_sch_data();
  GanttChart* c = chart("Chart2");
  c->undo_zoom();
  const ChartFrame::View full = c->view();
  int shown = c->series(0).Count();
  if (state.range(0) == 1) {
    const double rows = full.y1 - full.y0;
    const double y0 = full.y0 + rows * 15.0 / 32.0, y1 = full.y0 + rows * 17.0 / 32.0;
    c->zoom_to(full.x0, full.x1, y0, y1);
    shown = 0;
    for (const GanttBar& b : c->series(0).bars()) shown += b.row >= y0 - 1 && b.row <= y1 + 1;
  }
  QImage image(1600, 1000, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) paint(c, image);
  c->undo_zoom();
  if (!measured_full_size(state)) return;
  state.counters["bars"] = shown;
}

BENCHMARK(BM_fill_paint_every_row)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fill_paint_first_40)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fill_first_40)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paint_machine_chart)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

std::string name(const char* bm, int arg) { return std::string(bm) + "/" + std::to_string(arg); }

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  AppWindows windows;
  RatioReporter reporter;
  const int code = run_benchmarks(argc, argv, reporter, 3, 0.2);
  if (code != 0) return code;

  std::printf("\nSummary (fill + paint of the three Gantt charts at 1600 x 1000; ratios from this run)\n");
  std::printf("%-8s %10s %10s %12s %12s %10s %12s\n", "size", "bars", "ms", "ns per bar", "40 rows: ms", "bars",
              "ns per bar");
  double first_every = -1, last_every = -1, first_40 = -1, last_40 = -1, default_every = -1;
  for (int size = 0; size < 3; ++size) {
    const std::string every = name("BM_fill_paint_every_row", size), forty = name("BM_fill_paint_first_40", size);
    if (!reporter.has(every) || !reporter.has(forty)) continue;
    const double bars = reporter.counter(every, "bars"), bars40 = reporter.counter(forty, "bars");
    const double per_bar = reporter.ns(every) / std::max(1.0, bars);
    std::printf("%-8s %10.0f %10.2f %12.1f %12.2f %10.0f %12.1f\n", size_name(static_cast<GeneratedSize>(size)), bars,
                reporter.ns(every) / 1e6, per_bar, reporter.ns(forty) / 1e6, bars40,
                reporter.ns(forty) / std::max(1.0, bars40));
    if (first_every < 0) first_every = per_bar;
    if (size == 1) default_every = per_bar;
    last_every = per_bar;
    if (first_40 < 0) first_40 = reporter.ns(forty);
    last_40 = reporter.ns(forty);
  }
  if (first_every > 0)
    std::printf("largest / smallest size: ns per bar with every row %.2fx (target <= 2x; Large / Default %.2fx, "
                "where the bars outweigh the frame); 40 rows, whole fill and paint %.2fx (target <= 2x)\n",
                last_every / first_every, default_every > 0 ? last_every / default_every : -1.0, last_40 / first_40);
  const std::string full = name("BM_paint_machine_chart", 0), zoomed = name("BM_paint_machine_chart", 1);
  if (reporter.has(full) && reporter.has(zoomed)) {
    const double full_bars = reporter.counter(full, "bars"), zoomed_bars = reporter.counter(zoomed, "bars");
    std::printf("Large machine chart paint: full %.2f ms for %.0f bars (%.1f ns per bar), zoomed %.2f ms for %.0f bars "
                "(%.1f ns per bar)\n",
                reporter.ns(full) / 1e6, full_bars, reporter.ns(full) / std::max(1.0, full_bars),
                reporter.ns(zoomed) / 1e6, zoomed_bars, reporter.ns(zoomed) / std::max(1.0, zoomed_bars));
  }
  return 0;
}
