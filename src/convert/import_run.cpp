#include "convert/import_run.h"

#include <span>
#include <unordered_map>

#include "convert/text_format.h"
#include "data/ansi.h"
#include "data/entry_order.h"
#include "dates/date_text.h"

namespace absence {
namespace {

// Fixed-length fields that keep their blanks: the start date as the file has it, and the
// one-character Employee Type, whose blank means "eligible".
constexpr int kUntrimmedEmployeeFields[] = {efStartDate, efEmpType};

std::vector<std::string> ReadRecord(const std::string& line, int record, TConvertContent content,
                                    TFileFormat format, std::span<const TFieldSpec> fields,
                                    std::span<const int> untrimmed) {
  if (format == TFileFormat::Fixed) {
    int length = 0;
    for (const auto& f : fields) length += f.Width;
    if (line.size() != static_cast<std::size_t>(length))
      throw EConvertError(TMessageKind::Warning, LengthErrorMessage(content, record));
  }
  int failed = -1;
  try {
    return SplitLine(line, format, fields, untrimmed, failed);
  } catch (const PVConvertException&) {
    throw EConvertError(TMessageKind::Warning,
                        FieldErrorMessage(fields[static_cast<std::size_t>(failed)].Name, record));
  }
}

TDate FieldDate(const std::string& ansi, const char* fieldName, int record,
                const std::string& pattern) {
  const std::string text = Trim(ansi);
  const TParsedDate d = ParseDateLenient(text, pattern);
  if (!d)
    throw EConvertError(TMessageKind::Warning,
                        ConversionErrorMessage(fieldName, FromAnsi(text), record));
  return d.Date;
}

// The department of that name, created (active, no manager, no code) when there is none.
int32_t DeptForName(TDeptList& depts, const std::string& name, TImportSummary& s) {
  if (name.empty()) return 0;
  const int i = FindDept(depts, 0, name);
  if (i >= 0) return depts[static_cast<std::size_t>(i)]->DeptID;
  int32_t id = AddDept(depts, name, 0, true, "");
  s.DepartmentsCreated.push_back(name);
  return id;
}

// A 0-hour balance as of the start date for every reason with a policy; a balance of a reason in
// the trash is hidden with it, as the reason's other records are.
void AddPolicyAccruals(TEmpRecClass& emp, const TReasonList& reasons) {
  for (const auto& r : reasons) {
    if (!r->HasPolicy) continue;
    SetAccrual(emp.Accruals, r->ReasonID, 0, emp.StartDate);
    if (r->Deleted)
      for (auto& a : emp.Accruals)
        if (a->ReasonID == r->ReasonID) a->ReasonDeleted = true;
  }
}

// Departments whose manager was among the replaced employees point to the new employee of the
// same Employee ID, or to none; the old identifiers now belong to other people.
void RemapManagers(TDeptList& depts, const TEmpList& oldEmps, const TEmpList& newEmps) {
  std::unordered_map<int32_t, const std::string*> oldSSN;
  for (const auto& e : oldEmps) oldSSN.emplace(e->EmpID, &e->SSN);
  std::unordered_map<std::string, int32_t> newID;
  for (const auto& e : newEmps) newID.emplace(e->SSN, e->EmpID);
  for (auto& d : depts) {
    int32_t manager = 0;
    if (const auto o = oldSSN.find(d->ManagerID); d->ManagerID > 0 && o != oldSSN.end())
      if (const auto n = newID.find(*o->second); n != newID.end()) manager = n->second;
    if (manager != d->ManagerID) {
      d->ManagerID = manager;
      d->Modified = true;
    }
  }
}

// Global copies for every employee employed on a global entry's day, then the list order.
void FinishEmployees(TDataSet& data, const TImportSummary& s) {
  for (auto& e : data.EmpList) e->AddGlobalEntries(data.GlobalList, data.ReasonList);
  SortEmps(data.EmpList);
  if (!s.DepartmentsCreated.empty()) SortDepts(data.DeptList);
}

void Progress(const TProgressFn& progress, int done) {
  if (progress) progress(done);
}

// One line's entry: own entries merge with an own entry of the same reason and day. A negative
// hours field is an exclusion, as the export writes it: it exempts the employee from the global
// entry of that reason and day (a live copy is put in the trash, which saving turns into an
// exclusion); next to an own entry or another exclusion it changes nothing.
void AddImportedEntry(TEntryList& list, TEmpList& emps, const TReasonKeys& keys, int32_t reasonID,
                      TDate date, float hours, TImportSummary& s) {
  if (hours < 0) {
    const int i = FindEntry(list, reasonID, TEntryKind::Exclusion, date);
    if (i == -1) {
      auto x = std::make_unique<TAbsenceRecClass>();
      x->ReasonID = reasonID;
      x->EntryDate = date;
      x->Hours = -1;
      x->Kind = TEntryKind::Exclusion;
      InsertSorted(list, std::move(x), keys);
      ++s.EntriesAdded;
      return;
    }
    auto& found = *list[static_cast<std::size_t>(i)];
    if (found.Kind == TEntryKind::Global) found.DelMark += "D";
    ++s.EntriesMerged;
    return;
  }
  const std::size_t before = list.size();
  AddEntryWithKeys(list, emps, keys, reasonID, date, hours, TEntryKind::Own);
  ++(list.size() > before ? s.EntriesAdded : s.EntriesMerged);
}

// The working record of an absence import: one per employee, in list order.
struct TEmpRefRecClass {
  int32_t EmpID = 0;
  std::string SSN;
  TEntryList NewEntries;  // the entries read for this employee in replace mode
};

}  // namespace

TImportSummary ImportEmployees(TDataSet& data, const std::vector<std::string>& lines,
                               const TConvertOptions& options, TImportMode mode,
                               const TProgressFn& progress) {
  TImportSummary s;
  const std::size_t deptsBefore = data.DeptList.size();
  TEmpList fresh;  // replace mode: the file's employees, numbered from 1, swapped in at the end
  TEmpList& target = mode == TImportMode::Replace ? fresh : data.EmpList;
  const auto undoStoppedRun = [&] {
    if (mode == TImportMode::Replace)
      data.DeptList.resize(deptsBefore);
    else
      FinishEmployees(data, s);
  };
  try {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int record = static_cast<int>(i) + 1;
      const auto f = ReadRecord(lines[i], record, TConvertContent::Employees, options.Format,
                                kEmployeeFields, kUntrimmedEmployeeFields);
      const TDate start = FieldDate(f[efStartDate], "Start Date", record, options.DatePattern);
      TDate term = 0;
      if (!Trim(f[efEndDate]).empty())
        term = FieldDate(f[efEndDate], "End Date", record, options.DatePattern);
      const char type = f[efEmpType] == "Y" || f[efEmpType] == " " ? 'F' : 'T';
      const int32_t dept = DeptForName(data.DeptList, FromAnsi(f[efDepartment]), s);
      AddEmp(target, FromAnsi(f[efLastName]), FromAnsi(f[efFirstName]), FromAnsi(f[efEmployeeID]),
             start, term, dept, type);
      AddPolicyAccruals(*target.back(), data.ReasonList);
      ++s.EmployeesAdded;
      s.Records = record;
      Progress(progress, record);
    }
  } catch (const EConvertError&) {
    undoStoppedRun();
    throw;
  } catch (const std::range_error& e) {
    undoStoppedRun();
    throw EConvertError(TMessageKind::Warning, OutOfRangeMessage(e.what(), s.Records + 1));
  }
  if (mode == TImportMode::Replace) {
    s.EmployeesRemoved = static_cast<int>(data.EmpList.size());
    RemapManagers(data.DeptList, data.EmpList, fresh);
    data.EmpList = std::move(fresh);
  }
  FinishEmployees(data, s);
  return s;
}

namespace {

// `next` gives the lines one by one, nullptr after the last.
template <class NextLine>
TImportSummary ImportAbsenceLines(TDataSet& data, NextLine next, const TConvertOptions& options,
                                  TImportMode mode, const TProgressFn& progress) {
  TImportSummary s;
  std::vector<TEmpRefRecClass> refs(data.EmpList.size());
  std::unordered_map<std::string, std::size_t> bySSN;  // the first employee of each Employee ID
  for (std::size_t i = 0; i < data.EmpList.size(); ++i) {
    const auto& e = *data.EmpList[i];
    refs[i].EmpID = e.EmpID;
    refs[i].SSN = e.SSN;
    // An employee in the trash would lose the entries at the next save.
    if (!e.Deleted) bySSN.emplace(e.SSN, i);
  }
  const std::size_t reasonsBefore = data.ReasonList.size();
  TReasonKeys keys(data.ReasonList);
  const auto undoStoppedRun = [&] {
    if (mode == TImportMode::Replace)
      data.ReasonList.resize(reasonsBefore);
    else if (!s.ReasonsCreated.empty())
      SortReasons(data.ReasonList);
  };
  try {
    int record = 0;
    while (const std::string* line = next()) {
      ++record;
      const auto f =
          ReadRecord(*line, record, TConvertContent::Absences, options.Format, kAbsenceFields, {});
      const TDate date = FieldDate(f[afDate], "Absence Date", record, options.DatePattern);
      float hours = 0;
      const std::string hoursText = Trim(f[afHours]);
      if (!ParseFileHours(hoursText, hours))
        throw EConvertError(TMessageKind::Warning,
                            ConversionErrorMessage("Absence Hours", FromAnsi(hoursText), record));

      const std::string description = FromAnsi(f[afReason]);
      int32_t reasonID = -1;
      if (const int r = FindReason(data.ReasonList, 0, description); r >= 0) {
        reasonID = data.ReasonList[static_cast<std::size_t>(r)]->ReasonID;
      } else {
        reasonID = AddReason(data.ReasonList, description, true, false, TBasis::None,
                             TValidate::None, reasonID);
        s.ReasonsCreated.push_back(description);
        keys = TReasonKeys(data.ReasonList);
      }

      const std::string ssn = FromAnsi(f[afEmployeeID]);
      const auto emp = bySSN.find(ssn);
      if (emp == bySSN.end())
        throw EConvertError(TMessageKind::Information, UnknownEmployeeMessage(ssn, record));
      TEntryList& list = mode == TImportMode::Replace ? refs[emp->second].NewEntries
                                                      : data.EmpList[emp->second]->Entries;
      AddImportedEntry(list, data.EmpList, keys, reasonID, date, hours, s);
      s.Records = record;
      Progress(progress, record);
    }
  } catch (const EConvertError&) {
    undoStoppedRun();
    throw;
  } catch (const std::range_error& e) {
    undoStoppedRun();
    throw EConvertError(TMessageKind::Warning, OutOfRangeMessage(e.what(), s.Records + 1));
  }
  if (mode == TImportMode::Replace) {
    // Every employee's entries are replaced, also of those the file has no line for. The new
    // lists were kept in date order as they grew.
    for (std::size_t i = 0; i < refs.size(); ++i) {
      auto& entries = data.EmpList[i]->Entries;
      s.EntriesRemoved += static_cast<int>(entries.size());
      entries = std::move(refs[i].NewEntries);
    }
  }
  if (!s.ReasonsCreated.empty()) SortReasons(data.ReasonList);
  return s;
}

}  // namespace

TImportSummary ImportAbsences(TDataSet& data, const std::vector<std::string>& lines,
                              const TConvertOptions& options, TImportMode mode,
                              const TProgressFn& progress) {
  std::size_t i = 0;
  const auto next = [&]() { return i < lines.size() ? &lines[i++] : nullptr; };
  return ImportAbsenceLines(data, next, options, mode, progress);
}

TImportSummary ImportAbsences(TDataSet& data, TImportFile& file, const TConvertOptions& options,
                              TImportMode mode, const TProgressFn& progress) {
  return ImportAbsenceLines(
      data, [&] { return file.Next(); }, options, mode, progress);
}

}  // namespace absence
