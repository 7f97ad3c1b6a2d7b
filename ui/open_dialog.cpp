#include "ui/open_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include "ui/dialog_owner.h"

QStringList TOpenDialog::name_filters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters;
}

bool TOpenDialog::Execute(QWidget* parent) {
  QFileDialog dialog(dialog_owner(parent), QStringLiteral("Open"), InitialDir);
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // The descriptions already name their patterns: the dialog shows them as
  // written instead of appending the pattern list a second time.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const QStringList filters = name_filters(Filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!FileName.isEmpty()) dialog.selectFile(FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = QDir::toNativeSeparators(dialog.selectedFiles().first());
  return true;
}

QString program_dir() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }
