#pragma once
// The results window ("Results"): the run report of a tabu search, a
// rescheduling search or an enumeration ("Index"), the tables of the batch
// search and the performance test ("Average Obj_values"), the late jobs of
// the performance test's three schedules per iteration ("Measuring"), the
// late jobs of each new overall best ("Best Obj. values") and the five
// per-step values of the last search ("Obj. values", filtered by
// ComboBox1). It holds nothing besides its controls: the solvers and the
// progress window's live chart fill it, clear_result_charts empties it.
#include <QString>

#include "engine/run_host.h"
#include "ui/closing_form.h"

class BarChart;
class PointChart;
class QComboBox;
class QPlainTextEdit;
class QTabWidget;

class TForm6 : public ClosingForm {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);

  // Clears both memos and the nine series.
  void clear_result_charts();
  void show_memo(ResultsMemo m, bool visible);
  // Loads a report file into a memo (empty when it cannot be read).
  void load_memo(ResultsMemo m, const QString& path);
  void clear_series(ResultSeries s);
  void add_series_point(ResultSeries s, double x, double value, const QString& label, ChartColour c);

  // Whoever shows the window means the planner to page through it: left
  // open from before a modal session began (and disabled with the other
  // windows then), it takes input again when it is shown anew.
  // It shows only what runs of the loaded problem wrote: once that problem
  // is replaced or released (problem_replaced) it stays hidden, whoever asks,
  // until the next run or test of the loaded problem clears it.
  void setVisible(bool visible) override;
  // The loaded problem was replaced or released: the window goes with its
  // report (see TForm10::problem_replaced, which says so for both windows).
  void problem_replaced();

  // Makes the page "Obj. values" the active one (the progress window docks
  // the window with it).
  void show_step_chart_page();

  // What the window shows, for the windows and tests that read it.
  int point_count(ResultSeries s) const;
  bool series_active(ResultSeries s) const;
  QColor series_colour(ResultSeries s) const;
  PointChart* step_chart() const { return Chart2; }
  PointChart* best_chart() const { return Chart1; }
  BarChart* measuring_chart() const { return Chart3; }

 protected:
  void FormClose() override;

 private:
  void ComboBox1Change();
  QPlainTextEdit* memo(ResultsMemo m) const;

  QTabWidget* PageControl1;
  QPlainTextEdit* Memo1;
  QPlainTextEdit* Memo2;
  BarChart* Chart3;
  PointChart* Chart1;
  PointChart* Chart2;
  QComboBox* ComboBox1;
  // False from a replacement of the problem to the next clear_result_charts.
  bool report_of_problem = true;
};

extern TForm6* Form6;
