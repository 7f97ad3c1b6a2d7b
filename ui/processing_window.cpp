#include "ui/processing_window.h"

#include <QLabel>
#include <QVBoxLayout>

TForm12* Form12 = nullptr;

TForm12::TForm12(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form12"));
  setWindowTitle(QStringLiteral("Processing"));
  // A bordered box without the close, minimise and maximise buttons: it goes
  // away by itself when the charts are filled.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* label = new QLabel(QStringLiteral("Gantt data loading ..."));
  label->setObjectName(QStringLiteral("Label1"));
  label->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 16, 24, 16);
  layout->addWidget(label);
}
