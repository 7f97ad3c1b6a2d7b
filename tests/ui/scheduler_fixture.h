#pragma once
// Every window of the program with the program's own run host, run reports
// in a temporary folder, and the scheduler window's controls by name.
#include <gtest/gtest.h>

#include <QString>
#include <ctime>
#include <string>

#include "tests/support/temp_dir.h"
#include "tests/ui/modal_answerer.h"
#include "ui/app_windows.h"
#include "ui/gui_run_host.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The program's host on a clock that stands still: every run seeds its
// random draws from the same second, so a run's course never depends on the
// time the test happens to run at.
class StillClockHost : public GuiRunHost {
 public:
  std::time_t current_time() override { return 1700000000; }
};

class SchedulerWindowTest : public ::testing::Test {
 protected:
  SchedulerWindowTest();
  ~SchedulerWindowTest() override;

  QPushButton* button(const char* name) const;
  QLineEdit* edit(const char* name) const;
  QComboBox* combo(const char* name) const;
  QCheckBox* check_box(const char* name) const;
  QString label2() const;

  // A generated shop of 10 machines and 40 jobs written to the temporary folder.
  std::string small_generated_file() const;
  // The three-job sample (2 machines) written to the temporary folder.
  std::string sample_file() const;
  // "Load  Input data from file" with path typed into the open dialog.
  void load(const std::string& path);
  // Sets the method and few short steps, then clicks "Run".
  void run_method(int method);
  std::string report() const;

  TempDir dir;
  StillClockHost host;
  AppWindows windows;
  ModalAnswerer user;
};
