#pragma once
// Shows a window modally and returns when the user has closed it.
//
// Like QDialog::exec(), the session ends when the window is closed or hidden,
// with one difference: while a ModalSessionHold for the window lives, hiding
// it does not end the session. A solver run hides the scheduler window at its
// start and shows it again at its end; the "Run" handler holds the session,
// so it goes on until the planner closes the window.
//
// While the session lasts, every other window that was visible and enabled
// when it began is disabled, so the main menu cannot open a second window
// meanwhile. Windows shown during the session (the progress window, the
// results window, the docked priority windows, message boxes) take input.
// Each session enables again only the windows it disabled itself, so
// sessions nest.
class QDialog;
class QWidget;

void show_modal(QDialog* window);

// True while a ModalSessionHold for window lives (a run hides and shows it).
bool modal_session_held(const QWidget* window);

// The window of the innermost running session that is visible; null when
// there is none.
QWidget* modal_session_window();
// The visible window of the session around the session of window (the
// scheduler around its "Search operators"); null when window runs no session
// or its session is the outermost.
QWidget* enclosing_session_window(const QWidget* window);

// Keeps the modal session of window alive across hide and show for the
// holder's lifetime. When the last hold ends with the window hidden, the
// session ends then.
class ModalSessionHold {
 public:
  explicit ModalSessionHold(QWidget* window);
  ~ModalSessionHold();
  ModalSessionHold(const ModalSessionHold&) = delete;
  ModalSessionHold& operator=(const ModalSessionHold&) = delete;

 private:
  QWidget* window_;
};
