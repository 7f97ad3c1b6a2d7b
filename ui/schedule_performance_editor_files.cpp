// The editor's schedule-keeping buttons: "Save Changes" and the question on
// closing, and the schedule files ("Export ", "Inport", "Release Schedule").
// The file routines show no message; these handlers tell the planner the
// outcome, and only a success is ever reported as one.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "engine/live_schedule.h"
#include "engine/schedule_edits.h"
#include "engine/undo_list.h"
#include "problem_io/input_limits.h"
#include "problem_io/schedule_file.h"
#include "ui/message_boxes.h"
#include "ui/open_dialog.h"
#include "ui/save_file_dialog.h"
#include "ui/schedule_performance_window.h"

namespace {
std::string program_folder() { return program_dir().toStdString(); }
}  // namespace

// ---- the kept schedule ----

void TForm10::Button21Click() {
  if (!editor_has_schedule()) return;
  if (kept_SCH && schedule_fits_problem(*kept_SCH) && last_SCH->equal(*kept_SCH)) {
    show_message(QStringLiteral("There is no changes in the schedule!"), this);
    return;
  }
  kept_SCH = std::make_unique<SCH>(*last_SCH);
  show_message(QStringLiteral("The schedule has been saved succesfully!"), this);
}

void TForm10::FormClose() {
  // A kept schedule of another problem (a new one was loaded and run while
  // the window stayed open) is never put back: it would not fit the arrays.
  if (editor_has_schedule() && kept_SCH && schedule_fits_problem(*kept_SCH) && !last_SCH->equal(*kept_SCH)) {
    if (!ask_yes_no(QStringLiteral("The schedule has been changed. Would You like to save changes?"), this)) {
      *last_SCH = *kept_SCH;
      calc_obj_and_show_sch_data(2);
      show_message(QStringLiteral("Discard changes and exit!"), this);
    }
  }
  kept_SCH.reset();
  undo_list.reset();
  clear_editor_lists();
  Button36->setEnabled(false);
  Button37->setEnabled(false);
  clear_chart_series();
}

// Every way of closing passes here once: "Close" and the title bar's close
// through QDialog::closeEvent, Escape directly.
void TForm10::reject() {
  FormClose();
  QDialog::reject();
}

// ---- schedule files ----

void TForm10::Button34Click() {
  if (!last_SCH) return;
  SaveFileDialog dialog(this);
  const std::string path = choose_schedule_file(ScheduleFileKind::Schedule, dialog, program_folder());
  // A cancelled dialog wrote nothing: that too is "cannot be exported".
  const int r = path.empty() ? 0 : export_sch_file(*last_SCH, path);
  show_message(r == 1 ? QStringLiteral("Schedule has been exported into file successfully!")
                      : QStringLiteral("Schedule cannot be exported!"),
               this);
}

void TForm10::Button39Click() {
  if (!last_SCH) return;
  SaveFileDialog dialog(this);
  const std::string path = choose_schedule_file(ScheduleFileKind::Released, dialog, program_folder());
  const int r = path.empty() ? 0 : release_sch_file(*last_SCH, Machines, Orders, n_of_SetupTypes, path);
  show_message(r == 1 ? QStringLiteral("Schedule has been released successfully!")
                      : QStringLiteral("Schedule cannot be released!"),
               this);
}

void TForm10::Button35Click() {
  if (!last_SCH) return;
  TOpenDialog dialog;
  dialog.InitialDir = program_dir();
  dialog.Filter = QStringLiteral("Schedule files (*.sch)|*.sch;*.SCH");
  if (!dialog.Execute(this)) return;
  const std::string path = dialog.FileName.toStdString();
  // Only a schedule read whole and found to fit the loaded problem replaces
  // the live one, together with a new history that holds it.
  FileBytesResult read = FileBytesResult::Read;
  if (import_sch_file(*last_SCH, undo_list, undo_max, path, &read) != 1) {
    const bool named = refusal_names_reason(read);
    show_message((named ? QString::fromStdString(file_refusal_text(read, path, kMaxInputFileBytes) + "\n")
                        : QString()) +
                     QStringLiteral("Schedule cannot be inported!"),
                 this);
    return;
  }
  show_message(QStringLiteral("Schedule has been inported from file successfully!"), this);
  calc_obj_and_show_sch_data(2);
  Button36->setEnabled(false);
  Button37->setEnabled(false);
  show_message(QStringLiteral("Schedule has been refreshed on the screen successfully!"), this);
  refill_editor_lists();
}
