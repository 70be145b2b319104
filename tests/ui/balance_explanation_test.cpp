// The window that explains a balance: the same text as `absence-cli explain`, ending in the
// figure `absence-cli accrued` gives, with Copy, Close and Escape.
#include <QClipboard>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "cli_runner.h"
#include "data/dataset.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
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
  return FormatDate(d, "yyyy-mm-dd");
}

QString Cli(const QString& args, const ui::test::TTempEnvironment& env) {
  const absence::test::TCliRun run =
      absence::test::RunCli(QStringLiteral("--data %1 --ini %2 %3")
                                .arg(env.DataFolder(), env.IniPath(), args)
                                .toStdString());
  return QString::fromStdString(run.Out);
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
    QCOMPARE(last, QString("none"));
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
