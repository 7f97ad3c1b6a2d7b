#pragma once
// The program's two kinds of message box: one-button boxes captioned with the
// application title for information and errors, and Yes/No boxes captioned
// "Question" for confirmations, where only Yes proceeds. A box belongs to the
// window given, else to the window the planner works in (see dialog_owner.h),
// and shows every line of its text whole when the screen is wide enough.
#include <QString>

class QWidget;

void show_message(const QString& text, QWidget* parent = nullptr);
bool ask_yes_no(const QString& text, QWidget* parent = nullptr);
