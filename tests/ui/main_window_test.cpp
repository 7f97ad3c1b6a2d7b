#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QScreen>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

#include "tests/ui/scheduler_fixture.h"
#include "ui/about_box.h"
#include "ui/results_window.h"

TEST(MainWindow, StartsMaximisedWithItsMenu) {
  TForm1 form;
  EXPECT_EQ(form.windowTitle(), "TAVO Scheduler");
  EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
  // Where nothing maximises it, the window and its menu are on the screen.
  EXPECT_TRUE(form.screen()->availableGeometry().contains(form.geometry()));
  ASSERT_NE(form.findChild<QMenuBar*>("MainMenu1"), nullptr);
  QStringList captions;
  for (const char* name : {"Exit1", "Advanced1", "Rescheduler", "ProblemGenerator1", "About1"}) {
    QAction* item = form.findChild<QAction*>(name);
    ASSERT_NE(item, nullptr) << name;
    captions << item->text();
  }
  EXPECT_EQ(captions, QStringList({"E&xit", "S&cheduler", "&Rescheduler", "Problem &Generator", "&About ..."}));
}

namespace {
// A widget whose event handler fails the way a broken engine call would.
class FailingWidget : public QWidget {
 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Calculation failed.");
    return QWidget::event(e);
  }
};
}  // namespace

TEST(Application, ExceptionFromAHandlerIsShownInAMessageBox) {
  FailingWidget w;
  w.show();
  ModalAnswerer user;
  // Posted, as the window system's events are; Qt owns and frees the event.
  QCoreApplication::postEvent(&w, new QEvent(QEvent::User));
  QCoreApplication::sendPostedEvents(&w, QEvent::User);
  EXPECT_EQ(user.boxes, QStringList({"TAVO_Scheduler|Calculation failed."}));
  EXPECT_TRUE(w.isVisible());  // the program goes on
}

TEST_F(SchedulerWindowTest, AboutBoxOpensFromTheMenuAndClosesWithOk) {
  Form1->show();
  bool main_blocked = false;
  user.on_shown(Form21, [&] {
    main_blocked = !Form1->isEnabled();
    Form21->findChild<QPushButton*>("Button1")->click();
  });
  const WaitLimit limit(user);
  Form1->findChild<QAction*>("About1")->trigger();  // returns once the box is closed
  EXPECT_TRUE(main_blocked);
  EXPECT_FALSE(Form21->isVisible());
  EXPECT_TRUE(Form1->isEnabled());
  Form1->hide();
}

TEST_F(SchedulerWindowTest, ClosingTheMainWindowEndsTheProgramWithOtherWindowsOpen) {
  Form1->show();
  Form6->show();
  bool forced = false;
  QTimer give_up;
  give_up.setSingleShot(true);
  QObject::connect(&give_up, &QTimer::timeout, [&] {
    forced = true;
    QApplication::quit();
  });
  give_up.start(3000);
  QTimer::singleShot(0, Form1, [] { Form1->findChild<QAction*>("Exit1")->trigger(); });
  QApplication::exec();
  EXPECT_FALSE(forced);
  Form6->hide();
}
