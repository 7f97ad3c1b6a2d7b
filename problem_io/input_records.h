#pragma once
// The records of a scheduling input file as every writer lays them out: ids,
// steps and setup types written 0-based, each machine's 100, 110, 120, 130
// and 140 lines together, each order's 200, 210 and 220 lines together.
#include <ostream>

// The tag of each record, its line's first field ("001" reads as 1).
enum RecordTag : int {
  kHeaderRecord = 1,           // machines, orders and setup types of the file
  kMachineRecord = 100,        // speed and step range of a machine
  kCalendarCountRecord = 110,  // number of a machine's availability intervals
  kCalendarRecord = 120,       // one availability interval
  kSetupCountRecord = 130,     // number of a machine's setup entries
  kSetupRecord = 140,          // one setup time between two setup types
  kOrderRecord = 200,          // due date, start, jobs, size, steps, setup type
  kStepCountRecord = 210,      // number of an order's permitted machines
  kStepRecord = 220,           // one permitted machine for a step range
};

class MACHINE;
class ORDER;

// "001|M|O|S"
void write_header_record(std::ostream& out, int n_machines, int n_orders, int n_setup_types);
// The machine's lines. The 130 line declares S x S setup entries and a 140
// line follows for every cell [a][b], a, b = 1..S, except cells holding -1;
// cells beyond the machine's own matrix are written as 0. The calendar count
// written is the number of intervals the machine really holds.
void write_machine_records(std::ostream& out, const MACHINE& mc, int S);
// The order's lines; the step count written is the number of steps it holds.
void write_order_records(std::ostream& out, const ORDER& od);
