#include "ui/generator_window.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QPointer>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "problem_io/generator_file_choice.h"
#include "problem_io/problem_generator.h"
#include "ui/message_boxes.h"
#include "ui/named_controls.h"
#include "ui/save_file_dialog.h"

TForm16* Form16 = nullptr;

namespace {
bool is_deviation(const GENERATOR_PARAMETER& p) { return std::strcmp(p.label, "Max. deviation:") == 0; }

QString without_colon(const char* label) {
  QString s = QString::fromLatin1(label).trimmed();
  if (s.endsWith(QLatin1Char(':'))) s.chop(1);
  return s;
}

// The busy cursor while a problem is drawn and written: the largest values
// write files of gigabytes, and the planner must see that the program works.
class BusyCursor {
 public:
  BusyCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// The save dialog of a generation, shown with the ordinary cursor while the
// drawing before it and the writing after it show the busy one.
class GenerationDialog : public SaveFileDialog {
 public:
  using SaveFileDialog::SaveFileDialog;
  bool Execute() override {
    busy_.reset();
    const bool chosen = SaveFileDialog::Execute();
    if (chosen) busy_.emplace();
    return chosen;
  }

 private:
  std::optional<BusyCursor> busy_{std::in_place};
};
}  // namespace

TForm16::TForm16(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form16"));
  setWindowTitle(QStringLiteral("Problem Generator"));

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));

  auto* generate_page = new QWidget;
  generate_page->setObjectName(QStringLiteral("TabSheet1"));
  auto* generate_layout = new QGridLayout(generate_page);
  auto* type_label = named_label("Label25", QStringLiteral("Generation type:"), generate_page);
  ComboBox1 = new QComboBox(generate_page);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->addItems({QStringLiteral("Basic Method"), QStringLiteral("Spec: one machine")});
  ComboBox1->setCurrentIndex(0);
  type_label->setBuddy(ComboBox1);
  Button3 = named_button("Button3", QStringLiteral("Generate"), generate_page);
  generate_layout->addWidget(type_label, 0, 0);
  generate_layout->addWidget(ComboBox1, 0, 1);
  generate_layout->addWidget(Button3, 1, 1);
  generate_layout->setRowStretch(2, 1);
  generate_layout->setColumnStretch(2, 1);
  PageControl1->addTab(generate_page, QStringLiteral("Generate"));

  QWidget* machine_page = new QWidget;
  machine_page->setObjectName(QStringLiteral("TabSheet2"));
  QWidget* order_page = new QWidget;
  order_page->setObjectName(QStringLiteral("TabSheet3"));
  auto* machine_layout = new QGridLayout(machine_page);
  auto* order_layout = new QGridLayout(order_page);
  QString previous_label;
  for (int row = 0; row < n_of_generator_parameters; ++row) {
    const GENERATOR_PARAMETER& p = generator_parameters[row];
    const bool on_machine_tab = std::strcmp(p.tab, "Machine") == 0;
    QWidget* page = on_machine_tab ? machine_page : order_page;
    QGridLayout* grid = on_machine_tab ? machine_layout : order_layout;
    const int line = grid->rowCount();

    auto* label = new QLabel(QString::fromLatin1(p.label), page);
    label->setObjectName(QStringLiteral("Label") + QString::fromLatin1(p.edit + 4));
    auto* edit = new QLineEdit(QString::fromLatin1(p.initial), page);
    edit->setObjectName(QString::fromLatin1(p.edit));
    edit->setMaximumWidth(80);
    label->setBuddy(edit);
    // Six fields share the label "Max. deviation:"; each is named for the
    // mean it deviates, which stands just above it.
    edit->setAccessibleName(is_deviation(p) ? QString::fromLatin1(p.label) + QStringLiteral(" (") + previous_label +
                                                  QLatin1Char(')')
                                            : without_colon(p.label));
    grid->addWidget(label, line, 0);
    grid->addWidget(edit, line, 1);
    if (is_deviation(p)) grid->addWidget(new QLabel(QStringLiteral("%"), page), line, 2);
    else previous_label = without_colon(p.label);

    edits_[row] = edit;
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this, row] { EditChange(row); });
  }
  for (QGridLayout* grid : {machine_layout, order_layout}) {
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnMinimumWidth(2, 16);
  }
  PageControl1->addTab(machine_page, QStringLiteral("Machine"));
  PageControl1->addTab(order_page, QStringLiteral("Order"));

  Button1 = named_button("Button1", QStringLiteral("Close"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);
  // The border is not resizable.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Button1, &QPushButton::clicked, this, &TForm16::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &TForm16::Button3Click);
}

void TForm16::Button1Click() { close(); }

void TForm16::EditChange(int row) {
  QLineEdit* edit = edits_[row];
  const std::string text = edit->text().toStdString();
  const std::string checked = generator_change_checked_text(generator_parameters[row], text);
  if (checked != text) edit->setText(QString::fromStdString(checked));
}

void TForm16::EditExit(int row) {
  const GENERATOR_PARAMETER& p = generator_parameters[row];
  QLineEdit* edit = edits_[row];
  if (generator_leaving_text_ok(p, edit->text().toStdString())) return;
  show_message(QString::fromStdString(generator_range_message(p)), this);
  edit->setText(QString::fromLatin1(p.reset));
  // The focus goes back once the move that left the field has ended; the
  // field's own tab comes to the front when the planner had switched tabs.
  QPointer<QLineEdit> target = edit;
  QTimer::singleShot(0, this, [this, target] {
    if (!target) return;
    // A button whose press took the focus away never sees its release,
    // which went to the message box: it is not left pressed.
    for (QPushButton* b : findChildren<QPushButton*>())
      if (b->isDown()) b->setDown(false);
    PageControl1->setCurrentWidget(target->parentWidget());
    activateWindow();  // the message box had the focus
    target->setFocus(Qt::OtherFocusReason);
  });
}

bool TForm16::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Only a move to another control of this window leaves a field: a message
    // box, a menu or another program taking the focus does not.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason) {
      for (int row = 0; row < n_of_generator_parameters; ++row)
        if (edits_[row] == watched) EditExit(row);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TForm16::Button3Click() {
  std::array<std::string, n_of_generator_parameters> texts;
  for (int row = 0; row < n_of_generator_parameters; ++row) texts[row] = edits_[row]->text().toStdString();
  GENERATOR_VALUES values;
  try {
    values = generator_values_from_texts(texts);
  } catch (const std::invalid_argument& e) {
    // A field emptied while typing that never lost the focus: nothing is drawn.
    show_message(QString::fromStdString(e.what()), this);
    return;
  }
  // A field typed out of range is checked when it loses the focus; should
  // one reach this point unchecked, it is named instead of drawing from it.
  for (const GENERATOR_PARAMETER& p : generator_parameters) {
    const int x = values.*p.value;
    if (x < p.leaving_low || x > p.leaving_high) {
      show_message(QString::fromStdString(generator_range_message(p)), this);
      return;
    }
  }

  const auto method = ComboBox1->currentIndex() == 1 ? GENERATION_METHOD::OneMachine : GENERATION_METHOD::Basic;
  const std::string program_dir = QCoreApplication::applicationDirPath().toStdString() + "/";
  std::string chosen;
  int result;
  {
    GenerationDialog dialog(this);
    dialog.FilterIndex = save_filter_index_;
    result = method == GENERATION_METHOD::Basic ? generate_basic_problem(values, dialog, program_dir)
                                                : generate_one_machine_problem(values, dialog, program_dir);
    chosen = dialog.FileName;
    save_filter_index_ = dialog.FilterIndex;
  }
  if (result == 1) {
    show_message(QStringLiteral("New data has been generated."), this);
  } else if (result == -1) {
    const std::string path = generator_file_name(method, chosen, save_filter_index_);
    show_message(QStringLiteral("The file cannot be written:\n") + QString::fromStdString(path) +
                     QStringLiteral("\nNothing has been generated; an earlier file of that name is unchanged."),
                 this);
  }
}
