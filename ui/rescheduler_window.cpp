#include "ui/rescheduler_window.h"

TForm18* Form18 = nullptr;

TForm18::TForm18(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form18"));
  setWindowTitle(QStringLiteral("Production Rescheduler"));
}

int TForm18::field_value(ReschedulerField f) const { return RunHost().rescheduler_field(f); }
