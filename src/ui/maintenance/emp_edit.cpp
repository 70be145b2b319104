#include "ui/maintenance/emp_edit.h"

#include "data/emp_maintenance.h"
#include "edit/changes.h"
#include "edit/records_copy.h"
#include "ui/common/clock.h"
#include "ui/common/dialog_buttons.h"
#include "ui/maintenance/emp_rec.h"
#include "ui/session/data_session.h"

namespace absence::ui {

int32_t EditEmployee(TDataSession& session, int32_t empID, QWidget* parent) {
  const TDataSet& d = session.Data();
  const TEmpRecClass* emp = empID != 0 ? session.Employee(empID) : nullptr;
  // The balances are edited on a copy until OK; Cancel leaves the employee's as they were.
  TAccrualList balances;
  TfrmEmpRec dlg(session, parent);
  if (emp) {
    dlg.setWindowTitle(TfrmEmpRec::tr("Edit Employee"));
    dlg.SetEmpID(emp->EmpID);
    dlg.SetFields({emp->LastName, emp->FirstName, emp->SSN, emp->EmpType, emp->DeptID,
                   emp->StartDate, emp->TermDate});
    dlg.SetIsManager(ManagesDept(d.DeptList, emp->DeptID, emp->EmpID));
    balances = edit::CloneList(emp->Accruals);
    dlg.SetAccruals(balances);
    dlg.SetEntries(&emp->Entries);
  } else {
    dlg.setWindowTitle(TfrmEmpRec::tr("New Employee"));
    balances = NewEmployeeBalances(d.ReasonList, Today());
    dlg.SetEmpID(0);
    dlg.SetAccruals(balances);
  }
  if (RunDialog(dlg) != QDialog::Accepted) return 0;
  const TEmpFields fields = dlg.Fields();
  if (emp) {
    if (!session.Submit(
            std::make_unique<edit::TEditEmployee>(empID, fields, dlg.IsManager(), &balances)))
      return 0;
    return empID;
  }
  auto add = std::make_unique<edit::TAddEmployee>(fields, balances, dlg.IsManager());
  const edit::TAddEmployee& added = *add;
  if (!session.Submit(std::move(add))) return 0;
  return added.NewID();
}

}  // namespace absence::ui
