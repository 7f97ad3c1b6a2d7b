#pragma once
#include <QApplication>

// The application object: an exception that escapes an event handler is shown
// in a message box instead of ending the program.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Sets the application title, creates the windows in their fixed order with
// the main window first, runs the event loop until the main window closes and
// returns 0.
int WinMain(int argc, char** argv);
