#include "ui/paged_bar_chart.h"

#include <QPainter>
#include <algorithm>

#include "ui/chart_colors.h"

void PagedBarSeries::AddXY(double x, double y, const QString& label, int colour) {
  points_.push_back(ChartPoint{x, y, label, color_of(colour).rgb()});
}

PagedBarChart::PagedBarChart(const QString& title, int n_series, QWidget* parent)
    : ChartFrame(parent), series_(static_cast<std::size_t>(std::max(1, n_series))) {
  set_title(title);
  bottom_axis.increment = 1.0;
  setAccessibleName(title);
  refresh();
}

int PagedBarChart::longest() const {
  int n = 0;
  for (const PagedBarSeries& s : series_) n = std::max(n, s.Count());
  return n;
}

int PagedBarChart::NumPages() const {
  if (per_page_ <= 0) return 1;
  return std::max(1, (longest() + per_page_ - 1) / per_page_);
}

void PagedBarChart::set_max_points_per_page(int n) {
  per_page_ = std::max(0, n);
  page_ = std::clamp(page_, 1, NumPages());
  update();
}

void PagedBarChart::set_page(int p) {
  page_ = std::clamp(p, 1, NumPages());
  update();
}

bool PagedBarChart::data_bounds(double& x0, double& x1, double& y0, double& y1) const {
  const int n = longest();
  if (n == 0) return false;
  const int first = per_page_ > 0 ? (page_ - 1) * per_page_ : 0;
  const int last = per_page_ > 0 ? std::min(n, page_ * per_page_) - 1 : n - 1;
  bool any = false;
  y0 = y1 = 0.0;  // bars stand on 0
  for (const PagedBarSeries& s : series_) {
    if (!s.Active) continue;
    for (int i = first; i <= last && i < s.Count(); ++i) {
      const ChartPoint& pt = s.points()[static_cast<std::size_t>(i)];
      if (!any) x0 = x1 = pt.x;
      any = true;
      x0 = std::min(x0, pt.x);
      x1 = std::max(x1, pt.x);
      y0 = std::min(y0, pt.y);
      y1 = std::max(y1, pt.y);
    }
  }
  x0 -= 0.5;
  x1 += 0.5;
  y1 += (y1 - y0) * 0.08;  // room for the marks above the tallest bar
  return any;
}

void PagedBarChart::paint_series(QPainter& p, const View& v) {
  int active = 0;
  for (const PagedBarSeries& s : series_) active += s.Active;
  if (active == 0) return;
  const double unit = v.px(1.0) - v.px(0.0);
  const double bar_w = std::max(1.0, unit * 0.8 / active);
  const double base = v.py(std::clamp(0.0, v.y0, v.y1), false);
  const QFontMetrics fm(font());
  // Marks stand above their bars, written upwards when the widest one shown
  // is wider than a bar but a line of text is not.
  int widest = 0;
  for (const PagedBarSeries& s : series_)
    if (s.Active && s.MarksVisible)
      for (const ChartPoint& pt : s.points())
        if (pt.x >= v.x0 && pt.x <= v.x1) widest = std::max(widest, fm.horizontalAdvance(pt.label));
  const bool upright = widest <= bar_w + 4;
  const bool upwards = !upright && fm.height() <= bar_w + 4;
  const double lift = 3 + (v.depth > 0 ? v.depth : 0);
  p.setPen(Qt::black);
  int k = 0;
  for (const PagedBarSeries& s : series_) {
    if (!s.Active) continue;
    for (const ChartPoint& pt : s.points()) {
      if (pt.x < v.x0 || pt.x > v.x1) continue;
      const double xa = v.px(pt.x) - unit * 0.4 + k * bar_w;
      const double top = v.py(pt.y, false);
      const QRectF box(xa, std::min(top, base), bar_w, std::max(1.0, std::abs(base - top)));
      const QColor c = QColor::fromRgb(pt.colour);
      draw_box(p, box, c, v.depth > 0 ? std::min(v.depth, static_cast<int>(bar_w)) : 0);
      if (!s.MarksVisible || pt.label.isEmpty() || (!upright && !upwards)) continue;
      p.setPen(Qt::black);
      if (upright) {
        p.drawText(QPointF(box.center().x() - fm.horizontalAdvance(pt.label) / 2.0, box.top() - lift), pt.label);
      } else {
        p.setTransform(QTransform(0, -1, 1, 0, box.center().x() + fm.ascent() / 2.0, box.top() - lift));
        p.drawText(QPointF(0, 0), pt.label);
        p.resetTransform();
      }
    }
    ++k;
  }
}

void PagedBarChart::refresh() {
  QString text = title() + QStringLiteral(": ");
  const int n = longest();
  text += QString::number(n) + QStringLiteral(" points per series");
  if (per_page_ > 0) text += QStringLiteral(", page ") + QString::number(page_) + QStringLiteral(" of ") + QString::number(NumPages());
  setAccessibleDescription(text);
  update();
}
