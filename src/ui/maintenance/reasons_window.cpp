#include "ui/maintenance/reasons_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QTableWidget>
#include <QToolButton>

#include "data/reason_policy.h"
#include "data/undelete.h"
#include "ui/common/hints.h"
#include "ui/common/message_box.h"
#include "ui/common/pick_grid.h"
#include "ui/common/speed_button.h"
#include "ui/common/toolbar_style.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/undelete_dialog.h"
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

TReasonRecClass* FindByID(TReasonList& reasons, int32_t id) {
  const int i = FindReason(reasons, id, "");
  return i >= 0 ? reasons[static_cast<size_t>(i)].get() : nullptr;
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
  TDataSet& d = session_.Data();
  TReasonRecClass* reason = editID != 0 ? FindByID(d.ReasonList, editID) : nullptr;
  TfrmReasonRec dlg(d.ReasonList, this);
  dlg.Load(reason);
  if (RunDialog(dlg) != QDialog::Accepted) return;
  const std::string description = dlg.Description().toStdString();
  int32_t id = 0;
  if (reason) {
    ChangePolicy(*reason, dlg.HasPolicy(), d.EmpList);
    reason->Update(description, dlg.Active(), dlg.HasPolicy(), dlg.Basis(), dlg.Validate());
    id = reason->ReasonID;
  } else {
    try {
      id = AddReasonWithPolicy(d.ReasonList, d.EmpList, description, dlg.Active(), dlg.HasPolicy(),
                               dlg.Basis(), dlg.Validate());
    } catch (const EIdentifierRangeError& e) {
      ShowErrorBox(QString::fromStdString(e.what()));
      return;
    }
  }
  SortReasons(d.ReasonList);
  session_.NotifyChanged();
  Fill(0);
  Grid()->SelectRow(Grid()->RowOf(id));
}

void TfrmReasons::DeleteRecords(const std::vector<int32_t>& ids) {
  TDataSet& d = session_.Data();
  for (int32_t id : ids)
    if (TReasonRecClass* r = FindByID(d.ReasonList, id)) r->Delete(d.EmpList, d.GlobalList);
  session_.NotifyChanged();
}

bool TfrmReasons::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(TUndeleteMode::Reasons);
  dlg.SetSource();
  return RunDialog(dlg) == QDialog::Accepted;
}

void TfrmReasons::spdPolicyClick() {
  TReasonRecClass* reason =
      FindByID(session_.Data().ReasonList, Grid()->RowID(Grid()->CurrentRow()));
  if (!reason) return;
  TfrmRuleWizard wizard(QString::fromStdString(reason->Description), reason->Rules, this);
  if (RunDialog(wizard) != QDialog::Accepted) return;
  wizard.TakeRules(reason->Rules);
  reason->Modified = true;
  session_.NotifyChanged();
}

}  // namespace absence::ui
