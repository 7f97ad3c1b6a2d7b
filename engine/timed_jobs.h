#pragma once
// What a timing pass learns about each job while it walks the machines, so
// that a later route step and the evaluation find the job's times in one small
// table instead of in records scattered over other machines. An entry is valid
// only for the pass that wrote it, and only when the job's route steps were
// met in order from the first; otherwise the readers go back to the records
// themselves. Every schedule change that could make an entry wrong starts a
// new pass number first, so a stale entry is never read.
#include <cstddef>
#include <vector>

struct TimedJobs {
  struct Job {
    int StartT;     // smallest StartT of the route steps met so far
    int EndT;       // EndT of the step met last
    int Last;       // the step met last: its route step index (_S) or node (SCH); -1 out of order
    int First;      // machine of the job's first step
    unsigned Pass;  // the pass that wrote this entry
  };
  std::vector<Job> jobs;  // J + 1
  unsigned pass = 1;      // the latest pass, or a change since
  unsigned setups_pass = 0;
  int setups = 0;         // positions with Setup 1 over all machines, as of setups_pass

  void reset(std::size_t n_jobs) {
    jobs.assign(n_jobs + 1, Job{0, 0, 0, 0, 0});
    pass = 1;
    setups_pass = 0;
  }
  // Starts a timing pass: every entry written before is stale from here on.
  void begin_pass() {
    ++pass;
    setups = 0;
  }
  // The schedule changed: nothing learnt so far holds.
  void invalidate() { ++pass; }
  // Notes one timed step of job j: `last` is the step met before it in the
  // job's order (-1 when it is the job's first; any other negative value: not
  // known), `self` names this step and m is its machine.
  template <class Rec>
  void note(int j, int last, int self, int m, const Rec& r) {
    setups += r.Setup == 1;
    if (static_cast<std::size_t>(j) >= jobs.size()) return;
    Job& e = jobs[static_cast<std::size_t>(j)];
    if (last == -1) {
      e = {r.StartT, r.EndT, self, m, pass};
    } else if (e.Pass == pass && e.Last == last) {
      if (r.StartT < e.StartT) e.StartT = r.StartT;
      e.EndT = r.EndT;
      e.Last = self;
    } else {
      e.Last = -1;
      e.Pass = pass;
    }
  }
  // The entry of job j when the latest pass met its steps in order up to `last`.
  const Job* through(int j, int last) const {
    if (static_cast<std::size_t>(j) >= jobs.size()) return nullptr;
    const Job& e = jobs[static_cast<std::size_t>(j)];
    return (e.Pass == pass && e.Last == last && last >= 0) ? &e : nullptr;
  }
};
