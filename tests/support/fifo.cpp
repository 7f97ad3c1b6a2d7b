#include "tests/support/fifo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <utility>

Fifo::Fifo(std::string path) : path_(std::move(path)) {
  made_ = ::mkfifo(path_.c_str(), 0600) == 0;
  if (!made_) return;
  watchdog_ = std::thread([this] {
    const auto release_at = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!done_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      if (std::chrono::steady_clock::now() < release_at) continue;
      // Succeeds only while a reader waits on the pipe; closing it ends that read.
      const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
    }
  });
}

Fifo::~Fifo() {
  done_ = true;
  if (watchdog_.joinable()) watchdog_.join();
  if (made_) ::unlink(path_.c_str());
}
