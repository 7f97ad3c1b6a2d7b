#include "ui/objective_priority_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "engine/objective_value.h"
#include "ui/more_objectives_window.h"
#include "ui/named_controls.h"
#include "ui/priority_controls.h"
#include "ui/progress_window.h"

TForm15* Form15 = nullptr;

TForm15::TForm15(QWidget* parent) : ClosingForm(Centre::Screen, parent) {
  setObjectName(QStringLiteral("Form15"));
  setWindowTitle(QStringLiteral("Objective functions"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

  auto* header = named_label("Label7", QStringLiteral("Objective function               Priority"), this);
  auto* rows = new QGridLayout;
  const char* captions[6] = {"Number of late orders:", "Number of late jobs:", "Sum of tardiness: ",
                             "Max tardiness:",         "Number of setups:",    "Completion time:"};
  static const char* const bar_names[6] = {"TrackBar1", "TrackBar2", "TrackBar3",
                                           "TrackBar4", "TrackBar5", "TrackBar6"};
  static const char* const edit_names[6] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
  for (int i = 0; i < 6; ++i) {
    auto* caption = new QLabel(QString::fromLatin1(captions[i]), this);
    caption->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    TrackBar[i] = priority_bar(bar_names[i], Qt::Horizontal, this);
    TrackBar[i]->setMinimumWidth(150);
    caption->setBuddy(TrackBar[i]);
    Edit[i] = priority_field(edit_names[i], this);
    Edit[i]->setAccessibleName(QString::fromLatin1(captions[i]).trimmed() + QStringLiteral(" priority"));
    rows->addWidget(caption, i, 0);
    rows->addWidget(TrackBar[i], i, 1);
    rows->addWidget(Edit[i], i, 2);
  }

  Button1 = named_button("Button1", QStringLiteral("OK"), this);
  Button2 = named_button("Button2", QStringLiteral("More"), this);
  Button2->hide();
  CheckBox1 = named_check_box("CheckBox1", QStringLiteral("Active control"), false, this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CheckBox1);
  buttons->addStretch();
  buttons->addWidget(Button2);
  buttons->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header);
  layout->addLayout(rows);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // Its size is known from creation on: the progress window docks it by it.
  adjustSize();

  for (int i = 0; i < 6; ++i) {
    TrackBar[i]->setValue(ObjPri_at_start[i]);
    ObjPri[i] = ObjPri_at_start[i];
    connect(TrackBar[i], &QSlider::valueChanged, this, [this, i] { TrackBarChange(i); });
    TrackBarChange(i);
  }
  connect(CheckBox1, &QCheckBox::toggled, this, &TForm15::CheckBox1Click);
  connect(Button1, &QPushButton::clicked, this, &TForm15::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm15::Button2Click);
}

void TForm15::set_active_control(bool on) { CheckBox1->setChecked(on); }

void TForm15::show_more_button(bool visible) { Button2->setVisible(visible); }

void TForm15::TrackBarChange(int row) {
  Edit[row]->setText(QString::number(TrackBar[row]->value()));
  if (CheckBox1->isChecked()) ObjPri[row] = TrackBar[row]->value();
}

void TForm15::CheckBox1Click() {
  if (!CheckBox1->isChecked()) return;
  for (int i = 0; i < 6; ++i) ObjPri[i] = TrackBar[i]->value();
}

void TForm15::Button1Click() {
  for (int i = 0; i < 6; ++i) ObjPri[i] = TrackBar[i]->value();
  close();
}

void TForm15::Button2Click() {
  if (Form19 == nullptr) return;
  Form19->show();
  Form19->raise();
  Form19->activateWindow();
}

// The weights may have changed elsewhere (an "OK" of another showing, a run
// report of priorities): the bars show what the search uses now.
void TForm15::FormShow() {
  for (int i = 0; i < 6; ++i) {
    TrackBar[i]->setValue(ObjPri[i]);
    TrackBarChange(i);
  }
}

void TForm15::FormClose() {
  if (Form7 != nullptr && Form7->isVisible()) Form7->uncheck_priority_control();
  if (Form19 != nullptr && Form19->isVisible()) Form19->close();
}
