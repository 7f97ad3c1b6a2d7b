#pragma once
// The check list of a Gantt page: one item per row ("Job_1", "Mach_1", ...),
// checked when the row is drawn. The check marks are also kept in a plain
// table, so that filling a chart asks a byte per row instead of the item's
// data; every change, by the mouse or through the calls below, keeps the two
// in step. Calls below change the marks without itemChanged, so that a bulk
// change is redrawn once by its caller.
#include <QListWidget>
#include <vector>

class RowCheckList : public QListWidget {
  Q_OBJECT
 public:
  explicit RowCheckList(QWidget* parent = nullptr);

  // Replaces the items with prefix + 1 .. prefix + n; the first `checked` are checked.
  void fill(const QString& prefix, int n, int checked);
  // false for a row outside the list.
  bool is_checked(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < checks_.size() && checks_[static_cast<std::size_t>(row)];
  }
  void set_checked(int row, bool on);
  enum class Change { CheckAll, UncheckAll, Invert };
  void change_all(Change c);

 private:
  std::vector<char> checks_;
};
