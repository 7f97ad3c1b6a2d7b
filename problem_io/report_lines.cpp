#include "problem_io/report_lines.h"

void print_obj_values(std::ostream& out, const OBJ_VALUE& values) {
  out << " n_of_Late_Jobs: " << values.n_of_Late_Jobs << '\n'
      << " n_of_Late_Orders: " << values.n_of_Late_Orders << '\n'
      << " max_Tardiness:" << values.max_Tardiness << '\n'
      << " sumTardiness: " << values.sumTardiness << '\n'
      << " sumAbsLateness: " << values.sumAbsLateness << '\n'
      << " n_of_Setup: " << values.n_of_Setup << '\n'
      << " n_of_Early_Starting_Jobs: " << values.n_of_Early_Starting_Jobs << '\n'
      << " sumEarly_Startness: " << values.sumEarly_Startness << '\n'
      << " Completion_Time: " << values.Completion_Time << '\n'
      << " n_of_Scheduled_Jobs " << values.n_of_Scheduled_Jobs << '\n';
}

void print_obj_row(std::ostream& out, const OBJ_VALUE& values) {
  // The first six criteria, in the columns LOrder, LJob, sumT, maxT, Set, maxC.
  for (int i = 0; i < 6; ++i) out << '\t' << values.criterion(i);
}
