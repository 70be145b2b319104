#include "ui/maintenance/reasons_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QTableWidget>
#include <QToolButton>

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

namespace absence::ui {
namespace {

constexpr int kPolicyColumn = 2;

QStringList ReasonCells(const TReasonRecClass& r) {
  const QString yes = QStringLiteral("Yes"), no = QStringLiteral("No");
  QString basis, validate;
  if (r.HasPolicy) {
    basis = r.Basis == TBasis::Calendar      ? QStringLiteral("Calendar")
            : r.Basis == TBasis::Anniversary ? QStringLiteral("Anniversary")
                                             : QStringLiteral("User Defined");
    validate = r.Validate == TValidate::YearEnd ? QStringLiteral("As of Year End")
                                                : QStringLiteral("As of Month End");
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
      QStringLiteral(
          "Without an accrual policy, \"%1\" loses its %2 and the opening balances of %3."
          "\r\rRemove the accrual policy?")
          .arg(QString::fromStdString(reason.Description),
               tiers == 1 ? QStringLiteral("1 tier") : QStringLiteral("%1 tiers").arg(tiers),
               balances == 1 ? QStringLiteral("1 employee")
                             : QStringLiteral("%1 employees").arg(balances));
  return MessageBoxTitled(text, TMsgKind::Confirmation, mbYes | mbNo) == mbYes;
}

}  // namespace

TfrmReasons::TfrmReasons(TDataSession& session, QWidget* parent)
    : TListWindow({QStringLiteral("Absence Reasons"), QStringLiteral("Absence Reason"),
                   QStringLiteral("Print Absence Reasons"), QStringLiteral("Absence Reasons Help"),
                   kReasonsHelpContext},
                  {QStringLiteral("hdrReason"),
                   QStringLiteral("grdReasons"),
                   {QStringLiteral("Reason"), QStringLiteral("Active"), QStringLiteral("Policy"),
                    QStringLiteral("Accrual Year"), QStringLiteral("Hours Available")},
                   {150, 45, 45, 85, 110, 30},
                   9},
                  parent),
      session_(session) {
  setObjectName(QStringLiteral("frmReasons"));
  SetHint(spdPrint, QStringLiteral("Print Absence Reasons"));
  auto* divider = new QFrame;
  divider->setObjectName(QStringLiteral("bvlPolicy"));
  divider->setFrameShape(QFrame::VLine);
  divider->setFrameShadow(QFrame::Sunken);
  Toolbar()->addWidget(divider);
  spdPolicy = AddSpeedButton(Toolbar(), "spdPolicy", QStringLiteral("P&olicy"),
                             QStringLiteral("Benefit Policy Wizard"), "List", 7);
  StyleToolbar(this);
  spdPolicy->setEnabled(false);
  connect(spdPolicy, &QToolButton::clicked, this, &TfrmReasons::spdPolicyClick);
  connect(Grid(), &TPickGrid::PicksChanged, this, &TfrmReasons::PicksChanged);
  SetPrintAction([this] {
    PrintList(
        [this](const reports::TPrintoutSetup& setup) {
          return reports::PrintReasonList(setup, session_.Data().ReasonList);
        },
        QStringLiteral("Absence Reasons List"));
  });
}

bool TfrmReasons::AddRows() {
  bool trashed = false;
  for (const auto& r : session_.Data().ReasonList) {
    if (r->Deleted) {
      trashed = true;
      continue;
    }
    Grid()->AddRow(r->ReasonID, ReasonCells(*r), r->Modified);
  }
  PicksChanged();
  return trashed;
}

void TfrmReasons::PicksChanged() {
  const int row = Grid()->CurrentRow();
  const bool one = !Grid()->BlockMode() && row >= 0 && row < Grid()->RecordCount();
  spdPolicy->setEnabled(one &&
                        Grid()->Grid()->item(row, kPolicyColumn)->text() == QStringLiteral("Yes"));
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
  Fill(0);
  Grid()->SelectRow(Grid()->RowOf(id));
}

void TfrmReasons::DeleteRecords(const std::vector<int32_t>& ids) {
  session_.Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Reason, ids));
}

bool TfrmReasons::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(TUndeleteMode::Reasons);
  dlg.SetSource();
  return RunDialog(dlg) == QDialog::Accepted;
}

void TfrmReasons::spdPolicyClick() {
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
