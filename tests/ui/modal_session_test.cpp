// The modal session of the scheduler window: it survives the hide and show of
// a run, keeps the main window blocked until the planner closes it, and leaves
// the windows of the run usable.
#include <gtest/gtest.h>

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "tests/ui/scheduler_fixture.h"
#include "ui/main_window.h"
#include "ui/modal_session.h"
#include "ui/objective_priority_window.h"
#include "ui/progress_window.h"
#include "ui/scheduler_window.h"

namespace {
// Notes, at the moment the scheduler window is hidden for a run, which
// windows take input.
class HideProbe : public QObject {
 public:
  bool hidden = false, main_enabled = true, progress_enabled = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Hide && !hidden) {
      hidden = true;
      main_enabled = Form1->isEnabled();
      progress_enabled = Form7->isEnabled();
    }
    return false;
  }
};
}  // namespace

TEST_F(SchedulerWindowTest, ModalSessionSurvivesARunAndEndsWhenThePlannerCloses) {
  Form1->show();
  load(sample_file());
  edit("Edit1")->setText("3");
  edit("Edit2")->setText("3");
  HideProbe probe;
  Form3->installEventFilter(&probe);
  bool run_started = false, main_enabled_after_run = true;
  user.on_tick = [&] {
    if (!run_started && Form3->isVisible()) {
      run_started = true;
      QTimer::singleShot(0, button("Button4"), &QPushButton::click);
    } else if (probe.hidden && Form3->isVisible() && button("Button4")->isEnabled()) {
      main_enabled_after_run = Form1->isEnabled();
      user.on_tick = nullptr;
      QTimer::singleShot(0, button("Button1"), &QPushButton::click);
    }
  };
  const WaitLimit limit(user);
  Form1->Advanced1Click();  // returns when the planner has closed the window
  Form3->removeEventFilter(&probe);
  EXPECT_TRUE(probe.hidden);
  EXPECT_FALSE(probe.main_enabled);
  EXPECT_TRUE(probe.progress_enabled);
  EXPECT_FALSE(main_enabled_after_run);
  EXPECT_TRUE(Form1->isEnabled());
  EXPECT_FALSE(Form3->isVisible());
  Form1->hide();
}

TEST_F(SchedulerWindowTest, SessionsNestAndAPlainHideEndsAnUnheldOne) {
  Form1->show();
  bool detailes_asked = false;
  bool scheduler_enabled_in_detailes = true, main_enabled_in_detailes = true, main_enabled_after_detailes = true;
  user.on_tick = [&] {
    if (Form15->isVisible()) {
      scheduler_enabled_in_detailes = Form3->isEnabled();
      main_enabled_in_detailes = Form1->isEnabled();
      Form15->hide();  // a window closed by hiding ends its session like exec()
    } else if (Form3->isVisible() && !detailes_asked) {
      detailes_asked = true;
      QTimer::singleShot(0, button("Button10"), &QPushButton::click);
    } else if (Form3->isVisible() && Form3->isEnabled()) {
      main_enabled_after_detailes = Form1->isEnabled();
      user.on_tick = nullptr;
      QTimer::singleShot(0, button("Button1"), &QPushButton::click);
    }
  };
  const WaitLimit limit(user);
  show_modal(Form3);
  EXPECT_FALSE(scheduler_enabled_in_detailes);
  EXPECT_FALSE(main_enabled_in_detailes);
  EXPECT_FALSE(main_enabled_after_detailes);  // the scheduler's session still holds it
  EXPECT_TRUE(Form1->isEnabled());
  EXPECT_TRUE(Form3->isEnabled());
  Form1->hide();
}
