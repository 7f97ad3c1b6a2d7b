// Cost of the windows to a running search: the same interactive tabu search
// (TS_S_do_pi) on the Default generated problem, once headless (no windows,
// the silent host) and once through the program's host with every window in
// place, the progress window shown and "Chart visible" on (the Results window
// docked and its live step chart refreshing). Target: the windowed run draws
// at least 0.9x the samples per second of the headless run.
//
// The runs alternate, several of each; each side's figure is its fastest run
// (the one least disturbed by other load on the machine). Runs offscreen
// unless a display is chosen. A run by hand gives the figures (--size=Small
// or --size=Large measures another generated problem); with a
// --benchmark_min_time below 1 (CI's single brief run) it runs a few short
// steps on the Small problem only to show that it still works.
#include <QApplication>
#include <QCheckBox>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "bench/support/measure.h"
#include "bench/support/problem_shelf.h"
#include "engine/run_state.h"
#include "solvers/run_report.h"
#include "solvers/tabu_search.h"
#include "tests/support/generated_problem.h"
#include "tests/support/temp_dir.h"
#include "ui/app_windows.h"
#include "ui/application.h"
#include "ui/gui_run_host.h"
#include "ui/progress_window.h"
#include "ui/results_window.h"

namespace {

struct RunSize {
  int steps = 0;
  int loops = 0;
};

int field(SchedulerField f, const RunSize& size) {
  switch (f) {
    case SchedulerField::Steps: return size.steps;
    case SchedulerField::Loops: return size.loops;
    default: return RunHost().scheduler_field(f);
  }
}

class HeadlessHost : public RunHost {
 public:
  explicit HeadlessHost(RunSize size) : size_(size) {}
  int scheduler_field(SchedulerField f) override { return field(f, size_); }

 private:
  RunSize size_;
};

// The program's host; at the run's first event pass (the progress window is
// shown by then) "Chart visible" is checked as a planner would.
class WindowedHost : public GuiRunHost {
 public:
  explicit WindowedHost(RunSize size) : size_(size) {}
  int scheduler_field(SchedulerField f) override { return field(f, size_); }
  void process_events() override {
    GuiRunHost::process_events();
    if (!chart_on_) {
      chart_on_ = true;
      Form7->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
      docked_ = Form6->isVisible();
    }
  }
  bool docked() const { return docked_; }

 private:
  RunSize size_;
  bool chart_on_ = false;
  bool docked_ = false;
};

struct Rate {
  double wall = 0;  // samples per second of the calendar clock
  double cpu = 0;   // samples per second of the process's own processor time

  void keep_faster(const Rate& r) {
    wall = std::max(wall, r.wall);
    cpu = std::max(cpu, r.cpu);
  }
};

double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Samples per second of one run with host installed.
Rate samples_per_second(RunHost& host) {
  set_run_host(&host);
  first_run = 1;  // a random start, no question
  const auto t0 = std::chrono::steady_clock::now();
  const double c0 = cpu_seconds();
  TS_S_do_pi();
  const double cpu = cpu_seconds() - c0;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  set_run_host(nullptr);
  const double samples = evaluated_in_run_report();
  return {samples / wall, samples / cpu};
}

// The value of --name=value on the command line, or nullptr.
const char* option(int argc, char** argv, const char* name) {
  const std::string prefix = std::string("--") + name + "=";
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) == 0) return argv[i] + prefix.size();
  return nullptr;
}

GeneratedSize size_option(int argc, char** argv) {
  const char* size = option(argc, argv, "size");
  if (size != nullptr && std::strcmp(size, "Small") == 0) return GeneratedSize::Small;
  if (size != nullptr && std::strcmp(size, "Large") == 0) return GeneratedSize::Large;
  return GeneratedSize::Default;
}

bool brief_run(int argc, char** argv) {
  const char* min_time = option(argc, argv, "benchmark_min_time");
  return min_time != nullptr && std::atof(min_time) < 1.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const bool brief = brief_run(argc, argv);
  TApplication app(argc, argv);
  TempDir dir;
  set_run_report_folder(dir.path());
  AppWindows windows;
  const GeneratedSize problem = brief ? GeneratedSize::Small : size_option(argc, argv);
  if (!load_generated_problem(1, problem)) {
    std::fprintf(stderr, "the generated problem did not load\n");
    return 1;
  }
  const RunSize size = brief ? RunSize{3, 10} : RunSize{problem == GeneratedSize::Small ? 9999 : 600, 100};
  const int rounds = brief ? 1 : 3;

  Rate headless;
  Rate windowed;
  bool docked = true;
  for (int r = 0; r < rounds; ++r) {
    HeadlessHost plain(size);
    headless.keep_faster(samples_per_second(plain));
    WindowedHost gui(size);
    windowed.keep_faster(samples_per_second(gui));
    docked = docked && gui.docked();
  }
  std::printf("Tabu search, %s problem, %d steps x %d loops, fastest of %d runs each\n", size_name(problem),
              size.steps, size.loops, rounds);
  std::printf("                                       per wall second   per processor second\n");
  std::printf("  headless:                           %12.0f %20.0f samples\n", headless.wall, headless.cpu);
  std::printf("  progress window + \"Chart visible\":  %12.0f %20.0f samples\n", windowed.wall, windowed.cpu);
  std::printf("  ratio windowed / headless:          %12.3f %20.3f (target >= 0.9)%s\n",
              windowed.wall / headless.wall, windowed.cpu / headless.cpu,
              docked ? "" : "  [the Results window was not docked]");
  set_run_report_folder("");
  return docked ? 0 : 1;
}
