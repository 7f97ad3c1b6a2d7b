#include "ui/data_dump_window.h"

TForm9* Form9 = nullptr;

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form9"));
  setWindowTitle(QStringLiteral("Input and schedule data"));
}
