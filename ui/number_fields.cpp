#include "ui/number_fields.h"

#include <QLineEdit>

int field_number(const QString& text) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  return ok ? v : -1;
}

void check_number_text(QLineEdit* edit, int lo, int hi) {
  const QString text = edit->text();
  for (const QChar c : text)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
      edit->clear();
      return;
    }
  const int v = field_number(text);
  if (v < lo || v > hi) edit->clear();
}
