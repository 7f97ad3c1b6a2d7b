#pragma once
// "Input and schedule data": the four text dumps of the input export, one per
// page ("Orders", "Machines", "Routes", "Sch").
#include <QDialog>
#include <string>

class QPlainTextEdit;
class QTabWidget;

class TForm9 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent = nullptr);

  // Loads the four dump files of directory into Memo1..Memo4; a file that
  // cannot be read leaves its memo empty.
  void load_dumps(const std::string& directory);

 private:
  QTabWidget* PageControl1;
  QPlainTextEdit* Memo1;
  QPlainTextEdit* Memo2;
  QPlainTextEdit* Memo3;
  QPlainTextEdit* Memo4;
};

extern TForm9* Form9;
