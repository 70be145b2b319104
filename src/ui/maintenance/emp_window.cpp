#include "ui/maintenance/emp_window.h"

#include <QLabel>

#include "data/emp_maintenance.h"
#include "data/undelete.h"
#include "edit/changes.h"
#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/pick_grid.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/maintenance/emp_edit.h"
#include "ui/reports/list_print.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

QString DisplayCaption(TEmployeeDisplay display) {
  switch (display) {
    case TEmployeeDisplay::Current:
      return QStringLiteral("Current Employees Only");
    case TEmployeeDisplay::Former:
      return QStringLiteral("Former Employees Only");
    case TEmployeeDisplay::All:
      break;
  }
  return QStringLiteral("All Employees");
}

QString DateCell(TDate d) {
  return d > 0 ? FormatDate(d, App().DatePattern) : QString();
}

QString DeptName(const TDeptList& depts, int32_t deptID) {
  const int at = deptID >= 1 ? FindDept(depts, deptID, "") : -1;
  return at < 0 ? QStringLiteral("<No Department>")
                : QString::fromStdString(depts[static_cast<std::size_t>(at)]->DeptName);
}

}  // namespace

TfrmEmp::TfrmEmp(TDataSession& session, QWidget* parent)
    : TListWindow(
          {QStringLiteral("Employees"), QStringLiteral("Employee"),
           QStringLiteral("Print Employees"), QStringLiteral("Employees Help"), kEmpHelpContext},
          {QStringLiteral("hdrEmployee"),
           QStringLiteral("grdEmployee"),
           {QStringLiteral("Name"), QStringLiteral("Employee ID"), QStringLiteral("Start Date"),
            QStringLiteral("Term Date"), QStringLiteral("Benefits"), QStringLiteral("Department")},
           {158, 83, 73, 73, 49, 141, 30},
           9},
          parent),
      session_(session) {
  setObjectName(QStringLiteral("frmEmp"));
  lblEmpDisplay = new QLabel;
  lblEmpDisplay->setObjectName(QStringLiteral("lblEmpDisplay"));
  SetToolbarLabel(lblEmpDisplay);
  // Dates and the benefits caption are shown whole whatever the desktop's font.
  for (int column : {2, 3}) Grid()->FitColumnToText(column, QStringLiteral("00/00/0000"));
  Grid()->FitColumnToText(4, QStringLiteral("Benefits"));
  SetPrintAction([this] {
    PrintList(
        [this](const reports::TPrintoutSetup& setup) {
          return reports::PrintEmployeeList(setup, session_.Data().EmpList,
                                            session_.Data().DeptList);
        },
        QStringLiteral("Employee List"));
  });
}

bool TfrmEmp::AddRows() {
  const TDataSet& d = session_.Data();
  const TEmployeeDisplay display = App().Settings.EmployeeDisplay;
  bool trashed = false;
  for (const auto& e : d.EmpList) {
    if (e->Deleted) {
      trashed = true;
      continue;
    }
    if (!ShownByDisplay(*e, display)) continue;
    Grid()->AddRow(
        e->EmpID,
        {QString::fromStdString(e->FullName()), QString::fromStdString(e->SSN),
         DateCell(e->StartDate), DateCell(e->TermDate),
         e->EmpType == 'T' || e->EmpType == 'P' ? QStringLiteral("No") : QStringLiteral("Yes"),
         DeptName(d.DeptList, e->DeptID)},
        e->Modified);
  }
  lblEmpDisplay->setText(DisplayCaption(display));
  return trashed;
}

void TfrmEmp::EditRecord(int32_t editID) {
  const int32_t empID = EditEmployee(session_, editID, this);
  if (empID == 0) return;
  Fill(0);
  const int row = Grid()->RowOf(empID);
  if (row >= 0) Grid()->SelectRow(row);
}

void TfrmEmp::DeleteRecords(const std::vector<int32_t>& ids) {
  session_.Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Employee, ids));
}

bool TfrmEmp::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(TUndeleteMode::Emps);
  dlg.SetSource();
  return RunDialog(dlg) == QDialog::Accepted;
}

}  // namespace absence::ui
