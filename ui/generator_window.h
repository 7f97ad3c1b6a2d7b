#pragma once
// The "Problem Generator" window: the 24 generator parameters on the
// "Machine" and "Order" tabs, the method on the "Generate" tab, and "Generate"
// writing a random test problem as a scheduling input file. Its edits, their
// labels and their field checks all come from the parameter table
// (problem_io/generator_parameters.h); the window adds no rule of its own.
// It never reads or changes the loaded problem.
#include <QDialog>
#include <array>

#include "problem_io/generator_parameters.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

class TForm16 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm16(QWidget* parent = nullptr);

  // "Close".
  void Button1Click();
  // "Generate": draws with the chosen method, asks for the file and writes
  // it; "New data has been generated." when written, a message naming the
  // file when it cannot be written, nothing when the dialog is cancelled.
  void Button3Click();
  // Every edit's change handler (Edit1Change ...), driven by its table row:
  // a text holding a non-digit or a value outside the typing range is emptied.
  void EditChange(int row);
  // Every edit's exit handler (Edit1Exit ...): a value outside the leaving
  // range gives the range message, the reset text and the focus back.
  void EditExit(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTabWidget* PageControl1;
  QComboBox* ComboBox1;
  QPushButton* Button1;
  QPushButton* Button3;
  // In table order.
  std::array<QLineEdit*, n_of_generator_parameters> edits_{};
  // The save dialog's filter as the planner last chose it.
  int save_filter_index_ = 1;
};

extern TForm16* Form16;
