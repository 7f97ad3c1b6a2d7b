#include "ui/objective_priority_window.h"

TForm15* Form15 = nullptr;

TForm15::TForm15(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form15"));
  setWindowTitle(QStringLiteral("Objective functions"));
}
