#pragma once
// A file written beside its target and put in its place only when every byte
// went out: a failed or interrupted save never replaces or damages the file a
// planner already has.
#include <fstream>
#include <string>

class ReplacingFile {
 public:
  // Opens a new temporary file in the target's folder.
  explicit ReplacingFile(std::string target);
  // Removes the temporary file unless it was committed.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  bool is_open() const { return out_.is_open(); }
  std::ostream& out() { return out_; }

  // Flushes, closes and renames the temporary file over the target; false
  // (the target untouched, the temporary file gone) when anything failed.
  bool commit();

 private:
  std::string target_;
  std::string temp_;
  std::ofstream out_;
  bool committed_ = false;
};
