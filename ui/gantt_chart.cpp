#include "ui/gantt_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ui/chart_colors.h"

void GanttSeries::Clear() {
  bars_.clear();
  index_ok_ = false;
}

void GanttSeries::AddGanttColor(double start, double end, double row, const QString& label, int colour) {
  const double lo = std::min(start, end), hi = std::max(start, end);
  if (bars_.empty()) {
    x0_ = lo;
    x1_ = hi;
    y0_ = y1_ = row;
  } else {
    x0_ = std::min(x0_, lo);
    x1_ = std::max(x1_, hi);
    y0_ = std::min(y0_, row);
    y1_ = std::max(y1_, row);
  }
  bars_.push_back(GanttBar{start, end, row, label, rgb_of(colour)});
  index_ok_ = false;
}

QRgb GanttSeries::rgb_of(int colour) {
  const std::size_t slot = (static_cast<std::uint32_t>(colour) * 2654435761u) >> 29;
  if (colour_keys_[slot] != colour) {
    colour_keys_[slot] = colour;
    colour_values_[slot] = color_of(colour).rgb();
  }
  return colour_values_[slot];
}

namespace {
// floor(row) as an int, without a library call per bar (rows are well inside int).
int whole_row(double row) {
  const int t = static_cast<int>(row);
  return t > row ? t - 1 : t;
}
}  // namespace

void GanttSeries::build_index() const {
  index_ok_ = true;
  first_.clear();
  order_.clear();
  if (bars_.empty()) return;
  row0_ = whole_row(y0_);
  const std::size_t n_rows = static_cast<std::size_t>(whole_row(y1_) - row0_ + 1);
  // Counting sort by whole row keeps the order of insertion inside a row, so
  // bars that overlap are drawn in the order they were added.
  first_.assign(n_rows + 1, 0);
  row_of_.resize(bars_.size());
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    row_of_[i] = whole_row(bars_[i].row) - row0_;
    ++first_[static_cast<std::size_t>(row_of_[i]) + 1];
  }
  for (std::size_t r = 1; r <= n_rows; ++r) first_[r] += first_[r - 1];
  next_.assign(first_.begin(), first_.end() - 1);
  order_.resize(bars_.size());
  for (std::size_t i = 0; i < bars_.size(); ++i)
    order_[static_cast<std::size_t>(next_[static_cast<std::size_t>(row_of_[i])]++)] = static_cast<int>(i);
}

GanttChart::GanttChart(const QString& title, const QString& row_prefix, QWidget* parent)
    : ChartFrame(parent), series_(2) {
  set_title(title);
  left_axis.prefix = row_prefix;
  left_axis.inverted = true;
  left_axis.increment = 1.0;
  left_axis.decimals = 0;
  left_axis.margin = 0.6;
  left_axis.labels_within_data = true;
  // A few checked rows must not stretch over the whole chart: a row's
  // calendar and constraint bars lie 0.2 rows below its tasks, so at most 60
  // pixels a row keeps them within 12 pixels, next to the tasks' bars.
  left_axis.max_unit_pixels = 60.0;
  bottom_axis.title = QStringLiteral("Time");
  bottom_axis.decimals = 0;
  setAccessibleName(title);
  refresh();
}

bool GanttChart::data_bounds(double& x0, double& x1, double& y0, double& y1) const {
  bool any = false;
  for (const GanttSeries& s : series_) {
    if (!s.Active || s.bars_.empty()) continue;
    x0 = any ? std::min(x0, s.x0_) : s.x0_;
    x1 = any ? std::max(x1, s.x1_) : s.x1_;
    y0 = any ? std::min(y0, s.y0_) : s.y0_;
    y1 = any ? std::max(y1, s.y1_) : s.y1_;
    any = true;
  }
  return any;
}

const GanttChart::Mark& GanttChart::mark_text(const QString& label, const QFont& font) {
  if (font.pixelSize() != marks_pixel_size_) {
    marks_.clear();
    marks_pixel_size_ = font.pixelSize();
  }
  auto it = marks_.find(label);
  if (it == marks_.end()) {
    Mark mark{QStaticText(label), QSizeF()};
    mark.text.setTextFormat(Qt::PlainText);
    mark.text.prepare(QTransform(), font);
    mark.size = mark.text.size();
    it = marks_.insert(label, mark);
  }
  return it.value();
}

const std::pair<QBrush, QBrush>& GanttChart::face_brushes(QRgb colour) {
  for (const auto& f : faces_)
    if (f.first == colour) return f.second;
  faces_.emplace_back(colour, std::make_pair(QBrush(shade(colour, 80)), QBrush(shade(colour, 62))));
  return faces_.back().second;
}

void GanttChart::paint_one(QPainter& p, const View& v, const GanttSeries& s) {
  if (!s.Active || s.bars_.empty()) return;
  if (!s.index_ok_) s.build_index();
  const bool inv = left_axis.inverted;
  const double half = std::max(1, s.VertSize);
  const double rows_per_pixel = (v.y1 - v.y0) / v.plot.height();
  const double reach = (half + v.depth) * rows_per_pixel + 1.0;
  const int n_rows = static_cast<int>(s.first_.size()) - 1;
  const int r_lo = std::max(0, static_cast<int>(std::floor(v.y0 - reach)) - s.row0_);
  const int r_hi = std::min(n_rows - 1, static_cast<int>(std::floor(v.y1 + reach)) - s.row0_);
  const int depth = v.depth / 2;
  const double left = v.plot.left() - 2.0, right = v.plot.right() + 2.0 + v.depth;
  const bool marks = s.MarksVisible && 1.0 / rows_per_pixel >= s.MarksFontHeight;
  QFont mark_font = font();
  mark_font.setPixelSize(std::max(1, s.MarksFontHeight));
  p.setFont(mark_font);
  const QFontMetricsF mark_metrics(mark_font);
  // No mark character is narrower than these (digits all share one width).
  const double narrowest =
      std::min(mark_metrics.horizontalAdvance(QLatin1Char('1')), mark_metrics.horizontalAdvance(QLatin1Char('f')));
  // Pens, brushes and mark layouts are made once per colour or label; the
  // loop itself allocates nothing once the batch has grown to a row's bars.
  const QPen dark_text(Qt::black), light_text(Qt::white);
  // Bars at one row value share their height in pixels: worked out once per value.
  double row_value = std::nan("");
  double yc = 0.0;
  int top = 0, height = 0;
  for (int r = r_lo; r <= r_hi; ++r) {
    for (int k = s.first_[static_cast<std::size_t>(r)]; k < s.first_[static_cast<std::size_t>(r) + 1]; ++k) {
      const GanttBar& b = s.bars_[static_cast<std::size_t>(s.order_[static_cast<std::size_t>(k)])];
      double xa = v.px(b.start), xb = v.px(b.end);
      if (xb < left || xa > right) continue;
      xa = std::max(xa, left);
      xb = std::min(xb, right);
      if (xb - xa < 1.0) xb = xa + 1.0;
      if (!(b.row == row_value)) {
        row_value = b.row;
        yc = v.py(b.row, inv);
        const QRect rows = QRectF(0.0, yc - half, 1.0, 2 * half).toRect();
        top = rows.top();
        height = rows.height();
      }
      const QRectF box(xa, yc - half, xb - xa, 2 * half);
      // Whole pixels take the painter's quickest fill (the rounding of QRectF::toRect).
      const int x = qRound(xa);
      const QRect pixels(x, top, qRound(box.width() + (xa - x) / 2), height);
      if (depth > 0) {
        // The faces reach beyond the bar: each 3-D bar is painted whole before the next.
        batch_.paint(p);
        const auto& faces = face_brushes(b.colour);
        draw_faces(p, box, faces.first, faces.second, depth);
      }
      // A mark is looked up only where its characters could fit.
      const Mark* mark = nullptr;
      if (marks && !b.label.isEmpty() && box.width() >= b.label.size() * narrowest + 2) {
        mark = &mark_text(b.label, mark_font);
        if (mark->size.width() + 2 > box.width()) mark = nullptr;
      }
      const QRgb outline = qRgb(qRed(b.colour) / 2, qGreen(b.colour) / 2, qBlue(b.colour) / 2);
      if (mark) {
        const QPointF at(box.center().x() - mark->size.width() / 2.0, yc - mark->size.height() / 2.0);
        batch_.add(p, pixels, b.colour, outline, mark->text, mark->size, at,
                   qGray(b.colour) < 96 ? light_text : dark_text);
      } else {
        batch_.add(p, pixels, b.colour, outline);
      }
      if (depth > 0) batch_.paint(p);
    }
  }
  batch_.paint(p);
}

void GanttChart::paint_series(QPainter& p, const View& v) {
  for (const GanttSeries& s : series_) paint_one(p, v, s);
}

int GanttChart::Clicked(int si, int x, int y) const {
  if (si < 0 || si >= series_count()) return -1;
  const GanttSeries& s = series_[static_cast<std::size_t>(si)];
  if (!s.Active || s.bars_.empty()) return -1;
  if (!s.index_ok_) s.build_index();
  const View v = view();
  if (!v.plot.adjusted(-1, -1 - v.depth, 1 + v.depth, 1).contains(x, y)) return -1;
  const bool inv = left_axis.inverted;
  const double half = std::max(1, s.VertSize);
  const double rows_per_pixel = (v.y1 - v.y0) / v.plot.height();
  const double row_at = v.y_at(y, inv);
  const double reach = half * rows_per_pixel + 1.0;
  const int n_rows = static_cast<int>(s.first_.size()) - 1;
  const int r_lo = std::max(0, static_cast<int>(std::floor(row_at - reach)) - s.row0_);
  const int r_hi = std::min(n_rows - 1, static_cast<int>(std::floor(row_at + reach)) - s.row0_);
  // The bar drawn last is on top: the highest insertion index among the hits.
  int hit = -1;
  for (int r = r_lo; r <= r_hi; ++r) {
    for (int k = s.first_[static_cast<std::size_t>(r)]; k < s.first_[static_cast<std::size_t>(r) + 1]; ++k) {
      const int i = s.order_[static_cast<std::size_t>(k)];
      const GanttBar& b = s.bars_[static_cast<std::size_t>(i)];
      const double xa = v.px(b.start);
      const double xb = std::max(v.px(b.end), xa + 1.0);
      const double yc = v.py(b.row, inv);
      if (x >= xa - 0.5 && x <= xb + 0.5 && y >= yc - half - 0.5 && y <= yc + half + 0.5 && i > hit) hit = i;
    }
  }
  return hit;
}

void GanttChart::refresh() {
  int bars = 0;
  double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  for (const GanttSeries& s : series_)
    if (s.Active) bars += s.Count();
  QString text = title() + QStringLiteral(": ") + QString::number(bars) + QStringLiteral(" bars");
  if (data_bounds(x0, x1, y0, y1))
    text += QStringLiteral(" in rows ") + left_axis.prefix + QString::number(std::floor(y0)) + QStringLiteral(" to ") +
            left_axis.prefix + QString::number(std::floor(y1)) + QStringLiteral(", time ") + grouped_number(x0, 0) +
            QStringLiteral(" to ") + grouped_number(x1, 0);
  setAccessibleDescription(text);
  update();
}
