#pragma once
// A loaded shop made hard to time, shared by the timing and sample-timing
// oracles: short availability intervals with gaps, then a longer one and
// nothing, so that many operations skip to a later interval and late ones fit
// none; setups between any two different types; machines ready late; with
// speed_zero every seventh machine neither processes nor sets up.
#include <cstdint>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "engine/schedule_array.h"

inline void harden_shop(std::uint32_t seed, bool speed_zero) {
  seed_random(seed);
  for (int m = 1; m <= n_of_Machines; ++m) {
    MACHINE& mc = Machines[m];
    if (speed_zero && m % 7 == 3) mc.Speed = 0;
    mc.Cal.assign(1, CAL_INTERVAL{});
    int t = rand_n(20);
    for (int i = 0; i < 60; ++i) {
      const int w = 3 + rand_n(60);
      mc.Cal.push_back({t, t + w});
      t += w + 1 + rand_n(20);
    }
    mc.Cal.push_back({t, t + 300});  // then nothing: late operations fit no interval
    mc.N_Cal = static_cast<int>(mc.Cal.size()) - 1;
    for (int a = 1; a <= mc.setup_types(); ++a)
      for (int b = 1; b <= mc.setup_types(); ++b) mc.SetupM(a, b) = a == b ? 0 : 1 + rand_n(12);
    mc.ReadyT = rand_n(15);
  }
}

// What a timed schedule shows of those cases: operations placed in a later
// interval than the first, operations that fit no interval, positions of
// speed-0 machines.
struct HardCases {
  int later_interval = 0;
  int fits_none = 0;
  int speed_zero = 0;

  void add(const _S& timed) {
    for (int m = 1; m <= timed.n_of_Machines; ++m)
      for (int p = 1; p <= timed.M_wload[m][0]; ++p) {
        const OP_TIME& r = timed.Times[m][p];
        later_interval += r.M_Calendar_OK == 1 && r.StartT >= Machines[m].Cal[1].ET;
        fits_none += r.M_Calendar_OK == 0;
        speed_zero += r.M_Calendar_OK == -1;
      }
  }
};
