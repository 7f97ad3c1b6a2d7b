#include "ui/data_dump_window.h"

#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "problem_io/input_dump.h"

TForm9* Form9 = nullptr;

namespace {
QPlainTextEdit* add_page(QTabWidget* pages, const char* name, const QString& tab) {
  auto* memo = new QPlainTextEdit(pages);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo->setAccessibleName(tab);
  pages->addTab(memo, tab);
  return memo;
}

void load(QPlainTextEdit* memo, const std::string& path) {
  QFile file(QString::fromStdString(path));
  memo->setPlainText(file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString());
}
}  // namespace

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form9"));
  setWindowTitle(QStringLiteral("Input and schedule data"));
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  Memo1 = add_page(PageControl1, "Memo1", QStringLiteral("Orders"));
  Memo2 = add_page(PageControl1, "Memo2", QStringLiteral("Machines"));
  Memo3 = add_page(PageControl1, "Memo3", QStringLiteral("Routes"));
  Memo4 = add_page(PageControl1, "Memo4", QStringLiteral("Sch"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  resize(700, 500);
}

void TForm9::load_dumps(const std::string& directory) {
  load(Memo1, input_dump_path(directory, INPUT_DUMP_ORDERS));
  load(Memo2, input_dump_path(directory, INPUT_DUMP_MACHINES));
  load(Memo3, input_dump_path(directory, INPUT_DUMP_ROUTES));
  load(Memo4, input_dump_path(directory, INPUT_DUMP_SCH));
}
