// The main window's calendar as a user works it: choosing an employee, picking days, dragging
// reasons and entries onto days, scrolling by weeks, the day list and the balances beside it.
#include <QAccessible>
#include <QComboBox>
#include <QDrag>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "calendar_window.h"
#include "cli_runner.h"
#include "data/dataset.h"
#include "dates/dates.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/calendar_drag.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/item_roles.h"
#include "ui/common/pick_date.h"
#include "ui/common/pictures.h"
#include "ui/main/calendar_cells.h"
#include "ui/main/calendar_grid.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/main_window.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;

using namespace absence::ui::test;

class CalendarTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }
  void init() { SetTodayOverride(kToday); }

  void choosingAnEmployeeShowsHerDaysAndBalances() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.loaded);
    QCOMPARE(cal.Text(2, 0), QString("12/08/2026"));
    QVERIFY(cal.Choose("Smith, Ann"));
    QCOMPARE(cal.Text(2, 0), QString("12/08/2026*Anniversary|TVacation"));
    QCOMPARE(cal.Text(4, 0), QString("12/10/2026GHoliday"));
    QCOMPARE(cal.Text(3, 0), QString("12/09/2026"));
    QCOMPARE(cal.Balance("Vacation", 2), QString("8.00"));
    QVERIFY(Find<QToolButton>(cal.w.get(), "spdHelp")->isEnabled());
    // The figures are those of the command-line tool for the same day.
    const TDate asOf = cal.grid->item(2, 6)->data(Qt::UserRole).value<TCellContent>().Date;
    const auto run = absence::test::RunCli(
        "--data " + App().AppFolder + " --ini " + App().IniPath + " balances " +
        FormatDate(asOf, QStringLiteral("yyyy/mm/dd")).replace('/', '-').toStdString());
    QCOMPARE(run.Status, 0);
    int matched = 0;
    for (const QString& line : QString::fromStdString(run.Out).split('\n')) {
      const QStringList f = line.split('\t');
      if (f.size() != 6 || f[0].toInt() != cal.Emp("Smith, Ann").EmpID) continue;
      const QString name = QString::fromStdString(
          ReasonText(absence::ui::test::TestData(cal.w->Session()).ReasonList, f[1].toInt()));
      QCOMPARE(cal.Balance(qPrintable(name), 1), f[2]);
      QCOMPARE(cal.Balance(qPrintable(name), 2), f[3]);
      QCOMPARE(cal.Balance(qPrintable(name), 3), f[4]);
      QCOMPARE(cal.Balance(qPrintable(name), 4), f[5]);
      ++matched;
    }
    QCOMPARE(matched, 3);
  }

  void aReasonDroppedOnADayAddsTheDefaultHoursOrAddsUp() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    const int32_t sick = cal.ReasonID("Sick");
    const int32_t vacation = cal.ReasonID("Vacation");
    // Wednesday 9 December: a new entry of 8 hours.
    QVERIFY(cal.DragReason("Sick", 3, 0));
    QCOMPARE(cal.drags, 1);
    QCOMPARE(cal.Text(3, 0), QString("12/09/2026TSick"));
    float hours = 0;
    QCOMPARE(OwnEntryDates(cal.Emp("Smith, Ann"), sick, &hours), std::vector<TDate>{kToday + 1});
    QCOMPARE(hours, 8.0f);
    QCOMPARE(cal.Balance("Sick", 2), QString("8.00"));
    // Onto today's vacation: the hours add up in the one entry.
    QVERIFY(cal.DragReason("Vacation", 2, 0));
    QCOMPARE(OwnEntryDates(cal.Emp("Smith, Ann"), vacation, &hours), std::vector<TDate>{kToday});
    QCOMPARE(hours, 16.0f);
    QCOMPARE(cal.Balance("Vacation", 2), QString("16.00"));
    // The day list follows.
    const QAbstractItemModel* day = Find<QListView>(cal.w.get(), "lstViewDay")->model();
    QCOMPARE(day->rowCount(), 1);
    QCOMPARE(day->index(0, 0).data().toString(), QString("Smith, Ann - Vacation"));
    QCOMPARE(day->index(0, 0).data(kRecordIdRole).toInt(), cal.Emp("Smith, Ann").EmpID);
  }

  void daysOutsideTheEmploymentRefuseTheDrop() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Jones, Bob"));
    const int32_t sick = cal.ReasonID("Sick");
    // Hired on Wednesday 9 December, terminated on Monday 28 December.
    QVERIFY(!cal.DragReason("Sick", 2, 0));
    QVERIFY(!cal.DragReason("Sick", 2, 3));
    QVERIFY(OwnEntryDates(cal.Emp("Jones, Bob"), sick, nullptr).empty());
    QVERIFY(cal.DragReason("Sick", 3, 0));
    QVERIFY(cal.DragReason("Sick", 1, 3));
    QCOMPARE(OwnEntryDates(cal.Emp("Jones, Bob"), sick, nullptr),
             (std::vector<TDate>{kToday + 1, kToday + 20}));
    // Without an employee nothing is dragged at all.
    auto* box = Find<QComboBox>(cal.w.get(), "cboReasonBox");
    QCOMPARE(box->cursor().shape(), Qt::BitmapCursor);
  }

  void pickedDaysAllTakeTheDroppedReason() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Brown, Cy"));
    const int32_t sick = cal.ReasonID("Sick");
    // Friday of the first week, then Shift on Monday of the second: the range runs across the
    // end of the row. Ctrl takes Saturday out again and adds a day of the third week.
    cal.Click(5, 0);
    cal.Click(1, 1, Qt::ShiftModifier);
    cal.Click(6, 0, Qt::ControlModifier);
    cal.Click(3, 2, Qt::ControlModifier);
    QVERIFY(cal.DragReason("Sick", 0, 1));
    QCOMPARE(OwnEntryDates(cal.Emp("Brown, Cy"), sick, nullptr),
             (std::vector<TDate>{kStart + 5, kStart + 7, kStart + 8, kStart + 17}));
    for (auto [col, row] : {std::pair{5, 0}, {0, 1}, {1, 1}, {3, 2}})
      QVERIFY2(cal.Text(col, row).endsWith("TSick"), qPrintable(cal.Text(col, row)));
    QVERIFY(!cal.Text(6, 0).endsWith("TSick"));
    // No day is picked afterwards: the next drop goes to its own day only.
    QVERIFY(cal.DragReason("Sick", 4, 1));
    QCOMPARE(OwnEntryDates(cal.Emp("Brown, Cy"), sick, nullptr).size(), size_t(5));
    // A drop on an unpicked day while others are picked goes to that day only.
    cal.Click(0, 2);
    cal.Click(2, 2, Qt::ShiftModifier);
    QVERIFY(cal.DragReason("Sick", 5, 2));
    QCOMPARE(OwnEntryDates(cal.Emp("Brown, Cy"), sick, nullptr).size(), size_t(6));
    QVERIFY(!cal.Text(0, 2).endsWith("TSick"));
  }

  void shiftPicksTheSameRangeInBothDirections() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Brown, Cy"));
    const int32_t sick = cal.ReasonID("Sick");
    cal.Click(1, 2);
    cal.Click(5, 1, Qt::ShiftModifier);
    QVERIFY(cal.DragReason("Sick", 6, 1));
    QCOMPARE(OwnEntryDates(cal.Emp("Brown, Cy"), sick, nullptr),
             (std::vector<TDate>{kStart + 12, kStart + 13, kStart + 14, kStart + 15}));
  }

  void entriesMoveBetweenDaysAndGlobalOnesForEveryone() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    const int32_t vacation = cal.ReasonID("Vacation");
    const int32_t holiday = cal.ReasonID("Holiday");
    // Onto its own day: nothing changes.
    cal.DragEntry(2, 0, 2, 0);
    QCOMPARE(OwnEntryDates(cal.Emp("Smith, Ann"), vacation, nullptr), std::vector<TDate>{kToday});
    // Today's vacation to Friday 11 December: both days are redrawn.
    QVERIFY(cal.DragEntry(2, 0, 5, 0));
    QCOMPARE(OwnEntryDates(cal.Emp("Smith, Ann"), vacation, nullptr),
             std::vector<TDate>{kToday + 3});
    QCOMPARE(cal.Text(2, 0), QString("12/08/2026*Anniversary"));
    QCOMPARE(cal.Text(5, 0), QString("12/11/2026TVacation"));
    TEmpRecClass& smith = cal.Emp("Smith, Ann");
    QVERIFY(
        smith.Entries[FindEntry(smith.Entries, vacation, TEntryKind::Own, kToday + 3)]->Modified);
    // The holiday from Thursday 10 December to Thursday 17 December, for everyone.
    QVERIFY(cal.DragEntry(4, 0, 4, 1));
    QCOMPARE(cal.Text(4, 0), QString("12/10/2026"));
    QCOMPARE(cal.Text(4, 1), QString("12/17/2026GHoliday"));
    const TDataSet& data = absence::ui::test::TestData(cal.w->Session());
    QCOMPARE(FindEntry(data.GlobalList, holiday, TEntryKind::Global, kToday + 9), 0);
    for (const char* name : {"Smith, Ann", "Brown, Cy", "Jones, Bob"}) {
      QCOMPARE(FindEntry(cal.Emp(name).Entries, holiday, TEntryKind::Global, kToday + 2), -1);
      QVERIFY2(FindEntry(cal.Emp(name).Entries, holiday, TEntryKind::Global, kToday + 9) >= 0,
               name);
    }
    const QAbstractItemModel* day = Find<QListView>(cal.w.get(), "lstViewDay")->model();
    cal.Click(4, 1);
    QCOMPARE(day->rowCount(), 3);
    QVERIFY(!day->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    // The move survives a save, which rebuilds the copies from the global list.
    ui::test::TMessageBoxSpy spy;
    QVERIFY(cal.w->Session().Save());
    QVERIFY(FindEntry(cal.Emp("Brown, Cy").Entries, holiday, TEntryKind::Global, kToday + 9) >= 0);
  }

  // A day lists as many entries as its height holds; only beyond that does the "Plus" show.
  // A drag from the day takes the second entry.
  void aDayWithMoreEntriesThanFitShowsThePlusAndDragsTheSecond() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder, 6);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Brown, Cy"));
    const auto cellImage = [&] {
      return cal.grid->viewport()->grab(cal.grid->visualItemRect(cal.grid->item(0, 4))).toImage();
    };
    // Thursday 10 December holds the holiday; own entries join it until the "Plus" shows in
    // the top right corner, the top left (the day number) staying as it was.
    const QImage one = cellImage();
    const QRect corner(one.width() - 16, 0, 16, 16);
    const QRect left(0, 0, 16, 16);
    QStringList reasons{"Sick", "Vacation"};
    for (int i = 0; i < 6; ++i) reasons << QString("Other %1").arg(i);
    int entries = 1;
    for (const QString& reason : reasons) {
      QVERIFY(cal.DragReason(qPrintable(reason), 4, 0));
      ++entries;
      const QImage now = cellImage();
      QCOMPARE(now.copy(left), one.copy(left));
      if (now.copy(corner) != one.copy(corner)) break;
    }
    // More than the two lines of old are listed in a cell of this height, and not all.
    QVERIFY2(entries > 3 && entries <= reasons.size(), qPrintable(QString::number(entries)));
    // The second entry is the one dragged.
    const auto grid = qobject_cast<TCalendarGrid*>(cal.grid);
    const TCellEntry second = grid->Cell(4, 0).Entries[1];
    QVERIFY(cal.DragEntry(4, 0, 5, 0));
    QCOMPARE(OwnEntryDates(cal.Emp("Brown, Cy"), second.ReasonID, nullptr),
             std::vector<TDate>{kToday + 3});
    QCOMPARE(int(grid->Cell(4, 0).Entries.size()), entries - 1);
  }

  // Today is marked picked or not; weekends are shaded; days before the hire and after the
  // termination are greyed and said to be so; a picked day keeps the globe as on a plain day.
  void theDaysShowTodayWeekendsAndTheEmployment() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    // Jones works from Wednesday 9 to Monday 28 December.
    QVERIFY(cal.Choose("Jones, Bob"));
    auto* grid = qobject_cast<TCalendarGrid*>(cal.grid);
    QVERIFY(grid);
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(grid)->tableInterface();
    QVERIFY(table);
    const struct {
      int col, row;
      bool outside;
      const char* spoken;
    } days[] = {
        {2, 0, true, "Tuesday December 8, today, not employed"},
        {3, 0, false, "Wednesday December 9, Anniversary"},
        {1, 3, false, "Monday December 28"},
        {2, 3, true, "Tuesday December 29, not employed"},
    };
    for (const auto& day : days) {
      QCOMPARE(grid->Cell(day.col, day.row).Outside, day.outside);
      QCOMPARE(table->cellAt(day.row, day.col)->text(QAccessible::Name), QString(day.spoken));
    }

    const auto image = [&](int col, int row) {
      grid->viewport()->repaint();
      return grid->viewport()->grab(grid->visualItemRect(grid->item(row, col))).toImage();
    };
    // The plain ground of a day: right of the middle, where nothing is written.
    const auto ground = [&](int col, int row) {
      const QImage cell = image(col, row);
      return cell.pixelColor(cell.width() - 6, cell.height() / 2);
    };
    const QColor weekday = ground(3, 1);
    const QColor weekend = ground(0, 1);
    const QColor outside = ground(3, 3);
    QCOMPARE(ground(6, 1), weekend);
    QVERIFY(weekday != weekend && outside != weekday && outside != weekend);

    // Today (Tuesday 8) differs from the same day drawn on another date, picked or not.
    for (bool picked : {true, false}) {
      if (!picked) cal.Click(3, 1);
      const QImage today = image(2, 0);
      SetTodayOverride(kToday - 7);
      const QImage other = image(2, 0);
      SetTodayOverride(kToday);
      QVERIFY2(today != other, picked ? "picked" : "not picked");
    }

    // The globe, as drawn on a plain day, appears whole in the holiday's cell, picked or not.
    const QPixmap globe = ResourcePicture(QStringLiteral("Globe"), 13);
    QImage plainGlobe(globe.size(), QImage::Format_RGB32);
    plainGlobe.fill(grid->palette().color(QPalette::Base));
    QPainter(&plainGlobe).drawPixmap(0, 0, globe);
    for (bool picked : {false, true}) {
      if (picked) cal.Click(4, 0);
      const QImage cell = image(4, 0).convertToFormat(QImage::Format_RGB32);
      bool found = false;
      for (int y = 0; !found && y + plainGlobe.height() <= cell.height(); ++y)
        for (int x = 0; !found && x + plainGlobe.width() <= cell.width(); ++x)
          found = cell.copy(x, y, plainGlobe.width(), plainGlobe.height()) == plainGlobe;
      QVERIFY2(found, picked ? "picked" : "not picked");
    }
  }

  void aDayWithOnlyAMarkerStartsNoDrag() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Brown, Cy"));
    // Friday 1 January starts the user-defined benefit year.
    QCOMPARE(cal.Text(5, 3), QString("01/01/2027*User Year"));
    cal.DragEntry(5, 3, 6, 3);
    QCOMPARE(cal.drags, 0);
    // A day with an entry does start one.
    QVERIFY(cal.DragEntry(4, 0, 6, 0));
    QCOMPARE(cal.drags, 1);
  }

  void scrollingWeeksCrossesTheYearAndTheBalancesFollow() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    auto* year = Find<QLabel>(cal.w.get(), "lblBalanceYear");
    auto* month = Find<QLabel>(cal.w.get(), "lblMonth");
    auto* down = Find<QToolButton>(cal.w.get(), "spdCalendarDown");
    auto* up = Find<QToolButton>(cal.w.get(), "spdCalendarUp");
    QCOMPARE(month->text(), QString("December 2026 - January 2027"));
    QCOMPARE(year->text(), QString("2026"));
    QCOMPARE(cal.Balance("Vacation", 2), QString("8.00"));
    // One week on, the Saturday of the third week is 2 January 2027: the balances are for 2027.
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(cal.Text(0, 0), QString("12/13/2026"));
    QCOMPARE(year->text(), QString("2027"));
    QCOMPARE(cal.Balance("Vacation", 2), QString());
    QCOMPARE(month->text(), QString("December 2026 - January 2027"));
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(cal.Text(0, 0), QString("12/06/2026"));
    QCOMPARE(year->text(), QString("2026"));
    QCOMPARE(cal.Balance("Vacation", 2), QString("8.00"));
    // Held down, the button moves a week at once, then repeats week by week until released.
    QElapsedTimer held;
    held.start();
    QTest::mousePress(down, Qt::LeftButton);
    QCOMPARE(cal.Text(0, 0), QString("12/13/2026"));
    QTRY_COMPARE_WITH_TIMEOUT(cal.Text(0, 0), QString("12/20/2026"), 2000);
    // The first repeat waits longer than a steady one would.
    QVERIFY(held.elapsed() >= TCalendarPanel::kFirstRepeatMs);
    QTRY_COMPARE_WITH_TIMEOUT(cal.Text(0, 0), QString("12/27/2026"), 2000);
    QTest::mouseRelease(down, Qt::LeftButton);
    const QString stopped = cal.Text(0, 0);
    QTest::qWait(400);
    QCOMPARE(cal.Text(0, 0), stopped);
  }

  // The keys move the current day, scroll at the edges and by pages, and pick: Shift a range
  // from where it started, Ctrl without picking and Space one day on or off. The wheel scrolls
  // a week a notch. Days are counted from today, Tuesday 8 December.
  void theKeysMoveThePickAndScroll_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("picked");
    const int s = kStart - kToday;
    QTest::newRow("arrows") << QStringList{"Right", "Down"} << 8 << s << QList<int>{8};
    QTest::newRow("up at the top") << QStringList{"Up"} << -7 << s - 7 << QList<int>{-7};
    QTest::newRow("left past Sunday")
        << QStringList{"Left", "Left", "Left"} << -3 << s - 7 << QList<int>{-3};
    QTest::newRow("down at the bottom")
        << QStringList{"Down", "Down", "Down", "Down"} << 28 << s + 7 << QList<int>{28};
    QTest::newRow("shift range") << QStringList{"Shift+Down", "Shift+Left"} << 6 << s
                                 << QList<int>{0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("shift range scrolled back") << QStringList{"Shift+Right", "Shift+Up"} << -6
                                               << s - 7 << QList<int>{-6, -5, -4, -3, -2, -1, 0};
    QTest::newRow("ctrl and space")
        << QStringList{"Ctrl+Right", "Ctrl+Right", "Space", "Ctrl+Down", "Ctrl+Space"} << 9 << s
        << QList<int>{0, 2, 9};
    QTest::newRow("space turns the day off") << QStringList{"Space"} << 0 << s << QList<int>{};
    QTest::newRow("page down") << QStringList{"PgDown"} << 7 << s + 7 << QList<int>{7};
    QTest::newRow("page up keeps shown picks")
        << QStringList{"Shift+Right", "PgUp"} << -6 << s - 7 << QList<int>{0, 1};
    QTest::newRow("wheel") << QStringList{"Click", "Wheel+1", "Wheel+1", "Wheel-1"} << -7 << s - 7
                           << QList<int>{-7};
    QTest::newRow("wheel keeps picks")
        << QStringList{"Shift+Right", "Wheel+1"} << -6 << s - 7 << QList<int>{0, 1};
  }
  void theKeysMoveThePickAndScroll() {
    QFETCH(QStringList, steps);
    QFETCH(int, current);
    QFETCH(int, start);
    QFETCH(QList<int>, picked);
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    auto* grid = qobject_cast<TCalendarGrid*>(cal.grid);
    QVERIFY(grid);
    auto* month = Find<QLabel>(cal.w.get(), "lblMonth");
    QApplication::setActiveWindow(cal.w.get());
    QVERIFY(QTest::qWaitForWindowActive(cal.w.get()));
    grid->setFocus(Qt::TabFocusReason);
    for (const QString& step : steps) {
      if (step == "Click") {
        cal.Click(grid->currentColumn(), grid->currentRow());
        continue;
      }
      if (step.startsWith("Wheel")) {
        const QPoint at = cal.Center(3, 1);
        const int notches = step.mid(5).toInt();
        QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), QPoint(),
                          QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &wheel);
        continue;
      }
      const QKeyCombination keys = QKeySequence(step)[0];
      QTest::keyClick(grid, keys.key(), keys.keyboardModifiers());
    }
    QCOMPARE(int(grid->CurrentDate() - kToday), current);
    QCOMPARE(int(grid->StartDate() - kToday), start);
    QVERIFY(month->text().startsWith(
        QLocale::system().monthName(ToQDate(grid->StartDate()).month(), QLocale::LongFormat)));
    QList<int> shown;
    for (int row = 0; row < TCalendarGrid::kRows; ++row)
      for (int col = 0; col < TCalendarGrid::kColumns; ++col)
        if (grid->Picked(col, row) ||
            (!grid->MultiPick() && col == grid->currentColumn() && row == grid->currentRow()))
          shown << int(grid->CellDate(col, row) - kToday);
    std::sort(shown.begin(), shown.end());
    QCOMPARE(shown, picked);
    // The day list follows the current day.
    QVERIFY(Find<QLabel>(cal.w.get(), "lblDayViewDate")
                ->text()
                .contains(QLocale::system().toString(ToQDate(grid->CurrentDate()), "MMMM d")));
  }

  // The caption names the day the figures are for, in the user's date format, after the year,
  // and follows the calendar's weeks.
  void theBalancesCaptionNamesTheirDay_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("weekOn");
    QTest::newRow("month first") << "mm/dd/yyyy"
                                 << "12/26/2026"
                                 << "01/02/2027";
    QTest::newRow("day first") << "dd/mm/yyyy"
                               << "26/12/2026"
                               << "02/01/2027";
  }
  void theBalancesCaptionNamesTheirDay() {
    QFETCH(QString, pattern);
    QFETCH(QString, shown);
    QFETCH(QString, weekOn);
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    App().DatePattern = pattern;
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    auto* heading = Find<QLabel>(cal.w.get(), "lblAccrual");
    auto* year = Find<QLabel>(cal.w.get(), "lblBalanceYear");
    auto* asOf = Find<QLabel>(cal.w.get(), "lblBalanceAsOf");
    QCOMPARE(asOf->text(), "as of " + shown);
    QTest::mouseClick(Find<QToolButton>(cal.w.get(), "spdCalendarDown"), Qt::LeftButton);
    QCOMPARE(year->text(), QString("2027"));
    QCOMPARE(asOf->text(), "as of " + weekOn);
    QTest::mouseClick(Find<QToolButton>(cal.w.get(), "spdCalendarUp"), Qt::LeftButton);
    QCOMPARE(asOf->text(), "as of " + shown);
    // One line, read left to right, whole at the smallest window too.
    cal.w->resize(cal.w->minimumSize());
    QTest::qWait(50);
    QVERIFY(heading->geometry().right() < year->geometry().left());
    QVERIFY(year->geometry().right() < asOf->geometry().left());
    QCOMPARE(asOf->y(), year->y());
    QVERIFY(asOf->isVisible());
    QVERIFY(asOf->width() >= asOf->sizeHint().width());
  }

  void theDatesButtonJumpsToThePickedWeek() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    SetPickDateHook([](TfrmPickDate& picker) {
      picker.SetDate(EncodeDate(2027, 3, 17));
      picker.accept();
    });
    QTest::mouseClick(Find<QToolButton>(cal.w.get(), "spdDate"), Qt::LeftButton);
    SetPickDateHook(nullptr);
    QCOMPARE(cal.Text(0, 0), QString("03/14/2027"));
    QCOMPARE(cal.grid->currentColumn(), 3);
    QCOMPARE(Find<QLabel>(cal.w.get(), "lblBalanceYear")->text(), QString("2027"));
  }

  void aBalanceRowOpensItsExplanation() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    auto* balances = Find<QTableView>(cal.w.get(), "grdBalances");
    const QModelIndex vacation =
        balances->model()->match(balances->model()->index(0, 0), Qt::DisplayRole, "Vacation")[0];
    QString shown;
    QTimer::singleShot(0, [&] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        shown = box->windowTitle();
        box->close();
      }
    });
    const QPoint at = balances->visualRect(vacation).center();
    // A double click: the press and release of the first click, then the second.
    QTest::mouseClick(balances->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(balances->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY2(!shown.isEmpty(), "no explanation window");
    shown.clear();
    QTimer::singleShot(0, [&] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        shown = box->windowTitle();
        box->close();
      }
    });
    QTest::keyClick(balances, Qt::Key_Return);
    QVERIFY2(!shown.isEmpty(), "Enter opened no explanation window");
  }

  void theCalendarGrowsWithTheWindow() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    const QString shots = qEnvironmentVariable("ABSENCE_SHOTS");
    cal.w->resize(cal.w->minimumSize());
    QTest::qWait(50);
    const QSize small = cal.grid->size();
    if (!shots.isEmpty()) cal.w->grab().save(shots + "/main-minimum.png");
    cal.w->resize(1600, 1000);
    QTest::qWait(50);
    if (!shots.isEmpty()) cal.w->grab().save(shots + "/main-large.png");
    QVERIFY(cal.grid->width() > small.width() + 500);
    QVERIFY(cal.grid->height() > small.height() + 300);
    // Each day name stands over its column.
    for (int col = 0; col < 7; ++col) {
      static const char* names[] = {"lblSunday",   "lblMonday", "lblTuesday", "lblWednesday",
                                    "lblThursday", "lblFriday", "lblSaturday"};
      auto* label = Find<QLabel>(cal.w.get(), names[col]);
      const int middle = label->mapTo(cal.w.get(), label->rect().center()).x();
      const QRect cell = cal.grid->visualItemRect(cal.grid->item(0, col));
      const int left = cal.grid->viewport()->mapTo(cal.w.get(), cell.topLeft()).x();
      QVERIFY2(middle > left && middle < left + cell.width(), names[col]);
    }
  }

  void toolbarCaptionsFitInEveryStyle_data() {
    QTest::addColumn<int>("style");
    QTest::newRow("pictures") << 0;
    QTest::newRow("text") << 1;
    QTest::newRow("both") << 2;
  }
  void toolbarCaptionsFitInEveryStyle() {
    QFETCH(int, style);
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    env.WriteIni(QString("[Initialization]\r\nToolCaption=%1\r\n").arg(style));
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    cal.w->resize(cal.w->minimumSize());
    QTest::qWait(50);
    const QString shots = qEnvironmentVariable("ABSENCE_SHOTS");
    if (!shots.isEmpty()) cal.w->grab().save(shots + QString("/toolbar-%1.png").arg(style));
    for (const char* name : {"spdAbsenceView", "spdEmp", "spdGlobal", "spdDate", "spdHelp"}) {
      auto* b = Find<QToolButton>(cal.w.get(), name);
      const QString caption = QString(b->text()).remove('&');
      if (style != 0) QVERIFY2(b->fontMetrics().horizontalAdvance(caption) <= b->width() - 2, name);
      // Every button lies inside the toolbar.
      const QRect inBar(b->mapTo(cal.w.get(), QPoint(0, 0)), b->size());
      QVERIFY2(cal.w->rect().contains(inBar), name);
    }
  }

  void balancesShowTheHourFormatAndWholeRows() {
    ui::test::TTempEnvironment env;
    SaveSampleData(App().AppFolder, 4);
    env.WriteIni("[Initialization]\r\nHourFormat=#,##0\r\n");
    TCalendarWindow cal;
    QVERIFY(cal.Choose("Smith, Ann"));
    auto* balances = Find<QTableView>(cal.w.get(), "grdBalances");
    // The grid shows whole rows only, and "Anniv" fits its column.
    const int rows = balances->viewport()->height() / balances->rowHeight(0);
    QCOMPARE(balances->viewport()->height(), rows * balances->rowHeight(0));
    QVERIFY(balances->fontMetrics().horizontalAdvance("Anniv") + 5 <= balances->columnWidth(1));
    // The figure keeps its two decimals; the text shown follows the setting.
    QCOMPARE(cal.Balance("Vacation", 2), QString("8.00"));
    QCOMPARE(cal.BalanceShown("Vacation", 2), QString("8"));
    // Seven reasons: the scroll bar shows and the columns stay clear of it.
    QCOMPARE(balances->model()->rowCount(), 7);
    QTRY_VERIFY(balances->verticalScrollBar()->isVisible());
    int used = 0;
    for (int c = 0; c < 5; ++c) used += balances->columnWidth(c);
    QVERIFY(used <= balances->viewport()->width());
    // A turn of the wheel moves by whole rows.
    QWheelEvent wheel(QPointF(20, 20), balances->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(balances->viewport(), &wheel);
    QVERIFY(balances->verticalScrollBar()->value() > 0);
    QCOMPARE(balances->rowViewportPosition(balances->rowAt(0)), 0);
  }
};

ABSENCE_UI_SUITE("calendar", CalendarTest)
#include "calendar_test.moc"
