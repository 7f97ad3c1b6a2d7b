#pragma once
#include <string>

// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string file(const std::string& name) const;
  // Writes text to path()/name and returns the full path.
  std::string write(const std::string& name, const std::string& text) const;

 private:
  std::string path_;
};

// The whole content of a file ("" when it cannot be read).
std::string read_file(const std::string& path);
