#pragma once
// The search-operator priority window with the operator statistics.
#include <QDialog>
#include "engine/run_host.h"

class TForm17 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm17(QWidget* parent = nullptr);

  // An operator statistic (operator 1..n_of_operators, 0 for the column's sum).
  void set_statistic(OperatorColumn c, int op, int value);
};

extern TForm17* Form17;
