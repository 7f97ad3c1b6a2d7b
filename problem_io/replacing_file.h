#pragma once
// A file written beside its target and put in its place only when every byte
// went out: a failed or interrupted save never replaces or damages the file a
// planner already has. Only where no file can be made beside an existing,
// writable target is the target written in place; commit() then still says
// honestly whether the write succeeded. A link is followed to its file; a
// link that leads to no file (dangling, or a loop) is never written through.
#include <fstream>
#include <string>

class ReplacingFile {
 public:
  // Opens a new temporary file in the target's folder (or, failing that, an
  // existing writable target itself). Not open: a read-only target, a link to
  // no file, a missing folder.
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
  bool in_place_ = false;  // writing the target itself
};
