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
#include "ui/common/init_flags.h"
#include "ui/common/message_box.h"
#include "ui/common/pick_grid.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/pick_date.h"
#include "ui/maintenance/accrual_balances.h"
#include "ui/maintenance/term_date.h"
#include "ui/reports/history_window.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

const QString kNoDepartment = QStringLiteral("<No Department>");

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
  setWindowTitle(QStringLiteral("New Employee"));
  txtFirstName = TextBox("txtFirstName", kFirstNameLen);
  txtLastName = TextBox("txtLastName", kLastNameLen);
  txtSSN = TextBox("txtSSN", kSSNLen);
  txtStartDate = DateBox("txtStartDate");
  spdStartDate = NewCalendarButton(QStringLiteral("spdStartDate"));
  txtEndDate = DateBox("txtEndDate");
  spdEndDate = NewCalendarButton(QStringLiteral("spdEndDate"));
  chkBenefits = new QCheckBox(QStringLiteral(" Eligible to accrue benefit hours"));
  chkBenefits->setObjectName(QStringLiteral("chkBenefits"));
  chkBenefits->setChecked(true);
  cboDeptBox = new TPVComboBox;
  cboDeptBox->setObjectName(QStringLiteral("cboDeptBox"));
  chkManager = new QCheckBox(QStringLiteral("Manager"));
  chkManager->setObjectName(QStringLiteral("chkManager"));
  cmdAccruals = new QPushButton(QStringLiteral("Accruals"));
  cmdAccruals->setObjectName(QStringLiteral("cmdAccruals"));
  cmdAccruals->setAutoDefault(false);
  cmdAccruals->setLayoutDirection(Qt::RightToLeft);  // the arrow right of the caption
  cmdHistory = new QPushButton(tr("&History..."));
  cmdHistory->setObjectName(QStringLiteral("cmdHistory"));
  cmdHistory->setAutoDefault(false);

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
  addRow(QStringLiteral("&First Name"), txtFirstName, nullptr, 2);
  addRow(QStringLiteral("&Last Name"), txtLastName, nullptr, 2);
  addRow(QStringLiteral("Employee &ID"), txtSSN, nullptr, 1);
  addRow(QStringLiteral("&Start Date"), txtStartDate, spdStartDate, 1);
  addRow(QStringLiteral("&Term Date"), txtEndDate, spdEndDate, 1);
  fields->addWidget(chkBenefits, row++, 1, 1, 3);
  addRow(QStringLiteral("De&partment"), cboDeptBox, chkManager, 2);
  fields->setColumnStretch(2, 1);
  cboDeptBox->setMinimumWidth(Scale(150));

  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kEmpRecHelpContext);
  buttons->addStretch();
  buttons->addWidget(cmdHistory);
  buttons->addWidget(cmdAccruals);

  auto* top = new QHBoxLayout;
  top->addLayout(fields, 1);
  top->addSpacing(Scale(8));
  top->addLayout(buttons);
  pnlAccruals = new TAccrualBalances(session_);
  pnlAccruals->SetEarliestDate([this] {
    const TDate start = TypedDate(txtStartDate);
    return start > 0 ? start : Today();
  });
  pnlAccruals->SetNamesAsTyped([this] {
    return TAccrualBalances::TNames{txtLastName->text().toStdString(),
                                    txtFirstName->text().toStdString()};
  });
  auto* column = new QVBoxLayout(this);
  column->addLayout(top);
  column->addWidget(pnlAccruals);
  column->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumWidth(Scale(352));

  for (auto [from, to] :
       std::initializer_list<std::pair<QWidget*, QWidget*>>{{txtFirstName, txtLastName},
                                                            {txtLastName, txtSSN},
                                                            {txtSSN, txtStartDate},
                                                            {txtStartDate, txtEndDate},
                                                            {txtEndDate, chkBenefits},
                                                            {chkBenefits, cboDeptBox},
                                                            {cboDeptBox, cmdAccruals},
                                                            {cmdAccruals, cmdOK},
                                                            {cmdOK, cmdCancel},
                                                            {cmdCancel, cmdHelp},
                                                            {cmdHelp, chkManager}})
    setTabOrder(from, to);

  // The active departments that are not in the trash, then "<No Department>".
  for (const auto& d : session_.Data().DeptList)
    if (d->Active && !d->Deleted)
      cboDeptBox->AddItem(QString::fromStdString(d->DeptName), d->DeptID);
  cboDeptBox->AddItem(kNoDepartment, 0);
  SetDeptID(0);
  SetFields(TEmpFields{});

  connect(cboDeptBox, &QComboBox::activated, this, &TfrmEmpRec::cboDeptBoxClick);
  connect(cmdAccruals, &QPushButton::clicked, this, &TfrmEmpRec::cmdAccrualsClick);
  connect(cmdHistory, &QPushButton::clicked, this, [this] { ShowHistory(session_, empID_, this); });
  connect(spdStartDate, &QToolButton::clicked, this, &TfrmEmpRec::spdStartDateClick);
  connect(spdEndDate, &QToolButton::clicked, this, &TfrmEmpRec::spdEndDateClick);
  connect(txtStartDate, &TDateEdit::Exit, this, &TfrmEmpRec::txtStartDateExit);
  connect(txtEndDate, &TDateEdit::Exit, this, &TfrmEmpRec::txtEndDateExit);
  connect(cmdOK, &QPushButton::clicked, this, &TfrmEmpRec::cmdOKClick);

  ShowAccrualSection(ReadInitFlag(kShowAccrualsKey));
}

void TfrmEmpRec::SetAccruals(TAccrualList& accruals) {
  accruals_ = &accruals;
  pnlAccruals->SetAccruals(accruals);
}

void TfrmEmpRec::SetFields(const TEmpFields& f) {
  txtFirstName->setText(QString::fromStdString(f.FirstName));
  txtLastName->setText(QString::fromStdString(f.LastName));
  txtSSN->setText(QString::fromStdString(f.SSN));
  txtStartDate->SetDate(f.StartDate > 0 ? f.StartDate : Today());
  if (f.TermDate > 0)
    txtEndDate->SetDate(f.TermDate);
  else
    txtEndDate->clear();
  chkBenefits->setChecked(f.EmpType != 'P' && f.EmpType != 'T');
  SetDeptID(f.DeptID);
}

TEmpFields TfrmEmpRec::Fields() const {
  TEmpFields f;
  f.FirstName = txtFirstName->text().toStdString();
  f.LastName = txtLastName->text().toStdString();
  f.SSN = txtSSN->text().toStdString();
  f.StartDate = TypedDate(txtStartDate);
  f.TermDate = TypedDate(txtEndDate);
  f.EmpType = chkBenefits->isChecked() ? 'F' : 'T';
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
  const int noDept = cboDeptBox->count() - 1;
  if (at < 0) {
    cboDeptBox->setCurrentIndex(noDept);
    return;
  }
  int index = cboDeptBox->IndexOfID(deptID);
  if (index < 0) {
    // An inactive department still shows for the employees it has.
    const QString name = QString::fromStdString(depts[static_cast<std::size_t>(at)]->DeptName);
    index = 0;
    while (index < noDept && cboDeptBox->itemText(index) < name) ++index;
    cboDeptBox->insertItem(index, name, QVariant(deptID));
  }
  cboDeptBox->setCurrentIndex(index);
}

int32_t TfrmEmpRec::DeptID() const {
  const int32_t id = cboDeptBox->CurrentID();
  if (id != 0) return id;
  // The department is in the trash: the employee comes back to it when it is restored.
  return incomingDeptID_ < 0 ? incomingDeptID_ : 0;
}

void TfrmEmpRec::SetIsManager(bool on) {
  chkManager->setChecked(on);
}

bool TfrmEmpRec::IsManager() const {
  return chkManager->isChecked();
}

void TfrmEmpRec::cboDeptBoxClick(int index) {
  const int32_t deptID = cboDeptBox->ItemID(index);
  chkManager->setEnabled(deptID != 0);
  chkManager->setChecked(deptID != 0 && ManagesDept(session_.Data().DeptList, deptID, empID_));
}

void TfrmEmpRec::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A new employee has no changes on record yet.
  cmdHistory->setVisible(empID_ != 0);
  if (cboDeptBox->CurrentID() == 0) {
    chkManager->setChecked(false);
    chkManager->setEnabled(false);
  }
  txtFirstName->setFocus();
}

void TfrmEmpRec::cmdAccrualsClick() {
  ShowAccrualSection(pnlAccruals->isHidden());
}

void TfrmEmpRec::ShowAccrualSection(bool on) {
  pnlAccruals->setVisible(on);
  cmdAccruals->setText(on ? QStringLiteral("Hide") : QStringLiteral("Accruals"));
  cmdAccruals->setIcon(ResourceIcon(on ? QStringLiteral("ArrowUp") : QStringLiteral("ArrowDown")));
}

void TfrmEmpRec::spdStartDateClick() {
  if (PickDateFor(*txtStartDate)) txtStartDateExit();
}

void TfrmEmpRec::spdEndDateClick() {
  PickDateFor(*txtEndDate);
}

void TfrmEmpRec::txtStartDateExit() {
  // Cancel closes the dialog even while the date is unfinished.
  const bool cancelling = QApplication::focusWidget() == cmdCancel;
  txtStartDate->SetValidateInput(!cancelling);
  if (cancelling || windowTitle() != QStringLiteral("New Employee") || !accruals_) return;
  if (!txtStartDate->ParseText()) return;
  // A new employee's balances start with the employment.
  FollowStartDate(*accruals_, txtStartDate->Date());
  pnlAccruals->Fill(pnlAccruals->grdAccruals->CurrentRow());
}

void TfrmEmpRec::txtEndDateExit() {
  txtEndDate->SetValidateInput(QApplication::focusWidget() != cmdCancel);
}

void TfrmEmpRec::cmdOKClick() {
  if (!LeaveDateBoxes(cmdOK, {txtStartDate, txtEndDate})) return;
  if (txtStartDate->text().isEmpty()) {
    MessageBoxTitled(QString::fromLatin1(kNoStartDateMessage), TMsgKind::Information, mbOK);
    txtStartDate->setFocus();
    return;
  }
  if (!txtStartDate->Validate() || !txtEndDate->Validate()) return;
  txtStartDateExit();
  if (!DatesAgreeWithEntries() || !BalancesAgreeWithStart()) return;
  pnlAccruals->grdAccruals->SaveColumnWidths();
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
  if (first && TypedDate(txtStartDate) > first->EntryDate &&
      !ConfirmEntryDate(this, false, *first, txtStartDate))
    return false;
  const TDate term = TypedDate(txtEndDate);
  const TAbsenceRecClass* last = LastOwnEntry(*entries_);
  if (term > 0 && last && term < last->EntryDate &&
      !ConfirmEntryDate(this, true, *last, txtEndDate))
    return false;
  return true;
}

bool TfrmEmpRec::BalancesAgreeWithStart() {
  const TDate start = TypedDate(txtStartDate);
  if (!accruals_ || !AnyBalanceBefore(*accruals_, start)) return true;
  if (MessageBoxTitled(QString::fromLatin1(kAsOfQuestion), TMsgKind::Confirmation,
                       mbYes | mbNo | mbCancel) == mbYes) {
    RaiseAsOfDates(*accruals_, start);
    pnlAccruals->Fill(pnlAccruals->grdAccruals->CurrentRow());
    return true;
  }
  txtStartDate->setFocus();
  return false;
}

void TfrmEmpRec::done(int result) {
  WriteInitFlag(kShowAccrualsKey, !pnlAccruals->isHidden());
  QDialog::done(result);
}

}  // namespace absence::ui
