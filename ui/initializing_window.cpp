#include "ui/initializing_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "engine/run_state.h"
#include "ui/message_boxes.h"
#include "ui/modal_session.h"
#include "ui/named_controls.h"
#include "ui/schedule_performance_window.h"

TForm13* Form13 = nullptr;

TForm13::TForm13(QWidget* parent) : ClosingForm(Centre::Screen, parent) {
  setObjectName(QStringLiteral("Form13"));
  setWindowTitle(QStringLiteral("Initializing"));

  ComboBox1 = new QComboBox;
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  for (const char* name : starting_method_names) ComboBox1->addItem(QString::fromLatin1(name));
  ComboBox1->setCurrentIndex(4);
  auto* label = new QLabel(QStringLiteral("Initializing method:"));
  label->setObjectName(QStringLiteral("Label1"));
  label->setBuddy(ComboBox1);
  Button1 = named_button("Button1", QStringLiteral("Generate schedule"));
  Button3 = named_button("Button3", QStringLiteral("Save changes"));
  Button2 = named_button("Button2", QStringLiteral("Close"));
  Button3->setEnabled(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0, 1, 3);
  layout->addWidget(ComboBox1, 1, 0, 1, 3);
  layout->addWidget(Button1, 2, 0);
  layout->addWidget(Button3, 2, 1);
  layout->addWidget(Button2, 2, 2);

  connect(Button1, &QPushButton::clicked, this, &TForm13::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm13::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm13::Button3Click);
}

void TForm13::FormShow() {
  kept.keep_live();
  Button3->setEnabled(false);
}

void TForm13::Button1Click() {
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, Button1, Button2}) w->setEnabled(false);
  if (build_starting_schedule(ComboBox1->currentIndex()) == 1) {
    Button3->setEnabled(true);
    if (Form10) Form10->live_schedule_renewed();
    show_modal(Form10);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, Button1, Button2}) w->setEnabled(true);
}

void TForm13::Button3Click() {
  switch (kept.save()) {
    case KEPT_SCHEDULE::Save::NoSchedule: show_message(QStringLiteral("No schedule created!"), this); break;
    case KEPT_SCHEDULE::Save::NoChanges: show_message(QStringLiteral("There is no changes in the schedule!"), this); break;
    case KEPT_SCHEDULE::Save::Saved:
      show_message(QStringLiteral("The schedule has been saved succesfully!"), this);
      Button3->setEnabled(false);
      break;
  }
}

void TForm13::Button2Click() { close(); }

void TForm13::FormClose() {
  switch (kept.at_close()) {
    case KEPT_SCHEDULE::AtClose::NothingCreated: show_message(QStringLiteral(" No schedule created!"), this); break;
    case KEPT_SCHEDULE::AtClose::Unchanged: break;
    case KEPT_SCHEDULE::AtClose::Changed:
      if (ask_yes_no(QStringLiteral("The schedule has been changed. Would You like to save changes?"), this)) {
        first_run = 0;
        show_message(QStringLiteral("The schedule has been saved succesfully!"), this);
      } else {
        kept.discard_changes();
        show_message(QStringLiteral("Discard changes and exit!"), this);
      }
      break;
  }
  kept.release();
}
