#pragma once
// The "Colors" window: the five chart colours picked one by one with the
// colour dialog, reset to the defaults, or taken from a named scheme of the
// file "chart_colors.cl" in the program's folder. The globals Col_Setup ..
// Col_Planned change only through "OK" and "Default"; every showing reads the
// file anew and every closing writes it (problem_io/chart_color_schemes.h).
#include <QDialog>
#include <array>

#include "problem_io/chart_color_schemes.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TForm11 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm11(QWidget* parent = nullptr);

  void FormShow();
  void FormClose();
  // "Setup" .. "Planned window": colour i (0..4) from the colour dialog.
  void ColourButtonClick(int i);
  void Button6Click();   // "OK"
  void Button7Click();   // "Cancel"
  void Button8Click();   // "Default"
  void Button9Click();   // "Save As"
  void Button10Click();  // "Delete"
  void ComboBox1Change(int index);

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void set_panels(const SCHEME_COLOURS& colours);
  void set_panel(int i, int bgr);
  void fill_combo();
  void set_combo_text(const QString& text);
  std::string scheme_file() const;

  std::array<QPushButton*, 5> colour_buttons_{};
  std::array<QLineEdit*, 5> panels_{};  // Edit1 .. Edit5
  QComboBox* ComboBox1;
  SCHEME_COLOURS panel_colours_{};
  bool ok_pressed = false;
  CHART_COLOR_SCHEMES schemes_;  // scheme_list and control_line
  bool file_refused_ = false;    // no regular file, or too large: never written over
};

extern TForm11* Form11;
