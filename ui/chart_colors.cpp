#include "ui/chart_colors.h"

#include "problem_io/chart_color_schemes.h"

// The defaults of the colour schemes, in their order.
int Col_Setup = default_chart_colours[0];
int Col_Intime = default_chart_colours[1];
int Col_Late = default_chart_colours[2];
int Col_Constraint = default_chart_colours[3];
int Col_Planned = default_chart_colours[4];

QColor color_of(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

int bgr_of(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

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
