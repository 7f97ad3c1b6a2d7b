#include "ui/schedule_performance_window.h"

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form10"));
  setWindowTitle(QStringLiteral("Schedule Performance "));
}

void TForm10::set_initial_data_snapshot(SHOP* /*snapshot*/) {}
