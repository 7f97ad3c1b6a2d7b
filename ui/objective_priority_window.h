#pragma once
// The objective-priority window ("Objective functions"): six track bars,
// 0..10, for the weights ObjPri[0..5] of late orders, late jobs, sum of
// tardiness, max tardiness, setups and completion time. "OK" stores all six;
// with "Active control" checked every move is stored at once, so a docked
// window steers the running search at its next comparison. Closed any other
// way, the weights stay as they are.
#include "ui/closing_form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;

class TForm15 : public ClosingForm {
  Q_OBJECT
 public:
  explicit TForm15(QWidget* parent = nullptr);

  // Checks or unchecks "Active control"; checking stores the six positions.
  // The scheduler window unchecks it before showing the window modally.
  void set_active_control(bool on);
  // Shows or hides "More" (the rescheduler window shows it while it is open).
  void show_more_button(bool visible);

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  void TrackBarChange(int row);
  void CheckBox1Click();
  void Button1Click();
  void Button2Click();

  QSlider* TrackBar[6];
  QLineEdit* Edit[6];
  QPushButton* Button1;
  QPushButton* Button2;
  QCheckBox* CheckBox1;
};

extern TForm15* Form15;
