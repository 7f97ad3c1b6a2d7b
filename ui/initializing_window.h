#pragma once
// The initializing window: starting schedules by rule of thumb.
#include <QDialog>

class TForm13 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm13(QWidget* parent = nullptr);
};

extern TForm13* Form13;
