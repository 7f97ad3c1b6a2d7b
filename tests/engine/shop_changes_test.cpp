#include "engine/shop_changes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

MACHINE machine_with(std::vector<std::pair<int, int>> intervals, int speed = 5) {
  MACHINE m;
  m.Speed = speed;
  m.Cal.resize(1);
  for (auto [st, et] : intervals) m.Cal.push_back(CAL_INTERVAL{st, et});
  m.N_Cal = static_cast<int>(intervals.size());
  return m;
}

std::vector<std::pair<int, int>> calendar(const MACHINE& m) {
  std::vector<std::pair<int, int>> out;
  for (int i = 1; i <= m.N_Cal; ++i) out.emplace_back(m.Cal[i].ST, m.Cal[i].ET);
  return out;
}

using Cal = std::vector<std::pair<int, int>>;

TEST(ShopChanges, AddedIntervalsGoInStartOrderAndNeverTouchAnother) {
  MACHINE m = machine_with({{200, 250}, {500, 600}});
  struct Refused {
    int st, et;
    const char* message;
  };
  const char* const overlap = "Availability time intervals can not be overlapped!";
  const char* const empty = "Length of an availability time interval can not be zero or smaller!";
  const Refused refusals[] = {
      {250, 300, overlap},  // a common end point counts
      {150, 200, overlap},  // and a common start point
      {210, 220, overlap},  // inside another
      {550, 700, overlap},  {150, 150, empty}, {300, 200, empty}, {100, 0, empty},
      {-1, 200, " Missing integer value(s)!"}, {200, -1, " Missing integer value(s)!"},
  };
  for (const Refused& r : refusals) {
    const SHOP_CHANGE c = add_calendar_interval(m, r.st, r.et);
    EXPECT_FALSE(c.done) << r.st << ".." << r.et;
    EXPECT_EQ(c.message, r.message) << r.st << ".." << r.et;
  }
  EXPECT_EQ(calendar(m), (Cal{{200, 250}, {500, 600}}));
  EXPECT_TRUE(add_calendar_interval(m, 0, 100).done);  // time 0 is a time, not a missing value
  EXPECT_TRUE(add_calendar_interval(m, 300, 400).done);
  EXPECT_TRUE(add_calendar_interval(m, 700, 800).done);
  EXPECT_EQ(calendar(m), (Cal{{0, 100}, {200, 250}, {300, 400}, {500, 600}, {700, 800}}));
}

TEST(ShopChanges, DeleteKeepsTheLastIntervalAndNeedsAChoice) {
  MACHINE m = machine_with({{0, 100}, {200, 300}, {400, 500}});
  EXPECT_TRUE(delete_calendar_interval(m, 2).done);
  EXPECT_EQ(calendar(m), (Cal{{0, 100}, {200, 300}}));
  EXPECT_EQ(delete_calendar_interval(m, -1).message, "There is no selected item!");
  EXPECT_EQ(delete_calendar_interval(m, 2).message, "There is no selected item!");
  EXPECT_TRUE(delete_calendar_interval(m, 0).done);
  const SHOP_CHANGE r = delete_calendar_interval(m, 0);
  EXPECT_FALSE(r.done);
  EXPECT_EQ(r.message, "Machine has only one calendar element. It can not be deleted!");
  EXPECT_EQ(m.delete_interval(1), 0) << "the record itself keeps its last interval too";
  EXPECT_EQ(calendar(m), (Cal{{200, 300}}));
}

TEST(ShopChanges, VirtualMachineIsNeverChanged) {
  MACHINE m = machine_with({{0, 100}, {200, 300}}, 0);
  EXPECT_FALSE(change_machine_speed(m, 10).done);
  EXPECT_FALSE(delete_calendar_interval(m, 0).done);
  EXPECT_FALSE(add_calendar_interval(m, 400, 500).done);
  EXPECT_EQ(m.Speed, 0);
  EXPECT_EQ(m.N_Cal, 2);
}

TEST(ShopChanges, SpeedWithinItsRange) {
  MACHINE m = machine_with({{0, 100}});
  EXPECT_TRUE(change_machine_speed(m, 1000).done);
  EXPECT_EQ(m.Speed, 1000);
  for (int v : {0, -1, 1001}) {
    const SHOP_CHANGE r = change_machine_speed(m, v);
    EXPECT_TRUE(r.out_of_range);
    EXPECT_EQ(r.message, " The value of the speed field is out of the range! It must be in [1 - 1000].");
  }
  EXPECT_EQ(m.Speed, 1000);
}

TEST(ShopChanges, OrderWindowKeepsStartBeforeEnd) {
  ORDER o;
  o.CST = 5;
  o.CET = 10;
  SHOP_CHANGE r = change_order_end(o, 5);
  EXPECT_EQ(r.message, " The Constraint End Time has to be larger than Constraint Start Time.");
  EXPECT_EQ(o.CET, 10);
  EXPECT_FALSE(r.out_of_range);
  r = change_order_start(o, 10);
  EXPECT_EQ(r.message, " The Constraint Start Time has to be smaller then Constraint End Time.");
  EXPECT_EQ(o.CST, 5);
  EXPECT_TRUE(change_order_start(o, 0).done);
  EXPECT_EQ(o.CST, 0);
  EXPECT_TRUE(change_order_end(o, 32000).done);
  EXPECT_EQ(o.CET, 32000);
  EXPECT_EQ(change_order_end(o, 32001).message,
            " The value of the end time field is out of the range! It must be in [0 - 32000].");
  EXPECT_EQ(change_order_start(o, -1).message,
            " The value of the start time field is out of the range! It must be in [0 - 32000].");
  EXPECT_EQ(o.CST, 0);
  EXPECT_EQ(o.CET, 32000);
}

}  // namespace
