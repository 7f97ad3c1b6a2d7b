#include "ui/chart_colors.h"

int Col_Setup = 0x0080FF;
int Col_Intime = 0x00FF00;
int Col_Late = 0x0000FF;
int Col_Constraint = 0x808080;
int Col_Planned = 0xFFFFFF;

QColor color_of(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QColor chart_colour(ChartColour c) {
  switch (c) {
    case ChartColour::Late: return color_of(Col_Late);
    case ChartColour::Intime: return color_of(Col_Intime);
    case ChartColour::Planned: return color_of(Col_Planned);
    case ChartColour::Setup: return color_of(Col_Setup);
    case ChartColour::Constraint: return color_of(Col_Constraint);
  }
  return color_of(Col_Constraint);
}
