#pragma once
// Shared pieces of the dialog tests: a small organisation in a data session, the hook that hands
// each modal dialog to the test instead of a person, and control look-up by name.
#include <QAbstractButton>
#include <QDialog>
#include <QtTest>
#include <functional>
#include <memory>

#include "data/records.h"
#include "support.h"
#include "ui/common/dialog_buttons.h"
#include "ui/session/data_session.h"

namespace absence::ui::test {

inline constexpr TDate kToday = 46364;  // Tuesday, 8 December 2026

template <typename T>
T* Find(QObject* w, const char* name) {
  T* child = w->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no control named %s", name);
  return child;
}

// Reasons Holiday (inactive), Sick and Vacation; employees Smith (since 400 days), Jones
// (terminated 30 days ago) and Young (started 10 days ago).
struct TSampleOrg {
  int32_t Holiday = 0, Sick = 0, Vacation = 0;
  int32_t Smith = 0, Jones = 0, Young = 0;
  // Fills the session's lists (in memory only).
  explicit TSampleOrg(TDataSession& session);
};

// Hands every dialog run through RunDialog to `drive`, shown, while the object lives. A dialog
// that `drive` leaves open is rejected, and the test fails.
class TDialogDriver {
 public:
  explicit TDialogDriver(std::function<void(QDialog&)> drive);
  ~TDialogDriver();
  int Runs() const { return runs_; }

 private:
  int runs_ = 0;
};

// Clicks a radio button or check box on its indicator (its text may not fill the widget).
void ClickBox(QAbstractButton* button);

// Live hours of the entry of that reason, kind and day; -1 when there is none.
float LiveHours(const TEntryList& list, int32_t reasonID, TEntryKind kind, TDate day);

}  // namespace absence::ui::test
