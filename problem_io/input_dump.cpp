#include "problem_io/input_dump.h"

#include <fstream>

#include "engine/problem.h"

const char* const INPUT_DUMP_ORDERS = "1_rbq_sch_new_input_Orders.txt";
const char* const INPUT_DUMP_MACHINES = "1_rbq_sch_new_input_Machines.txt";
const char* const INPUT_DUMP_ROUTES = "1_rbq_sch_new_input_Routes.txt";
const char* const INPUT_DUMP_SCH = "1_rbq_sch_new_output_Sch.txt";

std::string input_dump_path(const std::string& directory, const char* name) {
  if (directory.empty()) return name;
  return directory + "/" + name;
}

namespace {

// "number [ count ] --> item item ": one row of a count-prefixed table, each
// item followed by a blank. Reads at most the row's own length.
template <class Row>
void write_counted_row(std::ostream& out, int number, const Row& row, int row_size) {
  const int count = row_size > 0 ? row[0] : 0;
  out << number << " [ " << count << " ] --> ";
  for (int i = 1; i <= count && i < row_size; ++i) out << row[i] << ' ';
  out << '\n';
}

void write_vector_row(std::ostream& out, int number, const std::vector<int>& row) {
  write_counted_row(out, number, row, static_cast<int>(row.size()));
}

void write_orders(std::ostream& out) {
  out << "Orders_tempfile\n";
  out << " Feasible route for orders (R_feasible):\n";
  for (int o = 1; o <= n_of_Orders; ++o) {
    const ORDER& od = Orders[o];
    out << "Order_" << od.ID << " [ " << od.N_Routes << " ] --> ";
    for (int i = 1; i <= od.N_Routes && i <= 8; ++i) out << od.R_feasible[i] << ' ';
    out << '\n';
  }
  out << " MG_M for orders:\n";
  for (int o = 1; o <= n_of_Orders; ++o) {
    const ORDER& od = Orders[o];
    for (int g = 1; g <= 10 && g < static_cast<int>(od.MG_M.size()); ++g) {
      if (od.MG_M[g].empty() || od.MG_M[g][0] == 0) continue;
      out << "Order_" << od.ID << " MG_";
      write_vector_row(out, g, od.MG_M[g]);
    }
  }
  out << "Orders:\n";
  for (int o = 1; o <= n_of_Orders; ++o) {
    const ORDER& od = Orders[o];
    out << "ID \t CST \t CET \t NJob \t SJob \t StartStep \t EndStep \t SetupType\n";
    out << od.ID << " \t " << od.CST << " \t " << od.CET << " \t " << od.NJob << " \t " << od.SJob << " \t "
        << od.StartStep << " \t " << od.EndStep << " \t " << od.SetupType << '\n';
    out << "N_Step : " << od.N_Step << '\n';
    out << " \t SS \t ES \t M_ID \n";
    for (int s = 1; s <= od.N_Step && s < static_cast<int>(od.Steps.size()); ++s)
      out << " \t " << od.Steps[s].SS << " \t " << od.Steps[s].ES << " \t " << od.Steps[s].M_ID << '\n';
  }
}

void write_machines(std::ostream& out) {
  out << "Machines_tempfile\n";
  out << "MG_M_ex:\n";
  for (int g = 1; g <= 10 && g < static_cast<int>(MG_M_ex.size()); ++g) {
    out << "MG_";
    write_vector_row(out, g, MG_M_ex[g]);
  }
  out << "Machines:\n";
  for (int m = 1; m <= n_of_Machines; ++m) {
    const MACHINE& mc = Machines[m];
    out << "ID \t Speed \t StartStep \t EndStep\n";
    out << mc.ID << " \t " << mc.Speed << " \t " << mc.StartStep << " \t " << mc.EndStep << '\n';
    out << "N_Cal :" << mc.N_Cal << '\n';
    out << "\t num \t ST \t ET\n";
    for (int i = 1; i <= mc.N_Cal && i < static_cast<int>(mc.Cal.size()); ++i)
      out << "\t " << i << " \t " << mc.Cal[i].ST << " \t " << mc.Cal[i].ET << '\n';
    out << "N_Set : " << mc.N_Set << '\n';
    const int n = mc.setup_types();
    for (int a = 1; a <= n; ++a) {
      for (int b = 1; b <= n; ++b) out << mc.SetupM(a, b) << " \t ";
      out << '\n';
    }
  }
}

template <std::size_t Width>
void write_fixed_table(std::ostream& out, const int (*table)[Width], int rows) {
  for (int r = 1; r < rows; ++r) write_counted_row(out, r, table[r], static_cast<int>(Width));
}

void write_routes(std::ostream& out) {
  out << "Routes_tempfile\n";
  out << "R_MG_ex\n" << "Route_ID [ n_of_ES ] --> ES...\n";
  write_fixed_table(out, R_MG_ex, n_of_Routes + 1);
  out << "Exe_R\n" << "Execution type [ n_of_possible_routes ] --> R...\n";
  write_fixed_table(out, Exe_R, 11);
  out << "MG_TS\n" << "Machine Group [ n_of_Technology Step ] --> TS...\n";
  write_fixed_table(out, MG_TS, 11);
}

void write_machine_row(std::ostream& out, int m) {
  if (m >= 1 && m < static_cast<int>(M_wload.size())) write_vector_row(out, m, M_wload[m]);
}

void write_sch(std::ostream& out) {
  out << std::string(35, '-') << '\n';
  out << " J_A \n";
  for (int j = 1; j <= n_of_Jobs && j < static_cast<int>(J_A.size()); ++j) {
    const std::array<int, 5>& row = J_A[j];
    const int r = row[0];
    const int n = route_length(r);
    out << j << " [ " << r << " ] --> ";
    for (int k = 1; k <= n; ++k) out << row[k] << ' ';
    out << '\n';
  }
  out << " M_wload \n";
  for (int m = 1; m <= n_of_Machines; ++m) write_machine_row(out, m);
  out << " M_wload in MG sequence:\n";
  for (int g = 1; g <= 10 && g < static_cast<int>(MG_M_ex.size()); ++g) {
    const std::vector<int>& group = MG_M_ex[g];
    out << "MG_" << g << ":\n";
    for (int i = 1; !group.empty() && i <= group[0] && i < static_cast<int>(group.size()); ++i)
      write_machine_row(out, group[i]);
  }
}

template <class Writer>
int write_one(const std::string& directory, const char* name, Writer writer) {
  std::ofstream out(input_dump_path(directory, name));
  if (!out) return 0;
  writer(out);
  return out ? 1 : 0;
}

}  // namespace

int write_input_dumps(const std::string& directory) {
  return write_one(directory, INPUT_DUMP_ORDERS, write_orders) +
         write_one(directory, INPUT_DUMP_MACHINES, write_machines) +
         write_one(directory, INPUT_DUMP_ROUTES, write_routes) + write_one(directory, INPUT_DUMP_SCH, write_sch);
}
