#pragma once
// The step loop of every tabu search: the interactive searches (TS_S_do_pi,
// TS_AUTOSTOP, the rescheduling search) and the headless core of the batch
// search and the performance test. Each step draws up to "loops" samples from
// the current schedule, skips samples the tabu list holds, keeps the best
// sample of the step and always moves to it (also when it is worse than the
// current schedule), then decides whether the step's best replaces the overall
// best. The rules that tell the variants apart are data (TabuRules); what a
// move and an evaluation are is virtual, so the rescheduling search plugs in
// its frozen-prefix moves and timing without copying the loop.
//
// Counting choices of this loop:
// - The starting schedule stands as step 0: best step and best loop are 0
//   until a step's best replaces the overall best (best loop: until a step's
//   best is first taken), so an AutoStop or maxImpless rule counts idle steps
//   from the start of the search.
// - A step whose best is still the starting schedule (no sample taken since
//   the start) has step operator 0; it counts in the sums (entry 0) of
//   Op_Total and Op_Improve only, never as an operator.
//
// Every sample starts from the current schedule and is timed and evaluated
// incrementally (engine/sample_timing): only what its move changed is copied
// back, re-timed and re-evaluated, with the values, schedules and records of
// the full pass. Nothing is allocated per sample except what the tabu list
// needs for a new entry (and it reuses dropped entries' memory).
#include <memory>
#include <vector>

#include "engine/objective_value.h"
#include "engine/sample_move.h"
#include "engine/sample_timing.h"
#include "engine/schedule_array.h"
#include "engine/tabu_list.h"

struct TabuRules {
  int maxSTEP = 0;
  // Samples per step, read at every loop test (the global maxLOOP, which the
  // progress window may change, or a value fixed for the run).
  const int* loops = nullptr;
  // Length limit of the tabu list, read after every addition; an addition drops
  // at most one oldest entry, so a lowered limit never shrinks the list.
  const int* tabu_size = nullptr;
  // A step may end early (a sample strictly better than the overall best) from
  // this step on.
  int early_end_from = 2;
  // The overall best is replaced by a step's best that is not worse (true) or
  // only by a strictly better one (false).
  bool replace_on_equal = true;
  // Stop when best step + idle_steps < step; negative: never.
  int idle_steps = -1;
  // Progress window, operator statistics window, OBJ_history and the stop
  // question (true); or no window at all and an immediate stop (false). An
  // interactive driver sizes OBJ_history (maxSTEP + 1) and sets step_no to 1
  // before run(); each step's best values go to OBJ_history[step_no++].
  bool interactive = true;
};

// The rules of the plain interactive search (TS_S_do_pi): the live loop
// count maxLOOP and tabu-list size maxTABU, an early end from step 2, an equal
// step's best replacing the overall best, no automatic stop, windows shown.
TabuRules interactive_tabu_rules(int maxSTEP);

class TabuSearchLoop {
 public:
  enum class End { AllSteps, Stopped, AutoStopped };

  // sample is the starting schedule; it is the sample buffer of the search.
  TabuSearchLoop(const TabuRules& rules, _S& sample);
  virtual ~TabuSearchLoop();
  TabuSearchLoop(const TabuSearchLoop&) = delete;
  TabuSearchLoop& operator=(const TabuSearchLoop&) = delete;

  // Current, step's best and overall best := copies of the sample buffer; the
  // step's best and the overall best are evaluated into their own values.
  // Sizes Op_Total and Op_Improve (all 0). Call once before run().
  void start();
  // Steps 1..maxSTEP, or fewer on a confirmed stop or an automatic stop.
  End run();

  _S& sample() { return sample_; }
  OBJ_VALUE& sample_values() { return sample_values_; }
  _S& best() { return *best_; }
  OBJ_VALUE& best_values() { return best_values_; }
  const OBJ_VALUE& step_best_values() const { return step_values_; }
  int evaluated() const { return evaluated_; }  // the starting schedule counts as 1
  int best_step() const { return best_step_; }
  int best_loop() const { return best_loop_; }
  int tabu_count() const { return tabu_.count(); }
  // n_of_Late_Jobs of every step's best that replaced the overall best, in order.
  const std::vector<int>& improvements() const { return improvements_; }

 protected:
  // Moves the sample by operator op; false drops the sample (no tabu test, no
  // evaluation). The default is apply_Nx_op on the loaded problem.
  virtual bool move(int op, _S& sample);
  // Times and evaluates s into v. The default is calc_S_times and
  // calc_S_obj_values on the loaded problem, incrementally for the sample.
  virtual void evaluate(_S& s, OBJ_VALUE& v);
  // When s is the sample, reset from the current schedule and moved since:
  // times and evaluates it incrementally and returns true; else false.
  bool evaluate_sample_incrementally(_S& s, OBJ_VALUE& v);
  SampleTiming& sample_timing() { return timing_; }
  // Samples are reset from the current schedule and timed incrementally
  // (true), which needs every change of move() to go through the search
  // operators' primitives; a subclass whose move() edits the sample any
  // other way sets it false, and every sample is then copied and timed in full.
  bool incremental_ = true;
  // Interactive runs: the progress window shows a new overall best (before the
  // first step with best step 0). The default writes the best step and the six
  // main values.
  virtual void show_best(int best_step, const OBJ_VALUE& v);
  // The late jobs of the step's current schedule, for the moves of operators
  // 2 to 4; the loop forgets them whenever the current schedule changes.
  LateJobs& late_jobs() { return late_; }

 private:
  bool stop_requested();
  void sample_step(int step);
  void count_step(int step);

  TabuRules rules_;
  _S& sample_;
  std::unique_ptr<_S> current_;
  std::unique_ptr<_S> step_best_;
  std::unique_ptr<_S> best_;
  OBJ_VALUE sample_values_;
  OBJ_VALUE step_values_;
  OBJ_VALUE best_values_;
  LateJobs late_;
  SampleTiming timing_;
  TABULIST tabu_;
  std::vector<int> improvements_;
  int evaluated_ = 1;
  int best_step_ = 0;
  int best_loop_ = 0;
  int step_op_ = 0;
  bool current_timed_ = false;  // current_'s timing rows hold its full timing
};
