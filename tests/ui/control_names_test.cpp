// Every control a planner or a driving tool can reach carries an accessible
// name (its caption, a buddy label or one set for it). A control without one
// cannot be found by a screen reader or a person reading the window's
// description.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>

#include "ui/about_box.h"
#include "ui/app_windows.h"
#include "ui/colors_window.h"
#include "ui/data_dump_window.h"
#include "ui/generator_window.h"
#include "ui/initializing_window.h"
#include "ui/input_checking_window.h"
#include "ui/input_data_window.h"
#include "ui/main_window.h"
#include "ui/more_objectives_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/processing_window.h"
#include "ui/progress_window.h"
#include "ui/rescheduler_window.h"
#include "ui/results_window.h"
#include "ui/schedule_performance_window.h"
#include "ui/scheduler_window.h"

namespace {
bool is_control(QWidget* w) {
  if (qobject_cast<QScrollBar*>(w)) return false;  // part of its scroll area
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
         qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QAbstractSlider*>(w);
}

QString accessible_name(QWidget* w) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  return a ? a->text(QAccessible::Name).trimmed() : QString();
}

// The controls of window that are shown with it (not hidden by design) and
// have no accessible name; each as its object name or "class at x,y".
QStringList unnamed_controls(QWidget* window) {
  QStringList unnamed;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!is_control(w) || !w->isVisibleTo(window) || !accessible_name(w).isEmpty()) continue;
    if (!w->objectName().isEmpty()) unnamed << w->objectName();
    else unnamed << QStringLiteral("%1 at %2,%3").arg(QString::fromLatin1(w->metaObject()->className())).arg(w->x()).arg(w->y());
  }
  return unnamed;
}
}  // namespace

TEST(ControlNames, EveryShownControlOfEveryWindowHasAnAccessibleName) {
  AppWindows windows;
  const std::initializer_list<QWidget*> all = {Form1,  Form3,  Form6,  Form7,  Form9,  Form10, Form11, Form12, Form13,
                                               Form14, Form15, Form16, Form17, Form18, Form19, Form20, Form21};
  for (QWidget* window : all) {
    ASSERT_NE(window, nullptr);
    const QStringList unnamed = unnamed_controls(window);
    EXPECT_TRUE(unnamed.isEmpty()) << window->objectName().toStdString() << " \"" << window->windowTitle().toStdString()
                                   << "\": " << unnamed.join(QStringLiteral("; ")).toStdString();
  }
}
