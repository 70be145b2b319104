#include "ui/maintenance/accrual_rec.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/app_state.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/num_edit.h"
#include "ui/common/pick_date.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"

namespace absence::ui {

TfrmAccrualRec::TfrmAccrualRec(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAccrualRec"));
  setWindowTitle(QStringLiteral("New Benefit Accrual"));
  cboReasonBox = new TPVComboBox;
  cboReasonBox->setObjectName(QStringLiteral("cboReasonBox"));
  cboReasonBox->setMinimumWidth(Scale(180));
  txtHours = new TNumEdit;
  txtHours->setObjectName(QStringLiteral("txtHours"));
  txtHours->SetDecimals(2);
  txtHours->SetDigits(12);
  txtHours->SetDisplayMask(QString::fromLatin1(HourFormatPattern(App().Settings.HourFormat)));
  txtAsOfDate = new TDateEdit;
  txtAsOfDate->setObjectName(QStringLiteral("txtAsOfDate"));
  txtAsOfDate->SetDateFormat(App().DatePattern);
  txtAsOfDate->SetRequiredField(true);
  txtAsOfDate->setMinimumWidth(
      txtAsOfDate->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")));
  spdAsOfDate = NewCalendarButton(QStringLiteral("spdAsOfDate"));

  auto* fields = new QGridLayout;
  int row = 0;
  for (auto [caption, field] : {std::pair<const char*, QWidget*>{"&Reason", cboReasonBox},
                                {"Accrued &Hours", txtHours},
                                {"&As Of Date", txtAsOfDate}}) {
    auto* label = new QLabel(QString::fromLatin1(caption));
    label->setBuddy(field);
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1);
    ++row;
  }
  fields->addWidget(spdAsOfDate, 2, 2);
  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kAccrualRecHelpContext);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addSpacing(Scale(8));
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(cboReasonBox, txtHours);
  setTabOrder(txtHours, txtAsOfDate);
  setTabOrder(txtAsOfDate, cmdOK);
  setTabOrder(cmdOK, cmdCancel);
  setTabOrder(cmdCancel, cmdHelp);

  connect(txtAsOfDate, &TDateEdit::Exit, this, &TfrmAccrualRec::txtAsOfDateExit);
  connect(spdAsOfDate, &QToolButton::clicked, this, &TfrmAccrualRec::spdAsOfDateClick);
  connect(cmdOK, &QPushButton::clicked, this, &TfrmAccrualRec::cmdOKClick);
}

void TfrmAccrualRec::SetReasonList(const TReasonList& reasons) {
  reasons_ = &reasons;
  cboReasonBox->clear();
  for (const auto& r : reasons) {
    // A trashed reason is not offered: its balance would be hidden with it.
    if (r->Deleted) continue;
    if (accruals_ && FindAccrual(*accruals_, r->ReasonID) >= 0) continue;
    cboReasonBox->AddItem(QString::fromStdString(r->Description), r->ReasonID);
  }
  // Without a reason to choose there is no balance to make.
  cmdOK->setEnabled(cboReasonBox->count() > 0);
}

void TfrmAccrualRec::SetReason(int32_t reasonID) {
  const int at = reasons_ && reasonID > 0 ? FindReason(*reasons_, reasonID, "") : -1;
  if (at < 0) {
    cboReasonBox->setCurrentIndex(cboReasonBox->count() > 0 ? 0 : -1);
    return;
  }
  cboReasonBox->AddItem(
      QString::fromStdString((*reasons_)[static_cast<std::size_t>(at)]->Description), reasonID);
  cboReasonBox->setCurrentIndex(cboReasonBox->count() - 1);
  cboReasonBox->setEnabled(false);
  cmdOK->setEnabled(true);
}

int32_t TfrmAccrualRec::GetReason() const {
  return cboReasonBox->CurrentID();
}

void TfrmAccrualRec::SetHours(float hours) {
  txtHours->SetValue(hours);
}

float TfrmAccrualRec::GetHours() const {
  return static_cast<float>(txtHours->Value());
}

void TfrmAccrualRec::SetAsOfDate(TDate date) {
  txtAsOfDate->SetDate(date);
}

TDate TfrmAccrualRec::GetAsOfDate() const {
  TDate d = 0;
  return ParseDate(txtAsOfDate->text(), txtAsOfDate->DateFormat(), d) ? d : 0;
}

void TfrmAccrualRec::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TfrmAccrualRec::FormActivate() {
  if (windowTitle() == QStringLiteral("Edit Benefit Accrual"))
    txtHours->setFocus();
  else
    cboReasonBox->setFocus();
}

void TfrmAccrualRec::KeepFromEarliest() {
  const TDate d = GetAsOfDate();
  if (d > 0 && d < earliest_) SetAsOfDate(earliest_);
}

void TfrmAccrualRec::txtAsOfDateExit() {
  // Cancel closes the dialog even while the date is unfinished.
  const bool cancelling = QApplication::focusWidget() == cmdCancel;
  txtAsOfDate->SetValidateInput(!cancelling);
  if (cancelling) return;
  if (txtAsOfDate->ParseText()) KeepFromEarliest();
}

void TfrmAccrualRec::spdAsOfDateClick() {
  if (PickDateFor(*txtAsOfDate)) KeepFromEarliest();
}

void TfrmAccrualRec::cmdOKClick() {
  if (!LeaveDateBoxes(cmdOK, {txtAsOfDate}) || !txtAsOfDate->Validate()) return;
  KeepFromEarliest();
  accept();
}

}  // namespace absence::ui
