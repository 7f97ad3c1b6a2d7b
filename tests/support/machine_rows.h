#pragma once
// A linked schedule's machine sequences read row by row, to compare two
// schedules in tests: row m - 1 holds machine m's positions in order.
#include <vector>

class SCH;

struct PositionTimes {
  int start = 0;
  int end = 0;
  bool operator==(const PositionTimes& o) const { return start == o.start && end == o.end; }
  bool operator!=(const PositionTimes& o) const { return !(*this == o); }
};

// The job at every position.
std::vector<std::vector<int>> machine_jobs(const SCH& sch);
// The start and end at every position.
std::vector<std::vector<PositionTimes>> machine_times(const SCH& sch);
