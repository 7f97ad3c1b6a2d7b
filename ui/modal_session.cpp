#include "ui/modal_session.h"

#include <QDialog>

void show_modal(QDialog* window) {
  if (window) window->exec();
}
