#include "ui/scheduler_window.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Production Scheduler"));
}

int TForm3::field_value(SchedulerField f) const { return RunHost().scheduler_field(f); }

void TForm3::uncheck_performance_test() {}
