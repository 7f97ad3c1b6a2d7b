#include "ui/colors_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "ui/chart_colors.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/modal_answerer.h"

namespace fs = std::filesystem;

namespace {
const std::string default_line = "default|33023|65280|255|8421504|16777215|";

class ColorsWindow : public ::testing::Test {
 protected:
  ColorsWindow() { set_chart_colors_folder(dir.path()); }
  ~ColorsWindow() override { set_chart_colors_folder(""); }  // the colours go back with the start-up reset
  void write_file(const std::string& text) { dir.write(chart_colors_file_name, text); }
  std::string file_text() { return read_file(chart_colors_path()); }
  void show() {
    form.show();
    QTest::qWait(20);  // a message about the file comes once the window stands
  }
  void click(const char* button) { form.findChild<QPushButton*>(button)->click(); }
  QComboBox* combo() { return form.findChild<QComboBox*>("ComboBox1"); }
  QStringList items() {
    QStringList out;
    for (int i = 0; i < combo()->count(); ++i) out << combo()->itemText(i);
    return out;
  }
  // The colour panel i (1..5) shows, as 0x00BBGGRR.
  int panel(int i) {
    return bgr_of(form.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i))->palette().color(QPalette::Base));
  }
  // Chooses the scheme below the current one with the keyboard.
  void choose_next_scheme() {
    combo()->setFocus();
    QTest::keyClick(combo(), Qt::Key_Down);
  }

  TempDir dir;
  ModalAnswerer answerer;  // cancels colour dialogs unless told a colour
  TForm11 form;
};
}  // namespace

TEST_F(ColorsWindow, ChosenDefaultSchemeIsShownAndOkWritesTheFileBackUnchanged) {
  write_file(default_line + "\n->0\n");
  Col_Late = 0x123456;
  TForm11 fresh;  // the panels start with the globals
  EXPECT_EQ(bgr_of(fresh.findChild<QLineEdit*>("Edit3")->palette().color(QPalette::Base)), 0x123456);

  show();
  EXPECT_EQ(combo()->currentText(), "default");
  EXPECT_EQ(combo()->currentIndex(), 0);
  EXPECT_EQ(panel(1), 33023);
  EXPECT_EQ(panel(3), 255);
  EXPECT_EQ(panel(5), 16777215);
  EXPECT_EQ(Col_Late, 0x123456);  // reading changes the panels only
  click("Button6");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(Col_Late, 255);
  EXPECT_EQ(file_text(), default_line + "\n->0\n");
  EXPECT_TRUE(answerer.messages.isEmpty());
}

TEST_F(ColorsWindow, NewLateColourFromTheDialogIsWrittenAsTheActualScheme) {
  write_file(default_line + "\n->0\n");
  show();
  answerer.colour = QColor(10, 20, 30);
  click("Button3");
  EXPECT_EQ(answerer.colour_dialogs, 1);
  EXPECT_EQ(answerer.colour_dialog_start, QColor(255, 0, 0));  // the panel's colour
  EXPECT_EQ(panel(3), 0x1E140A);
  EXPECT_EQ(combo()->currentText(), "");
  EXPECT_EQ(Col_Late, 255);  // not before OK
  click("Button6");
  EXPECT_EQ(Col_Late, 0x1E140A);
  EXPECT_EQ(file_text(), default_line + "\n-:Actual|33023|65280|1971210|8421504|16777215|\n");
}

TEST_F(ColorsWindow, CancelledColourDialogAndCancelKeepEverything) {
  write_file("a|1|2|3|4|5|\n->0\n");
  show();
  click("Button1");  // the dialog is cancelled
  EXPECT_EQ(panel(1), 1);
  EXPECT_EQ(combo()->currentText(), "a");
  answerer.colour = QColor(0, 0, 200);
  click("Button2");
  EXPECT_EQ(panel(2), 0xC80000);
  click("Button7");
  EXPECT_EQ(Col_Intime, 0x00FF00);
  EXPECT_EQ(panel(2), 0x00FF00);  // the panels take the globals back
  EXPECT_EQ(file_text(), "a|1|2|3|4|5|\n->0\n");
}

TEST_F(ColorsWindow, DefaultStaysInTheGlobalsThroughCancelAndTheOldControlLineIsWritten) {
  write_file("a|1|2|3|4|5|\n->0\n");
  Col_Setup = 7;
  show();
  click("Button8");
  EXPECT_EQ(Col_Setup, 33023);
  EXPECT_EQ(panel(1), 33023);
  EXPECT_EQ(combo()->currentText(), "default");
  EXPECT_EQ(combo()->currentIndex(), -1);  // no scheme of that name
  click("Button7");
  EXPECT_EQ(Col_Setup, 33023);
  EXPECT_EQ(file_text(), "a|1|2|3|4|5|\n->0\n");
}

TEST_F(ColorsWindow, SaveAsPutsTheNewSchemeInItsSortedPlaceInTheComboAndTheFile) {
  write_file("c|3|3|3|3|3|\na|1|1|1|1|1|\n-:Actual|9|9|9|9|9|\n");
  show();
  EXPECT_EQ(items(), QStringList({"a", "c"}));
  EXPECT_EQ(combo()->currentText(), "Actual scheme");
  EXPECT_EQ(panel(4), 9);
  combo()->lineEdit()->selectAll();
  QTest::keyClicks(combo()->lineEdit(), "b");
  click("Button9");
  EXPECT_EQ(items(), QStringList({"a", "b", "c"}));
  click("Button6");
  EXPECT_EQ(file_text(), "a|1|1|1|1|1|\nb|9|9|9|9|9|\nc|3|3|3|3|3|\n->1\n");
}

TEST_F(ColorsWindow, SchemeNamesThatCannotBeSavedOrDeletedAreRefusedWithTheirMessage) {
  write_file(default_line + "\na|1|1|1|1|1|\n->1\n");
  show();
  EXPECT_EQ(combo()->currentText(), "default");
  click("Button10");
  combo()->setEditText("");
  click("Button9");
  combo()->setEditText("A");
  click("Button9");
  combo()->setEditText("x|y");
  click("Button9");
  EXPECT_EQ(answerer.messages.mid(0, 3),
            QStringList({"Default scheme cannot be deleted!", "Scheme name missing!", "Scheme name duplicated!"}));
  EXPECT_EQ(answerer.messages.size(), 4);
  EXPECT_EQ(items(), QStringList({"a", "default"}));

  combo()->setCurrentIndex(0);
  combo()->setEditText("typed over");
  click("Button10");
  EXPECT_EQ(items(), QStringList({"a", "default"}));  // the name shown is no scheme
  combo()->setCurrentIndex(0);
  click("Button10");
  EXPECT_EQ(items(), QStringList{"default"});
  EXPECT_EQ(combo()->currentText(), "");
  click("Button7");
  EXPECT_EQ(file_text(), default_line + "\n->0\n");  // the chosen scheme keeps its index
}

TEST_F(ColorsWindow, ChoosingASchemeShowsItsColoursAndAFaultyOneTheParameterMessage) {
  write_file("a|1|1|1|1|1|\nb|2|2|2|2|\nc|3|3|3|3|3|\n->2\n");
  show();
  EXPECT_EQ(panel(1), 3);
  combo()->setCurrentIndex(0);
  choose_next_scheme();  // "b": four values
  EXPECT_EQ(answerer.messages, QStringList{"Error in selected color scheme: number of parameters!"});
  EXPECT_EQ(panel(1), 3);
  combo()->setCurrentIndex(-1);
  choose_next_scheme();  // "a"
  EXPECT_EQ(panel(2), 1);
  EXPECT_EQ(answerer.messages.size(), 1);

  write_file("b|2|2|2|2|\n->0\n");
  form.hide();
  show();
  EXPECT_EQ(answerer.messages.size(), 2);  // the chosen scheme of the file is faulty too
}

TEST_F(ColorsWindow, MissingFileKeepsTheSchemesOfTheLastShowingAndWritesThemBack) {
  write_file("a|1|1|1|1|1|\nb|2|2|2|2|2|\n->0\n");
  show();
  click("Button7");
  fs::remove(chart_colors_path());
  show();
  EXPECT_TRUE(answerer.messages.isEmpty());
  EXPECT_EQ(items(), QStringList({"a", "b"}));
  combo()->setCurrentIndex(0);
  choose_next_scheme();
  EXPECT_EQ(panel(5), 2);
  click("Button6");
  EXPECT_EQ(file_text(), "a|1|1|1|1|1|\nb|2|2|2|2|2|\n->1\n");

  // A folder that does not exist: nothing read, nothing written, nothing said.
  set_chart_colors_folder(dir.file("none"));
  show();
  click("Button6");
  EXPECT_TRUE(answerer.messages.isEmpty());
  EXPECT_FALSE(fs::exists(dir.file("none")));
}
