#include "ui/more_objectives_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

#include "engine/objective_value.h"
#include "ui/named_controls.h"
#include "ui/priority_controls.h"

TForm19* Form19 = nullptr;

int priority_from_position(int x) { return 10 - x; }

TForm19::TForm19(QWidget* parent) : ClosingForm(Centre::Screen, parent) {
  setObjectName(QStringLiteral("Form19"));
  setWindowTitle(QStringLiteral("More Objective functions"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

  auto* Label1 = named_label("Label1", QStringLiteral("Objective functions for rescheduling"), this);
  auto* Label2 = named_label("Label2", QStringLiteral("Priority"), this);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->addItems({QStringLiteral("Num. of jobs with diff. route"), QStringLiteral("Num. of jobs with diff. machine"),
                      QStringLiteral("Num. of jobs with late dev."), QStringLiteral("Num. of new late jobs"),
                      QStringLiteral("Num. of orders with diff. route"),
                      QStringLiteral("Num. of orders with diff. machine"),
                      QStringLiteral("Num. of orders with late dev."), QStringLiteral("Num. of new late orders"),
                      QStringLiteral("Num. of machines with setup dev."),
                      QStringLiteral("Num. of machines with new setups")});
  ListBox1->setMinimumWidth(ListBox1->sizeHintForColumn(0) + 24);
  Label1->setBuddy(ListBox1);
  ListBox1->setAccessibleName(Label1->text());  // a list takes no name from its buddy
  ListBox2 = new QListWidget(this);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->setMaximumWidth(56);
  Label2->setBuddy(ListBox2);
  ListBox2->setAccessibleName(Label2->text());
  for (QListWidget* l : {ListBox1, ListBox2}) {
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setMinimumHeight(10 * l->fontMetrics().height() + 16);
  }
  TrackBar1 = priority_bar("TrackBar1", Qt::Vertical, this);
  // Position 0 at the top: priority 10 is the top of the bar.
  TrackBar1->setInvertedAppearance(true);
  TrackBar1->setInvertedControls(true);
  TrackBar1->setAccessibleName(QStringLiteral("Priority of the chosen line"));
  Edit1 = priority_field("Edit1", this);
  Edit1->setAccessibleName(QStringLiteral("Priority"));
  CheckBox1 = named_check_box("CheckBox1", QStringLiteral("Active Control"), true, this);
  CheckBox1->setEnabled(false);
  Button1 = named_button("Button1", QStringLiteral("OK"), this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(Label1, 0, 0);
  layout->addWidget(Label2, 0, 1);
  layout->addWidget(ListBox1, 1, 0, 3, 1);
  layout->addWidget(ListBox2, 1, 1, 3, 1);
  layout->addWidget(TrackBar1, 1, 2, 3, 1);
  layout->addWidget(Edit1, 1, 3);
  layout->addWidget(CheckBox1, 4, 0);
  layout->addWidget(Button1, 4, 3);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // Its size is known from creation on: the progress window docks it by it.
  adjustSize();

  // A line chosen by mouse or keyboard.
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TForm19::ListBox1Click);
  connect(ListBox2, &QListWidget::currentRowChanged, this, &TForm19::ListBox2Click);
  connect(TrackBar1, &QSlider::valueChanged, this, &TForm19::TrackBar1Change);
  connect(Button1, &QPushButton::clicked, this, &TForm19::Button1Click);
}

void TForm19::FormShow() {
  ListBox2->clear();
  for (int i = 0; i < ListBox1->count(); ++i) ListBox2->addItem(QString::number(ReschPri[i]));
  ListBox1->setCurrentRow(0);
  ListBox1Click();
}

void TForm19::ListBox1Click() {
  const int line = ListBox1->currentRow();
  if (line < 0) return;
  {
    // Moving the bar to the line's stored priority must not write that
    // priority over the line while the selection is still changing.
    const QSignalBlocker quiet(TrackBar1);
    TrackBar1->setValue(priority_from_position(ReschPri[line]));
  }
  ListBox2->setCurrentRow(line);
  TrackBar1Change();
}

void TForm19::ListBox2Click() {
  if (ListBox2->currentRow() < 0 || ListBox2->currentRow() == ListBox1->currentRow()) return;
  ListBox1->setCurrentRow(ListBox2->currentRow());
}

void TForm19::TrackBar1Change() {
  const int p = priority_from_position(TrackBar1->value());
  Edit1->setText(QString::number(p));
  const int line = ListBox1->currentRow();
  if (!CheckBox1->isChecked() || line < 0) return;
  ReschPri[line] = p;
  if (QListWidgetItem* item = ListBox2->item(line)) item->setText(QString::number(p));
}

void TForm19::Button1Click() { close(); }
