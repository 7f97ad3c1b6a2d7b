#include "ui/throttled_labels.h"

#include <QLabel>
#include <QTimer>

ThrottledLabels::ThrottledLabels(int interval_ms, QObject* parent)
    : QObject(parent), timer_(new QTimer(this)), interval_ms_(interval_ms) {
  elapsed_.start();
  now_ = [this] { return elapsed_.elapsed(); };
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &ThrottledLabels::apply);
}

void ThrottledLabels::set_leader(QLabel* label) {
  leader_ = label;
  entry(label);
}

ThrottledLabels::Entry& ThrottledLabels::entry(QLabel* label) {
  for (Entry& e : entries_)
    if (e.label == label) return e;
  // Labels of another window may be paced here: one destroyed first must not
  // be painted afterwards.
  connect(label, &QObject::destroyed, this, &ThrottledLabels::forget);
  entries_.push_back(Entry{label, QString()});
  return entries_.back();
}

void ThrottledLabels::forget(QObject* label) {
  if (leader_ == label) leader_ = nullptr;
  for (auto it = entries_.begin(); it != entries_.end(); ++it)
    if (it->label == label) {
      entries_.erase(it);
      return;
    }
}

bool ThrottledLabels::set(QLabel* label, const QString& text) {
  Entry& e = entry(label);
  e.text = text;
  e.waiting = true;
  const qint64 since = now_() - shown_at_;
  if (label == leader_ && (!shown_ || since >= interval_ms_)) {
    show_waiting(true);
    return true;
  }
  wait_for_interval();
  return false;
}

void ThrottledLabels::wait_for_interval() {
  const qint64 since = now_() - shown_at_;
  const int wait = shown_ ? static_cast<int>(qBound<qint64>(0, interval_ms_ - since, qint64{interval_ms_})) : 0;
  if (!timer_->isActive() || timer_->remainingTime() > wait) timer_->start(wait);
}

void ThrottledLabels::show_waiting(bool repaint) {
  timer_->stop();
  for (Entry& e : entries_) {
    if (!e.waiting) continue;
    e.waiting = false;
    if (e.label->text() == e.text) continue;
    e.label->setText(e.text);
    // The step that follows runs without events: painted now, or only after it.
    if (repaint) e.label->repaint();
  }
  shown_at_ = now_();
  shown_ = true;
}

void ThrottledLabels::apply() { show_waiting(false); }

QString ThrottledLabels::text(const QLabel* label) const {
  for (const Entry& e : entries_)
    if (e.label == label && e.waiting) return e.text;
  return label->text();
}

void ThrottledLabels::set_clock(std::function<qint64()> now) { now_ = std::move(now); }
