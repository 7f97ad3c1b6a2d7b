#pragma once
// The console reporter of the benchmark programs, which also keeps every
// measure of the run so that the program can print ratios between measures of
// that one run (a ratio across two runs on a shared machine says little).
//
// A measure is known by its run name ("BM_sample/1/5"). With repetitions its
// time is the fastest repetition, the one least disturbed by other load; when
// only aggregates reach the reporter (--benchmark_*_aggregates_only) it is the
// median. Its counters are the largest value any repetition reported, so an
// allocation seen in one repetition is never hidden by a quieter one.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  bool has(const std::string& name) const { return measures_.count(name) != 0; }
  // Nanoseconds per iteration; -1 when the measure did not run (filtered out).
  double ns(const std::string& name) const;
  // A counter's value; fallback when the measure did not run or has no such counter.
  double counter(const std::string& name, const std::string& key, double fallback = -1) const;
  // ns(numerator) / ns(denominator); -1 when either is missing.
  double ratio(const std::string& numerator, const std::string& denominator) const;

 private:
  struct Measure {
    double ns = -1;
    bool from_repetition = false;
    std::map<std::string, double> counters;
  };
  std::map<std::string, Measure> measures_;
};

// Runs the registered benchmarks with reporter as the console reporter. Unless
// the command line says otherwise, every measure runs default_repetitions
// times, the repetitions of all measures interleaved at random (so that a slow
// spell of the machine does not fall on one measure only), each for about
// default_min_time seconds. Returns the program's exit code: 1 on an
// unrecognised argument, else 0.
int run_benchmarks(int argc, char** argv, RatioReporter& reporter, int default_repetitions, double default_min_time);
