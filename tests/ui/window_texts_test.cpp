// Every stated text of the windows reads whole: captions and values of the
// progress window in any run, each message of the checking window, the
// search-operator window's title, the field messages' ranges, and the
// figures of the labels that show one reach assistive tools.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>

#include "engine/run_host.h"
#include "problem_io/input_checker.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/input_checking_window.h"
#include "ui/message_boxes.h"
#include "ui/window_placement.h"
#include "ui/operator_priority_window.h"
#include "ui/progress_window.h"

namespace {
// Where label stands whole inside its window: as wide as its text needs and
// not beyond the window's right edge.
::testing::AssertionResult shows_whole(const QLabel* label) {
  const QWidget* window = label->window();
  const int right = label->mapTo(window, QPoint(label->width(), 0)).x();
  if (label->width() >= label->sizeHint().width() && right <= window->width())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << label->objectName().toStdString() << " \"" << label->text().toStdString()
                                       << "\" is " << label->width() << " wide, needs " << label->sizeHint().width()
                                       << ", ends at " << right << " of " << window->width();
}

QString accessible_name(QWidget* w) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  return a ? a->text(QAccessible::Name) : QString();
}

// The widest text a list's rows can be read to: the viewport plus what its
// horizontal scroll bar reaches.
int readable_width(QListWidget* list) {
  return list->viewport()->width() + list->horizontalScrollBar()->maximum();
}
}  // namespace

using WindowTexts = SchedulerWindowTest;

// A rescheduling run shows its group only after the window was built; its
// captions and six values still read whole, as do the longest limit and
// start texts.
TEST_F(WindowTexts, TheProgressWindowFitsTheReschedulingGroupAndTheLongestTexts) {
  Form7->show_group(ProgressGroup::Rescheduling, true);
  Form7->set_label(ProgressLabel::Subtitle, QStringLiteral("Batch scheduling mode"));
  for (ProgressLabel l : {ProgressLabel::LateOrdersDev, ProgressLabel::LateOrdersNew, ProgressLabel::LateJobsDev,
                          ProgressLabel::LateJobsNew, ProgressLabel::SetupsDev, ProgressLabel::SetupsNew})
    Form7->set_label(l, QStringLiteral("1234"));
  Form7->show();
  type_into(named_child<QLineEdit>(Form7, "Edit1"), QStringLiteral("5"));  // "Timer active! Start time: ..."
  QApplication::processEvents();
  auto* group = named_child<QGroupBox>(Form7, "GroupBox3");
  const QList<QLabel*> labels = group->findChildren<QLabel*>() + Form7->findChildren<QLabel*>();
  int checked = 0;
  for (QLabel* l : labels) {
    if (!l->isVisible() || l->text().isEmpty()) continue;
    EXPECT_TRUE(shows_whole(l));
    ++checked;
  }
  EXPECT_GE(checked, 12 + 6);  // the group's twelve and the window's own
  Form7->findChild<QLineEdit*>("Edit1")->clear();
  Form7->hide();
  Form7->show_group(ProgressGroup::Rescheduling, false);
}

// A message names its line at the end: "-> line_292" must not read "line_29".
TEST_F(WindowTexts, EveryMessageOfTheCheckingWindowCanBeReadToItsEnd) {
  input_file_name = dir.write("long.txt", "1|2|1|1\n");
  InputCheck check;
  check.error_list = {"Missing zero setup time at Machine 9 (in 5. field) -> line_292",
                      "Undefined Machine 123 at Order 402 (in 5. field) -> line_40991"};
  check.warning_list = {"Missing declaration of Calendar at Machine 121. -> line_292"};
  int lists = 0;
  user.on_shown(Form20, [&] {
    for (const char* name : {"ListBox1", "ListBox2"}) {
      auto* list = named_child<QListWidget>(Form20, name);
      for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        const int needed = list->fontMetrics().horizontalAdvance(text);
        EXPECT_GE(readable_width(list), needed + list->visualItemRect(list->item(i)).left()) << text.toStdString();
        EXPECT_GE(list->visualItemRect(list->item(i)).width(), needed) << text.toStdString();
        // Messages of this length read whole without scrolling.
        EXPECT_GE(list->viewport()->width(), needed + list->visualItemRect(list->item(i)).left() + 4)
            << text.toStdString();
      }
      ++lists;
    }
    Form20->close();
  });
  Form20->show_modal(check);
  EXPECT_EQ(lists, 2);
}

// Opened from the scheduler the window shows no statistics columns, and
// still its whole title beside a title bar's icon and buttons.
TEST_F(WindowTexts, TheOperatorWindowIsWiderThanItsTitleWithoutItsStatistics) {
  Form17->show_statistics(false);
  Form17->show();
  QApplication::processEvents();
  QFont title = QApplication::font("QMdiSubWindowTitleBar");
  title.setBold(true);
  const int title_width = QFontMetrics(title).horizontalAdvance(Form17->windowTitle());
  // Beside the title: the window icon and three buttons, each a square a
  // little taller than the title's text.
  const int button = QFontMetrics(title).height() + 8;
  EXPECT_GE(Form17->width(), title_width + 4 * button);
  Form17->hide();
  Form17->show_statistics(true);
}

// A field message stands on one line: its range is never broken.
TEST(WindowTextsAlone, AFieldMessageKeepsItsRangeOnOneLine) {
  AppWindows windows;
  const QString text =
      QStringLiteral(" The value of the TabuList size field is out of the range! It must be in [1 - 9999].");
  int lines = 0;
  QTimer probe;
  probe.setInterval(10);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    lines = label->height() / label->fontMetrics().lineSpacing();
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(text));
    box->button(QMessageBox::Ok)->click();
  });
  probe.start();
  show_message(text);
  EXPECT_EQ(lines, 1);
}

// A short message and a short question are still as wide as a title bar
// needs for the whole caption and its buttons.
TEST(WindowTextsAlone, AShortMessageBoxShowsItsWholeCaption) {
  AppWindows windows;
  int too_narrow = 0, boxes = 0;
  QTimer probe;
  probe.setInterval(10);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    ++boxes;
    if (box->width() < title_bar_width(box)) ++too_narrow;
    box->buttons().first()->click();
  });
  probe.start();
  show_message(QStringLiteral("Input data reading OK!"));
  ask_yes_no(QStringLiteral("Stop?"));
  EXPECT_EQ(boxes, 2);
  EXPECT_EQ(too_narrow, 0);
}

// The priority and sum labels show figures: the figure is what an assistive
// tool reads, the column stays a description.
TEST_F(WindowTexts, OperatorAndProgressFiguresReachAssistiveTools) {
  Form17->show();
  QApplication::processEvents();
  auto* sum = named_child<QLabel>(Form17, "Label31");
  auto* first = named_child<QLabel>(Form17, "Label32");
  EXPECT_EQ(accessible_name(sum).trimmed(), sum->text().trimmed());
  EXPECT_FALSE(sum->text().trimmed().isEmpty());
  EXPECT_EQ(accessible_name(first), first->text());
  EXPECT_TRUE(first->text().startsWith(QStringLiteral("1 [")));
  Form17->hide();

  Form7->set_label(ProgressLabel::LateJobs, QStringLiteral("17"));
  EXPECT_EQ(accessible_name(Form7->label(ProgressLabel::LateJobs)), QStringLiteral("17"));
}
