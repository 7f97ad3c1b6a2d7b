#include "engine/tabu_search_loop.h"

#include <algorithm>
#include <string>

#include "engine/run_host.h"
#include "engine/run_state.h"
#include "engine/sample_move.h"
#include "engine/search_operators.h"
#include "engine/search_parameters.h"
#include "engine/timing.h"

TabuRules interactive_tabu_rules(int maxSTEP) {
  TabuRules rules;
  rules.maxSTEP = maxSTEP;
  rules.loops = &maxLOOP;
  rules.tabu_size = &maxTABU;
  return rules;
}

TabuSearchLoop::TabuSearchLoop(const TabuRules& rules, _S& sample) : rules_(rules), sample_(sample) {}

TabuSearchLoop::~TabuSearchLoop() { timing_.release(); }

void TabuSearchLoop::start() {
  current_ = std::make_unique<_S>(sample_);
  step_best_ = std::make_unique<_S>(sample_);
  best_ = std::make_unique<_S>(sample_);
  evaluate(*step_best_, step_values_);
  evaluate(*best_, best_values_);
  Op_Total.assign(n_of_operators + 1, 0);
  Op_Improve.assign(n_of_operators + 1, 0);
  // A step count below 1 runs no step (and must not size a vector from it).
  improvements_.reserve(static_cast<size_t>(std::max(rules_.maxSTEP, 0)) + 1);
  if (rules_.interactive) show_best(0, step_values_);
}

bool TabuSearchLoop::move(int op, _S& sample) { return apply_Nx_op(sample, op, late_) != 0; }

bool TabuSearchLoop::evaluate_sample_incrementally(_S& s, OBJ_VALUE& v) {
  if (!incremental_ || &s != &sample_ || !timing_.ready(s)) return false;
  timing_.time_and_evaluate(s, v);
  return true;
}

void TabuSearchLoop::evaluate(_S& s, OBJ_VALUE& v) {
  if (evaluate_sample_incrementally(s, v)) return;
  calc_S_times(s);
  calc_S_obj_values(s, v);
}

void TabuSearchLoop::show_best(int best_step, const OBJ_VALUE& v) {
  RunHost& host = run_host();
  host.set_progress_label(ProgressLabel::BestStep, std::to_string(best_step));
  const ProgressLabel rows[6] = {ProgressLabel::LateOrders,   ProgressLabel::LateJobs,
                                 ProgressLabel::SumTardiness, ProgressLabel::MaxTardiness,
                                 ProgressLabel::Setups,       ProgressLabel::CompletionTime};
  for (int i = 0; i < 6; ++i) host.set_progress_label(rows[i], std::to_string(v.criterion(i)));
}

bool TabuSearchLoop::stop_requested() {
  if (!stop_flag) return false;
  RunHost& host = run_host();
  if (!rules_.interactive) {
    host.show_message("Batch Scheduling Process stopped!");
    return true;
  }
  return stop_confirmed(host, kStopQuestion, kStopConfirmation, true);
}

void TabuSearchLoop::sample_step(int step) {
  // The loop count is read at every test: the progress window may change it
  // while events run at the start of the step.
  late_.forget();  // the current schedule changed at the end of the last step
  if (incremental_) {
    timing_.set_base(*current_, current_timed_);
    late_.use_base_of(&timing_);
  }
  for (int loop = 1; loop <= *rules_.loops; ++loop) {
    if (incremental_)
      timing_.reset_sample(sample_);
    else
      sample_.assign(*current_);
    const int op = select_Nx_op(n_of_operators, Nx_op_pri);
    if (!move(op, sample_)) continue;
    const std::uint64_t hash = incremental_ ? timing_.tabu_hash_of(sample_) : tabu_hash(sample_);
    if (tabu_.is_in_tabu_list(sample_, hash)) continue;
    tabu_.add(sample_, hash);
    if (tabu_.count() > *rules_.tabu_size) tabu_.drop_oldest();
    evaluate(sample_, sample_values_);
    ++evaluated_;
    if (loop == 1 || step_values_.worse(sample_values_)) {
      step_values_ = sample_values_;
      // The sample is timed: its timing comes along, so that the next step's
      // current schedule needs no timing pass.
      if (incremental_) {
        timing_.keep_sample(sample_, sample_values_);
        SampleTiming::copy_timing(*step_best_, sample_);
      }
      else
        step_best_->assign(sample_);
      best_loop_ = loop;
      step_op_ = op;
      if (loop > 1 && step >= rules_.early_end_from && step_values_.better(best_values_)) break;
    }
  }
}

void TabuSearchLoop::count_step(int step) {
  RunHost& host = run_host();
  if (step_op_ >= 1) ++Op_Total[step_op_];
  ++Op_Total[0];
  if (rules_.interactive) {
    if (step_op_ >= 1) host.set_operator_statistic(OperatorColumn::Total, step_op_, Op_Total[step_op_]);
    host.set_operator_statistic(OperatorColumn::Total, 0, Op_Total[0]);
  }
  const bool replace =
      rules_.replace_on_equal ? step_values_.not_worse(best_values_) : step_values_.better(best_values_);
  if (!replace) return;
  best_step_ = step;
  best_values_ = step_values_;
  best_->assign(*step_best_);
  improvements_.push_back(static_cast<int>(step_values_.n_of_Late_Jobs));
  if (step_op_ >= 1) ++Op_Improve[step_op_];
  ++Op_Improve[0];
  if (rules_.interactive) {
    if (step_op_ >= 1) host.set_operator_statistic(OperatorColumn::Improve, step_op_, Op_Improve[step_op_]);
    host.set_operator_statistic(OperatorColumn::Improve, 0, Op_Improve[0]);
    show_best(best_step_, best_values_);
  }
}

TabuSearchLoop::End TabuSearchLoop::run() {
  RunHost& host = run_host();
  for (int step = 1; step <= rules_.maxSTEP; ++step) {
    if (stop_requested()) return End::Stopped;
    host.process_events();
    if (rules_.interactive) host.set_progress_label(ProgressLabel::Step, std::to_string(step));
    sample_step(step);
    // The search always moves on to the step's best, also when it is worse.
    if (incremental_) {
      SampleTiming::copy_timing(*current_, *step_best_);
      current_timed_ = true;
    } else {
      current_->assign(*step_best_);
    }
    if (rules_.interactive && step_no < static_cast<int>(OBJ_history.size())) {
      OBJ_history[step_no] = step_values_;
      ++step_no;
    }
    count_step(step);
    if (rules_.idle_steps >= 0 && best_step_ + rules_.idle_steps < step) {
      if (rules_.interactive) host.show_message("AutoStop: The result have not been improved!");
      return End::AutoStopped;
    }
  }
  return End::AllSteps;
}
