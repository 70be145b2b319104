#include "ui/maintenance/dept_window.h"

#include "data/undelete.h"
#include "edit/changes.h"
#include "ui/common/app_state.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/message_box.h"
#include "ui/common/pick_grid.h"
#include "ui/dialogs/undelete_dialog.h"
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

const TDeptRecClass* FindByID(const TDeptList& depts, int32_t deptID) {
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
  const TDataSet& d = session_.Data();
  const TDeptRecClass* dept = editID != 0 ? FindByID(d.DeptList, editID) : nullptr;
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
  const edit::TDeptFields fields{dlg.DeptName().toStdString(), dlg.DeptCode().toStdString(),
                                 dlg.Active(), dlg.Manager()};
  int32_t deptID = dept ? dept->DeptID : -1;
  if (dept) {
    if (!session_.Submit(std::make_unique<edit::TEditDept>(deptID, fields))) return;
  } else {
    auto add = std::make_unique<edit::TAddDept>(fields);
    const edit::TAddDept& added = *add;
    if (!session_.Submit(std::move(add))) return;
    deptID = added.NewID();
  }
  Fill(0);
  Grid()->SelectRow(Grid()->RowOf(deptID));
}

void TfrmDept::DeleteRecords(const std::vector<int32_t>& ids) {
  session_.Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Dept, ids));
}

bool TfrmDept::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(TUndeleteMode::Depts);
  dlg.SetSource();
  return RunDialog(dlg) == QDialog::Accepted;
}

}  // namespace absence::ui
