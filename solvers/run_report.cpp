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
// Whole minutes and the remaining whole seconds of e.
void split_minutes(double e, long& m, long& sec) {
  m = static_cast<long>(e / 60);
  sec = static_cast<long>(e - 60.0 * m);
}
}  // namespace

std::string elapsed_time_line(double e) {
  std::ostringstream s;
  s << " Elapsed time: ";
  if (e < 60) {
    s << e << " (sec)";
  } else {
    long m, sec;
    split_minutes(e, m, sec);
    s << m << " (min) and " << sec << " (sec)";
  }
  return s.str();
}

std::string run_time_column(double e) {
  std::ostringstream s;
  s << '\t';
  if (e < 60) {
    s << e << 's';
  } else {
    long m, sec;
    split_minutes(e, m, sec);
    s << m << "min " << sec << 's';
  }
  return s.str();
}

std::string clock_text(std::time_t t) {
  std::tm parts{};
  localtime_r(&t, &parts);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &parts);
  return text;
}
