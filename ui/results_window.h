#pragma once
// The results window: the run report, the batch and performance-test tables and the step charts.
#include <QDialog>
#include "engine/run_host.h"

class TForm6 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);

  // Clears both memos and the nine series.
  void clear_result_charts();
  void show_memo(ResultsMemo m, bool visible);
  // Loads a report file into a memo.
  void load_memo(ResultsMemo m, const QString& path);
  void clear_series(ResultSeries s);
  void add_series_point(ResultSeries s, double x, double value, const QString& label, ChartColour c);
};

extern TForm6* Form6;
