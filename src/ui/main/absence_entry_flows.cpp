#include "ui/main/absence_entry_flows.h"

#include <stdexcept>

#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/main/absence_rec.h"
#include "ui/main/entry_change.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

TEmpRecClass& EmployeeOf(TDataSession& session, int32_t empID) {
  TEmpRecClass* emp = session.Employee(empID);
  if (!emp) throw std::invalid_argument("no employee " + std::to_string(empID));
  return *emp;
}

TAbsenceRecClass& EntryAt(TEntryList& list, int index) {
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

// A changed date must keep the list in date order for the look-ups.
void Resort(TDataSession& session, TEntryList& list) {
  SortEntries(list, session.Data().ReasonList, TEntryOrder::ByDate);
  session.NotifyChanged();
}

}  // namespace

bool EditDayEntries(TDataSession& session, int32_t empID, TDate day, QWidget* parent) {
  TEmpRecClass& emp = EmployeeOf(session, empID);
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
  TEmpList noEmployees;
  // Each real entry is found before any is changed, so an edit cannot hide its neighbour.
  std::vector<TAbsenceRecClass*> real;
  for (const auto& u : unchanged) {
    const int at = FindEntry(emp.Entries, u->ReasonID, TEntryKind::Own, u->EntryDate);
    real.push_back(at == -1 ? nullptr : emp.Entries[static_cast<std::size_t>(at)].get());
  }
  for (std::size_t i = 0; i < edited.size(); ++i)
    if (real[i] && edited[i]->Kind == TEntryKind::Own)
      real[i]->Update(edited[i]->ReasonID, noEmployees, edited[i]->Hours, edited[i]->EntryDate);
  Resort(session, emp.Entries);
  return true;
}

bool NewOwnEntry(TDataSession& session, int32_t empID, QWidget* parent) {
  TEmpRecClass& emp = EmployeeOf(session, empID);
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QStringLiteral("New Absence Entry"), emp.StartDate, nullptr);
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  TDataSet& d = session.Data();
  if (!ChangeEntries([&] {
        AddEntry(emp.Entries, d.EmpList, d.ReasonList, dlg.GetReason(), dlg.GetEntryDate(),
                 dlg.GetHours(), TEntryKind::Own);
      }))
    return false;
  session.NotifyChanged();
  return true;
}

bool EditOwnEntry(TDataSession& session, int32_t empID, int index, QWidget* parent) {
  TEmpRecClass& emp = EmployeeOf(session, empID);
  TAbsenceRecClass& entry = EntryAt(emp.Entries, index);
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QStringLiteral("Edit Absence Entry"), emp.StartDate, &entry);
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  TEmpList noEmployees;
  entry.Update(dlg.GetReason(), noEmployees, dlg.GetHours(), dlg.GetEntryDate());
  Resort(session, emp.Entries);
  return true;
}

bool NewGlobalEntry(TDataSession& session, QWidget* parent) {
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QStringLiteral("New Global Absence Entry"), 0, nullptr);
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  TDataSet& d = session.Data();
  if (!ChangeEntries([&] {
        AddEntry(d.GlobalList, d.EmpList, d.ReasonList, dlg.GetReason(), dlg.GetEntryDate(),
                 dlg.GetHours(), TEntryKind::Global);
      }))
    return false;
  session.NotifyChanged();
  return true;
}

bool EditGlobalEntry(TDataSession& session, int index, QWidget* parent) {
  TDataSet& d = session.Data();
  TAbsenceRecClass& entry = EntryAt(d.GlobalList, index);
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QStringLiteral("Edit Global Absence Entry"), 0, &entry);
  if (RunDialog(dlg) != QDialog::Accepted) return false;
  entry.Update(dlg.GetReason(), d.EmpList, dlg.GetHours(), dlg.GetEntryDate());
  Resort(session, d.GlobalList);
  return true;
}

void ShowGlobalCopy(TDataSession& session, int32_t empID, int index, QWidget* parent) {
  TAbsenceRecClass& entry = EntryAt(EmployeeOf(session, empID).Entries, index);
  TfrmAbsenceRec dlg(session, parent);
  Prepare(dlg, QString(), 0, &entry);
  dlg.SetReadOnly(true);
  RunDialog(dlg);
}

}  // namespace absence::ui
