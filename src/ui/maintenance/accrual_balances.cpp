#include "ui/maintenance/accrual_balances.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "data/undelete.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/help_key.h"
#include "ui/common/pick_grid.h"
#include "ui/common/scale.h"
#include "ui/common/toolbar_style.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/maintenance/accrual_rec.h"
#include "ui/reports/list_print.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

bool HasPolicy(const TReasonList& reasons, int32_t reasonID) {
  const int at = FindReason(reasons, reasonID, "");
  return at >= 0 && reasons[static_cast<std::size_t>(at)]->HasPolicy;
}

// A balance needs a reason that is not in the trash.
bool AnyLiveReason(const TReasonList& reasons) {
  return std::any_of(reasons.begin(), reasons.end(), [](const auto& r) { return !r->Deleted; });
}

}  // namespace

TAccrualBalances::TAccrualBalances(TDataSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("pnlAccruals"));
  Label6 = new QLabel(QStringLiteral("EMPLOYEE BENEFIT ACCRUAL BALANCES"));
  Label6->setObjectName(QStringLiteral("Label6"));
  QFont bold = Label6->font();
  bold.setBold(true);
  Label6->setFont(bold);
  auto* toolbar = new QHBoxLayout;
  toolbar->setSpacing(Scale(1));
  static_cast<TRecordButtons&>(*this) = AddRecordButtons(
      toolbar,
      {QString(), QStringLiteral("Accrual Balance"), QStringLiteral("Print Accrual Balances"),
       QStringLiteral("Accrual Balances Help"), kAccrualBalancesHelpContext});
  toolbar->addStretch();
  grdAccruals = new TPickGrid(
      QStringLiteral("hdrAccruals"), QStringLiteral("grdAccruals"),
      {QStringLiteral("Absence Reason"), QStringLiteral("Hours"), QStringLiteral("As Of Date")},
      {190, 53, 89, 30}, 3);
  grdAccruals->SetBlockPicking(false);
  grdAccruals->SetColumnAlignment(1, Qt::AlignRight);
  grdAccruals->LoadColumnWidths();
  grdAccruals->FitColumnToText(2, QStringLiteral("00/00/0000"));

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(Label6);
  column->addLayout(toolbar);
  column->addWidget(grdAccruals);
  StyleToolbar(this);

  // Balances can be made only when a reason exists; by hand only for reasons without a policy
  // (the program makes those of a policy).
  const TReasonList& reasons = session_.Data().ReasonList;
  spdNewRec->setEnabled(std::any_of(reasons.begin(), reasons.end(),
                                    [](const auto& r) { return !r->Deleted && !r->HasPolicy; }));
  if (!AnyLiveReason(reasons)) spdEditRec->setEnabled(false);

  connect(spdNewRec, &QToolButton::clicked, this, &TAccrualBalances::spdNewRecClick);
  connect(spdEditRec, &QToolButton::clicked, this, &TAccrualBalances::spdEditRecClick);
  connect(spdDeleteRec, &QToolButton::clicked, this, &TAccrualBalances::spdDeleteRecClick);
  connect(spdUnDo, &QToolButton::clicked, this, &TAccrualBalances::spdUnDoClick);
  connect(spdPrint, &QToolButton::clicked, this, &TAccrualBalances::spdPrintClick);
  ConnectHelpButton(spdHelp, kAccrualBalancesHelpContext);
  connect(grdAccruals, &TPickGrid::RowActivated, this, &TAccrualBalances::spdEditRecClick);
  connect(grdAccruals, &TPickGrid::DeletePressed, this, [this] {
    if (spdDeleteRec->isEnabled()) spdDeleteRecClick();
  });
  connect(grdAccruals, &TPickGrid::PicksChanged, this, &TAccrualBalances::grdAccrualsClick);
}

void TAccrualBalances::SetAccruals(TAccrualList& accruals) {
  accruals_ = &accruals;
  Fill(0);
}

void TAccrualBalances::Fill(int keepRow) {
  if (!accruals_) return;
  const TReasonList& reasons = session_.Data().ReasonList;
  SortAccruals(*accruals_, reasons);
  spdUnDo->setEnabled(!TrashedPositions(*accruals_).empty());
  grdAccruals->Clear();
  const QString hourFormat = QString::fromLatin1(HourFormatPattern(App().Settings.HourFormat));
  for (std::size_t i = 0; i < accruals_->size(); ++i) {
    const TAccrualRecClass& a = *(*accruals_)[i];
    if (!a.IsLive()) continue;
    grdAccruals->AddRow(static_cast<int32_t>(i),
                        {QString::fromStdString(ReasonText(reasons, a.ReasonID)),
                         QString::fromStdString(FormatNumber(a.Hours, hourFormat.toStdString())),
                         FormatDate(a.AsOfDate, App().DatePattern)},
                        a.Modified);
  }
  const bool rows = grdAccruals->RecordCount() > 0;
  spdEditRec->setEnabled(rows && AnyLiveReason(reasons));
  spdPrint->setEnabled(rows && !App().NoPrinter);
  spdDeleteRec->setEnabled(false);
  if (rows) grdAccruals->SelectRow(keepRow);
  grdAccrualsClick();
}

TAccrualRecClass* TAccrualBalances::CurrentBalance() const {
  if (!accruals_ || grdAccruals->RecordCount() == 0) return nullptr;
  const int32_t index = grdAccruals->RowID(grdAccruals->CurrentRow());
  if (index < 0 || index >= static_cast<int32_t>(accruals_->size())) return nullptr;
  return (*accruals_)[static_cast<std::size_t>(index)].get();
}

void TAccrualBalances::grdAccrualsClick() {
  const TAccrualRecClass* a = CurrentBalance();
  spdDeleteRec->setEnabled(spdEditRec->isEnabled() && a &&
                           !HasPolicy(session_.Data().ReasonList, a->ReasonID));
}

void TAccrualBalances::spdNewRecClick() {
  RunAccrualDialog(-1);
}

void TAccrualBalances::spdEditRecClick() {
  if (!AnyLiveReason(session_.Data().ReasonList)) return;
  // With no balance listed, Edit acts as New.
  RunAccrualDialog(grdAccruals->RecordCount() > 0 ? grdAccruals->RowID(grdAccruals->CurrentRow())
                                                  : -1);
}

void TAccrualBalances::RunAccrualDialog(int index) {
  if (!accruals_) return;
  const TReasonList& reasons = session_.Data().ReasonList;
  TAccrualRecClass* balance = index >= 0 && index < static_cast<int>(accruals_->size())
                                  ? (*accruals_)[static_cast<std::size_t>(index)].get()
                                  : nullptr;
  TfrmAccrualRec dlg(this);
  dlg.SetAccrualList(*accruals_);
  dlg.SetReasonList(reasons);
  dlg.SetEarliestDate(earliest_ ? earliest_() : Today());
  if (balance) {
    dlg.setWindowTitle(QStringLiteral("Edit Benefit Accrual"));
    dlg.SetReason(balance->ReasonID);
    dlg.SetHours(balance->Hours);
    dlg.SetAsOfDate(balance->AsOfDate);
  } else {
    dlg.setWindowTitle(QStringLiteral("New Benefit Accrual"));
    dlg.SetReason(0);
    dlg.SetHours(0);
    dlg.SetAsOfDate(Today());
  }
  if (RunDialog(dlg) != QDialog::Accepted) return;
  const int32_t reasonID = dlg.GetReason();
  if (balance) {
    balance->Update(dlg.GetHours(), dlg.GetAsOfDate());
  } else {
    if (reasonID == 0) return;  // nothing was offered
    SetAccrual(*accruals_, reasonID, dlg.GetHours(), dlg.GetAsOfDate());
    // Entered since the last save: shown as changed, and kept when the start date moves.
    for (auto& a : *accruals_)
      if (a->ReasonID == reasonID) a->Modified = true;
  }
  Fill(0);
  for (int row = 0; row < grdAccruals->RecordCount(); ++row)
    if ((*accruals_)[static_cast<std::size_t>(grdAccruals->RowID(row))]->ReasonID == reasonID)
      grdAccruals->SelectRow(row);
}

void TAccrualBalances::spdDeleteRecClick() {
  TAccrualRecClass* a = CurrentBalance();
  if (!a || HasPolicy(session_.Data().ReasonList, a->ReasonID)) return;
  const int row = grdAccruals->CurrentRow();
  a->AddDelMark(TTrashMark::Record);
  Fill(row);
}

void TAccrualBalances::spdUnDoClick() {
  if (!accruals_) return;
  const int row = grdAccruals->CurrentRow();
  TfrmUnDelete dlg(session_, this);
  dlg.SetAccrualSource(*accruals_);
  if (RunDialog(dlg) == QDialog::Accepted) Fill(row);
}

void TAccrualBalances::spdPrintClick() {
  if (!accruals_) return;
  const TNames names = names_ ? names_() : TNames{};
  PrintList(
      [&](const reports::TPrintoutSetup& setup) {
        return reports::PrintEmployeeAccruals(setup, *accruals_, session_.Data().ReasonList,
                                              names.first, names.second);
      },
      QStringLiteral("Employee Accrual Balances"));
}

}  // namespace absence::ui
