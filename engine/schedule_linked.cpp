#include "engine/schedule_linked.h"

#include <algorithm>

SCH::SCH(int nO, int nJ, int nM, const std::vector<std::array<int, 5>>& J_A_table,
         const std::vector<std::vector<int>>& M_wload_table, const RouteTable& routes)
    : n_of_Orders(nO), n_of_Jobs(nJ < 0 ? 0 : nJ), n_of_Machines(nM < 0 ? 0 : nM) {
  Job_Head.assign(static_cast<std::size_t>(n_of_Jobs) + 1, NO_TASK);
  Route.assign(static_cast<std::size_t>(n_of_Jobs) + 1, 0);
  Job_Tail.assign(static_cast<std::size_t>(n_of_Jobs) + 1, NO_TASK);
  Mach_Head.assign(static_cast<std::size_t>(n_of_Machines) + 1, NO_TASK);
  Mach_Count.assign(static_cast<std::size_t>(n_of_Machines) + 1, 0);
  Timed.reset(static_cast<std::size_t>(n_of_Jobs));

  const int job_rows = std::min(n_of_Jobs, static_cast<int>(J_A_table.size()) - 1);
  int n_nodes = 0;
  for (int j = 1; j <= job_rows; ++j) {
    Route[j] = J_A_table[j][0];
    n_nodes += route_length(routes, Route[j]);
  }
  Pool.reserve(static_cast<std::size_t>(n_nodes));

  // The node of each route step; nodes are created machine by machine in
  // sequence order, so that a timing pass walks the pool forward.
  std::vector<std::array<int, 5>> node_of(static_cast<std::size_t>(n_of_Jobs) + 1,
                                          {NO_TASK, NO_TASK, NO_TASK, NO_TASK, NO_TASK});
  std::vector<int> step_at;
  const int machine_rows = std::min(n_of_Machines, static_cast<int>(M_wload_table.size()) - 1);
  for (int m = 1; m <= machine_rows; ++m) {
    const std::vector<int>& row = M_wload_table[m];
    if (row.empty()) continue;
    const int count = std::min(row[0], static_cast<int>(row.size()) - 1);
    if (count <= 0) continue;
    // From the last position back, each listed job takes its first route step
    // on m that no later position has taken: a job listed twice on a machine
    // that carries two of its steps gets both, never one step twice; a job
    // listed on a machine that carries none of its steps is left out.
    step_at.assign(static_cast<std::size_t>(count) + 1, 0);
    for (int p = count; p >= 1; --p) {
      const int j = row[p];
      if (j < 1 || j > job_rows) continue;
      for (int k = 1, n = route_length(routes, Route[j]); k <= n; ++k) {
        if (J_A_table[j][k] == m && node_of[j][k] == NO_TASK) {
          node_of[j][k] = 0;  // taken; the node follows below
          step_at[p] = k;
          break;
        }
      }
    }
    int last = NO_TASK;
    for (int p = 1; p <= count; ++p) {
      if (step_at[p] == 0) continue;
      const int j = row[p];
      const int t = new_step_task(j, step_at[p], m);
      task(t).prev_on_machine = last;
      node_of[j][step_at[p]] = t;
      if (last == NO_TASK)
        Mach_Head[m] = t;
      else
        task(last).next_on_machine = t;
      last = t;
      ++Mach_Count[m];
    }
  }
  for (int j = 1; j <= job_rows; ++j) {
    const int n = route_length(routes, Route[j]);
    for (int k = n; k >= 1; --k) {
      // A route step no machine lists stays in its job only.
      const int t = node_of[j][k] != NO_TASK ? node_of[j][k] : new_step_task(j, k, J_A_table[j][k]);
      push_job_task(j, t);
      if (k == n) Job_Tail[j] = t;
    }
  }
}

void SCH::release() {
  Pool.clear();
  Free_Head = NO_TASK;
  Job_Head.clear();
  Route.clear();
  Job_Tail.clear();
  Mach_Head.clear();
  Mach_Count.clear();
  Timed = TimedJobs();
}

void SCH::take_lists(const SCH& src) {
  n_of_Orders = src.n_of_Orders;
  n_of_Jobs = src.n_of_Jobs;
  n_of_Machines = src.n_of_Machines;
  Pool = src.Pool;
  Free_Head = src.Free_Head;
  Job_Head = src.Job_Head;
  Route = src.Route;
  Job_Tail = src.Job_Tail;
  Mach_Head = src.Mach_Head;
  Mach_Count = src.Mach_Count;
  // What the source's timing learnt is not copied: a copy is evaluated from
  // its nodes until it is timed itself.
  if (Timed.jobs.size() != src.Job_Head.size())
    Timed.reset(src.Job_Head.size() - 1);
  else
    Timed.invalidate();
}

void SCH::copy_from(const SCH& src) {
  if (this == &src) return;
  release();
  if (src.has_tables()) {
    take_lists(src);
    return;
  }
  n_of_Orders = src.n_of_Orders;
  n_of_Jobs = src.n_of_Jobs;
  n_of_Machines = src.n_of_Machines;
}

int SCH::operator=(const SCH& src) {
  if (!has_tables() || !src.has_tables()) {
    copy_from(src);
    return 2;
  }
  // Nodes are addressed by pool index, so taking the source's pool into our
  // own storage gives every job and machine list the source's shape; vector
  // assignment keeps our capacity and allocates only when the source holds
  // more nodes than we ever had.
  if (this != &src) take_lists(src);
  return 1;
}

int SCH::equal(const SCH& other) const {
  if (n_of_Machines != other.n_of_Machines) return 0;
  if (has_tables() != other.has_tables()) return 0;
  if (!has_tables()) return 1;
  for (int m = 1; m <= n_of_Machines; ++m) {
    if (Mach_Count[m] != other.Mach_Count[m]) return 0;
    int a = Mach_Head[m];
    int b = other.Mach_Head[m];
    while (a != NO_TASK && b != NO_TASK) {
      if (task(a).Job != other.task(b).Job) return 0;
      a = task(a).next_on_machine;
      b = other.task(b).next_on_machine;
    }
    if (a != b) return 0;  // one list is longer than its count says
  }
  return 1;
}

int SCH::task_of_step(int j, int k) const {
  if (Job_Head.empty() || j < 1 || j > n_of_Jobs || k < 1) return NO_TASK;
  int t = Job_Head[j];
  for (int i = 1; i < k && t != NO_TASK; ++i) t = task(t).next_in_job;
  return t;
}

int SCH::job_task_count(int j) const {
  if (Job_Head.empty() || j < 1 || j > n_of_Jobs) return 0;
  int n = 0;
  for (int t = Job_Head[j]; t != NO_TASK; t = task(t).next_in_job) ++n;
  return n;
}

bool SCH::is_task(int t) const { return t >= 0 && static_cast<std::size_t>(t) < Pool.size(); }

void SCH::push_front(std::vector<int>& heads, int key, int t, int TASK::*next, int TASK::*prev) {
  if (key < 1 || static_cast<std::size_t>(key) >= heads.size() || !is_task(t)) return;
  TASK& node = task(t);
  node.*prev = NO_TASK;
  node.*next = heads[key];
  if (heads[key] != NO_TASK) task(heads[key]).*prev = t;
  heads[key] = t;
}

void SCH::push_job_task(int j, int t) {
  Timed.invalidate();
  push_front(Job_Head, j, t, &TASK::next_in_job, &TASK::prev_in_job);
}

void SCH::push_machine_task(int m, int t) {
  push_front(Mach_Head, m, t, &TASK::next_on_machine, &TASK::prev_on_machine);
}

void SCH::unlink_from_machine(int t) {
  if (!is_task(t)) return;
  const TASK& node = task(t);
  const int m = node.Machine;
  if (m < 1 || m > n_of_Machines || Mach_Head.empty()) return;
  // A node that is in no list (not the head and without predecessor) changes nothing.
  if (node.prev_on_machine == NO_TASK && Mach_Head[m] != t) return;
  if (node.prev_on_machine != NO_TASK)
    task(node.prev_on_machine).next_on_machine = node.next_on_machine;
  else
    Mach_Head[m] = node.next_on_machine;
  if (node.next_on_machine != NO_TASK) task(node.next_on_machine).prev_on_machine = node.prev_on_machine;
  --Mach_Count[m];
}

int SCH::append_on_machine(int m, int t) {
  if (m < 1 || static_cast<std::size_t>(m) >= Mach_Head.size() || !is_task(t)) return 0;
  TASK& node = task(t);
  node.Machine = m;
  node.next_on_machine = NO_TASK;
  if (Mach_Head[m] == NO_TASK) {
    node.prev_on_machine = NO_TASK;
    Mach_Head[m] = t;
  } else {
    int last = Mach_Head[m];
    while (task(last).next_on_machine != NO_TASK) last = task(last).next_on_machine;
    task(last).next_on_machine = t;
    node.prev_on_machine = last;
  }
  ++Mach_Count[m];
  return 0;
}

int SCH::get_job_assignment(int out[5], int j) const {
  if (Job_Head.empty() || j < 1 || j > n_of_Jobs) return 0;
  out[0] = Route[j];
  int n = 0;
  for (int t = Job_Head[j]; t != NO_TASK; t = task(t).next_in_job) {
    ++n;
    if (n <= 4) out[n] = task(t).Machine;
  }
  return n;
}

int SCH::move_op_to_machine(int m, int k, int j) {
  if (!has_tables() || j < 1 || j > n_of_Jobs) return 0;
  int t = Job_Head[j];
  int n = 0;
  for (; t != NO_TASK; t = task(t).next_in_job)
    if (++n == k) break;
  if (t == NO_TASK || k < 1) return n;
  if (task(t).Machine == m) return k;
  if (m < 1 || m > n_of_Machines) return k;  // no such machine: nothing moves
  unlink_from_machine(t);
  append_on_machine(m, t);
  return 0;
}

void SCH::change_job_route(int n, const int assignment[5], int j) {
  if (!has_tables() || j < 1 || j > n_of_Jobs || Route[j] == assignment[0]) return;
  if (n < 0 || n > 4) return;
  for (int k = 1; k <= n; ++k)
    if (assignment[k] < 1 || assignment[k] > n_of_Machines) return;
  for (int t = Job_Head[j]; t != NO_TASK;) {
    const int next = task(t).next_in_job;
    unlink_from_machine(t);
    delete_task(t);
    t = next;
  }
  Timed.invalidate();
  Job_Head[j] = NO_TASK;
  Job_Tail[j] = NO_TASK;
  Route[j] = assignment[0];
  for (int k = n; k >= 1; --k) {
    const int t = new_step_task(j, k, assignment[k]);
    push_job_task(j, t);
    if (k == n) Job_Tail[j] = t;
    append_on_machine(assignment[k], t);
  }
}

void SCH::set_job_assignment(int n, const int assignment[5], int j) {
  if (!has_tables() || j < 1 || j > n_of_Jobs) return;
  if (Route[j] != assignment[0]) {
    change_job_route(n, assignment, j);
    return;
  }
  if (n < 1 || n > 4) return;
  for (int k = n; k >= 1; --k) move_op_to_machine(assignment[k], k, j);
}

void SCH::follow_job(int a, int b) {
  if (!has_tables() || a == b || a < 1 || a > n_of_Jobs || b < 1 || b > n_of_Jobs) return;
  for (int ta = Job_Head[a], tb = Job_Head[b]; ta != NO_TASK && tb != NO_TASK;
       ta = task(ta).next_in_job, tb = task(tb).next_in_job) {
    const int m = task(tb).Machine;
    if (task(ta).Machine != m) continue;  // precondition broken for this step: leave it
    unlink_from_machine(ta);
    TASK& node = task(ta);
    node.prev_on_machine = tb;
    node.next_on_machine = task(tb).next_on_machine;
    if (node.next_on_machine != NO_TASK) task(node.next_on_machine).prev_on_machine = ta;
    task(tb).next_on_machine = ta;
    ++Mach_Count[m];
  }
}

int SCH::new_task() {
  if (Free_Head != NO_TASK) {
    const int t = Free_Head;
    Free_Head = task(t).next_in_job;
    task(t) = TASK{};
    return t;
  }
  Pool.emplace_back();
  return static_cast<int>(Pool.size()) - 1;
}

int SCH::new_step_task(int j, int k, int m) {
  const int t = new_task();
  TASK& node = task(t);
  node.Job = j;
  node.Step = k;
  node.Machine = m;
  return t;
}

void SCH::delete_task(int t) {
  task(t) = TASK{};
  task(t).next_in_job = Free_Head;
  Free_Head = t;
}
