#include "ui/modal_session.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

namespace {
// The event loop of each window's running session, and the holds on it.
std::map<const QWidget*, QEventLoop*> session_loops;
std::map<const QWidget*, int> session_holds;

bool held(const QWidget* w) {
  const auto it = session_holds.find(w);
  return it != session_holds.end() && it->second > 0;
}

void end_session_if_hidden(const QWidget* w) {
  const auto it = session_loops.find(w);
  if (it != session_loops.end() && !w->isVisible() && !held(w)) it->second->quit();
}

// Ends the session when its window is hidden and no hold keeps it.
class HideWatch : public QObject {
 public:
  explicit HideWatch(QWidget* window) : window_(window) { window->installEventFilter(this); }
  ~HideWatch() override {
    if (window_) window_->removeEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Hide) end_session_if_hidden(window_);
    return false;
  }

 private:
  QPointer<QWidget> window_;
};

// Disables the windows that are visible and enabled at construction, except
// the session's own, and enables them again on destruction (those still alive).
class BlockedWindows {
 public:
  explicit BlockedWindows(const QWidget* session_window) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w == session_window || !w->isVisible() || !w->isEnabled()) continue;
      w->setEnabled(false);
      blocked_.emplace_back(w);
    }
  }
  ~BlockedWindows() {
    for (const QPointer<QWidget>& w : blocked_)
      if (w) w->setEnabled(true);
  }
  BlockedWindows(const BlockedWindows&) = delete;
  BlockedWindows& operator=(const BlockedWindows&) = delete;

 private:
  std::vector<QPointer<QWidget>> blocked_;
};
}  // namespace

void show_modal(QDialog* window) {
  if (!window || session_loops.count(window)) return;  // one session per window
  BlockedWindows blocked(window);
  QEventLoop loop;
  const QPointer<QDialog> guard(window);
  QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
  {
    HideWatch watch(window);
    session_loops[window] = &loop;
    // Window-modal without a parent window blocks nothing by itself (the
    // windows above are blocked by hand), yet the window stands in Qt's list
    // of modal windows like any exec()'d dialog, on top of which the program's
    // message boxes go.
    const Qt::WindowModality modality = window->windowModality();
    if (!window->isVisible()) window->setWindowModality(Qt::WindowModal);
    window->setResult(0);
    window->show();
    window->raise();
    window->activateWindow();
    if (window->isVisible()) loop.exec(QEventLoop::DialogExec);
    session_loops.erase(window);
    if (guard) {
      guard->hide();
      guard->setWindowModality(modality);
    }
  }
}

ModalSessionHold::ModalSessionHold(QWidget* window) : window_(window) { ++session_holds[window_]; }

ModalSessionHold::~ModalSessionHold() {
  if (--session_holds[window_] == 0) session_holds.erase(window_);
  end_session_if_hidden(window_);
}
