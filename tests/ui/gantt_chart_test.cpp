#include "ui/gantt_chart.h"

#include <QTest>
#include <gtest/gtest.h>

#include "ui/chart_colors.h"

namespace {
// Rows 1..n, each with one bar from 10 r to 10 r + 50.
void add_rows(GanttChart& c, int n) {
  for (int r = 1; r <= n; ++r) c.series(0).AddGanttColor(10 * r, 10 * r + 50, r, QString::number(r), Col_Intime);
  c.refresh();
}

QPoint at(const GanttChart& c, double time, double row) {
  const ChartFrame::View v = c.view();
  return QPoint(static_cast<int>(v.px(time)), static_cast<int>(v.py(row, true)));
}
}  // namespace

TEST(GanttChart, RowsRunDownFromOneAndLabelsGroupThousands) {
  EXPECT_EQ(grouped_number(1000, 0), "1,000");
  EXPECT_EQ(grouped_number(16000, 0), "16,000");
  EXPECT_EQ(grouped_number(999, 0), "999");
  EXPECT_EQ(grouped_number(12.5, 3), "12.5");
  GanttChart c(QStringLiteral("Job Gantt"), QStringLiteral("J"));
  c.resize(800, 600);
  add_rows(c, 5);
  const ChartFrame::View v = c.view();
  EXPECT_LT(v.py(1, true), v.py(5, true));  // row 1 at the top
  EXPECT_LE(v.y0, 1.0);
  EXPECT_GE(v.y1, 5.0);
  EXPECT_EQ(v.x0, 10.0);
  EXPECT_EQ(v.x1, 100.0);
  EXPECT_TRUE(c.accessibleDescription().contains("5 bars in rows J1 to J5"));
}

TEST(GanttChart, ClickedFindsTheTopmostBarUnderThePoint) {
  GanttChart c(QStringLiteral("Machine Gantt"), QStringLiteral("M"));
  c.resize(800, 600);
  add_rows(c, 5);
  c.series(0).AddGanttColor(30, 40, 3.2, QStringLiteral("late"), Col_Late);  // drawn over row 3's bar
  EXPECT_EQ(c.Clicked(0, at(c, 35, 3.2).x(), at(c, 35, 3.2).y()), 5);
  EXPECT_EQ(c.Clicked(0, at(c, 75, 3).x(), at(c, 75, 3).y()), 2);
  EXPECT_EQ(c.Clicked(0, at(c, 95, 3).x(), at(c, 95, 3).y()), -1);   // beyond the bar's end
  EXPECT_EQ(c.Clicked(0, at(c, 35, 3.6).x(), at(c, 35, 3.6).y()), -1);  // between rows
  EXPECT_EQ(c.Clicked(1, at(c, 35, 3).x(), at(c, 35, 3).y()), -1);   // the empty overlay series
  c.series(0).Active = false;
  EXPECT_EQ(c.Clicked(0, at(c, 35, 3).x(), at(c, 35, 3).y()), -1);
}

TEST(GanttChart, DraggingARectangleZoomsAndDraggingBackUndoes) {
  GanttChart c(QStringLiteral("Order Gantt"), QStringLiteral("O"));
  c.resize(800, 600);
  add_rows(c, 10);
  const ChartFrame::View full = c.view();
  const QPoint from = at(c, 40, 2.5), to = at(c, 80, 5.5);
  QTest::mousePress(&c, Qt::LeftButton, {}, from);
  QTest::mouseMove(&c, to);
  QTest::mouseRelease(&c, Qt::LeftButton, {}, to);
  ASSERT_TRUE(c.zoomed());
  const ChartFrame::View zoomed = c.view();
  EXPECT_NEAR(zoomed.x0, 40, 0.5);
  EXPECT_NEAR(zoomed.x1, 80, 0.5);
  EXPECT_NEAR(zoomed.y0, 2.5, 0.02);
  EXPECT_NEAR(zoomed.y1, 5.5, 0.02);
  // Hit testing follows the zoomed axes.
  EXPECT_EQ(c.Clicked(0, at(c, 60, 4).x(), at(c, 60, 4).y()), 3);
  EXPECT_FALSE(c.grab().isNull());
  // A drag to the left undoes the zoom.
  QTest::mousePress(&c, Qt::LeftButton, {}, to);
  QTest::mouseRelease(&c, Qt::LeftButton, {}, from);
  EXPECT_FALSE(c.zoomed());
  EXPECT_EQ(c.view().x1, full.x1);
  EXPECT_EQ(c.view().y0, full.y0);
  // A fixed time maximum holds until it is made automatic again.
  c.bottom_axis.auto_maximum = false;
  c.bottom_axis.maximum = 500;
  EXPECT_EQ(c.view().x1, 500.0);
  c.bottom_axis.auto_maximum = true;
  EXPECT_EQ(c.view().x1, 150.0);
}

TEST(GanttChart, EmptyAndDegenerateChartsPaint) {
  GanttChart c(QStringLiteral("Job Gantt"), QStringLiteral("J"));
  c.resize(400, 300);
  EXPECT_FALSE(c.grab().isNull());  // no bars at all
  c.series(0).AddGanttColor(7, 7, 1, QStringLiteral("1"), Col_Setup);  // one bar of length 0
  c.refresh();
  const ChartFrame::View v = c.view();
  EXPECT_GT(v.x1, v.x0);
  EXPECT_GT(v.y1, v.y0);
  c.set_view_3d(true);
  EXPECT_FALSE(c.grab().isNull());
  c.zoom_to(5, 5, 1, 2);  // an empty rectangle is no zoom
  EXPECT_FALSE(c.zoomed());
}

// Labels never step finer than the axis writes them: an empty time axis over
// 0..1 labels 0 and 1 once each, not "0 0 0 ... 1 1".
TEST(GanttChart, LabelStepsAreNeverFinerThanTheLabelsDecimals) {
  GanttChart c(QStringLiteral("Job Gantt"), QStringLiteral("J"));
  EXPECT_EQ(label_step(c.bottom_axis, 1.0, 800, 40), 1.0);
  EXPECT_EQ(label_step(c.bottom_axis, 10000.0, 800, 40), 500.0);
  ChartAxis percent;
  percent.decimals = 2;
  EXPECT_EQ(label_step(percent, 0.05, 800, 40), 0.01);
  percent.increment = 3.0;
  EXPECT_EQ(label_step(percent, 100.0, 800, 40), 6.0);
}
