#include "ui/generator_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "problem_io/problem_generator.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/modal_answerer.h"

namespace fs = std::filesystem;

namespace {
class GeneratorWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  QLineEdit* edit(const char* name) { return form.findChild<QLineEdit*>(name); }
  QTabWidget* tabs() { return form.findChild<QTabWidget*>("PageControl1"); }
  // Puts the focus into the edit (its tab in front) and types text into it
  // from empty, keystroke by keystroke.
  void type_into(const char* name, const QString& text) {
    QLineEdit* e = edit(name);
    tabs()->setCurrentWidget(e->parentWidget());
    settle();
    e->setFocus(Qt::MouseFocusReason);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
  }
  // Leaves the focused field the way a planner does, with Tab, and lets the
  // focus move back if the field sends it back.
  void press_tab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
  }
  static void settle() { QTest::qWait(30); }
  void generate(const char* method = "Basic Method") {
    form.findChild<QComboBox*>("ComboBox1")->setCurrentText(method);
    tabs()->setCurrentIndex(0);
    form.findChild<QPushButton*>("Button3")->click();
  }

  TForm16 form;
  RecordingHost host;  // its clock seeds every generation
  TempDir dir;
  ModalAnswerer answerer;  // cancels file dialogs unless told a file
};

std::string generated_directly(GENERATION_METHOD method, const GENERATOR_VALUES& values, std::uint32_t seed,
                               const TempDir& dir) {
  const std::string path = dir.file("direct.out");
  EXPECT_EQ(generate_problem_file(method, values, seed, path), 1);
  std::string text = read_file(path);
  fs::remove(path);
  return text;
}
}  // namespace

TEST_F(GeneratorWindow, FieldsSharingALabelCarryDistinctAccessibleNames) {
  QSet<QString> names;
  for (const GENERATOR_PARAMETER& p : generator_parameters) names.insert(edit(p.edit)->accessibleName());
  EXPECT_EQ(names.size(), n_of_generator_parameters);  // six "Max. deviation:" labels among them
  EXPECT_EQ(edit("Edit11")->accessibleName(), "Max. deviation: (Average setup time)");
}

TEST_F(GeneratorWindow, TypingIsCheckedAtEveryKeystrokeAndLeavingOutOfRangeResetsTheField) {
  type_into("Edit1", "10");
  QTest::keyClick(edit("Edit1"), Qt::Key_1);  // 101: beyond 1..100 at the third keystroke
  EXPECT_EQ(edit("Edit1")->text(), "");

  // Leaving a field out of its range shows the message, resets the field and
  // takes the focus back. Typing accepts 5000 in Edit16, leaving does not; its
  // reset text differs from the initial one. Values inside the range stay unsaid.
  const struct {
    const char* edit;
    const char* typed;
    const char* left;
    bool refused;
  } cases[] = {{"Edit1", "", "4", true},
               {"Edit16", "5000", "6", true},
               {"Edit19", "1x", "20", true},
               {"Edit23", "20000", "20000", false},
               {"Edit11", "100", "100", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.edit);
    answerer.messages.clear();
    type_into(c.edit, c.typed);
    press_tab();
    EXPECT_EQ(edit(c.edit)->text(), c.left);
    EXPECT_EQ(answerer.messages.size(), c.refused ? 1 : 0);
    EXPECT_EQ(QApplication::focusWidget() == edit(c.edit), c.refused);
  }
  EXPECT_EQ(answerer.messages.size(), 0);
  type_into("Edit1", "");
  press_tab();
  EXPECT_EQ(answerer.messages,
            QStringList{" The value of the Num. of setup types field is out of the range! It must be in [1 - 100]."});

  // Another tab chosen leaves the field too, and its tab comes back.
  type_into("Edit22", "");
  tabs()->setCurrentIndex(0);
  settle();
  EXPECT_EQ(answerer.messages.size(), 2);
  EXPECT_EQ(edit("Edit22")->text(), "10");
  EXPECT_EQ(tabs()->tabText(tabs()->currentIndex()), "Order");
  EXPECT_EQ(QApplication::focusWidget(), edit("Edit22"));
}

TEST_F(GeneratorWindow, EachMethodWritesWhatTheGeneratorDrawsFromTheSameClockUnderItsFileName) {
  type_into("Edit2", "3");   // machines per group
  type_into("Edit14", "5");  // orders per execution type
  type_into("Edit22", "1");  // every machine permitted
  press_tab();
  host.clock = 4242;
  answerer.file = QString::fromStdString(dir.file("shop.txt"));
  answerer.name_filter = "Scheduling input file (*.sif)";
  generate();
  EXPECT_EQ(answerer.file_dialog_filters, QStringList({"Scheduling input file (*.sif)", "Text file (*.txt)"}));
  EXPECT_TRUE(answerer.file_dialog_proposed.endsWith("/input_data.txt"));
  EXPECT_EQ(answerer.messages, QStringList{"New data has been generated."});
  ASSERT_TRUE(fs::exists(dir.file("shop.sif")));  // the chosen filter's extension
  EXPECT_FALSE(fs::exists(dir.file("shop.txt")));
  GENERATOR_VALUES values = default_generator_values();
  values.Mv = 3, values.Ov = 5, values.R = 1;
  EXPECT_EQ(read_file(dir.file("shop.sif")), generated_directly(GENERATION_METHOD::Basic, values, 4242, dir));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // the busy cursor is gone

  // One machine: the name exactly as chosen.
  host.clock = 99;
  answerer.file = QString::fromStdString(dir.file("one.dat"));
  generate("Spec: one machine");
  EXPECT_EQ(answerer.file_dialog_filters, QStringList{"txt (*)"});
  EXPECT_EQ(read_file(dir.file("one.dat")), generated_directly(GENERATION_METHOD::OneMachine, values, 99, dir));
}

TEST_F(GeneratorWindow, ACancelledDialogAnUnwritableFileOrAnEmptyFieldWriteNothing) {
  answerer.file = QString::fromStdString(dir.file("first"));
  answerer.name_filter = "Text file (*.txt)";
  generate();
  ASSERT_TRUE(fs::exists(dir.file("first.txt")));  // a name without extension gets the filter's
  fs::remove(dir.file("first.txt"));
  answerer.file.clear();
  answerer.messages.clear();
  generate();
  EXPECT_EQ(answerer.file_dialog_filter, "Text file (*.txt)");  // as the planner last chose it
  EXPECT_TRUE(answerer.messages.isEmpty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  // The message names the file the filter made of the chosen name.
  answerer.file = QString::fromStdString(dir.file("missing/shop.sif"));
  generate();
  ASSERT_EQ(answerer.messages.size(), 1);
  EXPECT_TRUE(answerer.messages[0].startsWith("The file cannot be written:")) << answerer.messages[0].toStdString();
  EXPECT_TRUE(answerer.messages[0].contains("missing/shop.txt"));

  answerer.messages.clear();
  edit("Edit4")->setText("");  // emptied by its change check while typing, never left
  generate();
  EXPECT_EQ(answerer.file_dialogs, 3);
  ASSERT_EQ(answerer.messages.size(), 1);
  EXPECT_TRUE(answerer.messages[0].contains("is not a valid integer value"));
  EXPECT_TRUE(fs::is_empty(dir.path()));
}
