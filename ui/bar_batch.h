#pragma once
// Flat Gantt bars painted in batches. Bars whose pixels (marks included) do
// not touch look the same whatever order they are painted in, so a batch
// collects such bars and paints them colour by colour: every outline, then
// every inside, then the marks, one painter call per colour instead of two
// per bar. A bar that touches the batch paints the batch first, except where
// it covers the right end of the bar added just before it over that bar's
// whole height (a short setup rounded onto the first pixel of the next step):
// that end is cut from the earlier bar, since the new bar paints over it
// anyway. The picture is the same, pixel for pixel, as painting each bar and
// then its mark in order.
//
// The storage is kept between batches and paints; once it has grown to a
// row's bars, adding a bar allocates nothing.
#include <QBrush>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QStaticText>
#include <vector>

class QPainter;

class BarBatch {
 public:
  // A bar of whole pixels: outlined in `outline` with its inside in `fill`
  // when at least 4 pixels wide, else all in `fill`.
  void add(QPainter& p, const QRect& pixels, QRgb fill, QRgb outline);
  // The same with a mark written over the bar: its top left at `at`, in `pen`.
  void add(QPainter& p, const QRect& pixels, QRgb fill, QRgb outline, const QStaticText& mark,
           const QSizeF& mark_size, const QPointF& at, const QPen& pen);
  // Paints what the batch holds and empties it.
  void paint(QPainter& p);

 private:
  struct Group {
    QRgb colour = 0;
    QBrush brush;
    std::vector<QRect> rects;
  };
  struct PendingMark {
    QPointF at;
    QStaticText text;
    QPen pen;
  };
  // Makes room for a bar covering footprint (its pixels and mark), then queues its rects.
  void add_bar(QPainter& p, const QRect& pixels, QRgb fill, QRgb outline, const QRect& footprint, bool marked);
  // Adds r to the group of colour in layer 0 (outlines) or 1 (insides); returns the group.
  int put(int layer, QRgb colour, const QRect& r);
  std::vector<Group> layers_[2];
  std::vector<PendingMark> marks_;
  std::size_t n_marks_ = 0;
  bool empty_ = true;
  int n_bars_ = 0;
  QRect bounds_;       // what the batch covers
  bool has_before_last_ = false;
  QRect before_last_;  // what it covered before its last bar came
  QRect last_;         // the last bar's pixels
  bool last_marked_ = false;
  int last_groups_[2] = {-1, -1};  // where the last bar's rects sit (the last of their groups)
};
