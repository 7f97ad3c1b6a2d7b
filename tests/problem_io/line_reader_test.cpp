#include "problem_io/line_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/temp_dir.h"

TEST(LineReader, SplitsLinesDropsLineEndsAndStopsBeforeALineOver124) {
  TempDir dir;
  const std::string ok(124, '1');
  LineReader r(dir.write("a.txt", "001|1\r\n\n" + ok + "\r\nlast\n" + std::string(125, '2') + "\n001\n"));
  std::vector<std::string> lines;
  std::string line;
  while (r.next(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"001|1", "", ok, "last"}));
  EXPECT_TRUE(r.stopped_at_long_line());
  EXPECT_FALSE(r.next(line));

  LineReader missing(dir.file("none.txt"));
  EXPECT_FALSE(missing.is_open());
  EXPECT_FALSE(missing.next(line));
  LineReader folder(dir.path());
  EXPECT_FALSE(folder.is_open());
  EXPECT_FALSE(folder.next(line));
}
