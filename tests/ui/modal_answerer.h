#pragma once
// A planner played from a repeating 10 ms timer that runs for the answerer's
// lifetime: it answers the modal windows that the code under test opens
// (message boxes: their texts kept, Yes or No to a question as scripted, OK
// otherwise; file dialogs: the scripted file typed into "File name:", or
// cancel; colour dialogs: the scripted colour, or cancel), and it acts in
// windows that are not Qt-modal (a modal session's windows) when they show
// or on every tick. A test never hangs on a box nobody answers.
#include <gtest/gtest.h>

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class ModalAnswerer {
 public:
  ModalAnswerer();
  ~ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

  // --- script ---
  QString file;              // file-dialog answer; empty cancels
  QString name_filter;       // filter to pick before accepting; empty keeps the dialog's
  std::deque<bool> answers;  // answers to Yes/No boxes in order (the file dialog's replace question too) ...
  bool yes = true;           // ... and the answer once they are used up
  QColor colour;             // colour-dialog answer; invalid cancels
  // Called once each time window becomes visible (e.g. the checking window).
  void on_shown(QWidget* window, std::function<void()> action);
  // Called on every tick while no Qt-modal window is open.
  std::function<void()> on_tick;

  // --- record ---
  QStringList messages;             // texts of the message boxes, in order
  QStringList boxes;                // the same as caption "|" text
  QStringList questions;            // texts of the Yes/No boxes alone
  QStringList file_dialog_filters;  // name filters the last file dialog offered
  QString file_dialog_folder;       // the folder it opened in
  QString file_dialog_proposed;     // the file it proposed
  QString file_dialog_filter;       // the filter it preselected
  int file_dialogs = 0;
  QColor colour_dialog_start;  // the colour the last colour dialog started with
  int colour_dialogs = 0;

 private:
  void answer();
  bool answer_modal(QWidget* modal);
  // Runs action from its own zero-time timer, so that whatever it opens in
  // turn is answered by the next tick.
  void defer(std::function<void()> action);
  QTimer timer_;
  bool pending_ = false;
  QWidget* watched_ = nullptr;
  bool watched_seen_ = false;
  std::function<void()> watched_action_;
};

// Bounds a call that waits in a nested event loop (a modal session, a modal
// box, exec()) for the steps the test plays as the planner. When the call is
// still waiting `seconds` after the limit was made, the test fails, and from
// then on every tick puts away whatever waits: the script is dropped, every
// question is answered Yes, a running search is asked to stop, dialogs are
// closed and visible windows hidden, so that the call returns and the test
// ends by its assertions within seconds, never by ctest's time limit.
class WaitLimit {
 public:
  explicit WaitLimit(ModalAnswerer& user, int seconds = 10);
  ~WaitLimit();
  WaitLimit(const WaitLimit&) = delete;
  WaitLimit& operator=(const WaitLimit&) = delete;
  bool expired() const { return expired_; }

 private:
  void give_up();
  void put_away();
  ModalAnswerer& user_;
  int seconds_;
  QTimer deadline_;
  QTimer unwind_;
  bool expired_ = false;
};

// Drives a text into a line edit as typing does: focus, select all, type.
void type_into(QWidget* edit, const QString& text);

// The control of window with the given object name; a missing one fails the test.
template <class T>
T* named_child(const QWidget* window, const QString& name) {
  T* c = window->findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name.toStdString();
  return c;
}
