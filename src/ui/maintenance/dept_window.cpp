#include "ui/maintenance/dept_window.h"

#include <algorithm>

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
#include "ui/session/session_model.h"

namespace absence::ui {
namespace {

QString ManagerName(const TEmpList& emps, int32_t managerID) {
  if (managerID >= 1)
    for (const auto& e : emps)
      if (e->EmpID == managerID) return QString::fromStdString(e->FullName());
  return TfrmDept::tr("<No Manager>");
}

const TDeptRecClass* FindByID(const TDeptList& depts, int32_t deptID) {
  for (auto& d : depts)
    if (d->DeptID == deptID) return d.get();
  return nullptr;
}

QStringList Captions() {
  return {TfrmDept::tr("Department"), TfrmDept::tr("Dept ID"), TfrmDept::tr("Active"),
          TfrmDept::tr("Manager")};
}

}  // namespace

TfrmDept::TfrmDept(TDataSession& session, QWidget* parent)
    : TListWindow({tr("Departments"), tr("Department"), tr("Print"), tr("Departments Help"),
                   kDeptHelpContext},
                  {QStringLiteral("hdrDept"), QStringLiteral("grdDept"), {180, 80, 45, 160}, 9},
                  // Manager names follow the employees.
                  new TSessionRecordModel(session, Captions(), {.Employees = true, .Depts = true},
                                          [this] { return Rows(); }),
                  parent),
      session_(session) {
  setObjectName(QStringLiteral("frmDept"));
  SetPrintAction([this] { PrintDepartments(); });
}

// The plain department list of the listed departments, in list order, straight to the printer.
void TfrmDept::PrintDepartments() {
  reports::TSelection selection;
  for (int row = 0; row < Grid()->RecordCount(); ++row) {
    const int32_t id = Grid()->RowID(row);
    if (const TDeptRecClass* d = FindByID(session_.Data().DeptList, id))
      selection.push_back({d->DeptName, id});
  }
  reports::TReportOptions options;
  options.Kind = reports::TReportKind::Department;
  options.SelectFromEmployees = false;
  options.InformationList = false;
  options.NewPagePerGroup = false;
  TfrmABReport(session_.Data(), options, selection, ProgramReportSettings(), App().PrinterName,
               this)
      .PrintDirect();
}

std::vector<TRecordRow> TfrmDept::Rows() const {
  const TDataSet& d = session_.Data();
  std::vector<TRecordRow> rows;
  for (const auto& dept : d.DeptList) {
    if (dept->Deleted) continue;
    rows.push_back({dept->DeptID,
                    {QString::fromStdString(dept->DeptName), QString::fromStdString(dept->DeptCode),
                     dept->Active ? tr("Yes") : tr("No"), ManagerName(d.EmpList, dept->ManagerID)},
                    {},
                    dept->Modified});
  }
  return rows;
}

bool TfrmDept::AnyTrashed() const {
  const TDeptList& depts = session_.Data().DeptList;
  return std::any_of(depts.begin(), depts.end(), [](const auto& d) { return d->Deleted; });
}

void TfrmDept::EditRecord(int32_t editID) {
  const TDataSet& d = session_.Data();
  const TDeptRecClass* dept = editID != 0 ? FindByID(d.DeptList, editID) : nullptr;
  TfrmDeptRec dlg(this);
  dlg.SetEmpList(d.EmpList);
  dlg.SetDeptList(d.DeptList);
  if (dept) {
    dlg.setWindowTitle(tr("Edit Department"));
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
  Grid()->SelectRow(Grid()->RowOf(deptID));
}

void TfrmDept::DeleteRecords(const std::vector<int32_t>& ids) {
  session_.Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Dept, ids));
}

void TfrmDept::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(TUndeleteMode::Depts);
  dlg.SetSource();
  RunDialog(dlg);
}

}  // namespace absence::ui
