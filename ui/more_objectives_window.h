#pragma once
// The window of the further objective and rescheduling priorities.
#include <QDialog>

class TForm19 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm19(QWidget* parent = nullptr);
};

extern TForm19* Form19;
