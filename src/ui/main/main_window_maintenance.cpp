// The Edit menu's maintenance windows: departments, reasons and employees.
#include "ui/common/dialog_buttons.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/wait_cursor.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"
#include "ui/maintenance/dept_window.h"
#include "ui/maintenance/emp_edit.h"
#include "ui/maintenance/emp_window.h"
#include "ui/maintenance/reasons_window.h"
#include "ui/session/data_session.h"

namespace absence::ui {

void TfrmMain::mnuEditEmpClick() {
  if (!session_->Loaded()) return;
  calendar_->ClearPicks();
  const int32_t remembered = currentEmpID_;
  TfrmEmp window(*session_, this);
  RunDialog(window);
  TWaitCursor wait;
  ReselectEmployee(remembered);
}

void TfrmMain::spdEmpClick() {
  if (!session_->Loaded() || currentEmpID_ == 0) return;
  calendar_->ClearPicks();
  const int32_t empID = currentEmpID_;
  if (EditEmployee(*session_, empID, this) == 0) return;
  TWaitCursor wait;
  ReselectEmployee(empID);
}

void TfrmMain::ReselectEmployee(int32_t empID) {
  LoadEmpCombo();
  const int index = toolbar_->EmployeeBox()->IndexOfID(empID);
  if (empID != 0 && index >= 0) {
    toolbar_->EmployeeBox()->setCurrentIndex(index);
    SelectEmployee(empID);
  }
  ShowDayEntries();
}

void TfrmMain::mnuEditDeptClick() {
  if (!session_->Loaded()) return;
  calendar_->ClearPicks();
  TfrmDept window(*session_, this);
  RunDialog(window);
}

void TfrmMain::mnuEditReasonClick() {
  if (!session_->Loaded()) return;
  calendar_->ClearPicks();
  TfrmReasons window(*session_, this);
  RunDialog(window);
  TWaitCursor wait;
  LoadReasonCombo();
  SetGlobalCommands();
  SetEmployeeCommands();
  if (currentEmpID_ != 0) ShowEmployee();
  ShowDayEntries();
}

}  // namespace absence::ui
