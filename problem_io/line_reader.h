#pragma once
// Reads a text file one line at a time the way every reader of the program's
// formats does: a line holds at most 124 characters; a longer line ends the
// reading as if the file ended before it. Line ends ("\n" or "\r\n") are not
// part of the line.
#include <fstream>
#include <string>

class LineReader {
 public:
  static constexpr std::size_t kMaxLine = 124;

  explicit LineReader(const std::string& path);
  // False when the path cannot be read as a file (missing, unreadable, a folder).
  bool is_open() const { return in_.is_open(); }
  // The next line into line; false at the end of the file or at a line longer
  // than kMaxLine (after which every call returns false).
  bool next(std::string& line);
  // True when reading stopped at an over-long line.
  bool stopped_at_long_line() const { return too_long_; }

 private:
  std::ifstream in_;
  bool too_long_ = false;
};
