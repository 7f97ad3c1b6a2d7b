#pragma once
// The checks of the windows' whole-number fields.
#include <QString>

class QLineEdit;

// The integer in text, or -1 when it is empty, unreadable or beyond the int
// range (the conversion the windows' fields read with).
int field_number(const QString& text);

// True when text holds nothing but the digits 0-9 (an empty text does).
bool only_digits(const QString& text);

// The check while typing: a text holding anything but the digits 0-9, or a
// value outside [lo, hi], is emptied.
void check_number_text(QLineEdit* edit, int lo, int hi);

// The check on leaving: a value (-1 for an empty text) outside [lo, hi] gives
// message in a one-button box, the text reset_text and the focus back to the
// field. True when the value was in range.
bool check_number_on_exit(QLineEdit* edit, int lo, int hi, const QString& message, const QString& reset_text);
