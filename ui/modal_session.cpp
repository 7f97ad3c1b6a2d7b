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
// The windows of the running sessions, the innermost last.
std::vector<QWidget*> session_windows;

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
  // The session's window takes input even when it was left open before an
  // outer session began, which disabled it with the others ("Schedule
  // Performance " showing a starting schedule): a disabled one could not even
  // be closed. It is given back disabled, as that session left it.
  const bool was_enabled = window->isEnabled();
  window->setEnabled(true);
  QEventLoop loop;
  const QPointer<QDialog> guard(window);
  QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
  {
    HideWatch watch(window);
    session_loops[window] = &loop;
    session_windows.push_back(window);
    // The windows around are blocked by hand, not by Qt's window modality:
    // every window belongs to the main window, and a window-modal one would
    // block all the others with it, also those the session opens for the
    // planner to use (the progress, results and performance windows).
    window->setResult(0);
    window->show();
    window->raise();
    window->activateWindow();
    if (window->isVisible()) loop.exec(QEventLoop::DialogExec);
    session_loops.erase(window);
    session_windows.pop_back();
    if (guard) guard->hide();
  }
  if (guard && !was_enabled) guard->setEnabled(false);
}

bool modal_session_held(const QWidget* window) { return held(window); }

QWidget* enclosing_session_window(const QWidget* window) {
  bool inside = false;
  for (auto it = session_windows.rbegin(); it != session_windows.rend(); ++it) {
    if (*it == window) {
      inside = true;
      continue;
    }
    if (inside && (*it)->isVisible()) return *it;
  }
  return nullptr;
}

QWidget* modal_session_window() {
  for (auto it = session_windows.rbegin(); it != session_windows.rend(); ++it)
    if ((*it)->isVisible()) return *it;
  return nullptr;
}

ModalSessionHold::ModalSessionHold(QWidget* window) : window_(window) { ++session_holds[window_]; }

ModalSessionHold::~ModalSessionHold() {
  if (--session_holds[window_] == 0) session_holds.erase(window_);
  end_session_if_hidden(window_);
}
