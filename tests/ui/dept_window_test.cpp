// The department list and dialog driven by clicks and keys.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include "dialog_support.h"
#include "maintenance_test.h"
#include "screenshots.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/header_control.h"
#include "ui/common/pick_grid.h"
#include "ui/common/pv_combo_box.h"
#include "ui/maintenance/dept_rec.h"
#include "ui/maintenance/dept_window.h"

namespace absence::ui::test {
namespace {

QRect RowRect(QTableWidget* grid, int row) {
  return grid->visualRect(grid->model()->index(row, 0));
}

void ClickRow(QTableWidget* grid, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, mods, RowRect(grid, row).center());
}

QStringList Column(QTableWidget* grid, int column, int rows) {
  QStringList texts;
  for (int r = 0; r < rows; ++r) texts << grid->item(r, column)->text();
  return texts;
}

// Types into the dialog's boxes the way a user does and presses Enter.
void TypeDept(QDialog& dialog, const QString& name, const QString& code) {
  auto& dlg = static_cast<TfrmDeptRec&>(dialog);
  dlg.txtDeptName->selectAll();
  QTest::keyClicks(dlg.txtDeptName, name);
  dlg.txtDeptCode->selectAll();
  QTest::keyClicks(dlg.txtDeptCode, code);
  QTest::keyClick(dlg.txtDeptCode, Qt::Key_Return);
}

}  // namespace

void DeptWindowTest::init() {
  env_ = std::make_unique<TTempEnvironment>();
  SetTodayOverride(kToday);
  session_ = std::make_unique<TDataSession>(env_->DataFolder().toStdString());
  org_ = std::make_unique<TSampleOrg>(*session_);
  TDataSet& d = absence::ui::test::TestData(*session_);
  for (const char* name : {"Sales", "Accounts", "Shipping", "Research", "Legal"}) {
    AddDept(d.DeptList, name, org_->Smith, true, std::string(name).substr(0, 3));
  }
  SortDepts(d.DeptList);
  for (auto& dept : d.DeptList) dept->Modified = false;
  d.EmpList[static_cast<size_t>(FindEmp(d.EmpList, org_->Smith, ""))]->DeptID =
      d.DeptList[4]->DeptID;  // Shipping
}

void DeptWindowTest::cleanup() {
  SetDialogHook(nullptr);
  org_.reset();
  session_.reset();
  env_.reset();
}

void DeptWindowTest::gridListsDepartmentsAndFillsLastColumn() {
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QTableWidget* grid = w.Grid()->Grid();
  QCOMPARE(w.Grid()->RecordCount(), 5);
  QCOMPARE(Column(grid, 0, 5), QStringList({"Accounts", "Legal", "Research", "Sales", "Shipping"}));
  QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("Smith, Ann"));
  QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("Yes"));
  QVERIFY(grid->isColumnHidden(4));
  QCOMPARE(grid->item(0, 4)->text().toInt(),
           absence::ui::test::TestData(*session_).DeptList[0]->DeptID);
  // The manager column reaches the grid's right edge; header and grid agree.
  int used = 0;
  for (int c = 0; c < 4; ++c) used += grid->columnWidth(c);
  QCOMPARE(used, grid->viewport()->width());
  THeaderControl* hdr = w.Grid()->Header();
  QCOMPARE(hdr->objectName(), QStringLiteral("hdrDept"));
  int sections = 0;
  for (int i = 0; i < 4; ++i) sections += hdr->SectionWidth(i);
  QCOMPARE(sections, hdr->width());
  // Widening the first section narrows the last; the grid column follows.
  hdr->SetSectionWidth(0, hdr->SectionWidth(0) + 30);
  QCOMPARE(grid->columnWidth(0), hdr->SectionWidth(0) - 3);
  used = 0;
  for (int c = 0; c < 4; ++c) used += grid->columnWidth(c);
  QCOMPARE(used, grid->viewport()->width());
  QVERIFY(w.spdPrint->isEnabled());  // rows, and the PDF printer
  QVERIFY(!w.spdUnDo->isEnabled());
  QVERIFY(NoCutTexts(&w));
  SaveScreenshot(&w, QStringLiteral("departments"));
  const QList<int> widths = [&] {
    QList<int> l;
    for (int i = 0; i < 4; ++i) l << hdr->SectionWidth(i);
    return l;
  }();
  QTest::mouseClick(w.cmdClose, Qt::LeftButton);
  QStringList stored;
  for (int v : widths) stored << QString::number(v);
  QVERIFY2(env_->ReadIni().contains("DeptSettings=" + stored.join(',')),
           qPrintable(env_->ReadIni()));
  // A new window takes the stored widths.
  TfrmDept again(*session_);
  QCOMPARE(again.Grid()->Header()->SectionWidth(0), widths[0]);
}

void DeptWindowTest::newDepartmentAndDuplicateNames_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("trashFirst");
  QTest::addColumn<QString>("message");
  QTest::newRow("live twin") << "Legal" << false
                             << "A record for this department already exists.  Please change the "
                                "department name and try again.";
  QTest::newRow("trashed twin")
      << "Legal" << true
      << "A record for this department already exits, but has been deleted.  Please change the "
         "Department Name or Undelete the existing record.";
  QTest::newRow("other case is no twin") << "legal" << false << "";
}

void DeptWindowTest::newDepartmentAndDuplicateNames() {
  QFETCH(QString, name);
  QFETCH(bool, trashFirst);
  QFETCH(QString, message);
  TDataSet& d = absence::ui::test::TestData(*session_);
  if (trashFirst) d.DeptList[1]->Delete(d.EmpList);
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  TMessageBoxSpy spy;
  if (!message.isEmpty()) spy.Answer(mbOK);
  TDialogDriver driver([&](QDialog& dialog) {
    auto& dlg = static_cast<TfrmDeptRec&>(dialog);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("New Department"));
    QVERIFY(dlg.chkActive->isChecked());
    QCOMPARE(dlg.cboManagerBox->currentText(), QStringLiteral("<No Manager>"));
    TypeDept(dialog, name, "LG2");
    if (message.isEmpty()) return;
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.focusWidget(), dlg.txtDeptName);
    QTest::keyClick(&dlg, Qt::Key_Escape);
  });
  QTest::mouseClick(w.spdNewRec, Qt::LeftButton);
  QCOMPARE(driver.Runs(), 1);
  if (message.isEmpty()) {
    QCOMPARE(spy.Calls().size(), 0u);
    QCOMPARE(d.DeptList.size(), 6u);
    const int row = w.Grid()->CurrentRow();
    QCOMPARE(w.Grid()->Grid()->item(row, 0)->text(), name);
    QVERIFY(w.Grid()->Grid()->item(row, 0)->font().bold());
    QCOMPARE(w.Grid()->RowID(row), 6);
  } else {
    QCOMPARE(spy.Calls().size(), 1u);
    QCOMPARE(spy.Calls()[0].Text, message);
    QCOMPARE(d.DeptList.size(), 5u);
  }
}

void DeptWindowTest::managerBoxKeepsFormerAndTrashedManagers() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  // Two employees named alike: the box picks the one whose EmpID is the manager's.
  const int32_t twin = AddEmp(d.EmpList, "Smith", "Ann", "", kToday - 50, 0, 0, 'F');
  SortEmps(d.EmpList);
  d.DeptList[0]->ManagerID = twin;         // Accounts
  d.DeptList[1]->ManagerID = org_->Jones;  // Legal: Jones left
  d.EmpList[static_cast<size_t>(FindEmp(d.EmpList, org_->Young, ""))]->Delete(d.DeptList);
  d.DeptList[2]->ManagerID = -org_->Young;  // Research: Young trashed
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QCOMPARE(w.Grid()->Grid()->item(2, 3)->text(), QStringLiteral("<No Manager>"));
  struct TCase {
    int row;
    QString shown;
    int32_t kept;
  };
  const TCase cases[] = {
      {0, "Smith, Ann", twin}, {1, "Jones, Bob", org_->Jones}, {2, "<No Manager>", -org_->Young}};
  for (const TCase& c : cases) {
    ClickRow(w.Grid()->Grid(), c.row);
    TDialogDriver driver([&](QDialog& dialog) {
      auto& dlg = static_cast<TfrmDeptRec&>(dialog);
      QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Department"));
      QCOMPARE(dlg.cboManagerBox->currentText(), c.shown);
      QCOMPARE(dlg.cboManagerBox->CurrentID(), c.kept > 0 ? c.kept : 0);
      if (c.row == 1) {
        // Jones is inserted before Smith, in name order, above "<No Manager>".
        QCOMPARE(dlg.cboManagerBox->itemText(0), QStringLiteral("Jones, Bob"));
        QCOMPARE(dlg.cboManagerBox->itemText(dlg.cboManagerBox->count() - 1),
                 QStringLiteral("<No Manager>"));
      }
      QTest::keyClick(dlg.txtDeptName, Qt::Key_Return);
    });
    QTest::keyClick(w.Grid()->Grid(), Qt::Key_Return);
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(d.DeptList[static_cast<size_t>(c.row)]->ManagerID, c.kept);
  }
}

void DeptWindowTest::blockDeleteAndUndo() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QTableWidget* grid = w.Grid()->Grid();
  ClickRow(grid, 1);
  ClickRow(grid, 2, Qt::ControlModifier);
  ClickRow(grid, 4, Qt::ControlModifier);
  ClickRow(grid, 1, Qt::ControlModifier);  // toggled off again
  QVERIFY(w.Grid()->BlockMode());
  const int32_t shipping = d.DeptList[4]->DeptID;
  QTest::keyClick(grid, Qt::Key_Delete);
  QCOMPARE(Column(grid, 0, w.Grid()->RecordCount()), QStringList({"Accounts", "Legal", "Sales"}));
  QCOMPARE(w.Grid()->CurrentRow(), 2);  // fewer rows remain than the last deleted row
  const TEmpRecClass* smith = &absence::ui::test::TestEmp(*session_, org_->Smith);
  QCOMPARE(smith->DeptID, -shipping);
  QVERIFY(w.spdUnDo->isEnabled());
  TDialogDriver driver([&](QDialog& dialog) {
    auto* list = dialog.findChild<QListView*>(QStringLiteral("lstDeleted"));
    QCOMPARE(list->model()->rowCount(), 2);
    for (int i = 0; i < list->model()->rowCount(); ++i) {
      const QModelIndex row = list->model()->index(i, 0);
      if (row.data().toString().startsWith("Shipping"))
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualRect(row).center());
    }
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  });
  QTest::mouseClick(w.spdUnDo, Qt::LeftButton);
  QCOMPARE(driver.Runs(), 1);
  QCOMPARE(w.Grid()->RecordCount(), 4);
  QCOMPARE(smith->DeptID, shipping);
  QVERIFY(w.spdUnDo->isEnabled());
}

void DeptWindowTest::shiftPicksBlock() {
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QTableWidget* grid = w.Grid()->Grid();
  ClickRow(grid, 1);
  ClickRow(grid, 3, Qt::ShiftModifier);
  const std::vector<int32_t> picked = w.Grid()->PickedIDs();
  QCOMPARE(picked.size(), 3u);
  // Double click does not edit in block mode; a plain click leaves it.
  TDialogDriver driver([](QDialog& dialog) { dialog.reject(); });
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, RowRect(grid, 2).center());
  QCOMPARE(driver.Runs(), 0);
  ClickRow(grid, 0);
  QVERIFY(!w.Grid()->BlockMode());
  QCOMPARE(w.Grid()->PickedIDs().size(), 1u);
}

void DeptWindowTest::emptyListEditActsAsNew() {
  absence::ui::test::TestData(*session_).DeptList.clear();
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QVERIFY(!w.spdEditRec->isEnabled());
  QVERIFY(!w.spdDeleteRec->isEnabled());
  TDialogDriver driver([](QDialog& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Department"));
    TypeDept(dialog, "Sales", "S");
  });
  QTest::mouseDClick(w.Grid()->Grid()->viewport(), Qt::LeftButton, Qt::NoModifier,
                     RowRect(w.Grid()->Grid(), 0).center());
  QCOMPARE(driver.Runs(), 1);
  QCOMPARE(absence::ui::test::TestData(*session_).DeptList.size(), 1u);
  QCOMPARE(absence::ui::test::TestData(*session_).DeptList[0]->DeptCode, std::string("S"));
}

}  // namespace absence::ui::test
