#include "ui/results_window.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/bar_chart.h"
#include "ui/chart_colors.h"
#include "ui/point_chart.h"
#include "ui/progress_window.h"

TForm6* Form6 = nullptr;

namespace {
enum Page { IndexPage = 0, AveragePage = 1, MeasuringPage = 2, MatrixPage = 3, BestPage = 4, StepPage = 5 };

// Index of a series in its chart: the three bars of "Measuring", the one
// point series of "Best Obj. values", the five of "Obj. values" (in the
// order of ComboBox1's items 1..5).
int index_in_chart(ResultSeries s) {
  switch (s) {
    case ResultSeries::MeasuringRandom: return 0;
    case ResultSeries::MeasuringHeuristic: return 1;
    case ResultSeries::MeasuringSearch: return 2;
    case ResultSeries::BestLateJobs: return 0;
    case ResultSeries::StepLateOrders: return 0;
    case ResultSeries::StepLateJobs: return 1;
    case ResultSeries::StepMaxTardiness: return 2;
    case ResultSeries::StepSetups: return 3;
    case ResultSeries::StepCompletion: return 4;
  }
  return 0;
}

bool is_bar(ResultSeries s) {
  return s == ResultSeries::MeasuringRandom || s == ResultSeries::MeasuringHeuristic ||
         s == ResultSeries::MeasuringSearch;
}

QPlainTextEdit* make_memo(const char* name, QWidget* parent) {
  auto* m = new QPlainTextEdit(parent);
  m->setObjectName(QString::fromLatin1(name));
  m->setReadOnly(true);
  m->setLineWrapMode(QPlainTextEdit::NoWrap);
  m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont fixed(QStringLiteral("DejaVu Sans Mono"));
  fixed.setStyleHint(QFont::TypeWriter);
  m->setFont(fixed);
  return m;
}

constexpr ResultSeries kAllSeries[9] = {
    ResultSeries::MeasuringRandom, ResultSeries::MeasuringHeuristic, ResultSeries::BestLateJobs,
    ResultSeries::StepLateOrders,  ResultSeries::MeasuringSearch,    ResultSeries::StepLateJobs,
    ResultSeries::StepMaxTardiness, ResultSeries::StepSetups,        ResultSeries::StepCompletion};
}  // namespace

TForm6::TForm6(QWidget* parent) : ClosingForm(Centre::MainWindow, parent) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("Results"));
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  resize(760, 520);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PageControl1);

  auto page = [this](const char* name, const QString& caption) {
    auto* w = new QWidget;
    w->setObjectName(QString::fromLatin1(name));
    PageControl1->addTab(w, caption);
    return w;
  };

  QWidget* index = page("TabSheet1", QStringLiteral("Index"));
  Memo1 = make_memo("Memo1", index);
  Memo1->setAccessibleName(QStringLiteral("Index"));
  (new QVBoxLayout(index))->addWidget(Memo1);

  QWidget* average = page("TabSheet2", QStringLiteral("Average Obj_values"));
  Memo2 = make_memo("Memo2", average);
  Memo2->setAccessibleName(QStringLiteral("Average Obj_values"));
  (new QVBoxLayout(average))->addWidget(Memo2);

  QWidget* measuring = page("TabSheet3", QStringLiteral("Measuring"));
  Chart3 = new BarChart(QStringLiteral("Measuring Goodness"), QStringLiteral("Iteration"), measuring);
  Chart3->setObjectName(QStringLiteral("Chart3"));
  Chart3->setAccessibleName(QStringLiteral("Measuring Goodness"));
  Chart3->add_set(QStringLiteral("Series1"));
  Chart3->add_set(QStringLiteral("Series2"));
  Chart3->add_set(QStringLiteral("Series5"));
  (new QVBoxLayout(measuring))->addWidget(Chart3);

  page("TabSheet4", QStringLiteral("H Matrix"));

  QWidget* best = page("TabSheet5", QStringLiteral("Best Obj. values"));
  Chart1 = new PointChart(QStringLiteral("Objective values"), QStringLiteral("Step"), best);
  Chart1->setObjectName(QStringLiteral("Chart1"));
  Chart1->setAccessibleName(QStringLiteral("Best Obj. values"));
  Chart1->add_series(QStringLiteral("Series3"));
  (new QVBoxLayout(best))->addWidget(Chart1);

  QWidget* steps = page("TabSheet6", QStringLiteral("Obj. values"));
  Chart2 = new PointChart(QStringLiteral("Objective values"), QStringLiteral("Step"), steps);
  Chart2->setObjectName(QStringLiteral("Chart2"));
  Chart2->setAccessibleName(QStringLiteral("Obj. values"));
  for (const char* name : {"Series4", "Series6", "Series7", "Series8", "Series9"})
    Chart2->add_series(QString::fromLatin1(name));
  ComboBox1 = new QComboBox(steps);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->addItems({QStringLiteral("All Obj. Functions"), QStringLiteral("Num. of Late Orders"),
                       QStringLiteral("Num. of Late Jobs"), QStringLiteral("Max. Tardiness"),
                       QStringLiteral("Num. of Setups"), QStringLiteral("Completion Time")});
  ComboBox1->setAccessibleName(QStringLiteral("Objective function shown"));
  ComboBox1->setCurrentIndex(0);
  auto* step_layout = new QVBoxLayout(steps);
  auto* filter_row = new QHBoxLayout;
  filter_row->addWidget(ComboBox1);
  filter_row->addStretch();
  step_layout->addLayout(filter_row);
  step_layout->addWidget(Chart2);

  PageControl1->setCurrentIndex(StepPage);
  connect(ComboBox1, &QComboBox::activated, this, &TForm6::ComboBox1Change);
}

QPlainTextEdit* TForm6::memo(ResultsMemo m) const { return m == ResultsMemo::Index ? Memo1 : Memo2; }

void TForm6::clear_result_charts() {
  // Every run and test of the loaded problem starts here: from now on the
  // window holds nothing of a problem that is gone.
  report_of_problem = true;
  Memo1->clear();
  Memo2->clear();
  for (ResultSeries s : kAllSeries) clear_series(s);
  // A zoom chosen on the last run's values would show the next run nothing.
  Chart1->undo_zoom();
  Chart2->undo_zoom();
  Chart3->undo_zoom();
}

void TForm6::show_memo(ResultsMemo m, bool visible) { memo(m)->setVisible(visible); }

void TForm6::load_memo(ResultsMemo m, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    memo(m)->clear();
    return;
  }
  memo(m)->setPlainText(QString::fromLocal8Bit(file.readAll()));
}

void TForm6::clear_series(ResultSeries s) {
  if (is_bar(s))
    Chart3->clear_set(index_in_chart(s));
  else if (s == ResultSeries::BestLateJobs)
    Chart1->clear_series(0);
  else
    Chart2->clear_series(index_in_chart(s));
}

void TForm6::add_series_point(ResultSeries s, double x, double value, const QString& label, ChartColour c) {
  const QColor colour = chart_colour(c);
  if (is_bar(s))
    Chart3->add_bar(index_in_chart(s), static_cast<int>(x), value, label, colour);
  else if (s == ResultSeries::BestLateJobs)
    Chart1->add_point(0, x, value, colour);
  else
    Chart2->add_point(index_in_chart(s), x, value, colour);
}

int TForm6::point_count(ResultSeries s) const {
  if (is_bar(s)) return Chart3->bar_count(index_in_chart(s));
  if (s == ResultSeries::BestLateJobs) return Chart1->point_count(0);
  return Chart2->point_count(index_in_chart(s));
}

bool TForm6::series_active(ResultSeries s) const {
  if (is_bar(s)) return true;
  if (s == ResultSeries::BestLateJobs) return Chart1->active(0);
  return Chart2->active(index_in_chart(s));
}

QColor TForm6::series_colour(ResultSeries s) const {
  if (is_bar(s)) return Chart3->colour(index_in_chart(s));
  if (s == ResultSeries::BestLateJobs) return Chart1->colour(0);
  return Chart2->colour(index_in_chart(s));
}

void TForm6::setVisible(bool visible) {
  visible = visible && report_of_problem;
  if (visible) setEnabled(true);
  ClosingForm::setVisible(visible);
}

void TForm6::problem_replaced() {
  report_of_problem = false;
  hide();
}

void TForm6::show_step_chart_page() { PageControl1->setCurrentIndex(StepPage); }

// Only the visibility changes: the series keep their points, so the choice
// holds across a refill.
void TForm6::ComboBox1Change() {
  Chart2->undo_zoom();
  const int chosen = ComboBox1->currentIndex();
  for (int i = 0; i < 5; ++i) Chart2->set_active(i, chosen == 0 || chosen == i + 1);
}

void TForm6::FormClose() {
  if (Form7 != nullptr && Form7->isVisible()) Form7->uncheck_chart_visible();
}
