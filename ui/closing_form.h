#pragma once
// A window of the program whose every way of closing (its close button, the
// Escape key, close() from code) runs its FormClose handler before it hides,
// while a plain hide (a solver hiding it at the end of a run) runs none. A
// QDialog on its own hides on Escape without a close event, which would skip
// the handler: a progress window closed that way would stop nothing, a docked
// window would leave its box on the progress window checked.
//
// Unless a caller placed it (set_placed(true), as the progress window does
// when it docks a window), the window is centred each time it is shown: on
// the screen, or on the main window for a window that says so; a window a
// run hides and shows again within the planner's session (the scheduler)
// stays where the planner put it. Where the window manager puts a window of
// its own accord when it first frames it, the window goes back to the place
// the program gave it.
#include <QDialog>

class ClosingForm : public QDialog {
  Q_OBJECT
 public:
  enum class Centre { Screen, MainWindow };

  explicit ClosingForm(Centre centre = Centre::Screen, QWidget* parent = nullptr);

  // true: shown where it was put (poDesigned); false: centred (the default).
  void set_placed(bool placed) { placed_ = placed; }
  bool placed() const { return placed_; }

  void reject() override;

 protected:
  virtual void FormClose() {}
  virtual void FormShow() {}

  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  Centre centre_;
  bool placed_ = false;
  bool closing_ = false;
  // The outer rectangle given at the last showing, until the window system
  // has placed the window (or a second has passed).
  QRect given_;
  bool keep_given_ = false;
};
