#include "bench/support/problem_shelf.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "engine/problem.h"

namespace {

struct ShelvedProblem {
  bool loaded = false;
  int machines = 0, orders = 0, setup_types = 0, jobs = 0;
  std::vector<MACHINE> machine_records;
  std::vector<ORDER> order_records;
  std::vector<JOB> job_records;
  std::vector<std::vector<int>> groups, types;
  std::vector<std::array<int, 5>> assignments;
  std::vector<std::vector<int>> workloads;
};

// Exchanges the loaded problem with the one kept in p.
void swap_with_globals(ShelvedProblem& p) {
  std::swap(n_of_Machines, p.machines);
  std::swap(n_of_Orders, p.orders);
  std::swap(n_of_SetupTypes, p.setup_types);
  std::swap(n_of_Jobs, p.jobs);
  Machines.swap(p.machine_records);
  Orders.swap(p.order_records);
  Jobs.swap(p.job_records);
  MG_M_ex.swap(p.groups);
  Exe_O.swap(p.types);
  J_A.swap(p.assignments);
  M_wload.swap(p.workloads);
}

std::map<std::string, ShelvedProblem> g_shelf;
ShelvedProblem* g_active = nullptr;  // its slot holds what the globals held before it came in

}  // namespace

bool use_problem(const std::string& key, const std::function<bool()>& load) {
  const bool known = g_shelf.count(key) != 0;
  ShelvedProblem& p = g_shelf[key];
  if (g_active == &p) return p.loaded;
  if (known && !p.loaded) return false;
  if (g_active) swap_with_globals(*g_active);  // the active problem goes back to its slot
  g_active = &p;
  // On the first use the slot is empty: the swap empties the globals for load().
  swap_with_globals(p);
  if (!known) p.loaded = load();
  return p.loaded;
}

bool use_generated_problem(std::uint32_t seed, GeneratedSize size) {
  return use_problem("generated/" + std::to_string(seed) + "/" + size_name(size),
                     [&] { return load_generated_problem(seed, size); });
}

void require_generated_problem(std::uint32_t seed, GeneratedSize size) {
  if (use_generated_problem(seed, size)) return;
  std::fprintf(stderr, "could not generate the %s problem\n", size_name(size));
  std::exit(1);
}

const char* size_name(GeneratedSize size) {
  switch (size) {
    case GeneratedSize::Small: return "Small";
    case GeneratedSize::Default: return "Default";
    case GeneratedSize::Large: return "Large";
  }
  return "";
}
