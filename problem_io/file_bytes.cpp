#include "problem_io/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <string>

namespace {

// Closes the descriptor when the read ends, whichever way.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Reads into buffer[0..size) until it is full or the file ends; the number of
// bytes read, -1 on a read error.
long long read_up_to(int fd, char* buffer, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, buffer + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long long>(done);
}

}  // namespace

FileBytesResult read_file_bytes(const std::string& path, std::size_t max_bytes, std::string& bytes) {
  bytes.clear();
  bytes.shrink_to_fit();
  // O_NONBLOCK: opening a pipe nobody writes to must not wait; the type test
  // is made on this very descriptor, so nothing can be swapped in between the
  // test and the read.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) return FileBytesResult::CannotOpen;
  return read_descriptor_bytes(fd.get(), max_bytes, bytes);
}

FileBytesResult read_descriptor_bytes(int fd, std::size_t max_bytes, std::string& bytes) {
  bytes.clear();
  bytes.shrink_to_fit();
  struct stat st {};
  if (::fstat(fd, &st) != 0) return FileBytesResult::CannotOpen;
  if (!S_ISREG(st.st_mode)) return FileBytesResult::NotRegularFile;
  // The open had to be non-blocking only until the file was known to be a
  // regular one.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ((flags & O_NONBLOCK) && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0))
    return FileBytesResult::CannotOpen;
  if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > max_bytes) return FileBytesResult::TooLarge;
  const std::size_t size = static_cast<std::size_t>(st.st_size);
  try {
    bytes.resize(size);
  } catch (const std::bad_alloc&) {
    return FileBytesResult::OutOfMemory;
  }
  const long long got = read_up_to(fd, bytes.data(), size);
  if (got < 0) {
    bytes.clear();
    bytes.shrink_to_fit();
    return FileBytesResult::CannotOpen;
  }
  bytes.resize(static_cast<std::size_t>(got));
  // A file still growing: what was appended since the size was taken is read
  // too, within the same limit.
  char more[65536];
  for (;;) {
    const long long n = read_up_to(fd, more, sizeof more);
    if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > max_bytes) {
      const bool too_large = n >= 0;
      bytes.clear();
      bytes.shrink_to_fit();
      return too_large ? FileBytesResult::TooLarge : FileBytesResult::CannotOpen;
    }
    if (n == 0) break;
    try {
      bytes.append(more, static_cast<std::size_t>(n));
    } catch (const std::bad_alloc&) {
      bytes.clear();
      bytes.shrink_to_fit();
      return FileBytesResult::OutOfMemory;
    }
  }
  return FileBytesResult::Read;
}

bool refusal_names_reason(FileBytesResult r) {
  return r == FileBytesResult::NotRegularFile || r == FileBytesResult::TooLarge || r == FileBytesResult::OutOfMemory;
}

std::string file_refusal_text(FileBytesResult r, const std::string& path, std::size_t max_bytes) {
  const std::string head = "The file\n" + path + "\n";
  switch (r) {
    case FileBytesResult::NotRegularFile:
      return head + "is not a regular file (a folder, a pipe or a device).";
    case FileBytesResult::TooLarge:
      return head + "is too large to load (more than " + std::to_string(max_bytes / (1024 * 1024)) + " MB).";
    case FileBytesResult::OutOfMemory:
      return head + "cannot be loaded: the memory ran out.";
    case FileBytesResult::CannotOpen:
    case FileBytesResult::Read:
      break;
  }
  return head + "cannot be read.";
}

std::string load_failure_text(const std::exception& e, const std::string& path) {
  if (dynamic_cast<const std::bad_alloc*>(&e)) return file_refusal_text(FileBytesResult::OutOfMemory, path, 0);
  return "The file\n" + path + "\ncannot be loaded: " + e.what();
}
