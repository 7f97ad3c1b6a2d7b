#include "problem_io/line_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/temp_dir.h"

// Missing files and folders are refused by every reader (see their tests).
TEST(LineReader, SplitsLinesDropsLineEndsAndStopsForGoodBeforeALineOver124) {
  TempDir dir;
  const std::string ok(124, '1');
  LineReader r(dir.write("a.txt", "001|1\r\n\n" + ok + "\r\nlast\n" + std::string(125, '2') + "\n001\n"));
  std::vector<std::string> lines;
  std::string line;
  while (r.next(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"001|1", "", ok, "last"}));
  EXPECT_TRUE(r.stopped_at_long_line());
  EXPECT_FALSE(r.next(line));
}
