// Every window and box belongs to a window of the program (its transient
// parent), so that a window manager keeps it above its owner: a click on the
// main window never buries a dialog the main window waits for.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "tests/ui/scheduler_fixture.h"
#include "ui/about_box.h"
#include "ui/colors_window.h"
#include "ui/data_dump_window.h"
#include "ui/generator_window.h"
#include "ui/initializing_window.h"
#include "ui/input_checking_window.h"
#include "ui/input_data_window.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/modal_session.h"
#include "ui/more_objectives_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/processing_window.h"
#include "ui/progress_window.h"
#include "ui/rescheduler_window.h"
#include "ui/results_window.h"
#include "ui/scheduler_window.h"

namespace {
QWindow* owner_of(const QWidget* w) { return w->windowHandle() ? w->windowHandle()->transientParent() : nullptr; }

// Records the owner of the next message box and answers it.
class BoxOwnerProbe {
 public:
  BoxOwnerProbe() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      owner = owner_of(box);
      parent = box->parentWidget();
      box->button(box->buttons().size() > 1 ? QMessageBox::No : QMessageBox::Ok)->click();
    });
    timer_.start();
  }
  QWindow* owner = nullptr;
  QPointer<QWidget> parent;

 private:
  QTimer timer_;
};
}  // namespace

using WindowOwners = SchedulerWindowTest;

TEST_F(WindowOwners, EveryWindowShownBelongsToTheMainWindow) {
  load(sample_file());
  Form6->clear_result_charts();  // as a run of the loaded problem does: "Results" may show
  Form1->show();
  const std::initializer_list<QWidget*> all = {Form3,  Form6,  Form7,  Form9,  Form11, Form12, Form13, Form14,
                                               Form15, Form16, Form17, Form18, Form19, Form20, Form21};
  for (QWidget* window : all) {
    window->show();
    EXPECT_EQ(owner_of(window), Form1->windowHandle()) << window->objectName().toStdString();
    // Owned through its native window only: a disabled main window leaves it enabled.
    EXPECT_EQ(window->parentWidget(), nullptr) << window->objectName().toStdString();
    window->hide();
  }
  Form1->hide();
}

// A box belongs to the window the planner works in: the scheduler's session,
// else the main window.
TEST(WindowOwnersAlone, ABoxBelongsToTheSessionWindowElseToTheMainWindow) {
  AppWindows windows;
  Form1->show();
  {
    BoxOwnerProbe probe;
    show_message(QStringLiteral("no session"));
    EXPECT_EQ(probe.parent, Form1);
    EXPECT_EQ(probe.owner, Form1->windowHandle());
  }
  BoxOwnerProbe probe;
  QTimer::singleShot(0, [] {
    ask_yes_no(QStringLiteral("in the scheduler"));
    Form3->close();
  });
  Form1->Advanced1Click();
  EXPECT_EQ(probe.parent, Form3);
  EXPECT_EQ(probe.owner, Form3->windowHandle());
  EXPECT_TRUE(Form1->isEnabled());  // the session gave it back
  Form1->hide();
}

// "Search operators" opened from the scheduler belongs to the scheduler: a
// click on the scheduler (which waits for it) never buries it.
TEST(WindowOwnersAlone, AWindowOpenedModallyFromTheSchedulerBelongsToIt) {
  AppWindows windows;
  Form1->show();
  QWindow* owner = nullptr;
  QTimer::singleShot(0, [&owner] {
    QTimer::singleShot(0, [&owner] {
      owner = owner_of(Form17);
      Form17->close();
    });
    show_modal(Form17);
    Form3->close();
  });
  Form1->Advanced1Click();
  EXPECT_EQ(owner, Form3->windowHandle());
  EXPECT_EQ(owner_of(Form3), Form1->windowHandle());
  Form1->hide();
}
