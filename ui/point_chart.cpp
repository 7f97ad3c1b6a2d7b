#include "ui/point_chart.h"

#include <QChart>
#include <QImage>
#include <QPainter>
#include <QLineSeries>
#include <QTimer>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kMarkerSize = 7;

// One image stamped at every point. A series without a line draws these
// images in its paint pass; a scatter series would build one graphics item
// per point, which tens of thousands of steps cannot afford. The dark rim
// keeps white points visible on the white plot area.
QImage marker(const QColor& colour) {
  QImage image(kMarkerSize, kMarkerSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(64, 64, 64), 1));
  p.setBrush(colour);
  p.drawEllipse(QRectF(0.5, 0.5, kMarkerSize - 1, kMarkerSize - 1));
  return image;
}

// A tick step of 1, 2 or 5 times a power of ten that cuts span into at
// most about ten steps.
double tick_step(double span) {
  if (span <= 0) return 1;
  const double unit = std::pow(10.0, std::floor(std::log10(span / 10)));
  for (double f : {1.0, 2.0, 5.0})
    if (span / (f * unit) <= 10) return f * unit;
  return 10 * unit;
}

// [lo, hi] widened to whole tick steps, never empty.
struct AxisRange {
  double lo, hi, step;
};
AxisRange rounded_out(double lo, double hi) {
  if (hi <= lo) hi = lo + 1;
  const double step = tick_step(hi - lo);
  return {std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
}

// The axis draws one tick item per step: a larger step goes in before a
// wider range, a smaller one after a narrower range, so that no moment
// holds thousands of ticks.
void set_axis(QValueAxis* axis, const AxisRange& r) {
  const bool larger_step = r.step > axis->tickInterval();
  if (larger_step) axis->setTickInterval(r.step);
  if (axis->min() != r.lo || axis->max() != r.hi) axis->setRange(r.lo, r.hi);
  if (!larger_step && axis->tickInterval() != r.step) axis->setTickInterval(r.step);
}
}  // namespace

PointChart::PointChart(const QString& title, const QString& bottom_title, QWidget* parent)
    : ZoomChartView(new QChart, parent) {
  QChart* c = chart();
  c->setTitle(title);
  c->legend()->hide();
  x_axis_ = new QValueAxis;
  x_axis_->setTitleText(bottom_title);
  x_axis_->setLabelFormat(QStringLiteral("%.0f"));
  y_axis_ = new QValueAxis;
  y_axis_->setLabelFormat(QStringLiteral("%g"));
  c->addAxis(x_axis_, Qt::AlignBottom);
  c->addAxis(y_axis_, Qt::AlignLeft);
  for (QValueAxis* a : {x_axis_, y_axis_}) {
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(0);
    set_axis(a, {0, 1, 1});
    // A zoomed view gets ticks for its own span: ten or so, whatever it shows.
    connect(a, &QValueAxis::rangeChanged, this, [this, a](qreal lo, qreal hi) {
      if (!zoomed()) return;
      const double step = tick_step(hi - lo);
      if (step != a->tickInterval()) a->setTickInterval(step);
    });
  }
}

// The whole data comes back with the steps of its own span: set first, so
// that the wider range never meets the zoomed view's fine steps.
void PointChart::before_zoom_reset() {
  QRectF b;
  if (!data_bounds(b)) return;
  x_axis_->setTickInterval(rounded_out(std::min(b.left(), 0.0), b.right() + 1).step);
  y_axis_->setTickInterval(rounded_out(std::min(b.top(), 0.0), b.bottom() * 1.02 + 0.5).step);
}

int PointChart::add_series(const QString& name) {
  Series s;
  s.series = new QLineSeries;
  s.series->setPen(Qt::NoPen);  // points only, never joined
  s.series->setPointsVisible(true);
  s.series->setMarkerSize(kMarkerSize);
  s.series->setObjectName(name);
  s.series->setName(name);
  chart()->addSeries(s.series);
  s.series->attachAxis(x_axis_);
  s.series->attachAxis(y_axis_);
  set_colour(s, Qt::gray);
  series_.push_back(s);
  return static_cast<int>(series_.size()) - 1;
}

void PointChart::set_colour(Series& s, const QColor& colour) {
  s.colour = colour;
  s.series->setLightMarker(marker(colour));
}

void PointChart::add_point(int series, double x, double y, const QColor& colour) {
  Series& s = series_[series];
  if (colour != s.colour) set_colour(s, colour);
  s.pending.emplace_back(x, y);
  if (!s.has_bounds) {
    s.has_bounds = true;
    s.min_x = s.max_x = x;
    s.min_y = s.max_y = y;
  } else {
    s.min_x = std::min(s.min_x, x);
    s.max_x = std::max(s.max_x, x);
    s.min_y = std::min(s.min_y, y);
    s.max_y = std::max(s.max_y, y);
  }
  changed();
}

void PointChart::changed() {
  axes_dirty_ = true;
  if (flush_queued_ || !isVisible()) return;
  flush_queued_ = true;
  QTimer::singleShot(0, this, [this] {
    flush_queued_ = false;
    if (isVisible()) flush();
  });
}

void PointChart::showEvent(QShowEvent* event) {
  flush();
  ZoomChartView::showEvent(event);
}

void PointChart::clear_series(int series) {
  Series& s = series_[series];
  s.pending.clear();
  // Emptied at the flush: a chart out of view keeps its drawn points until
  // it is looked at again, instead of tearing them down mid-search.
  s.reset = true;
  s.has_bounds = false;
  changed();
}

void PointChart::flush() {
  for (Series& s : series_) {
    if (s.pending.empty() && !s.reset) continue;
    // One replace of the whole list redraws once; appending a list would
    // redraw the series once per point.
    QList<QPointF> points = s.reset ? QList<QPointF>() : s.series->points();
    points.append(QList<QPointF>(s.pending.begin(), s.pending.end()));
    s.series->replace(points);
    s.pending.clear();
    s.reset = false;
  }
  if (axes_dirty_ && !zoomed()) fit_axes();
}

int PointChart::point_count(int series) {
  flush();
  return static_cast<int>(series_[series].series->count());
}

QPointF PointChart::point(int series, int index) {
  flush();
  return series_[series].series->at(index);
}

QColor PointChart::colour(int series) const { return series_[series].colour; }

void PointChart::set_active(int series, bool active) {
  series_[series].series->setVisible(active);
  changed();
}

bool PointChart::active(int series) const { return series_[series].series->isVisible(); }

QPointF PointChart::x_range() {
  flush();
  return {x_axis_->min(), x_axis_->max()};
}

QPointF PointChart::y_range() {
  flush();
  return {y_axis_->min(), y_axis_->max()};
}

bool PointChart::data_bounds(QRectF& b) const {
  bool any = false;
  double min_x = 0, max_x = 0, min_y = 0, max_y = 0;
  for (const Series& s : series_) {
    if (!s.has_bounds || !s.series->isVisible()) continue;
    if (!any) {
      min_x = s.min_x, max_x = s.max_x, min_y = s.min_y, max_y = s.max_y;
      any = true;
      continue;
    }
    min_x = std::min(min_x, s.min_x);
    max_x = std::max(max_x, s.max_x);
    min_y = std::min(min_y, s.min_y);
    max_y = std::max(max_y, s.max_y);
  }
  b = QRectF(QPointF(min_x, min_y), QPointF(max_x, max_y));
  return any;
}

void PointChart::fit_axes() {
  axes_dirty_ = false;
  QRectF b;
  if (!data_bounds(b)) {
    set_axis(x_axis_, {0, 1, 1});
    set_axis(y_axis_, {0, 1, 1});
    return;
  }
  // Steps from 0 (or 1) on; values from 0 up unless some are negative.
  set_axis(x_axis_, rounded_out(std::min(b.left(), 0.0), b.right() + 1));
  set_axis(y_axis_, rounded_out(std::min(b.top(), 0.0), b.bottom() * 1.02 + 0.5));
}
