#include "ui/bar_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>
#include <algorithm>

BarChart::BarChart(const QString& title, const QString& bottom_title, QWidget* parent)
    : ZoomChartView(new QChart, parent) {
  QChart* c = chart();
  c->setTitle(title);
  c->legend()->hide();
  bars_ = new QBarSeries;
  bars_->setBarWidth(0.9);
  bars_->setLabelsVisible(true);
  bars_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  c->addSeries(bars_);
  x_axis_ = new QBarCategoryAxis;
  x_axis_->setTitleText(bottom_title);
  x_axis_->setTitleVisible(false);
  y_axis_ = new QValueAxis;
  y_axis_->setLabelFormat(QStringLiteral("%g"));
  c->addAxis(x_axis_, Qt::AlignBottom);
  c->addAxis(y_axis_, Qt::AlignLeft);
  bars_->attachAxis(x_axis_);
  bars_->attachAxis(y_axis_);
  y_axis_->setRange(0, 1);
}

int BarChart::add_set(const QString& name) {
  auto* set = new QBarSet(name);
  set->setObjectName(name);
  set->setLabelColor(Qt::black);
  bars_->append(set);
  sets_.push_back(set);
  marks_.emplace_back();
  return static_cast<int>(sets_.size()) - 1;
}

void BarChart::add_bar(int set, int x, double value, const QString& label, const QColor& colour) {
  if (x < 1) return;
  QBarSet* s = sets_[set];
  s->setColor(colour);
  s->setBorderColor(QColor(64, 64, 64));
  while (s->count() < x) s->append(0.0);
  s->replace(x - 1, value);
  QStringList& marks = marks_[set];
  while (marks.size() < x) marks.append(QString());
  marks[x - 1] = label;
  update_categories();
  if (!zoomed()) fit_axes();
}

void BarChart::clear_set(int set) {
  QBarSet* s = sets_[set];
  if (s->count() > 0) s->remove(0, s->count());
  marks_[set].clear();
  update_categories();
  if (!zoomed()) fit_axes();
}

int BarChart::bar_count(int set) const { return sets_[set]->count(); }
double BarChart::bar(int set, int index) const { return sets_[set]->at(index); }
QString BarChart::mark(int set, int index) const { return marks_[set].value(index); }
QColor BarChart::colour(int set) const { return sets_[set]->color(); }

void BarChart::update_categories() {
  int n = 0;
  for (const QBarSet* s : sets_) n = std::max(n, static_cast<int>(s->count()));
  // A category axis without categories draws its title in the chart's
  // corner: the title shows with the first bar.
  x_axis_->setTitleVisible(n > 0);
  if (x_axis_->count() == n) return;
  QStringList categories;
  for (int i = 1; i <= n; ++i) categories.append(QString::number(i));
  x_axis_->setCategories(categories);
}

void BarChart::fit_axes() {
  double top = 0;
  for (const QBarSet* s : sets_)
    for (int i = 0; i < s->count(); ++i) top = std::max(top, s->at(i));
  // Room above the highest bar for its mark.
  y_axis_->setRange(0, top <= 0 ? 1 : top * 1.15);
  y_axis_->applyNiceNumbers();
}
