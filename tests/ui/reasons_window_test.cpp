// The reason list, its dialog and the policy wizard driven by clicks and keys.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include "data/json_dump.h"
#include "dialog_support.h"
#include "list_support.h"
#include "maintenance_test.h"
#include "screenshots.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/help.h"
#include "ui/common/help_viewer.h"
#include "ui/common/num_edit.h"
#include "ui/maintenance/reason_rec.h"
#include "ui/maintenance/reasons_window.h"
#include "ui/maintenance/rule_wizard.h"

namespace absence::ui::test {
namespace {

QTableView* ReasonList(QWidget& w) {
  return ListView(&w, "grdReasons");
}

// Types an "up to" period and hours on the details page and presses Next.
void EnterRule(TfrmRuleWizard& w, int upTo, bool years, double hours, bool forPeriod) {
  Find<QLineEdit>(&w, "txtEnd")->selectAll();
  QTest::keyClicks(Find<QLineEdit>(&w, "txtEnd"), QString::number(upTo));
  QTest::mouseClick(
      years ? Find<QRadioButton>(&w, "btnEndYears") : Find<QRadioButton>(&w, "btnEndMonths"),
      Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
  Find<TNumEdit>(&w, "txtHours")->setFocus();
  Find<TNumEdit>(&w, "txtHours")->selectAll();
  QTest::keyClicks(Find<TNumEdit>(&w, "txtHours"), QString::number(hours));
  QTest::mouseClick(
      forPeriod ? Find<QRadioButton>(&w, "btnPeriodHours") : Find<QRadioButton>(&w, "btnYearHours"),
      Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
  QTest::mouseClick(Find<QPushButton>(&w, "cmdNext"), Qt::LeftButton);
}

}  // namespace

void ReasonsWindowTest::init() {
  env_ = std::make_unique<TTempEnvironment>();
  SetTodayOverride(kToday);
  session_ = std::make_unique<TDataSession>(env_->DataFolder().toStdString());
  org_ = std::make_unique<TSampleOrg>(*session_);
}

void ReasonsWindowTest::cleanup() {
  SetDialogHook(nullptr);
  org_.reset();
  session_.reset();
  env_.reset();
}

void ReasonsWindowTest::duplicateDescriptionsAndPolicyOffOn() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  d.ReasonList[0]->Delete(d.EmpList, d.GlobalList);  // Holiday in the trash
  TfrmReasons w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QCOMPARE(RowCount(ReasonList(w)), 2);
  QVERIFY(ToolButton(&w, "spdUnDo")->isEnabled());
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  spy.Answer(mbOK);
  // Sick renamed to Vacation, then to Holiday, then kept; the policy is switched on.
  TDialogDriver driver([&](QDialog& dialog) {
    auto& dlg = static_cast<TfrmReasonRec&>(dialog);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Absence Reason"));
    for (const char* name : {"Vacation", "Holiday"}) {
      Find<QLineEdit>(&dlg, "txtReason")->selectAll();
      QTest::keyClicks(Find<QLineEdit>(&dlg, "txtReason"), name);
      QTest::keyClick(Find<QLineEdit>(&dlg, "txtReason"), Qt::Key_Return);
      QVERIFY(dlg.isVisible());
    }
    Find<QLineEdit>(&dlg, "txtReason")->selectAll();
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtReason"), "Sick");
    QTest::mouseClick(Find<QCheckBox>(&dlg, "chkRules"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(6, 6));
    QVERIFY(Find<QGroupBox>(&dlg, "BasisGroup")->isEnabled());
    QVERIFY(dlg.Basis() == TBasis::Calendar);
    QTest::keyClick(Find<QLineEdit>(&dlg, "txtReason"), Qt::Key_Return);
  });
  ClickRow(ReasonList(w), 0);  // Sick
  QTest::mouseClick(ToolButton(&w, "spdEditRec"), Qt::LeftButton);
  QCOMPARE(spy.Calls().size(), 2u);
  QCOMPARE(spy.Calls()[0].Text,
           QStringLiteral("A record for this reason already exists.  Please change the reason "
                          "and try again."));
  QCOMPARE(spy.Calls()[1].Text,
           QStringLiteral("A record for this reason already exits, but has been deleted.  Please "
                          "change the reason or Undelete the existing record."));
  const TReasonRecClass* sick = session_->Reason(org_->Sick);
  QVERIFY(sick->HasPolicy);
  QCOMPARE(sick->Rules.size(), 1u);
  QCOMPARE(Cell(ReasonList(w), 0, 3), QStringLiteral("Calendar"));
  QVERIFY(ToolButton(&w, "spdPolicy")->isEnabled());
  for (const auto& e : d.EmpList) {
    const int i = FindAccrual(e->Accruals, org_->Sick);
    QVERIFY(i >= 0);
    QCOMPARE(e->Accruals[static_cast<size_t>(i)]->AsOfDate, e->StartDate);
  }
  QVERIFY(NoCutTexts(&w));
  SaveScreenshot(&w, QStringLiteral("reasons"));
}

// Examples opens the help window over the wizard at the worked policy examples, whose links
// lead to pages that exist.
void ReasonsWindowTest::examplesShowTheWorkedPolicies() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TReasonRecClass* vacation = d.ReasonList[2].get();
  vacation->HasPolicy = true;
  AddRule(vacation->Rules, 0, kMaxRuleMonths, 0, 0);
  TfrmReasons w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  ClickRow(ReasonList(w), 2);
  QString topic, text, html;
  QTimer closer;
  closer.setInterval(20);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* help = qobject_cast<TfrmHelp*>(QApplication::activeModalWidget())) {
      topic = help->CurrentTopic() ? help->CurrentTopic()->Name : QString();
      text = help->Browser()->toPlainText();
      html = help->Browser()->toHtml();
      help->close();
    }
  });
  TDialogDriver driver([&](QDialog& dialog) {
    closer.start();
    QTest::mouseClick(Find<QPushButton>(&dialog, "cmdExample"), Qt::LeftButton);
    closer.stop();
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(Find<QPushButton>(&dialog, "BitBtn1"), Qt::LeftButton);
  });
  QTest::mouseClick(ToolButton(&w, "spdPolicy"), Qt::LeftButton);
  QCOMPARE(driver.Runs(), 1);
  QCOMPARE(topic, QStringLiteral("Policy_Examples"));
  for (const char* example : {"Calendar year", "Anniversary year", "User-defined year",
                              "service tiers", "carry-over limit"})
    QVERIFY2(text.contains(QLatin1String(example), Qt::CaseInsensitive), example);
  QStringList pages;
  for (const THelpTopic& t : HelpTopics()) pages << t.Page.section(u'/', -1);
  const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
  int links = 0;
  for (const auto& m : link.globalMatch(html)) {
    ++links;
    QVERIFY2(pages.contains(m.captured(1).section(u'/', -1)), qPrintable(m.captured(1)));
  }
  QVERIFY(links > 0);
}

// Unticking the policy names what goes and asks first; No keeps everything, Yes takes tiers and
// balances away in one change that undo brings back exactly.
void ReasonsWindowTest::untickingThePolicyAsksAndIsUndone() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TReasonRecClass& vacation =
      *d.ReasonList[static_cast<size_t>(FindReason(d.ReasonList, org_->Vacation, ""))];
  vacation.HasPolicy = true;
  vacation.Basis = TBasis::Calendar;
  vacation.Validate = TValidate::YearEnd;
  AddRule(vacation.Rules, 0, 12, 40, 0);
  AddRule(vacation.Rules, 12, kMaxRuleMonths, 80, 8);
  for (auto& e : d.EmpList) SetAccrual(e->Accruals, org_->Vacation, 24, e->StartDate);
  const std::string before = DumpJson(session_->Data());
  TfrmReasons w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  TDialogDriver driver([&](QDialog& dialog) {
    auto& dlg = static_cast<TfrmReasonRec&>(dialog);
    QTest::mouseClick(Find<QCheckBox>(&dlg, "chkRules"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(6, 6));
    QVERIFY(!dlg.HasPolicy());
    QTest::keyClick(Find<QLineEdit>(&dlg, "txtReason"), Qt::Key_Return);
  });
  TMessageBoxSpy spy;
  spy.Answer(mbNo);
  spy.Answer(mbYes);
  ClickRow(ReasonList(w), RowOfRecord(ReasonList(w), org_->Vacation));
  QTest::mouseClick(ToolButton(&w, "spdEditRec"), Qt::LeftButton);
  QCOMPARE(spy.Calls().size(), 1u);
  QCOMPARE(spy.Calls()[0].Text,
           QStringLiteral("Without an accrual policy, \"Vacation\" loses its 2 tiers and the "
                          "opening balances of 3 employees.\r\rRemove the accrual policy?"));
  QCOMPARE(DumpJson(session_->Data()), before);

  ClickRow(ReasonList(w), RowOfRecord(ReasonList(w), org_->Vacation));
  QTest::mouseClick(ToolButton(&w, "spdEditRec"), Qt::LeftButton);
  QCOMPARE(spy.Calls().size(), 2u);
  QVERIFY(!session_->Reason(org_->Vacation)->HasPolicy);
  QVERIFY(session_->Reason(org_->Vacation)->Rules.empty());
  for (const auto& e : session_->Data().EmpList)
    QCOMPARE(FindAccrual(e->Accruals, org_->Vacation), -1);
  const std::string after = DumpJson(session_->Data());
  session_->History()->undo();
  QCOMPARE(DumpJson(session_->Data()), before);
  session_->History()->redo();
  QCOMPARE(DumpJson(session_->Data()), after);
}

void ReasonsWindowTest::wizardLadderBackAndCancel() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TReasonRecClass* vacation = d.ReasonList[2].get();
  vacation->HasPolicy = true;
  AddRule(vacation->Rules, 0, kMaxRuleMonths, 0, 0);
  TfrmReasons w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  ClickRow(ReasonList(w), 2);
  QVERIFY(ToolButton(&w, "spdPolicy")->isEnabled());
  // Cancel on the details page leaves the rules.
  {
    TDialogDriver driver([&](QDialog& dialog) {
      auto& wiz = static_cast<TfrmRuleWizard&>(dialog);
      QCOMPARE(wiz.windowTitle(), QStringLiteral("Benefit Policy Wizard Vacation"));
      QTest::mouseClick(Find<QPushButton>(&wiz, "cmdNext"), Qt::LeftButton);
      EnterRule(wiz, 1, true, 40, false);
      QTest::mouseClick(Find<QPushButton>(&wiz, "BitBtn1"), Qt::LeftButton);
    });
    QTest::mouseClick(ToolButton(&w, "spdPolicy"), Qt::LeftButton);
    QCOMPARE(vacation->Rules.size(), 1u);
  }
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  TDialogDriver driver([&](QDialog& dialog) {
    auto& wiz = static_cast<TfrmRuleWizard&>(dialog);
    QTest::mouseClick(Find<QPushButton>(&wiz, "cmdNext"), Qt::LeftButton);
    QVERIFY(!Find<QLineEdit>(&wiz, "txtStart")->isVisible());
    EnterRule(wiz, 6, false, 40, true);  // 40 for 6 months
    EnterRule(wiz, 3, false, 8, false);  // not beyond 6 months: refused
    QCOMPARE(spy.Calls().size(), 1u);
    EnterRule(wiz, 5, true, 80, false);
    // Back without storing: the 6-month rule shows its 40 hours for the period again.
    Find<QLineEdit>(&wiz, "txtEnd")->selectAll();
    QTest::keyClicks(Find<QLineEdit>(&wiz, "txtEnd"), "70");
    QTest::mouseClick(Find<QPushButton>(&wiz, "cmdBack"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(&wiz, "cmdBack"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(&wiz, "txtEnd")->text(), QStringLiteral("6"));
    QVERIFY(Find<QRadioButton>(&wiz, "btnPeriodHours")->isChecked());
    QCOMPARE(Find<TNumEdit>(&wiz, "txtHours")->Value(), 40.0);
    QTest::mouseClick(Find<QPushButton>(&wiz, "cmdNext"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(&wiz, "txtStart")->text(), QStringLiteral("6"));
    QCOMPARE(Find<QLineEdit>(&wiz, "txtEnd")->text(), QStringLiteral("5"));
    EnterRule(wiz, 5, true, 80, false);
    EnterRule(wiz, 100, true, 120, false);  // beyond 80 years: the last rule
    QCOMPARE(Find<QStackedWidget>(&wiz, "ntWizard")->currentIndex(), 2);
    QCOMPARE(Find<QPushButton>(&wiz, "cmdNext")->text(), QStringLiteral("&Finish"));
    QTableView* grid = ListView(&wiz, "grdPolicy");
    QCOMPARE(RowCount(grid), 3);
    QCOMPARE(Cell(grid, 0, 2), QStringLiteral(" 40.00 hours for the period"));
    QCOMPARE(Cell(grid, 2, 1), QStringLiteral(" 80 years"));
    QVERIFY(NoCutTexts(&wiz));
    SaveScreenshot(&wiz, QStringLiteral("policy_wizard"));
    // Back from the finish page, shorten the last rule: a new last rule follows it.
    QTest::mouseClick(Find<QPushButton>(&wiz, "cmdBack"), Qt::LeftButton);
    EnterRule(wiz, 10, true, 120, false);
    EnterRule(wiz, 80, true, 160, false);
    QTest::mouseClick(Find<QPushButton>(&wiz, "cmdNext"), Qt::LeftButton);
  });
  QTest::mouseClick(ToolButton(&w, "spdPolicy"), Qt::LeftButton);
  const int32_t bounds[][2] = {{0, 6}, {6, 60}, {60, 120}, {120, 960}};
  QCOMPARE(vacation->Rules.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    QCOMPARE(vacation->Rules[i]->StartMonth, bounds[i][0]);
    QCOMPARE(vacation->Rules[i]->EndMonth, bounds[i][1]);
  }
  QCOMPARE(vacation->Rules[0]->Hours, 80.0f);
}

void ReasonsWindowTest::undoRestoresTrashedReasons() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass* smith = &absence::ui::test::TestEmp(*session_, org_->Smith);
  AddEntry(smith->Entries, d.EmpList, d.ReasonList, org_->Sick, kToday - 3, 8, TEntryKind::Own);
  TfrmReasons w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QVERIFY(!ToolButton(&w, "spdUnDo")->isEnabled());
  // Holiday, Sick, Vacation: the last two picked with Ctrl and deleted.
  ClickRow(ReasonList(w), 1);
  ClickRow(ReasonList(w), 2, Qt::ControlModifier);
  QCOMPARE(PickedRows(ReasonList(w)), (QList<int>{1, 2}));
  QTest::mouseClick(ToolButton(&w, "spdDeleteRec"), Qt::LeftButton);
  QCOMPARE(RowCount(ReasonList(w)), 1);
  QVERIFY(ToolButton(&w, "spdUnDo")->isEnabled());
  QVERIFY(smith->Entries[0]->ReasonDeleted);
  // Each Undo restores what is chosen; the rest stays in the trash.
  struct TStep {
    QString restore;
    int rows;
    bool undoAfter;
  };
  const TStep steps[] = {{"Sick", 2, true}, {"Vacation", 3, false}};
  for (const TStep& step : steps) {
    TDialogDriver driver([&](QDialog& dialog) {
      auto* list = dialog.findChild<QListView*>(QStringLiteral("lstDeleted"));
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Restore Absence Reasons"));
      const QModelIndexList found = list->model()->match(
          list->model()->index(0, 0), Qt::DisplayRole, step.restore, 1, Qt::MatchExactly);
      QCOMPARE(found.size(), 1);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                        list->visualRect(found.front()).center());
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    QTest::mouseClick(ToolButton(&w, "spdUnDo"), Qt::LeftButton);
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(RowCount(ReasonList(w)), step.rows);
    QCOMPARE(ToolButton(&w, "spdUnDo")->isEnabled(), step.undoAfter);
  }
  // The entries of a restored reason count again.
  QVERIFY(!smith->Entries[0]->ReasonDeleted);
  QCOMPARE(Cell(ReasonList(w), 1, 0), QStringLiteral("Sick"));
}

}  // namespace absence::ui::test
