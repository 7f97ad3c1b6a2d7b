#pragma once
// The window of the rescheduling priorities ("More Objective functions"):
// the ten deviation counters of a rescheduling search with their weights
// ReschPri[0..9]. A vertical track bar sets the weight of the chosen line;
// its top is priority 10. Every change is stored at once ("Active Control"
// is always on), so "OK" only closes the window.
#include "ui/closing_form.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;

// A priority from a position of the vertical track bar, or the position of
// a priority: the bar runs 0..10 from top to bottom, so either way 10 - x.
int priority_from_position(int x);

class TForm19 : public ClosingForm {
  Q_OBJECT
 public:
  explicit TForm19(QWidget* parent = nullptr);

 protected:
  void FormShow() override;

 private:
  void ListBox1Click();
  void ListBox2Click();
  void TrackBar1Change();
  void Button1Click();

  QListWidget* ListBox1;
  QListWidget* ListBox2;
  QSlider* TrackBar1;
  QLineEdit* Edit1;
  QCheckBox* CheckBox1;
  QPushButton* Button1;
};

extern TForm19* Form19;
