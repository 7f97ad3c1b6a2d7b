#pragma once
// The "Input Data Checking" window: the input text with its errors and warnings.
#include <QDialog>

class TForm20 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm20(QWidget* parent = nullptr);
};

extern TForm20* Form20;
