#include "ui/about_box.h"

TForm21* Form21 = nullptr;

TForm21::TForm21(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form21"));
  setWindowTitle(QStringLiteral("About"));
}
