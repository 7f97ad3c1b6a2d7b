#pragma once
// The About box.
#include <QDialog>

class TForm21 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm21(QWidget* parent = nullptr);
};

extern TForm21* Form21;
