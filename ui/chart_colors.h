#pragma once
// The five chart colours every chart reads, in the platform's 0x00BBGGRR form
// (blue in the high byte, red in the low one), and the one conversion of such a
// value to a Qt colour.
#include <QColor>

#include "engine/run_host.h"

extern int Col_Setup;       // setup bars; 0x0080FF orange
extern int Col_Intime;      // finished by the due date; 0x00FF00 lime
extern int Col_Late;        // finished after the due date; 0x0000FF red
extern int Col_Constraint;  // constraint windows and calendar intervals; 0x808080 grey
extern int Col_Planned;     // planned windows; 0xFFFFFF white

// Red from the low byte, green from the middle one, blue from the high one.
QColor color_of(int bgr);
// Back to 0x00BBGGRR: what the colour dialog's choice is kept as.
int bgr_of(const QColor& c);
// The colour a solver's chart role is drawn in now.
QColor chart_colour(ChartColour c);
