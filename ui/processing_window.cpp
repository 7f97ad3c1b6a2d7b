#include "ui/processing_window.h"

TForm12* Form12 = nullptr;

TForm12::TForm12(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form12"));
  setWindowTitle(QStringLiteral("Processing"));
}
