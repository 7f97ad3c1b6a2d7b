#include "ui/input_data_window.h"

TForm14* Form14 = nullptr;

TForm14::TForm14(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form14"));
  setWindowTitle(QStringLiteral("Input data"));
}
