#include "ui/more_objectives_window.h"

TForm19* Form19 = nullptr;

TForm19::TForm19(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form19"));
  setWindowTitle(QStringLiteral("More Objective functions"));
}
