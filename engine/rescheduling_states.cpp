#include "engine/rescheduling_states.h"

#include "engine/freezing.h"
#include "engine/live_schedule.h"
#include "engine/run_host.h"
#include "engine/schedule_array.h"
#include "engine/timing.h"

namespace {
bool holds_loaded_problem(const SHOP* shop) {
  return shop && shop->schedule && shop->schedule->has_tables() && shop->values &&
         shop->count_orders() == n_of_Orders && shop->count_jobs() == n_of_Jobs &&
         shop->count_machines() == n_of_Machines;
}
}  // namespace

bool RESCH_STATES::loaded() const { return holds_loaded_problem(released.get()) && holds_loaded_problem(working.get()); }

void RESCH_STATES::take_released(const SCH& sch) {
  // Everything is built aside first; only moves, which cannot fail, replace
  // the states and the live schedule, so memory running out midway leaves
  // all three as they were.
  auto shop = std::make_unique<SHOP>();
  shop->save(n_of_SetupTypes, Orders, Jobs, Machines, &sch, nullptr);
  calc_sch_times(*shop->schedule, MG_M_ex, shop->orders, shop->jobs, shop->machines);
  calc_sch_obj_values(*shop->schedule, *shop->values, shop->orders, shop->jobs);
  auto work = std::make_unique<SHOP>(*shop);
  auto live = std::make_unique<SCH>(sch);
  calc_sch_times(*live);
  OBJ_VALUE values;
  calc_sch_obj_values(*live, values);
  working = std::move(work);
  released = std::move(shop);
  last_SCH = std::move(live);
  last_obj_value.set(values, n_of_Orders, n_of_Jobs, n_of_Machines);
}

void RESCH_STATES::reevaluate_after_env_change() {
  if (!last_SCH) return;
  calc_sch_times(*last_SCH);
  OBJ_VALUE values;
  calc_sch_obj_values(*last_SCH, values);
  last_obj_value.set(values, n_of_Orders, n_of_Jobs, n_of_Machines);
  auto shop = std::make_unique<SHOP>();
  shop->save(n_of_SetupTypes, Orders, Jobs, Machines, last_SCH.get(), &values);
  working = std::move(shop);
}

void RESCH_STATES::show_initial_state(int type, int freeze_time) {
  if (!loaded()) return;
  if (!last_SCH) last_SCH = std::make_unique<SCH>();
  _S T(*released->schedule);
  if (type == 0) {
    calc_S_times(T, MG_M_ex, released->orders, released->jobs, released->machines);
    working->restore(Orders, Jobs, Machines, last_SCH.get());
  } else {
    working->restore(Orders, Jobs, Machines, last_SCH.get());
    calc_S_times(T, MG_M_ex, Orders, Jobs, Machines);
  }
  freeze_S_at(T, Orders, Jobs, Machines, freeze_time);
  last_SCH->copy_from(*released->schedule);
  calc_sch_times_resch(*last_SCH, T, freeze_time);
  store_live_values(*last_SCH);
}

void RESCH_STATES::release() {
  // The results window's overlay may point at either snapshot.
  run_host().set_initial_data_snapshot(nullptr);
  working.reset();
  released.reset();
}
