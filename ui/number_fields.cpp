#include "ui/number_fields.h"

#include <QLineEdit>

#include "ui/message_boxes.h"

int field_number(const QString& text) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  return ok ? v : -1;
}

bool only_digits(const QString& text) {
  for (const QChar c : text)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  return true;
}

void check_number_text(QLineEdit* edit, int lo, int hi) {
  const QString text = edit->text();
  if (!only_digits(text)) {
    edit->clear();
    return;
  }
  const int v = field_number(text);
  if (v < lo || v > hi) edit->clear();
}

bool check_number_on_exit(QLineEdit* edit, int lo, int hi, const QString& message, const QString& reset_text) {
  const int v = field_number(edit->text());
  if (v >= lo && v <= hi) return true;
  show_message(message, edit->window());
  edit->setText(reset_text);
  // Queued: the focus is taken back once the move that left the field is over.
  QMetaObject::invokeMethod(edit, [edit] { edit->setFocus(); }, Qt::QueuedConnection);
  return false;
}
