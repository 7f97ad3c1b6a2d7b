#include "ui/window_placement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMargins>
#include <QWidget>

namespace {
// The frame the window system drew around the last framed window: a window
// not shown yet gets the same frame once it appears, so it is placed with it.
QMargins known_frame;

QMargins frame_of(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  const QMargins m(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
  if (!m.isNull()) known_frame = m;
  return m.isNull() && !window->testAttribute(Qt::WA_WState_Created) ? known_frame : m;
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
