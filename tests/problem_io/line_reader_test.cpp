#include "problem_io/line_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/temp_dir.h"

namespace {
std::vector<std::string> all_lines(const std::string& path) {
  LineReader r(path);
  std::vector<std::string> lines;
  std::string line;
  while (r.next(line)) lines.push_back(line);
  return lines;
}
}  // namespace

TEST(LineReader, SplitsLinesAndDropsLineEnds) {
  TempDir dir;
  EXPECT_EQ(all_lines(dir.write("a.txt", "001|1\r\n\n100|0\nlast")),
            (std::vector<std::string>{"001|1", "", "100|0", "last"}));
  EXPECT_TRUE(all_lines(dir.write("e.txt", "")).empty());
}

TEST(LineReader, LongLineEndsTheReadingBeforeIt) {
  TempDir dir;
  const std::string ok(124, '1');
  const std::string too_long(125, '2');
  const std::string path = dir.write("b.txt", ok + "\n" + too_long + "\n001\n");
  EXPECT_EQ(all_lines(path), std::vector<std::string>{ok});
  LineReader r(path);
  std::string line;
  while (r.next(line)) {
  }
  EXPECT_TRUE(r.stopped_at_long_line());
}

TEST(LineReader, MissingFileIsNotOpen) {
  LineReader r("/nonexistent/dir/file.txt");
  EXPECT_FALSE(r.is_open());
  std::string line;
  EXPECT_FALSE(r.next(line));
}
