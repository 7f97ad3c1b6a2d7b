#pragma once
// Incremental timing and evaluation of a tabu search's samples. Every sample
// starts as a copy of the step's current schedule (the base) and differs from
// it by one move, which changes a few machine rows and jobs. Instead of
// copying, timing and evaluating the whole schedule per sample, this
//   - copies back only what the last sample's move and timing changed
//     (reset_sample), so the sample holds the base's tables and timing rows;
//   - re-times, in the full pass's order, only the positions whose start can
//     change: from the first changed position of each changed machine, and at
//     the later route steps of every job whose end changed; a run of positions
//     stops as soon as a record equals the base's record of the same job and
//     step at a place where everything after it is the base's (shifted when
//     the row grew or shrank), and the base's records are taken over from
//     there;
//   - evaluates from the jobs whose start or completion changed: the ten
//     values are the base's plus what those jobs add and take away (the
//     largest tardiness and completion are looked for again only when a job
//     that held them got smaller), the setups a sum of per-machine counts, and
//     Jobs and Orders are written for those jobs and their orders only, as a
//     full evaluation would leave them (in full whenever another evaluation
//     wrote them since).
// The full pass stays the reference: in checking mode every sample is also
// timed and evaluated in full and compared field by field (every timing
// record, the ten values, every job's and order's start and completion); a
// difference throws std::logic_error. Nothing is allocated per sample once
// the working rows have grown to the problem's size.
#include <cstdint>
#include <vector>

#include "engine/objective_value.h"
#include "engine/row_table.h"
#include "engine/schedule_array.h"
#include "engine/schedule_changes.h"

class SampleTiming {
 public:
  SampleTiming() = default;
  ~SampleTiming();
  SampleTiming(const SampleTiming&) = delete;
  SampleTiming& operator=(const SampleTiming&) = delete;

  // The rescheduling timing (calc_S_times_resch against reference and bound)
  // instead of the plain one. reference must outlive this object.
  void use_rescheduling(const _S* reference, int bound);
  // base is the schedule the next samples start from; it was (or may have
  // been) changed. It is timed in full at the next reset_sample, unless timed
  // says its timing rows already hold a full timing of it (copied with
  // copy_timing from a sample that was timed); it must stay unchanged until
  // the next set_base.
  void set_base(_S& base, bool timed = false);
  // to := from, the timing rows of every machine position included.
  static void copy_timing(_S& to, const _S& from);
  // The values and records of the ready sample before its move (it then
  // equals the base): the base's values into values, and Jobs and Orders as a
  // full evaluation of it would leave them, without timing anything. false
  // (nothing done) when the sample was already moved.
  bool evaluate_unmoved(const _S& sample, OBJ_VALUE& values);
  // sample := base, its timing rows included. The first reset after set_base
  // copies everything; later ones copy back only what changed. From here until
  // time_and_evaluate the sample may change only through the moves of
  // engine/search_operators (and engine/resch_moves), which note their changes.
  void reset_sample(_S& sample);
  // Whether sample is the one reset from the base since its last change.
  bool ready(const _S& sample) const;
  // Times the moved sample and evaluates it into values (Jobs and Orders of
  // the loaded problem written as by calc_S_obj_values). sample must be ready.
  void time_and_evaluate(_S& sample, OBJ_VALUE& values);
  // tabu_hash(sample) of the ready sample, from the hashes of the machines its
  // moves changed and the base's hashes of all others.
  std::uint64_t tabu_hash_of(const _S& sample);
  // The ready, timed and evaluated sample (values) will be copied with its
  // timing (copy_timing) to become the next base: what the next set_base(..,
  // true) would derive from the base's timing rows is kept from the sample
  // now. A later keep_sample replaces it; set_base without timing drops it.
  void keep_sample(const _S& sample, const OBJ_VALUE& values);
  // Lets go of the sample (it no longer carries this object's log).
  void release();

  // Checking mode, for tests: every reset is compared with the base and every
  // sample also timed and evaluated in full and compared.
  static void set_checking(bool on);
  static bool checking();

 private:
  void prepare_base();
  void full_sync(_S& S);
  void restore(_S& S);
  void time_full(_S& S) const;
  template <bool Resch>
  void retime(_S& S);
  template <bool Resch>
  void retime_machine(_S& S, int m);
  void mark_retimed(int m, int from);
  void touch(int j);
  void trigger(const _S& S, int j, int k);
  static int count_setups(const _S& S, int m);
  static bool same_times(const OP_TIME& a, const OP_TIME& b);
  void prepare_problem();
  void derive_base();
  void check_kept();
  void evaluate(const _S& S, OBJ_VALUE& values);
  void write_records(const _S& S);
  bool counted(const _S& S, int j) const;
  void check_hash(const _S& S, std::uint64_t hash) const;
  void check_base();
  void check_reset(const _S& S) const;
  void check_sample(const _S& S, const OBJ_VALUE& values);

  _S* base_ = nullptr;
  _S* sample_ = nullptr;
  const _S* reference_ = nullptr;  // rescheduling only
  int bound_ = 0;
  bool prepared_ = false;  // the base is timed and its spans and setups known
  bool base_timed_ = false;  // the base's timing rows need no timing pass
  bool sample_evaluated_ = false;  // time_and_evaluate since the last reset
  bool synced_ = false;    // the sample was fully copied from the prepared base

  std::vector<JobSpan> base_spans_;  // J + 1
  std::vector<std::uint64_t> base_machine_hash_;  // M + 1: tabu_machine_hash of the base
  std::uint64_t base_hash_sum_ = 0;
  std::vector<int> base_setups_;     // M + 1
  std::vector<JobSpan> spans_;       // of the sample
  std::vector<int> setups_;          // of the sample
  std::vector<unsigned char> timed_machine_;  // M + 1: the pass times the machine

  ScheduleChanges log_;
  std::vector<int> times_first_;  // M + 1: first re-timed position, INT_MAX none
  std::vector<int> retimed_;      // machines with times_first_ set
  RowTable<int> trigger_rows_;      // per machine the positions whose previous route step's end changed
  std::vector<int> trigger_count_;  // M + 1
  std::vector<int> triggered_;    // machines with triggers
  std::vector<unsigned char> touched_mark_;  // J + 1
  std::vector<int> touched_;      // jobs whose records were re-timed

  // The base's values and what each job of it adds; per job the due date
  // (CET) and earliest start (CST) of its order and the order.
  std::int64_t base_values_[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  std::vector<std::int64_t> due_;
  std::vector<std::int64_t> earliest_;
  std::vector<int> order_of_;
  std::vector<unsigned char> counted_base_;  // the base's evaluation counts the job
  std::vector<int> base_order_late_;         // late jobs per order
  std::vector<int> order_late_;              // of the sample
  std::vector<int> changed_orders_;
  std::vector<unsigned char> order_mark_;
  std::vector<int> differing_;               // jobs whose span or count differs from the base's
  // Jobs whose records in Jobs may differ from the base's (the last sample's
  // differing jobs), valid while nobody else wrote the records.
  std::vector<int> written_;
  std::uint64_t records_stamp_ = 0;
  bool records_known_ = false;

  // What keep_sample kept of the sample that becomes the next base.
  bool kept_ = false;
  std::vector<JobSpan> kept_spans_;
  std::vector<int> kept_setups_;
  std::vector<std::uint64_t> kept_hash_;
  std::uint64_t kept_hash_sum_ = 0;
  std::vector<unsigned char> kept_counted_;
  std::vector<int> kept_order_late_;
  std::int64_t kept_values_[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

  _S check_;  // checking mode: the full pass's copy
};
