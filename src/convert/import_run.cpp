#include "convert/import_run.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <unordered_map>

#include "convert/text_format.h"
#include "data/ansi.h"
#include "data/entry_order.h"
#include "data/settings.h"
#include "dates/date_text.h"

namespace absence {
namespace {

// Fixed-length fields that keep their blanks: the start date as the file has it, and the
// one-character Employee Type, whose blank means "eligible".
constexpr int kUntrimmedEmployeeFields[] = {efStartDate, efEmpType};

// A line with nothing but blanks or tabs (a trailing empty line, a gap between blocks).
bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The text after the separator that ends the last-but-one field of a delimited line: the last
// field and whatever follows it.
std::string_view LastFieldText(std::string_view line, char separator, std::size_t fields) {
  for (std::size_t i = 0; i + 1 < fields; ++i) line.remove_prefix(line.find(separator) + 1);
  return line;
}

// The line's fields. A delimited line with more separators than the layout has is refused (its
// extra fields would end up in the last field, as part of a department's name or the hours);
// so is a last field that is a number longer than its width, which cutting would change.
std::vector<std::string> ReadRecord(const std::string& line, int record, TConvertContent content,
                                    TFileFormat format, std::span<const TFieldSpec> fields,
                                    std::span<const int> untrimmed, bool lastIsNumber) {
  if (format == TFileFormat::Fixed) {
    int length = 0;
    for (const auto& f : fields) length += f.Width;
    if (line.size() != static_cast<std::size_t>(length))
      throw EConvertError(TMessageKind::Warning, LengthErrorMessage(content, record));
  }
  int failed = -1;
  std::vector<std::string> result;
  try {
    result = SplitLine(line, format, fields, untrimmed, failed);
  } catch (const PVConvertException&) {
    throw EConvertError(TMessageKind::Warning,
                        FieldErrorMessage(fields[static_cast<std::size_t>(failed)].Name, record));
  }
  if (format == TFileFormat::Fixed) return result;
  const char separator = Separator(format);
  const std::string_view last = LastFieldText(line, separator, fields.size());
  if (last.find(separator) != std::string_view::npos)
    throw EConvertError(TMessageKind::Warning,
                        ExtraFieldsMessage(content, record, static_cast<int>(fields.size())));
  // A number cut to its width must keep its value ("8.000000" may lose zeros; "12345678"
  // must not become 123456).
  const TFieldSpec& spec = fields.back();
  const std::string whole = Trim(last);
  float full = 0, cut = 0;
  if (lastIsNumber && whole.size() > static_cast<std::size_t>(spec.Width) &&
      !(ParseFileHours(whole, full) && ParseFileHours(Trim(result.back()), cut) && full == cut))
    throw EConvertError(TMessageKind::Warning,
                        FieldTooLongMessage(spec.Name, FromAnsi(whole), record, spec.Width));
  return result;
}

TDate FieldDate(const std::string& ansi, const char* fieldName, int record,
                const TConvertOptions& options) {
  const std::string text = Trim(ansi);
  const TParsedDate d = ParseDateLenient(text, options.DatePattern, options.NearYear);
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

enum class TStored { Added, Merged };

// One line's entry: own entries merge with an own entry of the same reason and day. A negative
// hours field is an exclusion, as the export writes it: it exempts the employee from the global
// entry of that reason and day (a live copy is put in the trash, which saving turns into an
// exclusion); next to an own entry or another exclusion it changes nothing.
TStored AddImportedEntry(TEntryList& list, TEmpList& emps, const TReasonKeys& keys,
                         int32_t reasonID, TDate date, float hours) {
  if (hours < 0) {
    const int i = FindEntry(list, reasonID, TEntryKind::Exclusion, date);
    if (i == -1) {
      auto x = std::make_unique<TAbsenceRecClass>();
      x->ReasonID = reasonID;
      x->EntryDate = date;
      x->Hours = -1;
      x->Kind = TEntryKind::Exclusion;
      InsertSorted(list, std::move(x), keys);
      return TStored::Added;
    }
    auto& found = *list[static_cast<std::size_t>(i)];
    if (found.Kind == TEntryKind::Global) found.DelMark += "D";
    return TStored::Merged;
  }
  const std::size_t before = list.size();
  AddEntryWithKeys(list, emps, keys, reasonID, date, hours, TEntryKind::Own);
  return list.size() > before ? TStored::Added : TStored::Merged;
}

// Whether `hours` more of own absence can go to the day and reason in `list`: false when the
// live own entry there could not take them (as AddEntry would refuse), so add mode finds that
// out before it changes anything.
bool OwnHoursFit(const TEntryList& list, int32_t reasonID, TDate date, float hours) {
  const int i = FindEntry(list, reasonID, TEntryKind::Own, date);
  if (i < 0) return true;
  const auto& twin = *list[static_cast<std::size_t>(i)];
  if (!std::isfinite(twin.Hours + hours)) return false;
  for (std::size_t j = static_cast<std::size_t>(i) + 1;
       j < list.size() && list[j]->EntryDate == date; ++j) {
    const auto& e = *list[j];
    if (e.ReasonID == reasonID && e.IsLive() && e.Kind == TEntryKind::Own) return false;
  }
  return true;
}

// The working record of an absence import: one per employee, in list order.
struct TEmpRefRecClass {
  int32_t EmpID = 0;
  std::string SSN;
  TEntryList NewEntries;  // the entries read for this employee, put in place at the end
};

bool CountsAsLost(const TAbsenceRecClass& e) {
  return e.IsLive() && e.Kind != TEntryKind::Global;
}

}  // namespace

TReplaceLoss ReplaceLoss(const TDataSet& data, TConvertContent content) {
  TReplaceLoss loss;
  for (const auto& e : data.EmpList) {
    if (e->Deleted) continue;
    ++loss.Employees;
    for (const auto& x : e->Entries) loss.Entries += CountsAsLost(*x);
    for (const auto& a : e->Accruals) loss.Balances += a->IsLive();
  }
  if (content == TConvertContent::Absences) {
    loss.Employees = 0;
    loss.Balances = 0;
  }
  return loss;
}

TImportSummary ImportEmployees(TDataSet& data, const std::vector<std::string>& lines,
                               const TConvertOptions& options, TImportMode mode,
                               const TProgressFn& progress) {
  TImportSummary s;
  const std::size_t deptsBefore = data.DeptList.size();
  // The file's employees, kept apart until every line was read: replace mode numbers them from 1
  // and swaps them in; add mode numbers them on from the last identifier and appends them.
  TEmpList fresh;
  int32_t nextID = 1;
  if (mode == TImportMode::Add)
    for (const auto& e : data.EmpList) nextID = std::max(nextID, e->EmpID + 1);
  int record = 0;
  try {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      record = static_cast<int>(i) + 1;
      Progress(progress, record);
      if (IsBlank(lines[i])) continue;
      const auto f = ReadRecord(lines[i], record, TConvertContent::Employees, options.Format,
                                kEmployeeFields, kUntrimmedEmployeeFields, false);
      const TDate start = FieldDate(f[efStartDate], "Start Date", record, options);
      TDate term = 0;
      if (!Trim(f[efEndDate]).empty()) term = FieldDate(f[efEndDate], "End Date", record, options);
      const char type = f[efEmpType] == "Y" || f[efEmpType] == " " ? 'F' : 'T';
      const int32_t dept = DeptForName(data.DeptList, FromAnsi(f[efDepartment]), s);
      AddEmp(fresh, FromAnsi(f[efLastName]), FromAnsi(f[efFirstName]), FromAnsi(f[efEmployeeID]),
             start, term, dept, type, mode == TImportMode::Add ? nextID++ : kNewID);
      AddPolicyAccruals(*fresh.back(), data.ReasonList);
      ++s.EmployeesAdded;
      ++s.Records;
    }
  } catch (const EConvertError&) {
    data.DeptList.resize(deptsBefore);
    throw;
  } catch (const std::range_error& e) {
    data.DeptList.resize(deptsBefore);
    throw EConvertError(TMessageKind::Warning, OutOfRangeMessage(e.what(), record));
  }
  if (mode == TImportMode::Replace) {
    const TReplaceLoss loss = ReplaceLoss(data, TConvertContent::Employees);
    s.EmployeesRemoved = loss.Employees;
    s.EntriesRemoved = loss.Entries;
    s.BalancesRemoved = loss.Balances;
    RemapManagers(data.DeptList, data.EmpList, fresh);
    data.EmpList = std::move(fresh);
  } else {
    for (auto& e : fresh) data.EmpList.push_back(std::move(e));
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
  // The live company-wide entries, with their hours as the file writes them: a line of the same
  // day, reason and hours text, for an employee employed that day, is that employee's copy.
  std::unordered_map<TDayReason, std::string, TDayReasonHash> globals;
  for (const auto& g : data.GlobalList)
    if (g->IsLive())
      globals.emplace(TDayReason(g->EntryDate, g->ReasonID),
                      FormatNumber(g->Hours, options.HourFormat));
  const std::size_t reasonsBefore = data.ReasonList.size();
  TReasonKeys keys(data.ReasonList);
  int record = 0;
  try {
    while (const std::string* line = next()) {
      ++record;
      Progress(progress, record);
      if (IsBlank(*line)) continue;
      const auto f = ReadRecord(*line, record, TConvertContent::Absences, options.Format,
                                kAbsenceFields, {}, true);
      const TDate date = FieldDate(f[afDate], "Absence Date", record, options);
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
      ++s.Records;
      const TEmpRecClass& employee = *data.EmpList[emp->second];
      const auto global = globals.find(TDayReason(date, reasonID));
      const bool holiday = global != globals.end() && employee.IsEmployedOn(date);
      if (hours >= 0 && holiday && global->second == FormatNumber(hours, options.HourFormat)) {
        ++s.CopiesSkipped;
        continue;
      }
      if (hours < 0 && !holiday) {
        ++s.ExemptionsSkipped;
        continue;
      }
      TEntryList& staged = refs[emp->second].NewEntries;
      const TStored stored = AddImportedEntry(staged, data.EmpList, keys, reasonID, date, hours);
      // Add mode counts a line new to the file when it is put in place, against the data set.
      if (stored == TStored::Merged)
        ++s.EntriesMerged;
      else if (mode == TImportMode::Replace)
        ++s.EntriesAdded;
      if (mode == TImportMode::Add && hours >= 0) {
        const int i = FindEntry(staged, reasonID, TEntryKind::Own, date);
        if (!OwnHoursFit(employee.Entries, reasonID, date,
                         staged[static_cast<std::size_t>(i)]->Hours))
          throw EHoursRangeError("The hours of that day and reason would not fit.");
      }
    }
  } catch (const EConvertError&) {
    data.ReasonList.resize(reasonsBefore);
    throw;
  } catch (const std::range_error& e) {
    data.ReasonList.resize(reasonsBefore);
    throw EConvertError(TMessageKind::Warning, OutOfRangeMessage(e.what(), record));
  }
  // Every line was read: only now does the data set change.
  for (std::size_t i = 0; i < refs.size(); ++i) {
    auto& employee = *data.EmpList[i];
    if (mode == TImportMode::Replace) {
      // Every employee's entries are replaced, also of those the file has no line for. The new
      // lists were kept in date order as they grew; the copies of company-wide entries come
      // back from the global entries, except where an exemption was read.
      if (!employee.Deleted)
        for (const auto& x : employee.Entries) s.EntriesRemoved += CountsAsLost(*x);
      employee.Entries = std::move(refs[i].NewEntries);
      employee.AddGlobalEntries(data.GlobalList, data.ReasonList);
      continue;
    }
    for (const auto& x : refs[i].NewEntries) {
      const TStored stored = AddImportedEntry(employee.Entries, data.EmpList, keys, x->ReasonID,
                                              x->EntryDate, x->Hours);
      ++(stored == TStored::Added ? s.EntriesAdded : s.EntriesMerged);
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
