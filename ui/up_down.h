#pragma once
// An up-down control: two small arrow buttons beside a field (its associate)
// that step the number in the field by an increment within a range, without
// wrapping. The field may be read-only: the arrows are then the only way to
// change it. A step starts from the number the field holds now (clamped into
// the range), so a value a caller wrote into the field is where the next
// click goes on from; writing the field fires its own change handler as
// typing would.
#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
  Q_OBJECT
 public:
  TUpDown(QLineEdit* associate, int min, int max, int increment, QWidget* parent = nullptr);

  int position() const;
  // Clamps p into the range and writes it into the field.
  void set_position(int p);

  QToolButton* up_button() const { return up_; }
  QToolButton* down_button() const { return down_; }

 private:
  void step(int direction);

  QLineEdit* associate_;
  QToolButton* up_;
  QToolButton* down_;
  int min_;
  int max_;
  int increment_;
};
