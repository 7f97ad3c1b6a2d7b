#include "ui/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QToolButton* arrow(Qt::ArrowType type, const QString& name, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setArrowType(type);
  b->setAccessibleName(name);
  b->setAutoRepeat(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setFixedSize(16, 11);
  return b;
}
}  // namespace

TUpDown::TUpDown(QLineEdit* associate, int min, int max, int increment, QWidget* parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max), increment_(increment) {
  up_ = arrow(Qt::UpArrow, QStringLiteral("Up"), this);
  down_ = arrow(Qt::DownArrow, QStringLiteral("Down"), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, [this] { step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

int TUpDown::position() const {
  bool ok = false;
  const int v = associate_->text().toInt(&ok);
  return ok ? std::clamp(v, min_, max_) : min_;
}

void TUpDown::set_position(int p) { associate_->setText(QString::number(std::clamp(p, min_, max_))); }

void TUpDown::step(int direction) { set_position(position() + direction * increment_); }
