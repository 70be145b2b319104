// The main window on the generated organisation, offscreen: selecting an employee (cell texts,
// day list, balances) and scrolling one week, each through the real input event and with the
// repaint that follows.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <optional>

#include "bench.h"
#include "dates/dates.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/main/main_window.h"

namespace absence::bench {

using namespace absence::ui;

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
}

}  // namespace absence::bench
