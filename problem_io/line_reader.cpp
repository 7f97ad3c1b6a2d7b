#include "problem_io/line_reader.h"

bool LineReader::next(std::string_view& line) {
  if (too_long_ || at_ >= text_.size()) return false;
  std::size_t end = text_.find('\n', at_);
  const std::size_t next_at = end == std::string_view::npos ? text_.size() : end + 1;
  if (end == std::string_view::npos) end = text_.size();
  line = text_.substr(at_, end - at_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > kMaxLine) {
    too_long_ = true;
    return false;
  }
  at_ = next_at;
  return true;
}

bool LineReader::next(std::string& line) {
  std::string_view view;
  if (!next(view)) return false;
  line.assign(view);
  return true;
}
