#include "solvers/run_report.h"

#include <sstream>

namespace {
std::string report_folder;
}  // namespace

void set_run_report_folder(const std::string& folder) { report_folder = folder; }

const std::string& run_report_folder() { return report_folder; }

std::string run_report_path() {
  if (report_folder.empty()) return "__last_run__.txt";
  const char last = report_folder.back();
  if (last == '/' || last == '\\') return report_folder + "__last_run__.txt";
  return report_folder + "/__last_run__.txt";
}

bool RunReport::open() {
  out_.open(run_report_path(), std::ios::out | std::ios::trunc);
  return out_.is_open();
}

RunReport& RunReport::end_line() {
  out_ << '\n';
  out_.flush();
  return *this;
}

RunReport& RunReport::line(const std::string& text) {
  out_ << text;
  return end_line();
}

void RunReport::finish() {
  out_ << "End of file.";
  out_.close();
}

namespace {
// e seconds below a minute as they are, else whole minutes and the remaining
// whole seconds, each followed by its unit.
std::string duration_text(double e, const char* minutes_unit, const char* seconds_unit) {
  std::ostringstream s;
  if (e < 60) {
    s << e << seconds_unit;
  } else {
    const long m = static_cast<long>(e / 60);
    const long sec = static_cast<long>(e - 60.0 * m);
    s << m << minutes_unit << sec << seconds_unit;
  }
  return s.str();
}
}  // namespace

std::string elapsed_time_line(double e) { return " Elapsed time: " + duration_text(e, " (min) and ", " (sec)"); }

std::string run_time_column(double e) { return '\t' + duration_text(e, "min ", "s"); }

std::string clock_text(std::time_t t) {
  std::tm parts{};
  localtime_r(&t, &parts);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &parts);
  return text;
}
