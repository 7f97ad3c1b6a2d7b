#include "problem_io/problem_generator.h"

#include <array>
#include <climits>
#include <functional>
#include <vector>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "engine/shop_structure.h"
#include "problem_io/input_records.h"
#include "problem_io/replacing_file.h"

int deviate(int v, int p) {
  const double d = static_cast<double>(p) * v * 0.01;
  if (d < 1) return v;
  // In 64 bits: p and v come from the caller, and 2d of large ones exceeds int.
  const long long low = v - static_cast<long long>(d);
  const long long span = static_cast<long long>(2 * d) + 1;
  const long long r = low + rand_long() % span;
  return r > INT_MAX ? INT_MAX : r < INT_MIN ? INT_MIN : static_cast<int>(r);
}

namespace {

// Values drawn once per generation, over the ten machine groups g and the ten
// execution types t (element 0 unused).
struct WORKING_VALUES {
  std::array<int, 11> n{};  // machines of group g
  std::array<int, 11> v{};  // group speed
  std::array<int, 11> o{};  // orders of type t
  std::array<int, 11> j{};  // jobs mean
  std::array<int, 11> q{};  // job size mean
  std::array<int, 11> b{};  // bound of the earliest starts
  int M = 0;
  int O = 0;
};

WORKING_VALUES draw_working_values(GENERATION_METHOD method, const GENERATOR_VALUES& p) {
  const bool basic = method == GENERATION_METHOD::Basic;
  WORKING_VALUES w;
  for (int g = 1; g <= 10; ++g) {
    w.n[g] = basic ? deviate(p.Mv, p.Mp) : (g == 1 ? p.Mv : 0);
    w.v[g] = deviate(p.Vv, p.Vp);
    w.M += w.n[g];
  }
  for (int t = 1; t <= 10; ++t) {
    w.o[t] = basic ? deviate(p.Ov, p.Op) : (t == 1 ? p.Ov : 0);
    w.O += w.o[t];
    w.j[t] = deviate(p.Jv, p.Jp);
    w.q[t] = deviate(p.Qv, p.Qp);
    w.b[t] = deviate(p.Bv, p.Bp);
  }
  return w;
}

// The generated machines (ids consecutive group by group) and, per machine
// group, its machine ids in increasing order with the count first.
struct GENERATED_MACHINES {
  std::vector<MACHINE> machines;
  std::array<std::vector<int>, 11> group_list;
};

GENERATED_MACHINES draw_machines(const GENERATOR_VALUES& p, const WORKING_VALUES& w) {
  GENERATED_MACHINES out;
  out.machines.resize(static_cast<std::size_t>(w.M) + 1);
  int m = 1;
  for (int g = 1; g <= 10; ++g) {
    for (int k = 1; k <= w.n[g]; ++k, ++m) {
      MACHINE& mc = out.machines[m];
      mc.ID = m;
      mc.Speed = deviate(w.v[g], p.Vp);
      mc.StartStep = exe_type_first_step(g);
      mc.EndStep = exe_type_last_step(g);
      mc.MG = g;
      mc.N_Cal = p.E;
      mc.Cal.assign(static_cast<std::size_t>(p.E) + 1, CAL_INTERVAL{});
      for (int i = 1; i <= p.E; ++i) {
        mc.Cal[i].ST = i == 1 ? rand_n(p.F) : mc.Cal[i - 1].ET + deviate(p.Uv, p.Up);
        mc.Cal[i].ET = mc.Cal[i].ST + deviate(p.Av, p.Ap);
      }
      mc.N_Set = p.S * p.S;
      mc.alloc_setup_matrix(p.S);
      for (int a = 1; a <= p.S; ++a)
        for (int b = 1; b <= p.S; ++b) mc.SetupM(a, b) = a == b ? 0 : deviate(p.Sv, p.Sp);
    }
  }
  for (int g = 1; g <= 10; ++g) out.group_list[g].assign(1, 0);
  for (int i = 1; i <= w.M; ++i) {
    std::vector<int>& list = out.group_list[out.machines[i].MG];
    list.push_back(i);
    ++list[0];
  }
  return out;
}

// Draws order id of execution type t into order (its Steps reused).
void draw_order(ORDER& order, int id, int t, const GENERATOR_VALUES& p, const WORKING_VALUES& w,
                const GENERATED_MACHINES& gm) {
  order.StartStep = exe_type_first_step(t);
  order.EndStep = exe_type_last_step(t);
  order.ID = id;
  order.Exe = t;
  order.NJob = deviate(w.j[t], p.Jp);
  order.SJob = deviate(w.q[t], p.Qp);
  order.SetupType = rand_n(p.S) + 1;
  order.CST = rand_n(w.b[t]);
  order.CET = order.CST + deviate(p.Wv, p.Wp);
  // Every machine group, whatever the order's own steps: one machine of each
  // group that has machines is always permitted, the others by chance.
  order.Steps.assign(1, ORDER_STEP{});
  for (int g = 1; g <= 10; ++g) {
    const std::vector<int>& list = gm.group_list[g];
    const int h = list[0];
    const int pick = rand_n(h) + 1;
    for (int i = 1; i <= h; ++i) {
      if (i != pick && rand_n(10) + 1 < p.R) continue;
      const MACHINE& mc = gm.machines[list[i]];
      order.Steps.push_back(ORDER_STEP{mc.StartStep, mc.EndStep, mc.ID, g});
    }
  }
  order.N_Step = static_cast<int>(order.Steps.size()) - 1;
}

// One generation: draws, asks choose_file for the target ("" = cancelled)
// and writes. The target is asked for once the machines are drawn; the orders
// are then drawn and written one at a time, in the same order of draws as if
// they were all held, so that the largest order sets the fields allow (some
// 10^5 orders with up to 2,000 permitted machines each) need no memory of
// their own.
int generate(GENERATION_METHOD method, const GENERATOR_VALUES& p, const std::function<std::string()>& choose_file) {
  if (!generator_values_in_range(p)) return -1;
  const WORKING_VALUES w = draw_working_values(method, p);
  const GENERATED_MACHINES gm = draw_machines(p, w);

  const std::string path = choose_file();
  if (path.empty()) return 0;
  ReplacingFile file(path);
  if (!file.is_open()) return -1;
  std::ostream& out = file.out();
  write_header_record(out, w.M, w.O, p.S);
  for (int m = 1; m <= w.M; ++m) write_machine_records(out, gm.machines[m], p.S);
  ORDER order;
  int id = 1;
  for (int t = 1; t <= 10; ++t)
    for (int k = 1; k <= w.o[t]; ++k, ++id) {
      draw_order(order, id, t, p, w, gm);
      write_order_records(out, order);
    }
  return file.commit() ? 1 : -1;
}

void seed_generation(std::optional<std::uint32_t> seed) {
  if (seed)
    seed_random(*seed);
  else
    seed_random_from_time();
}

}  // namespace

int generate_basic_problem(const GENERATOR_VALUES& values, SaveDialog& dialog, const std::string& program_dir,
                           std::optional<std::uint32_t> seed) {
  seed_generation(seed);
  return generate(GENERATION_METHOD::Basic, values,
                  [&] { return choose_generator_file(GENERATION_METHOD::Basic, dialog, program_dir); });
}

int generate_one_machine_problem(const GENERATOR_VALUES& values, SaveDialog& dialog,
                                 const std::string& program_dir, std::optional<std::uint32_t> seed) {
  seed_generation(seed);
  return generate(GENERATION_METHOD::OneMachine, values,
                  [&] { return choose_generator_file(GENERATION_METHOD::OneMachine, dialog, program_dir); });
}

int generate_problem_file(GENERATION_METHOD method, const GENERATOR_VALUES& values, std::uint32_t seed,
                          const std::string& path) {
  if (path.empty()) return -1;
  seed_random(seed);
  return generate(method, values, [&] { return path; });
}
