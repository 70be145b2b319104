#include "ui/dialogs/absence_entry_flows.h"

#include <QCoreApplication>
#include <stdexcept>
#include <utility>
#include <vector>

#include "data/settings.h"
#include "edit/changes.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/message_box.h"
#include "ui/dialogs/absence_rec.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

const TEmpRecClass& EmployeeOf(const TDataSession& session, int32_t empID) {
  const TEmpRecClass* emp = session.Employee(empID);
  if (!emp) throw std::invalid_argument("no employee " + std::to_string(empID));
  return *emp;
}

const TAbsenceRecClass& EntryAt(const TEntryList& list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size())
    throw std::out_of_range("no entry at " + std::to_string(index));
  return *list[static_cast<std::size_t>(index)];
}

// The dialog in single-entry mode, filled for a new entry or from `entry`.
void Prepare(TfrmAbsenceRec& dlg, const QString& caption, TDate earliest,
             const TAbsenceRecClass* entry) {
  dlg.SetReasons();
  dlg.setWindowTitle(caption);
  dlg.EarliestDate = earliest;
  dlg.SetReason(entry ? entry->ReasonID : 0);
  dlg.SetEntryDate(entry ? entry->EntryDate : Today());
  dlg.SetHours(entry ? entry->Hours : App().Settings.DefaultHours);
}

// One entry's change, named by what it is now.
edit::TEntryEdit EditOf(const TAbsenceRecClass& entry, int32_t reasonID, float hours, TDate date) {
  return {entry.ReasonID, entry.Kind, entry.EntryDate, reasonID, hours, date};
}

// An entry's hours leaving one day and arriving on another; `from` 0 for a new entry.
struct THoursMove {
  TDate from = 0;
  float fromHours = 0;
  TDate to = 0;
  float toHours = 0;
};

// The hours of the live entries (not exclusions) of `list` on `d`.
double DayHours(const TEntryList& list, TDate d) {
  TEntryList onDay;
  EntriesOnDate(onDay, &list, d);
  double total = 0;
  for (const auto& e : onDay) total += e->Hours;
  return total;
}

constexpr double kHoursInADay = 24;

// The largest day total above a day's hours that `moves` would leave in `list`, with its day;
// {0, 0} when every day stays within them or does not grow (a day already past them is not asked
// about again for a change that lowers it).
std::pair<TDate, double> DayAboveItsHours(const TEntryList& list,
                                          const std::vector<THoursMove>& moves) {
  std::pair<TDate, double> worst{0, 0};
  for (const THoursMove& m : moves) {
    const double before = DayHours(list, m.to);
    double total = before;
    for (const THoursMove& other : moves) {
      if (other.from == m.to) total -= other.fromHours;
      if (other.to == m.to) total += other.toHours;
    }
    if (total > kHoursInADay && total > before && total > worst.second) worst = {m.to, total};
  }
  return worst;
}

// Asks before a day gets more than 24 hours of absence; true to go on.
bool DayTotalConfirmed(std::pair<TDate, double> worst) {
  if (worst.first == 0) return true;
  const QString text = QCoreApplication::translate("absence::ui::EntryFlows",
                                                   "The absence hours of %1 would total %2. "
                                                   "Record them anyway?")
                           .arg(FormatDate(worst.first, App().DatePattern),
                                QString::fromStdString(FormatNumber(
                                    worst.second, HourFormatPattern(App().Settings.HourFormat))));
  return MessageBoxTitled(text, TMsgKind::Confirmation, mbYes | mbNo) == mbYes;
}

// As DayAboveItsHours for a global entry: every employee whose day the entry reaches.
std::pair<TDate, double> GlobalDayAboveItsHours(const TDataSession& session, int32_t reasonID,
                                                const THoursMove& move) {
  std::pair<TDate, double> worst{0, 0};
  for (const auto& emp : session.Data().EmpList) {
    const bool hasCopy =
        move.from != 0 && FindEntry(emp->Entries, reasonID, TEntryKind::Global, move.from) >= 0;
    THoursMove own = move;
    if (!hasCopy) {
      own.from = 0;
      own.fromHours = 0;
      const bool reached = emp->IsEmployedOn(move.to) &&
                           (FindEntry(emp->Entries, reasonID, TEntryKind::Exclusion, move.to) < 0 ||
                            FindEntry(emp->Entries, reasonID, TEntryKind::Global, move.to) >= 0);
      if (!reached) continue;
    }
    const auto day = DayAboveItsHours(emp->Entries, {own});
    if (day.second > worst.second) worst = day;
  }
  return worst;
}

}  // namespace

bool EditDayEntries(TDataSession& session, int32_t empID, TDate day, QWidget* parent) {
  const TEmpRecClass& emp = EmployeeOf(session, empID);
  TEntryList edited, unchanged;
  EntriesOnDate(edited, &emp.Entries, day);
  EntriesOnDate(unchanged, &emp.Entries, day);
  if (edited.empty()) return false;
  TfrmAbsenceRec dlg(session, parent);
  dlg.SetReasons();
  dlg.setWindowTitle(QStringLiteral("Edit Absence Entry"));
  dlg.SetEntries(&edited);
  dlg.EarliestDate = emp.StartDate;
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  // Only own entries are changed here; the others are shown for the day's whole picture.
  std::vector<edit::TEntryEdit> edits;
  std::vector<THoursMove> moves;
  for (std::size_t i = 0; i < edited.size(); ++i) {
    const TAbsenceRecClass& was = *unchanged[i];
    const TAbsenceRecClass& now = *edited[i];
    if (now.Kind != TEntryKind::Own ||
        FindEntry(emp.Entries, was.ReasonID, TEntryKind::Own, was.EntryDate) < 0)
      continue;
    if (now.ReasonID != was.ReasonID || now.Hours != was.Hours || now.EntryDate != was.EntryDate) {
      edits.push_back(
          {was.ReasonID, TEntryKind::Own, was.EntryDate, now.ReasonID, now.Hours, now.EntryDate});
      moves.push_back({was.EntryDate, was.Hours, now.EntryDate, now.Hours});
    }
  }
  if (!DayTotalConfirmed(DayAboveItsHours(emp.Entries, moves))) return false;
  if (!edits.empty()) session.Submit(std::make_unique<edit::TEditEntries>(empID, std::move(edits)));
  return true;
}

bool NewOwnEntry(TDataSession& session, int32_t empID, QWidget* parent) {
  const TEmpRecClass& emp = EmployeeOf(session, empID);
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QStringLiteral("New Absence Entry"), emp.StartDate, nullptr);
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  if (!DayTotalConfirmed(
          DayAboveItsHours(emp.Entries, {{0, 0, dlg.GetEntryDate(), dlg.GetHours()}})))
    return false;
  return session.Submit(std::make_unique<edit::TAddEntries>(empID, dlg.GetReason(),
                                                            std::vector<TDate>{dlg.GetEntryDate()},
                                                            dlg.GetHours(), TEntryKind::Own));
}

bool EditOwnEntry(TDataSession& session, int32_t empID, int index, QWidget* parent) {
  const TEmpRecClass& emp = EmployeeOf(session, empID);
  const TAbsenceRecClass& entry = EntryAt(emp.Entries, index);
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QStringLiteral("Edit Absence Entry"), emp.StartDate, &entry);
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  if (!DayTotalConfirmed(DayAboveItsHours(
          emp.Entries, {{entry.EntryDate, entry.Hours, dlg.GetEntryDate(), dlg.GetHours()}})))
    return false;
  return session.Submit(std::make_unique<edit::TEditEntries>(
      empID, std::vector<edit::TEntryEdit>{
                 EditOf(entry, dlg.GetReason(), dlg.GetHours(), dlg.GetEntryDate())}));
}

bool NewGlobalEntry(TDataSession& session, QWidget* parent) {
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QStringLiteral("New Global Absence Entry"), 0, nullptr);
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  if (!DayTotalConfirmed(GlobalDayAboveItsHours(session, dlg.GetReason(),
                                                {0, 0, dlg.GetEntryDate(), dlg.GetHours()})))
    return false;
  return session.Submit(std::make_unique<edit::TAddEntries>(edit::kGlobalList, dlg.GetReason(),
                                                            std::vector<TDate>{dlg.GetEntryDate()},
                                                            dlg.GetHours(), TEntryKind::Global));
}

bool EditGlobalEntry(TDataSession& session, int index, QWidget* parent) {
  const TAbsenceRecClass& entry = EntryAt(session.Data().GlobalList, index);
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QStringLiteral("Edit Global Absence Entry"), 0, &entry);
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  if (!DayTotalConfirmed(GlobalDayAboveItsHours(
          session, entry.ReasonID,
          {entry.EntryDate, entry.Hours, dlg.GetEntryDate(), dlg.GetHours()})))
    return false;
  return session.Submit(std::make_unique<edit::TEditEntries>(
      edit::kGlobalList, std::vector<edit::TEntryEdit>{
                             EditOf(entry, dlg.GetReason(), dlg.GetHours(), dlg.GetEntryDate())}));
}

void ShowGlobalCopy(TDataSession& session, int32_t empID, int index, QWidget* parent) {
  const TAbsenceRecClass& entry = EntryAt(EmployeeOf(session, empID).Entries, index);
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QString(), 0, &entry);
  dlg.SetReadOnly(true);
  RunDialog(dlg);
}

}  // namespace absence::ui
