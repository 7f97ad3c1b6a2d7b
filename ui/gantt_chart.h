#pragma once
// The Gantt chart of the results window: series of horizontal bars, each from
// a start to an end time on a (fractional) row, with a label ("mark") and a
// colour. Rows run down from 1 at the top, labelled with the chart's prefix
// ("J1", "M1,000"); the bottom axis is time.
//
// Painting walks only the rows in view (an index of the bars by whole row is
// kept per series and rebuilt after a change), skips bars outside the time
// range and allocates nothing per bar; marks are drawn only where rows are far
// enough apart for their text.
#include <QBrush>
#include <QHash>
#include <QRgb>
#include <QSizeF>
#include <QStaticText>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "ui/bar_batch.h"
#include "ui/chart_frame.h"

struct GanttBar {
  double start = 0.0;
  double end = 0.0;
  double row = 0.0;
  QString label;
  QRgb colour = 0;
};

class GanttSeries {
 public:
  void Clear();
  // colour in the 0x00BBGGRR form of the chart colour globals.
  void AddGanttColor(double start, double end, double row, const QString& label, int colour);
  const std::vector<GanttBar>& bars() const { return bars_; }
  int Count() const { return static_cast<int>(bars_.size()); }

  bool Active = true;
  bool MarksVisible = true;
  int VertSize = 4;          // half the bar height in pixels (Pointer.VertSize)
  int MarksFontHeight = 10;  // pixels

 private:
  friend class GanttChart;
  // Bars by whole row: bars of row r sit in order_[first_[r - row0_] .. first_[r - row0_ + 1]).
  void build_index() const;
  // The 0x00BBGGRR colour as a bar keeps it; the few colours a chart uses
  // are converted once and remembered (slot by a hash of the colour).
  QRgb rgb_of(int colour);
  std::vector<GanttBar> bars_;
  std::array<int, 8> colour_keys_{};  // all 0: black, as the values say
  std::array<QRgb, 8> colour_values_{0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000,
                                     0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000};
  // Bounds of all bars, kept as they are added.
  double x0_ = 0.0, x1_ = 0.0, y0_ = 0.0, y1_ = 0.0;
  mutable bool index_ok_ = false;
  mutable int row0_ = 0;
  mutable std::vector<int> first_;
  mutable std::vector<int> order_;
  mutable std::vector<int> row_of_, next_;  // working tables of build_index, kept for the next
};

class GanttChart : public ChartFrame {
  Q_OBJECT
 public:
  // prefix of the row labels ("J", "M", "O"); the chart starts with two
  // series: 0 the schedule, 1 the overlay of the initial data.
  GanttChart(const QString& title, const QString& row_prefix, QWidget* parent = nullptr);

  GanttSeries& series(int i) { return series_[static_cast<std::size_t>(i)]; }
  const GanttSeries& series(int i) const { return series_[static_cast<std::size_t>(i)]; }
  int series_count() const { return static_cast<int>(series_.size()); }

  // Index of the bar of series s under the widget point (x, y), the topmost
  // when bars overlap; -1 for none or an inactive series.
  int Clicked(int s, int x, int y) const;

  // Call after the series changed: repaints and renews the accessible description.
  void refresh();

 protected:
  bool data_bounds(double& x0, double& x1, double& y0, double& y1) const override;
  void paint_series(QPainter& p, const View& v) override;

 private:
  void paint_one(QPainter& p, const View& v, const GanttSeries& s);
  // The laid-out text of a mark in the given font and its size, made once per label.
  struct Mark {
    QStaticText text;
    QSizeF size;
  };
  const Mark& mark_text(const QString& label, const QFont& font);
  // The two 3-D face brushes of a bar colour, made once per colour.
  const std::pair<QBrush, QBrush>& face_brushes(QRgb colour);

  BarBatch batch_;  // flat bars, painted colour by colour
  std::vector<GanttSeries> series_;
  QHash<QString, Mark> marks_;
  int marks_pixel_size_ = -1;
  std::vector<std::pair<QRgb, std::pair<QBrush, QBrush>>> faces_;
};
