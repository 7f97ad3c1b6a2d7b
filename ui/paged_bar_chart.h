#pragma once
// A bar chart of several series side by side at whole x values (the machine
// utilisation chart), with marks above the bars and paging: with a page size
// of n points, page p shows the points (p-1)*n .. p*n-1 of the longest series.
#include <QRgb>
#include <QString>
#include <vector>

#include "ui/chart_frame.h"

struct ChartPoint {
  double x = 0.0;
  double y = 0.0;
  QString label;
  QRgb colour = 0;
};

class PagedBarSeries {
 public:
  void Clear() { points_.clear(); }
  // colour in the 0x00BBGGRR form of the chart colour globals.
  void AddXY(double x, double y, const QString& label, int colour);
  const std::vector<ChartPoint>& points() const { return points_; }
  int Count() const { return static_cast<int>(points_.size()); }
  bool Active = true;
  bool MarksVisible = true;

 private:
  std::vector<ChartPoint> points_;
};

class PagedBarChart : public ChartFrame {
  Q_OBJECT
 public:
  PagedBarChart(const QString& title, int n_series, QWidget* parent = nullptr);

  PagedBarSeries& series(int i) { return series_[static_cast<std::size_t>(i)]; }
  const PagedBarSeries& series(int i) const { return series_[static_cast<std::size_t>(i)]; }

  // 0 shows every point on one page.
  void set_max_points_per_page(int n);
  int max_points_per_page() const { return per_page_; }
  // 1-based; kept within 1 .. NumPages().
  void set_page(int p);
  int page() const { return page_; }
  int NumPages() const;

  // Call after the series changed: repaints and renews the accessible description.
  void refresh();

 protected:
  bool data_bounds(double& x0, double& x1, double& y0, double& y1) const override;
  void paint_series(QPainter& p, const View& v) override;

 private:
  int longest() const;
  std::vector<PagedBarSeries> series_;
  int per_page_ = 0;
  int page_ = 1;
};
