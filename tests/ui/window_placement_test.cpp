// Where windows stand: a run hides the scheduler and shows it again where the
// planner put it, not back at the screen centre.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPoint>
#include <QWindow>
#include <QPushButton>

#include "tests/ui/scheduler_fixture.h"
#include "ui/scheduler_window.h"
#include "ui/window_placement.h"

using WindowPlacement = SchedulerWindowTest;

TEST_F(WindowPlacement, TheSchedulerStaysWhereThePlannerPutItAcrossARun) {
  load(sample_file());
  Form3->show();
  // Dragged by the planner: the window system reports the move.
  Form3->windowHandle()->setPosition(37, 41);
  QApplication::processEvents();
  const QPoint put = Form3->geometry().topLeft();
  ASSERT_EQ(put, QPoint(37, 41));
  run_method(0);
  ASSERT_TRUE(Form3->isVisible());
  EXPECT_EQ(Form3->geometry().topLeft(), put);
  Form3->hide();
}
