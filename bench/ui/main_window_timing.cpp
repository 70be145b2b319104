// The main window on the generated organisation, offscreen: selecting an employee (cell texts,
// day list, balances) and scrolling one week, each through the real input event and with the
// repaint that follows.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "bench.h"
#include "data/journal.h"
#include "dates/dates.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/main/main_window.h"
#include "ui/reports/history_window.h"
#include "ui/session/data_session.h"

namespace absence::bench {

using namespace absence::ui;

namespace {

constexpr int kJournalChanges = 100000;

// A journal of kJournalChanges entry changes over a year, spread over the organisation's
// employees, with their before and after values.
void WriteJournal(const std::string& folder, int employees) {
  std::string lines;
  const int64_t start = 1'700'000'000'000;
  for (int i = 0; i < kJournalChanges; ++i) {
    TJournalRecord r;
    r.Time = start + int64_t{i} * 300'000;
    r.User = "clerk";
    r.Host = "office";
    r.Kind = journal_kind::kEditEntries;
    const int emp = 1 + i % std::max(1, employees);
    r.Text = "Change Vacation on 03/04/2024 \u2014 Employee " + std::to_string(emp);
    r.Records = {{TJournalRefType::Employee, emp, "Employee " + std::to_string(emp), 1 + emp % 7},
                 {TJournalRefType::Reason, 1 + i % 20, "Reason", 0}};
    r.Values = {{"Hours", "8", "4"}, {"EntryDate", "2024-03-04", "2024-03-05"}};
    lines += JournalLine(r);
  }
  AppendJournal(JournalPath(folder), lines);
}

// The History window opening on the journal: read, filter, model and the first paint.
void BenchHistoryWindow(TSizeRun& run, int employees) {
  WriteJournal(run.Folder, employees);
  const TDataSession session(run.Folder);
  run.Add(MeasureWhole("history_window", "open the History window (100,000 changes)",
                       run.Target("history_window"), run.Options.QuickRuns, [&] {
                         TfrmHistory w(session);
                         w.show();
                         w.repaint();
                       }));
  std::remove(JournalPath(run.Folder).c_str());
}

}  // namespace

void BenchWindows(TSizeRun& run) {
  static bool resourcesReady = false;
  if (!resourcesReady) InitUiResources();
  resourcesReady = true;
  // Nothing may wait for a person.
  SetMessageBoxHook([](const TMessageBoxCall&) { return mbOK; });
  App().AppFolder = run.Folder;
  App().IniPath = run.Folder + "bench.ini";
  // The calendar shows the last year of the history.
  SetTodayOverride(EncodeDate(run.Shape.LastYear(), 6, 15));
  const auto employees = static_cast<int>(run.Data.EmpList.size());
  // The window loads its own copy of the data set: the bench's copy is not counted beside it.
  run.Data.Free();

  std::optional<TfrmMain> w(std::in_place, 0);
  w->resize(1280, 900);
  w->show();
  auto* timer = w->findChild<QTimer*>("Timer1");
  while (timer->isActive() || !w->isEnabled()) QApplication::processEvents();
  auto* box = w->findChild<QComboBox*>("cboEmpBox");
  auto* down = w->findChild<QToolButton*>("spdCalendarDown");

  // The next employee by the Down key, as a user steps through the box.
  run.Add(Measure("select_employee", "select an employee (main window)",
                  run.Target("select_employee"), run.Options.QuickRuns, [&](TStopwatch& watch) {
                    watch.Start();
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                    QApplication::sendEvent(box, &press);
                    w->repaint();
                    watch.Stop();
                  }));

  const QPointF centre(down->width() / 2.0, down->height() / 2.0);
  run.Add(Measure("scroll_week", "scroll one week (main window)", run.Target("scroll_week"),
                  run.Options.QuickRuns, [&](TStopwatch& watch) {
                    watch.Start();
                    QMouseEvent press(QEvent::MouseButtonPress, centre, down->mapToGlobal(centre),
                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(down, &press);
                    QMouseEvent release(QEvent::MouseButtonRelease, centre,
                                        down->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                                        Qt::NoModifier);
                    QApplication::sendEvent(down, &release);
                    w->repaint();
                    watch.Stop();
                  }));
  w->close();
  w.reset();
  QApplication::processEvents();
  BenchHistoryWindow(run, employees);
}

}  // namespace absence::bench
