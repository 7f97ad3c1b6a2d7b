#pragma once
// A save-file dialog as the file writers see it: they set the initial folder,
// the proposed name and the filter, call Execute, and read back the chosen
// name and the chosen filter. The window supplies the real dialog; tests
// supply one that answers at once. FilterIndex (1-based) keeps the user's last
// choice from one Execute to the next unless a writer sets it.
#include <string>

class SaveDialog {
 public:
  virtual ~SaveDialog() = default;

  std::string InitialDir;
  std::string FileName;
  // "Description (*.ext)|*.ext|Description|*.ext" pairs.
  std::string Filter;
  int FilterIndex = 1;

  // True when the user chose a name (FileName and FilterIndex then hold the
  // choice); false when cancelled.
  virtual bool Execute() = 0;
};
