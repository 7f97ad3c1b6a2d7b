#include "ui/input_file_loading.h"

#include <QApplication>
#include <QFileInfo>

#include "engine/run_state.h"
#include "problem_io/input_reader.h"
#include "ui/input_checking_window.h"
#include "ui/message_boxes.h"
#include "ui/open_dialog.h"
#include "ui/scheduler_window.h"

int read_input_file(std::string& file_name) {
  if (!Form3->OpenDialog1.Execute(QApplication::activeWindow())) return 0;
  file_name = Form3->OpenDialog1.FileName.toStdString();
  return read_chosen_input_file(file_name);
}

int read_chosen_input_file(const std::string& path) {
  const QString name = QString::fromStdString(path);
  const QFileInfo info(name);
  // The checker would read a folder as an empty file and a vanished file as
  // unreadable input data: say what is really wrong instead. A pipe or a
  // device is refused by the load itself, on the descriptor it reads.
  if (!info.exists() || info.isDir() || !info.isReadable()) {
    const QString why = !info.exists() ? QStringLiteral("does not exist")
                        : info.isDir() ? QStringLiteral("is a folder, not a file")
                                       : QStringLiteral("cannot be read");
    show_message(QStringLiteral("The input file\n") + name + QStringLiteral("\n") + why +
                 QStringLiteral(".\nOpening process stopped!"));
    return -1;
  }
  return read_input_file(path, Form20->check(), *Form20);
}
