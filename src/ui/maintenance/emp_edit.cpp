#include "ui/maintenance/emp_edit.h"

#include "data/emp_maintenance.h"
#include "ui/common/clock.h"
#include "ui/main/dialog_buttons.h"
#include "ui/maintenance/emp_rec.h"
#include "ui/session/data_session.h"

namespace absence::ui {

int32_t EditEmployee(TDataSession& session, int32_t empID, QWidget* parent) {
  TDataSet& d = session.Data();
  TEmpRecClass* emp = empID != 0 ? session.Employee(empID) : nullptr;
  // A new employee's balances live here until the dialog is done.
  TAccrualList newBalances;
  TfrmEmpRec dlg(session, parent);
  if (emp) {
    dlg.setWindowTitle(QStringLiteral("Edit Employee"));
    dlg.SetEmpID(emp->EmpID);
    dlg.SetFields({emp->LastName, emp->FirstName, emp->SSN, emp->EmpType, emp->DeptID,
                   emp->StartDate, emp->TermDate});
    dlg.SetIsManager(ManagesDept(d.DeptList, emp->DeptID, emp->EmpID));
    dlg.SetAccruals(emp->Accruals);
    dlg.SetEntries(&emp->Entries);
  } else {
    dlg.setWindowTitle(QStringLiteral("New Employee"));
    newBalances = NewEmployeeBalances(d.ReasonList, Today());
    dlg.SetEmpID(0);
    dlg.SetAccruals(newBalances);
  }
  if (RunDialog(dlg) != QDialog::Accepted) {
    // Balances edited in the dialog stay edited (the dialog works on the list itself).
    if (emp) session.NotifyChanged();
    return 0;
  }
  const TEmpFields fields = dlg.Fields();
  const int32_t oldDeptID = emp ? emp->DeptID : 0;
  if (emp) {
    ApplyEmployeeEdit(*emp, fields, d.GlobalList, d.ReasonList);
  } else {
    empID = AddNewEmployee(d.EmpList, fields, newBalances, d.GlobalList, d.ReasonList);
    // Added since the last save: shown as changed.
    d.EmpList.back()->Modified = true;
  }
  SetManagerRole(d.DeptList, empID, oldDeptID, fields.DeptID, dlg.IsManager());
  SortEmps(d.EmpList);
  session.NotifyChanged();
  return empID;
}

}  // namespace absence::ui
