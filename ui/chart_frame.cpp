#include "ui/chart_frame.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

QString grouped_number(double v, int decimals) {
  static const QLocale english(QLocale::English, QLocale::UnitedStates);
  QString s = english.toString(v, 'f', decimals);
  if (decimals > 0 && s.contains(QLatin1Char('.'))) {
    while (s.endsWith(QLatin1Char('0'))) s.chop(1);
    if (s.endsWith(QLatin1Char('.'))) s.chop(1);
  }
  if (s == QLatin1String("-0")) s = QStringLiteral("0");
  return s;
}

double label_step(const ChartAxis& a, double range, double pixels, double min_gap) {
  if (!(range > 0.0) || !(pixels > 0.0)) return 1.0;
  const double wanted = range * min_gap / pixels;  // the smallest value step that fits
  double step = std::pow(10.0, std::floor(std::log10(wanted)));
  for (double f : {1.0, 2.0, 5.0, 10.0}) {
    if (step * f >= wanted) {
      step *= f;
      break;
    }
  }
  step = std::max(step, std::pow(10.0, -std::max(a.decimals, 0)));
  if (a.increment > 0.0 && step < a.increment) step = a.increment;
  if (a.increment > 0.0) step = std::ceil(step / a.increment - 1e-9) * a.increment;
  return step;
}

namespace {
constexpr int kDepth = 12;       // 3-D depth of the walls and boxes in pixels
constexpr int kMaxLabels = 400;  // a safety bound on the labels of one axis

void resolve(const ChartAxis& a, double lo, double hi, bool have_data, double& out0, double& out1) {
  if (!have_data) {
    lo = 0.0;
    hi = 1.0;
  }
  lo -= a.margin;
  hi += a.margin;
  out0 = a.auto_minimum ? lo : a.minimum;
  out1 = a.auto_maximum ? hi : a.maximum;
  if (!(out1 > out0)) out1 = out0 + 1.0;  // one value or a reversed range: never a zero width
}

QString label_text(const ChartAxis& a, double v) { return a.prefix + grouped_number(v, a.decimals); }
}  // namespace

ChartFrame::ChartFrame(QWidget* parent) : QWidget(parent) {
  setMinimumSize(200, 150);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

void ChartFrame::set_title(const QString& t) {
  title_ = t;
  update();
}

void ChartFrame::set_view_3d(bool on) {
  view_3d_ = on;
  update();
}

void ChartFrame::undo_zoom() {
  zoomed_ = false;
  update();
}

void ChartFrame::zoom_to(double x0, double x1, double y0, double y1) {
  if (!(x1 > x0) || !(y1 > y0)) return;
  zoom_x0_ = x0;
  zoom_x1_ = x1;
  zoom_y0_ = y0;
  zoom_y1_ = y1;
  zoomed_ = true;
  update();
}

ChartFrame::View ChartFrame::view() const {
  View v;
  double dx0 = 0, dx1 = 1, dy0 = 0, dy1 = 1;
  const bool have = data_bounds(dx0, dx1, dy0, dy1);
  resolve(bottom_axis, dx0, dx1, have, v.x0, v.x1);
  resolve(left_axis, dy0, dy1, have, v.y0, v.y1);
  if (left_axis.max_unit_pixels > 0.0 && left_axis.automatic()) {
    const double least_range = height() / left_axis.max_unit_pixels;
    if (v.y1 - v.y0 < least_range) v.y1 = v.y0 + least_range;
  }
  if (zoomed_) {
    v.x0 = zoom_x0_;
    v.x1 = zoom_x1_;
    v.y0 = zoom_y0_;
    v.y1 = zoom_y1_;
  }
  v.depth = view_3d_ ? kDepth : 0;
  const QFontMetrics fm(font());
  const int widest = std::max(fm.horizontalAdvance(label_text(left_axis, v.y0)),
                              fm.horizontalAdvance(label_text(left_axis, v.y1)));
  const int left = 8 + (left_axis.title.isEmpty() ? 0 : fm.height() + 4) + widest + 6;
  const int top = 6 + (title_.isEmpty() ? 0 : fm.height() + 6) + v.depth;
  const int bottom = 6 + fm.height() + 4 + (bottom_axis.title.isEmpty() ? 0 : fm.height() + 4);
  const int right = 16 + v.depth + fm.horizontalAdvance(label_text(bottom_axis, v.x1)) / 2;
  v.plot = QRect(left, top, std::max(10, width() - left - right), std::max(10, height() - top - bottom));
  return v;
}

void ChartFrame::draw_box(QPainter& p, const QRectF& r, const QColor& c, int depth) {
  p.fillRect(r, c);
  if (depth > 0) draw_faces(p, r, QBrush(shade(c.rgb(), 80)), QBrush(shade(c.rgb(), 62)), depth);
}

void ChartFrame::draw_faces(QPainter& p, const QRectF& r, const QBrush& top, const QBrush& side, int depth) {
  const double d = depth;
  const QPointF top_face[4] = {r.topLeft(), QPointF(r.left() + d, r.top() - d), QPointF(r.right() + d, r.top() - d),
                               r.topRight()};
  const QPointF side_face[4] = {r.topRight(), QPointF(r.right() + d, r.top() - d),
                                QPointF(r.right() + d, r.bottom() - d), r.bottomRight()};
  p.setPen(Qt::NoPen);
  p.setBrush(top);
  p.drawPolygon(top_face, 4);
  p.setBrush(side);
  p.drawPolygon(side_face, 4);
}

void ChartFrame::paint_axes(QPainter& p, const View& v) {
  const QFontMetrics fm(font());
  const QRect& r = v.plot;
  const int d = v.depth;
  // Grid lines are one-pixel fills: the painter's quickest way to a straight line.
  const QColor grid(0xD0, 0xD0, 0xD0);
  p.setPen(Qt::black);
  // Left axis: labels and grid lines across the back wall.
  // Row axes label every row that has room; value axes leave a line between labels.
  const double y_gap = left_axis.increment > 0.0 ? fm.height() + 4 : 2.0 * fm.height();
  const double ystep = label_step(left_axis, v.y1 - v.y0, r.height(), y_gap);
  double y = std::ceil(v.y0 / ystep - 1e-9) * ystep;
  double y_last = v.y1;
  double dx0 = 0, dx1 = 0, dy0 = 0, dy1 = 0;
  if (left_axis.labels_within_data) {
    if (data_bounds(dx0, dx1, dy0, dy1)) {
      y = std::max(y, std::ceil((std::floor(dy0) - 1e-9) / ystep) * ystep);
      y_last = std::min(y_last, std::floor(dy1));
    } else {
      y_last = y - 1.0;  // no rows, no row labels (never a "J0")
    }
  }
  for (int n = 0; y <= y_last + 1e-9 && n < kMaxLabels; ++n, y += ystep) {
    const double py = v.py(y, left_axis.inverted);
    p.fillRect(QRect(r.left() + d, static_cast<int>(py) - d, r.width(), 1), grid);
    const QString s = label_text(left_axis, y);
    p.drawText(QRectF(0, py - fm.height() / 2.0, r.left() - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter, s);
  }
  const double widest_x = std::max(fm.horizontalAdvance(label_text(bottom_axis, v.x0)),
                                   fm.horizontalAdvance(label_text(bottom_axis, v.x1)));
  const double xstep = label_step(bottom_axis, v.x1 - v.x0, r.width(), widest_x + 16);
  double x = std::ceil(v.x0 / xstep - 1e-9) * xstep;
  for (int n = 0; x <= v.x1 + 1e-9 && n < kMaxLabels; ++n, x += xstep) {
    const double px = v.px(x);
    p.fillRect(QRect(static_cast<int>(px) + d, r.top() - d, 1, r.height()), grid);
    const QString s = label_text(bottom_axis, x);
    p.drawText(QRectF(px - 200, r.bottom() + 4, 400, fm.height()), Qt::AlignHCenter | Qt::AlignTop, s);
  }
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
  if (!bottom_axis.title.isEmpty())
    p.drawText(QRect(r.left(), r.bottom() + 6 + fm.height(), r.width(), fm.height() + 2), Qt::AlignCenter,
               bottom_axis.title);
  if (!left_axis.title.isEmpty()) {
    p.save();
    p.translate(6, r.center().y());
    p.rotate(-90);
    p.drawText(QRect(-r.height() / 2, 0, r.height(), fm.height() + 2), Qt::AlignCenter, left_axis.title);
    p.restore();
  }
  if (!title_.isEmpty()) {
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(0, 4, width(), fm.height() + 4), Qt::AlignCenter, title_);
    p.setFont(font());
  }
}

void ChartFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  const View v = view();
  const QRect& r = v.plot;
  const int d = v.depth;
  if (d > 0) {
    // Back wall, left wall and floor of the 3-D box.
    p.fillRect(r.translated(d, -d), Qt::white);
    const QPointF wall[4] = {r.topLeft(), QPointF(r.left() + d, r.top() - d), QPointF(r.left() + d, r.bottom() - d),
                             r.bottomLeft()};
    const QPointF floor[4] = {r.bottomLeft(), QPointF(r.left() + d, r.bottom() - d),
                              QPointF(r.right() + d, r.bottom() - d), r.bottomRight()};
    p.setPen(Qt::gray);
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawPolygon(wall, 4);
    p.drawPolygon(floor, 4);
  } else {
    p.fillRect(r, Qt::white);
  }
  paint_axes(p, v);
  p.save();
  p.setClipRect(r.adjusted(0, -d, d, 0));
  paint_series(p, v);
  p.restore();
  if (dragging_) {
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(drag_from_, drag_to_).normalized());
  }
}

void ChartFrame::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    dragging_ = true;
    drag_from_ = drag_to_ = e->position().toPoint();
  }
  QWidget::mousePressEvent(e);
}

void ChartFrame::mouseMoveEvent(QMouseEvent* e) {
  if (dragging_) {
    drag_to_ = e->position().toPoint();
    update();
  }
  QWidget::mouseMoveEvent(e);
}

void ChartFrame::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && dragging_) {
    dragging_ = false;
    drag_to_ = e->position().toPoint();
    const QPoint delta = drag_to_ - drag_from_;
    if (delta.x() >= 4 && delta.y() >= 4) {
      const View v = view();
      const double xa = v.x_at(drag_from_.x()), xb = v.x_at(drag_to_.x());
      const double ya = v.y_at(drag_from_.y(), left_axis.inverted), yb = v.y_at(drag_to_.y(), left_axis.inverted);
      zoom_to(std::min(xa, xb), std::max(xa, xb), std::min(ya, yb), std::max(ya, yb));
    } else if (delta.x() <= -4 || delta.y() <= -4) {
      undo_zoom();
    }
    update();
  }
  QWidget::mouseReleaseEvent(e);
}
