#include "ui/input_checking_window.h"

TForm20* Form20 = nullptr;

TForm20::TForm20(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form20"));
  setWindowTitle(QStringLiteral("Input Data Checking"));
}
