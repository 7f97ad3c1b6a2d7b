#pragma once
// The frame every chart of the results window shares: a title, a left and a
// bottom axis with titles and grouped number labels ("J1,000"), a 3-D look,
// and zoom by dragging a rectangle (left to right and downwards) with its undo
// (dragging the other way, or undo_zoom()).
//
// Subclasses give the bounds of their data and paint their series into the
// plot area through the value-to-pixel mapping of the last layout; the frame
// never looks at the series themselves.
#include <QBrush>
#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

struct ChartAxis {
  QString title;
  QString prefix;          // written before every label: "J", "M", "O"
  bool auto_minimum = true;
  bool auto_maximum = true;
  double minimum = 0.0;    // used when the end is not automatic
  double maximum = 0.0;
  double increment = 0.0;  // smallest label step; 0 lets the frame choose
  bool inverted = false;   // minimum at the top (left axis only)
  int decimals = 3;        // at most this many decimals in a label
  // Automatic ends widen the data range by this much on both sides.
  double margin = 0.0;
  // Labels only for whole values from the data's lowest to its highest (rows
  // that exist), never for the margins around them.
  bool labels_within_data = false;
  // With automatic ends, one unit of the axis is never drawn taller than this
  // many pixels (0: no limit); a short range leaves room after its end instead.
  double max_unit_pixels = 0.0;
  bool automatic() const { return auto_minimum && auto_maximum; }
  void set_automatic() { auto_minimum = auto_maximum = true; }
};

// v with thousands separators and at most `decimals` decimals, trailing zeros
// dropped: 1234.5 -> "1,234.5", 1000 -> "1,000". Never a scientific notation.
QString grouped_number(double v, int decimals);

// The step between two labels of an axis: the smallest of the form
// {1, 2, 5} x 10^k, and a whole multiple of the axis's increment when it has
// one, that keeps labels `min_gap` pixels apart over `range` drawn on
// `pixels`. Never finer than the axis's label decimals can write: a whole-
// number axis over 0..1 steps by 1, never labels "0 0 0 ... 1 1".
double label_step(const ChartAxis& a, double range, double pixels, double min_gap);

class ChartFrame : public QWidget {
  Q_OBJECT
 public:
  explicit ChartFrame(QWidget* parent = nullptr);

  ChartAxis left_axis;
  ChartAxis bottom_axis;
  void set_title(const QString& t);
  const QString& title() const { return title_; }

  void set_view_3d(bool on);
  bool view_3d() const { return view_3d_; }

  bool zoomed() const { return zoomed_; }
  void undo_zoom();
  // Zooms to the value rectangle [x0, x1] x [y0, y1] as a drag would.
  void zoom_to(double x0, double x1, double y0, double y1);

  // The value ranges and plot area the next paint uses (computed on demand).
  struct View {
    QRect plot;  // the front plot rectangle in widget pixels
    double x0 = 0.0, x1 = 1.0, y0 = 0.0, y1 = 1.0;
    int depth = 0;  // 3-D depth in pixels, 0 when flat
    double px(double x) const { return plot.left() + (x - x0) * plot.width() / (x1 - x0); }
    double py(double y, bool inverted) const {
      const double f = (y - y0) / (y1 - y0);
      return inverted ? plot.top() + f * plot.height() : plot.bottom() - f * plot.height();
    }
    double x_at(double pixel) const { return x0 + (pixel - plot.left()) * (x1 - x0) / plot.width(); }
    double y_at(double pixel, bool inverted) const {
      const double f = inverted ? (pixel - plot.top()) / plot.height() : (plot.bottom() - pixel) / plot.height();
      return y0 + f * (y1 - y0);
    }
  };
  View view() const;

 protected:
  // The smallest and largest x and y of the shown series; false when there is
  // nothing to show.
  virtual bool data_bounds(double& x0, double& x1, double& y0, double& y1) const = 0;
  // Paints the series; the painter is clipped to the plot area and its 3-D depth.
  virtual void paint_series(QPainter& p, const View& v) = 0;
  // Draws a filled box with the frame's 3-D faces when the view is 3-D.
  static void draw_box(QPainter& p, const QRectF& r, const QColor& c, int depth);
  // The top and right faces of such a box, with brushes the caller keeps.
  static void draw_faces(QPainter& p, const QRectF& r, const QBrush& top, const QBrush& side, int depth);
  // c with each channel times percent / 100: a darker shade without the
  // colour-space round trip of QColor::darker, cheap enough for every bar.
  static QColor shade(QRgb c, int percent) {
    return QColor((qRed(c) * percent) / 100, (qGreen(c) * percent) / 100, (qBlue(c) * percent) / 100);
  }

  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void paint_axes(QPainter& p, const View& v);
  QString title_;
  bool view_3d_ = false;
  bool zoomed_ = false;
  double zoom_x0_ = 0, zoom_x1_ = 1, zoom_y0_ = 0, zoom_y1_ = 1;
  bool dragging_ = false;
  QPoint drag_from_, drag_to_;
};
