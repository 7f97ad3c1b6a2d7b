#include "ui/application.h"

#include <exception>

#include "engine/run_host.h"
#include "solvers/run_report.h"
#include "ui/gui_run_host.h"
#include "ui/app_windows.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    show_message(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    show_message(QStringLiteral("Unknown exception."));
  }
  return false;
}

int WinMain(int argc, char** argv) {
  TApplication app(argc, argv);
  // The application title. No display name is set: on X11 it would be
  // appended to every window caption; the message boxes carry it themselves.
  QApplication::setApplicationName(QStringLiteral("TAVO_Scheduler"));
  // Run reports go to the program's own folder, whatever the working directory.
  set_run_report_folder(QCoreApplication::applicationDirPath().toStdString());
  GuiRunHost host;
  set_run_host(&host);
  AppWindows windows;
  windows.main_window().show();
  int result = 0;
  try {
    app.exec();
  } catch (const std::exception& e) {
    show_message(QString::fromLocal8Bit(e.what()));
  }
  set_run_host(nullptr);
  return result;
}
