#include "engine/schedule_edits.h"

#include <algorithm>

#include "engine/timing.h"

bool schedule_fits_problem(const SCH& sch) {
  return sch.has_tables() && sch.n_of_Orders == n_of_Orders && sch.n_of_Jobs == n_of_Jobs &&
         sch.n_of_Machines == n_of_Machines;
}

std::vector<int> machine_sequence(const SCH& sch, int m) {
  std::vector<int> jobs;
  if (!sch.has_tables() || m < 1 || m > sch.n_of_Machines) return jobs;
  jobs.reserve(static_cast<std::size_t>(sch.Mach_Count[m]));
  for (int t = sch.Mach_Head[m]; t != NO_TASK; t = sch.task(t).next_on_machine) jobs.push_back(sch.task(t).Job);
  return jobs;
}

int save_sequence_to_machine(SCH& sch, const std::vector<int>& jobs, int m) {
  if (!sch.has_tables() || m < 1 || m > sch.n_of_Machines) return -1;
  if (static_cast<int>(jobs.size()) != sch.Mach_Count[m]) return -1;
  // The node of each listed job on m. A machine carries at most one route
  // step of a job (a job's route steps lie in groups of disjoint step ranges),
  // so the job names its node.
  std::vector<int> node_of(static_cast<std::size_t>(sch.n_of_Jobs) + 1, NO_TASK);
  int on_machine = 0;
  for (int t = sch.Mach_Head[m]; t != NO_TASK; t = sch.task(t).next_on_machine, ++on_machine) {
    const int j = sch.task(t).Job;
    if (j < 1 || j > sch.n_of_Jobs || node_of[static_cast<std::size_t>(j)] != NO_TASK) return -1;
    node_of[static_cast<std::size_t>(j)] = t;
  }
  if (on_machine != sch.Mach_Count[m]) return -1;
  std::vector<int> nodes;
  nodes.reserve(jobs.size());
  for (int j : jobs) {
    if (j < 1 || j > sch.n_of_Jobs || node_of[static_cast<std::size_t>(j)] == NO_TASK) return -1;
    nodes.push_back(node_of[static_cast<std::size_t>(j)]);
    node_of[static_cast<std::size_t>(j)] = NO_TASK;  // a job listed twice finds no node the second time
  }
  // Rebuilt from the last item to the first, each at the head: the list ends
  // in item order; the count stays.
  sch.Mach_Head[m] = NO_TASK;
  for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) sch.push_machine_task(m, *it);
  sch.Timed.invalidate();
  return 1;
}

void recalc_schedule_values(SCH& sch, OBJ_VALUE& values) {
  calc_sch_times(sch);
  OBJ_VALUE fresh;
  calc_sch_obj_values(sch, fresh);
  values.set(fresh, sch.n_of_Orders, sch.n_of_Jobs, sch.n_of_Machines);
}

std::vector<int> feasible_routes(const ORDER& order) {
  std::vector<int> routes;
  for (int i = 1; i <= order.N_Routes && i <= 8; ++i) routes.push_back(order.R_feasible[i]);
  return routes;
}

std::vector<int> usable_machines(const ORDER& order, int g) {
  if (g < 1 || static_cast<std::size_t>(g) >= order.MG_M.size()) return {};
  const std::vector<int>& list = order.MG_M[static_cast<std::size_t>(g)];
  if (list.empty()) return {};
  const int n = std::min(list[0], static_cast<int>(list.size()) - 1);
  return std::vector<int>(list.begin() + 1, list.begin() + 1 + std::max(n, 0));
}

int order_of_job(int j) {
  return (j >= 1 && static_cast<std::size_t>(j) < Jobs.size()) ? Jobs[static_cast<std::size_t>(j)].Order_ID : 0;
}

int copy_job_assignment(SCH& sch, int target, int source) {
  if (!sch.has_tables() || target == source || target < 1 || source < 1 || target > sch.n_of_Jobs ||
      source > sch.n_of_Jobs)
    return -1;
  const int o = order_of_job(source);
  if (o == 0 || order_of_job(target) != o) return -1;
  int assignment[5] = {0, 0, 0, 0, 0};
  const int n = sch.get_job_assignment(assignment, source);
  sch.set_job_assignment(n, assignment, target);
  sch.follow_job(target, source);
  return 1;
}
