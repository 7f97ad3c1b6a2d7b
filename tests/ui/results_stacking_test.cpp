// After every run and every "Show Results", "Results" stands in front of
// "Schedule Performance ": put in front after it (shown or raised later) and
// made the active window, which a window manager follows when it frames and
// stacks the windows in its own time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "tests/support/released_file.h"
#include "tests/ui/modal_answerer.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/rescheduler_window.h"
#include "ui/results_window.h"
#include "ui/schedule_performance_window.h"
#include "ui/scheduler_window.h"

namespace {

// The program's windows in the order they were last put in front: a window
// shown or raised goes to the end, as a window system without a manager
// stacks them.
class FrontOrder : public QObject {
 public:
  FrontOrder() { qApp->installEventFilter(this); }
  ~FrontOrder() override { qApp->removeEventFilter(this); }

  // True when a was put in front after b (both were put in front at least once).
  bool in_front_of(const QWidget* a, const QWidget* b) const { return position(a) > position(b); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show && event->type() != QEvent::ZOrderChange) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (w == nullptr || !w->isWindow()) return false;
    order_.erase(std::remove(order_.begin(), order_.end(), w), order_.end());
    order_.push_back(w);
    return false;
  }

 private:
  int position(const QWidget* w) const {
    for (int i = 0; i < static_cast<int>(order_.size()); ++i)
      if (order_[i] == w) return i;
    return -1;
  }
  std::vector<const QWidget*> order_;
};

class ResultsInFront : public SchedulerWindowTest {
 protected:
  // The planner brings the schedule window forward (clicks into it).
  static void bring_schedule_forward() {
    Form10->raise();
    Form10->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == Form10; }, 2000));
  }

  void expect_results_in_front(const char* road) {
    ASSERT_TRUE(Form6->isVisible()) << road;
    ASSERT_TRUE(Form10->isVisible()) << road;
    EXPECT_TRUE(front.in_front_of(Form6, Form10)) << road;
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == Form6; }, 2000)) << road;
  }

  FrontOrder front;
};

// A run ends with "Results" in front, whether it was docked open during the
// run (the run closes it and shows it again) or hidden, and whether the
// schedule window was open before (renewed in place) or not; the tabu search
// and the batch search alike.
TEST_F(ResultsInFront, AfterEveryRun) {
  load(sample_file());
  run_method(0);
  expect_results_in_front("first run");

  for (int method : {0, 2}) {
    bring_schedule_forward();
    Form6->show();  // "Chart visible" during the run
    run_method(method);
    expect_results_in_front(method == 0 ? "tabu search, Results open" : "batch search, Results open");

    bring_schedule_forward();
    Form6->hide();
    run_method(method);
    expect_results_in_front(method == 0 ? "tabu search, Results hidden" : "batch search, Results hidden");
  }
}

// "Show Results" of the scheduler window and of the schedule window bring
// "Results" forward also when both windows are already open, the schedule
// window in front.
TEST_F(ResultsInFront, AfterEveryShowResults) {
  load(sample_file());
  run_method(0);

  bring_schedule_forward();
  button("Button7")->click();
  expect_results_in_front("scheduler, both open");

  Form6->hide();
  Form10->hide();
  button("Button7")->click();
  expect_results_in_front("scheduler, both hidden");

  bring_schedule_forward();
  named_child<QPushButton>(Form10, QStringLiteral("Button31"))->click();
  expect_results_in_front("schedule window");
}

// The rescheduler's "Run" and "Show Results" alike, the schedule window in
// front each time before.
TEST_F(ResultsInFront, AfterARescheduleAndItsShowResults) {
  Form18->show();
  user.file = QString::fromStdString(write_released_file(dir, "released.rsf", 7));
  named_child<QPushButton>(Form18, QStringLiteral("Button1"))->click();
  named_child<QLineEdit>(Form18, QStringLiteral("Edit1"))->setText(QStringLiteral("3"));
  named_child<QLineEdit>(Form18, QStringLiteral("Edit2"))->setText(QStringLiteral("2"));
  auto* run = named_child<QPushButton>(Form18, QStringLiteral("Button6"));
  ASSERT_TRUE(run->isEnabled());

  run->click();
  expect_results_in_front("first reschedule");

  bring_schedule_forward();
  Form6->show();  // "Chart visible" during the run
  run->click();
  expect_results_in_front("reschedule, Results open");

  bring_schedule_forward();
  named_child<QPushButton>(Form18, QStringLiteral("Button3"))->click();
  expect_results_in_front("rescheduler's Show Results");
  Form18->close();
}

}  // namespace
