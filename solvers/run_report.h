#pragma once
// The run report "__last_run__.txt": every solver run rewrites it and the
// "Results" window shows it. Lines end with a line feed and are flushed at once,
// so a run that is stopped or breaks still leaves what it wrote; the last line
// "End of file." has no line end.
#include <ctime>
#include <fstream>
#include <string>

// The folder that holds the report: the program's own folder in the program,
// a temporary folder in tests. An empty folder means the current directory.
void set_run_report_folder(const std::string& folder);
const std::string& run_report_folder();
std::string run_report_path();

class RunReport {
 public:
  // Opens the report for writing, replacing it; false when it cannot be
  // written (the folder is missing or read-only).
  bool open();
  bool is_open() const { return out_.is_open(); }

  // The stream, for text that continues on the current line.
  std::ostream& out() { return out_; }
  // Ends the current line: a line feed and a flush.
  RunReport& end_line();
  // Writes text and ends the line; with no text, an empty line.
  RunReport& line(const std::string& text = "");
  // "End of file." without a line end, then closes the file.
  void finish();

 private:
  std::ofstream out_;
};

// Elapsed time e in whole seconds from the calendar clock: under 60 seconds
// " Elapsed time: 5 (sec)", from 60 seconds on " Elapsed time: 1 (min) and 15 (sec)".
std::string elapsed_time_line(double e);
// A run-time column of the report tables: "\t59.9s" under 60 seconds, else
// "\t1min 15s" (whole minutes and remaining whole seconds).
std::string run_time_column(double e);
// A moment of the calendar clock as "hh:mm:ss" in local time.
std::string clock_text(std::time_t t);
