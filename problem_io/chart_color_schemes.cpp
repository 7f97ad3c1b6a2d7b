#include "problem_io/chart_color_schemes.h"

#include <algorithm>
#include <cctype>

#include "problem_io/field_value.h"
#include "problem_io/file_bytes.h"
#include "problem_io/line_reader.h"
#include "problem_io/replacing_file.h"

namespace {
std::string colors_folder;

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// The order of the list and of the combo: by text with case ignored, ties by
// the exact bytes so that the order never depends on the order of adding.
bool scheme_before(const std::string& a, const std::string& b) {
  const auto diff = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                  [](char x, char y) { return lower(x) == lower(y); });
  if (diff.first == a.end() || diff.second == b.end()) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
  }
  return lower(*diff.first) < lower(*diff.second);
}

bool same_name(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return lower(x) == lower(y);
         });
}
}  // namespace

void set_chart_colors_folder(const std::string& folder) { colors_folder = folder; }

const std::string& chart_colors_folder() { return colors_folder; }

std::string chart_colors_path() {
  if (colors_folder.empty()) return chart_colors_file_name;
  const char last = colors_folder.back();
  if (last == '/' || last == '\\') return colors_folder + chart_colors_file_name;
  return colors_folder + "/" + chart_colors_file_name;
}

std::string make_scheme_string(const SCHEME_COLOURS& c) {
  std::string s = "|";
  for (int v : c) s += std::to_string(v) + "|";
  return s;
}

std::string scheme_name(const std::string& scheme) { return scheme.substr(0, scheme.find('|')); }

bool parse_scheme_string(const std::string& text, std::string& name, SCHEME_COLOURS& colours) {
  name = scheme_name(text);
  std::size_t start = text.find('|');
  if (start == std::string::npos) return false;
  ++start;
  SCHEME_COLOURS read{};
  int fields = 0;
  for (std::size_t end; (end = text.find('|', start)) != std::string::npos; start = end + 1) {
    if (fields < 5) read[fields] = field_value(std::string_view(text).substr(start, end - start)).value;
    ++fields;
  }
  if (fields != 5) return false;
  colours = read;
  return true;
}

int CHART_COLOR_SCHEMES::load(const std::string& path, SCHEME_CHOICE& choice, FileBytesResult* read) {
  std::string text;
  const FileBytesResult r = read_file_bytes(path, kMaxSchemeFileBytes, text);
  if (read) *read = r;
  if (r != FileBytesResult::Read) return -1;
  choice = SCHEME_CHOICE{};
  scheme_list_.clear();
  chosen_scheme_.clear();
  control_line_.clear();
  bool good_control_read = false;
  LineReader in(text);
  std::string line;
  while (in.next(line)) {
    if (line.empty()) continue;  // the window writes one when no control line was ever read
    if (line[0] != '-') {
      const auto at = std::lower_bound(scheme_list_.begin(), scheme_list_.end(), line, scheme_before);
      if (at == scheme_list_.end() || *at != line) scheme_list_.insert(at, line);
      continue;
    }
    // The choice is what the last control line that chose something chose: a
    // damaged control line after it neither clears it nor is written back in
    // its place.
    const bool choosing = line.size() >= 2 && (line[1] == '>' || line[1] == ':');
    const bool actual = choosing && line[1] == ':';
    if (!good_control_read) {
      control_line_ = line;
      if (choosing) choice.actual = actual;
    }
    if (!choosing) continue;
    std::string scheme;
    if (actual) {
      scheme = line.substr(2);
    } else {
      const std::string digits = line.substr(2, line.find('|', 2) - 2);
      const int k = field_value(digits).value;
      // An index beyond the schemes read so far chooses nothing.
      if (k < 0 || k >= static_cast<int>(scheme_list_.size())) continue;
      scheme = scheme_list_[k];
    }
    std::string name;
    SCHEME_COLOURS colours{};
    if (!parse_scheme_string(scheme, name, colours)) {
      ++choice.faulty;
      continue;
    }
    good_control_read = true;
    control_line_ = line;
    choice.colours_read = true;
    choice.colours = colours;
    choice.actual = actual;
    chosen_scheme_ = actual ? std::string() : scheme;
  }
  // Schemes after the control line move the chosen one down the list.
  if (!chosen_scheme_.empty())
    choice.chosen = static_cast<int>(std::lower_bound(scheme_list_.begin(), scheme_list_.end(), chosen_scheme_,
                                                      scheme_before) -
                                     scheme_list_.begin());
  return 1;
}

int CHART_COLOR_SCHEMES::save(const std::string& path, const std::string& control) const {
  ReplacingFile file(path);
  if (!file.is_open()) return -1;
  // Every reader takes "\r\n" as a line end: a line whose own text ends in
  // "\r" (read so from a file) gets one more before its "\n", so that it reads
  // back as itself and never merges with the same scheme without it.
  const auto write_line = [&file](const std::string& line) {
    file.out() << line;
    if (!line.empty() && line.back() == '\r') file.out() << '\r';
    file.out() << '\n';
  };
  for (const std::string& s : scheme_list_) write_line(s);
  write_line(control);
  return file.commit() ? 1 : -1;
}

std::vector<std::string> CHART_COLOR_SCHEMES::names() const {
  std::vector<std::string> out;
  out.reserve(scheme_list_.size());
  for (const std::string& s : scheme_list_) out.push_back(scheme_name(s));
  return out;
}

int CHART_COLOR_SCHEMES::index_of_name(const std::string& name) const {
  for (std::size_t i = 0; i < scheme_list_.size(); ++i)
    if (same_name(scheme_name(scheme_list_[i]), name)) return static_cast<int>(i);
  return -1;
}

CHART_COLOR_SCHEMES::SaveAs CHART_COLOR_SCHEMES::save_as(const std::string& name, const SCHEME_COLOURS& c,
                                                          int& position) {
  if (name.empty()) return SaveAs::NameMissing;
  if (index_of_name(name) >= 0) return SaveAs::NameDuplicated;
  const std::string scheme = name + make_scheme_string(c);
  if (name.find('|') != std::string::npos || name[0] == '-' || name.find('\n') != std::string::npos ||
      name.find('\r') != std::string::npos || scheme.size() > LineReader::kMaxLine)
    return SaveAs::NameUnfit;
  const auto at = std::lower_bound(scheme_list_.begin(), scheme_list_.end(), scheme, scheme_before);
  position = static_cast<int>(at - scheme_list_.begin());
  scheme_list_.insert(at, scheme);
  return SaveAs::Added;
}

bool CHART_COLOR_SCHEMES::remove(int index) {
  if (index < 0 || index >= static_cast<int>(scheme_list_.size())) return false;
  scheme_list_.erase(scheme_list_.begin() + index);
  return true;
}

std::string CHART_COLOR_SCHEMES::closing_control_line(bool ok_pressed, int chosen,
                                                      const SCHEME_COLOURS& panels) const {
  if (ok_pressed) {
    if (chosen >= 0) return "->" + std::to_string(chosen);
    return "-:Actual" + make_scheme_string(panels);
  }
  if (chosen_scheme_.empty() || control_line_.compare(0, 2, "->") != 0) return control_line_;
  const auto at = std::find(scheme_list_.begin(), scheme_list_.end(), chosen_scheme_);
  if (at == scheme_list_.end()) {
    std::string name;
    SCHEME_COLOURS c{};
    parse_scheme_string(chosen_scheme_, name, c);
    return "-:Actual" + make_scheme_string(c);
  }
  const int k = static_cast<int>(at - scheme_list_.begin());
  if (k == field_value(control_line_.substr(2, control_line_.find('|', 2) - 2)).value) return control_line_;
  return "->" + std::to_string(k);
}
