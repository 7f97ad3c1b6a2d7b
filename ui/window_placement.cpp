#include "ui/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMargins>
#include <QWidget>

namespace {
// A move the window system reports (the planner dragged the window) counts
// as a position given to the window, as a move from code does.
class MoveKeeper : public QObject {
 public:
  explicit MoveKeeper(QWidget* window) : QObject(window) { window->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Move && event->spontaneous() && watched == parent()) {
      auto* window = static_cast<QWidget*>(watched);
      if (window->isVisible()) window->setAttribute(Qt::WA_Moved);
    }
    return false;
  }
};

// The frame the window system drew around the last framed window: a window
// not framed yet gets the same frame once it appears, so it is placed with
// it. Without a window manager no window is framed and this stays empty.
QMargins known_frame;

QMargins frame_of(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  const QMargins m(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
  if (!m.isNull()) known_frame = m;
  // Not framed yet: not shown, or shown a moment ago and the window manager
  // has not framed it yet (a window docked below another is then placed and
  // measured with the frame it is about to get, not without).
  return m.isNull() ? known_frame : m;
}
}  // namespace

QRect outer_geometry(const QWidget* window) { return window->geometry().marginsAdded(frame_of(window)); }

void set_outer_geometry(QWidget* window, const QRect& r) { window->setGeometry(r.marginsRemoved(frame_of(window))); }

void centre_on(QWidget* window, const QRect& area) {
  QRect r = outer_geometry(window);
  r.moveCenter(area.center());
  set_outer_geometry(window, r);
}

int title_bar_width(const QWidget* window) {
  // Title bars set the caption in a bold face of the title font.
  QFont title = QApplication::font("QMdiSubWindowTitleBar");
  title.setBold(true);
  const QFontMetrics fm(title);
  const int button = fm.height() + 8;
  return fm.horizontalAdvance(window->windowTitle()) + 4 * button + 16;
}

void keep_where_moved(QWidget* window) {
  if (window != nullptr) new MoveKeeper(window);
}
