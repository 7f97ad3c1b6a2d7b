#include "engine/tabu_list.h"

// Bodies of the sequence copies follow with the array schedule.
std::uint64_t tabu_hash(const _S&) { return 0; }
TABU::TABU(const _S& S) : TABU(S, tabu_hash(S)) {}
TABU::TABU(const _S& S, std::uint64_t hash) { take(S, hash); }
void TABU::take(const _S&, std::uint64_t hash) { hash_ = hash; }
int TABU::equal(const _S& S) const { return equal(S, tabu_hash(S)); }
int TABU::equal(const _S&, std::uint64_t) const { return 0; }

TABU& TABULIST::push_slot() {
  const int cap = static_cast<int>(ring_.size());
  if (count_ == cap) {
    // Full ring: grow it, keeping the entries in age order from slot 0.
    std::vector<TABU> grown(cap == 0 ? 16 : 2 * cap);
    for (int i = 0; i < count_; ++i) grown[i] = std::move(ring_[(oldest_ + i) % cap]);
    ring_ = std::move(grown);
    oldest_ = 0;
  }
  TABU& slot = ring_[(oldest_ + count_) % ring_.size()];
  ++count_;
  return slot;
}

void TABULIST::add(TABU entry) { push_slot() = std::move(entry); }
void TABULIST::add(const _S& S) { add(S, tabu_hash(S)); }
void TABULIST::add(const _S& S, std::uint64_t hash) { push_slot().take(S, hash); }

void TABULIST::drop_oldest() {
  if (count_ == 0) return;
  // The slot keeps its rows for the next entry that lands there.
  oldest_ = (oldest_ + 1) % static_cast<int>(ring_.size());
  --count_;
  if (count_ == 0) oldest_ = 0;
}

int TABULIST::is_in_tabu_list(const _S& S) const { return is_in_tabu_list(S, tabu_hash(S)); }
int TABULIST::is_in_tabu_list(const _S& S, std::uint64_t hash) const {
  for (int i = 0; i < count_; ++i)
    if (from_newest(i).equal(S, hash)) return 1;
  return 0;
}

const TABU& TABULIST::from_newest(int i) const {
  return ring_[(oldest_ + count_ - 1 - i) % ring_.size()];
}
