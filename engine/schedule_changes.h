#pragma once
// What the moves of one sample changed in an array schedule since it was last
// made equal to the schedule the samples start from (the base): per machine
// the first position that may differ and how many positions at the end of the
// row are still the base's last ones (shifted when the row grew or shrank),
// and the jobs whose route, machines or positions were written other than by
// such a shift. The moves of engine/search_operators note every change here
// when the schedule carries a log; a schedule edited any other way while it
// carries one breaks the incremental timing (its checking mode says so).
#include <climits>
#include <vector>

class ScheduleChanges {
 public:
  // Sizes the log for a problem and forgets everything (no allocation when
  // the size stays).
  void reset(int n_machines, int n_jobs) {
    first_.assign(static_cast<std::size_t>(n_machines) + 1, INT_MAX);
    tail_.assign(static_cast<std::size_t>(n_machines) + 1, 0);
    job_mark_.assign(static_cast<std::size_t>(n_jobs) + 1, 0);
    machines_.clear();
    machines_.reserve(static_cast<std::size_t>(n_machines) + 1);
    jobs_.clear();
    jobs_.reserve(static_cast<std::size_t>(n_jobs) + 1);
  }
  // Nothing changed since the base (after the changes were undone).
  void clear() {
    for (const int m : machines_) first_[static_cast<std::size_t>(m)] = INT_MAX;
    for (const int j : jobs_) job_mark_[static_cast<std::size_t>(j)] = 0;
    machines_.clear();
    jobs_.clear();
  }
  // Positions from `first` on may differ on machine m, except that the last
  // `tail` positions of the row (count positions now, base_count in the base
  // when first noted) are still the base's last `tail` ones.
  void row(int m, int first, int tail, int base_count) {
    std::size_t i = static_cast<std::size_t>(m);
    if (first_[i] == INT_MAX) {
      machines_.push_back(m);
      tail_[i] = base_count;
    }
    if (first < first_[i]) first_[i] = first;
    if (tail < tail_[i]) tail_[i] = tail < 0 ? 0 : tail;
  }
  // Job j's own rows (route, machines, positions) were written.
  void job(int j) {
    std::size_t i = static_cast<std::size_t>(j);
    if (job_mark_[i]) return;
    job_mark_[i] = 1;
    jobs_.push_back(j);
  }

  const std::vector<int>& machines() const { return machines_; }
  const std::vector<int>& jobs() const { return jobs_; }
  int first(int m) const { return first_[static_cast<std::size_t>(m)]; }
  int tail(int m) const { return tail_[static_cast<std::size_t>(m)]; }
  bool job_changed(int j) const { return job_mark_[static_cast<std::size_t>(j)] != 0; }

 private:
  std::vector<int> first_;  // INT_MAX: the machine is as in the base
  std::vector<int> tail_;
  std::vector<unsigned char> job_mark_;
  std::vector<int> machines_;
  std::vector<int> jobs_;
};
