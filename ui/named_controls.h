#pragma once
// Controls made and named in one expression: every control carries the object
// name of its component ("Button4"), which tests and the window's own code
// find it by.
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

template <class Control>
Control* named(Control* c, const char* name) {
  c->setObjectName(QString::fromLatin1(name));
  return c;
}

// A push button that Enter never presses by being focused (not auto-default):
// Enter in a field of the window must not run a button's action.
QPushButton* named_button(const char* name, const QString& caption, QWidget* parent = nullptr);
QCheckBox* named_check_box(const char* name, const QString& caption, bool checked = false, QWidget* parent = nullptr);
QLabel* named_label(const char* name, const QString& text, QWidget* parent = nullptr);
