#include "ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

void show_message(const QString& text, QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                  parent);
  box.exec();
}

bool ask_yes_no(const QString& text, QWidget* parent) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Question"), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}
