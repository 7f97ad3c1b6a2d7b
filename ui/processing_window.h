#pragma once
// The small "Processing" window shown while the charts are filled.
#include <QDialog>

class TForm12 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm12(QWidget* parent = nullptr);
};

extern TForm12* Form12;
