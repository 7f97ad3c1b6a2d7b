// The results window: the step-series filter, zoom and its undo, the
// colours of its points and the report memo. (The performance test's table
// and bars are tested with the scheduler window's "Test".)
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

#include "tests/ui/window_run_fixture.h"
#include "ui/chart_colors.h"
#include "ui/point_chart.h"
#include "ui/results_window.h"

namespace {

class ResultsWindow : public WindowRunTest {
 protected:
  QComboBox* filter() { return Form6->findChild<QComboBox*>(QStringLiteral("ComboBox1")); }
  // Steps 1..n: small late-order counts, setups around 40, completion in thousands.
  void fill_steps(int n) {
    for (int i = 1; i <= n; ++i) {
      const double values[5] = {double(i % 3), double(i), 50.0 + i, 40.0 + i % 5, 5000.0 + 10 * i};
      const ChartColour colours[5] = {ChartColour::Late, ChartColour::Intime, ChartColour::Planned, ChartColour::Setup,
                                      ChartColour::Constraint};
      for (int s = 0; s < 5; ++s) Form6->add_series_point(kStepSeries[s], i, values[s], QString::number(i), colours[s]);
    }
  }
  void choose(int index) {
    filter()->setFocus();
    while (filter()->currentIndex() < index) QTest::keyClick(filter(), Qt::Key_Down);
    while (filter()->currentIndex() > index) QTest::keyClick(filter(), Qt::Key_Up);
  }
};

TEST_F(ResultsWindow, TheFilterShowsOneSeriesScaledToItAndHoldsAcrossARefill) {
  Form6->show();
  fill_steps(10);
  EXPECT_EQ(filter()->currentText(), "All Obj. Functions");
  EXPECT_EQ(filter()->count(), 6);
  choose(4);  // "Num. of Setups"
  EXPECT_EQ(filter()->currentText(), "Num. of Setups");
  for (ResultSeries s : kStepSeries) EXPECT_EQ(Form6->series_active(s), s == ResultSeries::StepSetups);
  EXPECT_LT(Form6->step_chart()->y_range().y(), 100);  // completion times no longer set the scale
  EXPECT_GE(Form6->step_chart()->y_range().y(), 44);

  for (ResultSeries s : kStepSeries) Form6->clear_series(s);
  fill_steps(12);
  EXPECT_EQ(Form6->point_count(ResultSeries::StepCompletion), 12);  // hidden series keep their points
  for (ResultSeries s : kStepSeries) EXPECT_EQ(Form6->series_active(s), s == ResultSeries::StepSetups);

  choose(0);
  for (ResultSeries s : kStepSeries) EXPECT_TRUE(Form6->series_active(s));
  EXPECT_GE(Form6->step_chart()->y_range().y(), 5120);
}

TEST_F(ResultsWindow, UndoZoomShowsEveryPointIncludingThoseAddedWhileZoomed) {
  Form6->show();
  fill_steps(10);
  PointChart* chart = Form6->step_chart();
  chart->flush();
  chart->chart()->zoomIn(QRectF(chart->chart()->plotArea().center(), QSizeF(20, 20)));
  ASSERT_TRUE(chart->zoomed());
  const QPointF zoomed_x = chart->x_range();
  fill_steps(30);
  chart->flush();
  EXPECT_EQ(chart->x_range(), zoomed_x);  // new points do not move a zoomed view

  QTest::mouseClick(chart->viewport(), Qt::RightButton, {}, chart->viewport()->rect().center());
  EXPECT_FALSE(chart->zoomed());
  EXPECT_GE(chart->x_range().y(), 30);

  chart->chart()->zoomIn(QRectF(chart->chart()->plotArea().center(), QSizeF(20, 20)));
  choose(2);  // a new choice undoes the zoom as well
  EXPECT_FALSE(chart->zoomed());

  chart->chart()->zoomIn(QRectF(chart->chart()->plotArea().center(), QSizeF(20, 20)));
  Form6->clear_result_charts();  // so does the start of the next run
  EXPECT_FALSE(chart->zoomed());
}

// The colour of a point is the scheme's when it is added, not when the
// window was made.
TEST_F(ResultsWindow, PointsTakeTheCurrentSchemesColours) {
  Col_Setup = 0x00FF0000;  // blue in the BBGGRR form
  fill_steps(2);
  EXPECT_EQ(Form6->series_colour(ResultSeries::StepSetups), QColor(0, 0, 255));
}

TEST_F(ResultsWindow, AMemoLoadOfAnUnreadableReportLeavesNoStaleText) {
  auto* memo = Form6->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
  Form6->load_memo(ResultsMemo::Index, QString::fromStdString(dir.write("r.txt", "line one\nEnd of file.\n")));
  EXPECT_EQ(memo->toPlainText(), "line one\nEnd of file.\n");
  Form6->load_memo(ResultsMemo::Index, QString::fromStdString(dir.file("missing.txt")));
  EXPECT_EQ(memo->toPlainText(), "");
}

}  // namespace
