// The main window's boxes, the selected employee and what follows it: calendar cells,
// balances, day list and the commands that depend on the selection.
#include <QAction>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "dates/dates.h"
#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/pick_date.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/wait_cursor.h"
#include "ui/main/balance_explanation.h"
#include "ui/main/balances_panel.h"
#include "ui/main/calendar_grid.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/day_list.h"
#include "ui/main/main_actions.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"
#include "ui/main/start_hint.h"
#include "ui/session/data_session.h"

namespace absence::ui {

void TfrmMain::LoadEmpCombo() {
  TPVComboBox* box = toolbar_->EmployeeBox();
  QSignalBlocker block(box);
  box->clear();
  const TEmployeeDisplay display = App().Settings.EmployeeDisplay;
  for (const auto& emp : session_->Data().EmpList) {
    if (emp->Deleted) continue;
    if (display == TEmployeeDisplay::Current && emp->TermDate != 0) continue;
    if (display == TEmployeeDisplay::Former && !(emp->TermDate > 0)) continue;
    box->AddItem(QString::fromStdString(emp->FullName()), emp->EmpID);
  }
  box->setCurrentIndex(-1);
  employeesExist_ = box->count() > 0;
  ClearEmployee();
  ShowStartHint();
}

void TfrmMain::LoadReasonCombo() {
  reasonsExist_ = calendar_->LoadReasons();
  balances_->ShowBalances(currentEmpID_, calendar_->BalanceDate());
  SetEmployeeCommands();
  ShowStartHint();
}

void TfrmMain::ShowStartHint() {
  const TDataSet& d = session_->Data();
  const auto live = [](const auto& list) {
    return std::any_of(list.begin(), list.end(), [](const auto& r) { return !r->Deleted; });
  };
  // Nothing to say before the data set was read.
  startHint_->setText(session_->Loaded() ? StartHint(live(d.ReasonList), live(d.EmpList))
                                         : QString());
}

void TfrmMain::cboEmpBoxClick() {
  const int index = toolbar_->EmployeeBox()->currentIndex();
  if (index < 0) return;
  TWaitCursor wait;
  SelectEmployee(toolbar_->EmployeeBox()->ItemID(index));
}

void TfrmMain::SelectEmployee(int32_t empID) {
  if (!session_->Employee(empID)) {
    ClearEmployee();
    return;
  }
  currentEmpID_ = empID;
  ShowEmployee();
  SetEmployeeCommands();
}

void TfrmMain::ShowEmployee() {
  const TEmpRecClass* emp = session_->Employee(currentEmpID_);
  if (!emp) return ClearEmployee();
  calendar_->ShowEmployee(currentEmpID_);
  balances_->ShowBalances(currentEmpID_, calendar_->BalanceDate());
}

void TfrmMain::ClearEmployee() {
  currentEmpID_ = 0;
  calendar_->ShowEmployee(0);
  balances_->ShowBalances(0, calendar_->BalanceDate());
  SetEmployeeCommands();
}

void TfrmMain::ShowWeeks(TDate date) {
  calendar_->ShowWeeks(date);
}

void TfrmMain::WeeksShown() {
  balances_->SetYear(Year(calendar_->BalanceDate()));
  balances_->ShowBalances(currentEmpID_, calendar_->BalanceDate());
  ShowDayEntries();
}

void TfrmMain::ShowDayEntries() {
  dayList_->ShowDayEntries(calendar_->Grid()->CurrentDate());
}

void TfrmMain::SetEmployeeCommands() {
  const bool emp = currentEmpID_ != 0;
  actions_->SetEnabled(TCommand::AbsenceEntries, emp && reasonsExist_);
  actions_->SetEnabled(TCommand::EmployeeData, emp);
  calendar_->SetReasonDragEnabled(emp && reasonsExist_);
}

void TfrmMain::spdDateClick() {
  TWaitCursor wait;
  calendar_->ClearPicks();
  QString text = FormatDate(calendar_->Grid()->CurrentDate(), App().DatePattern);
  TDate chosen = 0;
  if (!PickDate(text, App().DatePattern, this) || !ParseDate(text, App().DatePattern, chosen))
    return;
  ShowWeeks(chosen);
  calendar_->ClearPicks();
}

void TfrmMain::ExplainBalance(int32_t reasonID, TDate date) {
  ShowBalanceExplanation(*session_, currentEmpID_, reasonID, date, this);
}

void TfrmMain::SetGlobalCommands() {
  actions_->SetEnabled(TCommand::GlobalEntries, reasonsExist_);
}

}  // namespace absence::ui
