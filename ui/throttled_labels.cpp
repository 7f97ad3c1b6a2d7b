#include "ui/throttled_labels.h"

#include <QLabel>
#include <QTimer>

ThrottledLabels::ThrottledLabels(int interval_ms, QObject* parent)
    : QObject(parent), timer_(new QTimer(this)), interval_ms_(interval_ms) {
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &ThrottledLabels::apply);
}

bool ThrottledLabels::set(QLabel* label, const QString& text) {
  bool found = false;
  for (Waiting& w : waiting_)
    if (w.label == label) {
      w.text = text;
      found = true;
    }
  if (!found) waiting_.push_back({label, text});
  if (!since_.isValid() || since_.elapsed() >= interval_ms_) {
    apply();
    return true;
  }
  if (!timer_->isActive()) timer_->start(static_cast<int>(interval_ms_ - since_.elapsed()));
  return false;
}

void ThrottledLabels::apply() {
  timer_->stop();
  for (const Waiting& w : waiting_)
    if (w.label->text() != w.text) w.label->setText(w.text);
  waiting_.clear();
  since_.start();
}

QString ThrottledLabels::text(const QLabel* label) const {
  for (const Waiting& w : waiting_)
    if (w.label == label) return w.text;
  return label->text();
}
