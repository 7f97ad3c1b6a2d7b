#pragma once
// The controls the priority windows share: a bar of the eleven positions
// 0..10, one position a step and a tick at each, and the narrow read-only
// field beside it that shows the priority the bar stands for.
#include <Qt>

class QLineEdit;
class QSlider;
class QWidget;

QSlider* priority_bar(const char* name, Qt::Orientation orientation, QWidget* parent);
QLineEdit* priority_field(const char* name, QWidget* parent);
