// The holiday windows of the Global Absence list, driven by clicks and keys: the rules editor
// with a starter set and its faults, a year added, undone and redone, and a calendar imported
// twice.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>
#include <memory>

#include "../core/reports/report_data_set.h"
#include "convert/holidays/holiday_rules.h"
#include "dialog_support.h"
#include "suites.h"
#include "support.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/reports/holiday_windows.h"
#include "ui/reports/time_list.h"

using namespace absence;
using namespace absence::ui;
using absence::ui::test::Find;

namespace {

constexpr int32_t kHoliday = 3;

// The report organisation in a session and its Global Absence list, shown for 2030.
struct THolidayFixture {
  ui::test::TTempEnvironment env;
  TDataSession session{env.DataFolder().toStdString()};
  std::unique_ptr<TfrmTimeList> w;

  THolidayFixture() {
    SetTodayOverride(EncodeDate(2029, 12, 1));
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, env.DataFolder().toStdString(), false);
    if (!session.Load()) qFatal("the data set did not load");
    w = std::make_unique<TfrmTimeList>(session, TEntryKind::Global, 0, 2030);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) qFatal("window not shown");
  }
  void Click(const char* button) {
    QTest::mouseClick(Find<QPushButton>(w.get(), button), Qt::LeftButton);
  }
  // The live global entries of 2030 as "MM/DD hours", in list order.
  QStringList Globals2030() const {
    QStringList out;
    for (const auto& e : session.Data().GlobalList)
      if (e->IsLive() && Year(e->EntryDate) == 2030)
        out << QString::asprintf("%02d/%02d %g", Month(e->EntryDate), Day(e->EntryDate),
                                 static_cast<double>(e->Hours));
    return out;
  }
  int Copies2030(int32_t empID) const {
    int n = 0;
    for (const auto& e : session.Employee(empID)->Entries)
      n += e->IsLive() && e->IsGlobal() && Year(e->EntryDate) == 2030;
    return n;
  }
};

QStringList Column(QTableView* view, int column) {
  QStringList out;
  for (int r = 0; r < view->model()->rowCount(); ++r)
    out << view->model()->index(r, column).data().toString();
  return out;
}

void ClickOK(QDialog& dlg) {
  QTest::mouseClick(Find<QPushButton>(&dlg, "cmdOK"), Qt::LeftButton);
}

void TypeYear(QSpinBox* box, int year) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, QString::number(year));
  QTest::keyClick(box, Qt::Key_Tab);
}

const char* const kIssueRules =
    "New Year's Day: 01/01 observed\n"
    "Memorial Day: last Monday of May\n"
    "Thanksgiving: 4th Thursday of November\n"
    "Good Friday: Easter -2\n";

}  // namespace

class HolidaysTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() {
    SetTodayOverride(std::nullopt);
    SetFileDialogHook(nullptr);
  }

  // A year of holidays: the preview lists the days, OK adds them as one change that reaches
  // the employees, Undo takes all of them back, Redo brings them again; the next year's
  // preview of the same days says they are there.
  void addYearUndoRedo() {
    THolidayFixture f;
    WriteHolidayRulesText(f.session.Folder(), kIssueRules);
    const int undoBefore = f.session.History()->count();
    ui::test::TDialogDriver driver([&](QDialog& dlg) {
      auto* year = Find<QSpinBox>(&dlg, "spnYear");
      QCOMPARE(year->value(), 2030);
      TypeYear(year, 2029);
      auto* days = Find<QTableView>(&dlg, "lstDays");
      QCOMPARE(Column(days, 0).size(), 4);
      TypeYear(year, 2030);
      QVERIFY(ui::test::ChooseByKeys(Find<QComboBox>(&dlg, "cboReason"), "Holiday"));
      auto* hours = Find<QDoubleSpinBox>(&dlg, "spnHours");
      hours->setFocus();
      QTest::keyClick(hours, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(hours, "7.5");
      QTest::keyClick(hours, Qt::Key_Tab);
      QCOMPARE(Column(days, 0),
               QStringList({"01/01/2030", "04/19/2030", "05/27/2030", "11/28/2030"}));
      QCOMPARE(Column(days, 1),
               QStringList({"New Year's Day", "Good Friday", "Memorial Day", "Thanksgiving"}));
      QCOMPARE(Column(days, 2), QStringList(4, "Holiday"));
      QCOMPARE(Column(days, 4), QStringList(4, "Add"));
      QCOMPARE(Find<QLabel>(&dlg, "lblSummary")->text(), "4 day(s) to add, 0 already there.");
      ClickOK(dlg);
    });
    f.Click("btnAddHolidays");
    QCOMPARE(driver.Runs(), 1);
    const QStringList added{"01/01 7.5", "04/19 7.5", "05/27 7.5", "11/28 7.5"};
    QCOMPARE(f.Globals2030(), added);
    QCOMPARE(f.Copies2030(1), 4);  // Ann
    QCOMPARE(f.Copies2030(2), 0);  // Bo left in 2024
    QCOMPARE(f.session.History()->count(), undoBefore + 1);
    QCOMPARE(f.session.History()->undoText(), "Add 4 global entries: holidays of 2030");

    f.session.History()->undo();
    QCOMPARE(f.Globals2030(), QStringList());
    QCOMPARE(f.Copies2030(1), 0);
    f.session.History()->redo();
    QCOMPARE(f.Globals2030(), added);
    QCOMPARE(f.Copies2030(3), 4);  // Cy

    ui::test::TDialogDriver again([&](QDialog& dlg) {
      QVERIFY(ui::test::ChooseByKeys(Find<QComboBox>(&dlg, "cboReason"), "Holiday"));
      QCOMPARE(Column(Find<QTableView>(&dlg, "lstDays"), 4), QStringList(4, "Already there"));
      QVERIFY(!Find<QPushButton>(&dlg, "cmdOK")->isEnabled());
      // With another reason the same days are new again.
      QVERIFY(ui::test::ChooseByKeys(Find<QComboBox>(&dlg, "cboReason"), "Sick"));
      QVERIFY(Find<QPushButton>(&dlg, "cmdOK")->isEnabled());
      dlg.reject();
    });
    f.Click("btnAddHolidays");
    QCOMPARE(f.session.History()->count(), undoBefore + 1);
  }

  // Without a rules file the editor starts from a chosen starter set; faulty lines are named
  // and keep the window open; good rules are written and shown again next time.
  void rulesEditorStartsFromASetAndRefusesFaults() {
    THolidayFixture f;
    ui::test::TMessageBoxSpy boxes;
    boxes.Answer(mbOK);
    ui::test::TDialogDriver driver([&](QDialog& dlg) {
      auto* text = Find<QPlainTextEdit>(&dlg, "txtRules");
      QVERIFY(ui::test::ChooseByKeys(Find<QComboBox>(&dlg, "cboStarter"), "Germany (nationwide)"));
      QVERIFY(text->toPlainText().contains("Whit Monday (Pfingstmontag): Easter +50"));
      text->setFocus();
      QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
      QTest::keyClicks(text, "Company Day 07/01");
      QTest::keyClick(text, Qt::Key_Return);
      ClickOK(dlg);
      QVERIFY(dlg.isVisible());
      QCOMPARE(boxes.Calls().size(), std::size_t{1});
      const int line = static_cast<int>(text->toPlainText().count('\n'));
      QCOMPARE(boxes.Calls()[0].Details,
               QString("Line %1: a rule is written NAME: WHEN, like \"Memorial Day: last "
                       "Monday of May\".\r")
                   .arg(line));
      // The missing colon typed in place of the space before the day.
      QTest::keyClick(text, Qt::Key_Up);
      QTest::keyClick(text, Qt::Key_End);
      for (int i = 0; i < 5; ++i) QTest::keyClick(text, Qt::Key_Left);
      QTest::keyClick(text, Qt::Key_Backspace);
      QTest::keyClicks(text, ": ");
      ClickOK(dlg);
      QVERIFY(!dlg.isVisible());
    });
    f.Click("btnHolidayRules");
    const auto saved = ReadHolidayRulesText(f.session.Folder());
    QVERIFY(saved.has_value());
    QVERIFY(saved->ends_with("Boxing Day (2. Weihnachtstag): 12/26\nCompany Day: 07/01\n"));

    ui::test::TDialogDriver again([&](QDialog& dlg) {
      QVERIFY(!dlg.findChild<QComboBox*>("cboStarter"));
      QCOMPARE(Find<QPlainTextEdit>(&dlg, "txtRules")->toPlainText().toStdString(), *saved);
      dlg.reject();
    });
    f.Click("btnHolidayRules");
  }

  // A calendar's days are previewed and added once; the second import skips them all.
  void calendarImportedTwiceAddsItsDaysOnce() {
    THolidayFixture f;
    const QString ics = f.env.DataFolder() + "/days.ics";
    QFile file(ics);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//T//EN\r\n"
        "BEGIN:VEVENT\r\nUID:a@t\r\nDTSTAMP:20240101T000000Z\r\n"
        "DTSTART;VALUE=DATE:20300527\r\nSUMMARY:Memorial Day\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:b@t\r\nDTSTAMP:20240101T000000Z\r\n"
        "DTSTART;VALUE=DATE:20301225\r\nDTEND;VALUE=DATE:20301227\r\n"
        "SUMMARY:Christmas\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    file.close();
    SetFileDialogHook([&](const TFileDialogCall&) -> std::optional<QString> { return ics; });
    const auto run = [&](const QStringList& what) {
      ui::test::TDialogDriver driver([&](QDialog& dlg) {
        QTest::mouseClick(Find<QPushButton>(&dlg, "btnBrowse"), Qt::LeftButton);
        QVERIFY(ui::test::ChooseByKeys(Find<QComboBox>(&dlg, "cboReason"), "Holiday"));
        auto* days = Find<QTableView>(&dlg, "lstDays");
        QCOMPARE(Column(days, 1), QStringList({"Memorial Day", "Christmas", "Christmas"}));
        QCOMPARE(Column(days, 4), what);
        auto* ok = Find<QPushButton>(&dlg, "cmdOK");
        if (ok->isEnabled())
          ClickOK(dlg);
        else
          dlg.reject();
      });
      f.Click("btnImportHolidays");
    };
    run(QStringList(3, "Add"));
    QCOMPARE(f.Globals2030(), QStringList({"05/27 8", "12/25 8", "12/26 8"}));
    run(QStringList(3, "Already there"));
    QCOMPARE(f.Globals2030().size(), 3);
  }
};

ABSENCE_UI_SUITE("holidays", HolidaysTest)
#include "holidays_test.moc"
