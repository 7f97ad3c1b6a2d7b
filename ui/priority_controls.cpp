#include "ui/priority_controls.h"

#include <QLineEdit>
#include <QSlider>

#include "ui/named_controls.h"

QSlider* priority_bar(const char* name, Qt::Orientation orientation, QWidget* parent) {
  auto* bar = named(new QSlider(orientation, parent), name);
  bar->setRange(0, 10);
  bar->setPageStep(1);
  bar->setTickInterval(1);
  bar->setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
  return bar;
}

QLineEdit* priority_field(const char* name, QWidget* parent) {
  auto* field = named(new QLineEdit(parent), name);
  field->setReadOnly(true);
  field->setMaximumWidth(36);
  return field;
}
