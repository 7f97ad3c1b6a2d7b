#pragma once
// The moves of the tabu search on an array schedule _S, and the primitives
// they are made of. Every operation changes the one schedule it is given in
// place and keeps its four index tables consistent: for every route step k of
// job j on machine m = J_A[j][k] at p = J_pos[j][k], M_wload[m][p] = j and
// M_step[m][p] = k, and a machine's count is the number of route steps on it.
// Positions are 1-based places in a machine sequence; inserting at p shifts
// the jobs at p and later one place back.
//
// When the schedule carries a change log (_S::changes), every primitive notes
// there the machine rows and jobs it writes: the incremental timing of the
// search's samples copies back and re-times exactly those, so nothing may
// change a logged schedule's tables except through these primitives.
//
// Every random draw goes through rand_n (engine/random_source.h): rand(n) is
// rand_n(n), 0 without a draw when n is 0, and a 1-based item is rand_n(n) + 1.
// Nothing here times or evaluates a schedule, and nothing allocates on the
// search's hot path: the shuffle works in scratch buffers kept between calls.
#include <vector>

#include "engine/problem.h"

class _S;

// Five operators N1..N5 choose the move of a sample.
constexpr int n_of_operators = 5;
// Priorities 0..10 of N1..N5 (entry 0 unused), all 1 at start-up; the
// search-operator window writes them, select_Nx_op reads them at every draw.
extern int Nx_op_pri[n_of_operators + 1];

// An operator number 1..n drawn with probability weights[i] / sum of
// weights[1..n]; 0 when n < 1, 1 without a draw when n is 1, and 1 when every
// weight is 0.
int select_Nx_op(int n, const int* weights);

// Takes job j out of every machine sequence and sets its route to 0; the jobs
// behind it move one place forward.
void remove_job(_S& S, int j);

// Gives a removed job j a random feasible route of its order and, per route
// step, a random usable machine of the order for the step's machine group and a
// uniform position among 1..(count + 1). A job of an order without a feasible
// route stays removed (route 0, no machines): no route can carry it.
void insert_job_random(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs);

// Rescheduling insert of a removed job j that carries its own FREEZE_JOB: the
// route and machines come from the job's own lists; a frozen route step
// (k <= Jobs[j].N_Frozen) goes back to its position in reference, any other
// step to a random position after the machine's frozen prefix.
void insert_job_own_routes(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs,
                           const std::vector<MACHINE>& machines, const _S& reference);

// Rescheduling insert of a removed job j from its order's routes and machine
// lists, never into a machine's frozen prefix.
void insert_job_order_routes(_S& S, int j, const std::vector<ORDER>& orders,
                             const std::vector<JOB>& jobs, const std::vector<MACHINE>& machines);

// The schedule's own rows as the sequences of engine/job_inserts.h: every
// change goes straight into S's tables.
struct ScheduleRows {
  _S& S;
  int count(int m) const;
  void put(int m, int p, int j, int k);
  void remove_job(int j);
  void follow(int a, int b);
};

// remove_job then insert_job_random. Returns 1.
int move_reinsert_job(_S& S, int j, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs);

// Job b takes job a's route and machines and stands immediately before a on
// each of them. Returns 1.
int follow_job(_S& S, int a, int b);

// Re-inserts order o as a unit: its first job f at random, then every other job
// follows f, so each of f's machines ends with the block f+NJob-1, ..., f+1, f.
// The tables come out as after follow_job for each job in turn, but the jobs
// are gathered in one pass over each machine they leave or join, so the move
// costs about the length of those sequences, never its square. Returns 1.
int move_reinsert_order(_S& S, int o, const std::vector<ORDER>& orders, const std::vector<JOB>& jobs);

// Rotates a random set of positions of machine m: 1 when m has at least two
// jobs, 0 (nothing changed) when it has fewer.
int move_shuffle_machine(_S& S, int m);
inline int shuffle_machine(_S& S, int m) { return move_shuffle_machine(S, m); }

// Draws k distinct positions among 1..c into P[1..k] in draw order and sets
// P[0] = k; k = 0 first draws k = rand(c) + 1. Each draw takes the r-th still
// free position, r = rand(remaining) + 1, found in logarithmic time. P must
// hold k + 1 (c + 1 for k = 0) entries. Returns k, or -1 when a draw finds no
// free position (k > c).
int draw_positions(int k, int* P, int c);

// Rotates the jobs (with their route steps) at positions P[1..P[0]] of machine
// m: the job at P[k] moves to P[1] and the job at P[i-1] to P[i]. One position
// leaves the sequence unchanged.
void rotate_positions(_S& S, const int* P, int m);

// draw_positions(k, P, count - from) on machine m's positions after `from`
// (P[i] counted from there: position from + P[i]), then rotate_positions of
// them: the shuffle of m once its first draw has fixed k, with the drawn
// positions kept in scratch. 1 <= k <= count - from.
void shuffle_positions(_S& S, int m, int from, int k);

// The index of the r-th entry of avail[from..to] that is still free (nonzero),
// counted upwards from from; -1 when there are fewer than r free entries.
int nth_free_index(int r, const unsigned char* avail, int from, int to);

// Makes the jobs of every order contiguous on machine m: orders in the order of
// their first appearance, the jobs of an order in their relative order.
void group_orders_on_machine(_S& S, int m, const std::vector<JOB>& jobs);
