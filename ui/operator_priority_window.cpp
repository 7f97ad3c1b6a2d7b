#include "ui/operator_priority_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/search_operators.h"
#include "ui/named_controls.h"
#include "ui/progress_window.h"
#include "ui/throttled_labels.h"
#include "ui/window_placement.h"

TForm17* Form17 = nullptr;

namespace {
constexpr int kRows = 8;

QLabel* value_label(QWidget* parent, int number) {
  auto* l = new QLabel(QStringLiteral("0"), parent);
  l->setObjectName(QStringLiteral("Label%1").arg(number));
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setMinimumWidth(44);
  return l;
}
}  // namespace

TForm17::TForm17(QWidget* parent) : ClosingForm(Centre::Screen, parent) {
  setObjectName(QStringLiteral("Form17"));
  setWindowTitle(QStringLiteral("Searching operators"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

  auto* table = new QGridLayout;
  table->setHorizontalSpacing(12);
  auto* op_header = named_label("Label1", QStringLiteral("Operator "), this);
  improve_header_ = named_label("Label10", QStringLiteral("Improve"), this);
  total_header_ = named_label("Label11", QStringLiteral("Total"), this);
  auto* priority_header = named_label("Label30", QStringLiteral("Priority"), this);
  table->addWidget(op_header, 0, 0);
  table->addWidget(improve_header_, 0, 1);
  table->addWidget(total_header_, 0, 2);
  table->addWidget(priority_header, 0, 3);

  const char* hints[5] = {"Change random order as a unit. ", "Change random late order as a unit. ",
                          "Change random  late job and change random machine with do_pi.",
                          "Change random  late job.", "Change random job."};
  improve_[0] = total_[0] = priority_[0] = nullptr;
  for (int i = 1; i <= kRows; ++i) {
    auto* name = new QLabel(QStringLiteral("N%1").arg(i), this);
    name->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    if (i <= 5) name->setToolTip(QString::fromLatin1(hints[i - 1]));
    name->setVisible(i <= 5);
    improve_[i] = value_label(this, 11 + i);
    total_[i] = value_label(this, 21 + i);
    priority_[i] = value_label(this, 31 + i);
    // A figure stays its label's accessible name; the column is its description.
    improve_[i]->setAccessibleDescription(QStringLiteral("N%1 Improve").arg(i));
    total_[i]->setAccessibleDescription(QStringLiteral("N%1 Total").arg(i));
    priority_[i]->setAccessibleDescription(QStringLiteral("N%1 Priority").arg(i));
    table->addWidget(name, i, 0);
    table->addWidget(improve_[i], i, 1);
    table->addWidget(total_[i], i, 2);
    table->addWidget(priority_[i], i, 3);
  }
  Label20 = value_label(this, 20);
  Label21 = value_label(this, 21);
  Label31 = value_label(this, 31);
  Label20->setAccessibleDescription(QStringLiteral("Improve sum"));
  Label21->setAccessibleDescription(QStringLiteral("Total sum"));
  Label31->setAccessibleDescription(QStringLiteral("Priority sum"));
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  table->addWidget(line, kRows + 1, 0, 1, 4);
  table->addWidget(Label20, kRows + 2, 1);
  table->addWidget(Label21, kRows + 2, 2);
  table->addWidget(Label31, kRows + 2, 3);

  auto* change = named(new QGroupBox(QStringLiteral("Change"), this), "GroupBox1");
  auto* change_layout = new QGridLayout(change);
  auto* op_caption = named_label("Label40", QStringLiteral("Operator"), change);
  auto* pri_caption = named_label("Label41", QStringLiteral("Priority"), change);
  ComboBox1 = named(new QComboBox(change), "ComboBox1");
  ComboBox2 = named(new QComboBox(change), "ComboBox2");
  for (int p = 0; p <= 10; ++p) ComboBox2->addItem(QString::number(p));
  op_caption->setBuddy(ComboBox1);
  pri_caption->setBuddy(ComboBox2);
  change_layout->addWidget(op_caption, 0, 0);
  change_layout->addWidget(pri_caption, 0, 1);
  change_layout->addWidget(ComboBox1, 1, 0);
  change_layout->addWidget(ComboBox2, 1, 1);

  Button1 = named_button("Button1", QStringLiteral("OK"), this);
  CheckBox1 = named_check_box("CheckBox1", QStringLiteral("Active control"), false, this);
  CheckBox1->hide();

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(change);
  bottom->addStretch();
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CheckBox1);
  buttons->addWidget(Button1);
  bottom->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(table);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // Also without the statistics columns, the title shows whole.
  layout->addStrut(title_bar_width(this));

  shown_ = new ThrottledLabels(40, this);

  // Every operator starts with priority 1: all drawn alike.
  for (int i = 0; i <= n_of_operators; ++i) Nx_op_pri[i] = 1;
  for (int i = 1; i <= kRows; ++i) {
    improve_[i]->hide();
    total_[i]->hide();
    priority_[i]->hide();
  }
  ComboBox1->clear();
  for (int i = 1; i <= n_of_operators; ++i) {
    improve_[i]->show();
    total_[i]->show();
    priority_[i]->show();
    ComboBox1->addItem(QStringLiteral("N%1").arg(i));
  }

  // Its size is known from creation on: the progress window docks it by it.
  adjustSize();

  connect(ComboBox1, &QComboBox::activated, this, &TForm17::ComboBox1Change);
  connect(ComboBox2, &QComboBox::activated, this, &TForm17::ComboBox2Change);
  connect(Button1, &QPushButton::clicked, this, [this] { close(); });
}

// The counters change together with the progress window's step and values.
ThrottledLabels* TForm17::pacing() const { return Form7 != nullptr ? Form7->pacing() : shown_; }

QLabel* TForm17::statistic_label(OperatorColumn c, int op) {
  pacing()->apply();
  return label_of(c, op);
}

QLabel* TForm17::label_of(OperatorColumn c, int op) const {
  if (op < 0 || op > kRows) return nullptr;
  switch (c) {
    case OperatorColumn::Improve: return op == 0 ? Label20 : improve_[op];
    case OperatorColumn::Total: return op == 0 ? Label21 : total_[op];
    case OperatorColumn::Priority: return op == 0 ? Label31 : priority_[op];
  }
  return nullptr;
}

void TForm17::set_statistic(OperatorColumn c, int op, int value) {
  if (QLabel* l = label_of(c, op)) pacing()->set(l, QString::number(value));
}

// Shown again, the window shows what the run wrote last.
void TForm17::hideEvent(QHideEvent* event) {
  pacing()->apply();
  ClosingForm::hideEvent(event);
}

void TForm17::set_active_control(bool on) { CheckBox1->setChecked(on); }

void TForm17::show_statistics(bool visible) {
  improve_header_->setVisible(visible);
  total_header_->setVisible(visible);
  Label20->setVisible(visible);
  Label21->setVisible(visible);
  for (int i = 1; i <= n_of_operators; ++i) {
    improve_[i]->setVisible(visible);
    total_[i]->setVisible(visible);
  }
}

void TForm17::FormShow() {
  pacing()->apply();
  ComboBox1->setCurrentIndex(0);
  ComboBox1Change();
  ComboBox2Change();
}

void TForm17::ComboBox1Change() {
  const int op = ComboBox1->currentIndex() + 1;
  if (op < 1 || op > n_of_operators) return;
  ComboBox2->setCurrentIndex(Nx_op_pri[op]);
}

void TForm17::ComboBox2Change() {
  pacing()->apply();  // a run's waiting values never overwrite the shares below
  const int op = ComboBox1->currentIndex() + 1;
  const int n = ComboBox1->count();
  if (op < 1 || op > n_of_operators || ComboBox2->currentIndex() < 0) return;
  Nx_op_pri[op] = ComboBox2->currentText().toInt();
  int s = 0;
  for (int i = 1; i <= n; ++i) s += Nx_op_pri[i];
  Label31->setText(QString::number(s));
  for (int i = n; i >= 1; --i) {
    const double share = s == 0 ? 0.0 : static_cast<double>(Nx_op_pri[i]) / s;
    priority_[i]->setText(QString::number(Nx_op_pri[i]) + QStringLiteral(" [") + QString::number(share, 'g', 3) +
                          QStringLiteral("] "));
  }
}

void TForm17::FormClose() {
  if (Form7 != nullptr && Form7->isVisible()) Form7->uncheck_search_operators();
}
