#pragma once
// The progress window every solver run shows: labels, clock, stop request, run-time limit, docking.
#include <QDialog>
#include "engine/run_host.h"

class TForm7 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm7(QWidget* parent = nullptr);

  void set_label(ProgressLabel l, const QString& text);
  void show_group(ProgressGroup g, bool visible);
  // Puts the run's loop count and tabu-list size into Edit2 and Edit3.
  void set_fields(int loops, int tabu_size);
  // Starts or stops the clock timer (Timer3).
  void run_clock(bool running);
};

extern TForm7* Form7;
