#pragma once
// Answers the modal windows that the code under test opens, from a repeating
// 10 ms timer that runs for the answerer's lifetime: message boxes (their
// texts kept; Yes or No to a question as scripted, OK otherwise), file dialogs
// (the scripted file, or cancel) and colour dialogs (the scripted colour, or
// cancel). A test never hangs on a box nobody answers.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTimer>

class ModalAnswerer {
 public:
  ModalAnswerer();
  ~ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

  // --- script ---
  QString file;            // file-dialog answer; empty cancels
  QString name_filter;     // filter to pick before accepting; empty keeps the dialog's
  bool yes = true;         // answer to a Yes/No box (the file dialog's replace question too)
  QColor colour;           // colour-dialog answer; invalid cancels

  // --- record ---
  QStringList messages;           // texts of the message boxes, in order
  QStringList file_dialog_filters;  // name filters the last file dialog offered
  QString file_dialog_proposed;   // the file it proposed
  QString file_dialog_filter;     // the filter it preselected
  int file_dialogs = 0;
  QColor colour_dialog_start;     // the colour the last colour dialog started with
  int colour_dialogs = 0;

 private:
  void answer();
  QTimer timer_;
};
