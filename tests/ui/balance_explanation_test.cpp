// The window that explains a balance: the same text as `absence-cli explain`, ending in the
// figure `absence-cli accrued` gives, with Copy, Close and Escape.
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <algorithm>

#include "calendar_window.h"
#include "cli_runner.h"
#include "data/dataset.h"
#include "data/sample.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/help.h"
#include "ui/main/balance_explanation.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;

namespace {

// A calendar-year vacation with three service bands and an anniversary-year personal reason.
// Employee 1 has records for both and took hours; employee 2 has no record; employee 3 was
// terminated in 2000.
TDataSet SampleData() {
  TDataSet d;
  int32_t id = 1;
  AddReason(d.ReasonList, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd, id);
  AddRule(d.ReasonList[0]->Rules, 0, 12, 40, 0);
  AddRule(d.ReasonList[0]->Rules, 12, 60, 80, 40);
  AddRule(d.ReasonList[0]->Rules, 60, 960, 120, 80);
  id = 2;
  AddReason(d.ReasonList, "Personal", true, true, TBasis::Anniversary, TValidate::YearEnd, id);
  AddRule(d.ReasonList[1]->Rules, 0, 960, 24, 8);
  id = 1;
  AddEmp(d.EmpList, "Able", "Ann", "", EncodeDate(1999, 6, 15), 0, 0, 'F', id);
  id = 2;
  AddEmp(d.EmpList, "Baker", "Bo", "", EncodeDate(1999, 6, 15), 0, 0, 'F', id);
  id = 3;
  AddEmp(d.EmpList, "Cole", "Cy", "", EncodeDate(1998, 3, 2), EncodeDate(2000, 8, 31), 0, 'F', id);
  for (int emp : {0, 2})
    for (int32_t reason : {1, 2})
      SetAccrual(d.EmpList[emp]->Accruals, reason, 10, EncodeDate(2000, 1, 1));
  for (TDate day : {EncodeDate(2000, 3, 6), EncodeDate(2000, 7, 3), EncodeDate(2001, 5, 14),
                    EncodeDate(2002, 12, 23)})
    AddEntry(d.EmpList[0]->Entries, d.EmpList, d.ReasonList, 1, day, 8, TEntryKind::Own);
  AddEntry(d.EmpList[0]->Entries, d.EmpList, d.ReasonList, 2, EncodeDate(2001, 2, 9), 4,
           TEntryKind::Own);
  return d;
}

std::string Iso(TDate d) {
  return FormatDate(d, std::string("yyyy-mm-dd"));
}

QString Cli(const QString& args, const ui::test::TTempEnvironment& env) {
  const absence::test::TCliRun run =
      absence::test::RunCli(QStringLiteral("--data %1 --ini %2 %3")
                                .arg(env.DataFolder(), env.IniPath(), args)
                                .toStdString());
  return QString::fromStdString(run.Out);
}

// The figure a line of the explanation starts with ("Used: 16.0, 2 entries ..." gives "16.0").
QString FigureOf(const QStringList& lines, const QString& label) {
  for (const QString& line : lines)
    if (line.startsWith(label + u':'))
      return line.mid(label.size() + 2).section(u' ', 0, 0).remove(u',');
  return QStringLiteral("<no line>");
}

// The indented lines under the "Used" line: the entries counted.
QStringList UsedLines(const QStringList& lines) {
  QStringList used;
  bool inside = false;
  for (const QString& line : lines) {
    if (line.startsWith("Used:"))
      inside = true;
    else if (!line.startsWith(u' '))
      inside = false;
    else if (inside)
      used << line.simplified();
  }
  return used;
}

}  // namespace

class BalanceExplanationTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }

  // The window shows what `explain` prints, ending in what `accrued` prints.
  void theTextIsTheCommandLineExplanation_data() {
    QTest::addColumn<int>("emp");
    QTest::addColumn<int>("reason");
    QTest::addColumn<TDate>("asOf");
    QTest::newRow("first band") << 1 << 1 << EncodeDate(2000, 6, 1);
    QTest::newRow("taken and capped") << 1 << 1 << EncodeDate(2001, 2, 1);
    QTest::newRow("into the third band") << 1 << 1 << EncodeDate(2004, 9, 1);
    QTest::newRow("anniversary year") << 1 << 2 << EncodeDate(2002, 6, 15);
    QTest::newRow("no record") << 2 << 1 << EncodeDate(2001, 2, 1);
    QTest::newRow("terminated, expired") << 3 << 1 << EncodeDate(2003, 1, 1);
    QTest::newRow("terminated, still open") << 3 << 2 << EncodeDate(2000, 12, 1);
  }
  void theTextIsTheCommandLineExplanation() {
    QFETCH(int, emp);
    QFETCH(int, reason);
    QFETCH(TDate, asOf);
    ui::test::TTempEnvironment env;
    TDataSet data = SampleData();
    SaveDataSet(data, App().AppFolder, /*reload=*/true);
    App().DatePattern = QStringLiteral("yyyy-mm-dd");

    TfrmBalanceExplanation window(ExplainBalance(data, emp, reason, asOf));
    const QString args =
        QStringLiteral("%1 %2 %3").arg(emp).arg(reason).arg(QString::fromStdString(Iso(asOf)));
    const QString accrued = Cli(QStringLiteral("accrued ") + args, env).trimmed();
    QVERIFY(!accrued.isEmpty());
    QCOMPARE(window.Text().split(u'\n').last(), accrued);
    QCOMPARE(window.Text() + u'\n', Cli(QStringLiteral("explain ") + args, env));
  }

  // The window explains the panel's three figures as `absence-cli explain --balance` does, and
  // they are the figures `absence-cli balances` prints for the same day.
  void thePanelFiguresAreTheCommandLines_data() {
    QTest::addColumn<int>("emp");
    QTest::addColumn<int>("reason");
    QTest::addColumn<TDate>("date");
    QTest::newRow("taken and capped") << 1 << 1 << EncodeDate(2001, 1, 20);
    QTest::newRow("month end, several entries") << 1 << 1 << EncodeDate(2000, 12, 30);
    QTest::newRow("anniversary year") << 1 << 2 << EncodeDate(2001, 12, 1);
    QTest::newRow("no record, entries used") << 2 << 1 << EncodeDate(2000, 7, 1);
    QTest::newRow("terminated, expired") << 3 << 1 << EncodeDate(2003, 1, 4);
  }
  void thePanelFiguresAreTheCommandLines() {
    QFETCH(int, emp);
    QFETCH(int, reason);
    QFETCH(TDate, date);
    ui::test::TTempEnvironment env;
    TDataSet data = SampleData();
    // Employee 2 took hours without an accrual record.
    AddEntry(data.EmpList[1]->Entries, data.EmpList, data.ReasonList, 1, EncodeDate(2000, 5, 2),
             6.5f, TEntryKind::Own);
    SaveDataSet(data, App().AppFolder, /*reload=*/true);
    App().DatePattern = QStringLiteral("yyyy-mm-dd");
    App().Settings.HourFormat = THourFormat::Hundredth;

    const QString text =
        TfrmBalanceExplanation(ExplainPanelBalance(data, emp, reason, date)).Text();
    const QString day = QString::fromStdString(Iso(date));
    QCOMPARE(text + u'\n',
             Cli(QStringLiteral("explain %1 %2 %3 --balance").arg(emp).arg(reason).arg(day), env));
    QString row;
    for (const QString& line :
         Cli(QStringLiteral("balances %1 --emp %2").arg(day).arg(emp), env).split(u'\n'))
      if (line.section(u'\t', 1, 1) == QString::number(reason)) row = line;
    QVERIFY(!row.isEmpty());
    const QStringList lines = text.split(u'\n');
    const auto same = [](const QString& shown, const QString& printed) {
      return printed.isEmpty() ? shown == "none" || shown.toDouble() == 0
                               : shown.toDouble() == printed.toDouble();
    };
    QVERIFY2(same(FigureOf(lines, "Used"), row.section(u'\t', 3, 3)), qPrintable(text));
    QVERIFY2(same(FigureOf(lines, "Available"), row.section(u'\t', 4, 4)), qPrintable(text));
    QVERIFY2(same(FigureOf(lines, "Balance"), row.section(u'\t', 5, 5)), qPrintable(text));
  }

  // A double click on a balances row explains that row's figures for the panel's day, for a
  // reason with a policy and for one without (used hours only); the Used lines are the
  // employee's entries of the reason in the year, a day just recorded by a drop among them.
  void aBalanceRowExplainsThePanelsFigures_data() {
    QTest::addColumn<QString>("reason");
    QTest::newRow("with a policy") << "Sick Leave";
    QTest::newRow("without a policy") << "Holiday";
  }
  void aBalanceRowExplainsThePanelsFigures() {
    QFETCH(QString, reason);
    SetTodayOverride(ui::test::kToday);
    struct TToday {
      ~TToday() { SetTodayOverride(std::nullopt); }
    } today;
    ui::test::TTempEnvironment env;
    WriteSampleOrganisation(App().AppFolder, ui::test::kToday);
    ui::test::TCalendarWindow cal;
    QVERIFY(cal.Choose("Haddad, Samir"));
    QVERIFY(cal.DragReason(qPrintable(reason), 1, 1));
    auto* table = ui::test::Find<QTableView>(cal.w.get(), "grdBalances");
    const QModelIndex cell =
        table->model()->match(table->model()->index(0, 0), Qt::DisplayRole, reason)[0];
    QString text;
    QTimer::singleShot(0, [&] {
      if (auto* window = qobject_cast<TfrmBalanceExplanation*>(QApplication::activeModalWidget())) {
        text = window->Text();
        window->close();
      }
    });
    const QPoint at = table->visualRect(cell).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY2(!text.isEmpty(), "no explanation window");
    const QStringList lines = text.split(u'\n');
    const auto number = [](QString shown) { return shown.remove(u',').toDouble(); };
    // The panel leaves a figure blank where the window says there is none (Used: 0).
    for (auto [label, column] :
         {std::pair{"Used", 2}, std::pair{"Available", 3}, std::pair{"Balance", 4}}) {
      const QString panel = cal.BalanceShown(qPrintable(reason), column);
      const QString window = FigureOf(lines, label);
      if (panel.isEmpty())
        QVERIFY2(window == "none" || number(window) == 0, qPrintable(text));
      else
        QVERIFY2(number(window) == number(panel), qPrintable(text));
    }
    QCOMPARE(FigureOf(lines, "Available") == "none",
             reason == "Holiday");  // no accrual record without a policy in the sample

    // The entries of the reason in the panel's calendar year, in date order.
    const int year = ui::test::Find<QLabel>(cal.w.get(), "lblBalanceYear")->text().toInt();
    const int32_t id = cal.ReasonID(qPrintable(reason));
    std::vector<std::pair<TDate, float>> expected;
    for (const auto& e : cal.Emp("Haddad, Samir").Entries)
      if (e->ReasonID == id && e->IsLive() && e->Hours >= 0 && Year(e->EntryDate) == year)
        expected.emplace_back(e->EntryDate, e->Hours);
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const QStringList used = UsedLines(lines);
    QCOMPARE(used.size(), int(expected.size()));
    double sum = 0;
    bool dropped = false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const QString date = FormatDate(expected[i].first, App().DatePattern);
      QCOMPARE(used[int(i)].section(u' ', 0, 0), date);
      QCOMPARE(number(used[int(i)].section(u' ', 1, 1)), double(expected[i].second));
      sum += expected[i].second;
      dropped = dropped || expected[i].first == ui::test::kStart + 8;
    }
    QVERIFY(dropped);
    QCOMPARE(sum, number(FigureOf(lines, "Used")));
  }

  // Dates in the window follow the user's date pattern.
  void datesFollowTheDatePattern() {
    ui::test::TTempEnvironment env;
    const TDataSet data = SampleData();
    App().DatePattern = QStringLiteral("dd/mm/yyyy");
    const QString text =
        TfrmBalanceExplanation(ExplainBalance(data, 1, 1, EncodeDate(2001, 2, 1))).Text();
    QVERIFY2(text.contains("as of 01/02/2001"), qPrintable(text));
    QVERIFY(!text.contains("2001-02-01"));
  }

  void copyPutsTheTextOnTheClipboard() {
    ui::test::TTempEnvironment env;
    const TDataSet data = SampleData();
    TfrmBalanceExplanation window(ExplainBalance(data, 1, 1, EncodeDate(2002, 3, 1)));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    QTest::mouseClick(window.findChild<QPushButton*>("cmdCopy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), window.Text());
    QVERIFY(window.Text().count(u'\n') > 5);
    QVERIFY(window.isVisible());
  }

  // Read-only, monospaced; Close and Escape close it.
  void readOnlyAndClosing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Close") << false;
    QTest::newRow("Escape") << true;
  }
  void readOnlyAndClosing() {
    QFETCH(bool, escape);
    ui::test::TTempEnvironment env;
    const TDataSet data = SampleData();
    TfrmBalanceExplanation window(ExplainBalance(data, 1, 1, EncodeDate(2002, 3, 1)));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("How this balance was reached"));
    auto* ledger = window.findChild<QPlainTextEdit*>("txtLedger");
    const QFontMetrics fm(ledger->font());
    QCOMPARE(fm.horizontalAdvance("iiii"), fm.horizontalAdvance("MMMM"));
    const QString before = window.Text();
    QTest::keyClicks(ledger, "xyz");
    QTest::keyClick(ledger, Qt::Key_Delete);
    QCOMPARE(window.Text(), before);
    if (escape)
      QTest::keyClick(ledger, Qt::Key_Escape);
    else
      QTest::mouseClick(window.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  // The entry point the balances panel calls: modal, on the session's data set, by identifiers.
  void showBalanceExplanationRunsModally() {
    ui::test::TTempEnvironment env;
    TDataSession session(App().AppFolder);
    absence::ui::test::TestData(session) = SampleData();
    QString title, last;
    QTimer::singleShot(0, [&] {
      auto* window = qobject_cast<TfrmBalanceExplanation*>(QApplication::activeModalWidget());
      QVERIFY(window);
      title = window->windowTitle();
      last = window->Text().split(u'\n').last();
      QTest::keyClick(window, Qt::Key_Escape);
    });
    QVERIFY(ShowBalanceExplanation(session, 2, 1, EncodeDate(2001, 2, 1)));
    QCOMPARE(title, QString("How this balance was reached"));
    // No accrual record: no available hours, so no balance.
    QVERIFY2(last.startsWith("Balance: none"), qPrintable(last));
    QVERIFY(!ShowBalanceExplanation(session, 9, 1, EncodeDate(2001, 2, 1)));
    QVERIFY(!ShowBalanceExplanation(session, 1, 9, EncodeDate(2001, 2, 1)));
  }

  void itsHelpTopicExists() {
    const THelpTopic* topic = FindHelpTopic(kBalanceExplanationHelpContext);
    QVERIFY(topic);
    QCOMPARE(topic->Name, QString("Balance_Explanation"));
    QVERIFY(QFile::exists(topic->Page));
    const auto found = SearchHelp("balance reached");
    QVERIFY(std::find(found.begin(), found.end(), topic) != found.end());
  }
};

ABSENCE_UI_SUITE("balance_explanation", BalanceExplanationTest)
#include "balance_explanation_test.moc"
