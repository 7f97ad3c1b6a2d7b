#pragma once
// A chart of point series whose axes follow the data: the bottom axis spans
// the x values of the shown series, the left one 0 (or the smallest value)
// to the largest value, both rounded out to whole tick steps. Points are
// collected and handed to the chart together at the next pass of the event
// loop, or when the chart comes into view, so a solver that adds thousands
// of points at the end of a run, or the live chart adding a few steps per
// refresh, costs one redraw each time, never one per point, and a chart
// nobody looks at costs nothing while the search runs. A hidden (inactive)
// series keeps its points; the axes then follow the shown series only.
#include <QColor>
#include <QString>
#include <vector>

#include "ui/zoom_chart_view.h"

class QLineSeries;
class QValueAxis;

class PointChart : public ZoomChartView {
  Q_OBJECT
 public:
  PointChart(const QString& title, const QString& bottom_title, QWidget* parent = nullptr);

  // A new series; its index is the number of series before it.
  int add_series(const QString& name);
  // Queues a point; the series takes the colour of its points.
  void add_point(int series, double x, double y, const QColor& colour);
  void clear_series(int series);
  // Hands the queued points to the chart now and fits the axes (the event
  // loop does it otherwise, once the chart is in view).
  void flush();

  int point_count(int series);
  QPointF point(int series, int index);
  QColor colour(int series) const;
  void set_active(int series, bool active);
  bool active(int series) const;
  // The visible range of the axes, after a flush.
  QPointF x_range();
  QPointF y_range();

 protected:
  void fit_axes() override;
  void before_zoom_reset() override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Series {
    QLineSeries* series = nullptr;
    std::vector<QPointF> pending;
    bool reset = false;  // cleared since the last flush: pending replaces the points
    QColor colour;
    bool has_bounds = false;
    double min_x = 0, max_x = 0, min_y = 0, max_y = 0;
  };
  void set_colour(Series& s, const QColor& colour);
  // Something changed: flush at the next event pass when in view.
  void changed();
  // The bounds of the shown series: x, then y; false when none has a point.
  bool data_bounds(QRectF& x_then_y) const;

  std::vector<Series> series_;
  QValueAxis* x_axis_;
  QValueAxis* y_axis_;
  bool flush_queued_ = false;
  bool axes_dirty_ = false;
};
