#include "ui/colors_window.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/chart_colors.h"
#include "ui/message_boxes.h"
#include "ui/named_controls.h"

TForm11* Form11 = nullptr;

namespace {
// The globals in scheme order.
const std::array<int*, 5> colour_globals = {&Col_Setup, &Col_Intime, &Col_Late, &Col_Constraint, &Col_Planned};
const std::array<const char*, 5> colour_captions = {"Setup", "Intime", "Late", "Constraint window",
                                                    "Planned window"};
const QString faulty_scheme_message = QStringLiteral("Error in selected color scheme: number of parameters!");

SCHEME_COLOURS current_globals() {
  SCHEME_COLOURS c{};
  for (int i = 0; i < 5; ++i) c[i] = *colour_globals[i];
  return c;
}

}  // namespace

TForm11::TForm11(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form11"));
  setWindowTitle(QStringLiteral("Colors"));

  auto* colours = new QGridLayout;
  for (int i = 0; i < 5; ++i) {
    QPushButton* button =
        named_button(("Button" + std::to_string(i + 1)).c_str(), QString::fromLatin1(colour_captions[i]), this);
    auto* panel = new QLineEdit(this);
    panel->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    panel->setReadOnly(true);
    panel->setFocusPolicy(Qt::NoFocus);
    panel->setMinimumWidth(120);
    panel->setAccessibleName(QString::fromLatin1(colour_captions[i]) + QStringLiteral(" colour"));
    colours->addWidget(button, i, 0);
    colours->addWidget(panel, i, 1);
    colour_buttons_[i] = button;
    panels_[i] = panel;
    connect(button, &QPushButton::clicked, this, [this, i] { ColourButtonClick(i); });
  }
  QPushButton* Button8 = named_button("Button8", QStringLiteral("Default"), this);
  colours->addWidget(Button8, 5, 0);

  auto* schemes = new QGroupBox(QStringLiteral("Color Schemes"), this);
  schemes->setObjectName(QStringLiteral("Panel1"));
  ComboBox1 = new QComboBox(schemes);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setAccessibleName(QStringLiteral("Color Schemes"));
  ComboBox1->setEditable(true);  // a new scheme is named by typing here
  // The typing goes into the combo's own field, which a reader names too.
  ComboBox1->lineEdit()->setAccessibleName(QStringLiteral("Color Schemes"));
  // The items mirror the scheme list: nothing typed is added on Enter, and
  // nothing typed is completed into the name of an existing scheme.
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setCompleter(nullptr);
  ComboBox1->setMinimumWidth(160);
  QPushButton* Button9 = named_button("Button9", QStringLiteral("Save As"), schemes);
  QPushButton* Button10 = named_button("Button10", QStringLiteral("Delete"), schemes);
  auto* scheme_layout = new QVBoxLayout(schemes);
  scheme_layout->addWidget(ComboBox1);
  auto* scheme_buttons = new QHBoxLayout;
  scheme_buttons->addWidget(Button9);
  scheme_buttons->addWidget(Button10);
  scheme_layout->addLayout(scheme_buttons);

  QPushButton* Button6 = named_button("Button6", QStringLiteral("OK"), this);
  QPushButton* Button7 = named_button("Button7", QStringLiteral("Cancel"), this);
  auto* closing = new QHBoxLayout;
  closing->addStretch(1);
  closing->addWidget(Button6);
  closing->addWidget(Button7);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(colours);
  layout->addWidget(schemes);
  layout->addLayout(closing);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // a dialog border

  connect(Button6, &QPushButton::clicked, this, &TForm11::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TForm11::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TForm11::Button8Click);
  connect(Button9, &QPushButton::clicked, this, &TForm11::Button9Click);
  connect(Button10, &QPushButton::clicked, this, &TForm11::Button10Click);
  connect(ComboBox1, &QComboBox::activated, this, &TForm11::ComboBox1Change);

  set_panels(current_globals());
}

std::string TForm11::scheme_file() const {
  if (!chart_colors_folder().empty()) return chart_colors_path();
  return QCoreApplication::applicationDirPath().toStdString() + "/" + chart_colors_file_name;
}

void TForm11::set_panel(int i, int bgr) {
  panel_colours_[i] = bgr;
  const QColor c = color_of(bgr);
  QPalette palette = panels_[i]->palette();
  palette.setColor(QPalette::Base, c);
  palette.setColor(QPalette::Window, c);
  panels_[i]->setPalette(palette);
  // What a screen reader says instead of the colour.
  panels_[i]->setAccessibleDescription(c.name());
}

void TForm11::set_panels(const SCHEME_COLOURS& colours) {
  for (int i = 0; i < 5; ++i) set_panel(i, colours[i]);
}

void TForm11::fill_combo() {
  ComboBox1->clear();
  for (const std::string& name : schemes_.names()) ComboBox1->addItem(QString::fromStdString(name));
}

void TForm11::set_combo_text(const QString& text) {
  ComboBox1->setCurrentIndex(-1);
  ComboBox1->setEditText(text);
}

void TForm11::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm11::FormShow() {
  ok_pressed = false;
  SCHEME_CHOICE choice;
  // A file that cannot be read changes nothing: the combo and the list keep
  // the schemes of the last showing, which the closing writes back. Only a
  // folder, a pipe or a device in its place is named, once the window stands.
  FileBytesResult read = FileBytesResult::Read;
  const int loaded = schemes_.load(scheme_file(), choice, &read);
  file_refused_ = refusal_names_reason(read);
  if (loaded != 1) {
    if (file_refused_) {
      const QString text = QString::fromStdString(file_refusal_text(read, scheme_file(), kMaxSchemeFileBytes));
      QTimer::singleShot(0, this, [this, text] { show_message(text, this); });
    }
    return;
  }
  fill_combo();
  if (choice.colours_read) set_panels(choice.colours);
  if (choice.actual) set_combo_text(QStringLiteral("Actual scheme"));
  else if (choice.chosen >= 0) ComboBox1->setCurrentIndex(choice.chosen);
  else set_combo_text(QString());
  // Told once the window stands.
  for (int i = 0; i < choice.faulty; ++i)
    QTimer::singleShot(0, this, [this] { show_message(faulty_scheme_message, this); });
}

void TForm11::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TForm11::FormClose() {
  if (file_refused_) return;
  const int chosen = schemes_.index_of_name(ComboBox1->currentText().toStdString());
  // Nothing is said when the file cannot be written; the earlier one stays whole.
  schemes_.save(scheme_file(), schemes_.closing_control_line(ok_pressed, chosen, panel_colours_));
}

void TForm11::ColourButtonClick(int i) {
  QColorDialog dialog(color_of(panel_colours_[i]), this);
  dialog.setObjectName(QStringLiteral("ColorDialog1"));
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return;
  const int chosen = bgr_of(dialog.selectedColor());
  if (chosen == panel_colours_[i]) return;
  set_panel(i, chosen);
  set_combo_text(QString());  // the panels hold no saved scheme any more
}

void TForm11::Button6Click() {
  for (int i = 0; i < 5; ++i) *colour_globals[i] = panel_colours_[i];
  ok_pressed = true;
  accept();
}

void TForm11::Button7Click() {
  set_panels(current_globals());
  reject();
}

void TForm11::Button8Click() {
  for (int i = 0; i < 5; ++i) *colour_globals[i] = default_chart_colours[i];
  set_panels(default_chart_colours);
  ComboBox1->setCurrentIndex(schemes_.index_of_name("default"));
  ComboBox1->setEditText(QStringLiteral("default"));
}

void TForm11::Button9Click() {
  const QString name = ComboBox1->currentText();
  int position = -1;
  switch (schemes_.save_as(name.toStdString(), panel_colours_, position)) {
    case CHART_COLOR_SCHEMES::SaveAs::NameMissing:
      show_message(QStringLiteral("Scheme name missing!"), this);
      return;
    case CHART_COLOR_SCHEMES::SaveAs::NameDuplicated:
      show_message(QStringLiteral("Scheme name duplicated!"), this);
      return;
    case CHART_COLOR_SCHEMES::SaveAs::NameUnfit:
      show_message(QStringLiteral("Scheme name cannot be stored: it must not contain \"|\" or begin with \"-\", "
                                  "and it must fit on one line of the scheme file!"),
                   this);
      return;
    case CHART_COLOR_SCHEMES::SaveAs::Added:
      break;
  }
  fill_combo();
  ComboBox1->setCurrentIndex(position);
}

void TForm11::Button10Click() {
  const int index = ComboBox1->currentIndex();
  // Only the scheme the combo names: once another name is typed over the
  // chosen one, no scheme is chosen.
  if (index < 0 || ComboBox1->itemText(index) != ComboBox1->currentText()) return;
  if (ComboBox1->currentText() == QLatin1String("default")) {
    show_message(QStringLiteral("Default scheme cannot be deleted!"), this);
    return;
  }
  if (!schemes_.remove(index)) return;
  fill_combo();
  set_combo_text(QString());
}

void TForm11::ComboBox1Change(int index) {
  if (index < 0 || index >= static_cast<int>(schemes_.schemes().size())) return;
  std::string name;
  SCHEME_COLOURS colours = panel_colours_;
  if (parse_scheme_string(schemes_.schemes()[index], name, colours)) set_panels(colours);
  else show_message(faulty_scheme_message, this);
}
