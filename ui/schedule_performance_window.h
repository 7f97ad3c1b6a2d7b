#pragma once
// The schedule performance window: Gantt charts, utilisation, EF figures and the schedule editor.
#include <QDialog>
class SHOP;

class TForm10 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm10(QWidget* parent = nullptr);

  // The rescheduling run's reference state for the initial-data overlay
  // (not owned).
  void set_initial_data_snapshot(SHOP* snapshot);

  // ---- Display: Gantt charts, utilisation, EF figures ----

  // ---- Editor: schedule edits, undo history, schedule files ----
};

extern TForm10* Form10;
