#pragma once
// Label texts a running search writes, shown at most once per interval: a
// text set sooner after the last showing waits (only the newest text of a
// label is kept) and is shown with every other waiting text when the
// interval has passed, at the next pass of the event loop. A search of
// thousands of short steps per second then spends its time searching, not
// painting numbers nobody can read at that rate, while a search of long
// steps shows every step's texts at once.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QTimer;

class ThrottledLabels : public QObject {
  Q_OBJECT
 public:
  explicit ThrottledLabels(int interval_ms, QObject* parent = nullptr);

  // Sets the text now when the interval has passed since the last showing
  // (true), else keeps it waiting (false).
  bool set(QLabel* label, const QString& text);
  // Shows every waiting text now.
  void apply();
  // The text a label shows or is waiting to show.
  QString text(const QLabel* label) const;

 private:
  struct Waiting {
    QLabel* label;
    QString text;
  };
  std::vector<Waiting> waiting_;
  QElapsedTimer since_;
  QTimer* timer_;
  int interval_ms_;
};
