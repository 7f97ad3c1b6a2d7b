// The controls of the "Input data" window's three pages and their wiring.
#include "ui/input_data_window.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/problem.h"
#include "engine/shop_changes.h"
#include "ui/named_controls.h"
#include "ui/number_fields.h"

namespace {

QLineEdit* read_only_edit(const char* name) {
  auto* e = named(new QLineEdit, name);
  e->setReadOnly(true);
  return e;
}

QLabel* label_for(const QString& caption, QWidget* buddy, const char* name) {
  auto* l = named(new QLabel(caption), name);
  l->setBuddy(buddy);
  return l;
}

// The choice above a tab's fields: a filter combo and an item combo under
// their captions, the count line, and the number field with "Quick Show".
struct ChoiceCaptions {
  const char *filter, *filter_label, *item, *item_label, *prefix, *prefix_label;
};
QGridLayout* choice_layout(const ChoiceCaptions& c, QComboBox* filter, QComboBox* item, QLabel* count,
                           QLineEdit* number, QPushButton* quick_show) {
  number->setMaximumWidth(70);
  auto* choice = new QGridLayout;
  choice->addWidget(label_for(QString::fromLatin1(c.filter), filter, c.filter_label), 0, 0);
  choice->addWidget(label_for(QString::fromLatin1(c.item), item, c.item_label), 0, 1);
  choice->addWidget(filter, 1, 0);
  choice->addWidget(item, 1, 1);
  choice->addWidget(count, 2, 0, 1, 2);
  auto* quick = new QHBoxLayout;
  quick->addWidget(label_for(QString::fromLatin1(c.prefix), number, c.prefix_label));
  quick->addWidget(number);
  quick->addWidget(quick_show);
  quick->addStretch();
  choice->addLayout(quick, 3, 0, 1, 2);
  return choice;
}
}  // namespace

TForm14::TForm14(QWidget* parent) : ClosingForm(Centre::Screen, parent) {
  setObjectName(QStringLiteral("Form14"));
  setWindowTitle(QStringLiteral("Input data"));
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

  PageControl1 = named(new QTabWidget, "PageControl1");
  PageControl1->addTab(build_groups_tab(), QStringLiteral("Machine Groups"));
  PageControl1->addTab(build_machines_tab(), QStringLiteral("Machines"));
  PageControl1->addTab(build_orders_tab(), QStringLiteral("Orders"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  // A single border: the planner moves the window but does not size it.
  setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
  // Sized once to what its pages need: hiding lists (the enlarged group-10
  // list) or controls (view mode) never resizes it.
  PageControl1->setMinimumWidth(960);
  setFixedSize(sizeHint());
}

QWidget* TForm14::build_groups_tab() {
  auto* tab = named(new QWidget, "TabSheet1");
  CheckListBox1 = named(new QListWidget, "CheckListBox1");
  CheckListBox1->setAccessibleName(QStringLiteral("Machine Groups"));
  for (int g = 1; g <= 10; ++g) {
    auto* item = new QListWidgetItem(QStringLiteral("MG_%1").arg(g), CheckListBox1);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Checked);
  }
  CheckListBox1->setFixedWidth(130);
  connect(CheckListBox1, &QListWidget::itemChanged, this, [this] { CheckListBox1Click(); });
  Button1 = named_button("Button1", QStringLiteral("Select All"));
  Button2 = named_button("Button2", QStringLiteral("Unselect All"));
  Button3 = named_button("Button3", QStringLiteral("Sel. not empty"));
  connect(Button1, &QPushButton::clicked, this, &TForm14::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm14::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm14::Button3Click);
  Memo1 = named(new QPlainTextEdit, "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setAccessibleName(QStringLiteral("MG_M"));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  auto* left = new QVBoxLayout;
  left->addWidget(CheckListBox1);
  left->addWidget(Button1);
  left->addWidget(Button2);
  left->addWidget(Button3);
  left->addStretch();
  auto* row = new QHBoxLayout(tab);
  row->addLayout(left);
  row->addWidget(Memo1, 1);
  return tab;
}

QWidget* TForm14::build_machines_tab() {
  auto* tab = named(new QWidget, "TabSheet2");
  ComboBox2 = named(new QComboBox, "ComboBox2");
  ComboBox1 = named(new QComboBox, "ComboBox1");
  Label11 = named(new QLabel, "Label11");
  Edit7 = named(new QLineEdit, "Edit7");
  Button4 = named_button("Button4", QStringLiteral("Quick Show"));
  connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  connect(Edit7, &QLineEdit::textChanged, this, [this] { check_number_text(Edit7, 1, n_of_Machines); });
  connect(Button4, &QPushButton::clicked, this, &TForm14::Button4Click);
  QGridLayout* choice = choice_layout({"Machine Group", "Label1", "Machine", "Label2", "Mach_", "Label3"}, ComboBox2,
                                      ComboBox1, Label11, Edit7, Button4);

  Edit1 = read_only_edit("Edit1");
  Edit2 = read_only_edit("Edit2");
  Edit3 = read_only_edit("Edit3");
  Edit4 = read_only_edit("Edit4");
  Edit5 = read_only_edit("Edit5");
  Edit6 = read_only_edit("Edit6");
  ListBox1 = named(new QListWidget, "ListBox1");
  ListBox2 = named(new QListWidget, "ListBox2");
  // The calendar's brackets reach the top of a row: without a margin the
  // first interval sits on the frame and reads as cut off.
  for (QListWidget* list : {ListBox1, ListBox2}) list->setStyleSheet(QStringLiteral("QListWidget { padding-top: 3px; background: palette(base); }"));
  connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
  auto* fields = new QFormLayout;
  fields->addRow(label_for(QStringLiteral("Machine Group:"), Edit1, "Label4"), Edit1);
  fields->addRow(label_for(QStringLiteral("Start Step:"), Edit2, "Label5"), Edit2);
  fields->addRow(label_for(QStringLiteral("End Step:"), Edit3, "Label6"), Edit3);
  fields->addRow(label_for(QStringLiteral("Speed:"), Edit4, "Label7"), Edit4);
  fields->addRow(label_for(QStringLiteral("Calendar:"), ListBox1, "Label8"), ListBox1);
  fields->addRow(label_for(QStringLiteral("Setup:"), ListBox2, "Label9"), ListBox2);
  fields->addRow(label_for(QStringLiteral("Engaged up to:"), Edit5, "Label10"), Edit5);
  fields->addRow(label_for(QStringLiteral("Setup types:"), Edit6, "Label12"), Edit6);

  // Modify mode: speed and calendar.
  Edit18 = named(new QLineEdit, "Edit18");
  Label37 = label_for(QStringLiteral("New speed"), Edit18, "Label37");
  Button6 = named_button("Button6", QStringLiteral("<-"));
  Button6->setAccessibleName(QStringLiteral("<- New speed"));
  connect(Edit18, &QLineEdit::textChanged, this, [this] { check_number_text(Edit18, 1, max_machine_speed); });
  connect(Button6, &QPushButton::clicked, this, &TForm14::Button6Click);
  GroupBox1 = named(new QGroupBox(QStringLiteral("Modify Calandar")), "GroupBox1");
  Label39 = named(new QLabel(QStringLiteral("No item selected!")), "Label39");
  Button7 = named_button("Button7", QStringLiteral("Delete"));
  Label38 = named(new QLabel(QStringLiteral("New availability interval:")), "Label38");
  Edit19 = named(new QLineEdit, "Edit19");
  Edit20 = named(new QLineEdit, "Edit20");
  Edit19->setAccessibleName(QStringLiteral("New availability interval: start"));
  Edit20->setAccessibleName(QStringLiteral("New availability interval: end"));
  Button8 = named_button("Button8", QStringLiteral("Add"));
  connect(Edit19, &QLineEdit::textChanged, this, [this] { check_number_text(Edit19, 0, max_shop_time); });
  connect(Edit20, &QLineEdit::textChanged, this, [this] { check_number_text(Edit20, 1, max_shop_time); });
  connect(Button7, &QPushButton::clicked, this, &TForm14::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TForm14::Button8Click);
  auto* cal = new QGridLayout(GroupBox1);
  cal->addWidget(Label39, 0, 0, 1, 2);
  cal->addWidget(Button7, 0, 2);
  cal->addWidget(Label38, 1, 0, 1, 3);
  cal->addWidget(Edit19, 2, 0);
  cal->addWidget(Edit20, 2, 1);
  cal->addWidget(Button8, 2, 2);
  auto* speed = new QHBoxLayout;
  speed->addWidget(Label37);
  speed->addWidget(Edit18);
  speed->addWidget(Button6);
  auto* modify = new QVBoxLayout;
  modify->addLayout(speed);
  modify->addWidget(GroupBox1);
  modify->addStretch();
  for (QWidget* w : std::initializer_list<QWidget*>{Label37, Edit18, Button6, GroupBox1}) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
  }
  show_machine_modify_controls(false);

  auto* left = new QVBoxLayout;
  left->addLayout(choice);
  left->addLayout(modify);
  auto* row = new QHBoxLayout(tab);
  row->addLayout(left);
  row->addLayout(fields, 1);
  return tab;
}

QWidget* TForm14::build_orders_tab() {
  TabSheet3 = named(new QWidget, "TabSheet3");
  TabSheet3->installEventFilter(this);
  ComboBox4 = named(new QComboBox, "ComboBox4");
  ComboBox3 = named(new QComboBox, "ComboBox3");
  Label36 = named(new QLabel, "Label36");
  Edit17 = named(new QLineEdit, "Edit17");
  Button5 = named_button("Button5", QStringLiteral("Quick Show"));
  connect(ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Change(); });
  connect(ComboBox3, &QComboBox::activated, this, [this] { ComboBox3Change(); });
  connect(Edit17, &QLineEdit::textChanged, this, [this] { check_number_text(Edit17, 1, n_of_Orders); });
  connect(Button5, &QPushButton::clicked, this, &TForm14::Button5Click);
  QGridLayout* choice = choice_layout({"Exe type", "Label13", "Order", "Label14", "Order_", "Label15"}, ComboBox4,
                                      ComboBox3, Label36, Edit17, Button5);

  Edit8 = read_only_edit("Edit8");
  Edit9 = read_only_edit("Edit9");
  Edit10 = read_only_edit("Edit10");
  Edit14 = read_only_edit("Edit14");
  Edit11 = read_only_edit("Edit11");
  Edit12 = read_only_edit("Edit12");
  Edit13 = read_only_edit("Edit13");
  Edit15 = read_only_edit("Edit15");
  Edit16 = read_only_edit("Edit16");
  // Modify mode: the time window, typed beside the times it replaces.
  Edit21 = named(new QLineEdit, "Edit21");
  Edit22 = named(new QLineEdit, "Edit22");
  Label40 = named(new QLabel(QStringLiteral("New Time")), "Label40");
  Edit21->setAccessibleName(QStringLiteral("New Time: Constrained Start Time"));
  Edit22->setAccessibleName(QStringLiteral("New Time: Constrained End Time"));
  Button9 = named_button("Button9", QStringLiteral("<-"));
  Button10 = named_button("Button10", QStringLiteral("<-"));
  Button9->setAccessibleName(QStringLiteral("<- Constrained Start Time"));
  Button10->setAccessibleName(QStringLiteral("<- Constrained End Time"));
  connect(Edit21, &QLineEdit::textChanged, this, [this] { check_number_text(Edit21, 0, max_shop_time); });
  connect(Edit22, &QLineEdit::textChanged, this, [this] { check_number_text(Edit22, 0, max_shop_time); });
  connect(Button9, &QPushButton::clicked, this, &TForm14::Button9Click);
  connect(Button10, &QPushButton::clicked, this, &TForm14::Button10Click);
  Edit21->setMaximumWidth(90);
  Edit22->setMaximumWidth(90);
  auto* start_row = new QHBoxLayout;
  start_row->addWidget(Edit15, 1);
  start_row->addWidget(Label40);
  start_row->addWidget(Edit21);
  start_row->addWidget(Button9);
  auto* end_row = new QHBoxLayout;
  end_row->addWidget(Edit16, 1);
  end_row->addWidget(Edit22);
  end_row->addWidget(Button10);
  auto* fields = new QFormLayout;
  fields->addRow(label_for(QStringLiteral("Exe type:"), Edit8, "Label16"), Edit8);
  fields->addRow(label_for(QStringLiteral("Start Step:"), Edit9, "Label17"), Edit9);
  fields->addRow(label_for(QStringLiteral("End Step:"), Edit10, "Label18"), Edit10);
  fields->addRow(label_for(QStringLiteral("Setup Type:"), Edit14, "Label19"), Edit14);
  fields->addRow(label_for(QStringLiteral("Job Size:"), Edit11, "Label20"), Edit11);
  fields->addRow(label_for(QStringLiteral("Num. of Jobs:"), Edit12, "Label21"), Edit12);
  fields->addRow(label_for(QStringLiteral("First Job:"), Edit13, "Label22"), Edit13);
  fields->addRow(label_for(QStringLiteral("Constrained Start Time:"), Edit15, "Label23"), start_row);
  fields->addRow(label_for(QStringLiteral("Constrained End Time:"), Edit16, "Label34"), end_row);

  show_order_modify_controls(false);

  ListBox3 = named(new QListWidget, "ListBox3");
  connect(ListBox3, &QListWidget::currentRowChanged, this, [this] { ListBox3Click(); });
  auto* routes = new QVBoxLayout;
  routes->addWidget(label_for(QStringLiteral("Feasible Routes:"), ListBox3, "Label35"));
  // Eight routes in view; more room when the fields beside are taller.
  ListBox3->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
  ListBox3->setMinimumHeight(8 * ListBox3->fontMetrics().lineSpacing() + 2 * ListBox3->frameWidth() + 4);
  routes->addWidget(ListBox3, 1);

  // The groups as a pyramid: 10 on top, then 8 and 9, 5 to 7, 1 to 4 below,
  // each row centred over the one below (two grid columns per group of the
  // bottom row).
  static const int place[11][3] = {{0, 0, 0},                           // {row, column, span}
                                   {3, 0, 2}, {3, 2, 2}, {3, 4, 2}, {3, 6, 2},
                                   {2, 1, 2}, {2, 3, 2}, {2, 5, 2},
                                   {1, 1, 3}, {1, 4, 3},
                                   {0, 1, 6}};
  auto* pyramid = new QGridLayout;
  for (int g = 1; g <= 10; ++g) {
    const QByteArray list_name = "ListBox" + QByteArray::number(g + 3);
    const QByteArray label_name = "Label" + QByteArray::number(g + 23);
    group_list[g] = named(new QListWidget, list_name.constData());
    group_list[g]->setAutoFillBackground(true);
    group_list[g]->setFixedHeight(78);
    group_label[g] = label_for(QStringLiteral("MG_%1 [ 0 ] ").arg(g), group_list[g], label_name.constData());
    const int row = place[g][0] * 2;
    pyramid->addWidget(group_label[g], row, place[g][1], 1, place[g][2]);
    pyramid->addWidget(group_list[g], row + 1, place[g][1], 1, place[g][2]);
  }
  for (int c = 0; c < 8; ++c) pyramid->setColumnStretch(c, 1);
  pyramid->setVerticalSpacing(2);
  group_list[10]->installEventFilter(this);
  group_list[10]->viewport()->installEventFilter(this);

  auto* top = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addLayout(choice);
  left->addLayout(routes);
  top->addLayout(left);
  top->addLayout(fields);
  top->setAlignment(fields, Qt::AlignTop);
  auto* page = new QVBoxLayout(TabSheet3);
  page->addLayout(top);
  // Room left over goes below the pyramid: each label stays on its list, and
  // the top list and its label stay where they are when the others hide.
  page->addLayout(pyramid);
  page->addStretch(1);
  return TabSheet3;
}
