#include "engine/tabu_list.h"

#include <algorithm>
#include <cstring>

#include "engine/schedule_array.h"

namespace {
constexpr std::uint64_t kHashMultiplier = 0x9E3779B97F4A7C15ull;
}

std::uint64_t tabu_machine_hash(const _S& S, int m) {
  // Four independent multiply chains over the sequence, so the pass is not
  // held up by one chain's latency; equal sequences always give equal hashes.
  constexpr std::uint64_t K = kHashMultiplier;
  std::uint64_t h[4] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull, 0xA4093822299F31D0ull,
                        0x082EFA98EC4E6C89ull};
  const int* seq = S.M_wload[m];
  const int cnt = seq[0];
  h[0] = (h[0] ^ static_cast<std::uint32_t>(cnt) ^ (static_cast<std::uint64_t>(m) << 32)) * K;
  int p = 1;
  for (; p + 3 <= cnt; p += 4) {
    h[0] = (h[0] ^ static_cast<std::uint32_t>(seq[p])) * K;
    h[1] = (h[1] ^ static_cast<std::uint32_t>(seq[p + 1])) * K;
    h[2] = (h[2] ^ static_cast<std::uint32_t>(seq[p + 2])) * K;
    h[3] = (h[3] ^ static_cast<std::uint32_t>(seq[p + 3])) * K;
  }
  for (; p <= cnt; ++p) h[1] = (h[1] ^ static_cast<std::uint32_t>(seq[p])) * K;
  std::uint64_t r = h[0];
  for (int i = 1; i < 4; ++i) r = (r ^ (h[i] >> 29) ^ h[i]) * K;
  return r;
}

std::uint64_t tabu_hash_of_sum(std::uint64_t sum) {
  const std::uint64_t r = (sum ^ (sum >> 31)) * kHashMultiplier;
  return r ^ (r >> 32);
}

std::uint64_t tabu_hash(const _S& S) {
  std::uint64_t sum = 0;
  for (int m = 1; m <= S.n_of_Machines; ++m) sum += tabu_machine_hash(S, m);
  return tabu_hash_of_sum(sum);
}

TABU::TABU(const _S& S) : TABU(S, tabu_hash(S)) {}

TABU::TABU(const _S& S, std::uint64_t hash) { take(S, hash); }

void TABU::take(const _S& S, std::uint64_t hash) {
  n_of_Machines_ = S.n_of_Machines;
  hash_ = hash;
  size_t total = 0;
  for (int m = 1; m <= S.n_of_Machines; ++m) total += 1 + static_cast<size_t>(S.M_wload[m][0]);
  if (rows_.capacity() < total) rows_.reserve(total + total / 8 + 64);
  rows_.resize(total);
  int* out = rows_.data();
  for (int m = 1; m <= S.n_of_Machines; ++m) {
    const int n = 1 + S.M_wload[m][0];
    std::memcpy(out, S.M_wload[m], sizeof(int) * static_cast<size_t>(n));
    out += n;
  }
}

int TABU::equal(const _S& S) const { return equal(S, tabu_hash(S)); }

int TABU::equal(const _S& S, std::uint64_t hash) const {
  if (n_of_Machines_ != S.n_of_Machines || hash_ != hash) return 0;
  const int* row = rows_.data();
  const int* end = row + rows_.size();
  for (int m = 1; m <= S.n_of_Machines; ++m) {
    const int n = 1 + S.M_wload[m][0];
    if (end - row < n || row[0] != n - 1) return 0;
    if (std::memcmp(row, S.M_wload[m], sizeof(int) * static_cast<size_t>(n)) != 0) return 0;
    row += n;
  }
  return 1;
}

TABU& TABULIST::push_slot() {
  const int cap = static_cast<int>(ring_.size());
  if (count_ == cap) {
    // Full ring: grow it, keeping the entries in age order from slot 0.
    const int grown_cap = cap == 0 ? 16 : 2 * cap;
    std::vector<TABU> grown(grown_cap);
    std::vector<std::uint64_t> grown_hashes(grown_cap, 0);
    for (int i = 0; i < count_; ++i) {
      grown[i] = std::move(ring_[(oldest_ + i) % cap]);
      grown_hashes[i] = hashes_[(oldest_ + i) % cap];
    }
    ring_ = std::move(grown);
    hashes_ = std::move(grown_hashes);
    oldest_ = 0;
  }
  last_slot_ = (oldest_ + count_) % static_cast<int>(ring_.size());
  ++count_;
  return ring_[last_slot_];
}

void TABULIST::add(TABU entry) {
  TABU& slot = push_slot();
  slot = std::move(entry);
  hashes_[last_slot_] = slot.hash();
}

void TABULIST::add(const _S& S) { add(S, tabu_hash(S)); }

void TABULIST::add(const _S& S, std::uint64_t hash) {
  push_slot().take(S, hash);
  hashes_[last_slot_] = hash;
}

void TABULIST::drop_oldest() {
  if (count_ == 0) return;
  // The slot keeps its rows for the next entry that lands there.
  oldest_ = (oldest_ + 1) % static_cast<int>(ring_.size());
  --count_;
  if (count_ == 0) oldest_ = 0;
}

int TABULIST::is_in_tabu_list(const _S& S) const { return is_in_tabu_list(S, tabu_hash(S)); }

int TABULIST::is_in_tabu_list(const _S& S, std::uint64_t hash) const {
  // The hashes of the used slots lie in at most two runs of the ring; only a
  // slot whose hash agrees has its sequences compared.
  const int cap = static_cast<int>(ring_.size());
  const std::uint64_t* h = hashes_.data();
  const int first_end = std::min(cap, oldest_ + count_);
  for (int i = oldest_; i < first_end; ++i)
    if (h[i] == hash && ring_[i].equal(S, hash)) return 1;
  const int wrapped = oldest_ + count_ - first_end;
  for (int i = 0; i < wrapped; ++i)
    if (h[i] == hash && ring_[i].equal(S, hash)) return 1;
  return 0;
}

const TABU& TABULIST::from_newest(int i) const {
  return ring_[(oldest_ + count_ - 1 - i) % ring_.size()];
}
