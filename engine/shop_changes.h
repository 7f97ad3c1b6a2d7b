#pragma once
// The changes a planner makes to the shop in the rescheduler's "Shop env.":
// a machine's speed, its availability calendar and an order's time window.
// Each goes straight into the record it is given (normally an entry of the
// live Machines or Orders) or, when refused, leaves the record as it was and
// says why in the text the input-data window shows.
//
// A machine of speed 0 (a virtual machine) is never changed: it has no
// calendar of its own to edit and must not start processing.
#include <string>

#include "engine/problem.h"

struct SHOP_CHANGE {
  bool done = false;
  std::string message;        // empty when done
  bool out_of_range = false;  // refused for a value outside the field's range
};

// Limits of the values the window accepts.
constexpr int max_machine_speed = 1000;
constexpr int max_shop_time = 32000;

// Speed v in 1..max_machine_speed becomes the machine's speed.
SHOP_CHANGE change_machine_speed(MACHINE& m, int v);

// Deletes the calendar interval at 0-based index (-1: no interval chosen). A
// machine keeps at least one interval, so the last one is never deleted.
SHOP_CHANGE delete_calendar_interval(MACHINE& m, int index);

// Adds [st, et]; -1 for a field left empty. Refused when a field is missing,
// when et - st < 1 (a start after the end included) and when the interval
// touches or overlaps an existing one; otherwise inserted in start order.
SHOP_CHANGE add_calendar_interval(MACHINE& m, int st, int et);

// The order's earliest start CST := v, for v in 0..max_shop_time below CET.
SHOP_CHANGE change_order_start(ORDER& o, int v);
// The order's due date CET := v, for v in 0..max_shop_time above CST.
SHOP_CHANGE change_order_end(ORDER& o, int v);
