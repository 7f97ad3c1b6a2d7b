#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

#include "ui/about_box.h"
#include "ui/generator_window.h"
#include "ui/modal_session.h"
#include "ui/rescheduler_window.h"
#include "ui/scheduler_window.h"

TForm1* Form1 = nullptr;

namespace {
QAction* add_item(QMenu* menu, const char* object_name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(object_name));
  return action;
}
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("TAVO Scheduler"));
  resize(1270, 858);
  // At the screen centre, never larger than the screen, so that the menu is
  // on it also where nothing maximises the window; the maximised state below
  // is what the planner sees once a window manager honours it.
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    resize(size().boundedTo(area.size()));
    QRect frame = geometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
  }

  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  connect(add_item(file, "Exit1", QStringLiteral("E&xit")), &QAction::triggered, this, &TForm1::Exit1Click);

  QMenu* schedule = bar->addMenu(QStringLiteral("&Schedule"));
  schedule->setObjectName(QStringLiteral("Schedule1"));
  connect(add_item(schedule, "Advanced1", QStringLiteral("S&cheduler")), &QAction::triggered, this,
          &TForm1::Advanced1Click);
  connect(add_item(schedule, "Rescheduler", QStringLiteral("&Rescheduler")), &QAction::triggered, this,
          &TForm1::ReschedulerClick);
  connect(add_item(schedule, "ProblemGenerator1", QStringLiteral("Problem &Generator")), &QAction::triggered,
          this, &TForm1::ProblemGenerator1Click);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  connect(add_item(help, "About1", QStringLiteral("&About ...")), &QAction::triggered, this, &TForm1::About1Click);

  setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::Exit1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) QCoreApplication::quit();
}

// The scheduler keeps a trailing blank in its design caption; the menu
// always shows it as "Production Scheduler".
void TForm1::Advanced1Click() {
  Form3->setWindowTitle(QStringLiteral("Production Scheduler"));
  show_modal(Form3);
}

void TForm1::ReschedulerClick() {
  Form18->setWindowTitle(QStringLiteral("Production Rescheduler"));
  show_modal(Form18);
}

void TForm1::ProblemGenerator1Click() { show_modal(Form16); }

void TForm1::About1Click() { show_modal(Form21); }
