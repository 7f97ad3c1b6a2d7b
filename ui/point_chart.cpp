#include "ui/point_chart.h"

#include <QChart>
#include <QImage>
#include <QPainter>
#include <QScatterSeries>
#include <QTimer>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kMarkerSize = 7;

// One image stamped at every point: drawn in the paint pass, not one
// graphics item per point, so thousands of points stay cheap. The dark rim
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

// Bounds with a margin, never empty.
QPointF padded(double lo, double hi, bool from_zero) {
  if (from_zero) lo = std::min(lo, 0.0);
  if (hi <= lo) hi = lo + 1;
  const double pad = (hi - lo) * 0.05;
  return {from_zero && lo >= 0 ? lo : lo - pad, hi + pad};
}
}  // namespace

PointChart::PointChart(const QString& title, const QString& bottom_title, QWidget* parent)
    : ZoomChartView(new QChart, parent) {
  QChart* c = chart();
  c->setTitle(title);
  c->legend()->hide();
  x_axis_ = new QValueAxis;
  x_axis_->setTitleText(bottom_title);
  x_axis_->setLabelFormat(QStringLiteral("%d"));
  y_axis_ = new QValueAxis;
  y_axis_->setLabelFormat(QStringLiteral("%g"));
  c->addAxis(x_axis_, Qt::AlignBottom);
  c->addAxis(y_axis_, Qt::AlignLeft);
  x_axis_->setRange(0, 1);
  y_axis_->setRange(0, 1);
}

int PointChart::add_series(const QString& name) {
  Series s;
  s.series = new QScatterSeries;
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
  s.series->setColor(colour);
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
  if (!flush_queued_) {
    flush_queued_ = true;
    QTimer::singleShot(0, this, &PointChart::flush);
  }
}

void PointChart::clear_series(int series) {
  Series& s = series_[series];
  s.pending.clear();
  s.series->clear();
  s.has_bounds = false;
  if (!zoomed()) fit_axes();
}

void PointChart::flush() {
  flush_queued_ = false;
  bool added = false;
  for (Series& s : series_) {
    if (s.pending.empty()) continue;
    s.series->append(QList<QPointF>(s.pending.begin(), s.pending.end()));
    s.pending.clear();
    added = true;
  }
  if (added && !zoomed()) fit_axes();
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
  if (!zoomed()) fit_axes();
}

bool PointChart::active(int series) const { return series_[series].series->isVisible(); }

QPointF PointChart::x_range() const { return {x_axis_->min(), x_axis_->max()}; }
QPointF PointChart::y_range() const { return {y_axis_->min(), y_axis_->max()}; }

void PointChart::fit_axes() {
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
  if (!any) {
    x_axis_->setRange(0, 1);
    y_axis_->setRange(0, 1);
    return;
  }
  const QPointF x = padded(min_x, max_x, false);
  const QPointF y = padded(min_y, max_y, true);
  x_axis_->setRange(std::floor(x.x()), std::ceil(x.y()));
  y_axis_->setRange(y.x(), y.y());
  x_axis_->applyNiceNumbers();
  y_axis_->applyNiceNumbers();
}
