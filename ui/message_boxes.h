#pragma once
// The program's two kinds of message box: one-button boxes captioned with the
// application title for information and errors, and Yes/No boxes captioned
// "Question" for confirmations, where only Yes proceeds.
#include <QString>

class QWidget;

void show_message(const QString& text, QWidget* parent = nullptr);
bool ask_yes_no(const QString& text, QWidget* parent = nullptr);
