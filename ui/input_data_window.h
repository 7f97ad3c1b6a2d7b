#pragma once
// The "Input data" window: browses the loaded problem (machine groups,
// machines with calendars and setups, orders with time windows, routes and
// permitted machines). In modify mode, set only by the rescheduler window
// around its modal showing, it also changes a machine's speed and calendar
// and an order's time window, straight in the live problem arrays; in view
// mode nothing can change.
#include "ui/closing_form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

class TForm14 : public ClosingForm {
  Q_OBJECT
 public:
  explicit TForm14(QWidget* parent = nullptr);

  void set_modify_mode(bool on) { modify_mode = on; }
  bool in_modify_mode() const { return modify_mode; }

  void FormShow() override;
  void FormClose() override;
  void show_MG_M();
  void CheckListBox1Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  void ComboBox1Change();
  void ComboBox2Change();
  void ComboBox3Change();
  void ComboBox4Change();
  void ListBox1Click();
  void ListBox3Click();
  void ListBox13DblClick();
  void ListBox13Exit();
  void TabSheet3ContextPopup();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QWidget* build_groups_tab();
  QWidget* build_machines_tab();
  QWidget* build_orders_tab();
  void show_machine_modify_controls(bool visible);
  void show_order_modify_controls(bool visible);
  // The machine or order of the chosen combo item; 0 when none.
  int chosen_machine() const;
  int chosen_order() const;
  void restore_group_10_list();

  bool modify_mode = false;
  bool enlarged = false;
  int normal_height = 0;

  QTabWidget* PageControl1;
  QWidget* TabSheet3;
  // Machine Groups
  QListWidget* CheckListBox1;
  QPushButton *Button1, *Button2, *Button3;
  QPlainTextEdit* Memo1;
  // Machines
  QComboBox *ComboBox1, *ComboBox2;
  QLabel* Label11;
  QLineEdit* Edit7;
  QPushButton* Button4;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
  QListWidget *ListBox1, *ListBox2;
  QLabel* Label37;
  QLineEdit* Edit18;
  QPushButton* Button6;
  QGroupBox* GroupBox1;
  QLabel *Label38, *Label39;
  QPushButton *Button7, *Button8;
  QLineEdit *Edit19, *Edit20;
  // Orders
  QComboBox *ComboBox3, *ComboBox4;
  QLabel* Label36;
  QLineEdit* Edit17;
  QPushButton* Button5;
  QLineEdit *Edit8, *Edit9, *Edit10, *Edit11, *Edit12, *Edit13, *Edit14, *Edit15, *Edit16;
  QListWidget* ListBox3;
  // Groups 1..10: ListBox4..ListBox13 and Label24..Label33; entry 0 unused.
  QListWidget* group_list[11] = {};
  QLabel* group_label[11] = {};
  QLabel* Label40;
  QLineEdit *Edit21, *Edit22;
  QPushButton *Button9, *Button10;
};

extern TForm14* Form14;
