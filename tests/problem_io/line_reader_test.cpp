#include "problem_io/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Missing files and folders are refused by every reader (see their tests).
TEST(LineReader, SplitsLinesDropsLineEndsAndStopsForGoodBeforeALineOver124) {
  const std::string ok(124, '1');
  const std::string text = "001|1\r\n\n" + ok + "\r\nlast\n" + std::string(125, '2') + "\n001\n";
  LineReader r(text);
  std::vector<std::string> lines;
  std::string line;
  while (r.next(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"001|1", "", ok, "last"}));
  EXPECT_TRUE(r.stopped_at_long_line());
  EXPECT_FALSE(r.next(line));
  // The last line needs no line end; a line end alone is no further line.
  LineReader tail("a\nb");
  std::string_view view;
  ASSERT_TRUE(tail.next(view) && tail.next(view));
  EXPECT_EQ(view, "b");
  EXPECT_FALSE(tail.next(view) || LineReader("").next(view));
}
