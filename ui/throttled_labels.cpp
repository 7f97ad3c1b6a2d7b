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

ThrottledLabels::Entry& ThrottledLabels::entry(QLabel* label) {
  for (Entry& e : entries_)
    if (e.label == label) return e;
  entries_.push_back(Entry{label, QString()});
  return entries_.back();
}

bool ThrottledLabels::set(QLabel* label, const QString& text) {
  Entry& e = entry(label);
  const qint64 now = now_();
  const qint64 since = now - e.shown_at;
  if (!e.shown || since >= interval_ms_) {
    if (label->text() != text) label->setText(text);
    e.waiting = false;
    e.shown = true;
    e.shown_at = now;
    return true;
  }
  e.text = text;
  e.waiting = true;
  const int wait = static_cast<int>(interval_ms_ - since);
  if (!timer_->isActive() || timer_->remainingTime() > wait) timer_->start(wait);
  return false;
}

void ThrottledLabels::apply() {
  timer_->stop();
  const qint64 now = now_();
  for (Entry& e : entries_) {
    if (!e.waiting) continue;
    if (e.label->text() != e.text) e.label->setText(e.text);
    e.waiting = false;
    e.shown = true;
    e.shown_at = now;
  }
}

QString ThrottledLabels::text(const QLabel* label) const {
  for (const Entry& e : entries_)
    if (e.label == label && e.waiting) return e.text;
  return label->text();
}

void ThrottledLabels::set_clock(std::function<qint64()> now) { now_ = std::move(now); }
