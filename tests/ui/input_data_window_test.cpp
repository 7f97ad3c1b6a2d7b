#include "ui/input_data_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <vector>

#include "problem_io/input_reader.h"
#include "tests/support/small_problem.h"
#include "tests/ui/modal_answerer.h"

namespace {

// Machines: 1 (step 1, two intervals), 2, 3, 4 (steps 2, 3, 4), 5 virtual
// (steps 1-2). Orders: 1 over steps 1-4 on machines 1-4, 2 on step 1 only.
// Groups 6 to 10 have no machine; no order has execution type 3.
class InputDataWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    begin_small_problem(2);
    add_small_machine(5, 1, 1, {{0, 100}, {500, 600}});
    add_small_machine(4, 2, 2);
    add_small_machine(3, 3, 3);
    add_small_machine(2, 4, 4);
    add_small_machine(0, 1, 2);
    add_small_order(3, 10, 1, 4, 1, 5, 900, {1, 2, 3, 4});
    add_small_order(2, 20, 1, 1, 2, 0, 300, {1});
    finish_small_problem();
    Machines[1].SetupM(1, 2) = 7;
    Machines[1].SetupM(2, 1) = 9;
  }
  void TearDown() override {
    form.close();
    free_input_data();
  }
  void open(bool modify) {
    form.set_modify_mode(modify);
    form.show();
  }
  template <class W>
  W* child(const char* name) {
    W* w = form.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // The text of an edit or a label.
  QString text(const char* name) {
    if (auto* label = form.findChild<QLabel*>(name)) return label->text();
    return child<QLineEdit>(name)->text();
  }
  bool hidden(const char* name) { return child<QWidget>(name)->isHidden(); }
  // The planner picks an item of a drop-down list.
  void pick(const char* combo, const QString& item) {
    QComboBox* box = child<QComboBox>(combo);
    const int i = box->findText(item);
    ASSERT_GE(i, 0) << item.toStdString();
    box->setCurrentIndex(i);
    emit box->activated(i);
  }
  void type(const char* edit, const QString& s) {
    QLineEdit* e = child<QLineEdit>(edit);
    e->clear();
    QTest::keyClicks(e, s);
  }
  void click(const char* button) { child<QPushButton>(button)->click(); }
  QStringList lines(const char* list) {
    QStringList out;
    QListWidget* l = child<QListWidget>(list);
    for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
    return out;
  }
  // What the modify controls may change: machine 1's speed and calendar,
  // order 1's time window.
  std::vector<int> changeable() {
    std::vector<int> v = {Machines[1].Speed, Orders[1].CST, Orders[1].CET};
    for (int i = 1; i <= Machines[1].N_Cal; ++i) v.insert(v.end(), {Machines[1].Cal[i].ST, Machines[1].Cal[i].ET});
    return v;
  }
  // The click on button is refused with message alone, the problem unchanged.
  void expect_refused(const char* button, const char* message) {
    const std::vector<int> before = changeable();
    boxes.messages.clear();
    click(button);
    EXPECT_EQ(boxes.messages, QStringList({message}));
    EXPECT_EQ(changeable(), before);
  }

  TForm14 form;
  ModalAnswerer boxes;
};

TEST_F(InputDataWindow, ViewModeShowsTheFirstMachineAndOrderWithoutModifyControls) {
  open(false);
  for (const auto& [name, shown] :
       {std::pair{"Label11", "5 Machines in All"}, {"Edit1", "MG_1"}, {"Edit2", "TS_1"}, {"Edit4", "5"}, {"Edit6", "2"},
        {"Label36", "2 Orders with All!"}, {"Edit13", "Job_1"}, {"Edit15", "5"}, {"Label27", "MG_4 [ 1 ] "}})
    EXPECT_EQ(text(name), shown) << name;
  EXPECT_EQ(lines("ListBox1"), QStringList({" [ 0 , 100 ] ", " [ 500 , 600 ] "}));
  EXPECT_EQ(lines("ListBox2"), QStringList({" from 1 to  2 -> 7", " from 2 to  1 -> 9"}));
  for (const char* modify : {"Edit18", "GroupBox1", "Edit21"}) EXPECT_TRUE(hidden(modify)) << modify;

  // The order's one route goes through groups 1-4: their lists stand out.
  EXPECT_EQ(lines("ListBox3"), QStringList({QStringLiteral("Route_%1").arg(Orders[1].R_feasible[1])}));
  for (int g = 1; g <= 10; ++g) {
    const QByteArray name = "ListBox" + QByteArray::number(g + 3);
    EXPECT_EQ(child<QListWidget>(name.constData())->isEnabled(), g <= 4) << g;
  }
  EXPECT_EQ(lines("ListBox4"), QStringList({"Mach_1"}));

  // The first calendar line keeps a margin below the list's frame, as the
  // rows below it keep one to each other, so its brackets are drawn whole.
  child<QTabWidget>("PageControl1")->setCurrentIndex(1);
  for (const char* name : {"ListBox1", "ListBox2"}) {
    QListWidget* list = child<QListWidget>(name);
    const int top = list->viewport()->mapTo(list, list->visualItemRect(list->item(0)).topLeft()).y();
    EXPECT_GE(top, 4) << name;  // a one-pixel frame and three of margin
  }
}

TEST_F(InputDataWindow, AGroupWithoutMachinesOrATypeWithoutOrdersEmptiesTheFields) {
  open(true);
  pick("ComboBox2", "MG_6");
  EXPECT_EQ(child<QComboBox>("ComboBox1")->count(), 0);
  EXPECT_EQ(text("Label11"), "No Machines in MG_6");
  for (const char* e : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"}) EXPECT_TRUE(text(e).isEmpty()) << e;
  EXPECT_TRUE(lines("ListBox1").isEmpty());
  EXPECT_TRUE(hidden("GroupBox1"));

  pick("ComboBox2", "MG_5");
  EXPECT_EQ(text("Label11"), "1 Machines in MG_5");
  EXPECT_EQ(lines("ListBox1"), QStringList({"Virtual machine!"}));
  EXPECT_EQ(lines("ListBox2"), QStringList({"Virtual machine!"}));
  EXPECT_TRUE(hidden("GroupBox1"));  // not even in modify mode

  pick("ComboBox4", "Exe_3");
  EXPECT_EQ(text("Label36"), " No Orders with Exe_3!");
  for (int g = 1; g <= 10; ++g) {
    const QByteArray name = "Label" + QByteArray::number(g + 23);
    EXPECT_EQ(text(name.constData()), QStringLiteral("MG_%1 [ 0 ] ").arg(g));
  }
  EXPECT_TRUE(text("Edit15").isEmpty());
  EXPECT_TRUE(hidden("Edit21"));
  EXPECT_TRUE(lines("ListBox3").isEmpty());
}

// Every change the window refuses gives its message and leaves the problem
// as it was; what it accepts goes into the problem and the view at once.
// (Which change is refused with which message is the shop changes' own
// matter; here each button shows the refusal once.)
TEST_F(InputDataWindow, ModifyModeChangesOnlyWhatItAccepts) {
  open(true);
  ASSERT_FALSE(hidden("GroupBox1"));
  // While typing: a letter, or a value outside the field's range, empties it.
  for (const auto& [edit, keys] : {std::pair{"Edit18", "1001"}, {"Edit18", "4x"}, {"Edit22", "32001"}}) {
    type(edit, keys);
    EXPECT_TRUE(text(edit).isEmpty()) << edit << " <- " << keys;
  }
  expect_refused("Button6", " The value of the speed field is out of the range! It must be in [1 - 1000].");
  EXPECT_EQ(text("Edit18"), "5");  // the current speed again
  expect_refused("Button10", " The value of the end time field is out of the range! It must be in [0 - 32000].");
  EXPECT_EQ(text("Edit22"), "900");
  type("Edit21", "900");
  expect_refused("Button9", " The Constraint Start Time has to be smaller then Constraint End Time.");
  type("Edit19", "100");
  type("Edit20", "200");
  expect_refused("Button8", "Availability time intervals can not be overlapped!");
  type("Edit20", "");
  expect_refused("Button8", " Missing integer value(s)!");
  expect_refused("Button7", "There is no selected item!");

  type("Edit19", "300");
  type("Edit20", "400");
  click("Button8");
  EXPECT_EQ(lines("ListBox1"), QStringList({" [ 0 , 100 ] ", " [ 300 , 400 ] ", " [ 500 , 600 ] "}));
  EXPECT_EQ(Machines[1].N_Cal, 3);
  child<QListWidget>("ListBox1")->setCurrentRow(2);
  EXPECT_EQ(text("Label39"), " [ 500 , 600 ] ");
  click("Button7");
  EXPECT_EQ(lines("ListBox1"), QStringList({" [ 0 , 100 ] ", " [ 300 , 400 ] "}));
  EXPECT_EQ(Machines[1].N_Cal, 2);

  type("Edit18", "12");
  click("Button6");
  EXPECT_EQ(Machines[1].Speed, 12);
  EXPECT_EQ(text("Edit4"), "12");
  type("Edit21", "0");
  click("Button9");
  EXPECT_EQ(Orders[1].CST, 0);
  EXPECT_EQ(text("Edit15"), "0");
  type("Edit22", "40");
  click("Button10");
  EXPECT_EQ(Orders[1].CET, 40);
  EXPECT_EQ(text("Edit16"), "40");
}

TEST_F(InputDataWindow, QuickShowAndTheGroupMemo) {
  open(false);
  for (const char* beyond_the_machines : {"0", "6"}) {
    type("Edit7", beyond_the_machines);
    EXPECT_TRUE(text("Edit7").isEmpty()) << beyond_the_machines;
  }
  type("Edit7", "3");
  click("Button4");
  EXPECT_EQ(child<QComboBox>("ComboBox2")->currentText(), "MG_3");
  EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), "Mach_3");
  EXPECT_EQ(text("Edit4"), "3");
  EXPECT_TRUE(text("Edit7").isEmpty());
  type("Edit17", "2");
  click("Button5");
  EXPECT_EQ(child<QComboBox>("ComboBox4")->currentText(), "Exe_1");
  EXPECT_EQ(text("Edit12"), "2");

  click("Button3");  // groups with machines only
  const QStringList memo = child<QPlainTextEdit>("Memo1")->toPlainText().split('\n');
  EXPECT_EQ(memo.front(), "________________________________MG_M________________________________");
  EXPECT_TRUE(memo.contains("MG1 [ 1 ] "));
  EXPECT_TRUE(memo.contains("              ->   1"));
  EXPECT_TRUE(memo.contains("MG5 [ 1 ] "));
  EXPECT_FALSE(memo.contains("MG6 [ 0 ] "));
  click("Button2");
  EXPECT_EQ(child<QPlainTextEdit>("Memo1")->toPlainText().split('\n').size(), 2);
}

TEST_F(InputDataWindow, TopGroupListEnlargesAndComesBack) {
  open(false);
  child<QTabWidget>("PageControl1")->setCurrentIndex(2);
  QListWidget* top = child<QListWidget>("ListBox13");
  QLabel* caption = child<QLabel>("Label33");
  QApplication::processEvents();
  const int normal = top->height();
  const int caption_top = caption->mapTo(&form, QPoint(0, 0)).y();
  const QSize size_before = form.size();
  QTest::mouseDClick(top->viewport(), Qt::LeftButton);
  QApplication::processEvents();
  form.layout()->activate();
  EXPECT_TRUE(hidden("ListBox4"));
  EXPECT_TRUE(hidden("ListBox12"));
  // Group 10 holds no machine: the list keeps its height, and its label and
  // the list stay at the top of the pyramid.
  EXPECT_GE(top->height(), normal);
  EXPECT_EQ(form.size(), size_before);  // the window keeps its size
  EXPECT_EQ(caption->mapTo(&form, QPoint(0, 0)).y(), caption_top);
  EXPECT_LT(top->mapTo(&form, QPoint(0, 0)).y() - caption_top, 2 * caption->height());
  // The context menu of the page puts it back.
  QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
  QApplication::sendEvent(child<QWidget>("TabSheet3"), &menu);
  EXPECT_FALSE(hidden("ListBox4"));
  EXPECT_EQ(top->height(), normal);
  // Closing while enlarged leaves the pyramid whole for the next showing.
  QTest::mouseDClick(top->viewport(), Qt::LeftButton);
  ASSERT_TRUE(hidden("ListBox4"));
  form.close();
  form.show();
  EXPECT_FALSE(hidden("ListBox4"));
  EXPECT_EQ(top->height(), normal);
}

// In view mode the hidden time-window controls leave their room to the
// route list, which then shows eight routes without scrolling; the window
// is moved but never sized by the planner.
TEST_F(InputDataWindow, ViewModeGivesTheRoutesTheRoomAndTheBorderDoesNotSize) {
  open(false);
  child<QTabWidget>("PageControl1")->setCurrentIndex(2);
  QApplication::processEvents();
  QListWidget* routes = child<QListWidget>("ListBox3");
  ASSERT_GE(routes->count(), 1);
  EXPECT_GE(routes->viewport()->height(), 8 * routes->sizeHintForRow(0));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  // Nothing overlaps: each group's label stands above its list.
  for (int g = 1; g <= 10; ++g) {
    QLabel* label = child<QLabel>(QStringLiteral("Label%1").arg(g + 23).toLatin1().constData());
    QListWidget* list = child<QListWidget>(QStringLiteral("ListBox%1").arg(g + 3).toLatin1().constData());
    EXPECT_LE(label->mapTo(&form, QPoint(0, label->height())).y(), list->mapTo(&form, QPoint(0, 0)).y()) << g;
    EXPECT_LE(list->mapTo(&form, QPoint(0, list->height())).y(), form.height()) << g;
  }
}

}  // namespace
