#pragma once
// Where a top-level window stands on the screen, as the docking rules of the
// progress window speak of it: Left, Top, Width and Height of the outer
// frame (title bar and borders included), so that windows placed side by
// side with a gap of 4 pixels never overlap, whatever frame the window
// system draws. Until the window manager has framed a window its frame is not
// known: it counts as the frame of the last window framed, which is what it
// will get.
#include <QRect>

class QWidget;

// The window's outer rectangle.
QRect outer_geometry(const QWidget* window);
// Moves and sizes the window so that its outer rectangle becomes r.
void set_outer_geometry(QWidget* window, const QRect& r);
// Centres the window's outer rectangle on the given area (a screen's
// available area or another window's outer rectangle), keeping its size.
void centre_on(QWidget* window, const QRect& area);
// The outer width a window needs so that a window manager's title bar shows
// its whole caption beside the window icon and the three title-bar buttons.
int title_bar_width(const QWidget* window);
// Keeps a window where the planner moved it: shown again (a run hides and
// shows the scheduler), a dialog is otherwise centred on its owner anew.
void keep_where_moved(QWidget* window);
