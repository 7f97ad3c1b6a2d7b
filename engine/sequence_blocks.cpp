#include "engine/sequence_blocks.h"

#include <algorithm>

#include "engine/bit_select.h"
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
  if (static_cast<int>(meta_.size()) < n_blocks_) {
    job_.resize(static_cast<std::size_t>(n_blocks_) * kCap);
    step_.resize(static_cast<std::size_t>(n_blocks_) * kCap);
    meta_.resize(static_cast<std::size_t>(n_blocks_));
  }
  meta_[b].lo = meta_[b].hi = kCap / 2;
  meta_[b].live = 0;
  clear_used(b);
  return b;
}

void SequenceBlocks::set(int b, int i, int j, int k) {
  const std::size_t c = static_cast<std::size_t>(b) * kCap + static_cast<std::size_t>(i);
  job_[c] = j;
  step_[c] = k;
  std::uint64_t& word = meta_[b].used[i / 64];
  const std::uint64_t bit = std::uint64_t{1} << (i % 64);
  word = j != 0 ? word | bit : word & ~bit;
  if (j != 0) {
    const std::size_t key = static_cast<std::size_t>(j) * kSteps + static_cast<std::size_t>(k);
    where_[key] = b;
    at_[key] = i;
  }
}

int SequenceBlocks::place_of(int b, int j, int k) const {
  const std::size_t key = static_cast<std::size_t>(j) * kSteps + static_cast<std::size_t>(k);
  const int noted = at_[key];
  const std::size_t base = static_cast<std::size_t>(b) * kCap;
  const int lo = meta_[b].lo;
  const int hi = meta_[b].hi;
  if (noted >= lo && noted < hi && job_[base + noted] == j && step_[base + noted] == k) return noted;
  // The noted place is out of date (the step moved in a long shift). Every
  // place of the block is compared, without an early exit, so that the
  // compiler compares several at once; places outside the used ones may hold
  // what an earlier move left there and never count.
  const int* job = job_.data() + base;
  const int* step = step_.data() + base;
  int at = -1;
  for (int q = 0; q < kCap; ++q) at = ((q >= lo) & (q < hi) & (job[q] == j) & (step[q] == k)) ? q : at;
  return at;
}

void SequenceBlocks::note_places(int b, int from, int to) {
  const std::size_t base = static_cast<std::size_t>(b) * kCap;
  for (int q = from; q < to; ++q)
    at_[static_cast<std::size_t>(job_[base + q]) * kSteps + static_cast<std::size_t>(step_[base + q])] = q;
}

int SequenceBlocks::empty_from(int b, int i) const {
  const std::uint64_t* used = meta_[b].used;
  for (int w = i / 64; w < kWords; ++w) {
    std::uint64_t empty = ~used[w];
    if (w == i / 64) empty &= ~std::uint64_t{0} << (i % 64);
    if (empty != 0) return w * 64 + __builtin_ctzll(empty);
  }
  return kCap;
}

int SequenceBlocks::empty_before(int b, int i) const {
  if (i <= 0) return -1;
  const int t = i - 1;
  const std::uint64_t* used = meta_[b].used;
  for (int w = t / 64; w >= 0; --w) {
    std::uint64_t empty = ~used[w];
    if (w == t / 64 && t % 64 != 63) empty &= (std::uint64_t{1} << (t % 64 + 1)) - 1;
    if (empty != 0) return w * 64 + 63 - __builtin_clzll(empty);
  }
  return -1;
}

void SequenceBlocks::resum(Line& line, int from) {
  const int n = static_cast<int>(line.blocks.size());
  line.lives.resize(static_cast<std::size_t>(n));
  for (int x = from; x < n; ++x) {
    meta_[line.blocks[x]].pos = x;
    line.lives[x] = meta_[line.blocks[x]].live;
  }
  line.sums.resize(static_cast<std::size_t>((n + kGroup - 1) / kGroup));
  for (int g = from / kGroup; g < static_cast<int>(line.sums.size()); ++g) {
    int sum = 0;
    for (int x = g * kGroup, e = std::min(n, x + kGroup); x < e; ++x) sum += meta_[line.blocks[x]].live;
    line.sums[g] = sum;
  }
}

void SequenceBlocks::count_in(Line& line, int b, int d) {
  const std::size_t x = static_cast<std::size_t>(meta_[b].pos);
  line.lives[x] += d;
  line.sums[x / kGroup] += d;
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
  // Half-full blocks with an empty place before every step: a step put in
  // anywhere finds one next to its place and moves nothing.
  constexpr int kFill = kCap / 2;
  for (int p = 1; p <= n || line.blocks.empty(); p += kFill) {
    const int b = new_block();
    const int e = std::min(n + 1, p + kFill);
    meta_[b].lo = 1;
    meta_[b].hi = std::max(1, 2 * (e - p));
    meta_[b].live = e - p;
    for (int q = p; q < e; ++q) {
      set(b, 2 * (q - p), 0, 0);
      set(b, 2 * (q - p) + 1, seq[q], step[q]);
    }
    line.blocks.push_back(b);
  }
  line.total = n;
  resum(line, 0);
  return line;
}

void SequenceBlocks::locate(const Line& line, int p, int& b, int& i) const {
  if (p > line.total) {
    b = line.blocks.back();
    i = meta_[b].hi;
    return;
  }
  std::size_t g = 0;
  while (p > line.sums[g]) p -= line.sums[g++];
  std::size_t x = g * kGroup;
  while (p > line.lives[x]) p -= line.lives[x++];
  b = line.blocks[static_cast<std::size_t>(x)];
  // The p-th used place: past the words whose used places come before it.
  const std::uint64_t* used = meta_[b].used;
  int w = 0;
  for (int in_word = bit_select::count(used[0]); p > in_word && w < kWords - 1; in_word = bit_select::count(used[++w]))
    p -= in_word;
  i = w * 64 + bit_select::nth_set_bit(used[w], p);
}

void SequenceBlocks::repack(Line& line, int& b, int& i) {
  int jobs[kCap];
  int steps[kCap];
  int n = 0;
  int before = 0;  // live steps before place i
  const std::size_t base = static_cast<std::size_t>(b) * kCap;
  for (int q = meta_[b].lo; q < meta_[b].hi; ++q) {
    if (q == i) before = n;
    if (job_[base + q] == 0) continue;
    jobs[n] = job_[base + q];
    steps[n] = step_[base + q];
    ++n;
  }
  if (i >= meta_[b].hi) before = n;
  clear_used(b);  // b is written afresh below
  // Split where the step goes in. The later part's first
  // step stands at the front of its new block with the empty places right
  // behind it: a run of steps put right before one job then moves only that
  // job by one place each.
  const int s = before;
  const int b2 = new_block();
  line.blocks.insert(line.blocks.begin() + meta_[b].pos + 1, b2);
  meta_[b].lo = (kCap - s) / 2;
  meta_[b].hi = meta_[b].lo + s;
  meta_[b].live = s;
  for (int x = 0; x < s; ++x) set(b, meta_[b].lo + x, jobs[x], steps[x]);
  auto place = [&](int x) { return x == s ? 0 : kCap - (n - x); };
  meta_[b2].lo = 0;
  meta_[b2].hi = n - s > 1 ? kCap : n - s;
  meta_[b2].live = n - s;
  for (int x = s; x < n; ++x) set(b2, place(x), jobs[x], steps[x]);
  if (n - s > 1)
    for (int q = 1; q < kCap - (n - s - 1); ++q) set(b2, q, 0, 0);
  resum(line, meta_[b].pos);
  if (before < s || s == 0) {
    i = meta_[b].lo + before;
  } else {
    i = before < n ? place(before) : meta_[b2].hi;
    b = b2;
  }
}

void SequenceBlocks::insert(Line& line, int b, int i, int j, int k) {
  if (meta_[b].live == kCap) repack(line, b, i);  // not one empty place left
  // The nearest empty place on either side of the gap before place i (the
  // used places' ends count as empty while the block has room there: their
  // bits are clear); the steps between it and the gap move one place towards
  // it, the right side first at equal distance. A block's steps stay in it, so
  // only their places change.
  const std::size_t base = static_cast<std::size_t>(b) * kCap;
  const int r = empty_from(b, i);
  const int l = empty_before(b, i);
  std::uint64_t* used = meta_[b].used;
  if (r < kCap && (l < 0 || r - i <= i - 1 - l)) {
    if (r == meta_[b].hi) ++meta_[b].hi;
    std::copy_backward(job_.begin() + base + i, job_.begin() + base + r, job_.begin() + base + r + 1);
    std::copy_backward(step_.begin() + base + i, step_.begin() + base + r, step_.begin() + base + r + 1);
    used[r / 64] |= std::uint64_t{1} << (r % 64);
    if (r - i <= kNotedShift) note_places(b, i + 1, r + 1);
  } else {
    if (l < meta_[b].lo) --meta_[b].lo;
    std::copy(job_.begin() + base + l + 1, job_.begin() + base + i, job_.begin() + base + l);
    std::copy(step_.begin() + base + l + 1, step_.begin() + base + i, step_.begin() + base + l);
    used[l / 64] |= std::uint64_t{1} << (l % 64);
    if (i - 1 - l <= kNotedShift) note_places(b, l, i - 1);
    --i;
  }
  set(b, i, j, k);
  ++meta_[b].live;
  ++line.total;
  count_in(line, b, 1);
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
    const int at = place_of(b, j, k);
    job_[base + static_cast<std::size_t>(at)] = 0;
    meta_[b].used[at / 64] &= ~(std::uint64_t{1} << (at % 64));
    while (meta_[b].lo < meta_[b].hi && job_[base + meta_[b].lo] == 0) ++meta_[b].lo;
    while (meta_[b].hi > meta_[b].lo && job_[base + meta_[b].hi - 1] == 0) --meta_[b].hi;
    --meta_[b].live;
    --line.total;
    count_in(line, b, -1);
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
    const int at = where_[key];
    insert(open(m), at, place_of(at, a, k), b, k);
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
      for (int i = meta_[b].lo; i < meta_[b].hi; ++i) {
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
