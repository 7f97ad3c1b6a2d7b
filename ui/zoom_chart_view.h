#pragma once
// A chart view the planner zooms with the mouse: dragging a rectangle from
// left to right zooms into it; dragging from right to left, or a right
// click, undoes every zoom at once (the "undo zoom").
#include <QChartView>

class ZoomChartView : public QChartView {
  Q_OBJECT
 public:
  explicit ZoomChartView(QChart* chart, QWidget* parent = nullptr);

  // Back to the whole data; the axes take in every point added meanwhile.
  void undo_zoom();
  bool zoomed() const;

 protected:
  // Sets the axes to the data of the shown series (called when not zoomed).
  virtual void fit_axes() = 0;
  // Called just before the zoom is undone, while the view is still zoomed.
  virtual void before_zoom_reset() {}

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPointF press_;
};
