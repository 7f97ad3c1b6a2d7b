#pragma once
// The program's save dialog: Qt's own file dialog (never the desktop's native
// one, so that a planner or a tool can type a path into its "File name:"
// field) behind the SaveDialog the file writers set up. Each Execute opens a
// fresh dialog in InitialDir proposing FileName, offers the Filter's pairs and
// preselects FilterIndex; on OK FileName and FilterIndex hold the choice.
#include <QString>
#include <QStringList>

#include "problem_io/save_dialog.h"

class QWidget;

class SaveFileDialog : public SaveDialog {
 public:
  explicit SaveFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
  bool Execute() override;

 private:
  QWidget* parent_;
};

// The filter "Description (*.ext)|*.ext|Text|*.txt" as Qt's name filters, one
// per pair: a description that names no mask of its own gets its mask in
// brackets; a lone description without any mask ("txt") lists every file.
QStringList save_dialog_name_filters(const std::string& filter);
