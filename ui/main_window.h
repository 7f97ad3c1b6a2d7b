#pragma once
#include <QMainWindow>

class QAction;

// The main window: a frame that carries only the main menu from which the
// scheduler, the rescheduler, the problem generator and the About box open.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);

 public slots:
  void Exit1Click();
  void Advanced1Click();
  void ReschedulerClick();
  void ProblemGenerator1Click();
  void About1Click();

 protected:
  // Closing the main window ends the program, even with the results windows
  // still open beside it.
  void closeEvent(QCloseEvent* event) override;
};

extern TForm1* Form1;
