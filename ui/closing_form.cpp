#include "ui/closing_form.h"

#include <QCloseEvent>
#include <QScreen>

#include "ui/main_window.h"
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
    if (!placed_) {
      if (centre_ == Centre::MainWindow && Form1 != nullptr)
        centre_on(this, outer_geometry(Form1));
      else if (const QScreen* s = screen())
        centre_on(this, s->availableGeometry());
    }
    FormShow();
  }
  QDialog::showEvent(event);
}
