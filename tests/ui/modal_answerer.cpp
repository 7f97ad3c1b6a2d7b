#include "tests/ui/modal_answerer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "engine/run_state.h"

ModalAnswerer::ModalAnswerer() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
  timer_.start();
}

ModalAnswerer::~ModalAnswerer() { timer_.stop(); }

void ModalAnswerer::on_shown(QWidget* window, std::function<void()> action) {
  watched_ = window;
  watched_seen_ = false;
  watched_action_ = std::move(action);
}

void ModalAnswerer::defer(std::function<void()> action) {
  pending_ = true;
  QTimer::singleShot(0, [this, action] {
    pending_ = false;
    action();
  });
}

void ModalAnswerer::answer() {
  if (pending_) return;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal->isVisible() && answer_modal(modal)) return;
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

bool ModalAnswerer::answer_modal(QWidget* modal) {
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages << box->text();
    boxes << box->windowTitle() + QLatin1Char('|') + box->text();
    QAbstractButton* button = box->button(QMessageBox::Ok);
    if (box->button(QMessageBox::Yes)) {
      questions << box->text();
      bool answer = yes;
      if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
      }
      button = box->button(answer ? QMessageBox::Yes : QMessageBox::No);
    }
    if (!button) button = box->buttons().value(0);
    if (button) button->click();
    return true;
  }
  if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
    ++file_dialogs;
    file_dialog_filters = dialog->nameFilters();
    file_dialog_folder = dialog->directory().absolutePath();
    file_dialog_proposed = dialog->selectedFiles().value(0);
    file_dialog_filter = dialog->selectedNameFilter();
    if (file.isEmpty()) {
      dialog->reject();
      return true;
    }
    if (!name_filter.isEmpty()) dialog->selectNameFilter(name_filter);
    // Typed into "File name:" as a planner does: a path into a folder that
    // does not exist stays as typed (selectFile would drop it). A proposed
    // file that exists is selected in the views, and a selection would win
    // over the typed name: it is cleared first, as typing does.
    for (auto* view : dialog->findChildren<QAbstractItemView*>()) view->clearSelection();
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(file);
    else dialog->selectFile(file);
    // accept() is protected: the slot is reached the way the OK button does,
    // queued, so that a box it opens (the replace question) finds this timer
    // free to answer it.
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    return true;
  }
  if (auto* colour_dialog = qobject_cast<QColorDialog*>(modal)) {
    ++colour_dialogs;
    colour_dialog_start = colour_dialog->currentColor();
    if (!colour.isValid()) {
      colour_dialog->reject();
      return true;
    }
    colour_dialog->setCurrentColor(colour);
    QMetaObject::invokeMethod(colour_dialog, "accept", Qt::QueuedConnection);
    return true;
  }
  return false;
}

WaitLimit::WaitLimit(ModalAnswerer& user, int seconds) : user_(user), seconds_(seconds) {
  deadline_.setSingleShot(true);
  QObject::connect(&deadline_, &QTimer::timeout, [this] { give_up(); });
  deadline_.start(seconds * 1000);
  unwind_.setInterval(10);
  QObject::connect(&unwind_, &QTimer::timeout, [this] { put_away(); });
}

WaitLimit::~WaitLimit() {
  deadline_.stop();
  unwind_.stop();
}

void WaitLimit::give_up() {
  expired_ = true;
  ADD_FAILURE() << "still waiting for a window after " << seconds_ << " s: put away";
  user_.on_tick = nullptr;
  user_.on_shown(nullptr, {});
  user_.answers.clear();
  user_.yes = true;
  user_.file.clear();
  unwind_.start();
}

void WaitLimit::put_away() {
  stop_flag = true;
  QWidget* modal = QApplication::activeModalWidget();
  // Message boxes are the answerer's (Yes now); any other modal window closes.
  if (modal && !qobject_cast<QMessageBox*>(modal)) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    modal->hide();
    return;
  }
  if (modal) return;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->hide();
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
