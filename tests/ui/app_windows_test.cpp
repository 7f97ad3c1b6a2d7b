#include "ui/app_windows.h"

#include <gtest/gtest.h>

#include <QDialog>

#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/rescheduler_window.h"
#include "ui/scheduler_window.h"

TEST(AppWindows, EveryWindowIsReachableWhileTheSetLivesAndNoneAfter) {
  {
    AppWindows windows;
    ASSERT_EQ(Form1, &windows.main_window());
    ASSERT_NE(Form3, nullptr);
    EXPECT_EQ(Form7->windowTitle(), "Generating Schedule");
    EXPECT_EQ(Form18->windowTitle(), "Production Rescheduler");
    EXPECT_FALSE(Form3->isVisible());  // created hidden, shown from the menu
  }
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(Form3, nullptr);
  EXPECT_EQ(Form21, nullptr);
}
