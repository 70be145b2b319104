// The date picker and its month grid, driven by mouse and key events as a person would.
// Mouse events go through the window system so that a double click arrives as press, release,
// double click, release.
#define QTEST_QPA_MOUSE_HANDLING
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "dates/dates.h"
#include "dialog_support.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/pick_date.h"
#include "ui/common/pv_calendar.h"
#include "ui/common/wait_cursor.h"

using namespace absence;
using namespace absence::ui;
using absence::ui::test::Find;

namespace {

TDate D(int y, int m, int d) {
  return EncodeDate(y, m, d);
}

QString DateText(TDate d) {
  return ToQDate(d).toString(Qt::ISODate);
}

// A picker on screen, showing `date`.
struct TShownPicker {
  explicit TShownPicker(TDate date) {
    picker.SetDate(date);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
  }
  void Click(int col, int row) {
    QTest::mouseClick(Find<TPVCalendar>(&picker, "Calendar1"), Qt::LeftButton, {},
                      Find<TPVCalendar>(&picker, "Calendar1")->CellRect(col, row).center());
  }
  // Press, release, and the second press that the window system turns into a double click.
  void DoubleClick(int col, int row) {
    QTest::mouseDClick(Find<TPVCalendar>(&picker, "Calendar1"), Qt::LeftButton, {},
                       Find<TPVCalendar>(&picker, "Calendar1")->CellRect(col, row).center());
  }
  // The cell showing `text` in the given row.
  int ColumnOf(const QString& text, int row) {
    for (int c = 0; c < TPVCalendar::kColumns; ++c)
      if (Find<TPVCalendar>(&picker, "Calendar1")->CellText(c, row) == text) return c;
    return -1;
  }
  // What the month and year choosers show, as "yyyy-mm".
  QString Choosers() {
    return QStringLiteral("%1-%2")
        .arg(Find<QSpinBox>(&picker, "UpDown")->value())
        .arg(Find<QComboBox>(&picker, "cboMonth")->currentIndex() + 1, 2, 10, QChar(u'0'));
  }
  TfrmPickDate picker;
};

}  // namespace

class PickDateTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }
  void cleanup() {
    SetPickDateHook(nullptr);
    SetTodayOverride(std::nullopt);
  }

  // Where the 1st stands, which numbers are greyed, and which cell is current.
  void monthGridLayout_data() {
    QTest::addColumn<TDate>("date");
    QTest::addColumn<int>("startOfWeek");
    QTest::addColumn<QString>("row1");  // numbers of row 1, greyed ones in brackets
    QTest::addColumn<QString>("row6");  // numbers of row 6
    QTest::addColumn<int>("currentCol");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("starts on a Wednesday") << D(2026, 4, 15) << 0 << "[29] [30] [31] 1 2 3 4"
                                           << "[3] [4] [5] [6] [7] [8] [9]" << 3 << 3;
    QTest::newRow("starts on a Sunday") << D(2026, 2, 1) << 0 << "1 2 3 4 5 6 7"
                                        << "[8] [9] [10] [11] [12] [13] [14]" << 0 << 1;
    QTest::newRow("starts on a Saturday, 31 days")
        << D(2026, 8, 31) << 0 << "[26] [27] [28] [29] [30] [31] 1"
        << "30 31 [1] [2] [3] [4] [5]" << 1 << 6;
    QTest::newRow("leap February") << D(2024, 2, 29) << 0 << "[28] [29] [30] [31] 1 2 3"
                                   << "[3] [4] [5] [6] [7] [8] [9]" << 4 << 5;
    QTest::newRow("week from Monday") << D(2026, 4, 1) << 1 << "[30] [31] 1 2 3 4 5"
                                      << "[4] [5] [6] [7] [8] [9] [10]" << 2 << 1;
  }
  void monthGridLayout() {
    QFETCH(TDate, date);
    QFETCH(int, startOfWeek);
    QFETCH(QString, row1);
    QFETCH(QString, row6);
    QFETCH(int, currentCol);
    QFETCH(int, currentRow);
    TPVCalendar cal;
    cal.SetStartOfWeek(startOfWeek);
    cal.SetCalendarDate(date);
    auto rowText = [&](int row) {
      QStringList cells;
      for (int c = 0; c < TPVCalendar::kColumns; ++c)
        cells << (cal.IsInMonth(c, row) ? cal.CellText(c, row)
                                        : QStringLiteral("[%1]").arg(cal.CellText(c, row)));
      return cells.join(u' ');
    };
    QCOMPARE(rowText(1), row1);
    QCOMPARE(rowText(6), row6);
    QCOMPARE(cal.Col(), currentCol);
    QCOMPARE(cal.Row(), currentRow);
    QCOMPARE(cal.CellText(currentCol, currentRow), QString::number(Day(date)));
    // Row 0 names the days, from the start of the week.
    const QLocale locale = QLocale::system();
    QCOMPARE(cal.CellText(0, 0),
             locale.dayName(startOfWeek == 0 ? 7 : startOfWeek, QLocale::ShortFormat));
    QCOMPARE(cal.CellText(6, 0), locale.dayName(startOfWeek == 0 ? 6 : 7, QLocale::ShortFormat));
  }

  // A click on a greyed number moves to that month and day; the choosers follow.
  void clickingAGreyedNumberMovesToItsMonth_data() {
    QTest::addColumn<TDate>("start");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("number");
    QTest::addColumn<TDate>("expected");
    QTest::newRow("next month") << D(2026, 4, 15) << 5 << "2" << D(2026, 5, 2);
    QTest::newRow("previous month") << D(2026, 4, 15) << 1 << "30" << D(2026, 3, 30);
    QTest::newRow("into the next year") << D(2026, 12, 10) << 5 << "1" << D(2027, 1, 1);
    QTest::newRow("into the previous year") << D(2027, 1, 20) << 1 << "31" << D(2026, 12, 31);
    QTest::newRow("a day of the month") << D(2026, 4, 15) << 2 << "9" << D(2026, 4, 9);
  }
  void clickingAGreyedNumberMovesToItsMonth() {
    QFETCH(TDate, start);
    QFETCH(int, row);
    QFETCH(QString, number);
    QFETCH(TDate, expected);
    TShownPicker p(start);
    const int col = p.ColumnOf(number, row);
    QVERIFY(col >= 0);
    p.Click(col, row);
    QCOMPARE(DateText(p.picker.Date()), DateText(expected));
    QCOMPARE(p.Choosers(), DateText(expected).left(7));
    QVERIFY(Find<TPVCalendar>(&p.picker, "Calendar1")
                ->IsInMonth(Find<TPVCalendar>(&p.picker, "Calendar1")->Col(),
                            Find<TPVCalendar>(&p.picker, "Calendar1")->Row()));
    QCOMPARE(Find<TPVCalendar>(&p.picker, "Calendar1")
                 ->CellText(Find<TPVCalendar>(&p.picker, "Calendar1")->Col(),
                            Find<TPVCalendar>(&p.picker, "Calendar1")->Row()),
             QString::number(Day(expected)));
    QVERIFY(p.picker.isVisible());
  }

  // The month buttons, the month list and the year arrows keep the day, clamped to the month.
  void monthAndYearChangesClampTheDay_data() {
    QTest::addColumn<TDate>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<TDate>("expected");
    QTest::newRow("31st to a 30-day month") << D(2026, 3, 31) << "next" << D(2026, 4, 30);
    QTest::newRow("31st to February") << D(2026, 1, 31) << "next" << D(2026, 2, 28);
    QTest::newRow("back to leap February") << D(2024, 3, 31) << "previous" << D(2024, 2, 29);
    QTest::newRow("next across the year") << D(2026, 12, 31) << "next" << D(2027, 1, 31);
    QTest::newRow("previous across the year") << D(2027, 1, 15) << "previous" << D(2026, 12, 15);
    QTest::newRow("month list") << D(2026, 5, 31) << "month down" << D(2026, 6, 30);
    QTest::newRow("year up from leap day") << D(2024, 2, 29) << "year up" << D(2025, 2, 28);
    QTest::newRow("year down") << D(2026, 7, 4) << "year down" << D(2025, 7, 4);
  }
  void monthAndYearChangesClampTheDay() {
    QFETCH(TDate, start);
    QFETCH(QString, action);
    QFETCH(TDate, expected);
    TShownPicker p(start);
    if (action == "next")
      QTest::mouseClick(Find<QToolButton>(&p.picker, "SpeedButton2"), Qt::LeftButton);
    else if (action == "previous")
      QTest::mouseClick(Find<QToolButton>(&p.picker, "SpeedButton1"), Qt::LeftButton);
    else if (action == "month down")
      QTest::keyClick(Find<QComboBox>(&p.picker, "cboMonth"), Qt::Key_Down);
    else
      QTest::keyClick(Find<QSpinBox>(&p.picker, "UpDown"),
                      action == "year up" ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(DateText(p.picker.Date()), DateText(expected));
    QCOMPARE(p.Choosers(), DateText(expected).left(7));
    QCOMPARE(Find<QLineEdit>(&p.picker, "txtYear")->text(), QString::number(Year(expected)));
  }

  // The picker never leaves 1900 to 2100, whichever way the user pushes.
  void yearsStayWithin1900To2100() {
    {
      TShownPicker p(D(2100, 12, 31));
      QVERIFY(!Find<QToolButton>(&p.picker, "SpeedButton2")->isEnabled());
      QVERIFY(Find<QToolButton>(&p.picker, "SpeedButton1")->isEnabled());
      QTest::keyClick(Find<QSpinBox>(&p.picker, "UpDown"), Qt::Key_Up);
      QTest::keyClick(Find<TPVCalendar>(&p.picker, "Calendar1"), Qt::Key_Right);
      QTest::keyClick(Find<TPVCalendar>(&p.picker, "Calendar1"), Qt::Key_PageDown);
      p.Click(p.ColumnOf("1", 5), 5);  // a greyed January 2101 day
      QCOMPARE(DateText(p.picker.Date()), QString("2100-12-31"));
      QCOMPARE(Find<QLineEdit>(&p.picker, "txtYear")->text(), QString("2100"));
    }
    {
      TShownPicker p(D(1900, 1, 1));
      QVERIFY(!Find<QToolButton>(&p.picker, "SpeedButton1")->isEnabled());
      QTest::keyClick(Find<QSpinBox>(&p.picker, "UpDown"), Qt::Key_Down);
      QTest::keyClick(Find<TPVCalendar>(&p.picker, "Calendar1"), Qt::Key_Left);
      QTest::keyClick(Find<TPVCalendar>(&p.picker, "Calendar1"), Qt::Key_Up);
      QCOMPARE(DateText(p.picker.Date()), QString("1900-01-01"));
      QCOMPARE(Find<QLineEdit>(&p.picker, "txtYear")->text(), QString("1900"));
    }
    {
      TShownPicker p(D(1850, 6, 15));
      QCOMPARE(DateText(p.picker.Date()), QString("1900-01-01"));
      p.picker.SetDate(D(2300, 6, 15));
      QCOMPARE(DateText(p.picker.Date()), QString("2100-12-31"));
      QCOMPARE(p.Choosers(), QString("2100-12"));
    }
  }

  void theYearCannotBeTypedOver() {
    TShownPicker p(D(2026, 4, 15));
    QTest::keyClicks(Find<QLineEdit>(&p.picker, "txtYear"), "19");
    QCOMPARE(Find<QLineEdit>(&p.picker, "txtYear")->text(), QString("2026"));
    QCOMPARE(Year(p.picker.Date()), 2026);
  }

  // Arrows move by a day or a week, Page keys by a month; Enter takes the date, Escape cancels.
  void keyboardUse_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<TDate>("expected");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right into May, Enter")
        << QList<int>{Qt::Key_Right, Qt::Key_Return} << D(2026, 5, 1) << true;
    QTest::newRow("down a week, Enter")
        << QList<int>{Qt::Key_Down, Qt::Key_Enter} << D(2026, 5, 7) << true;
    QTest::newRow("left and up") << QList<int>{Qt::Key_Left, Qt::Key_Up, Qt::Key_Return}
                                 << D(2026, 4, 22) << true;
    QTest::newRow("page up clamps")
        << QList<int>{Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Return} << D(2026, 2, 28) << true;
    QTest::newRow("Escape cancels")
        << QList<int>{Qt::Key_Right, Qt::Key_Escape} << D(2026, 5, 1) << false;
  }
  void keyboardUse() {
    QFETCH(QList<int>, keys);
    QFETCH(TDate, expected);
    QFETCH(bool, accepted);
    TShownPicker p(D(2026, 4, 30));
    QVERIFY(Find<TPVCalendar>(&p.picker, "Calendar1")->hasFocus());
    for (int key : keys) QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(DateText(p.picker.Date()), DateText(expected));
    QVERIFY(!p.picker.isVisible());
    QCOMPARE(p.picker.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
  }

  // A double click takes the day clicked; on a greyed number that day is in the next month.
  void doubleClickTakesTheDay_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("number");
    QTest::addColumn<TDate>("expected");
    QTest::newRow("a day of the month") << 3 << "16" << D(2026, 4, 16);
    QTest::newRow("a greyed next-month day") << 5 << "1" << D(2026, 5, 1);
  }
  void doubleClickTakesTheDay() {
    QFETCH(int, row);
    QFETCH(QString, number);
    QFETCH(TDate, expected);
    TShownPicker p(D(2026, 4, 15));
    p.DoubleClick(p.ColumnOf(number, row), row);
    QCOMPARE(p.picker.result(), int(QDialog::Accepted));
    QVERIFY(!p.picker.isVisible());
    QCOMPARE(DateText(p.picker.Date()), DateText(expected));
  }

  void aReadOnlyGridKeepsItsDate() {
    TPVCalendar cal;
    cal.SetCalendarDate(D(2026, 4, 15));
    cal.SetReadOnly(true);
    cal.resize(cal.sizeHint());
    cal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cal));
    QTest::mouseClick(&cal, Qt::LeftButton, {}, cal.CellRect(6, 5).center());
    QTest::keyClick(&cal, Qt::Key_Right);
    QCOMPARE(DateText(cal.CalendarDate()), QString("2026-04-15"));
    cal.SetCalendarDate(D(2026, 9, 1));  // a program may still set the date
    QCOMPARE(cal.Col(), 2);
  }

  // PickDate reads the text in the pattern, starts today when it is no date, writes the chosen
  // date back on OK and leaves the text on Cancel.
  void pickDateReadsAndWritesTheText_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("shownFirst");
    QTest::addColumn<QString>("result");
    QTest::newRow("OK") << "mm/dd/yyyy"
                        << "12/25/2026" << true << "2026-12-25"
                        << "12/26/2026";
    QTest::newRow("day first") << "dd/mm/yyyy"
                               << "03/02/2025" << true << "2025-02-03"
                               << "04/02/2025";
    QTest::newRow("year first") << "yyyy/mm/dd"
                                << "2024/02/28" << true << "2024-02-28"
                                << "2024/02/29";
    QTest::newRow("not a date: today") << "mm/dd/yyyy"
                                       << "12/25" << true << "2026-06-10"
                                       << "06/11/2026";
    QTest::newRow("Cancel keeps the text") << "mm/dd/yyyy"
                                           << "12/25/2026" << false << "2026-12-25"
                                           << "12/25/2026";
  }
  void pickDateReadsAndWritesTheText() {
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, shownFirst);
    QFETCH(QString, result);
    SetTodayOverride(D(2026, 6, 10));
    QString shown;
    QString caption;
    SetPickDateHook([&](TfrmPickDate& picker) {
      shown = DateText(picker.Date());
      caption = picker.windowTitle();
      QTest::keyClick(Find<TPVCalendar>(&picker, "Calendar1"), Qt::Key_Right);
      QTest::mouseClick(ok ? picker.OkButton() : picker.CancelButton(), Qt::LeftButton);
    });
    QString dateText = text;
    QCOMPARE(PickDate(dateText, pattern), ok);
    QCOMPARE(shown, shownFirst);
    QCOMPARE(caption, QString("Select a Date"));
    QCOMPARE(dateText, result);
  }

  // A date box's calendar button puts the chosen date into the box.
  void pickDateForADateBox() {
    SetPickDateHook([](TfrmPickDate& picker) {
      QTest::keyClick(Find<TPVCalendar>(&picker, "Calendar1"), Qt::Key_Down);
      QTest::keyClick(Find<TPVCalendar>(&picker, "Calendar1"), Qt::Key_Return);
    });
    TDateEdit box;
    box.SetDateFormat("dd/mm/yyyy");
    box.setText("28/2/16");
    QVERIFY(PickDateFor(box));
    QCOMPARE(box.text(), QString("06/03/2016"));
    QCOMPARE(DateText(box.Date()), QString("2016-03-06"));
    SetPickDateHook([](TfrmPickDate& picker) {
      QTest::keyClick(Find<TPVCalendar>(&picker, "Calendar1"), Qt::Key_Escape);
    });
    QVERIFY(!PickDateFor(box));
    QCOMPARE(box.text(), QString("06/03/2016"));
  }

  // Callers open the picker under the wait cursor; the picker shows the normal pointer and gives
  // the caller's cursor back when it closes.
  void thePickerShowsTheNormalPointer() {
    TWaitCursor wait;
    Qt::CursorShape whileOpen = Qt::BlankCursor;
    SetPickDateHook([&](TfrmPickDate& picker) {
      whileOpen = QApplication::overrideCursor()->shape();
      picker.reject();
    });
    QString text = "01/01/2026";
    PickDate(text, "mm/dd/yyyy");
    QCOMPARE(whileOpen, Qt::ArrowCursor);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }

  // Without a hook PickDate runs the picker modally.
  void pickDateRunsModally() {
    QTimer::singleShot(0, [] {
      auto* picker = qobject_cast<TfrmPickDate*>(QApplication::activeModalWidget());
      QVERIFY(picker);
      QTest::keyClick(Find<TPVCalendar>(picker, "Calendar1"), Qt::Key_Left);
      QTest::keyClick(Find<TPVCalendar>(picker, "Calendar1"), Qt::Key_Return);
    });
    QString text = "03/01/2026";
    QVERIFY(PickDate(text, "mm/dd/yyyy"));
    QCOMPARE(text, QString("02/28/2026"));
  }
};

ABSENCE_UI_SUITE("pick_date", PickDateTest)
#include "pick_date_test.moc"
