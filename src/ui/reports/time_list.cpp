// The absence list window.
#include "ui/reports/time_list.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>
#include <stdexcept>

#include "data/entry_order.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "edit/changes.h"
#include "edit/records_copy.h"
#include "reports/list_printouts.h"
#include "ui/common/app_state.h"
#include "ui/common/pick_grid.h"
#include "ui/common/pictures.h"
#include "ui/main/absence_entry_flows.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/undelete_dialog.h"
#include "ui/reports/holiday_windows.h"
#include "ui/reports/list_print.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr int kReasonColumn = 1;
constexpr int kHoursColumn = 2;
// The entry's kind, kept beside the reason's text in its cell.
constexpr int kKindRole = Qt::UserRole + 1;

TListWindowTexts Texts(TEntryKind kind) {
  if (kind == TEntryKind::Global)
    return {QStringLiteral("Global Absence"), QStringLiteral("Global Absence Entry"),
            QStringLiteral("Print"), QStringLiteral("Global Absence Help"),
            kGlobalAbsenceHelpContext};
  return {QStringLiteral("Employee Absence"), QStringLiteral("Absence Entry"),
          QStringLiteral("Print"), QStringLiteral("Absence Help"), kEmployeeAbsenceHelpContext};
}

bool Listed(const TAbsenceRecClass& e, int year) {
  return absence::Year(e.EntryDate) == year && !e.IsDeleted() && !e.IsExclusion() &&
         !e.ReasonDeleted;
}

bool ReasonsExist(const TReasonList& reasons) {
  return std::any_of(reasons.begin(), reasons.end(),
                     [](const auto& r) { return r->Active && !r->Deleted; });
}

}  // namespace

TfrmTimeList::TfrmTimeList(TDataSession& session, TEntryKind kind, int32_t empID, int year,
                           QWidget* parent)
    : TListWindow(Texts(kind),
                  {QStringLiteral("hdrAbsence"),
                   QStringLiteral("grdAbsence"),
                   {QStringLiteral("Date"), QStringLiteral("Reason"), QStringLiteral("Hours")},
                   {78, 155, 56, 17},
                   12},
                  parent),
      session_(session),
      kind_(kind),
      empID_(empID),
      year_(year) {
  setObjectName(QStringLiteral("frmTimeList"));
  Grid()->SetColumnAlignment(kHoursColumn, Qt::AlignRight);
  btnDate = new QRadioButton(QStringLiteral("Order by Date "));
  btnDate->setObjectName(QStringLiteral("btnDate"));
  btnReason = new QRadioButton(QStringLiteral("Order by Reason "));
  btnReason->setObjectName(QStringLiteral("btnReason"));
  spnYear = new QSpinBox;
  spnYear->setObjectName(QStringLiteral("spnYear"));
  spnYear->setRange(0, 9999);
  spnYear->setValue(year);
  txtYear = spnYear->findChild<QLineEdit*>();
  txtYear->setObjectName(QStringLiteral("txtYear"));
  txtYear->setReadOnly(true);
  QFont bold = txtYear->font();
  bold.setBold(true);
  txtYear->setFont(bold);
  auto* row = new QHBoxLayout;
  row->addWidget(btnDate);
  row->addWidget(btnReason);
  row->addStretch();
  row->addWidget(spnYear);
  Body()->addLayout(row);
  if (kind_ == TEntryKind::Global)
    AddHolidayButtons(
        this, session_, Body(), [this] { return year_; }, [this] { Fill(0); });
  spdNewRec->setEnabled(ReasonsExist(session_.Data().ReasonList));
  SetPrintAction([this] { spdPrintClick(); });
  connect(btnDate, &QRadioButton::clicked, this, [this] { OrderClick(false); });
  connect(btnReason, &QRadioButton::clicked, this, [this] { OrderClick(true); });
  connect(spnYear, &QSpinBox::valueChanged, this, &TfrmTimeList::spnYearChange);
}

const TEntryList& TfrmTimeList::Entries() const {
  if (kind_ == TEntryKind::Global) return session_.Data().GlobalList;
  const TEmpRecClass* emp = session_.Employee(empID_);
  if (!emp) throw std::runtime_error("the employee is no longer in the list");
  return emp->Entries;
}

bool TfrmTimeList::ByReason() const {
  return btnReason->isChecked();
}

int TfrmTimeList::EntryIndex(int row) const {
  return row >= 0 && row < Grid()->RecordCount() ? Grid()->RowID(row) - 1 : -1;
}

// The list stays in date order (the order the data layer keeps and needs); the window shows
// it by reason through positions.
std::vector<std::size_t> TfrmTimeList::ShownOrder() const {
  const TEntryList& entries = Entries();
  std::vector<std::size_t> order(entries.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  if (ByReason()) {
    const TReasonKeys keys(session_.Data().ReasonList);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return CompareEntries(*entries[a], *entries[b], keys, false) < 0;
    });
  }
  return order;
}

// Rows carry the entry's list index plus one (0 means New to the list window).
bool TfrmTimeList::AddRows() {
  const TDataSet& d = session_.Data();
  const TEntryList& entries = Entries();
  bool trashed = false;
  for (std::size_t i : ShownOrder()) {
    const TAbsenceRecClass& e = *entries[i];
    if (!Listed(e, year_)) {
      trashed =
          trashed || (absence::Year(e.EntryDate) == year_ && e.IsDeleted() && !e.ReasonDeleted);
      continue;
    }
    Grid()->AddRow(
        static_cast<int32_t>(i) + 1,
        {QString::fromStdString(FormatDate(e.EntryDate, App().DatePattern.toStdString())),
         QString::fromStdString(ReasonText(d.ReasonList, e.ReasonID)),
         QString::fromStdString(
             FormatNumber(e.Hours, HourFormatPattern(App().Settings.HourFormat)))},
        e.Modified);
    QTableWidgetItem* reason = Grid()->Grid()->item(Grid()->RecordCount() - 1, kReasonColumn);
    reason->setData(kKindRole, static_cast<int>(e.Kind));
    if (e.IsGlobal()) reason->setIcon(ResourceIcon(QStringLiteral("Globe")));
  }
  return trashed;
}

void TfrmTimeList::EditRecord(int32_t editID) {
  if (!ReasonsExist(session_.Data().ReasonList)) return;
  bool changed = false;
  if (editID <= 0) {
    changed = kind_ == TEntryKind::Global ? NewGlobalEntry(session_, this)
                                          : NewOwnEntry(session_, empID_, this);
  } else {
    const int index = editID - 1;
    if (kind_ == TEntryKind::Global)
      changed = EditGlobalEntry(session_, index, this);
    else if (Entries()[static_cast<std::size_t>(index)]->IsGlobal())
      ShowGlobalCopy(session_, empID_, index, this);
    else
      changed = EditOwnEntry(session_, empID_, index, this);
  }
  if (!changed) return;
  const int row = Grid()->CurrentRow();
  Fill(std::max(row, 0));
}

void TfrmTimeList::DeleteRecords(const std::vector<int32_t>& ids) {
  // Named by reason, kind and day before the first goes, as each trash is a change of its own.
  std::vector<std::unique_ptr<edit::TTrashEntry>> trashes;
  const int32_t list = kind_ == TEntryKind::Global ? edit::kGlobalList : empID_;
  for (int32_t id : ids) {
    const TAbsenceRecClass& e = *Entries()[static_cast<std::size_t>(id - 1)];
    trashes.push_back(std::make_unique<edit::TTrashEntry>(list, e.ReasonID, e.Kind, e.EntryDate));
  }
  for (auto& t : trashes)
    if (!session_.Submit(std::move(t))) break;
}

bool TfrmTimeList::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(kind_ == TEntryKind::Global ? TUndeleteMode::Globals : TUndeleteMode::Entries);
  dlg.SetSource(empID_);
  return RunDialog(dlg) == QDialog::Accepted;
}

void TfrmTimeList::OrderClick(bool byReason) {
  App().Settings.ListOrder = byReason ? TListOrder::ByReason : TListOrder::ByDate;
  Fill(0);
}

void TfrmTimeList::spnYearChange(int year) {
  year_ = year;
  Fill(0);
}

void TfrmTimeList::spdPrintClick() {
  const std::string owner = kind_ == TEntryKind::Global ? std::string("Global Absence")
                                                        : session_.Employee(empID_)->FullName();
  const bool byReason = ByReason();
  // The printout puts the list it is given in its order: it gets a copy.
  TEntryList entries = edit::CloneList(Entries());
  PrintList(
      [&](const reports::TPrintoutSetup& setup) {
        return reports::PrintAbsenceList(setup, entries, session_.Data().ReasonList, year_,
                                         byReason, owner);
      },
      QStringLiteral("Absence List"));
}

void TfrmTimeList::showEvent(QShowEvent* event) {
  const bool byReason = App().Settings.ListOrder == TListOrder::ByReason;
  (byReason ? btnReason : btnDate)->setChecked(true);
  TListWindow::showEvent(event);
}

void ShowAbsenceList(TDataSession& session, TEntryKind kind, int32_t empID, int year,
                     QWidget* owner) {
  TfrmTimeList list(session, kind, empID, year, owner);
  RunDialog(list);
}

}  // namespace absence::ui
