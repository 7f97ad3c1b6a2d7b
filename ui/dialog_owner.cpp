#include "ui/dialog_owner.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "ui/main_window.h"
#include "ui/modal_session.h"

namespace {
// Sets the owner each time the window is shown, before the window system
// maps it (a change on a mapped window waits for the next map).
class MainWindowOwner : public QObject {
 public:
  explicit MainWindowOwner(QWidget* window) : QObject(window) { window->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched == parent()) {
      auto* window = static_cast<QWidget*>(watched);
      QWindow* handle = window->windowHandle();
      // A window shown modally from another modal one belongs to that one,
      // so that a click on the outer one never buries it.
      const QWidget* outer = enclosing_session_window(window);
      if (outer == nullptr) outer = Form1;
      QWindow* owner = outer != nullptr && outer != window ? outer->windowHandle() : nullptr;
      if (handle != nullptr && owner != nullptr && handle->transientParent() != owner)
        handle->setTransientParent(owner);
    }
    return false;
  }
};
}  // namespace

QWidget* dialog_owner(QWidget* asked) {
  if (asked != nullptr) return asked->window();
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal->isVisible()) return modal;
  if (QWidget* session = modal_session_window()) return session;
  if (QWidget* active = QApplication::activeWindow(); active != nullptr && active->isVisible()) return active;
  return Form1;
}

void own_by_main_window(QWidget* window) {
  if (window != nullptr) new MainWindowOwner(window);
}
