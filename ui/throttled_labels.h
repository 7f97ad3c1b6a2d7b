#pragma once
// Label texts a running search writes, shown together at most once per
// interval. One label leads (the step number, written at the start of every
// step): when the interval has passed since the last showing, its new text
// and every text waiting are shown at once and painted before the step runs.
// Any other text waits, only the newest one per label kept, for the leader or
// for the end of the interval, when the event loop shows all that waits. So
// the step, the best step, the values of the best schedule and the operator
// counters on screen always come from the same moment of the search; a search
// of thousands of short steps per second spends its time searching, not
// painting numbers nobody can read at that rate, while a search of long
// steps shows every text of every step.
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

  // The label whose new text, once the interval has passed, shows every text
  // at once. A label that is destroyed is forgotten.
  void set_leader(QLabel* label);
  // Sets the text: at once with all that waits when label leads and the
  // interval has passed since the last showing (true), else it waits (false).
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
  };
  Entry& entry(QLabel* label);
  void forget(QObject* label);
  // Shows every waiting text; repaint: paints the changed labels at once.
  void show_waiting(bool repaint);
  void wait_for_interval();

  std::vector<Entry> entries_;
  QLabel* leader_ = nullptr;
  QElapsedTimer elapsed_;
  std::function<qint64()> now_;
  QTimer* timer_;
  int interval_ms_;
  qint64 shown_at_ = 0;
  bool shown_ = false;
};
