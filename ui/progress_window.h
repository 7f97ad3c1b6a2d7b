#pragma once
// The progress window every solver run shows ("Generating Schedule"): the
// run's title, start time, step, best step and the six values of the best
// schedule, a clock, the stop request, the run-time limit, the live loop
// count and tabu-list size, and the three boxes that dock the "Results",
// objective-priority and search-operator windows beside it. It owns the
// planner's stop request: "Stop", an expired limit and closing the window
// all set stop_flag, which the running solver reads at its next step; the
// window never ends a run by itself.
#include <QString>

#include "engine/run_host.h"
#include "ui/closing_form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class ThrottledLabels;
class TUpDown;

class TForm7 : public ClosingForm {
  Q_OBJECT
 public:
  explicit TForm7(QWidget* parent = nullptr);

  // The label a run writes. The labels are shown together at most 25 times
  // a second (a text set sooner waits for the next showing); the step number
  // of a step longer than that is painted, with all that waits, before the
  // step runs.
  void set_label(ProgressLabel l, const QString& text);
  // The pacing of the run's labels, shared by the search-operator window's
  // counters so that they change together with the step.
  ThrottledLabels* pacing() const { return shown_; }
  void show_group(ProgressGroup g, bool visible);
  // Puts the run's loop count and tabu-list size into Edit2 and Edit3.
  void set_fields(int loops, int tabu_size);
  // Starts or stops the clock timer (Timer3).
  void run_clock(bool running);

  // The three docking boxes, for the windows they dock: each unchecks its
  // box when it closes while this window is visible.
  void uncheck_chart_visible();
  void uncheck_priority_control();
  void uncheck_search_operators();

  // The label, showing every text a run wrote to it.
  QLabel* label(ProgressLabel l);

 protected:
  void FormShow() override;
  void FormClose() override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Button1Click();
  void Edit1Change();
  void Timer1Timer();
  void Edit2Change();
  void Edit3Change();
  void Timer2Timer();
  void Timer3Timer();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  template <class PriorityWindow>
  void dock_priority_window(PriorityWindow* window, bool docked, int left);
  // The Results window ends 4 pixels above the highest docked priority or
  // operator window that is visible; unchanged when neither is.
  void fit_results_height();

  QLabel* label_of(ProgressLabel l) const;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label15;
  QLabel* Label16;
  QLabel* Label17;
  QLabel* Label18;
  QLabel* Label19;
  QLabel* Label20;
  QLabel* Label23;
  QLabel* Label26;
  // Values of the rescheduling group: late orders dev./new, late jobs
  // dev./new, machine setups dev./new.
  QLabel* resch_values_[6];
  QPushButton* Button1;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  TUpDown* UpDown1;
  TUpDown* UpDown2;
  QGroupBox* GroupBox1;
  QGroupBox* GroupBox2;
  QGroupBox* GroupBox3;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QTimer* Timer1;
  QTimer* Timer2;
  QTimer* Timer3;
  ThrottledLabels* shown_;
};

extern TForm7* Form7;
