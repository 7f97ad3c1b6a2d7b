#include "ui/message_boxes.h"

#include <QMessageBox>

// The caption is set on the box itself: an application display name would be
// appended to every window title on X11.
void show_message(const QString& text, QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TAVO_Scheduler"), text, QMessageBox::Ok, parent);
  box.exec();
}

bool ask_yes_no(const QString& text, QWidget* parent) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Question"), text, QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}
