#pragma once
// The four text dumps of the input export.
#include <QDialog>

class TForm9 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent = nullptr);
};

extern TForm9* Form9;
