#pragma once
// Walks a file's text (read whole with read_file_bytes) one line at a time the
// way every reader of the program's formats does: a line holds at most 124
// characters; a longer line ends the reading as if the file ended before it.
// Line ends ("\n" or "\r\n") are not part of the line. The text is never
// copied: lines are views into it, valid while it lives.
#include <string>
#include <string_view>

class LineReader {
 public:
  static constexpr std::size_t kMaxLine = 124;

  explicit LineReader(std::string_view text) : text_(text) {}
  // The next line; false at the end of the text or at a line longer than
  // kMaxLine (after which every call returns false).
  bool next(std::string_view& line);
  bool next(std::string& line);
  // True when reading stopped at an over-long line.
  bool stopped_at_long_line() const { return too_long_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  bool too_long_ = false;
};
