#pragma once
// Shared pieces of the window tests: a temporary data folder and settings file, a stand-in for
// the person who answers message boxes, and real input events.
#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <vector>

#include "ui/common/message_box.h"
#include "ui/session/data_session.h"

class QComboBox;
class QMimeData;
class QWidget;

namespace absence::ui {

// Test set-up only: the data set written directly, outside the change history, as a data file
// would bring it in.
struct TSessionTestAccess {
  static TDataSet& Data(TDataSession& session) { return session.data_; }
};

}  // namespace absence::ui

namespace absence::ui::test {

inline TDataSet& TestData(TDataSession& session) {
  return TSessionTestAccess::Data(session);
}

// The employee's record for a test to arrange; the employee must exist.
inline TEmpRecClass& TestEmp(TDataSession& session, int32_t empID) {
  TDataSet& d = TestData(session);
  return *d.EmpList[static_cast<std::size_t>(FindEmp(d.EmpList, empID, std::string()))];
}

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

// Records every message box and answers from a queue. Every test program starts with a hook
// that fails the running test when a box appears; a box beyond the queued answers fails it too.
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

// Puts the failing hook back (after a test that shows real boxes).
void FailOnUnexpectedMessageBoxes();

// Chooses the item of `box` with that text by the arrow keys, as a user does; false when the
// box does not list it.
bool ChooseByKeys(QComboBox* box, const QString& text);

// Presses the left button at `from`, moves to `to` with the button held, and releases it.
void DragWithMouse(QWidget* widget, QPoint from, QPoint to);

// Delivers `mime` to `target` at `at` as a drag entering, moving and dropping there, through
// the widget's own drag and drop handlers; true when the drop was accepted.
bool DeliverDrop(QWidget* target, QPoint at, const QMimeData* mime);

// The text of a PDF file as laid out on its pages (by pdftotext); empty when it cannot be read.
QString PdfText(const QString& pdf);

}  // namespace absence::ui::test
