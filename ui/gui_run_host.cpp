#include "ui/gui_run_host.h"

#include <QCoreApplication>

#include "ui/message_boxes.h"

void GuiRunHost::process_events() { QCoreApplication::processEvents(); }

void GuiRunHost::show_message(const std::string& text) { ::show_message(QString::fromStdString(text)); }

bool GuiRunHost::ask_yes_no(const std::string& text) { return ::ask_yes_no(QString::fromStdString(text)); }
