// A tabu search run through the program's own host with every window in
// place: what the progress window, the results window and the stop request
// show and do.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "engine/live_schedule.h"
#include "engine/run_state.h"
#include "solvers/tabu_search.h"
#include "tests/support/generated_problem.h"
#include "tests/ui/window_run_fixture.h"
#include "ui/point_chart.h"
#include "ui/progress_window.h"
#include "ui/results_window.h"

namespace {

QString text_of(ProgressLabel l) { return Form7->label(l)->text(); }

class SearchRunWindows : public WindowRunTest {
 protected:
  SearchRunWindows() { EXPECT_TRUE(load_generated_problem(3, GeneratedSize::Small)); }

  QPushButton* stop_button() { return Form7->findChild<QPushButton*>(QStringLiteral("Button1")); }
};

TEST_F(SearchRunWindows, ProgressLabelsResultsMemoAndSeriesAfterAFullRun) {
  set_fields(12, 6, 30);
  ASSERT_EQ(TS_S_do_pi(), 1);

  EXPECT_FALSE(Form7->isVisible());  // hidden at the end of the run
  EXPECT_EQ(text_of(ProgressLabel::Title), "TAVO Solver");
  EXPECT_TRUE(text_of(ProgressLabel::Subtitle).contains(QRegularExpression("^Start time:\\d\\d:\\d\\d:\\d\\d$")))
      << text_of(ProgressLabel::Subtitle).toStdString();
  EXPECT_EQ(text_of(ProgressLabel::StepCaption), "STEP:");
  EXPECT_EQ(text_of(ProgressLabel::Step), "12");
  EXPECT_EQ(text_of(ProgressLabel::StepTotal), "12");
  EXPECT_EQ(text_of(ProgressLabel::BestCaption), "The best step:");
  // The six values of the overall best are those of the new live schedule.
  EXPECT_EQ(text_of(ProgressLabel::LateOrders).toLongLong(), last_obj_value.n_of_Late_Orders);
  EXPECT_EQ(text_of(ProgressLabel::LateJobs).toLongLong(), last_obj_value.n_of_Late_Jobs);
  EXPECT_EQ(text_of(ProgressLabel::SumTardiness).toLongLong(), last_obj_value.sumTardiness);
  EXPECT_EQ(text_of(ProgressLabel::CompletionTime).toLongLong(), last_obj_value.Completion_Time);

  // The report memo holds the report file, shown again.
  auto* memo = Form6->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
  EXPECT_FALSE(memo->isHidden());
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->toPlainText(), report());
  const QString best_line = QStringLiteral("best step: ") + text_of(ProgressLabel::BestStep) + "best loop: ";
  EXPECT_TRUE(report().contains(best_line)) << best_line.toStdString();

  // One point per step in each step series; one best point per improvement
  // of the overall best (every best-step label after the starting "0").
  for (ResultSeries s : kStepSeries) EXPECT_EQ(Form6->point_count(s), 12);
  const int improvements = static_cast<int>(host.best_steps.size()) - 2;  // "" and "0" at the start
  ASSERT_GE(improvements, 1);
  EXPECT_EQ(Form6->point_count(ResultSeries::BestLateJobs), improvements);
  const QPointF last_best = Form6->best_chart()->point(0, improvements - 1);
  EXPECT_EQ(last_best.x(), improvements);
  EXPECT_EQ(static_cast<long long>(last_best.y()), last_obj_value.n_of_Late_Jobs);
  EXPECT_EQ(Form6->step_chart()->point(4, 11), QPointF(12, Form6->step_chart()->point(4, 11).y()));
}

TEST_F(SearchRunWindows, TheClockShowsTheTimeWhileItRuns) {
  Form7->run_clock(true);
  QTest::qWait(1150);
  Form7->run_clock(false);
  EXPECT_TRUE(text_of(ProgressLabel::Clock).contains(QRegularExpression("^Current time: \\d\\d:\\d\\d:\\d\\d$")))
      << text_of(ProgressLabel::Clock).toStdString();
  Form7->set_label(ProgressLabel::Clock, QString());
  QTest::qWait(1100);
  EXPECT_EQ(text_of(ProgressLabel::Clock), "");  // stopped
}

TEST_F(SearchRunWindows, StopPressedThreeTimesInAStepAsksOnceAndNoGoesOnThenYesEnds) {
  set_fields(40, 4, 30);
  boxes.answers = {false, true};
  host.on_process_events = [this](int pass) {
    if (pass == 3)
      for (int i = 0; i < 3; ++i) stop_button()->click();
    if (pass == 6) {
      EXPECT_TRUE(Form7->isVisible());  // shown again after the No
      stop_button()->click();
    }
  };
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_EQ(boxes.questions,
            QStringList({"Do You really want to stop the process?", "Do You really want to stop the process?"}));
  EXPECT_TRUE(boxes.messages.contains("Process stopped!"));
  // The request of step 6 is seen at the start of step 7, which never runs.
  EXPECT_EQ(text_of(ProgressLabel::Step), "6");
  for (ResultSeries s : kStepSeries) EXPECT_EQ(Form6->point_count(s), 6);
}

TEST_F(SearchRunWindows, ClosingTheProgressWindowIsAStopRequest) {
  set_fields(40, 4, 30);
  boxes.answers = {true};
  host.on_process_events = [](int pass) {
    if (pass == 2) Form7->close();
  };
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_EQ(boxes.questions.size(), 1);
  EXPECT_EQ(text_of(ProgressLabel::Step), "2");
}

TEST_F(SearchRunWindows, AnExpiredLimitBetweenRunsLeavesTheRequestUntilTheNextRunClearsIt) {
  auto* edit = Form7->findChild<QLineEdit*>(QStringLiteral("Edit1"));
  QTest::keyClicks(edit, "1");
  auto* limit = Form7->findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_TRUE(limit->isActive());
  limit->setInterval(5);  // let the minute pass now
  QTest::qWait(60);
  EXPECT_TRUE(stop_flag);
  EXPECT_FALSE(limit->isActive());
  EXPECT_EQ(edit->text(), "");
  EXPECT_EQ(Form7->findChild<QLabel*>(QStringLiteral("Label23"))->text(), "Timer inactive");

  // The run clears the request before its first step: no question, every step.
  set_fields(5, 3, 20);
  ASSERT_EQ(TS_S_do_pi(), 1);
  EXPECT_TRUE(boxes.questions.isEmpty());
  EXPECT_EQ(text_of(ProgressLabel::Step), "5");
}

}  // namespace
