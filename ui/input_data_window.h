#pragma once
// The input data window: browses the shop and, for the rescheduler, changes it.
#include <QDialog>

class TForm14 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm14(QWidget* parent = nullptr);
};

extern TForm14* Form14;
