// absence-bench-ui: the main window on the large generated organisation, offscreen. Selecting
// an employee (cell texts, day list, balances; target 50 ms) and scrolling one week (target
// 16 ms, one frame), each through the real input event and with the repaint that follows.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "data/dataset.h"
#include "dates/dates.h"
#include "large_org.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/main/main_window.h"

using namespace absence;
using namespace absence::ui;

namespace {

// Milliseconds `fn` and the repaint it causes take; the median of `runs`.
template <class Fn>
double MedianMs(int runs, QWidget* window, Fn&& fn) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    fn(i);
    window->repaint();
    ms.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

void Print(const char* what, double ms, double target) {
  std::printf("%-40s %8.2f ms (target %.0f ms) %s\n", what, ms, target,
              ms <= target ? "ok" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InitUiResources();
  // Nothing may wait for a person.
  SetMessageBoxHook([](const TMessageBoxCall&) { return mbOK; });
  QTemporaryDir dir;
  App().AppFolder = (dir.path() + "/").toStdString();
  App().IniPath = (dir.path() + "/ABSENCE.INI").toStdString();
  const bench::TLargeOrgShape shape;
  {
    TDataSet org = bench::MakeLargeOrg(shape);
    SaveDataSet(org, App().AppFolder, false);
  }
  // The calendar shows the last year of the history.
  SetTodayOverride(EncodeDate(shape.FirstYear + shape.Years - 1, 6, 15));

  TfrmMain w(0);
  w.resize(1280, 900);
  w.show();
  auto* timer = w.findChild<QTimer*>("Timer1");
  while (timer->isActive() || !w.isEnabled()) QApplication::processEvents();
  auto* box = w.findChild<QComboBox*>("cboEmpBox");
  auto* down = w.findChild<QToolButton*>("spdCalendarDown");
  std::printf("main window: %d employees in the box\n", box->count());

  // The next employee by the Down key, as a user steps through the box.
  const double select = MedianMs(200, &w, [&](int) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  });
  Print("select an employee", select, 50);
  std::printf("  (now showing employee %d of the box, %d balance rows)\n", box->currentIndex() + 1,
              w.findChild<QTableWidget*>("grdBalances")->rowCount());

  const QPointF centre(down->width() / 2.0, down->height() / 2.0);
  const double scroll = MedianMs(200, &w, [&](int) {
    QMouseEvent press(QEvent::MouseButtonPress, centre, down->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(down, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, down->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(down, &release);
  });
  Print("scroll one week", scroll, 16);
  w.close();
  return 0;
}
