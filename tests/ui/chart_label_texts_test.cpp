#include "ui/chart_label_texts.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(ChartLabelTexts, NumbersAndHundredthsInAndOutsideTheKeptRange) {
  const std::pair<int, const char*> numbers[] = {{0, "0"},         {7, "7"},          {15518, "15518"},
                                                 {1000000, "1000000"}, {1000001, "1000001"}, {-5, "-5"}};
  for (const auto& [n, text] : numbers) EXPECT_EQ(number_label(n), text) << n;
  // Trailing zeros of the hundredths are dropped.
  const std::pair<long long, const char*> hundredths[] = {
      {0, "0"},      {1, "0.01"},     {10, "0.1"},          {1050, "10.5"},   {1234, "12.34"},
      {5000, "50"},  {100000, "1000"}, {100001, "1000.01"}, {-320, "-3.2"},   {-7, "-0.07"}};
  for (const auto& [h, text] : hundredths) EXPECT_EQ(hundredths_label(h), text) << h;
}

TEST(ChartLabelTexts, LabelsStayIntactWhileManyMoreAreMade) {
  // Labels handed out early point into the first block of characters; the
  // store grows by new blocks and never moves an old one.
  const QString five = number_label(5);
  const QString half = hundredths_label(5000);
  std::vector<QString> many;
  for (int n = 0; n < 300000; n += 3) many.push_back(number_label(n));
  for (long long h = 0; h < 100000; h += 7) many.push_back(hundredths_label(h));
  EXPECT_EQ(five, "5");
  EXPECT_EQ(half, "50");
  EXPECT_EQ(many[1000], "3000");
  EXPECT_EQ(number_label(5).constData(), five.constData());  // the same kept text, not a new one
}
