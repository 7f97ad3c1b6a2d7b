#include "bench/support/ratio_reporter.h"

#include <algorithm>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& r : runs) {
    if (r.error_occurred) continue;
    const bool repetition = r.run_type == Run::RT_Iteration;
    if (!repetition && r.aggregate_name != "median") continue;
    const double t = r.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(r.time_unit);
    Measure& m = measures_[r.run_name.str()];
    // A median never replaces repetitions seen one by one.
    if (!repetition && m.from_repetition) continue;
    if (m.ns < 0 || t < m.ns || (repetition && !m.from_repetition)) m.ns = t;
    if (repetition && !m.from_repetition) m.counters.clear();
    m.from_repetition = m.from_repetition || repetition;
    for (const auto& [key, c] : r.counters) {
      const auto it = m.counters.find(key);
      m.counters[key] = it == m.counters.end() ? c.value : std::max(it->second, c.value);
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::ns(const std::string& name) const {
  const auto it = measures_.find(name);
  return it == measures_.end() ? -1 : it->second.ns;
}

double RatioReporter::counter(const std::string& name, const std::string& key, double fallback) const {
  const auto it = measures_.find(name);
  if (it == measures_.end()) return fallback;
  const auto c = it->second.counters.find(key);
  return c == it->second.counters.end() ? fallback : c->second;
}

double RatioReporter::ratio(const std::string& numerator, const std::string& denominator) const {
  const double a = ns(numerator);
  const double b = ns(denominator);
  return a < 0 || b <= 0 ? -1 : a / b;
}

int run_benchmarks(int argc, char** argv, RatioReporter& reporter, int default_repetitions, double default_min_time) {
  auto given = [&](const std::string& flag) {
    for (int i = 1; i < argc; ++i)
      if (std::string(argv[i]).rfind(flag, 0) == 0) return true;
    return false;
  };
  std::vector<std::string> defaults;
  if (!given("--benchmark_repetitions")) {
    defaults.push_back("--benchmark_repetitions=" + std::to_string(default_repetitions));
    if (!given("--benchmark_enable_random_interleaving"))
      defaults.push_back("--benchmark_enable_random_interleaving=true");
  }
  if (!given("--benchmark_min_time")) defaults.push_back("--benchmark_min_time=" + std::to_string(default_min_time));

  std::vector<char*> args(argv, argv + argc);
  for (std::string& d : defaults) args.push_back(d.data());
  int n_args = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&n_args, args.data());
  if (benchmark::ReportUnrecognizedArguments(n_args, args.data())) return 1;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
