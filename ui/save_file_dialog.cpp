#include "ui/save_file_dialog.h"

#include <QFileDialog>

#include "ui/dialog_owner.h"

QStringList save_dialog_name_filters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString mask = i + 1 < parts.size() ? parts[i + 1].trimmed() : QStringLiteral("*");
    if (description.isEmpty() && mask.isEmpty()) continue;
    filters << (description.contains(QLatin1Char('(')) ? description
                                                         : description + QStringLiteral(" (") + mask + QLatin1Char(')'));
  }
  if (filters.isEmpty()) filters << QStringLiteral("All files (*)");
  return filters;
}

bool SaveFileDialog::Execute() {
  QFileDialog dialog(dialog_owner(parent_));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = save_dialog_name_filters(Filter);
  dialog.setNameFilters(filters);
  if (FilterIndex >= 1 && FilterIndex <= filters.size()) dialog.selectNameFilter(filters[FilterIndex - 1]);
  if (!InitialDir.empty()) dialog.setDirectory(QString::fromStdString(InitialDir));
  if (!FileName.empty()) dialog.selectFile(QString::fromStdString(FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = dialog.selectedFiles().first().toStdString();
  const int chosen = filters.indexOf(dialog.selectedNameFilter());
  if (chosen >= 0) FilterIndex = chosen + 1;
  return true;
}
