#include "engine/shop_snapshot.h"

namespace {

// Entries 1..n of from into a fresh array of n + 1 default records; entries
// the source lacks stay default.
template <class T>
std::vector<T> copy_entries(const std::vector<T>& from, int n) {
  std::vector<T> to(static_cast<std::size_t>(n > 0 ? n : 0) + 1);
  for (int i = 1; i <= n && i < static_cast<int>(from.size()); ++i) to[i] = from[i];
  return to;
}

template <class T>
void write_back(const std::vector<T>& from, std::vector<T>& to, int n) {
  if (static_cast<int>(to.size()) < n + 1) to.resize(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n && i < static_cast<int>(from.size()); ++i) to[i] = from[i];
}

}  // namespace

SHOP::SHOP(const SHOP& other) : n_of_SetupTypes(other.n_of_SetupTypes) {
  const int nO = other.count_orders(), nJ = other.count_jobs(), nM = other.count_machines();
  orders = copy_entries(other.orders, nO);
  jobs = copy_entries(other.jobs, nJ);
  machines = copy_entries(other.machines, nM);
  schedule = std::make_unique<SCH>();
  if (other.schedule) schedule->copy_from(*other.schedule);
  values = other.values ? std::make_unique<OBJ_VALUE>(*other.values) : std::make_unique<OBJ_VALUE>();
}

void SHOP::save(int n_setup_types, const std::vector<ORDER>& orders_in, const std::vector<JOB>& jobs_in,
                const std::vector<MACHINE>& machines_in, const SCH* sch, const OBJ_VALUE* values_in) {
  auto s = std::make_unique<SCH>();
  if (sch) s->copy_from(*sch);
  const int nO = s->n_of_Orders, nJ = s->n_of_Jobs, nM = s->n_of_Machines;
  n_of_SetupTypes = n_setup_types;
  orders = copy_entries(orders_in, nO);
  jobs = copy_entries(jobs_in, nJ);
  machines = copy_entries(machines_in, nM);
  schedule = std::move(s);
  values = values_in ? std::make_unique<OBJ_VALUE>(*values_in) : std::make_unique<OBJ_VALUE>();
}

void SHOP::restore(std::vector<ORDER>& orders_out, std::vector<JOB>& jobs_out, std::vector<MACHINE>& machines_out,
                   SCH* target) const {
  write_back(orders, orders_out, count_orders());
  write_back(jobs, jobs_out, count_jobs());
  write_back(machines, machines_out, count_machines());
  if (target && schedule) *target = *schedule;
}
