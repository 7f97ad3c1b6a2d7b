#include "engine/search_operators.h"

#include "engine/random_source.h"

int Nx_op_pri[n_of_operators + 1] = {0, 1, 1, 1, 1, 1};

int select_Nx_op(int n, const int* weights) {
  if (n < 1) return 0;
  if (n == 1) return 1;
  int sum = 0;
  for (int i = 1; i <= n; ++i) sum += weights[i];
  const int r = sum > 0 ? rand_n(sum) + 1 : 1;
  int running = 0;
  for (int i = 1; i <= n; ++i) {
    running += weights[i];
    if (running >= r) return i;
  }
  return 1;
}

// Bodies follow with the array schedule.
void remove_job(_S&, int) {}
void insert_job_random(_S&, int, const std::vector<ORDER>&, const std::vector<JOB>&) {}
void insert_job_own_routes(_S&, int, const std::vector<JOB>&, const std::vector<MACHINE>&, const _S&) {}
void insert_job_order_routes(_S&, int, const std::vector<ORDER>&, const std::vector<JOB>&,
                             const std::vector<MACHINE>&) {}
int move_reinsert_job(_S&, int, const std::vector<ORDER>&, const std::vector<JOB>&) { return 1; }
int follow_job(_S&, int, int) { return 1; }
int move_reinsert_order(_S&, int, const std::vector<ORDER>&, const std::vector<JOB>&) { return 1; }
int move_shuffle_machine(_S&, int) { return 0; }
int draw_positions(int, int*, int) { return -1; }
void rotate_positions(_S&, const int*, int) {}
int nth_free_index(int, const unsigned char*, int, int) { return -1; }
void group_orders_on_machine(_S&, int, const std::vector<JOB>&) {}
