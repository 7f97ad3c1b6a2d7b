// The rescheduling order move re-inserts long orders in block copies of the
// machines it touches. It must leave exactly the tables, and draw exactly the
// numbers, of re-inserting the order's jobs one at a time straight into the
// rows; the latter is kept here as the reference.
#include "engine/resch_moves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/freeze_job.h"
#include "engine/freezing.h"
#include "engine/held_in_place.h"
#include "engine/objective_value.h"
#include "engine/random_source.h"
#include "engine/sample_timing.h"
#include "engine/schedule_array.h"
#include "engine/search_operators.h"
#include "engine/shop_structure.h"
#include "engine/tabu_list.h"
#include "engine/timing.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"
#include "tests/support/small_shop.h"
#include "tests/support/varied_shop.h"

namespace {

void reference_reinsert(_S& S, int j, const _S& ref) {
  remove_job(S, j);
  if (Jobs[j].N_Frozen >= 1)
    insert_job_own_routes(S, j, Orders, Jobs, Machines, ref);
  else
    insert_job_order_routes(S, j, Orders, Jobs, Machines);
}

// The order move as it was first written: one job after the other, each
// taken out of and put back into the full rows.
void reference_order_move(_S& S, int o, const _S& ref) {
  if (Orders[o].NJob < 1) return;
  const int f = Orders[o].First_Job;
  reference_reinsert(S, f, ref);
  for (int k = f + Orders[o].NJob - 1; k >= f + 1; --k) {
    if (Jobs[k].N_Frozen >= 1)
      reference_reinsert(S, k, ref);
    else if (!follow_job_if_free(S, f, k, Orders, Jobs, Machines, ref))
      reference_reinsert(S, k, ref);
  }
}

// The first table entry where a and b differ, or "" when none does.
std::string first_difference(const _S& a, const _S& b) {
  for (int j = 1; j <= a.n_of_Jobs; ++j)
    for (int k = 0; k <= 4; ++k) {
      if (a.J_A[j][k] != b.J_A[j][k]) return "J_A of job " + std::to_string(j) + " step " + std::to_string(k);
      if (a.J_pos[j][k] != b.J_pos[j][k]) return "J_pos of job " + std::to_string(j) + " step " + std::to_string(k);
    }
  for (int m = 1; m <= a.n_of_Machines; ++m)
    for (int p = 0; p <= a.M_wload[m][0]; ++p) {
      if (a.M_wload[m][p] != b.M_wload[m][p]) return "M_wload of machine " + std::to_string(m) + " at " + std::to_string(p);
      if (p > 0 && a.M_step[m][p] != b.M_step[m][p]) return "M_step of machine " + std::to_string(m) + " at " + std::to_string(p);
    }
  return "";
}

// The released schedule of the loaded problem timed and frozen at the
// fraction `at` of its starts (0: before every start, 1: after every one);
// the freeze time into *freeze_time when given.
_S frozen_reference(std::uint32_t seed, double at, int* freeze_time = nullptr) {
  fill_random_schedule(seed);
  _S ref(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_S_times(ref);
  std::vector<int> starts;
  for (int m = 1; m <= n_of_Machines; ++m)
    for (int p = 1; p <= ref.count(m); ++p) starts.push_back(ref.Times[m][p].StartT);
  std::sort(starts.begin(), starts.end());
  const int t = at <= 0 ? starts.front() - 1
                        : at >= 1 ? starts.back() : starts[static_cast<std::size_t>(at * (starts.size() - 1))];
  freeze_S_at(ref, Orders, Jobs, Machines, t);
  if (freeze_time) *freeze_time = t;
  return ref;
}

// FNV-1a, one number for a whole walk.
void mix(std::uint64_t& digest, std::uint64_t x) { digest = (digest ^ x) * 1099511628211ull; }

struct Tally {
  int moves = 0;
  int long_moves = 0;      // moves of orders of 16 jobs or more, which may go into block copies
  int frozen_first = 0;    // of those, orders whose first job is frozen
  std::uint64_t digest = 1469598103934665603ull;  // the sequences after every move of the walk
};

// n order moves (orders drawn at random, the long ones more often) from the
// reference on, each made both ways from the same draw state; between them
// the other rescheduling moves vary the schedule. Stops at the first
// difference.
Tally compare_order_moves(const _S& ref, std::uint32_t seed, int n, const std::vector<int>& long_orders) {
  Tally tally;
  _S S = ref;
  seed_random(seed);
  for (int i = 0; i < n; ++i) {
    const int o = !long_orders.empty() && rand_n(2) == 0 ? long_orders[rand_n(static_cast<int>(long_orders.size()))]
                                                          : rand_n(n_of_Orders) + 1;
    const int draw_state = rand_n(1 << 30);
    _S expected = S;
    seed_random(static_cast<std::uint32_t>(draw_state));
    reference_order_move(expected, o, ref);
    const int expected_next = rand_n(1 << 30);
    seed_random(static_cast<std::uint32_t>(draw_state));
    EXPECT_EQ(move_reinsert_order_resch(S, o, Orders, Jobs, Machines, ref), 1);
    const int next = rand_n(1 << 30);
    const std::string diff = first_difference(S, expected);
    ++tally.moves;
    if (Orders[o].NJob >= 16) {
      ++tally.long_moves;
      if (Jobs[Orders[o].First_Job].N_Frozen > 0) ++tally.frozen_first;
    }
    if (!diff.empty() || next != expected_next) {
      ADD_FAILURE() << "move " << i << " of order " << o << " (" << Orders[o].NJob << " jobs): " << diff
                    << (next != expected_next ? ", other draws" : "");
      return tally;
    }
    EXPECT_EQ(compare_S_sequences(S, ref, Jobs, Machines), 1) << "move " << i;
    switch (rand_n(3)) {
      case 0: move_reinsert_job_resch(S, rand_n(n_of_Jobs) + 1, Orders, Jobs, Machines, ref); break;
      case 1: move_shuffle_machine_resch(S, rand_n(n_of_Machines) + 1, Machines); break;
      default: break;
    }
    mix(tally.digest, tabu_hash(S));
  }
  expect_S_consistent(S, "after the order moves", true);
  return tally;
}

// compare_order_moves from a reference frozen at each fraction in turn.
Tally compare_at(std::initializer_list<double> fractions, std::uint32_t seed, int n, const std::vector<int>& long_orders) {
  Tally total;
  for (const double at : fractions) {
    ++seed;
    const Tally t = compare_order_moves(frozen_reference(seed, at), seed, n, long_orders);
    total.moves += t.moves;
    total.long_moves += t.long_moves;
    total.frozen_first += t.frozen_first;
    mix(total.digest, t.digest);
  }
  return total;
}

// Ten machines in pairs over five groups, so that routes of one to four
// steps have machines to choose from; a few orders of thousands of jobs among
// short ones.
std::vector<int> load_long_orders_shop() {
  std::vector<SmallMachine> machines = {{1, 1, 1}, {1, 1, 2}, {2, 2, 1}, {2, 2, 1}, {3, 4, 1},
                                        {3, 4, 2}, {3, 3, 1}, {4, 4, 1}, {1, 2, 1}, {1, 2, 3}};
  const std::vector<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  std::vector<SmallOrder> orders;
  for (int o = 1; o <= 12; ++o) {
    const int jobs = o % 4 == 1 ? 900 + 1500 * (o / 4) : 1 + o % 5 * 6;
    const int first = 1 + o % 3;
    orders.push_back({jobs, 3 + o, first, std::min(4, first + o % 4), 1 + o % 2, o * 5, 4000 + 100 * o, all});
  }
  orders[5].machines = {1, 3, 5};  // fewer choices: longer sequences on them
  load_small_shop(machines, orders);
  std::vector<int> long_orders;
  for (int o = 1; o <= n_of_Orders; ++o)
    if (Orders[o].NJob >= 100) long_orders.push_back(o);
  return long_orders;
}

}  // namespace

// Generated problems with orders of a few to about a hundred jobs, then a
// shop with orders of thousands of jobs (blocks fill, split and run empty,
// and a sequence spans many groups of blocks), each frozen before every
// start, inside and after every start: orders of every length and both kinds
// of first job. The walk's digest pins what the other rescheduling moves draw.
TEST(ReschOrderMove, SameTablesAndDrawsAsJobByJob) {
  Tally total;
  for (const GeneratedSize size : {GeneratedSize::Small, GeneratedSize::Default}) {
    GENERATOR_VALUES v = generator_values_for(size);
    v.Jv = 24;
    v.Jp = 90;
    v.Ov = std::max(1, v.Ov / 3);
    ASSERT_TRUE(load_generated_problem(23, v));
    std::vector<int> long_orders;
    for (int o = 1; o <= n_of_Orders; ++o)
      if (Orders[o].NJob >= 16) long_orders.push_back(o);
    const Tally t = compare_at({0.0, 0.33, 0.67, 1.0}, 100, 600, long_orders);
    total.moves += t.moves;
    total.long_moves += t.long_moves;
    total.frozen_first += t.frozen_first;
    mix(total.digest, t.digest);
  }
  EXPECT_GE(total.moves, 4000);
  EXPECT_GT(total.long_moves, 500);
  EXPECT_GT(total.frozen_first, 20);
  EXPECT_EQ(total.digest, 0xd4ed0d7a0e940449ull);

  const std::vector<int> long_orders = load_long_orders_shop();
  ASSERT_GE(long_orders.size(), 3u);
  const Tally thousands = compare_at({0.0, 0.1, 0.5, 1.0}, 200, 40, long_orders);
  EXPECT_GT(thousands.long_moves, 60);
  EXPECT_GT(thousands.frozen_first, 3);
  EXPECT_EQ(thousands.digest, 0x39a8703482a1e8daull);
}

// A sample moved through the block copies notes its changes exactly: the
// checking mode re-times every sample in full and checks every reset; the
// digest of the samples' values pins the rescheduling timing itself.
TEST(ReschOrderMove, ChangeLogOfLongOrdersHoldsForTheIncrementalTiming) {
  const std::vector<int> long_orders = load_long_orders_shop();
  int t = 0;
  _S ref = frozen_reference(300, 0.3, &t);
  SampleTiming::set_checking(true);
  SampleTiming timing;
  timing.use_rescheduling(&ref, t);
  _S base = ref;
  _S sample = ref;
  OBJ_VALUE values;
  std::uint64_t digest = 1469598103934665603ull;
  seed_random(301);
  for (int i = 0; i < 60; ++i) {
    if (i % 10 == 0) timing.set_base(base);
    timing.reset_sample(sample);
    move_reinsert_order_resch(sample, long_orders[rand_n(static_cast<int>(long_orders.size()))], Orders, Jobs,
                              Machines, ref);
    EXPECT_NO_THROW(timing.time_and_evaluate(sample, values)) << "sample " << i;
    for (int c = 0; c < 9; ++c) mix(digest, static_cast<std::uint64_t>(values.criterion(c)));
    if (i % 10 == 9) base = sample;
  }
  EXPECT_NO_THROW(timing.reset_sample(sample));
  SampleTiming::set_checking(false);
  EXPECT_EQ(digest, 0xd620f543edfa87c9ull) << "the values of the rescheduling timing";
}

namespace {

// The benchmark's shop of one long order on one machine, shorter: ten
// machines, one per group; order 1 holds `long_jobs` jobs of one route step,
// so that its frozen jobs are held in place.
void load_one_machine_order_shop(int long_jobs) {
  std::vector<SmallMachine> machines;
  for (int g = 1; g <= 10; ++g) machines.push_back({MG_TS[g][1], MG_TS[g][MG_TS[g][0]], 1 + g % 3});
  const std::vector<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  std::vector<SmallOrder> orders = {{long_jobs, 10, 1, 1, 1, 0, 40000, all}};
  for (int o = 2; o <= 10; ++o) {
    const int first = 1 + o % 4;
    orders.push_back({20 + o, 5 + o, first, std::min(4, first + o % 3), 1 + o % 2, o * 10, 2000, all});
  }
  load_small_shop(machines, orders);
}

}  // namespace

// A frozen job is held in place only with its route and machine the one
// choice of its own lists and its step at its reference place inside the
// frozen head; each way of breaking that is refused.
TEST(HeldInPlace, OnlyAJobWhoseReinsertPutsItBackWhereItStood) {
  load_one_machine_order_shop(400);
  const _S ref = frozen_reference(61, 0.3);
  int j = Orders[1].First_Job;
  while (Jobs[j].N_Frozen < 1) ++j;
  ASSERT_TRUE(held_in_place(ref, j, Jobs, Machines, ref));
  const int m = ref.J_A[j][1];
  const int g = R_MG_ex[ref.J_A[j][0]][1];
  struct Case {
    const char* what;
    void (*apply)(int j, int m, int g, _S& S);
  };
  const Case cases[] = {
      {"a second machine in its own list",
       [](int jj, int, int gg, _S&) {
         std::vector<int>& list = Jobs[jj].Freeze->machines[gg];
         list = {2, list[1], list[1] == 1 ? 2 : 1};
       }},
      {"a second route of its own", [](int jj, int, int, _S&) { Jobs[jj].Freeze->n_routes = 2; }},
      {"a place other than the reference's",
       [](int jj, int, int, _S& S) { S.edit().set_pos(jj, 1, S.J_pos[jj][1] + 1); }},
      {"a step outside the frozen head", [](int jj, int mm, int, _S& S) { Machines[mm].N_Frozen = S.J_pos[jj][1] - 1; }},
      {"no lists of its own", [](int jj, int, int, _S&) { Jobs[jj].Freeze.reset(); }},
  };
  for (const Case& c : cases) {
    const std::vector<JOB> jobs = Jobs;
    const std::vector<MACHINE> machines = Machines;
    _S S = ref;
    c.apply(j, m, g, S);
    EXPECT_FALSE(held_in_place(S, j, Jobs, Machines, ref)) << c.what;
    Jobs = jobs;
    Machines = machines;
  }
  EXPECT_TRUE(held_in_place(ref, j, Jobs, Machines, ref));
}

// The order is held in place only while every job passes: the last frozen
// job of the order with a second route of its own, or the free job nearest
// the frozen head standing on the head's last place, is refused.
TEST(HeldInPlace, AnOrderOnlyWhenEveryFrozenAndEveryFreeJobPasses) {
  load_one_machine_order_shop(400);
  const _S ref = frozen_reference(62, 0.3);
  ASSERT_TRUE(order_held_in_place(ref, 1, Orders, Jobs, Machines, ref));
  const int f = Orders[1].First_Job;
  const int last = f + Orders[1].NJob - 1;
  int last_frozen = last;
  while (Jobs[last_frozen].N_Frozen < 1) --last_frozen;
  int nearest_free = 0;  // the free job of order 1 nearest the head
  for (int j = f; j <= last; ++j)
    if (Jobs[j].N_Frozen < 1 && (nearest_free == 0 || ref.J_pos[j][1] < ref.J_pos[nearest_free][1])) nearest_free = j;
  ASSERT_GT(nearest_free, 0);
  const std::vector<JOB> jobs = Jobs;
  const std::vector<MACHINE> machines = Machines;
  Jobs[last_frozen].Freeze->n_routes = 2;
  Jobs[last_frozen].Freeze->routes[2] = Jobs[last_frozen].Freeze->routes[1];
  EXPECT_FALSE(order_held_in_place(ref, 1, Orders, Jobs, Machines, ref)) << "last frozen job " << last_frozen;
  Jobs = jobs;
  Machines[ref.J_A[nearest_free][1]].N_Frozen = ref.J_pos[nearest_free][1];
  EXPECT_FALSE(order_held_in_place(ref, 1, Orders, Jobs, Machines, ref)) << "free job " << nearest_free;
  Machines = machines;
  EXPECT_TRUE(order_held_in_place(ref, 1, Orders, Jobs, Machines, ref));
}

// On that shop every frozen job of the long order is held in place, so its
// move takes the short way (the free jobs gathered in one pass, or only the
// free ones re-inserted); with one frozen job drawing its route among two
// (the same route twice) it goes the long way again. Either way the tables and the draws are those of
// re-inserting the jobs one at a time.
TEST(ReschOrderMove, HeldFrozenJobsOnlyDrawAndTheTablesStayTheJobByJobOnes) {
  load_one_machine_order_shop(1500);
  const std::vector<int> long_orders = {1};
  int firsts[2] = {0, 0};  // moves of order 1 with its first job free, frozen
  for (const double at : {0.05, 0.2, 0.5, 0.9}) {
    for (std::uint32_t seed = 71; seed <= 73; ++seed) {
      const _S ref = frozen_reference(seed, at);
      ASSERT_TRUE(order_held_in_place(ref, 1, Orders, Jobs, Machines, ref)) << "frozen at " << at;
      ++firsts[Jobs[Orders[1].First_Job].N_Frozen > 0 ? 1 : 0];
      compare_order_moves(ref, seed, 12, long_orders);
    }
  }
  EXPECT_GT(firsts[0], 0);
  EXPECT_GT(firsts[1], 0);

  const _S ref = frozen_reference(74, 0.3);
  int j = Orders[1].First_Job + Orders[1].NJob - 1;
  while (Jobs[j].N_Frozen < 1) --j;
  FREEZE_JOB& own = *Jobs[j].Freeze;
  own.n_routes = 2;
  own.routes[2] = own.routes[1];
  EXPECT_FALSE(order_held_in_place(ref, 1, Orders, Jobs, Machines, ref));
  compare_order_moves(ref, 74, 12, long_orders);
}
