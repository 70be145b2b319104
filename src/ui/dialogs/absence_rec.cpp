#include "ui/dialogs/absence_rec.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/app_state.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/message_box.h"
#include "ui/common/num_edit.h"
#include "ui/common/pick_date.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {

TfrmAbsenceRec::TfrmAbsenceRec(TDataSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmAbsenceRec"));
  setWindowTitle(tr("Absence Entry"));

  reasonBox_ = new TPVComboBox;
  reasonBox_->setObjectName(QStringLiteral("cboReasonBox"));
  dateEdit_ = new TDateEdit;
  dateEdit_->setObjectName(QStringLiteral("txtDate"));
  dateEdit_->SetDateFormat(App().DatePattern);
  dateButton_ = NewCalendarButton(QStringLiteral("spdDate"));
  hoursEdit_ = new TNumEdit;
  hoursEdit_->setObjectName(QStringLiteral("txtHours"));
  hoursEdit_->SetDecimals(2);
  hoursEdit_->SetDigits(12);
  hoursEdit_->SetDisplayMask(QStringLiteral("#,##0.00"));
  hoursEdit_->SetMaximum(24);
  entryScroll_ = new QScrollBar(Qt::Vertical);
  entryScroll_->setObjectName(QStringLiteral("barScroll"));
  entryScroll_->setMinimum(0);
  entryScroll_->setMaximum(0);
  entryScroll_->setPageStep(1);
  entryScroll_->hide();

  auto* fields = new QGridLayout;
  auto addRow = [&](int row, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1);
  };
  addRow(0, tr("&Reason"), reasonBox_);
  addRow(1, tr("&Date"), dateEdit_);
  fields->addWidget(dateButton_, 1, 2);
  addRow(2, tr("&Hours"), hoursEdit_);
  fields->setColumnMinimumWidth(1, Scale(150));
  const int textWidth = dateEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000"));
  dateEdit_->setMinimumWidth(textWidth);

  auto* frame = new QFrame;
  frame->setObjectName(QStringLiteral("bvlFrame"));
  frame->setFrameShape(QFrame::StyledPanel);
  auto* frameLayout = new QHBoxLayout(frame);
  frameLayout->addLayout(fields);
  frameLayout->addWidget(entryScroll_);

  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kAbsenceRecHelpContext);
  buttons->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(reasonBox_, dateEdit_);
  setTabOrder(dateEdit_, hoursEdit_);
  setTabOrder(hoursEdit_, OkButton());
  setTabOrder(OkButton(), CancelButton());
  setTabOrder(CancelButton(), HelpButton());

  connect(dateButton_, &QToolButton::clicked, this, &TfrmAbsenceRec::spdDateClick);
  connect(dateEdit_, &TDateEdit::Exit, this, &TfrmAbsenceRec::txtDateExit);
  connect(entryScroll_, &QScrollBar::valueChanged, this, &TfrmAbsenceRec::barScrollScroll);
  connect(OkButton(), &QPushButton::clicked, this, &TfrmAbsenceRec::cmdOKClick);
}

void TfrmAbsenceRec::SetReasons() {
  reasonBox_->clear();
  std::vector<const TReasonRecClass*> offered;
  for (const auto& r : session_.Data().ReasonList)
    if (r->Active && !r->Deleted) offered.push_back(r.get());
  std::stable_sort(offered.begin(), offered.end(), [](const auto* a, const auto* b) {
    return QString::fromStdString(a->Description)
               .compare(QString::fromStdString(b->Description), Qt::CaseInsensitive) < 0;
  });
  for (const auto* r : offered)
    reasonBox_->AddItem(QString::fromStdString(r->Description), r->ReasonID);
}

void TfrmAbsenceRec::SetEntries(TEntryList* entries) {
  entries_ = entries;
  entryIndex_ = 0;
  if (!entries_ || entries_->empty()) return;
  ShowEntry(0);
  if (entries_->size() > 1) {
    const QSignalBlocker block(entryScroll_);
    entryScroll_->setMaximum(static_cast<int>(entries_->size()) - 1);
    entryScroll_->setValue(0);
    entryScroll_->show();
  }
}

void TfrmAbsenceRec::ShowEntry(int index) {
  const auto& e = *(*entries_)[static_cast<std::size_t>(index)];
  SetReason(e.ReasonID);
  SetEntryDate(e.EntryDate);
  SetHours(e.Hours);
  SetReadOnly(e.IsGlobal());
}

void TfrmAbsenceRec::SetReason(int32_t reasonID) {
  if (reasonID == 0) {
    reasonBox_->setCurrentIndex(reasonBox_->count() > 0 ? 0 : -1);
    return;
  }
  int at = reasonBox_->IndexOfID(reasonID);
  if (at == -1) {
    // An inactive reason still shows for an entry that already uses it.
    const QString text = QString::fromStdString(ReasonText(session_.Data().ReasonList, reasonID));
    at = 0;
    while (at < reasonBox_->count() &&
           reasonBox_->itemText(at).compare(text, Qt::CaseInsensitive) < 0)
      ++at;
    reasonBox_->insertItem(at, text, reasonID);
  }
  reasonBox_->setCurrentIndex(at);
}

int32_t TfrmAbsenceRec::GetReason() const {
  return reasonBox_->CurrentID();
}

void TfrmAbsenceRec::SetEntryDate(TDate date) {
  dateEdit_->SetDate(date);
}

TDate TfrmAbsenceRec::GetEntryDate() const {
  TDate d = 0;
  return ParseDate(dateEdit_->text(), dateEdit_->DateFormat(), d) ? d : 0;
}

void TfrmAbsenceRec::SetHours(float hours) {
  const QString format = QString::fromLatin1(HourFormatPattern(App().Settings.HourFormat));
  hoursEdit_->SetDecimals(format.size() == 5 ? 0 : format.size() == 7 ? 1 : 2);
  hoursEdit_->SetDisplayMask(format);
  hoursEdit_->SetValue(hours);
}

float TfrmAbsenceRec::GetHours() const {
  return static_cast<float>(hoursEdit_->Value());
}

void TfrmAbsenceRec::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  OkButton()->setEnabled(!readOnly);
  reasonBox_->setEnabled(!readOnly);
  dateEdit_->setEnabled(!readOnly);
  hoursEdit_->setEnabled(!readOnly);
  dateButton_->setVisible(!readOnly);
  setWindowTitle(readOnly ? tr("Global Absence Entry") : tr("Edit Absence Entry"));
}

void TfrmAbsenceRec::hideEvent(QHideEvent* event) {
  cursor_.Hidden();
  QDialog::hideEvent(event);
}

void TfrmAbsenceRec::showEvent(QShowEvent* event) {
  cursor_.Shown();
  QDialog::showEvent(event);
  FormActivate();
}

void TfrmAbsenceRec::FormActivate() {
  if (readOnly_)
    CancelButton()->setFocus();
  else
    reasonBox_->setFocus();
}

bool TfrmAbsenceRec::DateRuleHolds() {
  if (GetEntryDate() >= EarliestDate) return true;
  MessageBoxTitled(tr("The absence date may not be before the employee's start date (%1).")
                       .arg(FormatDate(EarliestDate, App().DatePattern)),
                   TMsgKind::Information, mbOK);
  dateEdit_->setFocus();
  return false;
}

bool TfrmAbsenceRec::DateGiven() {
  if (GetEntryDate() != 0) return true;
  MessageBoxTitled(dateEdit_->InvalidDateMessage(), TMsgKind::Information, mbOK);
  dateEdit_->setFocus();
  return false;
}

bool TfrmAbsenceRec::HoursRuleHolds() {
  if (hoursEdit_->InRange()) return true;
  MessageBoxTitled(
      tr("The hours must be from 0 to %1.").arg(QString::number(hoursEdit_->Maximum())),
      TMsgKind::Information, mbOK);
  hoursEdit_->setFocus();
  return false;
}

void TfrmAbsenceRec::StoreShown() {
  if (!entries_ || readOnly_) return;
  TEmpList noEmployees;  // a change here is never copied to other employees
  (*entries_)[static_cast<std::size_t>(entryIndex_)]->Update(GetReason(), noEmployees, GetHours(),
                                                             GetEntryDate());
}

void TfrmAbsenceRec::cmdOKClick() {
  // Leaving the date box makes it check its text first.
  if (!LeaveDateBoxes(OkButton(), {dateEdit_})) return;
  if (!DateGiven() || !DateRuleHolds() || !HoursRuleHolds()) return;
  StoreShown();
  accept();
}

void TfrmAbsenceRec::barScrollScroll(int position) {
  if (!entries_ || position == entryIndex_) return;
  if (!readOnly_ && (!DateGiven() || !DateRuleHolds() || !HoursRuleHolds())) {
    const QSignalBlocker block(entryScroll_);
    entryScroll_->setValue(entryIndex_);
    return;
  }
  StoreShown();
  ShowEntry(position);
  entryIndex_ = position;
  if (readOnly_)
    CancelButton()->setFocus();
  else
    reasonBox_->setFocus();
}

void TfrmAbsenceRec::spdDateClick() {
  if (PickDateFor(*dateEdit_)) txtDateExit();
}

void TfrmAbsenceRec::txtDateExit() {
  // Cancel closes the dialog even while the date is unfinished.
  dateEdit_->SetValidateInput(QApplication::focusWidget() != CancelButton());
}

}  // namespace absence::ui
