#include "tests/ui/scripted_user.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

ScriptedUser::ScriptedUser() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
  timer_.start();
}

ScriptedUser::~ScriptedUser() { timer_.stop(); }

void ScriptedUser::on_shown(QWidget* window, std::function<void()> action) {
  watched_ = window;
  watched_seen_ = false;
  watched_action_ = std::move(action);
}

void ScriptedUser::defer(std::function<void()> action) {
  pending_ = true;
  QTimer::singleShot(0, [this, action] {
    pending_ = false;
    action();
  });
}

void ScriptedUser::tick() {
  if (pending_) return;
  QWidget* modal = QApplication::activeModalWidget();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    boxes << box->windowTitle() + QLatin1Char('|') + box->text();
    QAbstractButton* button = box->button(QMessageBox::Ok);
    if (box->button(QMessageBox::Yes)) {
      const bool yes = !answers.empty() && answers.front();
      if (!answers.empty()) answers.pop_front();
      button = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
    }
    defer([button] { button->click(); });
    return;
  }
  if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
    ++file_dialogs;
    dialog_filters = dialog->nameFilters();
    dialog_folder = dialog->directory().absolutePath();
    const QString path = file_to_open;
    defer([dialog, path] {
      if (path.isEmpty()) {
        dialog->reject();
        return;
      }
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      name->setText(path);
      QMetaObject::invokeMethod(dialog, "accept");
    });
    return;
  }
  if (watched_ && watched_->isVisible() && !watched_seen_) {
    watched_seen_ = true;
    defer(watched_action_);
    return;
  }
  if (watched_ && !watched_->isVisible()) watched_seen_ = false;
  // A copy runs, so that a step may replace or clear on_tick while it runs.
  if (on_tick) {
    const std::function<void()> step = on_tick;
    step();
  }
}

void type_into(QWidget* edit, const QString& text) {
  auto* line = qobject_cast<QLineEdit*>(edit);
  line->setFocus();
  line->selectAll();
  if (text.isEmpty())
    QTest::keyClick(line, Qt::Key_Delete);
  else
    QTest::keyClicks(line, text);
}
