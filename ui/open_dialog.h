#pragma once
// The open dialog of the file readers (OpenDialog1 of the scheduler window):
// the caller sets the initial folder, the proposed name and the filter, calls
// Execute, and reads the chosen name back. The dialog is Qt's own
// (DontUseNativeDialog), so its "File name:" field can be typed into by a
// person, a test or a driving tool alike.
#include <QString>
#include <QStringList>

class QWidget;

class TOpenDialog {
 public:
  QString InitialDir;
  QString FileName;
  // "Description|*.a;*.b|Description|*.c" pairs, as the readers write them.
  QString Filter;

  // True when the user chose an existing file (FileName then holds its full
  // path); false when cancelled.
  bool Execute(QWidget* parent);

  // The Qt name filters of Filter, in its order, each "Description (*.a *.b)".
  static QStringList name_filters(const QString& filter);
};

// The program's folder: every file dialog starts there.
QString program_dir();
