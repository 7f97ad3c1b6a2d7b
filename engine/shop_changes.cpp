#include "engine/shop_changes.h"

namespace {
SHOP_CHANGE refused(const char* message) { return SHOP_CHANGE{false, message, false}; }
SHOP_CHANGE out_of_range(const char* message) { return SHOP_CHANGE{false, message, true}; }
SHOP_CHANGE done() { return SHOP_CHANGE{true, {}, false}; }
const char* const virtual_machine = "Virtual machine!";
}  // namespace

SHOP_CHANGE change_machine_speed(MACHINE& m, int v) {
  if (m.Speed == 0) return refused(virtual_machine);
  if (v < 1 || v > max_machine_speed)
    return out_of_range(" The value of the speed field is out of the range! It must be in [1 - 1000].");
  m.Speed = v;
  return done();
}

SHOP_CHANGE delete_calendar_interval(MACHINE& m, int index) {
  if (m.Speed == 0) return refused(virtual_machine);
  if (index < 0 || index >= m.N_Cal) return refused("There is no selected item!");
  if (m.N_Cal == 1) return refused("Machine has only one calendar element. It can not be deleted!");
  m.delete_interval(index + 1);
  return done();
}

SHOP_CHANGE add_calendar_interval(MACHINE& m, int st, int et) {
  if (m.Speed == 0) return refused(virtual_machine);
  if (st < 0 || et < 0) return refused(" Missing integer value(s)!");
  switch (m.insert_interval(st, et)) {
    case 1: return done();
    case 0: return refused("Availability time intervals can not be overlapped!");
    default: return refused("Length of an availability time interval can not be zero or smaller!");
  }
}

SHOP_CHANGE change_order_start(ORDER& o, int v) {
  if (v < 0 || v > max_shop_time)
    return out_of_range(" The value of the start time field is out of the range! It must be in [0 - 32000].");
  if (v >= o.CET) return refused(" The Constraint Start Time has to be smaller then Constraint End Time.");
  o.CST = v;
  return done();
}

SHOP_CHANGE change_order_end(ORDER& o, int v) {
  if (v < 0 || v > max_shop_time)
    return out_of_range(" The value of the end time field is out of the range! It must be in [0 - 32000].");
  if (v <= o.CST) return refused(" The Constraint End Time has to be larger than Constraint Start Time.");
  o.CET = v;
  return done();
}
