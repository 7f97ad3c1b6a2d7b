// The editor half of the schedule performance window: the lower panel's
// schedule edits, the undo history and the schedule-file buttons.
#include <QFrame>

#include "ui/schedule_performance_window.h"

void TForm10::build_editor(QFrame* /*panel*/) {}

void TForm10::editor_form_show() {}

void TForm10::set_focus_on_order(int /*o*/) {}

void TForm10::set_focus_on_machine(int /*m*/) {}

void TForm10::set_focus_on_job(int /*j*/) {}
