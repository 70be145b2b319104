#include "ui/maintenance/emp_rec.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/settings.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/init_flags.h"
#include "ui/common/message_box.h"
#include "ui/common/pick_date.h"
#include "ui/common/pick_grid.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/maintenance/accrual_balances.h"
#include "ui/maintenance/term_date.h"
#include "ui/reports/history_window.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

QString NoDepartment() {
  return TfrmEmpRec::tr("<No Department>");
}

QLineEdit* TextBox(const char* name, int maxLength) {
  auto* box = new QLineEdit;
  box->setObjectName(QString::fromLatin1(name));
  box->setMaxLength(maxLength);
  return box;
}

TDateEdit* DateBox(const char* name) {
  auto* box = new TDateEdit;
  box->setObjectName(QString::fromLatin1(name));
  box->SetDateFormat(App().DatePattern);
  box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) +
                       Scale(8));
  return box;
}

}  // namespace

TfrmEmpRec::TfrmEmpRec(TDataSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmEmpRec"));
  setWindowTitle(tr("New Employee"));
  firstNameBox_ = TextBox("txtFirstName", kFirstNameLen);
  lastNameBox_ = TextBox("txtLastName", kLastNameLen);
  employeeIdBox_ = TextBox("txtSSN", kSSNLen);
  startDateBox_ = DateBox("txtStartDate");
  startDateButton_ = NewCalendarButton(QStringLiteral("spdStartDate"));
  termDateBox_ = DateBox("txtEndDate");
  termDateButton_ = NewCalendarButton(QStringLiteral("spdEndDate"));
  benefitsBox_ = new QCheckBox(tr(" Eligible to accrue benefit hours"));
  benefitsBox_->setObjectName(QStringLiteral("chkBenefits"));
  benefitsBox_->setChecked(true);
  departmentBox_ = new TPVComboBox;
  departmentBox_->setObjectName(QStringLiteral("cboDeptBox"));
  managerBox_ = new QCheckBox(tr("Manager"));
  managerBox_->setObjectName(QStringLiteral("chkManager"));
  accrualsButton_ = new QPushButton(tr("Accruals"));
  accrualsButton_->setObjectName(QStringLiteral("cmdAccruals"));
  accrualsButton_->setAutoDefault(false);
  accrualsButton_->setLayoutDirection(Qt::RightToLeft);  // the arrow right of the caption
  historyButton_ = new QPushButton(tr("&History..."));
  historyButton_->setObjectName(QStringLiteral("cmdHistory"));
  historyButton_->setAutoDefault(false);

  auto* fields = new QGridLayout;
  int row = 0;
  auto addRow = [&](const QString& caption, QWidget* field, QWidget* beside, int span) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1, 1, span);
    if (beside) fields->addWidget(beside, row, 1 + span, Qt::AlignLeft);
    ++row;
  };
  addRow(tr("&First Name"), firstNameBox_, nullptr, 2);
  addRow(tr("&Last Name"), lastNameBox_, nullptr, 2);
  addRow(tr("Employee &ID"), employeeIdBox_, nullptr, 1);
  addRow(tr("&Start Date"), startDateBox_, startDateButton_, 1);
  addRow(tr("&Term Date"), termDateBox_, termDateButton_, 1);
  fields->addWidget(benefitsBox_, row++, 1, 1, 3);
  addRow(tr("De&partment"), departmentBox_, managerBox_, 2);
  fields->setColumnStretch(2, 1);
  departmentBox_->setMinimumWidth(Scale(150));

  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kEmpRecHelpContext);
  buttons->addStretch();
  buttons->addWidget(historyButton_);
  buttons->addWidget(accrualsButton_);

  auto* top = new QHBoxLayout;
  top->addLayout(fields, 1);
  top->addSpacing(Scale(8));
  top->addLayout(buttons);
  balances_ = new TAccrualBalances(session_);
  balances_->SetEarliestDate([this] {
    const TDate start = TypedDate(startDateBox_);
    return start > 0 ? start : Today();
  });
  balances_->SetNamesAsTyped([this] {
    return TAccrualBalances::TNames{lastNameBox_->text().toStdString(),
                                    firstNameBox_->text().toStdString()};
  });
  auto* column = new QVBoxLayout(this);
  column->addLayout(top);
  column->addWidget(balances_);
  column->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumWidth(Scale(352));

  for (auto [from, to] :
       std::initializer_list<std::pair<QWidget*, QWidget*>>{{firstNameBox_, lastNameBox_},
                                                            {lastNameBox_, employeeIdBox_},
                                                            {employeeIdBox_, startDateBox_},
                                                            {startDateBox_, termDateBox_},
                                                            {termDateBox_, benefitsBox_},
                                                            {benefitsBox_, departmentBox_},
                                                            {departmentBox_, accrualsButton_},
                                                            {accrualsButton_, OkButton()},
                                                            {OkButton(), CancelButton()},
                                                            {CancelButton(), HelpButton()},
                                                            {HelpButton(), managerBox_}})
    setTabOrder(from, to);

  // The active departments that are not in the trash, then "<No Department>".
  for (const auto& d : session_.Data().DeptList)
    if (d->Active && !d->Deleted)
      departmentBox_->AddItem(QString::fromStdString(d->DeptName), d->DeptID);
  departmentBox_->AddItem(NoDepartment(), 0);
  SetDeptID(0);
  SetFields(TEmpFields{});

  connect(departmentBox_, &QComboBox::activated, this, &TfrmEmpRec::cboDeptBoxClick);
  connect(accrualsButton_, &QPushButton::clicked, this, &TfrmEmpRec::cmdAccrualsClick);
  connect(historyButton_, &QPushButton::clicked, this,
          [this] { ShowHistory(session_, empID_, this); });
  connect(startDateButton_, &QToolButton::clicked, this, &TfrmEmpRec::spdStartDateClick);
  connect(termDateButton_, &QToolButton::clicked, this, &TfrmEmpRec::spdEndDateClick);
  connect(startDateBox_, &TDateEdit::Exit, this, &TfrmEmpRec::txtStartDateExit);
  connect(termDateBox_, &TDateEdit::Exit, this, &TfrmEmpRec::txtEndDateExit);
  connect(OkButton(), &QPushButton::clicked, this, &TfrmEmpRec::cmdOKClick);

  ShowAccrualSection(ReadInitFlag(kShowAccrualsKey));
}

void TfrmEmpRec::SetAccruals(TAccrualList& accruals) {
  accruals_ = &accruals;
  balances_->SetAccruals(accruals);
}

void TfrmEmpRec::SetFields(const TEmpFields& f) {
  firstNameBox_->setText(QString::fromStdString(f.FirstName));
  lastNameBox_->setText(QString::fromStdString(f.LastName));
  employeeIdBox_->setText(QString::fromStdString(f.SSN));
  startDateBox_->SetDate(f.StartDate > 0 ? f.StartDate : Today());
  if (f.TermDate > 0)
    termDateBox_->SetDate(f.TermDate);
  else
    termDateBox_->clear();
  benefitsBox_->setChecked(f.EmpType != 'P' && f.EmpType != 'T');
  SetDeptID(f.DeptID);
}

TEmpFields TfrmEmpRec::Fields() const {
  TEmpFields f;
  f.FirstName = firstNameBox_->text().toStdString();
  f.LastName = lastNameBox_->text().toStdString();
  f.SSN = employeeIdBox_->text().toStdString();
  f.StartDate = TypedDate(startDateBox_);
  f.TermDate = TypedDate(termDateBox_);
  f.EmpType = benefitsBox_->isChecked() ? 'F' : 'T';
  f.DeptID = DeptID();
  return f;
}

TDate TfrmEmpRec::TypedDate(const TDateEdit* box) const {
  TDate d = 0;
  return ParseDate(box->text(), box->DateFormat(), d) ? d : 0;
}

void TfrmEmpRec::SetDeptID(int32_t deptID) {
  incomingDeptID_ = deptID;
  const TDeptList& depts = session_.Data().DeptList;
  const int at = deptID >= 1 ? FindDept(depts, deptID, "") : -1;
  const int noDept = departmentBox_->count() - 1;
  if (at < 0) {
    departmentBox_->setCurrentIndex(noDept);
    return;
  }
  int index = departmentBox_->IndexOfID(deptID);
  if (index < 0) {
    // An inactive department still shows for the employees it has.
    const QString name = QString::fromStdString(depts[static_cast<std::size_t>(at)]->DeptName);
    index = 0;
    while (index < noDept && departmentBox_->itemText(index) < name) ++index;
    departmentBox_->insertItem(index, name, QVariant(deptID));
  }
  departmentBox_->setCurrentIndex(index);
}

int32_t TfrmEmpRec::DeptID() const {
  const int32_t id = departmentBox_->CurrentID();
  if (id != 0) return id;
  // The department is in the trash: the employee comes back to it when it is restored.
  return incomingDeptID_ < 0 ? incomingDeptID_ : 0;
}

void TfrmEmpRec::SetIsManager(bool on) {
  managerBox_->setChecked(on);
}

bool TfrmEmpRec::IsManager() const {
  return managerBox_->isChecked();
}

void TfrmEmpRec::cboDeptBoxClick(int index) {
  const int32_t deptID = departmentBox_->ItemID(index);
  managerBox_->setEnabled(deptID != 0);
  managerBox_->setChecked(deptID != 0 && ManagesDept(session_.Data().DeptList, deptID, empID_));
}

void TfrmEmpRec::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A new employee has no changes on record yet.
  historyButton_->setVisible(empID_ != 0);
  if (departmentBox_->CurrentID() == 0) {
    managerBox_->setChecked(false);
    managerBox_->setEnabled(false);
  }
  firstNameBox_->setFocus();
}

void TfrmEmpRec::cmdAccrualsClick() {
  ShowAccrualSection(balances_->isHidden());
}

void TfrmEmpRec::ShowAccrualSection(bool on) {
  balances_->setVisible(on);
  accrualsButton_->setText(on ? tr("Hide") : tr("Accruals"));
  accrualsButton_->setIcon(
      ResourceIcon(on ? QStringLiteral("ArrowUp") : QStringLiteral("ArrowDown")));
}

void TfrmEmpRec::spdStartDateClick() {
  if (PickDateFor(*startDateBox_)) txtStartDateExit();
}

void TfrmEmpRec::spdEndDateClick() {
  PickDateFor(*termDateBox_);
}

void TfrmEmpRec::txtStartDateExit() {
  // Cancel closes the dialog even while the date is unfinished.
  const bool cancelling = QApplication::focusWidget() == CancelButton();
  startDateBox_->SetValidateInput(!cancelling);
  if (cancelling || windowTitle() != tr("New Employee") || !accruals_) return;
  if (!startDateBox_->ParseText()) return;
  // A new employee's balances start with the employment.
  FollowStartDate(*accruals_, startDateBox_->Date());
  balances_->Refresh();
}

void TfrmEmpRec::txtEndDateExit() {
  termDateBox_->SetValidateInput(QApplication::focusWidget() != CancelButton());
}

void TfrmEmpRec::cmdOKClick() {
  if (!LeaveDateBoxes(OkButton(), {startDateBox_, termDateBox_})) return;
  if (startDateBox_->text().isEmpty()) {
    MessageBoxTitled(tr(kNoStartDateMessage), TMsgKind::Information, mbOK);
    startDateBox_->setFocus();
    return;
  }
  if (!startDateBox_->Validate() || !termDateBox_->Validate()) return;
  txtStartDateExit();
  if (!DatesAgreeWithEntries() || !BalancesAgreeWithStart()) return;
  balances_->SaveColumnWidths();
  accept();
}

namespace {

// Asks about the entry a typed date leaves outside the employment. False on Cancel; with "use
// the entry's date" the box takes it.
bool ConfirmEntryDate(QWidget* parent, bool termDate, const TAbsenceRecClass& entry,
                      TDateEdit* box) {
  TfrmTermDate dlg(parent);
  dlg.TermDate = termDate;
  dlg.Deleted = entry.IsDeleted();
  dlg.EntryDate = entry.EntryDate;
  dlg.TypedDate = box->text();
  if (RunDialog(dlg) != QDialog::Accepted) {
    box->setFocus();
    return false;
  }
  if (dlg.UseDate()) box->SetDate(entry.EntryDate);
  return true;
}

}  // namespace

bool TfrmEmpRec::DatesAgreeWithEntries() {
  if (!entries_ || entries_->empty()) return true;
  const TAbsenceRecClass* first = FirstOwnEntry(*entries_);
  if (first && TypedDate(startDateBox_) > first->EntryDate &&
      !ConfirmEntryDate(this, false, *first, startDateBox_))
    return false;
  const TDate term = TypedDate(termDateBox_);
  const TAbsenceRecClass* last = LastOwnEntry(*entries_);
  if (term > 0 && last && term < last->EntryDate &&
      !ConfirmEntryDate(this, true, *last, termDateBox_))
    return false;
  return true;
}

bool TfrmEmpRec::BalancesAgreeWithStart() {
  const TDate start = TypedDate(startDateBox_);
  if (!accruals_ || !AnyBalanceBefore(*accruals_, start)) return true;
  if (MessageBoxTitled(tr(kAsOfQuestion), TMsgKind::Confirmation, mbYes | mbNo | mbCancel) ==
      mbYes) {
    RaiseAsOfDates(*accruals_, start);
    balances_->Refresh();
    return true;
  }
  startDateBox_->setFocus();
  return false;
}

void TfrmEmpRec::done(int result) {
  WriteInitFlag(kShowAccrualsKey, !balances_->isHidden());
  QDialog::done(result);
}

}  // namespace absence::ui
