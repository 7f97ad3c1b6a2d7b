#pragma once
// The About box: the program's name and purpose, closed with "OK".
#include <QDialog>

class TForm21 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm21(QWidget* parent = nullptr);

 public slots:
  void Button1Click();
};

extern TForm21* Form21;
