#include "ui/maintenance/reasons_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

#include "data/reason_policy.h"
#include "data/undelete.h"
#include "edit/changes.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/hints.h"
#include "ui/common/message_box.h"
#include "ui/common/pick_grid.h"
#include "ui/common/speed_button.h"
#include "ui/common/toolbar_style.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/maintenance/reason_rec.h"
#include "ui/maintenance/rule_wizard.h"
#include "ui/reports/list_print.h"
#include "ui/session/data_session.h"
#include "ui/session/session_model.h"

namespace absence::ui {
namespace {

QStringList ReasonCells(const TReasonRecClass& r) {
  const QString yes = TfrmReasons::tr("Yes"), no = TfrmReasons::tr("No");
  QString basis, validate;
  if (r.HasPolicy) {
    basis = r.Basis == TBasis::Calendar      ? TfrmReasons::tr("Calendar")
            : r.Basis == TBasis::Anniversary ? TfrmReasons::tr("Anniversary")
                                             : TfrmReasons::tr("User Defined");
    validate = r.Validate == TValidate::YearEnd ? TfrmReasons::tr("As of Year End")
                                                : TfrmReasons::tr("As of Month End");
  }
  return {QString::fromStdString(r.Description), r.Active ? yes : no, r.HasPolicy ? yes : no, basis,
          validate};
}

const TReasonRecClass* FindByID(const TReasonList& reasons, int32_t id) {
  const int i = FindReason(reasons, id, "");
  return i >= 0 ? reasons[static_cast<size_t>(i)].get() : nullptr;
}

// Taking the policy away drops the reason's tiers and every employee's balance of it: the user
// is told how many before anything changes.
bool PolicyRemovalConfirmed(const TDataSet& d, const TReasonRecClass& reason) {
  int balances = 0;
  for (const auto& e : d.EmpList)
    if (FindAccrual(e->Accruals, reason.ReasonID) >= 0) ++balances;
  const int tiers = static_cast<int>(reason.Rules.size());
  const QString text =
      TfrmReasons::tr(
          "Without an accrual policy, \"%1\" loses its %2 and the opening balances of %3."
          "\r\rRemove the accrual policy?")
          .arg(QString::fromStdString(reason.Description),
               tiers == 1 ? TfrmReasons::tr("1 tier") : TfrmReasons::tr("%1 tiers").arg(tiers),
               balances == 1 ? TfrmReasons::tr("1 employee")
                             : TfrmReasons::tr("%1 employees").arg(balances));
  return MessageBoxTitled(text, TMsgKind::Confirmation, mbYes | mbNo) == mbYes;
}

QStringList Captions() {
  return {TfrmReasons::tr("Reason"), TfrmReasons::tr("Active"), TfrmReasons::tr("Policy"),
          TfrmReasons::tr("Accrual Year"), TfrmReasons::tr("Hours Available")};
}

}  // namespace

TfrmReasons::TfrmReasons(TDataSession& session, QWidget* parent)
    : TListWindow(
          {tr("Absence Reasons"), tr("Absence Reason"), tr("Print Absence Reasons"),
           tr("Absence Reasons Help"), kReasonsHelpContext},
          {QStringLiteral("hdrReason"), QStringLiteral("grdReasons"), {150, 45, 45, 85, 110}, 9},
          new TSessionRecordModel(session, Captions(), {.Reasons = true},
                                  [this] { return Rows(); }),
          parent),
      session_(session) {
  setObjectName(QStringLiteral("frmReasons"));
  SetHint(Buttons().PrintButton(), tr("Print Absence Reasons"));
  auto* divider = new QFrame;
  divider->setObjectName(QStringLiteral("bvlPolicy"));
  divider->setFrameShape(QFrame::VLine);
  divider->setFrameShadow(QFrame::Sunken);
  Toolbar()->addWidget(divider);
  policyButton_ =
      AddSpeedButton(Toolbar(), "spdPolicy", tr("P&olicy"), tr("Benefit Policy Wizard"), "List", 7);
  StyleToolbar(this);
  policyButton_->setEnabled(false);
  connect(policyButton_, &QToolButton::clicked, this, &TfrmReasons::PolicyClicked);
  connect(Grid(), &TPickGrid::PicksChanged, this, &TfrmReasons::UpdatePolicyButton);
  SetPrintAction([this] {
    PrintList(
        [this](const reports::TPrintoutSetup& setup) {
          return reports::PrintReasonList(setup, session_.Data().ReasonList);
        },
        tr("Absence Reasons List"));
  });
}

std::vector<TRecordRow> TfrmReasons::Rows() const {
  std::vector<TRecordRow> rows;
  for (const auto& r : session_.Data().ReasonList)
    if (!r->Deleted) rows.push_back({r->ReasonID, ReasonCells(*r), {}, r->Modified});
  return rows;
}

bool TfrmReasons::AnyTrashed() const {
  const TReasonList& reasons = session_.Data().ReasonList;
  return std::any_of(reasons.begin(), reasons.end(), [](const auto& r) { return r->Deleted; });
}

void TfrmReasons::UpdatePolicyButton() {
  const TReasonRecClass* reason =
      Grid()->BlockMode()
          ? nullptr
          : FindByID(session_.Data().ReasonList, Grid()->RowID(Grid()->CurrentRow()));
  policyButton_->setEnabled(reason && reason->HasPolicy);
}

void TfrmReasons::EditRecord(int32_t editID) {
  const TDataSet& d = session_.Data();
  const TReasonRecClass* reason = editID != 0 ? FindByID(d.ReasonList, editID) : nullptr;
  TfrmReasonRec dlg(d.ReasonList, this);
  dlg.Load(reason);
  if (RunDialog(dlg) != QDialog::Accepted) return;
  const edit::TReasonFields fields{dlg.Description().toStdString(), dlg.Active(), dlg.HasPolicy(),
                                   dlg.Basis(), dlg.Validate()};
  int32_t id = 0;
  if (reason) {
    id = reason->ReasonID;
    if (reason->HasPolicy && !fields.HasPolicy && !PolicyRemovalConfirmed(d, *reason)) return;
    if (!session_.Submit(std::make_unique<edit::TEditReason>(id, fields))) return;
  } else {
    auto add = std::make_unique<edit::TAddReason>(fields);
    const edit::TAddReason& added = *add;
    if (!session_.Submit(std::move(add))) return;
    id = added.NewID();
  }
  Grid()->SelectRow(Grid()->RowOf(id));
}

void TfrmReasons::DeleteRecords(const std::vector<int32_t>& ids) {
  session_.Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Reason, ids));
}

void TfrmReasons::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(TUndeleteMode::Reasons);
  dlg.SetSource();
  RunDialog(dlg);
}

void TfrmReasons::PolicyClicked() {
  const TReasonRecClass* reason =
      FindByID(session_.Data().ReasonList, Grid()->RowID(Grid()->CurrentRow()));
  if (!reason) return;
  // The wizard works on its own copy of the ladder; Cancel leaves the reason as it was.
  TfrmRuleWizard wizard(QString::fromStdString(reason->Description), reason->Rules, this);
  if (RunDialog(wizard) != QDialog::Accepted) return;
  TRuleList rules;
  wizard.TakeRules(rules);
  session_.Submit(std::make_unique<edit::TSetRules>(reason->ReasonID, rules));
}

}  // namespace absence::ui
