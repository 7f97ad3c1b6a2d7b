#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>

TEST(MainWindow, StartsMaximisedWithItsMenu) {
  TForm1 form;
  EXPECT_EQ(form.windowTitle(), "TAVO Scheduler");
  EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
  ASSERT_NE(form.findChild<QMenuBar*>("MainMenu1"), nullptr);
  QStringList captions;
  for (const char* name : {"Exit1", "Advanced1", "Rescheduler", "ProblemGenerator1", "About1"}) {
    QAction* item = form.findChild<QAction*>(name);
    ASSERT_NE(item, nullptr) << name;
    captions << item->text();
  }
  EXPECT_EQ(captions, QStringList({"E&xit", "S&cheduler", "&Rescheduler", "Problem &Generator", "&About ..."}));
}

TEST(MainWindow, ExitClosesTheWindow) {
  TForm1 form;
  form.show();
  ASSERT_TRUE(form.isVisible());
  form.findChild<QAction*>("Exit1")->trigger();
  EXPECT_FALSE(form.isVisible());
}
