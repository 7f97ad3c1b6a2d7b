#include "engine/initial_schedule.h"

#include "engine/live_schedule.h"
#include "engine/problem.h"
#include "engine/run_state.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/starting_schedules.h"
#include "engine/timing.h"

const char* const starting_method_names[n_of_starting_methods] = {
    "Order oriented assign.t and EDD seq.",   "Order oriented assign. and rendom seq.",
    "Job oriented assign. and random seq.",   "Job oriented assign. and bach seq.",
    "Order exe type oriented assign.",        "Order exe type oriented assign. with jobs",
};

namespace {
int run_method(_S& S, int method) {
  switch (method) {
    case 0: return order_assign_EDD_seq(S, Orders);
    case 1: return order_assign_random_seq(S, Orders);
    case 2: return random_init_S(S, Orders, Jobs);
    case 3: {
      const int r = random_init_S(S, Orders, Jobs);
      for (int m = 1; m <= n_of_Machines; ++m) group_orders_on_machine(S, m, Jobs);
      return r;
    }
    case 4: return order_exe_type_assign(S, Orders, Exe_O);
    case 5: return order_exe_type_assign_jobs(S, Orders, Exe_O);
    default: return 0;
  }
}

// last_SCH timed and evaluated in the live arrays, its values stored.
void time_and_store(SCH& sch) {
  calc_sch_times(sch);
  store_live_values(sch);
}
}  // namespace

int build_starting_schedule(int method) {
  if (n_of_Jobs < 1 || static_cast<int>(Orders.size()) <= n_of_Orders) return 0;  // no problem loaded
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines);
  const int result = run_method(S, method);
  if (result != 1) return result;
  S.to_J_A_M_wload(J_A, M_wload);
  last_SCH = std::make_unique<SCH>(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  time_and_store(*last_SCH);
  return 1;
}

void KEPT_SCHEDULE::keep_live() { kept_ = last_SCH ? std::make_unique<SCH>(*last_SCH) : nullptr; }

KEPT_SCHEDULE::Save KEPT_SCHEDULE::save() {
  if (!last_SCH) return Save::NoSchedule;
  if (kept_ && kept_->equal(*last_SCH)) return Save::NoChanges;
  if (!kept_) kept_ = std::make_unique<SCH>();
  *kept_ = *last_SCH;
  time_and_store(*kept_);
  first_run = 0;
  return Save::Saved;
}

KEPT_SCHEDULE::AtClose KEPT_SCHEDULE::at_close() const {
  if (!kept_ && !last_SCH) return AtClose::NothingCreated;
  if (kept_ && last_SCH && kept_->equal(*last_SCH)) return AtClose::Unchanged;
  return AtClose::Changed;
}

void KEPT_SCHEDULE::discard_changes() {
  if (!kept_) {
    last_SCH.reset();
    return;
  }
  if (!last_SCH) last_SCH = std::make_unique<SCH>();
  *last_SCH = *kept_;
  time_and_store(*last_SCH);
}
