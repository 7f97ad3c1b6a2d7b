#include "engine/objective_value.h"

#include <algorithm>
#include <cmath>

int ObjPri[9] = {ObjPri_at_start[0], ObjPri_at_start[1], ObjPri_at_start[2], ObjPri_at_start[3], ObjPri_at_start[4],
                 ObjPri_at_start[5], ObjPri_at_start[6], ObjPri_at_start[7], ObjPri_at_start[8]};
int ReschPri[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

std::int64_t OBJ_VALUE::* const OBJ_VALUE::Criteria[9] = {
    &OBJ_VALUE::n_of_Late_Orders, &OBJ_VALUE::n_of_Late_Jobs,
    &OBJ_VALUE::sumTardiness,     &OBJ_VALUE::max_Tardiness,
    &OBJ_VALUE::n_of_Setup,       &OBJ_VALUE::Completion_Time,
    &OBJ_VALUE::sumAbsLateness,   &OBJ_VALUE::n_of_Early_Starting_Jobs,
    &OBJ_VALUE::sumEarly_Startness};

OBJ_VALUE& OBJ_VALUE::operator=(const OBJ_VALUE& other) {
  for (int i = 0; i < 9; ++i) criterion(i) = other.criterion(i);
  for (int i = 0; i < 10; ++i) Dev[i] = other.Dev[i];
  return *this;
}

void OBJ_VALUE::set(const std::int64_t source[9], int nO, int nJ, int nM) {
  for (int i = 0; i < 9; ++i) criterion(i) = source[i];
  n_of_Orders = nO;
  n_of_Jobs = nJ;
  n_of_Machines = nM;
}

void OBJ_VALUE::set(const OBJ_VALUE& source, int nO, int nJ, int nM) {
  for (int i = 0; i < 9; ++i) criterion(i) = source.criterion(i);
  n_of_Orders = nO;
  n_of_Jobs = nJ;
  n_of_Machines = nM;
}

namespace {
// 100 * (b - a) / max(a, b); nothing when the two are equal or when they differ
// with a maximum of 0 or below (a never-positive sum), which would divide by 0
// or flip the sign of the comparison.
double relative_term(double a, double b) {
  if (a == b) return 0.0;
  const double hi = std::max(a, b);
  if (hi <= 0.0) return 0.0;
  return 100.0 * (b - a) / hi;
}
}  // namespace

double OBJ_VALUE::F(const OBJ_VALUE& other) const {
  double f = 0.0;
  for (int i = 0; i < 9; ++i)
    if (ObjPri[i] != 0)
      f += ObjPri[i] * relative_term(static_cast<double>(criterion(i)), static_cast<double>(other.criterion(i)));
  for (int i = 0; i < 10; ++i)
    if (ReschPri[i] != 0) f += ReschPri[i] * relative_term(Dev[i], other.Dev[i]);
  return f;
}

namespace {

std::uint64_t g_record_writes = 0;

// Accumulates the values job by job; shared by both representations.
struct Evaluation {
  std::int64_t v[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // in OBJ_VALUE order
  int last_late_order = 0;
  bool any_scheduled = false;

  // Inlined into every loop over the jobs, which the compiler would not do on
  // its own for five callers: a call per job makes the evaluation a tenth slower.
  [[gnu::always_inline]] inline void add_job(int j, int Cj, int Sj, std::vector<ORDER>& orders,
                                             std::vector<JOB>& jobs) {
    JOB& job = jobs[static_cast<std::size_t>(j)];
    ORDER& od = orders[static_cast<std::size_t>(job.Order_ID)];
    const JobSpan span{Sj, Cj};
    const JobFigures f = job_figures(span, od.CST, od.CET);
    const std::int64_t Lj = f.lateness();
    const std::int64_t Tj = f.tardiness();
    if (f.late()) {
      ++v[1];
      // Jobs are numbered order by order, so each late order is met in one run.
      if (job.Order_ID != last_late_order) {
        ++v[0];
        last_late_order = job.Order_ID;
      }
    }
    v[2] += Tj;
    v[3] = std::max(v[3], Tj);
    v[6] += Lj < 0 ? -Lj : Lj;
    if (!any_scheduled || Cj > v[5]) v[5] = Cj;
    any_scheduled = true;
    ++v[9];
    if (f.early()) ++v[7];
    v[8] += f.early_start();
    job.StartT = Sj;
    job.EndT = Cj;
    fold_order_span(od, j == od.First_Job, span);
  }
};

bool job_in_tables(int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs) {
  if (j < 1 || static_cast<std::size_t>(j) >= jobs.size()) return false;
  const int o = jobs[static_cast<std::size_t>(j)].Order_ID;
  return o >= 1 && static_cast<std::size_t>(o) < orders.size();
}

}  // namespace

std::uint64_t record_writes() { return g_record_writes; }

void calc_S_obj_values(const _S& S, OBJ_VALUE& values, std::vector<ORDER>& orders, std::vector<JOB>& jobs) {
  ++g_record_writes;
  Evaluation e;
  for (int j = 1; j <= S.n_of_Jobs; ++j) {
    const int n = S.n_steps(j);
    if (n == 0 || !job_in_tables(j, orders, jobs)) continue;  // route 0: not scheduled
    if (const TimedJobs::Job* t = S.Timed.through(j, n)) {
      e.add_job(j, t->EndT, t->StartT, orders, jobs);
    } else {
      const JobSpan span = job_span(S, j);
      e.add_job(j, span.EndT, span.StartT, orders, jobs);
    }
  }
  std::int64_t setups = 0;
  if (S.Timed.setups_pass == S.Timed.pass) {
    setups = S.Timed.setups;
  } else {
    for (int m = 1; m <= S.n_of_Machines; ++m) {
      const OP_TIME* row = S.Times[m];
      for (int p = 1, n = S.M_wload[m][0]; p <= n; ++p) setups += row[p].Setup == 1;
    }
  }
  e.v[4] = setups;
  for (int i = 0; i < 9; ++i) values.criterion(i) = e.v[i];
  values.n_of_Scheduled_Jobs = e.v[9];
}

JobSpan job_span(const _S& S, int j) {
  JobSpan span{0, -1};
  const int n = S.n_steps(j);
  for (int k = 1; k <= n; ++k) {
    const int m = S.J_A[j][k];
    const int p = S.J_pos[j][k];
    const OP_TIME& r = (m >= 0 && m <= S.n_of_Machines) ? S.Times[m][p] : S.Times[0][0];
    if (k == 1 || r.StartT < span.StartT) span.StartT = r.StartT;
    if (k == n) span.EndT = r.EndT;
  }
  return span;
}

void calc_S_obj_values_from_spans(const _S& S, const JobSpan* spans, std::int64_t setups, OBJ_VALUE& values,
                                  std::vector<ORDER>& orders, std::vector<JOB>& jobs) {
  ++g_record_writes;
  Evaluation e;
  for (int j = 1; j <= S.n_of_Jobs; ++j) {
    if (S.n_steps(j) == 0 || !job_in_tables(j, orders, jobs)) continue;  // route 0: not scheduled
    e.add_job(j, spans[j].EndT, spans[j].StartT, orders, jobs);
  }
  e.v[4] = setups;
  for (int i = 0; i < 9; ++i) values.criterion(i) = e.v[i];
  values.n_of_Scheduled_Jobs = e.v[9];
}

void calc_sch_obj_values(const SCH& sch, OBJ_VALUE& values, std::vector<ORDER>& orders, std::vector<JOB>& jobs) {
  ++g_record_writes;
  Evaluation e;
  if (sch.has_tables()) {
    std::int64_t setups = 0;
    for (int j = 1; j <= sch.n_of_Jobs; ++j) {
      const int head = sch.Job_Head[j];
      if (head == NO_TASK || !job_in_tables(j, orders, jobs)) continue;
      if (const TimedJobs::Job* timed = sch.Timed.through(j, sch.Job_Tail[j])) {
        e.add_job(j, timed->EndT, timed->StartT, orders, jobs);
        continue;
      }
      int Sj = sch.task(head).StartT;
      int Cj = sch.task(head).EndT;
      for (int t = head; t != NO_TASK; t = sch.task(t).next_in_job) {
        Sj = std::min(Sj, sch.task(t).StartT);
        Cj = sch.task(t).EndT;
      }
      e.add_job(j, Cj, Sj, orders, jobs);
    }
    if (sch.Timed.setups_pass == sch.Timed.pass) {
      setups = sch.Timed.setups;
    } else {
      for (int m = 1; m <= sch.n_of_Machines; ++m)
        for (int t = sch.Mach_Head[m]; t != NO_TASK; t = sch.task(t).next_on_machine) setups += sch.task(t).Setup == 1;
    }
    e.v[4] = setups;
  }
  for (int i = 0; i < 9; ++i) values.criterion(i) = e.v[i];
}

void calc_S_obj_values(const _S& S, OBJ_VALUE& values) { calc_S_obj_values(S, values, Orders, Jobs); }
void calc_sch_obj_values(const SCH& sch, OBJ_VALUE& values) { calc_sch_obj_values(sch, values, Orders, Jobs); }
