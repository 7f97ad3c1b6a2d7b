#pragma once
// The one door between the engine and whatever shows its work. The engine never
// links a window library: where a run shows progress, asks the planner a
// question, shows a message or lets pending window events run, it calls the
// current host. The windows install a host that drives their controls; tests
// install a recorder. With no host installed, a silent host answers: questions
// are answered No, nothing is shown, the scheduler window's fields hold their
// defaults and the clock is the calendar clock.
#include <ctime>
#include <string>

#include "engine/run_state.h"

// Windows a run shows, hides or closes.
enum class RunWindow {
  Scheduler,          // TForm3 "Production Scheduler"
  Rescheduler,        // TForm18 "Production Rescheduler"
  Progress,           // TForm7 "Generating Schedule"
  Results,            // TForm6 "Results"
  ObjectivePriority,  // TForm15 "Objective functions"
  OperatorPriority,   // TForm17 "Searching operators"
};

// Labels of the progress window a run writes.
enum class ProgressLabel {
  Title,           // Label1: "TAVO Solver"
  Subtitle,        // Label2: "Start time:hh:mm:ss" or "Batch scheduling mode"
  StepCaption,     // Label3: "STEP:"
  Step,            // Label4: current step (enumeration: current assignment)
  StepSlash,       // Label5: "/"
  StepTotal,       // Label6: number of steps (enumeration: number of assignments)
  BestCaption,     // Label7: "The best step:"
  BestStep,        // Label8
  LateOrders,      // Label15 .. Label20: the six values of the best schedule
  LateJobs,
  SumTardiness,
  MaxTardiness,
  Setups,
  CompletionTime,
  Clock,           // Label26: "Current time: hh:mm:ss", driven by the clock timer
  LateOrdersDev,   // rescheduling group: "Late orders      dev.:" and its "new:"
  LateOrdersNew,
  LateJobsDev,     // "Late jobs           dev.:" and its "new:"
  LateJobsNew,
  SetupsDev,       // "Mach. setups   dev.:" and its "new:"
  SetupsNew,
};

enum class ProgressGroup {
  Objectives,    // GroupBox1 "Objective functions"
  Control,       // GroupBox2 "Control parameters" (loops and tabu-list size)
  Rescheduling,  // GroupBox3 "Rescheduling  Objective func."
};

enum class ResultsMemo {
  Index,    // Memo1, page "Index": report of a tabu search or an enumeration
  Average,  // Memo2, page "Average Obj_values": batch and performance-test tables
};

enum class ResultSeries {
  MeasuringRandom,     // Series1, page "Measuring"
  MeasuringHeuristic,  // Series2
  MeasuringSearch,     // Series5
  BestLateJobs,        // Series3, page "Best Obj. values"
  StepLateOrders,      // Series4, page "Obj. values"
  StepLateJobs,        // Series6
  StepMaxTardiness,    // Series7
  StepSetups,          // Series8
  StepCompletion,      // Series9
};

// The chart colour a point is drawn in; the windows map each role to the
// current colour scheme (Col_Late, Col_Intime, ...).
enum class ChartColour { Late, Intime, Planned, Setup, Constraint };

// Columns of the operator statistics in the "Searching operators" window.
enum class OperatorColumn { Improve, Total, Priority };

// The scheduler window's parameter fields, read at the start of a run.
enum class SchedulerField {
  Steps,            // Edit1 "Num. of steps:", 2000
  Loops,            // Edit2 "Num. of loops:", 100
  TabuSize,         // Edit3 "TabuList size:", 150
  Iterations,       // Edit4 "Num. of iterations:", 10
  ImprovementLess,  // Edit5 "Max. steps imp.less:", 20 (AutoStop, maxImpless)
  MinLoop,          // Edit6 "Min. loop:", 10
};

// The rescheduler window's parameter fields, read at the start of a
// rescheduling run.
enum class ReschedulerField {
  Steps,       // Edit1 "Num. of  steps:", 2000
  Loops,       // Edit2 "Num. of loops:", 100
  TabuSize,    // Edit3 "TabuList size:", 150
  FreezeTime,  // Edit4 "Freeze time:", 0
  Type,        // ComboBox2: 0 "Fist freeze then modify env.", 1 "Firts modify env. then freeze" (default)
};

class SHOP;

class RunHost {
 public:
  virtual ~RunHost() = default;

  // Lets pending window events run (a click on "Stop" sets stop_flag here).
  virtual void process_events() {}
  // A one-button message box captioned with the application title.
  virtual void show_message(const std::string& /*text*/) {}
  // A Yes/No box captioned "Question"; true only for Yes.
  virtual bool ask_yes_no(const std::string& /*text*/) { return false; }

  // The calendar clock in whole seconds: elapsed times, the start-time label
  // and the seed of every run come from it.
  virtual std::time_t current_time() { return std::time(nullptr); }

  // The integer in a field of the scheduler window.
  virtual int scheduler_field(SchedulerField f);
  // The integer in a field of the rescheduler window (the type: the combo's index).
  virtual int rescheduler_field(ReschedulerField f);
  // The results window's initial-data snapshot: the rescheduling run's
  // reference state (not owned; the rescheduler window keeps it).
  virtual void set_initial_data_snapshot(SHOP* /*snapshot*/) {}

  // Shows or hides a window (not modal).
  virtual void show_window(RunWindow /*w*/, bool /*visible*/) {}
  // Closes a window when it is visible, running its close handler.
  virtual void close_window(RunWindow /*w*/) {}

  // Progress window: a label's text (repainted at once), a group's
  // visibility, the live loop and tabu-list fields, the clock timer.
  virtual void set_progress_label(ProgressLabel /*l*/, const std::string& /*text*/) {}
  virtual void show_progress_group(ProgressGroup /*g*/, bool /*visible*/) {}
  virtual void set_progress_fields(int /*loops*/, int /*tabu_size*/) {}
  virtual void run_progress_clock(bool /*running*/) {}

  // "Results" window: clear_result_charts, the report memos and the series.
  virtual void clear_results() {}
  virtual void show_results_memo(ResultsMemo /*m*/, bool /*visible*/) {}
  virtual void load_results_memo(ResultsMemo /*m*/, const std::string& /*path*/) {}
  virtual void clear_series(ResultSeries /*s*/) {}
  virtual void add_series_point(ResultSeries /*s*/, double /*x*/, double /*value*/,
                                const std::string& /*label*/, ChartColour /*c*/) {}

  // "Searching operators" statistics: operator 1..n_of_operators, or 0 for
  // the sum label of the column.
  virtual void set_operator_statistic(OperatorColumn /*c*/, int /*op*/, int /*value*/) {}

  // End of the performance test: the scheduler window's "Perf. test " box is
  // unchecked and its method-change handler runs.
  virtual void uncheck_performance_test() {}
};

// The installed host, or the silent host when none is installed.
RunHost& run_host();
// Installs host (not owned); nullptr goes back to the silent host.
void set_run_host(RunHost* host);

// The question and answer of a search's stop.
inline constexpr const char* kStopQuestion = "Do You really want to stop the process?";
inline constexpr const char* kStopConfirmation = "Process stopped!";

// The planner's "Stop" (stop_flag) put to the planner: nothing when no stop
// was requested; on Yes the confirmation is shown and the run ends (true); on
// No the request is forgotten and the run goes on (the progress window shown
// again first when show_progress_again).
bool stop_confirmed(RunHost& host, const std::string& question, const std::string& confirmation,
                    bool show_progress_again);
