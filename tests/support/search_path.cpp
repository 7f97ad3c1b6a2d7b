#include "tests/support/search_path.h"

#include <chrono>
#include <cstring>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "engine/run_host.h"
#include "engine/run_state.h"
#include "engine/schedule_array.h"
#include "engine/tabu_search_loop.h"

bool SearchStep::operator==(const SearchStep& o) const {
  return std::memcmp(values, o.values, sizeof values) == 0 && evaluated == o.evaluated && best_hash == o.best_hash;
}

namespace {

// FNV-1a over every machine's count and job ids: the recorded paths do not
// depend on how the tabu list hashes schedules.
std::uint64_t sequences_digest(const _S& S) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (int m = 1; m <= S.n_of_Machines; ++m)
    for (int p = 0; p <= S.M_wload[m][0]; ++p) {
      h ^= static_cast<std::uint32_t>(S.M_wload[m][p]);
      h *= 0x100000001b3ull;
    }
  return h;
}

// Records the step before at the start of every step (the loop lets events
// run there, once per step).
class StepRecorder : public RunHost {
 public:
  StepRecorder(TabuSearchLoop& loop, SearchPath& path) : loop_(loop), path_(path) {}
  void process_events() override {
    if (started_) record();
    started_ = true;
  }
  void record() {
    SearchStep s{};
    for (int i = 0; i < 9; ++i) s.values[i] = loop_.step_best_values().criterion(i);
    s.evaluated = loop_.evaluated();
    s.best_hash = sequences_digest(loop_.best());
    path_.steps.push_back(s);
  }

 private:
  TabuSearchLoop& loop_;
  SearchPath& path_;
  bool started_ = false;
};

}  // namespace

SearchPath run_search_path(std::uint32_t seed, int steps, int loops) {
  SearchPath path;
  seed_random(seed);
  reset_J_A_M_wload();
  random_J_A_M_wload();
  _S S(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  int tabu_size = 150;
  TabuRules rules;
  rules.maxSTEP = steps;
  rules.loops = &loops;
  rules.tabu_size = &tabu_size;
  rules.interactive = false;
  TabuSearchLoop loop(rules, S);
  StepRecorder recorder(loop, path);
  RunHost* saved = &run_host();
  set_run_host(&recorder);
  const bool saved_stop = stop_flag;
  stop_flag = false;
  loop.start();
  const int evaluated_at_start = loop.evaluated();
  const auto t0 = std::chrono::steady_clock::now();
  loop.run();
  path.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  recorder.record();
  path.evaluated = loop.evaluated() - evaluated_at_start;
  stop_flag = saved_stop;
  set_run_host(saved);
  return path;
}

std::uint64_t path_digest(const SearchPath& path) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  auto mix = [&](std::uint64_t x) {
    for (int i = 0; i < 8; ++i) {
      h ^= (x >> (8 * i)) & 0xff;
      h *= 0x100000001b3ull;
    }
  };
  for (const SearchStep& s : path.steps) {
    for (std::int64_t v : s.values) mix(static_cast<std::uint64_t>(v));
    mix(static_cast<std::uint64_t>(s.evaluated));
    mix(s.best_hash);
  }
  return h;
}
