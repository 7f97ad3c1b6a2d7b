#pragma once
// A planner played from a repeating 10 ms timer for window tests: it reads and
// answers the message boxes, the Yes/No questions and the open dialog that the
// code under test opens, and acts in windows of a modal session (which are not
// Qt-modal). Each action runs from its own zero-time timer, so that whatever it
// opens in turn is answered by the next tick.
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>

class QFileDialog;
class QWidget;

class ScriptedUser {
 public:
  ScriptedUser();
  ~ScriptedUser();

  // Every one-button box and question seen: caption "|" text.
  QStringList boxes;
  // Answers to "Question" boxes in order; No once they are used up.
  std::deque<bool> answers;
  // The path typed into the open dialog's "File name:" field; empty: cancel.
  QString file_to_open;
  int file_dialogs = 0;
  // The last open dialog's name filters and folder.
  QStringList dialog_filters;
  QString dialog_folder;
  // Called once each time window becomes visible (e.g. the checking window).
  void on_shown(QWidget* window, std::function<void()> action);
  // Called on every tick while no Qt-modal box is open.
  std::function<void()> on_tick;

 private:
  void tick();
  void defer(std::function<void()> action);
  QTimer timer_;
  bool pending_ = false;
  QWidget* watched_ = nullptr;
  bool watched_seen_ = false;
  std::function<void()> watched_action_;
};

// Drives a text into a line edit as typing does: focus, select all, type.
void type_into(QWidget* edit, const QString& text);
