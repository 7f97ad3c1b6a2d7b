#include "ui/row_check_list.h"

#include <QSignalBlocker>
#include <QStringList>

RowCheckList::RowCheckList(QWidget* parent) : QListWidget(parent) {
  setUniformItemSizes(true);
  // Connected first, so that every other receiver of a ticked box reads the new mark.
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    const int r = row(item);
    if (r >= 0 && static_cast<std::size_t>(r) < checks_.size())
      checks_[static_cast<std::size_t>(r)] = item->checkState() == Qt::Checked;
  });
}

void RowCheckList::fill(const QString& prefix, int n, int checked) {
  const QSignalBlocker quiet(this);
  clear();
  QStringList names;
  names.reserve(std::max(0, n));
  for (int i = 1; i <= n; ++i) names << prefix + QString::number(i);
  addItems(names);
  checks_.assign(static_cast<std::size_t>(count()), 0);
  for (int i = 0; i < count(); ++i) {
    item(i)->setCheckState(i < checked ? Qt::Checked : Qt::Unchecked);
    checks_[static_cast<std::size_t>(i)] = i < checked;
  }
}

void RowCheckList::set_checked(int r, bool on) {
  QListWidgetItem* it = item(r);
  if (!it) return;
  const QSignalBlocker quiet(this);
  it->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  checks_[static_cast<std::size_t>(r)] = on;
}

void RowCheckList::change_all(Change c) {
  const QSignalBlocker quiet(this);
  for (int i = 0; i < count(); ++i) {
    const bool on = c == Change::CheckAll || (c == Change::Invert && !is_checked(i));
    item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    checks_[static_cast<std::size_t>(i)] = on;
  }
}
