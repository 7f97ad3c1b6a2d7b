#pragma once
// The problem generator window.
#include <QDialog>

class TForm16 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm16(QWidget* parent = nullptr);
};

extern TForm16* Form16;
