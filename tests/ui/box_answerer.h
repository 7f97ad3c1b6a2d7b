#pragma once
// Answers the message boxes a window opens while a test drives it: every
// 10 ms a modal QMessageBox, if any, is read and answered (Yes or No to a
// question, OK to a message), so that no test hangs on a box.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>

class BoxAnswerer {
 public:
  BoxAnswerer() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
  }
  // Answers to Yes/No questions, in order; a question beyond them gets No.
  std::deque<bool> yes_no;
  QStringList texts;      // every box's text, in order
  QStringList captions;   // every box's caption

  QString last() const { return texts.isEmpty() ? QString() : texts.back(); }
  void clear() {
    texts.clear();
    captions.clear();
  }

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    texts << box->text();
    captions << box->windowTitle();
    if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
      const bool y = !yes_no.empty() && yes_no.front();
      if (!yes_no.empty()) yes_no.pop_front();
      (y ? yes : box->button(QMessageBox::No))->click();
    } else if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->reject();
    }
  }
  QTimer timer_;
};
