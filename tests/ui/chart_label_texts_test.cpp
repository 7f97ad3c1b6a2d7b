#include "ui/chart_label_texts.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ChartLabelTexts, NumbersInAndOutsideTheKeptRange) {
  EXPECT_EQ(number_label(0), "0");
  EXPECT_EQ(number_label(7), "7");
  EXPECT_EQ(number_label(15518), "15518");
  EXPECT_EQ(number_label(1000000), "1000000");
  EXPECT_EQ(number_label(1000001), "1000001");
  EXPECT_EQ(number_label(-5), "-5");
}

TEST(ChartLabelTexts, HundredthsDropTrailingZeros) {
  EXPECT_EQ(hundredths_label(0), "0");
  EXPECT_EQ(hundredths_label(1), "0.01");
  EXPECT_EQ(hundredths_label(10), "0.1");
  EXPECT_EQ(hundredths_label(1050), "10.5");
  EXPECT_EQ(hundredths_label(1234), "12.34");
  EXPECT_EQ(hundredths_label(5000), "50");
  EXPECT_EQ(hundredths_label(100000), "1000");
  EXPECT_EQ(hundredths_label(100001), "1000.01");  // beyond the kept texts
  EXPECT_EQ(hundredths_label(-320), "-3.2");
  EXPECT_EQ(hundredths_label(-7), "-0.07");
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
