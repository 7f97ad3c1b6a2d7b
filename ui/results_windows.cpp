#include "ui/results_windows.h"

#include "ui/results_window.h"
#include "ui/schedule_performance_window.h"

void show_results_windows(ScheduleDisplay display) {
  if (Form10) {
    if (display == ScheduleDisplay::Renewed) {
      Form10->show_live_schedule();
    } else {
      // One left open before a modal session began, and disabled by it,
      // takes input again. It shows only a schedule of the loaded problem.
      Form10->setEnabled(true);
      Form10->setVisible(true);
    }
  }
  bring_results_to_front();
}

void bring_results_to_front() {
  if (Form6 == nullptr) return;
  Form6->setVisible(true);
  // None of the loaded problem's runs wrote it yet: it stays away.
  if (!Form6->isVisible()) return;
  Form6->raise();
  Form6->activateWindow();
}
