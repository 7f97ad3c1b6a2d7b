#pragma once
// The "Input Data Checking" window: the input file's text beside the errors
// and warnings of its check. A click on a message selects the line it names;
// "Save and Check" writes the edited text over the file and checks it again.
// The load that opened the window decides afterwards, from the last check,
// whether it goes on.
#include <QDialog>

#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

class TForm20 : public QDialog, public InputCheckWindow {
  Q_OBJECT
 public:
  explicit TForm20(QWidget* parent = nullptr);

  // Shows the lists of check beside the file's text and returns when the
  // user closes the window.
  void show_modal(InputCheck& check) override;

  // The check the window shows and the load reads afterwards.
  InputCheck& check() { return check_; }

  // Selects the n-th non-empty line of the text (the check counts every
  // line, the memo's numbering skips empty ones); the caret goes to the end
  // when there is no such line.
  void select_line_in_memo(int n);

 public slots:
  void Button1Click();
  void Button2Click();
  void ListBox1Click(QListWidgetItem* item);
  void ListBox2Click(QListWidgetItem* item);

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int r) override;

 private:
  void FormShow();
  void FormClose();
  void show_lists();
  void fit_lists_to_messages();
  void load_memo();

  InputCheck check_;
  InputCheck* shown_ = &check_;  // the check of the load that opened the window
  QLabel* Label3;
  QListWidget* ListBox1;
  QListWidget* ListBox2;
  QPlainTextEdit* Memo1;
  QPushButton* Button1;
  QPushButton* Button2;
};

extern TForm20* Form20;
