#include "ui/bar_batch.h"

#include <QPainter>
#include <algorithm>

namespace {
// QRect's own intersects and united are calls into the library; these are
// the same tests, inline, for rects that are never empty.
bool touches(const QRect& a, const QRect& b) {
  return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

QRect joined(const QRect& a, const QRect& b) {
  return QRect(QPoint(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
               QPoint(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}
}  // namespace

int BarBatch::put(int layer, QRgb colour, const QRect& r) {
  std::vector<Group>& groups = layers_[layer];
  for (std::size_t g = 0; g < groups.size(); ++g)
    if (groups[g].colour == colour) {
      std::vector<QRect>& rects = groups[g].rects;
      // A rect that continues the group's last one on the same pixel rows
      // joins it: the same pixels in one rect.
      if (!rects.empty() && rects.back().right() + 1 == r.left() && rects.back().top() == r.top() &&
          rects.back().bottom() == r.bottom())
        rects.back().setRight(r.right());
      else
        rects.push_back(r);
      return static_cast<int>(g);
    }
  groups.push_back(Group{colour, QBrush(QColor::fromRgb(colour)), {r}});
  return static_cast<int>(groups.size()) - 1;
}

void BarBatch::add(QPainter& p, const QRect& pixels, QRgb fill, QRgb outline) {
  add_bar(p, pixels, fill, outline, pixels, false);
}

void BarBatch::add(QPainter& p, const QRect& pixels, QRgb fill, QRgb outline, const QStaticText& mark,
                   const QSizeF& mark_size, const QPointF& at, const QPen& pen) {
  // A mark's glyphs may reach a little beyond its layout box.
  add_bar(p, pixels, fill, outline, joined(pixels, QRectF(at, mark_size).toAlignedRect().adjusted(-2, -2, 2, 2)),
          true);
  if (n_marks_ == marks_.size()) marks_.emplace_back();
  PendingMark& m = marks_[n_marks_++];
  m.at = at;
  m.text = mark;
  m.pen = pen;
}

void BarBatch::add_bar(QPainter& p, const QRect& pixels, QRgb fill, QRgb outline, const QRect& footprint,
                       bool marked) {
  if (!empty_ && touches(footprint, bounds_)) {
    const bool cuts_last = !marked && !last_marked_ && (!has_before_last_ || !touches(pixels, before_last_)) &&
                           pixels.left() > last_.left() && pixels.right() >= last_.right() &&
                           pixels.top() <= last_.top() && pixels.bottom() >= last_.bottom();
    if (cuts_last) {
      for (int layer = 0; layer < 2; ++layer) {
        if (last_groups_[layer] < 0) continue;
        std::vector<QRect>& rects = layers_[layer][static_cast<std::size_t>(last_groups_[layer])].rects;
        QRect& r = rects.back();
        if (r.right() >= pixels.left()) r.setRight(pixels.left() - 1);
        if (r.width() <= 0) rects.pop_back();
      }
    } else {
      paint(p);
    }
  }
  if (pixels.width() >= 4) {  // an outline in the darker shade
    last_groups_[0] = put(0, outline, pixels);
    const QRect inside = pixels.adjusted(1, 1, -1, -1);
    last_groups_[1] = inside.isEmpty() ? -1 : put(1, fill, inside);
  } else {
    last_groups_[0] = -1;
    last_groups_[1] = put(1, fill, pixels);
  }
  has_before_last_ = !empty_;
  before_last_ = bounds_;
  bounds_ = empty_ ? footprint : joined(bounds_, footprint);
  empty_ = false;
  ++n_bars_;
  last_ = pixels;
  last_marked_ = marked;
}

void BarBatch::paint(QPainter& p) {
  if (empty_) return;
  // A batch of one bar (where bars crowd onto each other) is filled rect by
  // rect, without changing the painter's brush.
  // A colour of a few rects (where bars crowd onto each other) is filled rect
  // by rect: changing the painter's brush costs more than the calls it saves.
  constexpr std::size_t kFewRects = 3;
  const auto fill_group = [&p](Group& g, bool& pen_off) {
    if (g.rects.size() <= kFewRects) {
      for (const QRect& r : g.rects) p.fillRect(r, QColor::fromRgb(g.colour));
    } else {
      if (!pen_off) p.setPen(Qt::NoPen);
      pen_off = true;
      p.setBrush(g.brush);
      p.drawRects(g.rects.data(), static_cast<int>(g.rects.size()));
    }
    g.rects.clear();
  };
  bool pen_off = false;
  if (n_bars_ == 1) {  // only the last bar's groups hold rects
    for (int layer = 0; layer < 2; ++layer)
      if (last_groups_[layer] >= 0) fill_group(layers_[layer][static_cast<std::size_t>(last_groups_[layer])], pen_off);
  } else {
    for (std::vector<Group>& groups : layers_)
      for (Group& g : groups)
        if (!g.rects.empty()) fill_group(g, pen_off);
  }
  for (std::size_t i = 0; i < n_marks_; ++i) {
    p.setPen(marks_[i].pen);
    p.drawStaticText(marks_[i].at, marks_[i].text);
  }
  n_marks_ = 0;
  n_bars_ = 0;
  empty_ = true;
  has_before_last_ = false;
  last_groups_[0] = last_groups_[1] = -1;
}
