#pragma once
// The search-operator window ("Searching operators"): per operator N1..N5
// the steps whose best it made ("Total"), those among them that improved
// the overall best ("Improve"), and its priority Nx_op_pri with its share of
// the sum; the "Change" group sets one operator's priority 0..10, stored at
// once, so the next operator draw of a running search uses it.
#include "engine/run_host.h"
#include "ui/closing_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class ThrottledLabels;

class TForm17 : public ClosingForm {
  Q_OBJECT
 public:
  explicit TForm17(QWidget* parent = nullptr);

  // An operator statistic (operator 1..n_of_operators, 0 for the column's
  // sum). A run writes them every step: shown together with the progress
  // window's labels, at most 25 times a second.
  void set_statistic(OperatorColumn c, int op, int value);
  // The hidden "Active control" box, checked while the progress window docks
  // the window.
  void set_active_control(bool on);
  // Shows or hides the "Improve" and "Total" columns (the scheduler and
  // rescheduler windows show the window without them).
  void show_statistics(bool visible);

  // The label, showing every value a run wrote to it.
  QLabel* statistic_label(OperatorColumn c, int op);

 protected:
  void FormShow() override;
  void FormClose() override;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  QLabel* label_of(OperatorColumn c, int op) const;
  ThrottledLabels* pacing() const;
  void ComboBox1Change();
  void ComboBox2Change();

  // The three value columns, indexed by operator 1..8 (0 unused).
  QLabel* improve_[9];
  QLabel* total_[9];
  QLabel* priority_[9];
  QLabel* Label20;  // sum of "Improve"
  QLabel* Label21;  // sum of "Total"
  QLabel* Label31;  // sum of the priorities
  QLabel* improve_header_;
  QLabel* total_header_;
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
  QCheckBox* CheckBox1;
  QPushButton* Button1;
  ThrottledLabels* shown_;
};

extern TForm17* Form17;
