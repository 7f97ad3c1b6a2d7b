#pragma once
// The owner window of the program's dialogs and boxes. A window manager keeps
// a window above its owner (WM_TRANSIENT_FOR): a dialog that belongs to no
// window of the program belongs to Qt's hidden leader window instead, and one
// click on the maximised main window then buries it while the main window
// stays blocked, so the program looks frozen.
//
// The program's windows are top-level windows without a parent widget, so
// that a disabled main window does not disable them with it; they are owned
// by the main window through their native window only.
class QWidget;

// The window a box or dialog opened now belongs to: the one asked for, else
// the modal window the planner works in, else the active window, else the
// main window. Null only before the main window exists.
QWidget* dialog_owner(QWidget* asked = nullptr);

// Makes window belong to the main window each time it is shown, or, shown
// modally from another modal window, to that window.
void own_by_main_window(QWidget* window);
