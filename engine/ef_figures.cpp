#include "engine/ef_figures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
double quotient(double a, double b) { return b != 0.0 ? a / b : 0.0; }

double sum_of_completions(const SCH& sch, const std::vector<JOB>& jobs) {
  double sum = 0.0;
  for (int j = 1; j <= sch.n_of_Jobs && static_cast<std::size_t>(j) < jobs.size(); ++j)
    sum += jobs[static_cast<std::size_t>(j)].EndT;
  return sum;
}

// per_machine: the load of each machine (entries 1..n_of_Machines).
void calc_EF(const SCH& sch, const std::vector<double>& per_machine, double sum_completion, const OBJ_VALUE& values,
             EF_VALUE& ef) {
  ef.reset();
  const double nJ = sch.n_of_Jobs;
  const double nM = sch.n_of_Machines;
  const double Cmax = static_cast<double>(values.Completion_Time);
  double P = 0.0;
  double machine_shares = 0.0;
  if (sch.has_tables()) {
    for (int m = 1; m <= sch.n_of_Machines && static_cast<std::size_t>(m) < per_machine.size(); ++m) {
      const double Pm = per_machine[static_cast<std::size_t>(m)];
      P += Pm;
      machine_shares += quotient(Pm, Cmax);
    }
  }
  ef.Na = quotient(sum_completion, Cmax);
  ef.Ta = quotient(sum_completion, nJ);
  ef.qa = quotient(nJ * nM, P);
  ef.Ua = quotient(machine_shares, nM);
}
}  // namespace

void calc_EF_both(const SCH& sch, const MachineLoads& loads, const std::vector<JOB>& jobs, const OBJ_VALUE& values,
                  EF_VALUE& without_setup, EF_VALUE& with_setup) {
  const double sum_completion = sum_of_completions(sch, jobs);
  calc_EF(sch, loads.processing, sum_completion, values, without_setup);
  calc_EF(sch, loads.busy, sum_completion, values, with_setup);
}

void calc_EF_without_setup(const SCH& sch, const std::vector<JOB>& jobs, const OBJ_VALUE& values, EF_VALUE& ef) {
  MachineLoads loads;
  sum_machine_loads(sch, loads);
  calc_EF(sch, loads.processing, sum_of_completions(sch, jobs), values, ef);
}

void calc_EF_with_setup(const SCH& sch, const std::vector<JOB>& jobs, const OBJ_VALUE& values, EF_VALUE& ef) {
  MachineLoads loads;
  sum_machine_loads(sch, loads);
  calc_EF(sch, loads.busy, sum_of_completions(sch, jobs), values, ef);
}

std::string float_to_str(double x) {
  if (!std::isfinite(x) || x == 0.0) return "0";
  // 15 significant digits, rounded once; the notation is chosen from the
  // rounded exponent, so 999999999999999.9 becomes "1E15", not "1000000000000000".
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
  std::string digits(1, buf[0]);
  digits.append(buf + 2, 14);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(buf + 17);
  std::string out = x < 0 ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
      const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        out += digits + std::string(whole - digits.size(), '0');
      } else {
        out += digits.substr(0, whole) + "." + digits.substr(whole);
      }
    }
    return out;
  }
  out += digits.substr(0, 1);
  if (digits.size() > 1) out += "." + digits.substr(1);
  return out + "E" + std::to_string(exponent);
}

void show_EF(const EF_VALUE& ef, std::vector<std::string>& lines) {
  const double product = ef.Ua * ef.qa * ef.Ta;
  lines.push_back("________EF_________");
  lines.push_back("Na = " + float_to_str(ef.Na));
  lines.push_back("Ua = " + float_to_str(ef.Ua));
  lines.push_back("qa = " + float_to_str(ef.qa));
  lines.push_back("Ta = " + float_to_str(ef.Ta));
  lines.push_back("Ua*qa*Ta = " + float_to_str(product));
  lines.push_back("Na/(Ua*qa*Ta) = " + float_to_str(quotient(ef.Na, product)));
  lines.push_back("___________________");
}
