#pragma once
// The scheduler window: loads a problem, holds the search parameters and runs the solvers.
#include <QDialog>
#include "engine/run_host.h"

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

  // The integer in a parameter field, read by a run at its start.
  int field_value(SchedulerField f) const;
  // End of the performance test: "Perf. test " unchecked, method change run.
  void uncheck_performance_test();
};

extern TForm3* Form3;
