#pragma once
// Shared pieces of the window tests: a temporary data folder and settings file, and a stand-in
// for the person who answers message boxes.
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <vector>

#include "ui/common/message_box.h"

namespace absence::ui::test {

// Points the program at a fresh data folder and settings file for the lifetime of the object,
// with a fixed screen resolution and printer list.
class TTempEnvironment {
 public:
  TTempEnvironment();
  ~TTempEnvironment();
  QString DataFolder() const;
  QString IniPath() const;
  QString DataFile(const char* name) const;
  void WriteIni(const QString& text) const;
  QString ReadIni() const;

 private:
  QTemporaryDir dir_;
};

// Records every message box and answers from a queue (the first button when it is empty).
class TMessageBoxSpy {
 public:
  TMessageBoxSpy();
  ~TMessageBoxSpy();
  void Answer(TMsgButton button) { answers_.push_back(button); }
  const std::vector<TMessageBoxCall>& Calls() const { return calls_; }

 private:
  std::vector<TMessageBoxCall> calls_;
  std::deque<TMsgButton> answers_;
};

}  // namespace absence::ui::test
