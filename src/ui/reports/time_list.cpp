// The absence list window.
#include "ui/reports/time_list.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "data/entry_order.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "edit/changes.h"
#include "edit/records_copy.h"
#include "reports/list_printouts.h"
#include "ui/common/app_state.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/pick_grid.h"
#include "ui/common/pictures.h"
#include "ui/common/record_model.h"
#include "ui/dialogs/absence_entry_flows.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/reports/holiday_windows.h"
#include "ui/reports/list_print.h"
#include "ui/session/data_session.h"
#include "ui/session/session_model.h"

namespace absence::ui {
namespace {

constexpr int kReasonColumn = 1;
constexpr int kHoursColumn = 2;

TListWindowTexts Texts(TEntryKind kind) {
  if (kind == TEntryKind::Global)
    return {TfrmTimeList::tr("Global Absence"), TfrmTimeList::tr("Global Absence Entry"),
            TfrmTimeList::tr("Print"), TfrmTimeList::tr("Global Absence Help"),
            kGlobalAbsenceHelpContext};
  return {TfrmTimeList::tr("Employee Absence"), TfrmTimeList::tr("Absence Entry"),
          TfrmTimeList::tr("Print"), TfrmTimeList::tr("Absence Help"), kEmployeeAbsenceHelpContext};
}

TFollowed Followed(TEntryKind kind, int32_t empID) {
  // An employee's list holds copies of the global entries, which follow those.
  return kind == TEntryKind::Global
             ? TFollowed{.Reasons = true, .Globals = true}
             : TFollowed{.Reasons = true, .Globals = true, .Employee = empID};
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
                  {QStringLiteral("hdrAbsence"), QStringLiteral("grdAbsence"), {78, 155, 56}, 12},
                  new TSessionRecordModel(session, {tr("Date"), tr("Reason"), tr("Hours")},
                                          Followed(kind, empID), [this] { return Rows(); }),
                  parent),
      session_(session),
      kind_(kind),
      empID_(empID),
      year_(year) {
  setObjectName(QStringLiteral("frmTimeList"));
  Grid()->Records()->SetColumnAlignment(kHoursColumn, Qt::AlignRight);
  byDateButton_ = new QRadioButton(tr("Order by Date "));
  byDateButton_->setObjectName(QStringLiteral("btnDate"));
  byReasonButton_ = new QRadioButton(tr("Order by Reason "));
  byReasonButton_->setObjectName(QStringLiteral("btnReason"));
  yearBox_ = new QSpinBox;
  yearBox_->setObjectName(QStringLiteral("spnYear"));
  yearBox_->setRange(0, 9999);
  yearBox_->setValue(year);
  auto* yearText = yearBox_->findChild<QLineEdit*>();
  yearText->setObjectName(QStringLiteral("txtYear"));
  yearText->setReadOnly(true);
  QFont bold = yearText->font();
  bold.setBold(true);
  yearText->setFont(bold);
  auto* row = new QHBoxLayout;
  row->addWidget(byDateButton_);
  row->addWidget(byReasonButton_);
  row->addStretch();
  row->addWidget(yearBox_);
  Body()->addLayout(row);
  // The list follows the session, so the holiday windows need not refill it.
  if (kind_ == TEntryKind::Global)
    AddHolidayButtons(this, session_, Body(), [this] { return year_; });
  Buttons().NewButton()->setEnabled(ReasonsExist(session_.Data().ReasonList));
  SetPrintAction([this] { PrintClicked(); });
  connect(byDateButton_, &QRadioButton::clicked, this, [this] { OrderClicked(false); });
  connect(byReasonButton_, &QRadioButton::clicked, this, [this] { OrderClicked(true); });
  connect(yearBox_, &QSpinBox::valueChanged, this, &TfrmTimeList::YearChanged);
}

const TEntryList& TfrmTimeList::Entries() const {
  static const TEntryList kNone;
  if (kind_ == TEntryKind::Global) return session_.Data().GlobalList;
  const TEmpRecClass* emp = session_.Employee(empID_);
  return emp ? emp->Entries : kNone;
}

bool TfrmTimeList::ByReason() const {
  return byReasonButton_->isChecked();
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

std::vector<TRecordRow> TfrmTimeList::Rows() const {
  const TDataSet& d = session_.Data();
  const TEntryList& entries = Entries();
  const std::string hourFormat = HourFormatPattern(App().Settings.HourFormat);
  std::vector<TRecordRow> rows;
  for (std::size_t i : ShownOrder()) {
    const TAbsenceRecClass& e = *entries[i];
    if (!Listed(e, year_)) continue;
    TRecordRow row{
        static_cast<int64_t>(i) + 1,
        {QString::fromStdString(FormatDate(e.EntryDate, App().DatePattern.toStdString())),
         QString::fromStdString(ReasonText(d.ReasonList, e.ReasonID)),
         QString::fromStdString(FormatNumber(e.Hours, hourFormat))},
        {e.EntryDate, QVariant(), e.Hours},
        e.Modified};
    if (e.IsGlobal()) {
      row.Icon = ResourceIcon(QStringLiteral("Globe"));
      row.IconColumn = kReasonColumn;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

bool TfrmTimeList::AnyTrashed() const {
  const TEntryList& entries = Entries();
  return std::any_of(entries.begin(), entries.end(), [this](const auto& e) {
    return absence::Year(e->EntryDate) == year_ && e->IsDeleted() && !e->ReasonDeleted;
  });
}

void TfrmTimeList::EditRecord(int32_t editID) {
  if (!ReasonsExist(session_.Data().ReasonList)) return;
  const int row = Grid()->CurrentRow();
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
  // Rows stand for list positions, which an edit may reorder: the pick stays on the row.
  if (changed) Grid()->SelectRow(std::max(row, 0));
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

void TfrmTimeList::UndoDelete() {
  TfrmUnDelete dlg(session_, this);
  dlg.SetMode(kind_ == TEntryKind::Global ? TUndeleteMode::Globals : TUndeleteMode::Entries);
  dlg.SetSource(empID_);
  RunDialog(dlg);
}

void TfrmTimeList::OrderClicked(bool byReason) {
  App().Settings.ListOrder = byReason ? TListOrder::ByReason : TListOrder::ByDate;
  Grid()->Records()->Refill();
  Grid()->SelectRow(0);
}

void TfrmTimeList::YearChanged(int year) {
  year_ = year;
  Grid()->Records()->Refill();
  Grid()->SelectRow(0);
}

void TfrmTimeList::PrintClicked() {
  const std::string owner = kind_ == TEntryKind::Global ? tr("Global Absence").toStdString()
                                                        : session_.Employee(empID_)->FullName();
  const bool byReason = ByReason();
  // The printout puts the list it is given in its order: it gets a copy.
  TEntryList entries = edit::CloneList(Entries());
  PrintList(
      [&](const reports::TPrintoutSetup& setup) {
        return reports::PrintAbsenceList(setup, entries, session_.Data().ReasonList, year_,
                                         byReason, owner);
      },
      tr("Absence List"));
}

void TfrmTimeList::showEvent(QShowEvent* event) {
  const bool byReason = App().Settings.ListOrder == TListOrder::ByReason;
  (byReason ? byReasonButton_ : byDateButton_)->setChecked(true);
  TListWindow::showEvent(event);
}

void ShowAbsenceList(TDataSession& session, TEntryKind kind, int32_t empID, int year,
                     QWidget* owner) {
  TfrmTimeList list(session, kind, empID, year, owner);
  RunDialog(list);
}

}  // namespace absence::ui
