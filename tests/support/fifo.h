#pragma once
// A named pipe (FIFO) in place of a file, for the loads that must refuse one
// without waiting for a writer. Should a load wrongly open it and wait, the
// pipe is opened for writing and closed again after a few seconds, so the
// load reads an empty file and its test fails instead of hanging.
#include <atomic>
#include <string>
#include <thread>

class Fifo {
 public:
  explicit Fifo(std::string path);
  ~Fifo();  // removes the pipe
  Fifo(const Fifo&) = delete;
  Fifo& operator=(const Fifo&) = delete;

  const std::string& path() const { return path_; }
  bool made() const { return made_; }

 private:
  std::string path_;
  bool made_ = false;
  std::atomic<bool> done_{false};
  std::thread watchdog_;
};
