// Enter in a field does only what the field does: no push button of the
// window is pressed by it (a dialog's only auto-default button would be).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "engine/run_state.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/colors_window.h"
#include "ui/generator_window.h"
#include "ui/initializing_window.h"
#include "ui/input_data_window.h"
#include "ui/more_objectives_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/progress_window.h"
#include "ui/rescheduler_window.h"
#include "ui/scheduler_window.h"

using EnterKey = SchedulerWindowTest;

// "Stop" is the progress window's only push button: Enter in the limit field
// arms the limit and asks nothing.
TEST_F(EnterKey, InTheLimitFieldArmsTheLimitAndDoesNotAskToStop) {
  Form7->show();
  auto* field = named_child<QLineEdit>(Form7, "Edit1");
  field->setFocus();
  QTest::keyClicks(field, QStringLiteral("5"));
  QTest::keyClick(field, Qt::Key_Return);
  QTest::keyClick(field, Qt::Key_Enter);
  QTest::qWait(50);  // a box would have been answered by now
  EXPECT_TRUE(user.boxes.isEmpty()) << user.boxes.join(QStringLiteral("; ")).toStdString();
  EXPECT_FALSE(stop_flag);
  EXPECT_TRUE(named_child<QLabel>(Form7, "Label23")->text().startsWith(QStringLiteral("Timer active!")));
  field->clear();
  Form7->hide();
}

// In every window with fields, Enter in each field presses no button.
TEST_F(EnterKey, InAnyFieldOfAnyWindowPressesNoButton) {
  load(sample_file());
  const std::initializer_list<QWidget*> all = {Form3, Form18, Form16, Form14, Form11, Form7,
                                                   Form13, Form15, Form17, Form19};
  for (QWidget* window : all) {
    window->show();
    QApplication::processEvents();
    int pressed = 0;
    QStringList pressed_names;
    for (QPushButton* b : window->findChildren<QPushButton*>())
      QObject::connect(b, &QPushButton::clicked, window, [&pressed, &pressed_names, b] {
        ++pressed;
        pressed_names << b->objectName();
      });
    int fields = 0;
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
      if (!field->isVisible() || !field->isEnabled() || field->isReadOnly()) continue;
      ++fields;
      field->setFocus();
      QTest::keyClick(field, Qt::Key_Return);
    }
    QTest::qWait(20);
    EXPECT_EQ(pressed, 0) << window->windowTitle().toStdString() << ": " << pressed_names.join(' ').toStdString()
                          << " after Enter in " << fields << " fields";
    for (QPushButton* b : window->findChildren<QPushButton*>()) QObject::disconnect(b, &QPushButton::clicked, window, nullptr);
    window->hide();
  }
}
