#include "ui/input_checking_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QShowEvent>
#include <QTextBlock>
#include <QVBoxLayout>

#include "engine/problem.h"
#include "engine/run_state.h"
#include "ui/message_boxes.h"
#include "ui/modal_session.h"
#include "ui/named_controls.h"

TForm20* Form20 = nullptr;

namespace {
QLabel* caption_label(const char* name, const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  // A list takes no name from its buddy label: it is named after the label.
  buddy->setAccessibleName(QString(text).remove(QLatin1Char(':')));
  return label;
}
}  // namespace

TForm20::TForm20(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form20"));
  setWindowTitle(QStringLiteral("Input Data Checking"));
  // A dialog frame without the help and size icons.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setAccessibleName(QStringLiteral("Input file text"));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox2 = new QListWidget(this);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  Button1 = named_button("Button1", QStringLiteral("Close"), this);
  Button2 = named_button("Button2", QStringLiteral("Save and Check"), this);
  Label3 = named_label("Label3", QStringLiteral("Input file:"), this);
  Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* lists = new QVBoxLayout;
  lists->addWidget(caption_label("Label1", QStringLiteral("Error list:"), ListBox1, this));
  lists->addWidget(ListBox1, 1);
  lists->addWidget(caption_label("Label2", QStringLiteral("Warning list:"), ListBox2, this));
  lists->addWidget(ListBox2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button2);
  buttons->addWidget(Button1);
  lists->addLayout(buttons);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label3, 0, 0, 1, 2);
  grid->addWidget(Memo1, 1, 0);
  grid->addLayout(lists, 1, 1);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  resize(900, 560);

  connect(Button1, &QPushButton::clicked, this, &TForm20::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm20::Button2Click);
  connect(ListBox1, &QListWidget::itemClicked, this, &TForm20::ListBox1Click);
  connect(ListBox2, &QListWidget::itemClicked, this, &TForm20::ListBox2Click);
}

void TForm20::show_modal(InputCheck& check) {
  shown_ = &check;
  ::show_modal(this);
  shown_ = &check_;
}

void TForm20::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm20::FormShow() {
  Label3->setText(QStringLiteral("Input file: ") + QString::fromStdString(input_file_name));
  load_memo();
  show_lists();
}

void TForm20::load_memo() {
  // The text that was checked, never the file read again: what the planner
  // edits and sees is what the load will read.
  const std::string& text = shown_->input_bytes;
  Memo1->setPlainText(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
}

void TForm20::show_lists() {
  ListBox1->clear();
  ListBox2->clear();
  for (const std::string& m : shown_->error_list) ListBox1->addItem(QString::fromStdString(m));
  for (const std::string& m : shown_->warning_list) ListBox2->addItem(QString::fromStdString(m));
  fit_lists_to_messages();
}

// A message ends in the line it names ("-> line_292"): the lists are made as
// wide as their longest message, up to half the screen, and the window
// widens with them; a longer message scrolls.
void TForm20::fit_lists_to_messages() {
  int widest = 0;
  for (const QListWidget* list : {ListBox1, ListBox2})
    for (int i = 0; i < list->count(); ++i)
      widest = qMax(widest, list->fontMetrics().horizontalAdvance(list->item(i)->text()));
  const int chrome = 2 * ListBox1->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                     4 * ListBox1->fontMetrics().averageCharWidth();
  int width = widest + chrome;
  if (const QScreen* s = screen()) width = qMin(width, s->availableGeometry().width() / 2);
  for (QListWidget* list : {ListBox1, ListBox2}) list->setMinimumWidth(width);
  if (layout() == nullptr) return;
  // Wider by as much on both sides: the window keeps its centre.
  const QPoint centre = geometry().center();
  layout()->activate();
  const int wanted = qMax(this->width(), layout()->minimumSize().width());
  if (wanted == this->width()) return;
  QRect r = geometry();
  r.setWidth(wanted);
  r.moveCenter(centre);
  if (const QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    if (r.right() > area.right()) r.moveRight(area.right());
    if (r.left() < area.left()) r.moveLeft(area.left());
  }
  setGeometry(r);
}

void TForm20::Button1Click() { close(); }

void TForm20::Button2Click() {
  const int r = save_and_check(*shown_, Memo1->toPlainText().toLocal8Bit().toStdString());
  show_lists();
  if (r == 0 && shown_->error_list.size() == 1 && shown_->error_list[0] == SAVE_FAILED_MESSAGE) {
    show_message(QStringLiteral("The text could not be saved to\n") + QString::fromStdString(input_file_name) +
                     QStringLiteral("\nThe file is unchanged."),
                 this);
    return;  // the edit stays in the memo for another try
  }
  load_memo();
}

void TForm20::ListBox1Click(QListWidgetItem* item) {
  if (item) select_line_in_memo(get_number_from_name(item->text().toStdString()));
}

void TForm20::ListBox2Click(QListWidgetItem* item) {
  if (item) select_line_in_memo(get_number_from_name(item->text().toStdString()));
}

void TForm20::select_line_in_memo(int n) {
  Memo1->setFocus();
  QTextCursor cursor(Memo1->document());
  int k = 1;
  for (QTextBlock b = Memo1->document()->begin(); b.isValid(); b = b.next()) {
    if (b.text().isEmpty()) continue;
    if (k == n) {
      cursor.setPosition(b.position());
      cursor.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
      Memo1->setTextCursor(cursor);
      return;
    }
    ++k;
  }
  cursor.movePosition(QTextCursor::End);
  Memo1->setTextCursor(cursor);
}

void TForm20::done(int r) {
  FormClose();
  QDialog::done(r);
}

// The lists are empty whenever the window is not open; the load that opened
// it has read input_rejected by then.
void TForm20::FormClose() {
  shown_->clear();
  ListBox1->clear();
  ListBox2->clear();
  Memo1->clear();
}
