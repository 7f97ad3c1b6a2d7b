#pragma once
// The records of one shop problem and the global arrays that hold the loaded
// problem. Every table is 1-based: element 0 of a list holds its count, element
// 0 of a record array is an unused record. Ids that files write 0-based
// (machines, orders, setup types) are stored plus one.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/freeze_job.h"
#include "engine/shop_structure.h"

// One availability interval of a machine, ET - ST >= 1.
struct CAL_INTERVAL {
  int ST = 0;
  int ET = 0;
};

class MACHINE {
 public:
  int ID = 0;
  int Speed = 0;       // quantity per time unit; 0 neither processes nor sets up
  int StartStep = 0;   // first technology step, 1..4
  int EndStep = 0;     // last technology step, 1..4
  int N_Cal = 0;       // number of availability intervals
  std::vector<CAL_INTERVAL> Cal;  // entries 1..N_Cal, increasing ST, never touching
  int N_Set = 0;       // setup entries the input file declared
  int MG = 0;          // machine group whose step range is [StartStep, EndStep]
  int ReadyT = 0;      // earliest start of the machine's first position
  int N_Frozen = 0;    // frozen positions at the head of its sequence (rescheduling)

  // Setup matrix [previous setup type][next setup type], both 1..n_types.
  // Allocating replaces the matrix with zeros.
  void alloc_setup_matrix(int n_types);
  int setup_types() const { return SetupDim - 1; }
  int& SetupM(int prev, int next) { return SetupTimes[static_cast<size_t>(prev) * SetupDim + next]; }
  int SetupM(int prev, int next) const { return SetupTimes[static_cast<size_t>(prev) * SetupDim + next]; }

  // Available calendar time before t (utilisation figures).
  int cal_time_until(int t) const;
  // Removes interval i; 0 when fewer than two intervals (a machine keeps one).
  int delete_interval(int i);
  // -1 when ET - ST < 1, 0 when it shares a point with an existing interval,
  // 1 when inserted in start order.
  int insert_interval(int ST, int ET);

 private:
  int SetupDim = 1;
  std::vector<int> SetupTimes = std::vector<int>(1, 0);
};

// One permitted machine of an order, for the technology steps SS..ES.
struct ORDER_STEP {
  int SS = 0;
  int ES = 0;
  int M_ID = 0;
  int MG = 0;  // machine group of [SS, ES]
};

class ORDER {
 public:
  int ID = 0;
  int NJob = 0;       // number of equal jobs
  int SJob = 0;       // quantity of each job
  int StartStep = 0;
  int EndStep = 0;
  int SetupType = 0;  // 1..n_of_SetupTypes
  int CST = 0;        // earliest start of its jobs
  int CET = 0;        // due date
  int N_Step = 0;     // number of permitted machines
  std::vector<ORDER_STEP> Steps;  // entries 1..N_Step
  int Exe = 0;        // execution type 1..10
  int N_Routes = 0;   // number of feasible routes, 0..8
  int R_feasible[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
  // Per machine group 1..10 the order's permitted machines {count, ids}; entry 0 unused.
  std::vector<std::vector<int>> MG_M;
  int First_Job = 0;
  int StartT = 0;     // minimum start of its jobs (evaluation)
  int EndT = 0;       // maximum completion of its jobs (evaluation)
};

class JOB {
 public:
  int ID = 0;
  int Order_ID = 0;
  int Number = 0;     // 1..NJob within its order
  int StartT = 0;     // evaluation
  int EndT = 0;       // evaluation
  int N_Frozen = 0;   // frozen route steps (rescheduling)
  std::unique_ptr<FREEZE_JOB> Freeze;

  JOB() = default;
  JOB(const JOB& other) { *this = other; }
  JOB(JOB&&) noexcept = default;
  JOB& operator=(const JOB& other);
  JOB& operator=(JOB&&) noexcept = default;
};

// The loaded problem.
extern int n_of_Machines;
extern int n_of_Orders;
extern int n_of_SetupTypes;
extern int n_of_Jobs;
extern std::vector<MACHINE> Machines;           // n_of_Machines + 1
extern std::vector<ORDER> Orders;               // n_of_Orders + 1
extern std::vector<JOB> Jobs;                   // n_of_Jobs + 1
extern std::vector<std::vector<int>> MG_M_ex;   // 11 lists {count, machine ids}
extern std::vector<std::vector<int>> Exe_O;     // 11 lists {count, order ids}
// Assignment tables through which schedules are exchanged: J_A[j] = {route,
// machine of route step 1..4}; M_wload[m] = {count, job ids in processing order}.
extern std::vector<std::array<int, 5>> J_A;
extern std::vector<std::vector<int>> M_wload;

// The number after the last underscore of a list name such as "Job_12" (atol
// rules); a name without an underscore is read whole.
int get_number_from_name(const char* name);
inline int get_number_from_name(const std::string& name) { return get_number_from_name(name.c_str()); }

// Sets every M_wload count and every J_A route to 0.
void reset_J_A_M_wload();
// Fills J_A and M_wload with a random route and machines per job, jobs in
// increasing id. An order without a feasible route leaves its jobs on route 0.
void random_J_A_M_wload();
