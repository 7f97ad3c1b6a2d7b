#include "ui/operator_priority_window.h"

TForm17* Form17 = nullptr;

TForm17::TForm17(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form17"));
  setWindowTitle(QStringLiteral("Searching operators"));
}

void TForm17::set_statistic(OperatorColumn, int, int) {}
