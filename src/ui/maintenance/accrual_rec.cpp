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
  setWindowTitle(tr("New Benefit Accrual"));
  reasonBox_ = new TPVComboBox;
  reasonBox_->setObjectName(QStringLiteral("cboReasonBox"));
  reasonBox_->setMinimumWidth(Scale(180));
  hoursBox_ = new TNumEdit;
  hoursBox_->setObjectName(QStringLiteral("txtHours"));
  hoursBox_->SetDecimals(2);
  hoursBox_->SetDigits(12);
  hoursBox_->SetDisplayMask(QString::fromLatin1(HourFormatPattern(App().Settings.HourFormat)));
  asOfDateBox_ = new TDateEdit;
  asOfDateBox_->setObjectName(QStringLiteral("txtAsOfDate"));
  asOfDateBox_->SetDateFormat(App().DatePattern);
  asOfDateBox_->SetRequiredField(true);
  asOfDateBox_->setMinimumWidth(
      asOfDateBox_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")));
  asOfDateButton_ = NewCalendarButton(QStringLiteral("spdAsOfDate"));

  auto* fields = new QGridLayout;
  int row = 0;
  for (auto [caption, field] : {std::pair<QString, QWidget*>{tr("&Reason"), reasonBox_},
                                {tr("Accrued &Hours"), hoursBox_},
                                {tr("&As Of Date"), asOfDateBox_}}) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1);
    ++row;
  }
  fields->addWidget(asOfDateButton_, 2, 2);
  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kAccrualRecHelpContext);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addSpacing(Scale(8));
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(reasonBox_, hoursBox_);
  setTabOrder(hoursBox_, asOfDateBox_);
  setTabOrder(asOfDateBox_, OkButton());
  setTabOrder(OkButton(), CancelButton());
  setTabOrder(CancelButton(), HelpButton());

  connect(asOfDateBox_, &TDateEdit::Exit, this, &TfrmAccrualRec::txtAsOfDateExit);
  connect(asOfDateButton_, &QToolButton::clicked, this, &TfrmAccrualRec::spdAsOfDateClick);
  connect(OkButton(), &QPushButton::clicked, this, &TfrmAccrualRec::cmdOKClick);
}

void TfrmAccrualRec::SetReasonList(const TReasonList& reasons) {
  reasons_ = &reasons;
  reasonBox_->clear();
  for (const auto& r : reasons) {
    // A trashed reason is not offered: its balance would be hidden with it.
    if (r->Deleted) continue;
    if (accruals_ && FindAccrual(*accruals_, r->ReasonID) >= 0) continue;
    reasonBox_->AddItem(QString::fromStdString(r->Description), r->ReasonID);
  }
  // Without a reason to choose there is no balance to make.
  OkButton()->setEnabled(reasonBox_->count() > 0);
}

void TfrmAccrualRec::SetReason(int32_t reasonID) {
  const int at = reasons_ && reasonID > 0 ? FindReason(*reasons_, reasonID, "") : -1;
  if (at < 0) {
    reasonBox_->setCurrentIndex(reasonBox_->count() > 0 ? 0 : -1);
    return;
  }
  reasonBox_->AddItem(
      QString::fromStdString((*reasons_)[static_cast<std::size_t>(at)]->Description), reasonID);
  reasonBox_->setCurrentIndex(reasonBox_->count() - 1);
  reasonBox_->setEnabled(false);
  OkButton()->setEnabled(true);
}

int32_t TfrmAccrualRec::GetReason() const {
  return reasonBox_->CurrentID();
}

void TfrmAccrualRec::SetHours(float hours) {
  hoursBox_->SetValue(hours);
}

float TfrmAccrualRec::GetHours() const {
  return static_cast<float>(hoursBox_->Value());
}

void TfrmAccrualRec::SetAsOfDate(TDate date) {
  asOfDateBox_->SetDate(date);
}

TDate TfrmAccrualRec::GetAsOfDate() const {
  TDate d = 0;
  return ParseDate(asOfDateBox_->text(), asOfDateBox_->DateFormat(), d) ? d : 0;
}

void TfrmAccrualRec::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TfrmAccrualRec::FormActivate() {
  if (windowTitle() == tr("Edit Benefit Accrual"))
    hoursBox_->setFocus();
  else
    reasonBox_->setFocus();
}

void TfrmAccrualRec::KeepFromEarliest() {
  const TDate d = GetAsOfDate();
  if (d > 0 && d < earliest_) SetAsOfDate(earliest_);
}

void TfrmAccrualRec::txtAsOfDateExit() {
  // Cancel closes the dialog even while the date is unfinished.
  const bool cancelling = QApplication::focusWidget() == CancelButton();
  asOfDateBox_->SetValidateInput(!cancelling);
  if (cancelling) return;
  if (asOfDateBox_->ParseText()) KeepFromEarliest();
}

void TfrmAccrualRec::spdAsOfDateClick() {
  if (PickDateFor(*asOfDateBox_)) KeepFromEarliest();
}

void TfrmAccrualRec::cmdOKClick() {
  if (!LeaveDateBoxes(OkButton(), {asOfDateBox_}) || !asOfDateBox_->Validate()) return;
  KeepFromEarliest();
  accept();
}

}  // namespace absence::ui
