#pragma once
// A hand-made shop small enough to enumerate: each machine covers a range of
// technology steps (its group), each order lists the machines it may use.
// Calendars are one long interval; setups cost setup_time between different
// setup types and nothing within one type. The shop is loaded into the
// problem arrays as after an input load (first_run = 1).
#include <vector>

struct SmallMachine {
  int first_step = 1;
  int last_step = 1;
  int speed = 1;
};

struct SmallOrder {
  int jobs = 1;
  int size = 10;
  int first_step = 1;
  int last_step = 1;
  int setup_type = 1;
  int cst = 0;
  int cet = 100;
  std::vector<int> machines;  // 1-based machine ids the order may use
};

void load_small_shop(const std::vector<SmallMachine>& machines, const std::vector<SmallOrder>& orders,
                     int n_setup_types = 2, int setup_time = 3);
