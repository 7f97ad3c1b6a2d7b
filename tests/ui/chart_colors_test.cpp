#include "ui/chart_colors.h"

#include <gtest/gtest.h>

TEST(ChartColors, DefaultsReadAsBlueGreenRedFromHighToLowByte) {
  EXPECT_EQ(color_of(Col_Setup), QColor(255, 128, 0));  // orange, not blue
  EXPECT_EQ(color_of(Col_Intime), QColor(0, 255, 0));
  EXPECT_EQ(color_of(Col_Late), QColor(255, 0, 0));
  EXPECT_EQ(color_of(Col_Constraint), QColor(128, 128, 128));
  EXPECT_EQ(color_of(Col_Planned), QColor(255, 255, 255));
  EXPECT_EQ(chart_colour(ChartColour::Setup), QColor(255, 128, 0));
}

TEST(ChartColors, DialogColoursGoBackToTheirBlueGreenRedValue) {
  EXPECT_EQ(bgr_of(QColor(255, 128, 0)), 0x0080FF);
  EXPECT_EQ(bgr_of(QColor(1, 2, 3)), 0x030201);
  for (int v : {0x0080FF, 0x00FF00, 0x0000FF, 0x808080, 0xFFFFFF, 0x123456}) EXPECT_EQ(bgr_of(color_of(v)), v);
}
