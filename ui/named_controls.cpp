#include "ui/named_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

QPushButton* named_button(const char* name, const QString& caption, QWidget* parent) {
  auto* b = named(new QPushButton(caption, parent), name);
  b->setAutoDefault(false);
  return b;
}

QCheckBox* named_check_box(const char* name, const QString& caption, bool checked, QWidget* parent) {
  auto* c = named(new QCheckBox(caption, parent), name);
  c->setChecked(checked);
  return c;
}

QLabel* named_label(const char* name, const QString& text, QWidget* parent) {
  return named(new QLabel(text, parent), name);
}
