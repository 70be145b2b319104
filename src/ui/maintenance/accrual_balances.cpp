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
#include "ui/session/session_model.h"

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
  auto* title = new QLabel(tr("EMPLOYEE BENEFIT ACCRUAL BALANCES"));
  title->setObjectName(QStringLiteral("Label6"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* toolbar = new QHBoxLayout;
  toolbar->setSpacing(Scale(1));
  buttons_ =
      TRecordButtons(toolbar, {QString(), tr("Accrual Balance"), tr("Print Accrual Balances"),
                               tr("Accrual Balances Help"), kAccrualBalancesHelpContext});
  toolbar->addStretch();
  // The balances are the dialog's copy; the reasons' names come from the session.
  auto* records = new TSessionRecordModel(
      session_, {tr("Absence Reason"), tr("Hours"), tr("As Of Date")}, {.Reasons = true},
      [this] { return Rows(); }, this);
  records->SetColumnAlignment(1, Qt::AlignRight);
  grid_ = new TPickGrid(QStringLiteral("hdrAccruals"), QStringLiteral("grdAccruals"), records,
                        {190, 53, 89}, 3);
  grid_->SetBlockPicking(false);
  grid_->LoadColumnWidths();
  grid_->FitColumnToText(2, QStringLiteral("00/00/0000"));
  int width = 2 * grid_->frameWidth();
  for (int c = 0; c < records->columnCount(); ++c) width += grid_->columnWidth(c);
  grid_->setMinimumWidth(width);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(title);
  column->addLayout(toolbar);
  column->addWidget(grid_);
  StyleToolbar(this);

  // Balances can be made only when a reason exists; by hand only for reasons without a policy
  // (the program makes those of a policy).
  const TReasonList& reasons = session_.Data().ReasonList;
  buttons_.NewButton()->setEnabled(std::any_of(
      reasons.begin(), reasons.end(), [](const auto& r) { return !r->Deleted && !r->HasPolicy; }));
  if (!AnyLiveReason(reasons)) buttons_.EditButton()->setEnabled(false);

  connect(buttons_.NewButton(), &QToolButton::clicked, this, &TAccrualBalances::NewClicked);
  connect(buttons_.EditButton(), &QToolButton::clicked, this, &TAccrualBalances::EditClicked);
  connect(buttons_.DeleteButton(), &QToolButton::clicked, this, &TAccrualBalances::DeleteClicked);
  connect(buttons_.UndoButton(), &QToolButton::clicked, this, &TAccrualBalances::UndoClicked);
  connect(buttons_.PrintButton(), &QToolButton::clicked, this, &TAccrualBalances::PrintClicked);
  ConnectHelpButton(buttons_.HelpButton(), kAccrualBalancesHelpContext);
  connect(grid_, &TPickGrid::RowActivated, this, &TAccrualBalances::EditClicked);
  connect(grid_, &TPickGrid::DeletePressed, this, [this] {
    if (buttons_.DeleteButton()->isEnabled()) DeleteClicked();
  });
  connect(grid_, &TPickGrid::PicksChanged, this, &TAccrualBalances::UpdateDeleteButton);
}

void TAccrualBalances::SetAccruals(TAccrualList& accruals) {
  accruals_ = &accruals;
  Fill(0);
}

void TAccrualBalances::Refresh() {
  Fill(grid_->CurrentRow());
}

void TAccrualBalances::SaveColumnWidths() const {
  grid_->SaveColumnWidths();
}

std::vector<TRecordRow> TAccrualBalances::Rows() const {
  std::vector<TRecordRow> rows;
  if (!accruals_) return rows;
  const TReasonList& reasons = session_.Data().ReasonList;
  const std::string hourFormat = HourFormatPattern(App().Settings.HourFormat);
  for (std::size_t i = 0; i < accruals_->size(); ++i) {
    const TAccrualRecClass& a = *(*accruals_)[i];
    if (!a.IsLive()) continue;
    rows.push_back({static_cast<int64_t>(i),
                    {QString::fromStdString(ReasonText(reasons, a.ReasonID)),
                     QString::fromStdString(FormatNumber(a.Hours, hourFormat)),
                     FormatDate(a.AsOfDate, App().DatePattern)},
                    {QVariant(), a.Hours, a.AsOfDate},
                    a.Modified});
  }
  return rows;
}

void TAccrualBalances::Fill(int keepRow) {
  if (!accruals_) return;
  const TReasonList& reasons = session_.Data().ReasonList;
  SortAccruals(*accruals_, reasons);
  buttons_.UndoButton()->setEnabled(!TrashedPositions(*accruals_).empty());
  grid_->Records()->Refill();
  const bool rows = grid_->RecordCount() > 0;
  buttons_.EditButton()->setEnabled(rows && AnyLiveReason(reasons));
  buttons_.PrintButton()->setEnabled(rows && !App().NoPrinter);
  if (rows) grid_->SelectRow(keepRow);
  UpdateDeleteButton();
}

TAccrualRecClass* TAccrualBalances::CurrentBalance() const {
  if (!accruals_ || grid_->RecordCount() == 0) return nullptr;
  const int32_t index = grid_->RowID(grid_->CurrentRow());
  if (index < 0 || index >= static_cast<int32_t>(accruals_->size())) return nullptr;
  return (*accruals_)[static_cast<std::size_t>(index)].get();
}

void TAccrualBalances::UpdateDeleteButton() {
  const TAccrualRecClass* a = CurrentBalance();
  buttons_.DeleteButton()->setEnabled(buttons_.EditButton()->isEnabled() && a &&
                                      !HasPolicy(session_.Data().ReasonList, a->ReasonID));
}

void TAccrualBalances::NewClicked() {
  RunAccrualDialog(-1);
}

void TAccrualBalances::EditClicked() {
  if (!AnyLiveReason(session_.Data().ReasonList)) return;
  // With no balance listed, Edit acts as New.
  RunAccrualDialog(grid_->RecordCount() > 0 ? grid_->RowID(grid_->CurrentRow()) : -1);
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
    dlg.setWindowTitle(tr("Edit Benefit Accrual"));
    dlg.SetReason(balance->ReasonID);
    dlg.SetHours(balance->Hours);
    dlg.SetAsOfDate(balance->AsOfDate);
  } else {
    dlg.setWindowTitle(tr("New Benefit Accrual"));
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
  for (int row = 0; row < grid_->RecordCount(); ++row)
    if ((*accruals_)[static_cast<std::size_t>(grid_->RowID(row))]->ReasonID == reasonID)
      grid_->SelectRow(row);
}

void TAccrualBalances::DeleteClicked() {
  TAccrualRecClass* a = CurrentBalance();
  if (!a || HasPolicy(session_.Data().ReasonList, a->ReasonID)) return;
  const int row = grid_->CurrentRow();
  a->AddDelMark(TTrashMark::Record);
  Fill(row);
}

void TAccrualBalances::UndoClicked() {
  if (!accruals_) return;
  const int row = grid_->CurrentRow();
  TfrmUnDelete dlg(session_, this);
  dlg.SetAccrualSource(*accruals_);
  if (RunDialog(dlg) == QDialog::Accepted) Fill(row);
}

void TAccrualBalances::PrintClicked() {
  if (!accruals_) return;
  const TNames names = names_ ? names_() : TNames{};
  PrintList(
      [&](const reports::TPrintoutSetup& setup) {
        return reports::PrintEmployeeAccruals(setup, *accruals_, session_.Data().ReasonList,
                                              names.first, names.second);
      },
      tr("Employee Accrual Balances"));
}

}  // namespace absence::ui
