#include "ui/progress_window.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("Generating Schedule"));
}

void TForm7::set_label(ProgressLabel, const QString&) {}
void TForm7::show_group(ProgressGroup, bool) {}
void TForm7::set_fields(int, int) {}
void TForm7::run_clock(bool) {}
