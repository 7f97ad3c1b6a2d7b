#include "ui/results_window.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("Results"));
}

void TForm6::clear_result_charts() {}
void TForm6::show_memo(ResultsMemo, bool) {}
void TForm6::load_memo(ResultsMemo, const QString&) {}
void TForm6::clear_series(ResultSeries) {}
void TForm6::add_series_point(ResultSeries, double, double, const QString&, ChartColour) {}
