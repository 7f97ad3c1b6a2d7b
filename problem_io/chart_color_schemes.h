#pragma once
// Named colour schemes of the charts and the file "chart_colors.cl" that keeps
// them in the program's folder: one scheme string per line, sorted by name,
// then one control line saying which colours were in use when the "Colors"
// window closed ("->k": scheme k of the sorted list; "-:Actual|c1|..|c5|":
// colours of no saved scheme).
//
// A scheme string is name|c1|c2|c3|c4|c5| with the five chart colours in the
// fixed order setup, in time, late, constraint window, planned window, each a
// signed decimal 0x00BBGGRR value.
//
// Never read past the list: an index or a line that names no scheme chooses
// nothing. Never lost on a failed save: the file is written beside its target
// and replaces it only when complete.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "problem_io/file_bytes.h"

using SCHEME_COLOURS = std::array<int, 5>;

constexpr SCHEME_COLOURS default_chart_colours = {0x0080FF, 0x00FF00, 0x0000FF, 0x808080, 0xFFFFFF};
constexpr const char* chart_colors_file_name = "chart_colors.cl";
// A scheme file larger than this is refused unread.
constexpr std::size_t kMaxSchemeFileBytes = std::size_t{16} << 20;

// The folder that holds the file: the program's own folder in the program, a
// temporary folder in tests; empty until set.
void set_chart_colors_folder(const std::string& folder);
const std::string& chart_colors_folder();
std::string chart_colors_path();

// "|c1|c2|c3|c4|c5|", the part of a scheme string after its name.
std::string make_scheme_string(const SCHEME_COLOURS& c);

// name: the text before the first "|" (all of it when there is none). The
// fields after it, each ended by "|", are read as atol reads them; further
// fields are ignored, text after the last "|" is no field. True, with the
// colours, only when exactly five fields were read; otherwise colours is left
// as it was and the caller shows "Error in selected color scheme: number of
// parameters!".
bool parse_scheme_string(const std::string& text, std::string& name, SCHEME_COLOURS& colours);

// What reading the file chose for the window.
struct SCHEME_CHOICE {
  bool colours_read = false;  // colours holds the chosen scheme's colours
  SCHEME_COLOURS colours{};
  int chosen = -1;            // "->k": the scheme's position in the list read, -1 none
  bool actual = false;        // "-:": colours of no saved scheme ("Actual scheme")
  int faulty = 0;             // chosen scheme strings without five values
};

class CHART_COLOR_SCHEMES {
 public:
  // Reads the file. 1 read: the list holds its schemes (sorted, an empty line
  // or a repeated one taken once), the last line beginning with "-" that
  // chose a scheme or colours becomes the control line (the last "-" line when
  // none did), and choice says what it chose; reading ends at a line longer
  // than 124 characters. -1 the file cannot be read (read, when given, says
  // why: missing or unreadable, not a regular file, larger than
  // kMaxSchemeFileBytes): nothing changes, the schemes of the last reading are
  // kept.
  int load(const std::string& path, SCHEME_CHOICE& choice, FileBytesResult* read = nullptr);
  // Writes the list and then control, one per line, so that load reads back
  // exactly these lines. 1 written; -1 not, and the earlier file is whole.
  int save(const std::string& path, const std::string& control) const;

  const std::vector<std::string>& schemes() const { return scheme_list_; }
  // The scheme names in list order: the combo's items.
  std::vector<std::string> names() const;
  // Position of the first scheme of that name, compared as the combo compares
  // its items (case ignored); -1 none.
  int index_of_name(const std::string& name) const;

  enum class SaveAs { Added, NameMissing, NameDuplicated, NameUnfit };
  // Adds name + make_scheme_string(c) at its sorted place (position). A name
  // holding "|", beginning with "-", or too long for a line of the file would
  // come back as another scheme or none: NameUnfit, nothing added.
  SaveAs save_as(const std::string& name, const SCHEME_COLOURS& c, int& position);
  // Removes scheme index; false when there is no such scheme.
  bool remove(int index);

  // The control line as last read ("" before any).
  const std::string& control_line() const { return control_line_; }
  // The control line written when the window closes. After "OK": "->k" for
  // the scheme at position k (chosen), "-:Actual" and the panels' colours for
  // -1. Otherwise the control line as read, its "->" index moved with its
  // scheme when schemes were added or removed meanwhile (the colours of a
  // removed scheme kept as "-:Actual").
  std::string closing_control_line(bool ok_pressed, int chosen, const SCHEME_COLOURS& panels) const;

 private:
  std::vector<std::string> scheme_list_;
  std::string control_line_;
  // The scheme string that the control line's "->" index named when read.
  std::string chosen_scheme_;
};

// Name of a scheme string: the text before its first "|".
std::string scheme_name(const std::string& scheme);
