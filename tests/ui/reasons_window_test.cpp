// The reason list, its dialog and the policy wizard driven by clicks and keys.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QUndoStack>

#include "data/json_dump.h"
#include "dialog_support.h"
#include "maintenance_test.h"
#include "screenshots.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/num_edit.h"
#include "ui/common/pick_grid.h"
#include "ui/maintenance/reason_rec.h"
#include "ui/maintenance/reasons_window.h"
#include "ui/maintenance/rule_wizard.h"

namespace absence::ui::test {
namespace {

void ClickRow(TPickGrid* g, int row) {
  QTest::mouseClick(g->Grid()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    g->Grid()->visualRect(g->Grid()->model()->index(row, 0)).center());
}

// Types an "up to" period and hours on the details page and presses Next.
void EnterRule(TfrmRuleWizard& w, int upTo, bool years, double hours, bool forPeriod) {
  w.txtEnd->selectAll();
  QTest::keyClicks(w.txtEnd, QString::number(upTo));
  QTest::mouseClick(years ? w.btnEndYears : w.btnEndMonths, Qt::LeftButton, Qt::NoModifier,
                    QPoint(6, 6));
  w.txtHours->setFocus();
  w.txtHours->selectAll();
  QTest::keyClicks(w.txtHours, QString::number(hours));
  QTest::mouseClick(forPeriod ? w.btnPeriodHours : w.btnYearHours, Qt::LeftButton, Qt::NoModifier,
                    QPoint(6, 6));
  QTest::mouseClick(w.cmdNext, Qt::LeftButton);
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
  QCOMPARE(w.Grid()->RecordCount(), 2);
  QVERIFY(w.spdUnDo->isEnabled());
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  spy.Answer(mbOK);
  // Sick renamed to Vacation, then to Holiday, then kept; the policy is switched on.
  TDialogDriver driver([&](QDialog& dialog) {
    auto& dlg = static_cast<TfrmReasonRec&>(dialog);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Absence Reason"));
    for (const char* name : {"Vacation", "Holiday"}) {
      dlg.txtReason->selectAll();
      QTest::keyClicks(dlg.txtReason, name);
      QTest::keyClick(dlg.txtReason, Qt::Key_Return);
      QVERIFY(dlg.isVisible());
    }
    dlg.txtReason->selectAll();
    QTest::keyClicks(dlg.txtReason, "Sick");
    QTest::mouseClick(dlg.chkRules, Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
    QVERIFY(dlg.BasisGroup->isEnabled());
    QVERIFY(dlg.Basis() == TBasis::Calendar);
    QTest::keyClick(dlg.txtReason, Qt::Key_Return);
  });
  ClickRow(w.Grid(), 0);  // Sick
  QTest::mouseClick(w.spdEditRec, Qt::LeftButton);
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
  QCOMPARE(w.Grid()->Grid()->item(0, 3)->text(), QStringLiteral("Calendar"));
  QVERIFY(w.spdPolicy->isEnabled());
  for (const auto& e : d.EmpList) {
    const int i = FindAccrual(e->Accruals, org_->Sick);
    QVERIFY(i >= 0);
    QCOMPARE(e->Accruals[static_cast<size_t>(i)]->AsOfDate, e->StartDate);
  }
  QVERIFY(NoCutTexts(&w));
  SaveScreenshot(&w, QStringLiteral("reasons"));
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
    QTest::mouseClick(dlg.chkRules, Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
    QVERIFY(!dlg.HasPolicy());
    QTest::keyClick(dlg.txtReason, Qt::Key_Return);
  });
  TMessageBoxSpy spy;
  spy.Answer(mbNo);
  spy.Answer(mbYes);
  ClickRow(w.Grid(), w.Grid()->RowOf(org_->Vacation));
  QTest::mouseClick(w.spdEditRec, Qt::LeftButton);
  QCOMPARE(spy.Calls().size(), 1u);
  QCOMPARE(spy.Calls()[0].Text,
           QStringLiteral("Without an accrual policy, \"Vacation\" loses its 2 tiers and the "
                          "opening balances of 3 employees.\r\rRemove the accrual policy?"));
  QCOMPARE(DumpJson(session_->Data()), before);

  ClickRow(w.Grid(), w.Grid()->RowOf(org_->Vacation));
  QTest::mouseClick(w.spdEditRec, Qt::LeftButton);
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
  ClickRow(w.Grid(), 2);
  QVERIFY(w.spdPolicy->isEnabled());
  // Cancel on the details page leaves the rules.
  {
    TDialogDriver driver([&](QDialog& dialog) {
      auto& wiz = static_cast<TfrmRuleWizard&>(dialog);
      QCOMPARE(wiz.windowTitle(), QStringLiteral("Benefit Policy Wizard Vacation"));
      QTest::mouseClick(wiz.cmdNext, Qt::LeftButton);
      EnterRule(wiz, 1, true, 40, false);
      QTest::mouseClick(wiz.BitBtn1, Qt::LeftButton);
    });
    QTest::mouseClick(w.spdPolicy, Qt::LeftButton);
    QCOMPARE(vacation->Rules.size(), 1u);
  }
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  TDialogDriver driver([&](QDialog& dialog) {
    auto& wiz = static_cast<TfrmRuleWizard&>(dialog);
    QTest::mouseClick(wiz.cmdNext, Qt::LeftButton);
    QVERIFY(!wiz.txtStart->isVisible());
    EnterRule(wiz, 6, false, 40, true);  // 40 for 6 months
    EnterRule(wiz, 3, false, 8, false);  // not beyond 6 months: refused
    QCOMPARE(spy.Calls().size(), 1u);
    EnterRule(wiz, 5, true, 80, false);
    // Back without storing: the 6-month rule shows its 40 hours for the period again.
    wiz.txtEnd->selectAll();
    QTest::keyClicks(wiz.txtEnd, "70");
    QTest::mouseClick(wiz.cmdBack, Qt::LeftButton);
    QTest::mouseClick(wiz.cmdBack, Qt::LeftButton);
    QCOMPARE(wiz.txtEnd->text(), QStringLiteral("6"));
    QVERIFY(wiz.btnPeriodHours->isChecked());
    QCOMPARE(wiz.txtHours->Value(), 40.0);
    QTest::mouseClick(wiz.cmdNext, Qt::LeftButton);
    QCOMPARE(wiz.txtStart->text(), QStringLiteral("6"));
    QCOMPARE(wiz.txtEnd->text(), QStringLiteral("5"));
    EnterRule(wiz, 5, true, 80, false);
    EnterRule(wiz, 100, true, 120, false);  // beyond 80 years: the last rule
    QCOMPARE(wiz.ntWizard->currentIndex(), 2);
    QCOMPARE(wiz.cmdNext->text(), QStringLiteral("&Finish"));
    auto* grid = wiz.grdPolicy->Grid();
    QCOMPARE(wiz.grdPolicy->RecordCount(), 3);
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral(" 40.00 hours for the period"));
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral(" 80 years"));
    QVERIFY(NoCutTexts(&wiz));
    SaveScreenshot(&wiz, QStringLiteral("policy_wizard"));
    // Back from the finish page, shorten the last rule: a new last rule follows it.
    QTest::mouseClick(wiz.cmdBack, Qt::LeftButton);
    EnterRule(wiz, 10, true, 120, false);
    EnterRule(wiz, 80, true, 160, false);
    QTest::mouseClick(wiz.cmdNext, Qt::LeftButton);
  });
  QTest::mouseClick(w.spdPolicy, Qt::LeftButton);
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
  QVERIFY(!w.spdUnDo->isEnabled());
  // Holiday, Sick, Vacation: the last two picked with Ctrl and deleted.
  ClickRow(w.Grid(), 1);
  QTest::mouseClick(w.Grid()->Grid()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    w.Grid()->Grid()->visualRect(w.Grid()->Grid()->model()->index(2, 0)).center());
  QTest::mouseClick(w.spdDeleteRec, Qt::LeftButton);
  QCOMPARE(w.Grid()->RecordCount(), 1);
  QVERIFY(w.spdUnDo->isEnabled());
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
    QTest::mouseClick(w.spdUnDo, Qt::LeftButton);
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(w.Grid()->RecordCount(), step.rows);
    QCOMPARE(w.spdUnDo->isEnabled(), step.undoAfter);
  }
  // The entries of a restored reason count again.
  QVERIFY(!smith->Entries[0]->ReasonDeleted);
  QCOMPARE(w.Grid()->Grid()->item(1, 0)->text(), QStringLiteral("Sick"));
}

}  // namespace absence::ui::test
