#include "ui/maintenance/dept_window.h"

#include "data/undelete.h"
#include "ui/common/app_state.h"
#include "ui/common/message_box.h"
#include "ui/common/pick_grid.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/undelete_dialog.h"
#include "ui/maintenance/dept_rec.h"
#include "ui/reports/ab_report.h"
#include "ui/reports/report_settings.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

QString ManagerName(const TEmpList& emps, int32_t managerID) {
  if (managerID >= 1)
    for (const auto& e : emps)
      if (e->EmpID == managerID) return QString::fromStdString(e->FullName());
  return QStringLiteral("<No Manager>");
}

TDeptRecClass* FindByID(TDeptList& depts, int32_t deptID) {
  for (auto& d : depts)
    if (d->DeptID == deptID) return d.get();
  return nullptr;
}

}  // namespace

TfrmDept::TfrmDept(TDataSession& session, QWidget* parent)
    : TListWindow({QStringLiteral("Departments"), QStringLiteral("Department"),
                   QStringLiteral("Print"), QStringLiteral("Departments Help"), kDeptHelpContext},
                  {QStringLiteral("hdrDept"),
                   QStringLiteral("grdDept"),
                   {QStringLiteral("Department"), QStringLiteral("Dept ID"),
                    QStringLiteral("Active"), QStringLiteral("Manager")},
                   {180, 80, 45, 160, 30},
                   9},
                  parent),
      session_(session) {
  setObjectName(QStringLiteral("frmDept"));
  SetPrintAction([this] { PrintDepartments(); });
}

// The department information report for the listed departments, in grid order.
void TfrmDept::PrintDepartments() {
  reports::TSelection selection;
  for (int row = 0; row < Grid()->RecordCount(); ++row) {
    const int32_t id = Grid()->RowID(row);
    for (const auto& d : session_.Data().DeptList)
      if (d->DeptID == id) selection.push_back({d->DeptName, id});
  }
  reports::TReportOptions options;
  options.Kind = reports::TReportKind::Department;
  options.SelectFromEmployees = false;
  TfrmABReport(session_.Data(), options, selection, ProgramReportSettings(), App().PrinterName,
               this)
      .Print();
}

bool TfrmDept::AddRows() {
  const TDataSet& d = session_.Data();
  bool trashed = false;
  for (const auto& dept : d.DeptList) {
    if (dept->Deleted) {
      trashed = true;
      continue;
    }
    Grid()->AddRow(dept->DeptID,
                   {QString::fromStdString(dept->DeptName), QString::fromStdString(dept->DeptCode),
                    dept->Active ? QStringLiteral("Yes") : QStringLiteral("No"),
                    ManagerName(d.EmpList, dept->ManagerID)},
                   dept->Modified);
  }
  return trashed;
}

void TfrmDept::EditRecord(int32_t editID) {
  TDataSet& d = session_.Data();
  TDeptRecClass* dept = editID != 0 ? FindByID(d.DeptList, editID) : nullptr;
  TfrmDeptRec dlg(this);
  dlg.SetEmpList(d.EmpList);
  dlg.SetDeptList(d.DeptList);
  if (dept) {
    dlg.setWindowTitle(QStringLiteral("Edit Department"));
    dlg.SetDeptID(dept->DeptID);
    dlg.SetFields(QString::fromStdString(dept->DeptName), QString::fromStdString(dept->DeptCode),
                  dept->Active);
    dlg.SetManager(dept->ManagerID);
  }
  if (RunDialog(dlg) != QDialog::Accepted) return;
  int32_t deptID = dept ? dept->DeptID : -1;
  if (dept) {
    dept->Update(dlg.DeptName().toStdString(), dlg.DeptCode().toStdString(), dlg.Active(),
                 dlg.Manager());
  } else {
    try {
      deptID = AddDept(d.DeptList, dlg.DeptName().toStdString(), dlg.Manager(), dlg.Active(),
                       dlg.DeptCode().toStdString());
    } catch (const EIdentifierRangeError& e) {
      ShowErrorBox(QString::fromStdString(e.what()));
      return;
    }
    // A record added since the last save counts as changed (drawn in bold).
    d.DeptList.back()->Modified = true;
  }
  SortDepts(d.DeptList);
  session_.NotifyChanged();
  Fill(0);
  Grid()->SelectRow(Grid()->RowOf(deptID));
}

void TfrmDept::DeleteRecords(const std::vector<int32_t>& ids) {
  TDataSet& d = session_.Data();
  for (int32_t id : ids)
    if (TDeptRecClass* dept = FindByID(d.DeptList, id)) dept->Delete(d.EmpList);
  session_.NotifyChanged();
}

bool TfrmDept::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(TUndeleteMode::Depts);
  dlg.SetSource();
  return RunDialog(dlg) == QDialog::Accepted;
}

}  // namespace absence::ui
