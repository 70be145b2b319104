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
  setWindowTitle(QStringLiteral("Absence Entry"));

  cboReasonBox = new TPVComboBox;
  cboReasonBox->setObjectName(QStringLiteral("cboReasonBox"));
  txtDate = new TDateEdit;
  txtDate->setObjectName(QStringLiteral("txtDate"));
  txtDate->SetDateFormat(App().DatePattern);
  spdDate = NewCalendarButton(QStringLiteral("spdDate"));
  txtHours = new TNumEdit;
  txtHours->setObjectName(QStringLiteral("txtHours"));
  txtHours->SetDecimals(2);
  txtHours->SetDigits(12);
  txtHours->SetDisplayMask(QStringLiteral("#,##0.00"));
  txtHours->SetMaximum(24);
  barScroll = new QScrollBar(Qt::Vertical);
  barScroll->setObjectName(QStringLiteral("barScroll"));
  barScroll->setMinimum(0);
  barScroll->setMaximum(0);
  barScroll->setPageStep(1);
  barScroll->hide();

  auto* fields = new QGridLayout;
  auto addRow = [&](int row, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1);
  };
  addRow(0, QStringLiteral("&Reason"), cboReasonBox);
  addRow(1, QStringLiteral("&Date"), txtDate);
  fields->addWidget(spdDate, 1, 2);
  addRow(2, QStringLiteral("&Hours"), txtHours);
  fields->setColumnMinimumWidth(1, Scale(150));
  const int textWidth = txtDate->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000"));
  txtDate->setMinimumWidth(textWidth);

  auto* frame = new QFrame;
  frame->setObjectName(QStringLiteral("bvlFrame"));
  frame->setFrameShape(QFrame::StyledPanel);
  auto* frameLayout = new QHBoxLayout(frame);
  frameLayout->addLayout(fields);
  frameLayout->addWidget(barScroll);

  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kAbsenceRecHelpContext);
  buttons->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(cboReasonBox, txtDate);
  setTabOrder(txtDate, txtHours);
  setTabOrder(txtHours, cmdOK);
  setTabOrder(cmdOK, cmdCancel);
  setTabOrder(cmdCancel, cmdHelp);

  connect(spdDate, &QToolButton::clicked, this, &TfrmAbsenceRec::spdDateClick);
  connect(txtDate, &TDateEdit::Exit, this, &TfrmAbsenceRec::txtDateExit);
  connect(barScroll, &QScrollBar::valueChanged, this, &TfrmAbsenceRec::barScrollScroll);
  connect(cmdOK, &QPushButton::clicked, this, &TfrmAbsenceRec::cmdOKClick);
}

void TfrmAbsenceRec::SetReasons() {
  cboReasonBox->clear();
  std::vector<const TReasonRecClass*> offered;
  for (const auto& r : session_.Data().ReasonList)
    if (r->Active && !r->Deleted) offered.push_back(r.get());
  std::stable_sort(offered.begin(), offered.end(), [](const auto* a, const auto* b) {
    return QString::fromStdString(a->Description)
               .compare(QString::fromStdString(b->Description), Qt::CaseInsensitive) < 0;
  });
  for (const auto* r : offered)
    cboReasonBox->AddItem(QString::fromStdString(r->Description), r->ReasonID);
}

void TfrmAbsenceRec::SetEntries(TEntryList* entries) {
  entries_ = entries;
  entryIndex_ = 0;
  if (!entries_ || entries_->empty()) return;
  ShowEntry(0);
  if (entries_->size() > 1) {
    const QSignalBlocker block(barScroll);
    barScroll->setMaximum(static_cast<int>(entries_->size()) - 1);
    barScroll->setValue(0);
    barScroll->show();
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
    cboReasonBox->setCurrentIndex(cboReasonBox->count() > 0 ? 0 : -1);
    return;
  }
  int at = cboReasonBox->IndexOfID(reasonID);
  if (at == -1) {
    // An inactive reason still shows for an entry that already uses it.
    const QString text = QString::fromStdString(ReasonText(session_.Data().ReasonList, reasonID));
    at = 0;
    while (at < cboReasonBox->count() &&
           cboReasonBox->itemText(at).compare(text, Qt::CaseInsensitive) < 0)
      ++at;
    cboReasonBox->insertItem(at, text, reasonID);
  }
  cboReasonBox->setCurrentIndex(at);
}

int32_t TfrmAbsenceRec::GetReason() const {
  return cboReasonBox->CurrentID();
}

void TfrmAbsenceRec::SetEntryDate(TDate date) {
  txtDate->SetDate(date);
}

TDate TfrmAbsenceRec::GetEntryDate() const {
  TDate d = 0;
  return ParseDate(txtDate->text(), txtDate->DateFormat(), d) ? d : 0;
}

void TfrmAbsenceRec::SetHours(float hours) {
  const QString format = QString::fromLatin1(HourFormatPattern(App().Settings.HourFormat));
  txtHours->SetDecimals(format.size() == 5 ? 0 : format.size() == 7 ? 1 : 2);
  txtHours->SetDisplayMask(format);
  txtHours->SetValue(hours);
}

float TfrmAbsenceRec::GetHours() const {
  return static_cast<float>(txtHours->Value());
}

void TfrmAbsenceRec::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  cmdOK->setEnabled(!readOnly);
  cboReasonBox->setEnabled(!readOnly);
  txtDate->setEnabled(!readOnly);
  txtHours->setEnabled(!readOnly);
  spdDate->setVisible(!readOnly);
  setWindowTitle(readOnly ? QStringLiteral("Global Absence Entry")
                          : QStringLiteral("Edit Absence Entry"));
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
    cmdCancel->setFocus();
  else
    cboReasonBox->setFocus();
}

bool TfrmAbsenceRec::DateRuleHolds() {
  if (GetEntryDate() >= EarliestDate) return true;
  MessageBoxTitled(
      QStringLiteral("The absence date may not be before the employee's start date (") +
          FormatDate(EarliestDate, App().DatePattern) + QStringLiteral(")."),
      TMsgKind::Information, mbOK);
  txtDate->setFocus();
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
  if (!LeaveDateBoxes(cmdOK, {txtDate})) return;
  if (!DateRuleHolds()) return;
  StoreShown();
  accept();
}

void TfrmAbsenceRec::barScrollScroll(int position) {
  if (!entries_ || position == entryIndex_) return;
  if (!readOnly_ && !DateRuleHolds()) {
    const QSignalBlocker block(barScroll);
    barScroll->setValue(entryIndex_);
    return;
  }
  StoreShown();
  ShowEntry(position);
  entryIndex_ = position;
  if (readOnly_)
    cmdCancel->setFocus();
  else
    cboReasonBox->setFocus();
}

void TfrmAbsenceRec::spdDateClick() {
  if (PickDateFor(*txtDate)) txtDateExit();
}

void TfrmAbsenceRec::txtDateExit() {
  // Cancel closes the dialog even while the date is unfinished.
  txtDate->SetValidateInput(QApplication::focusWidget() != cmdCancel);
}

}  // namespace absence::ui
