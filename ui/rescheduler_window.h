#pragma once
// The rescheduler window: loads a released schedule, changes the shop and reschedules.
#include <QDialog>
#include "engine/run_host.h"

class TForm18 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm18(QWidget* parent = nullptr);

  // The integer in a parameter field (the type: the combo's index).
  int field_value(ReschedulerField f) const;
};

extern TForm18* Form18;
