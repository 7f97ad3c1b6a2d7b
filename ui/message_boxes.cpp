#include "ui/message_boxes.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include "ui/dialog_owner.h"
#include "ui/window_placement.h"

namespace {
// A box wraps a text wider than half the screen, which breaks a line such
// as "... It must be in [1 - 9999]." inside its range. Every line of the text
// stands whole on one line while the screen is wide enough for it.
void keep_lines_whole(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (grid == nullptr || text == nullptr) return;
  const int at = grid->indexOf(text);
  if (at < 0) return;
  int row = 0, column = 0, rows = 0, columns = 0;
  grid->getItemPosition(at, &row, &column, &rows, &columns);
  const QFontMetrics fm(text->font());
  int widest = 0;
  for (const QString& line : box.text().split(QLatin1Char('\n'))) widest = qMax(widest, fm.horizontalAdvance(line));
  if (const QScreen* screen = box.screen()) widest = qMin(widest, screen->availableGeometry().width() * 3 / 4);
  // A label's text needs a few pixels beyond its advance (margin and indent).
  grid->addItem(new QSpacerItem(widest + 2 * fm.averageCharWidth(), 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                grid->rowCount(), column, 1, columns);
  // Under a window manager the caption stands in a title bar beside its
  // buttons: a short message ("Input data reading OK!") must not cut it.
  const QMargins margins = grid->contentsMargins();
  grid->addItem(new QSpacerItem(title_bar_width(&box) - margins.left() - margins.right(), 0, QSizePolicy::Fixed,
                                QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}
}  // namespace

// The caption is set on the box itself: an application display name would be
// appended to every window title on X11.
void show_message(const QString& text, QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TAVO_Scheduler"), text, QMessageBox::Ok, dialog_owner(parent));
  keep_lines_whole(box);
  box.exec();
}

bool ask_yes_no(const QString& text, QWidget* parent) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Question"), text, QMessageBox::Yes | QMessageBox::No,
                  dialog_owner(parent));
  box.setDefaultButton(QMessageBox::No);
  keep_lines_whole(box);
  return box.exec() == QMessageBox::Yes;
}
