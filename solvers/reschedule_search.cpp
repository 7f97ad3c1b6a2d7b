#include "solvers/reschedule_search.h"

#include <algorithm>
#include <memory>
#include <string>

#include "engine/freezing.h"
#include "engine/live_schedule.h"
#include "engine/random_source.h"
#include "engine/resch_moves.h"
#include "solvers/run_frame.h"
#include "engine/sample_move.h"
#include "engine/search_parameters.h"
#include "engine/tabu_search_loop.h"
#include "engine/timing.h"
#include "problem_io/report_lines.h"

namespace {

// What every sample of a rescheduling run is measured against.
struct Reference {
  const _S& S;                       // the released schedule, timed and frozen
  const std::vector<ORDER>& orders;  // the reference snapshot's records, holding
  const std::vector<JOB>& jobs;      // the completions of S's evaluation
  const std::vector<int>& setups;    // setups per machine of S
  int freeze_time;
};

void evaluate_resch(_S& s, OBJ_VALUE& v, const Reference& ref) {
  calc_S_times_resch(s, MG_M_ex, Orders, Jobs, Machines, ref.S, ref.freeze_time);
  calc_S_obj_values(s, v, Orders, Jobs);
  compare_S(s, v, Orders, Jobs, ref.S, ref.orders, ref.jobs, ref.setups);
}

// The tabu search's step loop with the moves that keep the frozen part and
// the timing that keeps the frozen heads' times.
class RescheduleLoop : public TabuSearchLoop {
 public:
  RescheduleLoop(const TabuRules& rules, _S& sample, const Reference& ref) : TabuSearchLoop(rules, sample), ref_(ref) {
    sample_timing().use_rescheduling(&ref.S, ref.freeze_time);
  }

 protected:
  bool move(int op, _S& s) override {
    switch (op) {
      case 1:
        if (n_of_Orders > 0) move_reinsert_order_resch(s, rand_n(n_of_Orders) + 1, Orders, Jobs, Machines, ref_.S);
        return true;
      case 2: {
        const int j = random_late_job(s);
        if (j > 0) move_reinsert_order_resch(s, Jobs[j].Order_ID, Orders, Jobs, Machines, ref_.S);
        return true;
      }
      case 3: {
        const int j = random_late_job(s);
        if (j > 0) move_reinsert_job_resch(s, j, Orders, Jobs, Machines, ref_.S);
        if (n_of_Machines < 1) return false;
        return move_shuffle_machine_resch(s, rand_n(n_of_Machines) + 1, Machines) != 0;
      }
      case 4: {
        const int j = random_late_job(s);
        if (j > 0) move_reinsert_job_resch(s, j, Orders, Jobs, Machines, ref_.S);
        return true;
      }
      case 5:
        if (n_of_Jobs > 0) move_reinsert_job_resch(s, rand_n(n_of_Jobs) + 1, Orders, Jobs, Machines, ref_.S);
        return true;
      default:
        return true;
    }
  }

  void evaluate(_S& s, OBJ_VALUE& v) override {
    if (evaluate_sample_incrementally(s, v))
      compare_S(s, v, Orders, Jobs, ref_.S, ref_.orders, ref_.jobs, ref_.setups);
    else
      evaluate_resch(s, v, ref_);
  }

  void show_best(int best_step, const OBJ_VALUE& v) override {
    TabuSearchLoop::show_best(best_step, v);
    RunHost& host = run_host();
    host.set_progress_label(ProgressLabel::LateOrdersDev, std::to_string(v.Dev[6]));
    host.set_progress_label(ProgressLabel::LateOrdersNew, std::to_string(v.Dev[7]));
    host.set_progress_label(ProgressLabel::LateJobsDev, std::to_string(v.Dev[2]));
    host.set_progress_label(ProgressLabel::LateJobsNew, std::to_string(v.Dev[3]));
    host.set_progress_label(ProgressLabel::SetupsDev, std::to_string(v.Dev[8]));
    host.set_progress_label(ProgressLabel::SetupsNew, std::to_string(v.Dev[9]));
  }

 private:
  // A random late job of the sample as the rescheduling timing sees it; 0
  // when there is none.
  int random_late_job(_S& s) {
    return late_jobs().draw(s, [&](_S& S, OBJ_VALUE& v) {
      calc_S_times_resch(S, MG_M_ex, Orders, Jobs, Machines, ref_.S, ref_.freeze_time);
      calc_S_obj_values(S, v, Orders, Jobs);
    });
  }

  const Reference& ref_;
};

bool holds_loaded_problem(const SHOP& shop) {
  return shop.schedule && shop.schedule->has_tables() && shop.values &&
         shop.schedule->n_of_Orders == n_of_Orders && shop.schedule->n_of_Jobs == n_of_Jobs &&
         shop.schedule->n_of_Machines == n_of_Machines && static_cast<int>(shop.orders.size()) > n_of_Orders &&
         static_cast<int>(shop.jobs.size()) > n_of_Jobs && static_cast<int>(shop.machines.size()) > n_of_Machines;
}

// The released schedule timed and evaluated in the records of shop (its
// values and job completions are rewritten), as the reference of the run.
std::unique_ptr<_S> timed_reference(const SHOP& released, SHOP& shop, std::vector<int>& setups) {
  auto ref = std::make_unique<_S>(*released.schedule);
  calc_S_times(*ref, MG_M_ex, shop.orders, shop.jobs, shop.machines);
  calc_S_obj_values(*ref, *shop.values, shop.orders, shop.jobs);
  count_setups_per_machine(*ref, setups);
  return ref;
}

}  // namespace

int TS_S_do_pi_Reschedule(SHOP& released, SHOP& working) {
  if (!holds_loaded_problem(released) || !holds_loaded_problem(working)) return -1;
  RunHost& host = run_host();
  begin_run_windows(RunWindow::Rescheduler);
  host.show_progress_group(ProgressGroup::Rescheduling, true);
  RunReport report;
  if (!report.open()) {
    host.show_progress_group(ProgressGroup::Rescheduling, false);
    return refuse_run_without_report(RunWindow::Rescheduler);
  }
  write_run_header(report, " Tabu Search with _S class and do_pi");

  const int maxSTEP = host.rescheduler_field(ReschedulerField::Steps);
  maxLOOP = host.rescheduler_field(ReschedulerField::Loops);
  maxTABU = host.rescheduler_field(ReschedulerField::TabuSize);
  const int t = host.rescheduler_field(ReschedulerField::FreezeTime);
  const int type = host.rescheduler_field(ReschedulerField::Type) == 0 ? 0 : 1;
  host.set_progress_fields(maxLOOP, maxTABU);
  show_search_start(maxSTEP);
  seed_random_from_time();

  // Always from the released schedule: no random start, no question.
  if (!last_SCH) last_SCH = std::make_unique<SCH>();
  SHOP& reference = type == 0 ? released : working;
  std::vector<int> ref_setups;
  std::unique_ptr<_S> ref_S;
  if (type == 0) {
    ref_S = timed_reference(released, released, ref_setups);
    working.restore(Orders, Jobs, Machines, last_SCH.get());
  } else {
    working.restore(Orders, Jobs, Machines, last_SCH.get());
    ref_S = timed_reference(released, working, ref_setups);
  }
  freeze_S_at(*ref_S, Orders, Jobs, Machines, t);
  const Reference ref{*ref_S, reference.orders, reference.jobs, ref_setups, t};

  auto sample = std::make_unique<_S>(*released.schedule);
  OBJ_VALUE initial_values;
  calc_S_times_resch(*sample, MG_M_ex, Orders, Jobs, Machines, *ref_S, t);
  calc_S_obj_values(*sample, initial_values, Orders, Jobs);
  if (type == 0) compare_S(*sample, initial_values, Orders, Jobs, *ref_S, ref.orders, ref.jobs, ref_setups);

  report.line("Initialize with the actual schedule for rescheduling!");
  report.line(type == 0 ? "Type: First freeze released schedule then modify environment."
                        : "Type: First modify environment then freeze released schedule.");
  report.line();
  report.line(" Objective values of the stopped schedule:");
  print_obj_values(report.out(), *reference.values);
  report.line();
  report.line();
  report.line(" Objective values of the initial schedule:");
  print_obj_values(report.out(), initial_values);
  report.line();

  // The plain interactive search's rules, with the rescheduling moves and timing.
  RescheduleLoop search(interactive_tabu_rules(maxSTEP), *sample, ref);
  search.start();
  const std::time_t started = run_interactive_steps(search, maxSTEP);

  OBJ_VALUE& final_values = search.sample_values();
  evaluate_resch(search.best(), final_values, ref);

  write_search_result(report, elapsed_seconds(started, host.current_time()), search, final_values);
  report.line();
  print_resch_dev(report.out(), final_values);
  report.line();
  report.line();
  report.line(" size of TabuList: " + std::to_string(search.tabu_count()));
  report.line();
  report.line(compare_S_sequences(search.best(), *ref_S, Jobs, Machines) == 1 ? "Freeze interval OK!"
                                                                               : "Freeze interval Modified!");
  report.finish();

  host.show_progress_group(ProgressGroup::Rescheduling, false);
  end_search_windows(RunWindow::Rescheduler, search);
  rebuild_live_schedule(search.best(), ref_S.get(), t);
  host.set_initial_data_snapshot(&reference);
  first_run = 0;
  return 1;
}
