#pragma once
// A chart of bar series side by side over numbered categories 1, 2, ...
// (the iterations of a performance test), each bar marked with its label.
#include <QColor>
#include <QString>
#include <vector>

#include "ui/zoom_chart_view.h"

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

class BarChart : public ZoomChartView {
  Q_OBJECT
 public:
  BarChart(const QString& title, const QString& bottom_title, QWidget* parent = nullptr);

  // A new bar set; its index is the number of sets before it.
  int add_set(const QString& name);
  // Sets the bar at category x (1, 2, ...) of a set; missing bars before it are 0.
  void add_bar(int set, int x, double value, const QString& label, const QColor& colour);
  void clear_set(int set);

  int bar_count(int set) const;
  double bar(int set, int index) const;
  QString mark(int set, int index) const;
  QColor colour(int set) const;

 protected:
  void fit_axes() override;

 private:
  void update_categories();

  QBarSeries* bars_;
  std::vector<QBarSet*> sets_;
  std::vector<QStringList> marks_;
  QBarCategoryAxis* x_axis_;
  QValueAxis* y_axis_;
};
