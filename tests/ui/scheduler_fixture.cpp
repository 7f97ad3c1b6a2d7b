#include "tests/ui/scheduler_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/run_host.h"
#include "problem_io/input_reader.h"
#include "problem_io/problem_generator.h"
#include "solvers/run_report.h"
#include "tests/support/generated_problem.h"
#include "tests/support/input_text.h"
#include "ui/input_checking_window.h"
#include "ui/scheduler_window.h"

SchedulerWindowTest::SchedulerWindowTest() {
  set_run_host(&host);
  set_run_report_folder(dir.path());
  user.yes = false;  // a question beyond the script is answered No
  // A checking window nobody expected is closed, so that no test hangs on it.
  user.on_shown(Form20, [] { Form20->findChild<QPushButton*>(QStringLiteral("Button1"))->click(); });
}

SchedulerWindowTest::~SchedulerWindowTest() {
  set_run_report_folder("");
  set_run_host(nullptr);
  free_input_data();
}

QPushButton* SchedulerWindowTest::button(const char* name) const { return named_child<QPushButton>(Form3, name); }
QLineEdit* SchedulerWindowTest::edit(const char* name) const { return named_child<QLineEdit>(Form3, name); }
QComboBox* SchedulerWindowTest::combo(const char* name) const { return named_child<QComboBox>(Form3, name); }
QCheckBox* SchedulerWindowTest::check_box(const char* name) const { return named_child<QCheckBox>(Form3, name); }

QString SchedulerWindowTest::label2() const { return Form3->findChild<QLabel*>(QStringLiteral("Label2"))->text(); }

std::string SchedulerWindowTest::small_generated_file() const {
  const std::string path = dir.file("small.sif");
  EXPECT_EQ(generate_problem_file(GENERATION_METHOD::Basic, generator_values_for(GeneratedSize::Small), 7, path), 1);
  return path;
}

std::string SchedulerWindowTest::sample_file() const {
  return dir.write("sample.txt", join_lines(sample_input_lines()));
}

void SchedulerWindowTest::load(const std::string& path) {
  user.file = QString::fromStdString(path);
  button("Button3")->click();
}

void SchedulerWindowTest::run_method(int method) {
  combo("ComboBox2")->setCurrentIndex(method);
  edit("Edit1")->setText(QStringLiteral("4"));
  edit("Edit2")->setText(QStringLiteral("5"));
  edit("Edit5")->setText(QStringLiteral("3"));
  edit("Edit6")->setText(QStringLiteral("2"));
  button("Button4")->click();
}

std::string SchedulerWindowTest::report() const { return read_file(run_report_path()); }
