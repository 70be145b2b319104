// The Edit menu's maintenance windows: departments, reasons and employees.
#include "ui/common/wait_cursor.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/main_window.h"
#include "ui/maintenance/dept_window.h"
#include "ui/maintenance/reasons_window.h"
#include "ui/session/data_session.h"

namespace absence::ui {

void TfrmMain::mnuEditDeptClick() {
  if (!session_->Loaded()) return;
  calendar_->ClearPicks();
  TfrmDept window(*session_, this);
  window.exec();
}

void TfrmMain::mnuEditReasonClick() {
  if (!session_->Loaded()) return;
  calendar_->ClearPicks();
  TfrmReasons window(*session_, this);
  window.exec();
  TWaitCursor wait;
  LoadReasonCombo();
  SetGlobalCommands();
  SetEmployeeCommands();
  if (currentEmpID_ != 0) ShowEmployee();
  ShowDayEntries();
}

}  // namespace absence::ui
