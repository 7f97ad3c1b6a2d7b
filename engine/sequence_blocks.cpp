#include "engine/sequence_blocks.h"

#include <algorithm>

#include "engine/schedule_array.h"
#include "engine/schedule_changes.h"

void SequenceBlocks::start(_S& S) {
  S_ = &S;
  if (static_cast<int>(lines_.size()) < S.n_of_Machines + 1) lines_.resize(static_cast<std::size_t>(S.n_of_Machines) + 1);
  const std::size_t keys = (static_cast<std::size_t>(S.n_of_Jobs) + 1) * kSteps;
  if (where_.size() < keys) {
    where_.resize(keys);
    at_.resize(keys);
  }
  if (static_cast<int>(removed_.size()) < S.n_of_Jobs + 1) removed_.resize(static_cast<std::size_t>(S.n_of_Jobs) + 1);
  opened_.clear();
  n_blocks_ = 0;
}

int SequenceBlocks::count(int m) const {
  const Line& line = lines_[static_cast<std::size_t>(m)];
  return line.open ? line.total : S_->M_wload[m][0];
}

int SequenceBlocks::new_block() {
  const int b = n_blocks_++;
  if (static_cast<int>(lo_.size()) < n_blocks_) {
    job_.resize(static_cast<std::size_t>(n_blocks_) * kCap);
    step_.resize(static_cast<std::size_t>(n_blocks_) * kCap);
    lo_.resize(static_cast<std::size_t>(n_blocks_));
    hi_.resize(static_cast<std::size_t>(n_blocks_));
    live_.resize(static_cast<std::size_t>(n_blocks_));
    pos_.resize(static_cast<std::size_t>(n_blocks_));
  }
  lo_[b] = hi_[b] = kCap / 2;
  live_[b] = 0;
  return b;
}

void SequenceBlocks::set(int b, int i, int j, int k) {
  const std::size_t c = static_cast<std::size_t>(b) * kCap + static_cast<std::size_t>(i);
  job_[c] = j;
  step_[c] = k;
  if (j != 0) {
    const std::size_t key = static_cast<std::size_t>(j) * kSteps + static_cast<std::size_t>(k);
    where_[key] = b;
    at_[key] = i;
  }
}

void SequenceBlocks::resum(Line& line, int from) {
  const int n = static_cast<int>(line.blocks.size());
  for (int x = from; x < n; ++x) pos_[line.blocks[x]] = x;
  line.sums.resize(static_cast<std::size_t>((n + kGroup - 1) / kGroup));
  for (int g = from / kGroup; g < static_cast<int>(line.sums.size()); ++g) {
    int sum = 0;
    for (int x = g * kGroup, e = std::min(n, x + kGroup); x < e; ++x) sum += live_[line.blocks[x]];
    line.sums[g] = sum;
  }
}

SequenceBlocks::Line& SequenceBlocks::open(int m) {
  Line& line = lines_[static_cast<std::size_t>(m)];
  if (line.open) return line;
  line.open = true;
  opened_.push_back(m);
  line.blocks.clear();
  const int* seq = S_->M_wload[m];
  const int* step = S_->M_step[m];
  const int n = seq[0];
  // Half-full blocks in the middle of their places: room on both sides.
  constexpr int kFill = kCap / 2;
  for (int p = 1; p <= n || line.blocks.empty(); p += kFill) {
    const int b = new_block();
    const int e = std::min(n + 1, p + kFill);
    lo_[b] = kCap / 4;
    hi_[b] = lo_[b] + (e - p);
    live_[b] = e - p;
    for (int q = p; q < e; ++q) set(b, lo_[b] + q - p, seq[q], step[q]);
    line.blocks.push_back(b);
  }
  line.total = n;
  resum(line, 0);
  return line;
}

void SequenceBlocks::locate(const Line& line, int p, int& b, int& i) const {
  if (p > line.total) {
    b = line.blocks.back();
    i = hi_[b];
    return;
  }
  std::size_t g = 0;
  while (p > line.sums[g]) p -= line.sums[g++];
  std::size_t x = g * kGroup;
  while (p > live_[line.blocks[x]]) p -= live_[line.blocks[x++]];
  b = line.blocks[x];
  const int* job = job_.data() + static_cast<std::size_t>(b) * kCap;
  for (i = lo_[b];; ++i)
    if (job[i] != 0 && --p == 0) return;
}

void SequenceBlocks::repack(Line& line, int& b, int& i) {
  int jobs[kCap];
  int steps[kCap];
  int n = 0;
  int before = 0;  // live steps before place i
  const std::size_t base = static_cast<std::size_t>(b) * kCap;
  for (int q = lo_[b]; q < hi_[b]; ++q) {
    if (q == i) before = n;
    if (job_[base + q] == 0) continue;
    jobs[n] = job_[base + q];
    steps[n] = step_[base + q];
    ++n;
  }
  if (i >= hi_[b]) before = n;
  // Split where the step goes in. The later part's first
  // step stands at the front of its new block with the empty places right
  // behind it: a run of steps put right before one job then moves only that
  // job by one place each.
  const int s = before;
  const int b2 = new_block();
  line.blocks.insert(line.blocks.begin() + pos_[b] + 1, b2);
  lo_[b] = (kCap - s) / 2;
  hi_[b] = lo_[b] + s;
  live_[b] = s;
  for (int x = 0; x < s; ++x) set(b, lo_[b] + x, jobs[x], steps[x]);
  auto place = [&](int x) { return x == s ? 0 : kCap - (n - x); };
  lo_[b2] = 0;
  hi_[b2] = n - s > 1 ? kCap : n - s;
  live_[b2] = n - s;
  for (int x = s; x < n; ++x) set(b2, place(x), jobs[x], steps[x]);
  if (n - s > 1)
    for (int q = 1; q < kCap - (n - s - 1); ++q) set(b2, q, 0, 0);
  resum(line, pos_[b]);
  if (before < s || s == 0) {
    i = lo_[b] + before;
  } else {
    i = before < n ? place(before) : hi_[b2];
    b = b2;
  }
}

void SequenceBlocks::insert(Line& line, int b, int i, int j, int k) {
  if (live_[b] == kCap) repack(line, b, i);  // not one empty place left
  const std::size_t base = static_cast<std::size_t>(b) * kCap;
  const int* job = job_.data() + base;
  // The nearest empty place on either side of the gap before place i (the
  // used places' ends count as empty while the block has room there); the
  // steps between it and the gap move one place towards it.
  const int lo = lo_[b];
  const int hi = hi_[b];
  int r = -1;
  int l = -1;
  for (int d = 0; r < 0 && l < 0; ++d) {
    const int right = i + d;
    if (right < hi ? job[right] == 0 : right == hi && hi < kCap) r = right;
    const int left = i - 1 - d;
    if (r < 0 && (left >= lo ? job[left] == 0 : left == lo - 1 && lo > 0)) l = left;
  }
  if (r >= 0) {
    if (r == hi) ++hi_[b];
    for (int q = r; q > i; --q) set(b, q, job_[base + q - 1], step_[base + q - 1]);
  } else {
    if (l < lo) --lo_[b];
    for (int q = l; q < i - 1; ++q) set(b, q, job_[base + q + 1], step_[base + q + 1]);
    --i;
  }
  set(b, i, j, k);
  ++live_[b];
  ++line.total;
  ++line.sums[static_cast<std::size_t>(pos_[b] / kGroup)];
}

void SequenceBlocks::remove_job(int j) {
  _S& S = *S_;
  const int n = S.n_steps(j);
  if (S.changes) S.changes->job(j);
  removed_[static_cast<std::size_t>(j)] = 1;
  const _S::Edit e = S.edit();
  e.set_route(j, 0);
  for (int k = 1; k <= n; ++k) {
    const int m = S.J_A[j][k];
    Line& line = open(m);
    const std::size_t key = static_cast<std::size_t>(j) * kSteps + static_cast<std::size_t>(k);
    const int b = where_[key];
    const std::size_t base = static_cast<std::size_t>(b) * kCap;
    job_[base + static_cast<std::size_t>(at_[key])] = 0;
    while (lo_[b] < hi_[b] && job_[base + lo_[b]] == 0) ++lo_[b];
    while (hi_[b] > lo_[b] && job_[base + hi_[b] - 1] == 0) --hi_[b];
    --live_[b];
    --line.total;
    --line.sums[static_cast<std::size_t>(pos_[b] / kGroup)];
    e.set_step(j, k, 0, 0);
  }
}

void SequenceBlocks::put(int m, int p, int j, int k) {
  Line& line = open(m);
  p = std::max(1, std::min(p, line.total + 1));
  int b = 0;
  int i = 0;
  locate(line, p, b, i);
  insert(line, b, i, j, k);
  S_->edit().set_machine(j, k, m);
}

void SequenceBlocks::follow(int a, int b) {
  if (a == b) return;  // a job already stands with itself
  _S& S = *S_;
  remove_job(b);
  const _S::Edit e = S.edit();
  e.set_route(b, S.J_A[a][0]);
  for (int k = 1, n = S.n_steps(a); k <= n; ++k) {
    const int m = S.J_A[a][k];
    const std::size_t key = static_cast<std::size_t>(a) * kSteps + static_cast<std::size_t>(k);
    insert(open(m), where_[key], at_[key], b, k);
    e.set_machine(b, k, m);
  }
}

void SequenceBlocks::finish() {
  _S& S = *S_;
  const _S::Edit e = S.edit();
  for (const int m : opened_) {
    Line& line = lines_[static_cast<std::size_t>(m)];
    line.open = false;
    const int n = line.total;
    if (static_cast<int>(new_job_.size()) < n + 1) {
      new_job_.resize(static_cast<std::size_t>(n) + 1);
      new_step_.resize(static_cast<std::size_t>(n) + 1);
    }
    int q = 0;
    for (const int b : line.blocks) {
      const std::size_t base = static_cast<std::size_t>(b) * kCap;
      for (int i = lo_[b]; i < hi_[b]; ++i) {
        if (job_[base + i] == 0) continue;
        ++q;
        new_job_[q] = job_[base + i];
        new_step_[q] = step_[base + i];
      }
    }
    int* seq = e.seq(m);
    int* step = e.steps(m);
    const int old_n = seq[0];
    int first = 1;
    while (first <= std::min(n, old_n) && seq[first] == new_job_[first] && step[first] == new_step_[first]) ++first;
    int tail = 0;
    while (tail < std::min(n, old_n) - first + 1 && seq[old_n - tail] == new_job_[n - tail] &&
           step[old_n - tail] == new_step_[n - tail])
      ++tail;
    if (S.changes && (first <= n || n != old_n)) S.changes->row(m, first, tail, old_n);
    seq[0] = n;
    // A job taken out and put back at its old place had its positions cleared.
    for (int p = 1; p < first; ++p)
      if (removed_[static_cast<std::size_t>(seq[p])]) e.set_pos(seq[p], step[p], p);
    for (int p = first; p <= n; ++p) {
      seq[p] = new_job_[p];
      step[p] = new_step_[p];
      e.set_pos(seq[p], step[p], p);
    }
  }
  opened_.clear();
  std::fill(removed_.begin(), removed_.end(), static_cast<unsigned char>(0));
}
