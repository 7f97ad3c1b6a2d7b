#pragma once
// The "Production Rescheduler" window: loads a released-schedule file, lets
// the planner change the shop ("Shop env."), shows the frozen initial state
// and runs the rescheduling search. It owns the released and the working
// state from a load until it closes; closing releases both and the problem.
#include "ui/closing_form.h"

#include <array>
#include <utility>

#include "engine/rescheduling_states.h"
#include "engine/run_host.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm18 : public ClosingForm {
  Q_OBJECT
 public:
  // A parameter field's ranges, message and reset text.
  struct FieldRule;

  explicit TForm18(QWidget* parent = nullptr);
  ~TForm18() override;

  // The integer in a parameter field (the type: the combo's index). A field
  // left out of its range reads as the value leaving it would reset it to.
  int field_value(ReschedulerField f) const;

  // The released and working states (empty before a load and after closing).
  const RESCH_STATES& states() const { return resch_states; }

  // 1 loaded, 0 not (cancelled, refused or damaged).
  int load_released_schedule();

  void FormShow() override;
  void FormClose() override;
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Ob();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // The four parameter fields with their checks.
  std::array<std::pair<QLineEdit*, const FieldRule*>, 4> field_rules() const;
  // Enables or disables "Run", "Shop env.", "Show initial state" and the four fields.
  void enable_run_controls(bool on);

  RESCH_STATES resch_states;

  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7, *Button8;
  QGroupBox* GroupBox1;
  QComboBox *ComboBox1, *ComboBox2;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;
};

extern TForm18* Form18;
