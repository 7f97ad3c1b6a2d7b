#include "ui/zoom_chart_view.h"

#include <QMouseEvent>

ZoomChartView::ZoomChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
  setRubberBand(QChartView::RectangleRubberBand);
  setRenderHint(QPainter::Antialiasing, false);
}

bool ZoomChartView::zoomed() const { return chart()->isZoomed(); }

void ZoomChartView::undo_zoom() {
  if (chart()->isZoomed()) {
    before_zoom_reset();
    chart()->zoomReset();
  }
  fit_axes();
}

void ZoomChartView::mousePressEvent(QMouseEvent* event) {
  press_ = event->position();
  QChartView::mousePressEvent(event);
}

void ZoomChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    undo_zoom();
    event->accept();
    return;
  }
  const bool leftwards = event->button() == Qt::LeftButton && event->position().x() < press_.x();
  // The view ends its rubber band (and zooms into it) in any case; a leftward
  // drag then goes back to the whole data.
  QChartView::mouseReleaseEvent(event);
  if (leftwards) undo_zoom();
}
