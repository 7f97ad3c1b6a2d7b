#include "solvers/enumeration.h"

#include <memory>
#include <sstream>
#include <string>

#include "solvers/run_frame.h"
#include "engine/search_operators.h"
#include "problem_io/report_lines.h"

bool enumeration_size_allowed() {
  if (n_of_Machines <= 20 && n_of_Jobs <= 20) return true;
  run_host().show_message(
      "Too large problem for enumerating all cases!\n It may causes floating point overflow exception!\n "
      "Enumeration stopped!");
  return false;
}

namespace {
// Limits l1..l4 of route r for order o: the count of o's MG_M list of the
// route's k-th group, 1 for steps the route does not have.
void route_limits(const ORDER& o, int r, std::int64_t l[5]) {
  const int n = R_MG_ex[r][0];
  for (int k = 1; k <= 4; ++k) l[k] = k <= n ? o.MG_M[R_MG_ex[r][k]][0] : 1;
}
}  // namespace

std::int64_t n_of_job_combinations(const ORDER& o) {
  std::int64_t cnt = 0;
  for (int i = 1; i <= o.N_Routes; ++i) {
    std::int64_t l[5];
    route_limits(o, o.R_feasible[i], l);
    cnt += l[1] * l[2] * l[3] * l[4];
  }
  return cnt;
}

void assign_job_by_index(_S& S, int j, std::int64_t k, const std::vector<ORDER>& orders,
                         const std::vector<JOB>& jobs) {
  remove_job(S, j);
  const ORDER& o = orders[jobs[j].Order_ID];
  for (int i = 1; i <= o.N_Routes; ++i) {
    const int r = o.R_feasible[i];
    std::int64_t l[5];
    route_limits(o, r, l);
    const std::int64_t combos = l[1] * l[2] * l[3] * l[4];
    if (k > combos) {
      k -= combos;
      continue;
    }
    // k - 1 in mixed radix, i4 the fastest digit.
    std::int64_t rest = k - 1;
    std::int64_t digit[5];
    for (int s = 4; s >= 1; --s) {
      digit[s] = rest % l[s];
      rest /= l[s];
    }
    const _S::Edit e = S.edit();
    e.set_route(j, r);
    for (int s = 1; s <= R_MG_ex[r][0]; ++s) {
      const int m = o.MG_M[R_MG_ex[r][s]][static_cast<int>(digit[s]) + 1];
      const int p = S.count(m) + 1;
      e.set_count(m, p);
      e.put(m, p, j, s);
      e.set_step(j, s, m, p);
    }
    return;
  }
}

int next_perm(std::vector<int>& list) {
  const int n = list[0];
  int i = n - 1;
  while (i >= 1 && list[i] >= list[i + 1]) --i;
  if (i < 1) return 0;
  int j = n;
  while (list[j] <= list[i]) --j;
  std::swap(list[i], list[j]);
  for (int a = i + 1, b = n; a < b; ++a, --b) std::swap(list[a], list[b]);
  return 1;
}

int next_index_vector(std::vector<std::int64_t>& v, const std::vector<std::int64_t>& limits) {
  for (std::int64_t i = v[0]; i >= 1; --i) {
    if (v[i] < limits[i]) {
      ++v[i];
      return 1;
    }
    v[i] = 1;
  }
  return 0;
}

void apply_machine_perm(_S& S, const std::vector<std::vector<int>>& perm, int m,
                        const ScheduleTable<RowTable<int>>& rows, const ScheduleTable<RowTable<int>>& steps) {
  const std::vector<int>& p = perm[m];
  const int c = p[0];
  const _S::Edit e = S.edit();
  int* seq = e.seq(m);
  int* step = e.steps(m);
  for (int i = 1; i <= c; ++i) {
    const int job = rows[m][p[i]];
    const int k = steps[m][p[i]];
    seq[i] = job;
    step[i] = k;
    e.set_pos(job, k, i);
  }
}

namespace {

// Up to 20 jobs of several combinations each: written out in full digits up
// to 15 of them, never as "1e+06".
std::string number_text(double x) {
  std::ostringstream s;
  s.precision(15);
  s << x;
  return s.str();
}

void reset_perm(std::vector<int>& p) {
  for (int i = 1; i <= p[0]; ++i) p[i] = i;
}

}  // namespace

int Enumeration_small_size() {
  RunHost& host = run_host();
  begin_run_windows(RunWindow::Scheduler);
  RunReport report;
  if (!report.open()) return refuse_run_without_report(RunWindow::Scheduler);
  write_run_header(report, " Enumeration for small size problems");
  show_search_start(0);

  std::unique_ptr<_S> S = starting_schedule();
  OBJ_VALUE A;
  OBJ_VALUE B;
  time_and_evaluate(*S, B);
  _S best(*S);

  std::int64_t evaluated = 0;
  std::int64_t best_no = 0;
  std::int64_t n_opt = 0;
  stop_flag = false;
  const std::time_t started = host.current_time();
  host.run_progress_clock(true);

  // Combinations per job; a job of an order without a feasible route has none
  // and stays unscheduled, as a single "combination" of the counter.
  std::vector<std::int64_t> cnt(static_cast<size_t>(n_of_Jobs) + 1, 0);
  std::vector<std::int64_t> idx(static_cast<size_t>(n_of_Jobs) + 1, 1);
  cnt[0] = idx[0] = n_of_Jobs;
  double total = 1;
  report.line("Assignment permutation for jobs:");
  for (int j = 1; j <= n_of_Jobs; ++j) {
    const std::int64_t c = n_of_job_combinations(Orders[Jobs[j].Order_ID]);
    total *= static_cast<double>(c);
    report.line(" " + std::to_string(j) + ". job-->" + std::to_string(c));
    cnt[j] = c > 0 ? c : 1;
  }
  report.line();
  report.line();
  host.set_progress_label(ProgressLabel::StepTotal, number_text(total));

  std::vector<std::int64_t> fact(static_cast<size_t>(n_of_Machines) + 1, 1);
  std::vector<std::int64_t> pidx(static_cast<size_t>(n_of_Machines) + 1, 1);
  fact[0] = pidx[0] = n_of_Machines;
  std::vector<std::vector<int>> perm(static_cast<size_t>(n_of_Machines) + 1);
  for (int m = 1; m <= n_of_Machines; ++m) perm[m].assign(static_cast<size_t>(n_of_Jobs) + 1, 0);
  _S base(*S);

  bool stopped = false;
  std::int64_t assignment = 0;
  do {
    host.set_progress_label(ProgressLabel::Step, std::to_string(++assignment));
    for (int j = 1; j <= n_of_Jobs; ++j) assign_job_by_index(*S, j, idx[j], Orders, Jobs);
    base.assign(*S);
    for (int m = 1; m <= n_of_Machines; ++m) {
      const int c = n_of_jobs_on_machine(base, m);
      pidx[m] = 1;
      fact[m] = 1;
      for (int i = 2; i <= c; ++i) fact[m] *= i;
      perm[m][0] = c;
      reset_perm(perm[m]);
    }
    int first_changed = 1;
    for (;;) {
      if (stop_confirmed(host, kStopQuestion, kStopConfirmation, true)) {
        stopped = true;
        break;
      }
      host.process_events();
      // Only the machines whose order changed since the last schedule.
      for (int m = first_changed; m <= n_of_Machines; ++m)
        apply_machine_perm(*S, perm, m, base.M_wload, base.M_step);
      time_and_evaluate(*S, A);
      ++evaluated;
      const double F = A.F(B);
      if (F > 0) {
        n_opt = 1;
        best_no = evaluated;
        B = A;
        best.assign(*S);
      } else if (F == 0) {
        ++n_opt;
      }
      // The last machine's orders change fastest.
      first_changed = 1;
      for (int m = n_of_Machines; m >= 1; --m) {
        if (pidx[m] < fact[m]) {
          next_perm(perm[m]);
          first_changed = m;
          break;
        }
        reset_perm(perm[m]);
      }
      if (next_index_vector(pidx, fact) == 0) break;
    }
  } while (!stopped && next_index_vector(idx, cnt) != 0);

  close_side_windows();
  const std::time_t ended = host.current_time();
  time_and_evaluate(best, A);

  report.line();
  for (int i = 0; i < 6; ++i)
    report.line("Priority of objective funciton  " + std::to_string(i) + " : " + std::to_string(ObjPri[i]));
  report.line();
  report.line();
  report.line(elapsed_time_line(elapsed_seconds(started, ended)));
  report.line();
  report.line("Number of evaluated schedule: " + std::to_string(evaluated));
  report.line("best solution: " + std::to_string(best_no));
  report.line("number of optimal solution: " + std::to_string(n_opt));
  report.line();
  report.line("ObjFunc:\tLOrder\tLJob\tsumT\tmaxT\tSet\tmaxC");
  print_obj_row(report.out(), A);
  report.end_line();
  report.line();
  report.line();
  report.line();
  report.finish();

  host.run_progress_clock(false);
  host.show_window(RunWindow::Progress, false);
  host.show_window(RunWindow::Scheduler, true);
  host.load_results_memo(ResultsMemo::Index, run_report_path());
  host.show_results_memo(ResultsMemo::Index, true);
  rebuild_live_schedule(best);
  first_run = 0;
  return 1;
}
