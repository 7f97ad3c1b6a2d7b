#pragma once
// Label texts a running search writes, each label shown at most once per
// interval: a text set sooner after that label's last showing waits (only
// the newest text is kept) and is shown when the interval has passed, at the
// next pass of the event loop. A search of thousands of short steps per
// second then spends its time searching, not painting numbers nobody can
// read at that rate, while a search of long steps shows every text of every
// step at once (each label is written once per step).
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QTimer;

class ThrottledLabels : public QObject {
  Q_OBJECT
 public:
  explicit ThrottledLabels(int interval_ms, QObject* parent = nullptr);

  // Sets the text now when the interval has passed since the label was last
  // shown (true), else keeps it waiting (false).
  bool set(QLabel* label, const QString& text);
  // Shows every waiting text now.
  void apply();
  // The text a label shows or is waiting to show.
  QString text(const QLabel* label) const;
  // Replaces the clock that decides whether the interval has passed
  // (milliseconds); a test holds time still with it.
  void set_clock(std::function<qint64()> now);

 private:
  struct Entry {
    QLabel* label;
    QString text;  // the text waiting, when waiting
    bool waiting = false;
    qint64 shown_at = 0;
    bool shown = false;
  };
  Entry& entry(QLabel* label);

  std::vector<Entry> entries_;
  QElapsedTimer elapsed_;
  std::function<qint64()> now_;
  QTimer* timer_;
  int interval_ms_;
};
