// What the chart widgets draw, read back from their pixels and their axes:
// the utilisation bars with marks written upwards, and the iteration axis of
// the performance test's measuring bars.
#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QChart>
#include <QFontMetrics>
#include <QImage>

#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/bar_chart.h"
#include "ui/chart_colors.h"
#include "ui/paged_bar_chart.h"
#include "ui/results_window.h"

// Marks wider than their bars are written upwards above them; every bar after
// such a mark still stands upright at its own machine, filled to its value.
TEST(ChartDrawing, BarsAfterAnUpwardsMarkStandAtTheirMachines) {
  PagedBarChart chart(QStringLiteral("Machine Utilization"), 1);
  chart.bottom_axis.increment = 1.0;
  const int red = 0x0000FF;  // 0x00BBGGRR
  for (int m = 1; m <= 6; ++m)
    chart.series(0).AddXY(m, 15.0 * m, QStringLiteral("M%1 busy %2.00 %").arg(m).arg(15 * m), red);
  chart.resize(520, 360);
  chart.refresh();
  const QImage image = chart.grab().toImage();
  const PagedBarChart::View v = chart.view();
  const double unit = v.px(1.0) - v.px(0.0);
  const QFontMetrics fm(chart.font());
  // The marks are written upwards: wider than a bar, a line of text fits it.
  ASSERT_GT(fm.horizontalAdvance(QStringLiteral("M1 busy 15.00 %")), unit * 0.8 + 4);
  ASSERT_LE(fm.height(), unit * 0.8 + 4);
  const QRgb bar = color_of(red).rgb();
  const double base = v.py(0.0, false);
  for (int m = 1; m <= 6; ++m) {
    const double top = v.py(15.0 * m, false);
    ASSERT_GT(base - top, 8.0) << m;
    // Near the bar's foot, at its middle and below its top, at its centre.
    const int x = static_cast<int>(v.px(m));
    for (const double y : {base - 3, (base + top) / 2, top + 3})
      EXPECT_EQ(image.pixel(x, static_cast<int>(y)), bar) << "machine " << m << " at y " << y;
    // Beside the bar, between two machines, the plot shows no bar.
    EXPECT_NE(image.pixel(static_cast<int>(v.px(m + 0.5)), static_cast<int>(base - 3)), bar) << m;
  }
}

// "Measuring Goodness" counts iterations along its bottom axis: the bars are
// attached to an "Iteration" axis with one category per iteration.
TEST(ChartDrawing, MeasuringBarsStandOnTheIterationAxis) {
  AppWindows windows;
  ModalAnswerer user;
  Form6->clear_result_charts();
  Form6->show();
  BarChart* bars = Form6->measuring_chart();
  ASSERT_NE(bars, nullptr);
  Form6->add_series_point(ResultSeries::MeasuringRandom, 1, 12, QStringLiteral("12"), ChartColour::Late);
  Form6->add_series_point(ResultSeries::MeasuringSearch, 2, 7, QStringLiteral("7"), ChartColour::Intime);
  Form6->add_series_point(ResultSeries::MeasuringHeuristic, 3, 9, QStringLiteral("9"), ChartColour::Setup);
  const QList<QAbstractAxis*> bottom = bars->chart()->axes(Qt::Horizontal);
  ASSERT_EQ(bottom.size(), 1);
  auto* iterations = qobject_cast<QBarCategoryAxis*>(bottom[0]);
  ASSERT_NE(iterations, nullptr);
  EXPECT_EQ(iterations->titleText(), QStringLiteral("Iteration"));
  EXPECT_TRUE(iterations->isTitleVisible());
  EXPECT_EQ(iterations->categories(), QStringList({"1", "2", "3"}));
  const QList<QAbstractSeries*> series = bars->chart()->series();
  ASSERT_EQ(series.size(), 1);
  EXPECT_TRUE(series[0]->attachedAxes().contains(iterations));
  Form6->hide();
}
