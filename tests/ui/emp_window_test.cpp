// The employee list, the employee dialog with its balance section, the date confirmation and the
// accrual balance dialog, driven by clicks and keys.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QUndoStack>
#include <limits>

#include "data/json_dump.h"
#include "dialog_support.h"
#include "list_support.h"
#include "maintenance_test.h"
#include "screenshots.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/num_edit.h"
#include "ui/common/pv_combo_box.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/maintenance/accrual_balances.h"
#include "ui/maintenance/accrual_rec.h"
#include "ui/maintenance/emp_edit.h"
#include "ui/maintenance/emp_rec.h"
#include "ui/maintenance/emp_window.h"
#include "ui/maintenance/term_date.h"

namespace absence::ui::test {
namespace {

QString Date(TDate d) {
  return FormatDate(d, App().DatePattern);
}

QTableView* EmpList(QWidget& w) {
  return ListView(&w, "grdEmployee");
}

QTableView* Balances(TfrmEmpRec& dlg) {
  return ListView(Find<TAccrualBalances>(&dlg, "pnlAccruals"), "grdAccruals");
}

// Replaces the text of a box by typing, as a user does.
void Retype(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  if (text.isEmpty())
    QTest::keyClick(box, Qt::Key_Delete);
  else
    QTest::keyClicks(box, text);
}

TEmpRecClass& Emp(TDataSession& s, int32_t id) {
  TDataSet& d = absence::ui::test::TestData(s);
  return *d.EmpList[static_cast<size_t>(FindEmp(d.EmpList, id, ""))];
}

// A dialog driver that hands each kind of dialog to its own step; a dialog without a step fails.
struct TSteps {
  std::function<void(TfrmEmpRec&)> EmpRec = nullptr;
  std::function<void(TfrmTermDate&)> TermDate = nullptr;
  std::function<void(TfrmAccrualRec&)> AccrualRec = nullptr;
  std::function<void(TfrmUnDelete&)> UnDelete = nullptr;
};

std::unique_ptr<TDialogDriver> Drive(TSteps steps) {
  return std::make_unique<TDialogDriver>([steps](QDialog& dialog) {
    // Leaving a box counts only in the active window (the list window may still hold it).
    QApplication::setActiveWindow(&dialog);
    if (auto* d = qobject_cast<TfrmEmpRec*>(&dialog); d && steps.EmpRec) return steps.EmpRec(*d);
    if (auto* d = qobject_cast<TfrmTermDate*>(&dialog); d && steps.TermDate)
      return steps.TermDate(*d);
    if (auto* d = qobject_cast<TfrmAccrualRec*>(&dialog); d && steps.AccrualRec)
      return steps.AccrualRec(*d);
    if (auto* d = qobject_cast<TfrmUnDelete*>(&dialog); d && steps.UnDelete)
      return steps.UnDelete(*d);
    QFAIL(qPrintable(QStringLiteral("unexpected dialog ") + dialog.objectName()));
  });
}

}  // namespace

void EmpWindowTest::init() {
  env_ = std::make_unique<TTempEnvironment>();
  SetTodayOverride(kToday);
  App().Settings.EmployeeDisplay = TEmployeeDisplay::All;
  session_ = std::make_unique<TDataSession>(env_->DataFolder().toStdString());
  org_ = std::make_unique<TSampleOrg>(*session_);
  TDataSet& d = absence::ui::test::TestData(*session_);
  // Vacation accrues under a policy: every employee has a balance for it.
  TReasonRecClass& vacation =
      *d.ReasonList[static_cast<size_t>(FindReason(d.ReasonList, org_->Vacation, ""))];
  vacation.HasPolicy = true;
  for (auto& e : d.EmpList) SetAccrual(e->Accruals, org_->Vacation, 40, e->StartDate);
  sales_ = AddDept(d.DeptList, "Sales", org_->Smith, true, "S");
  legal_ = AddDept(d.DeptList, "Legal", 0, true, "L");
  SortDepts(d.DeptList);
  Emp(*session_, org_->Smith).DeptID = sales_;
}

void EmpWindowTest::cleanup() {
  SetDialogHook(nullptr);
  App().Settings.EmployeeDisplay = TEmployeeDisplay::All;
  org_.reset();
  session_.reset();
  env_.reset();
}

void EmpWindowTest::displayFilterAndCells_data() {
  QTest::addColumn<int>("display");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<QString>("caption");
  QTest::newRow("all") << 0 << QStringList{"Jones, Bob", "Smith, Ann", "Young, Cy"}
                       << "All Employees";
  QTest::newRow("current") << 1 << QStringList{"Smith, Ann", "Young, Cy"}
                           << "Current Employees Only";
  QTest::newRow("former") << 2 << QStringList{"Jones, Bob"} << "Former Employees Only";
}

void EmpWindowTest::displayFilterAndCells() {
  QFETCH(int, display);
  QFETCH(QStringList, names);
  QFETCH(QString, caption);
  App().Settings.EmployeeDisplay = static_cast<TEmployeeDisplay>(display);
  Emp(*session_, org_->Young).EmpType = 'P';
  TfrmEmp w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(w.windowTitle(), QStringLiteral("Employees"));
  QTableView* grid = EmpList(w);
  QCOMPARE(ColumnTexts(grid, 0), names);
  QCOMPARE(Find<QLabel>(&w, "lblEmpDisplay")->text(), caption);
  for (int r = 0; r < RowCount(grid); ++r) {
    const TEmpRecClass& e = Emp(*session_, static_cast<int32_t>(RecordAt(grid, r)));
    QCOMPARE(Cell(grid, r, 2), Date(e.StartDate));
    QCOMPARE(Cell(grid, r, 3), e.TermDate > 0 ? Date(e.TermDate) : QString());
    QCOMPARE(Cell(grid, r, 4), e.EmpType == 'P' ? QString("No") : QString("Yes"));
    QCOMPARE(Cell(grid, r, 5),
             e.EmpID == org_->Smith ? QString("Sales") : QString("<No Department>"));
  }
  QToolButton* print = ToolButton(&w, "spdPrint");
  QVERIFY(print->isEnabled());  // rows, and the PDF printer
  QCOMPARE(print->toolTip().section('|', 0, 0), QStringLiteral("Print Employees"));
  if (display == 0) {
    QVERIFY(NoCutTexts(&w));
    SaveScreenshot(&w, QStringLiteral("employees"));
  }
}

void EmpWindowTest::newEmployeeGetsBalancesAndGlobalCopies() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  for (TDate day : {kToday - 20, kToday - 5, kToday + 5, kToday + 40})
    AddEntry(d.GlobalList, d.EmpList, d.ReasonList, org_->Sick, day, 8, TEntryKind::Global);
  TfrmEmp w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  TMessageBoxSpy spy;
  auto driver = Drive({.EmpRec = [&](TfrmEmpRec& dlg) {
    QCOMPARE(dlg.windowTitle(), QStringLiteral("New Employee"));
    QCOMPARE(Find<TDateEdit>(&dlg, "txtStartDate")->text(), Date(kToday));
    QVERIFY(Find<TDateEdit>(&dlg, "txtEndDate")->text().isEmpty());
    QVERIFY(Find<QCheckBox>(&dlg, "chkBenefits")->isChecked());
    QCOMPARE(Find<TPVComboBox>(&dlg, "cboDeptBox")->currentText(),
             QStringLiteral("<No Department>"));
    QVERIFY(!Find<QCheckBox>(&dlg, "chkManager")->isEnabled());
    QCOMPARE(dlg.focusWidget(), Find<QLineEdit>(&dlg, "txtFirstName"));
    // The policy balance starts today, then follows the start date typed.
    QTableView* grid = Balances(dlg);
    QCOMPARE(RowCount(grid), 1);
    QCOMPARE(Cell(grid, 0, 2), Date(kToday));
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtFirstName"), "Dee");
    QTest::keyClick(Find<QLineEdit>(&dlg, "txtFirstName"), Qt::Key_Tab);
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtLastName"), "Brown");
    QTest::keyClick(Find<QLineEdit>(&dlg, "txtLastName"), Qt::Key_Tab);
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtSSN"), "E-77");
    QTest::keyClick(Find<QLineEdit>(&dlg, "txtSSN"), Qt::Key_Tab);
    QCOMPARE(dlg.focusWidget(), Find<TDateEdit>(&dlg, "txtStartDate"));
    Find<TDateEdit>(&dlg, "txtStartDate")->selectAll();
    QTest::keyClicks(Find<TDateEdit>(&dlg, "txtStartDate"), Date(kToday - 10));
    QTest::keyClick(Find<TDateEdit>(&dlg, "txtStartDate"), Qt::Key_Tab);
    QCOMPARE(Cell(grid, 0, 2), Date(kToday - 10));
    QTest::keyClicks(Find<TDateEdit>(&dlg, "txtEndDate"), Date(kToday + 20));
    QTest::keyClick(Find<TDateEdit>(&dlg, "txtEndDate"), Qt::Key_Tab);
    QCOMPARE(dlg.focusWidget(), Find<QCheckBox>(&dlg, "chkBenefits"));
    QTest::keyClick(Find<QCheckBox>(&dlg, "chkBenefits"), Qt::Key_Tab);
    QVERIFY(ChooseByKeys(Find<TPVComboBox>(&dlg, "cboDeptBox"), QStringLiteral("Legal")));
    QVERIFY(Find<QCheckBox>(&dlg, "chkManager")->isEnabled());
    QVERIFY(!Find<QCheckBox>(&dlg, "chkManager")->isChecked());
    ClickBox(Find<QCheckBox>(&dlg, "chkManager"));
    QTest::keyClick(&dlg, Qt::Key_Return);
  }});
  QTest::mouseClick(ToolButton(&w, "spdNewRec"), Qt::LeftButton);
  QCOMPARE(driver->Runs(), 1);
  QCOMPARE(spy.Calls().size(), 0u);
  const int row = CurrentRow(EmpList(w));
  QCOMPARE(Cell(EmpList(w), row, 0), QStringLiteral("Brown, Dee"));
  QVERIFY(IsBold(EmpList(w), row));
  const TEmpRecClass& e = Emp(*session_, static_cast<int32_t>(RecordAt(EmpList(w), row)));
  QCOMPARE(e.SSN, std::string("E-77"));
  QCOMPARE(e.StartDate, kToday - 10);
  QCOMPARE(e.TermDate, kToday + 20);
  QCOMPARE(e.DeptID, legal_);
  QCOMPARE(e.EmpType, 'F');
  QCOMPARE(e.Accruals.size(), 1u);
  QCOMPARE(e.Accruals[0]->ReasonID, org_->Vacation);
  QCOMPARE(e.Accruals[0]->AsOfDate, kToday - 10);
  QCOMPARE(e.Accruals[0]->Hours, 0.0f);
  QList<TDate> copies;
  for (const auto& entry : e.Entries) copies << entry->EntryDate;
  QCOMPARE(copies, (QList<TDate>{kToday - 5, kToday + 5}));
  const TDeptRecClass& legal = *d.DeptList[static_cast<size_t>(FindDept(d.DeptList, legal_, ""))];
  QCOMPARE(legal.ManagerID, e.EmpID);
}

void EmpWindowTest::okWithoutStartDateStaysOpen() {
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  TfrmEmp w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  auto driver = Drive({.EmpRec = [&](TfrmEmpRec& dlg) {
    Retype(Find<TDateEdit>(&dlg, "txtStartDate"), QString());
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.focusWidget(), Find<TDateEdit>(&dlg, "txtStartDate"));
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
  }});
  QTest::mouseClick(ToolButton(&w, "spdNewRec"), Qt::LeftButton);
  QCOMPARE(spy.Calls().size(), 1u);
  QCOMPARE(spy.Calls()[0].Text, QStringLiteral("Please enter a start date for this employee."));
  QCOMPARE(absence::ui::test::TestData(*session_).EmpList.size(), 3u);
}

void EmpWindowTest::startDatePastOwnEntry_data() {
  QTest::addColumn<int>("answer");  // 0 use the entry's date, 1 remove the entries, 2 Cancel
  QTest::addColumn<bool>("trashed");
  QTest::newRow("use the entry's date") << 0 << false;
  QTest::newRow("remove the entries") << 1 << false;
  QTest::newRow("cancel") << 2 << false;
  QTest::newRow("a trashed entry is named as one") << 0 << true;
}

void EmpWindowTest::startDatePastOwnEntry() {
  QFETCH(int, answer);
  QFETCH(bool, trashed);
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = Emp(*session_, org_->Smith);
  const TDate first = smith.StartDate + 9, second = smith.StartDate + 30;
  // A global copy before both does not count: only the employee's own entries do.
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Sick, smith.StartDate + 2, 8,
           TEntryKind::Global);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Sick, first, 8, TEntryKind::Own);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Sick, second, 8, TEntryKind::Own);
  if (trashed) smith.Entries[1]->AddDelMark(TTrashMark::Record, d.EmpList);
  const TDate typed = smith.StartDate + 14;
  TMessageBoxSpy spy;
  spy.Answer(mbYes);  // the balance dated at the old start
  TfrmEmp w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  ClickRow(EmpList(w), RowOfRecord(EmpList(w), org_->Smith));
  int asked = 0;
  auto driver = Drive(
      {.EmpRec =
           [&](TfrmEmpRec& dlg) {
             QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Employee"));
             QVERIFY(Find<QCheckBox>(&dlg, "chkManager")->isChecked());
             Retype(Find<TDateEdit>(&dlg, "txtStartDate"), Date(typed));
             QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
             if (answer == 2) {
               QVERIFY(dlg.isVisible());
               QCOMPARE(dlg.focusWidget(), Find<TDateEdit>(&dlg, "txtStartDate"));
               QTest::keyClick(&dlg, Qt::Key_Escape);
             }
           },
       .TermDate =
           [&](TfrmTermDate& t) {
             ++asked;
             QCOMPARE(t.windowTitle(), QStringLiteral("Start Date Error"));
             QCOMPARE(Find<QLabel>(&t, "lblMessage")->text(),
                      (trashed ? QStringLiteral("This employee has a deleted absence "
                                                "entry")
                               : QStringLiteral("This employee has a absence entry")) +
                          " before the Start Date entered.");
             QCOMPARE(Find<QRadioButton>(&t, "btnRemove")->text(),
                      "Remove all entries before the entered Start Date (" + Date(typed) + ").");
             QCOMPARE(Find<QRadioButton>(&t, "btnUseDate")->text(),
                      "Use the date of the first entry (" + Date(first) + ") as the Start Date.");
             QVERIFY(Find<QRadioButton>(&t, "btnRemove")->isChecked());
             if (answer == 0) ClickBox(Find<QRadioButton>(&t, "btnUseDate"));
             QTest::mouseClick(
                 answer == 2 ? Find<QPushButton>(&t, "cmdCancel") : Find<QPushButton>(&t, "cmdOK"),
                 Qt::LeftButton);
           }});
  QTest::mouseClick(ToolButton(&w, "spdEditRec"), Qt::LeftButton);
  QCOMPARE(asked, 1);
  switch (answer) {
    case 0:
      QCOMPARE(smith.StartDate, first);
      QCOMPARE(smith.Entries.size(), 2u);
      QCOMPARE(smith.Accruals[0]->AsOfDate, first);
      break;
    case 1:
      QCOMPARE(smith.StartDate, typed);
      QCOMPARE(smith.Entries.size(), 1u);
      QCOMPARE(smith.Entries[0]->EntryDate, second);
      break;
    case 2:
      QCOMPARE(smith.StartDate, kToday - 400);
      QCOMPARE(smith.Entries.size(), 3u);
      break;
  }
}

void EmpWindowTest::termDateBeforeOnlyOwnEntry() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& young = Emp(*session_, org_->Young);
  // The only own entry is the first of the list; a later global copy does not count.
  AddEntry(young.Entries, d.EmpList, d.ReasonList, org_->Sick, kToday - 2, 8, TEntryKind::Own);
  AddEntry(young.Entries, d.EmpList, d.ReasonList, org_->Sick, kToday + 9, 8, TEntryKind::Global);
  int asked = 0;
  auto driver = Drive({.EmpRec =
                           [&](TfrmEmpRec& dlg) {
                             Retype(Find<TDateEdit>(&dlg, "txtEndDate"), Date(kToday - 4));
                             QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
                           },
                       .TermDate =
                           [&](TfrmTermDate& t) {
                             ++asked;
                             QCOMPARE(t.windowTitle(), QStringLiteral("Termination Date Error"));
                             QCOMPARE(Find<QLabel>(&t, "lblMessage")->text(),
                                      QStringLiteral("This employee has a absence entry after the "
                                                     "Term Date entered."));
                             QCOMPARE(Find<QRadioButton>(&t, "btnUseDate")->text(),
                                      "Use the date of the last entry (" + Date(kToday - 2) +
                                          ") as the Term Date.");
                             ClickBox(Find<QRadioButton>(&t, "btnUseDate"));
                             QTest::keyClick(&t, Qt::Key_Return);
                           }});
  QCOMPARE(EditEmployee(*session_, org_->Young, nullptr), org_->Young);
  QCOMPARE(asked, 1);
  QCOMPARE(young.TermDate, kToday - 2);
  QCOMPARE(young.Entries.size(), 1u);
  QCOMPARE(young.Entries[0]->Kind, TEntryKind::Own);
}

void EmpWindowTest::asOfQuestionNoKeepsDialogOpen() {
  TEmpRecClass& smith = Emp(*session_, org_->Smith);
  TMessageBoxSpy spy;
  spy.Answer(mbNo);
  auto driver = Drive({.EmpRec = [&](TfrmEmpRec& dlg) {
    Retype(Find<TDateEdit>(&dlg, "txtStartDate"), Date(smith.StartDate + 1));
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.focusWidget(), Find<TDateEdit>(&dlg, "txtStartDate"));
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
  }});
  QCOMPARE(EditEmployee(*session_, org_->Smith, nullptr), 0);
  QCOMPARE(spy.Calls().size(), 1u);
  QCOMPARE(spy.Calls()[0].Text, QString::fromLatin1(kAsOfQuestion));
  QCOMPARE(spy.Calls()[0].Buttons, TMsgButtons(mbYes | mbNo | mbCancel));
  QCOMPARE(smith.StartDate, kToday - 400);
  QCOMPARE(smith.Accruals[0]->AsOfDate, kToday - 400);
}

void EmpWindowTest::managerBoxFollowsTheDepartment() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  auto manager = [&](int32_t deptID) {
    return d.DeptList[static_cast<size_t>(FindDept(d.DeptList, deptID, ""))]->ManagerID;
  };
  // Clearing the box of the department's manager leaves the department without one.
  auto driver = Drive({.EmpRec = [&](TfrmEmpRec& dlg) {
    QCOMPARE(Find<TPVComboBox>(&dlg, "cboDeptBox")->currentText(), QStringLiteral("Sales"));
    QVERIFY(Find<QCheckBox>(&dlg, "chkManager")->isChecked());
    QVERIFY(ChooseByKeys(Find<TPVComboBox>(&dlg, "cboDeptBox"), QStringLiteral("<No Department>")));
    QVERIFY(!Find<QCheckBox>(&dlg, "chkManager")->isEnabled());
    QVERIFY(!Find<QCheckBox>(&dlg, "chkManager")->isChecked());
    QVERIFY(ChooseByKeys(Find<TPVComboBox>(&dlg, "cboDeptBox"), QStringLiteral("Sales")));
    QVERIFY(Find<QCheckBox>(&dlg, "chkManager")->isChecked());  // she manages it
    ClickBox(Find<QCheckBox>(&dlg, "chkManager"));
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
  }});
  QCOMPARE(EditEmployee(*session_, org_->Smith, nullptr), org_->Smith);
  QCOMPARE(manager(sales_), 0);
  QCOMPARE(Emp(*session_, org_->Smith).DeptID, sales_);
}

void EmpWindowTest::departmentBoxKeepsInactiveAndTrashed() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  const int32_t archive = AddDept(d.DeptList, "Archive", 0, false, "A");
  SortDepts(d.DeptList);
  struct TCase {
    int32_t deptID;
    QString shown;
    int32_t handedBack;
  };
  const TCase cases[] = {{archive, "Archive", archive},
                         {-legal_, "<No Department>", -legal_},
                         {0, "<No Department>", 0}};
  for (const TCase& c : cases) {
    TfrmEmpRec dlg(*session_);
    dlg.SetFields({"X", "Y", "", 'F', c.deptID, kToday, 0});
    QCOMPARE(Find<TPVComboBox>(&dlg, "cboDeptBox")->currentText(), c.shown);
    QCOMPARE(dlg.DeptID(), c.handedBack);
    // Inactive departments are listed only for the employees they have, in name order.
    QCOMPARE(Find<TPVComboBox>(&dlg, "cboDeptBox")->itemText(0),
             c.deptID == archive ? QString("Archive") : "Legal");
    QCOMPARE(Find<TPVComboBox>(&dlg, "cboDeptBox")
                 ->itemText(Find<TPVComboBox>(&dlg, "cboDeptBox")->count() - 1),
             QStringLiteral("<No Department>"));
  }
}

void EmpWindowTest::shiftPickDeleteFourAndUndo() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  for (const char* name : {"Adams", "Baker", "Clark"})
    AddEmp(d.EmpList, name, "Al", "", kToday - 100, 0, 0, 'F');
  SortEmps(d.EmpList);
  TfrmEmp w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QTableView* grid = EmpList(w);
  QCOMPARE(RowCount(grid), 6);
  ClickRow(grid, 1);
  ClickRow(grid, 4, Qt::ShiftModifier);
  QCOMPARE(PickedRows(grid), (QList<int>{1, 2, 3, 4}));
  const QStringList picked = ColumnTexts(grid, 0).mid(1, 4);
  QTest::keyClick(grid, Qt::Key_Delete);
  QCOMPARE(RowCount(grid), 2);
  for (const QString& name : picked) QVERIFY(!ColumnTexts(grid, 0).contains(name));
  QVERIFY(ToolButton(&w, "spdUnDo")->isEnabled());
  QCOMPARE(CurrentRow(grid), 1);  // the row of the last one deleted, or the last row
  // The list follows the session's history: undone, the four are back; redone, gone again.
  session_->History()->undo();
  QCOMPARE(RowCount(grid), 6);
  QVERIFY(!ToolButton(&w, "spdUnDo")->isEnabled());
  session_->History()->redo();
  QCOMPARE(RowCount(grid), 2);
  QVERIFY(ToolButton(&w, "spdUnDo")->isEnabled());
  auto driver = Drive({.UnDelete = [&](TfrmUnDelete& u) {
    QCOMPARE(u.Count(), 4);
    QTest::keyClick(Find<QListView>(&u, "lstDeleted"), Qt::Key_A, Qt::ControlModifier);
    QTest::mouseClick(u.OkButton(), Qt::LeftButton);
  }});
  QTest::mouseClick(ToolButton(&w, "spdUnDo"), Qt::LeftButton);
  QCOMPARE(RowCount(grid), 6);
  QVERIFY(!ToolButton(&w, "spdUnDo")->isEnabled());
  // Smith managed Sales: trashed, the department kept her as a negated manager; restored, back.
  QCOMPARE(d.DeptList[static_cast<size_t>(FindDept(d.DeptList, sales_, ""))]->ManagerID,
           org_->Smith);
}

void EmpWindowTest::deletingTheOnlyShownEmployee() {
  App().Settings.EmployeeDisplay = TEmployeeDisplay::Former;
  TfrmEmp w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(RowCount(EmpList(w)), 1);
  QTest::mouseClick(ToolButton(&w, "spdDeleteRec"), Qt::LeftButton);
  QCOMPARE(RowCount(EmpList(w)), 0);
  QVERIFY(!ToolButton(&w, "spdEditRec")->isEnabled());
  QVERIFY(!ToolButton(&w, "spdDeleteRec")->isEnabled());
  QVERIFY(!ToolButton(&w, "spdPrint")->isEnabled());
  QVERIFY(ToolButton(&w, "spdUnDo")->isEnabled());
  QVERIFY(Emp(*session_, org_->Jones).Deleted);
  // A double click on the empty grid starts a new employee.
  auto driver = Drive({.EmpRec = [&](TfrmEmpRec& dlg) {
    QCOMPARE(dlg.windowTitle(), QStringLiteral("New Employee"));
    QTest::keyClick(&dlg, Qt::Key_Escape);
  }});
  QTest::mouseDClick(EmpList(w)->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
  QCOMPARE(driver->Runs(), 1);
}

void EmpWindowTest::balanceSectionCommands() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = Emp(*session_, org_->Smith);
  SetAccrual(smith.Accruals, org_->Sick, 16, smith.StartDate);
  auto driver = Drive(
      {.EmpRec =
           [&](TfrmEmpRec& dlg) {
             TAccrualBalances* b = Find<TAccrualBalances>(&dlg, "pnlAccruals");
             if (b->isHidden())
               QTest::mouseClick(Find<QPushButton>(&dlg, "cmdAccruals"), Qt::LeftButton);
             QCOMPARE(Find<QPushButton>(&dlg, "cmdAccruals")->text(), QStringLiteral("Hide"));
             QTableView* grid = Balances(dlg);
             QToolButton* remove = ToolButton(b, "spdDeleteRec");
             QCOMPARE(RowCount(grid), 2);
             QCOMPARE(Cell(grid, 0, 0), QStringLiteral("Sick"));
             QCOMPARE(Cell(grid, 1, 1), QStringLiteral("40.0"));
             // A balance of a policy reason cannot be deleted; the others can.
             ClickRow(grid, 1);
             QVERIFY(!remove->isEnabled());
             QTest::keyClick(grid, Qt::Key_Delete);
             QCOMPARE(RowCount(grid), 2);
             // One balance at a time: a Ctrl click picks the row alone.
             ClickRow(grid, 0, Qt::ControlModifier);
             QCOMPARE(PickedRows(grid), QList<int>{0});
             QVERIFY(remove->isEnabled());
             QTest::keyClick(grid, Qt::Key_Delete);
             QCOMPARE(RowCount(grid), 1);
             QVERIFY(ToolButton(b, "spdUnDo")->isEnabled());
             QTest::mouseClick(ToolButton(b, "spdUnDo"), Qt::LeftButton);
             QCOMPARE(RowCount(grid), 2);
             // Edit the Sick balance: the reason is fixed, the hours change.
             ClickRow(grid, 0);
             QTest::mouseClick(ToolButton(b, "spdEditRec"), Qt::LeftButton);
             QVERIFY(IsBold(grid, 0, 1));
             QCOMPARE(Cell(grid, 0, 1), QStringLiteral("12.5"));
             NoCutTexts(&dlg);
             SaveScreenshot(&dlg, QStringLiteral("employee_record"));
             QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
           },
       .AccrualRec =
           [&](TfrmAccrualRec& a) {
             QCOMPARE(a.windowTitle(), QStringLiteral("Edit Benefit Accrual"));
             QVERIFY(!Find<TPVComboBox>(&a, "cboReasonBox")->isEnabled());
             QCOMPARE(Find<TPVComboBox>(&a, "cboReasonBox")->currentText(), QStringLiteral("Sick"));
             QCOMPARE(a.focusWidget(), Find<TNumEdit>(&a, "txtHours"));
             Find<TNumEdit>(&a, "txtHours")->selectAll();
             QTest::keyClicks(Find<TNumEdit>(&a, "txtHours"), "12.5");
             QTest::mouseClick(a.OkButton(), Qt::LeftButton);
           },
       .UnDelete =
           [&](TfrmUnDelete& u) {
             QCOMPARE(u.Count(), 1);
             QTest::keyClick(Find<QListView>(&u, "lstDeleted"), Qt::Key_A, Qt::ControlModifier);
             QTest::mouseClick(u.OkButton(), Qt::LeftButton);
           }});
  QCOMPARE(EditEmployee(*session_, org_->Smith, nullptr), org_->Smith);
  const int sick = FindAccrual(smith.Accruals, org_->Sick);
  QVERIFY(sick >= 0);
  QCOMPARE(smith.Accruals[static_cast<size_t>(sick)]->Hours, 12.5f);
  QVERIFY(smith.Accruals[static_cast<size_t>(sick)]->Modified);
  QVERIFY(env_->ReadIni().contains("ShowAccruals=1"));
  Q_UNUSED(d);
}

// The balance section edits a copy: Cancel leaves the employee as it was, whatever was deleted
// or changed in it. OK makes one change of fields and balances, which undo takes back whole.
void EmpWindowTest::balanceEditsWaitForOkAndUndoWhole() {
  TEmpRecClass& smith = Emp(*session_, org_->Smith);
  SetAccrual(smith.Accruals, org_->Sick, 16, smith.StartDate);
  const std::string before = DumpJson(session_->Data());
  bool ok = false;
  auto driver = Drive({.EmpRec = [&](TfrmEmpRec& dlg) {
    TAccrualBalances* b = Find<TAccrualBalances>(&dlg, "pnlAccruals");
    if (b->isHidden()) QTest::mouseClick(Find<QPushButton>(&dlg, "cmdAccruals"), Qt::LeftButton);
    ClickRow(Balances(dlg), 0);  // Sick
    QTest::keyClick(Balances(dlg), Qt::Key_Delete);
    QCOMPARE(RowCount(Balances(dlg)), 1);
    Retype(Find<QLineEdit>(&dlg, "txtLastName"), QStringLiteral("Smythe"));
    if (ok)
      QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    else
      QTest::keyClick(&dlg, Qt::Key_Escape);
  }});
  QCOMPARE(EditEmployee(*session_, org_->Smith, nullptr), 0);
  QCOMPARE(DumpJson(session_->Data()), before);
  QVERIFY(!session_->History()->canUndo());

  ok = true;
  QCOMPARE(EditEmployee(*session_, org_->Smith, nullptr), org_->Smith);
  const std::string after = DumpJson(session_->Data());
  QCOMPARE(session_->Employee(org_->Smith)->LastName, std::string("Smythe"));
  QCOMPARE(FindAccrual(session_->Employee(org_->Smith)->Accruals, org_->Sick), -1);
  QCOMPARE(session_->History()->undoText(), QStringLiteral("Edit employee Smith, Ann"));
  session_->History()->undo();
  QCOMPARE(DumpJson(session_->Data()), before);
  session_->History()->redo();
  QCOMPARE(DumpJson(session_->Data()), after);
}

// A new employee when the identifiers are used up: the refusal is shown, the program and the
// data set go on as they were.
void EmpWindowTest::newEmployeePastTheLastIdentifierIsRefused() {
  absence::ui::test::TestData(*session_).EmpList.back()->EmpID =
      std::numeric_limits<int32_t>::max();
  const std::string before = DumpJson(session_->Data());
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  auto driver = Drive({.EmpRec = [&](TfrmEmpRec& dlg) {
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtFirstName"), "Max");
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtLastName"), "Limit");
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
  }});
  QCOMPARE(EditEmployee(*session_, 0, nullptr), 0);
  QCOMPARE(driver->Runs(), 1);
  QCOMPARE(spy.Calls().size(), 1u);
  QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Error);
  QCOMPARE(DumpJson(session_->Data()), before);
  QVERIFY(!session_->History()->canUndo());
}

void EmpWindowTest::accrualDialogChecks_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");  // after leaving the box
  QTest::addColumn<bool>("refused");
  QTest::newRow("on the earliest date") << Date(kToday - 10) << Date(kToday - 10) << false;
  QTest::newRow("before it: moved to it") << Date(kToday - 30) << Date(kToday - 10) << false;
  QTest::newRow("no date: stays in the box") << "13/45/2026"
                                             << "13/45/2026" << true;
}

void EmpWindowTest::accrualDialogChecks() {
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  QFETCH(bool, refused);
  TDataSet& d = absence::ui::test::TestData(*session_);
  TAccrualList list;
  SetAccrual(list, org_->Vacation, 0, kToday);
  TMessageBoxSpy spy;
  if (refused) spy.Answer(mbOK);
  TfrmAccrualRec a;
  a.SetAccrualList(list);
  a.SetReasonList(d.ReasonList);
  a.SetEarliestDate(kToday - 10);
  a.SetReason(0);
  a.SetAsOfDate(kToday);
  a.show();
  QVERIFY(QTest::qWaitForWindowActive(&a));
  // Vacation has a balance already: the others are offered, in list order.
  QCOMPARE(Find<TPVComboBox>(&a, "cboReasonBox")->count(), 2);
  QCOMPARE(Find<TPVComboBox>(&a, "cboReasonBox")->itemText(0), QStringLiteral("Holiday"));
  QCOMPARE(a.focusWidget(), Find<TPVComboBox>(&a, "cboReasonBox"));
  Retype(Find<TDateEdit>(&a, "txtAsOfDate"), typed);
  QTest::mouseClick(a.OkButton(), Qt::LeftButton);
  QCOMPARE(Find<TDateEdit>(&a, "txtAsOfDate")->text(), shown);
  QCOMPARE(a.isVisible(), refused);
  if (refused) {
    QCOMPARE(a.focusWidget(), Find<TDateEdit>(&a, "txtAsOfDate"));
    QCOMPARE(spy.Calls().size(), 1u);
    // Cancel still closes while the date is unfinished.
    QTest::mouseClick(a.CancelButton(), Qt::LeftButton);
    QVERIFY(!a.isVisible());
    QCOMPARE(spy.Calls().size(), 1u);
  } else {
    QCOMPARE(a.GetReason(), org_->Holiday);
  }
}

void EmpWindowTest::accrualDialogWithNothingToOffer() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TAccrualList list;
  for (const auto& r : d.ReasonList) SetAccrual(list, r->ReasonID, 0, kToday);
  TfrmAccrualRec a;
  a.SetAccrualList(list);
  a.SetReasonList(d.ReasonList);
  a.SetReason(0);
  QCOMPARE(Find<TPVComboBox>(&a, "cboReasonBox")->count(), 0);
  QVERIFY(!a.OkButton()->isEnabled());
  // A trashed reason is not offered either.
  list.pop_back();
  d.ReasonList.back()->Deleted = true;
  a.SetReasonList(d.ReasonList);
  QCOMPARE(Find<TPVComboBox>(&a, "cboReasonBox")->count(), 0);
}

// The employee list prints the employees the window shows; the balance section prints the
// balances under the name as typed, before OK.
void EmpWindowTest::printButtonsWriteTheirPrintouts() {
  App().Settings.EmployeeDisplay = TEmployeeDisplay::Current;
  const QString listFile = env_->DataFolder() + QStringLiteral("employees.pdf");
  const QString balanceFile = env_->DataFolder() + QStringLiteral("balances.pdf");
  QString next;
  SetFileDialogHook([&](const TFileDialogCall&) { return std::optional<QString>(next); });
  TfrmEmp w(*session_);
  w.show();
  next = listFile;
  QTest::mouseClick(ToolButton(&w, "spdPrint"), Qt::LeftButton);
  const QString list = PdfText(listFile);
  QVERIFY(list.contains(QStringLiteral("Current Employees Only")));
  QVERIFY(list.contains(QStringLiteral("Smith, Ann")));
  QVERIFY(list.contains(QStringLiteral("Young, Cy")));
  QVERIFY(!list.contains(QStringLiteral("Jones, Bob")));

  auto driver = Drive({.EmpRec = [&](TfrmEmpRec& dlg) {
    TAccrualBalances* b = Find<TAccrualBalances>(&dlg, "pnlAccruals");
    if (b->isHidden()) QTest::mouseClick(Find<QPushButton>(&dlg, "cmdAccruals"), Qt::LeftButton);
    QVERIFY(ToolButton(b, "spdPrint")->isEnabled());
    Retype(Find<QLineEdit>(&dlg, "txtLastName"), QStringLiteral("Smithers"));
    next = balanceFile;
    QTest::mouseClick(ToolButton(b, "spdPrint"), Qt::LeftButton);
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
  }});
  ClickRow(EmpList(w), RowOfRecord(EmpList(w), org_->Smith));
  QTest::mouseClick(ToolButton(&w, "spdEditRec"), Qt::LeftButton);
  SetFileDialogHook(nullptr);
  const QString balances = PdfText(balanceFile);
  QVERIFY(balances.contains(QStringLiteral("Employees Information List")));
  QVERIFY(balances.contains(QStringLiteral("Smithers, Ann")));
  QVERIFY(balances.contains(QStringLiteral("Vacation")));
  QCOMPARE(Emp(*session_, org_->Smith).LastName, std::string("Smith"));  // cancelled
}

}  // namespace absence::ui::test
