#include "problem_io/line_reader.h"

#include <filesystem>
#include <system_error>

LineReader::LineReader(const std::string& path) {
  // A folder opens like a file on this system and then reads as an error:
  // it is no file of ours, so it is never opened.
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return;
  in_.open(path, std::ios::in | std::ios::binary);
}

bool LineReader::next(std::string& line) {
  if (too_long_ || !in_.is_open()) return false;
  line.clear();
  int c = in_.get();
  if (c == std::char_traits<char>::eof()) return false;
  while (c != std::char_traits<char>::eof() && c != '\n') {
    line.push_back(static_cast<char>(c));
    if (line.size() > kMaxLine + 1) break;  // no need to hold more of it
    c = in_.get();
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > kMaxLine) {
    too_long_ = true;
    return false;
  }
  return true;
}
