#include "problem_io/file_bytes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <new>
#include <stdexcept>
#include <string>

#include "tests/support/fifo.h"
#include "tests/support/temp_dir.h"

// A regular file is read whole, byte for byte; at the limit it is still read,
// one byte beyond it is refused with nothing held.
TEST(FileBytes, ReadsARegularFileWholeUpToTheLimit) {
  TempDir dir;
  const std::string text = std::string("001|2\r\n\0x\n", 10) + std::string(70000, '7');
  const std::string path = dir.write("p.txt", text);
  std::string bytes = "old";
  EXPECT_EQ(read_file_bytes(path, text.size(), bytes), FileBytesResult::Read);
  EXPECT_EQ(bytes, text);
  EXPECT_EQ(read_file_bytes(path, text.size() - 1, bytes), FileBytesResult::TooLarge);
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(read_file_bytes(dir.write("empty.txt", ""), 0, bytes), FileBytesResult::Read);
  EXPECT_EQ(read_file_bytes(dir.file("missing.txt"), 100, bytes), FileBytesResult::CannotOpen);
}

// A pipe, a folder and a device are refused on the descriptor, without
// waiting for a writer and without reading a byte.
TEST(FileBytes, RefusesWhatIsNoRegularFileWithoutWaiting) {
  TempDir dir;
  const Fifo fifo(dir.file("pipe.txt"));
  ASSERT_TRUE(fifo.made());
  std::string bytes;
  for (const std::string& path : {fifo.path(), dir.path(), std::string("/dev/zero")}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(read_file_bytes(path, 1000, bytes), FileBytesResult::NotRegularFile);
    EXPECT_TRUE(bytes.empty());
  }
  EXPECT_EQ(file_refusal_text(FileBytesResult::NotRegularFile, "/x/p.txt", 0),
            "The file\n/x/p.txt\nis not a regular file (a folder, a pipe or a device).");
  EXPECT_EQ(file_refusal_text(FileBytesResult::TooLarge, "p", std::size_t{3} << 20),
            "The file\np\nis too large to load (more than 3 MB).");
}

// The descriptor is opened non-blocking so that a pipe never makes the open
// wait; once it is known to be a regular file it reads blocking again (some
// network and FUSE file systems would otherwise end a read halfway). A pipe
// keeps its flags: it is refused, not read.
TEST(FileBytes, ARegularFileIsReadWithBlockingReads) {
  TempDir dir;
  const std::string path = dir.write("p.txt", "001|1|1|1\n");
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  std::string bytes;
  EXPECT_EQ(read_descriptor_bytes(fd, 100, bytes), FileBytesResult::Read);
  EXPECT_EQ(bytes, "001|1|1|1\n");
  EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
  ::close(fd);

  const Fifo fifo(dir.file("pipe.txt"));
  ASSERT_TRUE(fifo.made());
  const int pipe_fd = ::open(fifo.path().c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(pipe_fd, 0);
  EXPECT_EQ(read_descriptor_bytes(pipe_fd, 100, bytes), FileBytesResult::NotRegularFile);
  EXPECT_NE(::fcntl(pipe_fd, F_GETFL) & O_NONBLOCK, 0);
  ::close(pipe_fd);
}

// Memory running out is said as such, never as a file too large.
TEST(FileBytes, MemoryRunningOutIsNamedWithTheFile) {
  EXPECT_EQ(file_refusal_text(FileBytesResult::OutOfMemory, "/x/p.txt", std::size_t{2048} << 20),
            "The file\n/x/p.txt\ncannot be loaded: the memory ran out.");
  EXPECT_EQ(load_failure_text(std::bad_alloc(), "p"), "The file\np\ncannot be loaded: the memory ran out.");
  EXPECT_EQ(load_failure_text(std::length_error("vector::reserve"), "p"),
            "The file\np\ncannot be loaded: vector::reserve");
}
