#pragma once
// The tabu list of a search run: the machine sequences of the schedules it
// visited most recently, first in, first out. A schedule is remembered by its
// machine sequences alone (per machine the job ids in processing order); routes,
// route steps and times are never compared, since for one problem the
// sequences determine them.
//
// The membership test runs once per sample, so each entry keeps a hash of its
// sequences and whole sequences are compared only when the hashes agree; the
// answers are those of a plain comparison. Entries live in a ring whose slots
// are reused after a drop, so a running search stops allocating once the ring
// and its rows have reached their working size.
#include <cstdint>
#include <vector>

class _S;

// Hash of a schedule's machine sequences (counts and job ids of machines 1..M).
// Every overload below that takes a hash expects exactly tabu_hash(S) of the S
// it is given; the driver computes it once per sample for the test and the add.
std::uint64_t tabu_hash(const _S& S);
// The same from its parts: tabu_hash(S) is tabu_hash_of_sum of the sum (mod
// 2^64) of tabu_machine_hash(S, m) over m = 1..M, so a sample that differs
// from a known schedule on a few machines is hashed from those machines alone.
std::uint64_t tabu_machine_hash(const _S& S, int m);
std::uint64_t tabu_hash_of_sum(std::uint64_t sum);

// One remembered schedule.
class TABU {
 public:
  TABU() = default;
  // Copies the job count and job ids of every machine of S.
  explicit TABU(const _S& S);
  TABU(const _S& S, std::uint64_t hash);

  // Overwrites the entry with S's sequences, reusing its memory (which grows
  // with some headroom, so that entries of slightly longer schedules landing in
  // a reused slot do not reallocate).
  void take(const _S& S, std::uint64_t hash);

  // 1 when the entry holds exactly S's machine sequences, else 0: 0 on another
  // number of machines, on any differing job count, on any differing job id.
  int equal(const _S& S) const;
  int equal(const _S& S, std::uint64_t hash) const;

  int n_machines() const { return n_of_Machines_; }
  std::uint64_t hash() const { return hash_; }

 private:
  int n_of_Machines_ = 0;
  std::uint64_t hash_ = 0;
  // Machines 1..M one after another, each as {count, job ids}.
  std::vector<int> rows_;
};

class TABULIST {
 public:
  TABULIST() = default;

  // Links an entry in as the newest. There are no older/newer links to set:
  // the ring's order is the list's order, and a dropped slot is reused.
  void add(TABU entry);
  // Remembers S as the newest entry, reusing a dropped entry's memory. Pass the
  // hash already computed for the membership test to avoid a second pass.
  void add(const _S& S);
  void add(const _S& S, std::uint64_t hash);

  // Deletes the oldest entry; nothing on an empty list. The list never drops
  // by itself: the driver drops once after an addition that passes its size,
  // so a size lowered during a run does not shrink the list.
  void drop_oldest();

  // 1 when some entry equals S, else 0.
  int is_in_tabu_list(const _S& S) const;
  int is_in_tabu_list(const _S& S, std::uint64_t hash) const;

  // Number of entries.
  int count() const { return count_; }
  // Entry i counted from the newest (0) to the oldest (count() - 1).
  const TABU& from_newest(int i) const;
  const TABU* newest() const { return count_ ? &from_newest(0) : nullptr; }
  const TABU* oldest() const { return count_ ? &from_newest(count_ - 1) : nullptr; }

 private:
  TABU& push_slot();

  // Ring of entries: the oldest at oldest_, the newest count_ - 1 slots later.
  // hashes_ mirrors each slot's hash in one contiguous row for the scan.
  std::vector<TABU> ring_;
  std::vector<std::uint64_t> hashes_;
  int oldest_ = 0;
  int count_ = 0;
  int last_slot_ = 0;  // slot of the latest push_slot()
};
