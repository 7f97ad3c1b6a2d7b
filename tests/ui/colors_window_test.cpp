#include "ui/colors_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "ui/chart_colors.h"
#include "tests/support/fifo.h"
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

TEST_F(ColorsWindow, PanelsShowTheChosenSchemeAndOnlyOkTurnsThemIntoTheColours) {
  write_file(default_line + "\n->0\n");
  Col_Late = 0x123456;
  TForm11 fresh;  // the panels start with the globals
  EXPECT_EQ(bgr_of(fresh.findChild<QLineEdit*>("Edit3")->palette().color(QPalette::Base)), 0x123456);

  show();
  EXPECT_EQ(combo()->currentText(), "default");
  EXPECT_EQ(panel(1), 33023);
  EXPECT_EQ(panel(5), 16777215);
  answerer.colour = QColor(10, 20, 30);
  click("Button3");
  EXPECT_EQ(answerer.colour_dialog_start, QColor(255, 0, 0));  // the panel's colour
  EXPECT_EQ(panel(3), 0x1E140A);
  EXPECT_EQ(combo()->currentText(), "");
  EXPECT_EQ(Col_Late, 0x123456);  // not before OK
  click("Button6");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(Col_Late, 0x1E140A);
  EXPECT_EQ(Col_Setup, 33023);
  EXPECT_EQ(file_text(), default_line + "\n-:Actual|33023|65280|1971210|8421504|16777215|\n");
  EXPECT_TRUE(answerer.messages.isEmpty());
}

TEST_F(ColorsWindow, CancelTakesThePanelsBackButDefaultHasAlreadySetTheColours) {
  write_file("a|1|2|3|4|5|\n->0\n");
  Col_Setup = 7;
  show();
  click("Button1");  // the dialog is cancelled
  EXPECT_EQ(panel(1), 1);
  EXPECT_EQ(combo()->currentText(), "a");
  click("Button8");
  EXPECT_EQ(Col_Setup, 33023);
  EXPECT_EQ(panel(1), 33023);
  EXPECT_EQ(combo()->currentText(), "default");
  EXPECT_EQ(combo()->currentIndex(), -1);  // no scheme of that name
  answerer.colour = QColor(0, 0, 200);
  click("Button2");
  EXPECT_EQ(panel(2), 0xC80000);
  click("Button7");
  EXPECT_EQ(Col_Setup, 33023);
  EXPECT_EQ(panel(2), 0x00FF00);  // the panels take the globals back
  EXPECT_EQ(file_text(), "a|1|2|3|4|5|\n->0\n");  // the old control line
}

TEST_F(ColorsWindow, SaveAsAndDeleteKeepTheComboSortedAndRefuseWhatCannotBeStored) {
  write_file("c|3|3|3|3|3|\n" + default_line + "\n-:Actual|9|9|9|9|9|\n");
  show();
  EXPECT_EQ(items(), QStringList({"c", "default"}));
  EXPECT_EQ(combo()->currentText(), "Actual scheme");
  EXPECT_EQ(panel(4), 9);
  combo()->setCurrentIndex(1);
  click("Button10");
  for (const char* name : {"", "C", "x|y"}) {
    combo()->setEditText(name);
    click("Button9");
  }
  EXPECT_EQ(answerer.messages.mid(0, 3),
            QStringList({"Default scheme cannot be deleted!", "Scheme name missing!", "Scheme name duplicated!"}));
  EXPECT_EQ(answerer.messages.size(), 4);
  combo()->lineEdit()->selectAll();
  QTest::keyClicks(combo()->lineEdit(), "b");
  click("Button9");
  EXPECT_EQ(items(), QStringList({"b", "c", "default"}));

  combo()->setCurrentIndex(1);
  combo()->setEditText("typed over");
  click("Button10");
  EXPECT_EQ(items(), QStringList({"b", "c", "default"}));  // the name shown is no scheme
  combo()->setCurrentIndex(1);
  click("Button10");
  EXPECT_EQ(items(), QStringList({"b", "default"}));
  EXPECT_EQ(combo()->currentText(), "");
  combo()->setCurrentIndex(0);
  click("Button6");
  EXPECT_EQ(file_text(), "b|9|9|9|9|9|\n" + default_line + "\n->0\n");
}

TEST_F(ColorsWindow, ChoosingASchemeShowsItsColoursAndAMissingFileKeepsTheSchemesShownLast) {
  write_file("a|1|1|1|1|1|\nb|2|2|2|2|\nc|3|3|3|3|3|\n->1\n");
  show();
  EXPECT_EQ(answerer.messages, QStringList{"Error in selected color scheme: number of parameters!"});
  combo()->setCurrentIndex(-1);
  choose_next_scheme();  // "a"
  EXPECT_EQ(panel(2), 1);
  choose_next_scheme();  // "b": four values
  EXPECT_EQ(answerer.messages.size(), 2);
  EXPECT_EQ(panel(2), 1);
  click("Button7");

  fs::remove(chart_colors_path());
  show();
  EXPECT_EQ(answerer.messages.size(), 2);
  EXPECT_EQ(items(), QStringList({"a", "b", "c"}));
  combo()->setCurrentIndex(1);
  choose_next_scheme();
  EXPECT_EQ(panel(5), 3);
  click("Button6");
  EXPECT_EQ(file_text(), "a|1|1|1|1|1|\nb|2|2|2|2|\nc|3|3|3|3|3|\n->2\n");
}

// A pipe in place of the scheme file: named once the window stands, neither
// read (nor waited on) nor written over when the window closes.
TEST_F(ColorsWindow, APipeInPlaceOfTheSchemeFileIsNamedAndLeftAlone) {
  const Fifo fifo(chart_colors_path());
  ASSERT_TRUE(fifo.made());
  show();
  EXPECT_EQ(answerer.messages,
            QStringList{QString::fromStdString("The file\n" + chart_colors_path() +
                                               "\nis not a regular file (a folder, a pipe or a device).")});
  click("Button6");
  EXPECT_TRUE(fs::is_fifo(chart_colors_path()));
}
