#pragma once
// The machine sequences of an array schedule while one move re-inserts many
// jobs (a long order, one job after the other): each machine the move touches
// is copied into blocks of at most kCap places, so that taking a route step
// out, putting one at a drawn position or right before another job's step
// costs about the size of a block and the number of blocks of that machine,
// never the length of its sequence. finish() writes the sequences back.
//
// The rows hand out exactly the positions and counts the schedule's own rows
// would at every moment (the draws of engine/job_inserts.h read count(m)), so
// a move made on them leaves tables identical to the same move made on the
// schedule directly. A removed route step leaves an empty place in its block
// that a step put in nearby takes; a step put in moves only the steps between
// its place and the nearest empty one, and a full block splits where the step
// goes in. A machine is copied with an empty place before each of its steps,
// and every block keeps a bit per place, so that the p-th step of a block and
// the nearest empty place are found by counting bits, not by walking places.
//
// Between start() and finish() only these rows may change the schedule's
// sequences; J_A is written directly, J_pos, M_wload and M_step of the
// machines touched only by finish(). Nothing is allocated once the scratch
// has reached the size of the problem.
#include <cstdint>
#include <vector>

class _S;

class SequenceBlocks {
 public:
  // Begins a move on S with no machine copied yet.
  void start(_S& S);
  // Route steps now on machine m.
  int count(int m) const;
  // remove_job of engine/search_operators.h.
  void remove_job(int j);
  // Route step k of job j at position p of machine m (p clamped to
  // 1..count + 1; the steps from p on one place back); writes J_A[j][k].
  void put(int m, int p, int j, int k);
  // follow_job of engine/search_operators.h: b takes a's route and machines
  // and stands right before a on each.
  void follow(int a, int b);
  // Writes the touched machines' sequences and their jobs' positions back
  // into the schedule and notes in its change log, if it carries one, from
  // which position each row differs and how many of its last places did not.
  void finish();

 private:
  static constexpr int kCap = 256;     // places of a block
  static constexpr int kGroup = 32;    // blocks summed together for finding a position
  static constexpr int kSteps = 5;     // rows of J_A per job
  static constexpr int kWords = kCap / 64;  // words of a block's used places
  static constexpr int kNotedShift = 16;    // steps a shift notes the new places of

  struct Line {
    std::vector<int> blocks;  // in sequence order
    std::vector<int> lives;   // live steps of each of them, side by side for locate
    std::vector<int> sums;    // live steps of blocks [g*kGroup, (g+1)*kGroup)
    int total = 0;
    bool open = false;
  };

  Line& open(int m);
  int new_block();
  void resum(Line& line, int from);
  // d more live steps in block b.
  void count_in(Line& line, int b, int d);
  // The block and place before which a step becomes the p-th of the line.
  void locate(const Line& line, int p, int& b, int& i) const;
  // Puts step k of j before place i of block b (i = end of the block's
  // used places: after them), making room first.
  void insert(Line& line, int b, int i, int j, int k);
  // Splits the full block b (no empty place) in two where place i is, the
  // later part's first step at the front of the new block with the empty
  // places behind it; b and i then name where the step goes in.
  void repack(Line& line, int& b, int& i);
  void set(int b, int i, int j, int k);
  void clear_used(int b) {
    for (std::uint64_t& w : meta_[static_cast<std::size_t>(b)].used) w = 0;
  }
  // The place of step k of job j in block b.
  int place_of(int b, int j, int k) const;
  // Notes the places [from, to) of block b as those of their steps.
  void note_places(int b, int from, int to);
  // The first empty place of block b at or after i (kCap: none), the last
  // one before i (-1: none).
  int empty_from(int b, int i) const;
  int empty_before(int b, int i) const;

  _S* S_ = nullptr;
  std::vector<Line> lines_;
  std::vector<int> opened_;
  std::vector<int> job_, step_;  // kCap places per block; job 0 an empty place
  // Per block, side by side: its used places [lo, hi), live steps, index in
  // its line, and a bit per place set while it holds a step.
  struct Block {
    int lo = 0, hi = 0, live = 0, pos = 0;
    std::uint64_t used[kWords] = {};
  };
  std::vector<Block> meta_;
  int n_blocks_ = 0;
  // Per job and route step: its block, and its place there as last noted (a
  // shift of more than kNotedShift steps leaves the places of the steps it
  // moves out of date rather than write them all; place_of then looks).
  std::vector<int> where_, at_;
  std::vector<int> new_job_, new_step_;  // finish()'s rebuilt row
  std::vector<unsigned char> removed_;   // per job: taken out by this move
};
