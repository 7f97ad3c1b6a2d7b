#include "ui/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/named_controls.h"

TForm21* Form21 = nullptr;

TForm21::TForm21(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form21"));
  setWindowTitle(QStringLiteral("About"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
  icon->setAccessibleName(QStringLiteral("Program icon"));

  QLabel* name = named_label("ProductName", QStringLiteral("TAVO Scheduler"), this);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  name->setFont(big);
  QLabel* purpose = named_label(
      "Comments",
      QStringLiteral("Production scheduling for a flexible flow shop:\n"
                     "tabu search, batch search, enumeration of small problems\n"
                     "and rescheduling of released schedules."),
      this);
  QLabel* version = named_label("Version", QStringLiteral("Version 1.0"), this);

  auto* button = new QPushButton(QStringLiteral("OK"), this);
  button->setObjectName(QStringLiteral("Button1"));
  button->setDefault(true);
  connect(button, &QPushButton::clicked, this, &TForm21::Button1Click);

  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(version);
  texts->addWidget(purpose);
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(button);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm21::Button1Click() { close(); }
