#pragma once
// The "Initializing" window: builds a starting schedule by one of six rules
// of thumb, shows it in "Schedule Performance " and lets the planner keep it
// ("Save changes", so that the next search may start from it) or, on
// closing, go back to the schedule that was live when the window opened or
// was last saved.
#include "ui/closing_form.h"

#include "engine/initial_schedule.h"

class QComboBox;
class QPushButton;

class TForm13 : public ClosingForm {
  Q_OBJECT
 public:
  explicit TForm13(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClose() override;
  void Button1Click();
  void Button2Click();
  void Button3Click();

 private:
  KEPT_SCHEDULE kept;
  QComboBox* ComboBox1;
  QPushButton *Button1, *Button2, *Button3;
};

extern TForm13* Form13;
