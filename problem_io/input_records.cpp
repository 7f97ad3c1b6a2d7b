#include "problem_io/input_records.h"

#include <algorithm>

#include "engine/problem.h"

void write_header_record(std::ostream& out, int n_machines, int n_orders, int n_setup_types) {
  out << "001|" << n_machines << '|' << n_orders << '|' << n_setup_types << '\n';
}

void write_machine_records(std::ostream& out, const MACHINE& mc, int S) {
  const int id = mc.ID - 1;
  out << kMachineRecord << '|' << id << '|' << mc.Speed << '|' << mc.StartStep - 1 << '|' << mc.EndStep - 1 << '\n';
  const int n_cal = std::max(0, std::min(mc.N_Cal, static_cast<int>(mc.Cal.size()) - 1));
  out << kCalendarCountRecord << '|' << id << '|' << n_cal << '\n';
  for (int k = 1; k <= n_cal; ++k)
    out << kCalendarRecord << '|' << id << '|' << mc.Cal[k].ST << '|' << mc.Cal[k].ET << '\n';
  out << kSetupCountRecord << '|' << id << '|' << S * S << '\n';
  const int known = mc.setup_types();
  for (int a = 1; a <= S; ++a)
    for (int b = 1; b <= S; ++b) {
      const int cell = a <= known && b <= known ? mc.SetupM(a, b) : 0;
      if (cell != -1) out << kSetupRecord << '|' << id << '|' << a - 1 << '|' << b - 1 << '|' << cell << '\n';
    }
}

void write_order_records(std::ostream& out, const ORDER& od) {
  const int id = od.ID - 1;
  out << kOrderRecord << '|' << id << '|' << od.CET << '|' << od.CST << '|' << od.NJob << '|' << od.SJob << '|'
      << od.StartStep - 1 << '|' << od.EndStep - 1 << '|' << od.SetupType - 1 << '\n';
  const int n_step = std::max(0, std::min(od.N_Step, static_cast<int>(od.Steps.size()) - 1));
  out << kStepCountRecord << '|' << id << '|' << n_step << '\n';
  for (int k = 1; k <= n_step; ++k) {
    const ORDER_STEP& st = od.Steps[k];
    out << kStepRecord << '|' << id << '|' << st.SS - 1 << '|' << st.ES - 1 << '|' << st.M_ID - 1 << '\n';
  }
}
