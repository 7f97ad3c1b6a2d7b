#include "tests/ui/modal_answerer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

ModalAnswerer::ModalAnswerer() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
  timer_.start();
}

ModalAnswerer::~ModalAnswerer() { timer_.stop(); }

void ModalAnswerer::answer() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages << box->text();
    QAbstractButton* button = box->button(QMessageBox::Ok);
    if (box->button(QMessageBox::Yes)) button = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
    if (!button) button = box->buttons().value(0);
    if (button) button->click();
  } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
    ++file_dialogs;
    file_dialog_filters = dialog->nameFilters();
    file_dialog_proposed = dialog->selectedFiles().value(0);
    file_dialog_filter = dialog->selectedNameFilter();
    if (file.isEmpty()) {
      dialog->reject();
      return;
    }
    if (!name_filter.isEmpty()) dialog->selectNameFilter(name_filter);
    // Typed into "File name:" as a planner does: a path into a folder that
    // does not exist stays as typed (selectFile would drop it). A proposed
    // file that exists is selected in the views, and a selection would win
    // over the typed name: it is cleared first, as typing does.
    for (auto* view : dialog->findChildren<QAbstractItemView*>()) view->clearSelection();
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(file);
    else dialog->selectFile(file);
    // accept() is protected: the slot is reached the way the OK button does,
    // queued, so that a box it opens (the replace question) finds this timer
    // free to answer it.
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  } else if (auto* colour_dialog = qobject_cast<QColorDialog*>(modal)) {
    ++colour_dialogs;
    colour_dialog_start = colour_dialog->currentColor();
    if (!colour.isValid()) {
      colour_dialog->reject();
      return;
    }
    colour_dialog->setCurrentColor(colour);
    QMetaObject::invokeMethod(colour_dialog, "accept", Qt::QueuedConnection);
  }
}
