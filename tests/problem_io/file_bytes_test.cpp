#include "problem_io/file_bytes.h"

#include <gtest/gtest.h>

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
