// The scheduler's load through the real checking window while the file on
// disk changes behind it: what loads is what the window showed and checked.
#include "ui/input_file_loading.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/problem.h"
#include "engine/problem_invariants.h"
#include "tests/support/fifo.h"
#include "tests/support/input_text.h"
#include "tests/ui/scheduler_fixture.h"
#include "ui/input_checking_window.h"

namespace {
const std::string kWarned = sample_with_line(14, "200|0|10|10|4|7|0|3|1");  // CST = CET, four jobs
const std::string kFiveJobs = sample_with_line(14, "200|0|500|10|5|7|0|3|1");
// Machine 0 permitted for steps 0-1 and for steps 2-3: two machine groups.
const std::string kTwoGroups = sample_with_line(17, "220|0|2|3|0");

QPlainTextEdit* memo() { return Form20->findChild<QPlainTextEdit*>("Memo1"); }
void click(const char* name) { Form20->findChild<QPushButton*>(name)->click(); }
}  // namespace

// The file is replaced while the window stands open (an editor saving it, a
// sync tool): "Close" loads the text the memo showed; after "Save and Check"
// the text saved loads, though the file changed again after it.
TEST_F(SchedulerWindowTest, TheCheckingWindowLoadsWhatItShowedWhateverTheFileBecame) {
  const std::string path = dir.write("p.txt", kWarned);
  QString shown;
  user.on_shown(Form20, [&] {
    shown = memo()->toPlainText();
    dir.write("p.txt", kTwoGroups);
    click("Button1");
  });
  ASSERT_EQ(read_chosen_input_file(path), 1);
  EXPECT_EQ(shown.toStdString(), kWarned);
  EXPECT_EQ((std::vector<int>{n_of_Jobs, Orders[1].CET}), (std::vector<int>{4, 10}));
  EXPECT_EQ(problem_invariant_fault(), "");

  dir.write("p.txt", kWarned);
  user.on_shown(Form20, [&] {
    memo()->setPlainText(QString::fromStdString(kFiveJobs));
    click("Button2");
    shown = memo()->toPlainText();
    dir.write("p.txt", kTwoGroups);
    click("Button1");
  });
  ASSERT_EQ(read_chosen_input_file(path), 1);
  EXPECT_EQ(shown.toStdString(), kFiveJobs);
  EXPECT_EQ(n_of_Jobs, 5);
  EXPECT_EQ(problem_invariant_fault(), "");
  EXPECT_TRUE(user.boxes.isEmpty());
}

// A pipe chosen as the input file: refused by name at once, without the
// checking window; the problem loaded before stays.
TEST_F(SchedulerWindowTest, APipeChosenAsInputFileIsRefusedByName) {
  load(sample_file());
  const Fifo fifo(dir.file("pipe.txt"));
  ASSERT_TRUE(fifo.made());
  EXPECT_EQ(read_chosen_input_file(fifo.path()), -1);
  EXPECT_EQ(user.messages, QStringList{QString::fromStdString(
                               "The file\n" + fifo.path() +
                               "\nis not a regular file (a folder, a pipe or a device).\nOpening process stopped!")});
  EXPECT_FALSE(Form20->isVisible());
  EXPECT_EQ(n_of_Jobs, 3);
}
