// The department list and dialog driven by clicks and keys.
#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QUndoStack>

#include "dialog_support.h"
#include "edit/changes.h"
#include "list_support.h"
#include "maintenance_test.h"
#include "screenshots.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/printers.h"
#include "ui/common/pv_combo_box.h"
#include "ui/maintenance/dept_rec.h"
#include "ui/maintenance/dept_window.h"

namespace absence::ui::test {
namespace {

QRect RowRect(QTableView* grid, int row) {
  return grid->visualRect(grid->model()->index(row, 0));
}

QTableView* DeptList(QWidget& w) {
  return ListView(&w, "grdDept");
}

int ColumnsWidth(const QTableView* grid) {
  int used = 0;
  for (int c = 0; c < grid->model()->columnCount(); ++c) used += grid->columnWidth(c);
  return used;
}

// Types into the dialog's boxes the way a user does and presses Enter.
void TypeDept(QDialog& dialog, const QString& name, const QString& code) {
  auto& dlg = static_cast<TfrmDeptRec&>(dialog);
  Find<QLineEdit>(&dlg, "txtDeptName")->selectAll();
  QTest::keyClicks(Find<QLineEdit>(&dlg, "txtDeptName"), name);
  Find<QLineEdit>(&dlg, "txtDeptCode")->selectAll();
  QTest::keyClicks(Find<QLineEdit>(&dlg, "txtDeptCode"), code);
  QTest::keyClick(Find<QLineEdit>(&dlg, "txtDeptCode"), Qt::Key_Return);
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
  QTableView* grid = DeptList(w);
  QCOMPARE(RowCount(grid), 5);
  QCOMPARE(ColumnTexts(grid, 0),
           QStringList({"Accounts", "Legal", "Research", "Sales", "Shipping"}));
  QCOMPARE(Cell(grid, 0, 3), QStringLiteral("Smith, Ann"));
  QCOMPARE(Cell(grid, 0, 2), QStringLiteral("Yes"));
  // The record stands behind the row, not in a column of its own.
  QCOMPARE(grid->model()->columnCount(), 4);
  QCOMPARE(RecordAt(grid, 0), absence::ui::test::TestData(*session_).DeptList[0]->DeptID);
  // The manager column reaches the grid's right edge.
  QCOMPARE(ColumnsWidth(grid), grid->viewport()->width());
  QHeaderView* hdr = grid->horizontalHeader();
  QCOMPARE(hdr->objectName(), QStringLiteral("hdrDept"));
  // Dragging the first section's edge 30 pixels right widens it and narrows the last.
  const int first = grid->columnWidth(0), last = grid->columnWidth(3);
  const int edge = hdr->sectionViewportPosition(1) - 1;
  DragWithMouse(hdr->viewport(), QPoint(edge, hdr->height() / 2),
                QPoint(edge + 30, hdr->height() / 2));
  QCOMPARE(grid->columnWidth(0), first + 30);
  QCOMPARE(grid->columnWidth(3), last - 30);
  QCOMPARE(ColumnsWidth(grid), grid->viewport()->width());
  QVERIFY(ToolButton(&w, "spdPrint")->isEnabled());  // rows, and the PDF printer
  QVERIFY(!ToolButton(&w, "spdUnDo")->isEnabled());
  QVERIFY(NoCutTexts(&w));
  SaveScreenshot(&w, QStringLiteral("departments"));
  QList<int> widths;
  for (int c = 0; c < 4; ++c) widths << grid->columnWidth(c);
  QTest::mouseClick(Find<QPushButton>(&w, "cmdClose"), Qt::LeftButton);
  // Stored as the widths of a header above the grid's frame: the first 3 pixels wider, the
  // others 1, as settings files already hold them.
  QStringList stored;
  for (int c = 0; c < 4; ++c) stored << QString::number(widths[c] + (c == 0 ? 3 : 1));
  QVERIFY2(env_->ReadIni().contains("DeptSettings=" + stored.join(',')),
           qPrintable(env_->ReadIni()));
  // A new window takes the stored widths.
  TfrmDept again(*session_);
  QCOMPARE(DeptList(again)->columnWidth(0), widths[0]);
  QCOMPARE(DeptList(again)->columnWidth(1), widths[1]);
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
    QVERIFY(Find<QCheckBox>(&dlg, "chkActive")->isChecked());
    QCOMPARE(Find<TPVComboBox>(&dlg, "cboManagerBox")->currentText(),
             QStringLiteral("<No Manager>"));
    TypeDept(dialog, name, "LG2");
    if (message.isEmpty()) return;
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.focusWidget(), Find<QLineEdit>(&dlg, "txtDeptName"));
    QTest::keyClick(&dlg, Qt::Key_Escape);
  });
  QTest::mouseClick(ToolButton(&w, "spdNewRec"), Qt::LeftButton);
  QCOMPARE(driver.Runs(), 1);
  if (message.isEmpty()) {
    QCOMPARE(spy.Calls().size(), 0u);
    QCOMPARE(d.DeptList.size(), 6u);
    const int row = CurrentRow(DeptList(w));
    QCOMPARE(Cell(DeptList(w), row, 0), name);
    QVERIFY(IsBold(DeptList(w), row));
    QCOMPARE(RecordAt(DeptList(w), row), 6);
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
  QCOMPARE(Cell(DeptList(w), 2, 3), QStringLiteral("<No Manager>"));
  struct TCase {
    int row;
    QString shown;
    int32_t kept;
  };
  const TCase cases[] = {
      {0, "Smith, Ann", twin}, {1, "Jones, Bob", org_->Jones}, {2, "<No Manager>", -org_->Young}};
  for (const TCase& c : cases) {
    ClickRow(DeptList(w), c.row);
    TDialogDriver driver([&](QDialog& dialog) {
      auto& dlg = static_cast<TfrmDeptRec&>(dialog);
      QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Department"));
      QCOMPARE(Find<TPVComboBox>(&dlg, "cboManagerBox")->currentText(), c.shown);
      QCOMPARE(Find<TPVComboBox>(&dlg, "cboManagerBox")->CurrentID(), c.kept > 0 ? c.kept : 0);
      if (c.row == 1) {
        // Jones is inserted before Smith, in name order, above "<No Manager>".
        QCOMPARE(Find<TPVComboBox>(&dlg, "cboManagerBox")->itemText(0),
                 QStringLiteral("Jones, Bob"));
        QCOMPARE(Find<TPVComboBox>(&dlg, "cboManagerBox")
                     ->itemText(Find<TPVComboBox>(&dlg, "cboManagerBox")->count() - 1),
                 QStringLiteral("<No Manager>"));
      }
      QTest::keyClick(Find<QLineEdit>(&dlg, "txtDeptName"), Qt::Key_Return);
    });
    QTest::keyClick(DeptList(w), Qt::Key_Return);
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(d.DeptList[static_cast<size_t>(c.row)]->ManagerID, c.kept);
  }
}

void DeptWindowTest::blockDeleteAndUndo() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QTableView* grid = DeptList(w);
  ClickRow(grid, 1);
  ClickRow(grid, 2, Qt::ControlModifier);
  ClickRow(grid, 4, Qt::ControlModifier);
  ClickRow(grid, 1, Qt::ControlModifier);  // toggled off again
  QCOMPARE(PickedRows(grid), (QList<int>{2, 4}));
  // Enter edits nothing while a block is picked.
  {
    TDialogDriver none([](QDialog& dialog) { dialog.reject(); });
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(none.Runs(), 0);
  }
  const int32_t shipping = d.DeptList[4]->DeptID;
  QTest::keyClick(grid, Qt::Key_Delete);
  QCOMPARE(ColumnTexts(grid, 0), QStringList({"Accounts", "Legal", "Sales"}));
  QCOMPARE(CurrentRow(grid), 2);  // fewer rows remain than the last deleted row
  const TEmpRecClass* smith = &absence::ui::test::TestEmp(*session_, org_->Smith);
  QCOMPARE(smith->DeptID, -shipping);
  QVERIFY(ToolButton(&w, "spdUnDo")->isEnabled());
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
  QTest::mouseClick(ToolButton(&w, "spdUnDo"), Qt::LeftButton);
  QCOMPARE(driver.Runs(), 1);
  QCOMPARE(RowCount(grid), 4);
  QCOMPARE(smith->DeptID, shipping);
  QVERIFY(ToolButton(&w, "spdUnDo")->isEnabled());
}

void DeptWindowTest::shiftPicksBlock() {
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QTableView* grid = DeptList(w);
  ClickRow(grid, 1);
  ClickRow(grid, 3, Qt::ShiftModifier);
  QCOMPARE(PickedRows(grid), (QList<int>{1, 2, 3}));
  // Double click does not edit in block mode; a plain click leaves it.
  TDialogDriver driver([](QDialog& dialog) { dialog.reject(); });
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, RowRect(grid, 2).center());
  QCOMPARE(driver.Runs(), 0);
  ClickRow(grid, 0);
  QCOMPARE(PickedRows(grid), QList<int>{0});
  // Shift with the arrow keys picks a block from the current row; a plain arrow leaves it.
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
  QCOMPARE(PickedRows(grid), (QList<int>{0, 1, 2}));
  QTest::keyClick(grid, Qt::Key_Down);
  QCOMPARE(PickedRows(grid), QList<int>{3});
  QCOMPARE(CurrentRow(grid), 3);
}

void DeptWindowTest::emptyListEditActsAsNew() {
  absence::ui::test::TestData(*session_).DeptList.clear();
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QVERIFY(!ToolButton(&w, "spdEditRec")->isEnabled());
  QVERIFY(!ToolButton(&w, "spdDeleteRec")->isEnabled());
  TDialogDriver driver([](QDialog& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Department"));
    TypeDept(dialog, "Sales", "S");
  });
  QTest::mouseDClick(DeptList(w)->viewport(), Qt::LeftButton, Qt::NoModifier,
                     RowRect(DeptList(w), 0).center());
  QCOMPARE(driver.Runs(), 1);
  QCOMPARE(absence::ui::test::TestData(*session_).DeptList.size(), 1u);
  QCOMPARE(absence::ui::test::TestData(*session_).DeptList[0]->DeptCode, std::string("S"));
}

// The list follows the session, whoever changes the data set: trashing the employee who
// manages the departments empties their manager column, and undoing it fills it again, with
// the picked department kept.
void DeptWindowTest::listFollowsChangesMadeElsewhere() {
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QTableView* grid = DeptList(w);
  ClickRow(grid, 3);
  const int64_t picked = RecordAt(grid, 3);
  QVERIFY(session_->Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Employee,
                                                                 std::vector{org_->Smith})));
  QCOMPARE(ColumnTexts(grid, 3), QStringList(5, QStringLiteral("<No Manager>")));
  QCOMPARE(RecordAt(grid, CurrentRow(grid)), picked);
  session_->History()->undo();
  QCOMPARE(ColumnTexts(grid, 3), QStringList(5, QStringLiteral("Smith, Ann")));
  QCOMPARE(RecordAt(grid, CurrentRow(grid)), picked);
  QCOMPARE(PickedRows(grid), QList<int>{3});
}

}  // namespace absence::ui::test

namespace absence::ui::test {

// Print makes the plain "Department List" of the listed departments on the printer, without a
// setup window or any other dialog in between (the PDF printer only asks for its file).
void DeptWindowTest::printMakesThePlainListStraightToThePrinter() {
  SetPrintersOverride(QStringList{QString::fromLatin1(kPdfPrinterName)});
  const QString file = env_->DataFolder() + QStringLiteral("departments.pdf");
  int asked = 0;
  SetFileDialogHook([&](const TFileDialogCall& call) -> std::optional<QString> {
    ++asked;
    return call.DefaultExt == QLatin1String("pdf") ? std::optional<QString>(file) : std::nullopt;
  });
  TfrmDept w(*session_);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  {
    TDialogDriver driver([](QDialog& dialog) {
      dialog.reject();
      QFAIL(qPrintable("a dialog came up: " + dialog.windowTitle()));
    });
    QTest::mouseClick(ToolButton(&w, "spdPrint"), Qt::LeftButton);
    QCOMPARE(driver.Runs(), 0);
  }
  SetFileDialogHook(nullptr);
  SetPrintersOverride(std::nullopt);
  QCOMPARE(asked, 1);
  QVERIFY(QFileInfo(file).size() > 0);
  const QString text = PdfText(file);
  if (text.isEmpty()) QSKIP("pdftotext is not available");
  QVERIFY2(text.contains(QStringLiteral("Department List")), qPrintable(text));
  QVERIFY2(!text.contains(QStringLiteral("Information")), qPrintable(text));
  // One page, the departments in the window's order, no employees under them.
  QCOMPARE(text.split(QLatin1Char('\f'), Qt::SkipEmptyParts).size(), 1);
  qsizetype at = 0;
  for (const char* dept : {"Accounts", "Legal", "Research", "Sales", "Shipping"}) {
    const qsizetype next = text.indexOf(QString::fromLatin1(dept), at);
    QVERIFY2(next > at, dept);
    at = next;
  }
  QVERIFY2(!text.contains(QStringLiteral("Jones")), qPrintable(text));
}

}  // namespace absence::ui::test
