#include "ui/closing_form.h"

#include <QCloseEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QTimer>

#include "ui/main_window.h"
#include "ui/modal_session.h"
#include "ui/window_placement.h"

ClosingForm::ClosingForm(Centre centre, QWidget* parent) : QDialog(parent), centre_(centre) {}

// Escape and the dialog's own reject go through close(), so that FormClose
// runs; inside the close event the plain reject hides the window.
void ClosingForm::reject() {
  if (closing_)
    QDialog::reject();
  else
    close();
}

void ClosingForm::closeEvent(QCloseEvent* event) {
  if (closing_) return;
  closing_ = true;
  if (isVisible()) FormClose();
  QDialog::closeEvent(event);
  closing_ = false;
}

void ClosingForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    if (!placed_ && !modal_session_held(this)) {
      if (centre_ == Centre::MainWindow && Form1 != nullptr)
        centre_on(this, outer_geometry(Form1));
      else if (const QScreen* s = screen())
        centre_on(this, s->availableGeometry());
    }
    FormShow();
    given_ = outer_geometry(this);
    keep_given_ = true;
    QTimer::singleShot(1000, this, [this] { keep_given_ = false; });
  }
  QDialog::showEvent(event);
}

// A window manager places a window that it frames for the first time where
// it likes (over the main window's title, say): the first move it makes is
// undone, once.
void ClosingForm::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  if (!keep_given_ || !event->spontaneous() || !isVisible()) return;
  keep_given_ = false;
  if (outer_geometry(this).topLeft() != given_.topLeft()) set_outer_geometry(this, given_);
}
