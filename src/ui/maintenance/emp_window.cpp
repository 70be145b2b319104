#include "ui/maintenance/emp_window.h"

#include <QLabel>
#include <algorithm>

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
#include "ui/session/session_model.h"

namespace absence::ui {
namespace {

QString DisplayCaption(TEmployeeDisplay display) {
  switch (display) {
    case TEmployeeDisplay::Current:
      return TfrmEmp::tr("Current Employees Only");
    case TEmployeeDisplay::Former:
      return TfrmEmp::tr("Former Employees Only");
    case TEmployeeDisplay::All:
      break;
  }
  return TfrmEmp::tr("All Employees");
}

QString DateCell(TDate d) {
  return d > 0 ? FormatDate(d, App().DatePattern) : QString();
}

QString DeptName(const TDeptList& depts, int32_t deptID) {
  const int at = deptID >= 1 ? FindDept(depts, deptID, "") : -1;
  return at < 0 ? TfrmEmp::tr("<No Department>")
                : QString::fromStdString(depts[static_cast<std::size_t>(at)]->DeptName);
}

QStringList Captions() {
  return {TfrmEmp::tr("Name"),      TfrmEmp::tr("Employee ID"), TfrmEmp::tr("Start Date"),
          TfrmEmp::tr("Term Date"), TfrmEmp::tr("Benefits"),    TfrmEmp::tr("Department")};
}

}  // namespace

TfrmEmp::TfrmEmp(TDataSession& session, QWidget* parent)
    : TListWindow({tr("Employees"), tr("Employee"), tr("Print Employees"), tr("Employees Help"),
                   kEmpHelpContext},
                  {QStringLiteral("hdrEmployee"),
                   QStringLiteral("grdEmployee"),
                   {158, 83, 73, 73, 49, 141},
                   9},
                  new TSessionRecordModel(session, Captions(), {.Employees = true, .Depts = true},
                                          [this] { return Rows(); }),
                  parent),
      session_(session) {
  setObjectName(QStringLiteral("frmEmp"));
  displayLabel_ = new QLabel;
  displayLabel_->setObjectName(QStringLiteral("lblEmpDisplay"));
  SetToolbarLabel(displayLabel_);
  // Dates and the benefits caption are shown whole whatever the desktop's font.
  for (int column : {2, 3}) Grid()->FitColumnToText(column, QStringLiteral("00/00/0000"));
  Grid()->FitColumnToText(4, tr("Benefits"));
  SetPrintAction([this] {
    PrintList(
        [this](const reports::TPrintoutSetup& setup) {
          return reports::PrintEmployeeList(setup, session_.Data().EmpList,
                                            session_.Data().DeptList);
        },
        tr("Employee List"));
  });
}

std::vector<TRecordRow> TfrmEmp::Rows() const {
  const TDataSet& d = session_.Data();
  const TEmployeeDisplay display = App().Settings.EmployeeDisplay;
  std::vector<TRecordRow> rows;
  for (const auto& e : d.EmpList) {
    if (e->Deleted || !ShownByDisplay(*e, display)) continue;
    rows.push_back({e->EmpID,
                    {QString::fromStdString(e->FullName()), QString::fromStdString(e->SSN),
                     DateCell(e->StartDate), DateCell(e->TermDate),
                     e->EmpType == 'T' || e->EmpType == 'P' ? tr("No") : tr("Yes"),
                     DeptName(d.DeptList, e->DeptID)},
                    {QVariant(), QVariant(), e->StartDate, e->TermDate},
                    e->Modified});
  }
  displayLabel_->setText(DisplayCaption(display));
  return rows;
}

bool TfrmEmp::AnyTrashed() const {
  const TEmpList& emps = session_.Data().EmpList;
  return std::any_of(emps.begin(), emps.end(), [](const auto& e) { return e->Deleted; });
}

void TfrmEmp::EditRecord(int32_t editID) {
  const int32_t empID = EditEmployee(session_, editID, this);
  if (empID == 0) return;
  const int row = Grid()->RowOf(empID);
  Grid()->SelectRow(row >= 0 ? row : 0);
}

void TfrmEmp::DeleteRecords(const std::vector<int32_t>& ids) {
  session_.Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Employee, ids));
}

void TfrmEmp::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(TUndeleteMode::Emps);
  dlg.SetSource();
  RunDialog(dlg);
}

}  // namespace absence::ui
