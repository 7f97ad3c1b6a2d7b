#pragma once
// The scheduler window "Production Scheduler": loads a problem, holds the
// search parameters, runs the chosen solver or the performance test, and opens
// the starting-schedule, input-data, priority and results windows.
//
// States: no data (only "Close", "Load  Input data from file", "Detailes" and
// "Search operators" act), data loaded (the run controls enabled), running
// (the run controls disabled until the solver returns; the progress window
// stops a run). Closing the window releases the problem.
#include <QDialog>

#include "engine/run_host.h"
#include "ui/open_dialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

  // The integer in a parameter field, read by a run at its start. A field
  // left empty or out of its range reads as its reset value, so a run always
  // starts from valid values.
  int field_value(SchedulerField f) const;
  // End of the performance test: "Perf. test " unchecked, method change run.
  void uncheck_performance_test();

  // The open dialog of every input load (the rescheduler sets its own filter).
  TOpenDialog OpenDialog1;

 public slots:
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  void Button11Click();
  void ComboBox2Change();
  void CheckBox1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int r) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A parameter field and its check: range 1..max (Edit6: 1..loops), the
  // message on leaving it out of range and the text it is reset to.
  struct Field {
    QLineEdit* edit;
    int max;
    const char* message;  // nullptr: built from the current loops (Edit6)
    int reset;
  };

  void FormShow();
  void FormClose();
  void EditChange(int i);
  void EditExit(int i);
  int field_max(int i) const;
  int field_reset(int i) const;
  QString field_message(int i) const;
  int field_text_value(int i) const;
  void set_enabled(std::initializer_list<QWidget*> controls, bool enabled);

  Field fields_[6];
  bool exit_check_running_ = false;

  QLabel* Label2;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  QPushButton* Button6;
  QPushButton* Button7;
  QPushButton* Button8;
  QPushButton* Button9;
  QPushButton* Button10;
  QPushButton* Button11;
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
  QCheckBox* CheckBox1;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QLineEdit* Edit5;
  QLineEdit* Edit6;
  QLabel* Label1;
  QLabel* Label3;
  QLabel* Label4;
  QGroupBox* GroupBox1;
};

extern TForm3* Form3;
