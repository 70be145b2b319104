#include "data/sample.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string_view>

#include "data/folder_lock.h"
#include "data/paths.h"
#include "dates/dates.h"

namespace absence {
namespace {

struct TDeptRow {
  const char* Name;
  const char* Code;
};

constexpr TDeptRow kDepts[] = {
    {"Administration", "ADM"},
    {"Sales", "SAL"},
    {"Production", "PRD"},
    {"Engineering", "ENG"},
};

struct TEmpRow {
  const char* LastName;
  const char* FirstName;
  int Dept;           // index into kDepts
  char EmpType;       // 'F' accrues; 'P' part-time, does not
  int ServiceMonths;  // from the start date to the sample's day
  int LeftMonthsAgo;  // 0: still employed
  bool Manager;
};

// Start dates spread over fifteen years; the first of each department leads it.
constexpr TEmpRow kEmps[] = {
    {"Whitfield", "Margaret", 0, 'F', 178, 0, true}, {"Okafor", "Daniel", 0, 'F', 97, 0, false},
    {"Lindqvist", "Anna", 0, 'P', 41, 0, false},     {"Moreno", "Lucia", 0, 'F', 15, 0, false},
    {"Brennan", "Patrick", 1, 'F', 151, 0, true},    {"Tanaka", "Yuki", 1, 'F', 122, 0, false},
    {"Fischer", "Jonas", 1, 'F', 66, 0, false},      {"Adeyemi", "Grace", 1, 'F', 30, 0, false},
    {"Kowalski", "Piotr", 1, 'F', 88, 14, false},    {"Dubois", "Claire", 1, 'F', 8, 0, false},
    {"Haddad", "Samir", 2, 'F', 169, 0, true},       {"Novak", "Eva", 2, 'F', 140, 0, false},
    {"Reyes", "Carlos", 2, 'F', 103, 0, false},      {"O'Neill", "Siobhan", 2, 'F', 77, 0, false},
    {"Petrov", "Ivan", 2, 'F', 52, 0, false},        {"Mensah", "Kofi", 2, 'P', 27, 0, false},
    {"Larsen", "Mette", 2, 'F', 19, 0, false},       {"Schmidt", "Lukas", 2, 'F', 60, 5, false},
    {"Chen", "Wei", 3, 'F', 160, 0, true},           {"Gupta", "Priya", 3, 'F', 113, 0, false},
    {"Murphy", "Sean", 3, 'F', 84, 0, false},        {"Rossi", "Giulia", 3, 'F', 58, 0, false},
    {"Nakamura", "Kenji", 3, 'F', 36, 0, false},     {"Silva", "Beatriz", 3, 'F', 22, 0, false},
    {"Walker", "Thomas", 3, 'F', 11, 0, false},
};

// The reasons, in the order their identifiers are given.
enum TSampleReason : int32_t {
  kVacation = 1,
  kSickLeave,
  kPersonal,
  kHoliday,
  kJuryDuty,
  kTraining,
};

constexpr float kDayHours = 8;
constexpr float kPartTimeHours = 4;

// Sunday = 0 ... Saturday = 6; day 0 (30 December 1899) was a Saturday.
int DayOfWeek(TDate d) {
  const int n = static_cast<int>(std::floor(d));
  return ((n + 6) % 7 + 7) % 7;
}

bool IsWeekend(TDate d) {
  const int w = DayOfWeek(d);
  return w == 0 || w == 6;
}

// The n-th (1-based) weekday `dow` of a month; n = -1 gives the last one.
TDate NthWeekday(int year, int month, int dow, int n) {
  if (n < 0) {
    TDate d = EncodeDate(year, month, DaysInMonth(year, month));
    while (DayOfWeek(d) != dow) --d;
    return d;
  }
  TDate d = EncodeDate(year, month, 1);
  while (DayOfWeek(d) != dow) ++d;
  return d + 7 * (n - 1);
}

// A fixed-date holiday on a weekend is kept on the nearest weekday.
TDate Observed(TDate d) {
  const int w = DayOfWeek(d);
  return w == 6 ? d - 1 : w == 0 ? d + 1 : d;
}

std::vector<TDate> HolidaysOf(int year) {
  return {
      Observed(EncodeDate(year, 1, 1)), NthWeekday(year, 5, 1, -1),
      Observed(EncodeDate(year, 7, 4)), NthWeekday(year, 9, 1, 1),
      NthWeekday(year, 11, 4, 4),       Observed(EncodeDate(year, 12, 25)),
  };
}

// A random source whose numbers are the same on every platform (the standard fixes
// mt19937's sequence, not the distributions').
class TDice {
 public:
  explicit TDice(uint32_t seed) : gen_(seed) {}
  // A whole number in [0, n).
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(gen_() % static_cast<uint32_t>(n)); }

 private:
  std::mt19937 gen_;
};

struct TPlannedDay {
  int32_t ReasonID;
  float Hours;
};

// Plans one employee's own absences on working days of [first, last].
class TAbsencePlanner {
 public:
  TAbsencePlanner(const std::set<TDate>& holidays, TDice& dice, float hours)
      : holidays_(holidays), dice_(dice), hours_(hours) {}

  // `days` working days of the reason in [first, last], in runs of up to `run` days.
  void Place(int32_t reasonID, int days, int run, TDate first, TDate last) {
    const int span = static_cast<int>(last - first) + 1;
    for (int attempt = 0; days > 0 && span > 0 && attempt < 50; ++attempt) {
      TDate d = first + dice_.Below(span);
      for (int n = 0; n < std::min(run, days) && d <= last; ++d) {
        if (IsWeekend(d) || holidays_.count(d)) continue;
        if (!planned_.emplace(d, TPlannedDay{reasonID, hours_}).second) break;
        ++n;
        --days;
      }
    }
  }

  const std::map<TDate, TPlannedDay>& Planned() const { return planned_; }

 private:
  const std::set<TDate>& holidays_;
  TDice& dice_;
  float hours_;
  std::map<TDate, TPlannedDay> planned_;
};

// Vacation days a year earns after `months` of service (the policy's three tiers).
int VacationDays(int months) {
  return months < 24 ? 10 : months < 120 ? 15 : 20;
}

void AddReasons(TReasonList& reasons) {
  struct TReasonRow {
    const char* Description;
    bool Active;
    TBasis Basis;
    TValidate Validate;
    std::vector<TFTRuleRecClass> Rules;  // StartMonth, EndMonth, Hours, CarryOver
  };
  const TReasonRow rows[] = {
      {"Vacation",
       true,
       TBasis::Anniversary,
       TValidate::YearEnd,
       {{0, 24, 80, 40}, {24, 120, 120, 40}, {120, kMaxRuleMonths, 160, 80}}},
      {"Sick Leave", true, TBasis::Calendar, TValidate::MonthEnd, {{0, kMaxRuleMonths, 48, 96}}},
      {"Personal", true, TBasis::UserYear, TValidate::YearEnd, {{0, kMaxRuleMonths, 24, 0}}},
      {"Holiday", true, TBasis::None, TValidate::None, {}},
      {"Jury Duty", true, TBasis::None, TValidate::None, {}},
      {"Training", false, TBasis::None, TValidate::None, {}},
  };
  for (const TReasonRow& row : rows) {
    const bool policy = !row.Rules.empty();
    AddReason(reasons, row.Description, row.Active, policy, row.Basis, row.Validate);
    TRuleList& rules = reasons.back()->Rules;
    rules.clear();
    for (const TFTRuleRecClass& r : row.Rules)
      AddRule(rules, r.StartMonth, r.EndMonth, r.Hours, r.CarryOver);
  }
}

// Opening balances: an employee hired before the records begin carries hours into them; a
// later one starts from nothing on the start date.
void AddOpeningBalances(TEmpRecClass& emp, TDate recordsBegin, TDice& dice) {
  if (emp.EmpType != 'F') return;
  const bool carried = emp.StartDate < recordsBegin;
  const TDate asOf = carried ? recordsBegin : emp.StartDate;
  SetAccrual(emp.Accruals, kVacation, carried ? static_cast<float>(8 * dice.Below(6)) : 0, asOf);
  SetAccrual(emp.Accruals, kSickLeave, carried ? static_cast<float>(8 * dice.Below(10)) : 0, asOf);
  SetAccrual(emp.Accruals, kPersonal, 0, asOf);
}

// Each calendar year of the employee's part of [recordsBegin, today]: vacation by the tier of
// service, a few sick and personal days, now and then jury duty, and training while that
// reason was still in use.
void PlanAbsences(TAbsencePlanner& planner, const TEmpRecClass& emp, int index, TDate recordsBegin,
                  TDate today, TDice& dice) {
  const TDate first = std::max(recordsBegin, emp.StartDate);
  const TDate last = emp.TermDate > 0 ? std::min(today, emp.TermDate) : today;
  const int divisor = emp.EmpType == 'F' ? 1 : 2;
  for (int y = Year(first); y <= Year(last); ++y) {
    const TDate a = std::max(first, EncodeDate(y, 1, 1));
    const TDate b = std::min(last, EncodeDate(y, 12, 31));
    if (b < a) continue;
    const double share = (b - a + 1) / 365.0;
    const int months = MonthDiff(emp.StartDate, a);
    const auto scaled = [&](int days) { return static_cast<int>(std::lround(share * days)); };
    planner.Place(kVacation, scaled(VacationDays(months) - 1 - dice.Below(2)) / divisor, 5, a, b);
    planner.Place(kSickLeave, scaled(dice.Below(5)), 2, a, b);
    if (months >= 12) planner.Place(kPersonal, scaled(1 + dice.Below(2)), 1, a, b);
    if (y == Year(recordsBegin) && kDepts[kEmps[index].Dept].Code == std::string_view("ENG"))
      planner.Place(kTraining, 2, 2, a, b);
  }
  if (index % 6 == 2) planner.Place(kJuryDuty, 3, 3, first, last);
}

}  // namespace

TDataSet MakeSampleOrganisation(TDate today) {
  today = NormalizeDate(today);
  const TDate recordsBegin = AddYears(-3, today);
  TDataSet data;
  AddReasons(data.ReasonList);
  for (const TDeptRow& d : kDepts) AddDept(data.DeptList, d.Name, 0, true, d.Code);

  // Next year's holidays are already planned.
  std::set<TDate> holidays;
  for (int y = Year(recordsBegin); y <= Year(today) + 1; ++y)
    for (TDate h : HolidaysOf(y)) holidays.insert(h);

  TDice dice(20260101);
  for (int i = 0; i < static_cast<int>(std::size(kEmps)); ++i) {
    const TEmpRow& row = kEmps[i];
    TDate start = AddMonths(-row.ServiceMonths, today);
    while (IsWeekend(start)) ++start;
    TDate term = 0;
    if (row.LeftMonthsAgo > 0) {
      term = AddMonths(-row.LeftMonthsAgo, today);
      while (IsWeekend(term)) --term;
    }
    const int32_t deptID = data.DeptList[static_cast<std::size_t>(row.Dept)]->DeptID;
    const std::string ssn = "900-55-" + std::to_string(1001 + i);
    const int32_t empID =
        AddEmp(data.EmpList, row.LastName, row.FirstName, ssn, start, term, deptID, row.EmpType);
    TEmpRecClass& emp = *data.EmpList.back();
    if (row.Manager) data.DeptList[static_cast<std::size_t>(row.Dept)]->ManagerID = empID;
    AddOpeningBalances(emp, recordsBegin, dice);
    TAbsencePlanner planner(holidays, dice, row.EmpType == 'F' ? kDayHours : kPartTimeHours);
    PlanAbsences(planner, emp, i, recordsBegin, today, dice);
    for (const auto& [date, day] : planner.Planned())
      AddEntry(emp.Entries, data.EmpList, data.ReasonList, day.ReasonID, date, day.Hours,
               TEntryKind::Own);
  }

  // Holidays reach everybody employed on the day.
  for (TDate h : holidays)
    AddEntry(data.GlobalList, data.EmpList, data.ReasonList, kHoliday, h, kDayHours,
             TEntryKind::Global);
  // The production manager works on last year's Independence Day: his copy of that holiday is
  // taken away, which the files keep as an exclusion.
  const TDate workedHoliday = Observed(EncodeDate(Year(today) - 1, 7, 4));
  TEmpRecClass& excluded = *data.EmpList[10];
  const int copy = FindEntry(excluded.Entries, kHoliday, TEntryKind::Global, workedHoliday);
  if (copy >= 0)
    excluded.Entries[static_cast<std::size_t>(copy)]->AddDelMark(TTrashMark::Record, data.EmpList);

  SortReasons(data.ReasonList);
  SortDepts(data.DeptList);
  SortEmps(data.EmpList);
  return data;
}

std::vector<std::string> DataFilesIn(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> found;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return found;
  for (const char* name : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    if (fs::exists(fs::path(folder) / name, ec)) found.emplace_back(name);
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kSaveFilePrefix, 0) == 0) found.push_back(name);
  }
  return found;
}

namespace {
void RefuseFolderWithData(const std::string& folder) {
  const std::vector<std::string> existing = DataFilesIn(folder);
  if (existing.empty()) return;
  std::string names;
  for (const std::string& n : existing) names += (names.empty() ? "" : ", ") + n;
  throw ESampleFolderError("the folder " + folder + " already holds data files (" + names +
                           "); choose an empty or new folder");
}
}  // namespace

void WriteSampleOrganisation(const std::string& folder, TDate today) {
  RefuseFolderWithData(folder);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) throw EDataFileError("cannot create the folder " + folder + ": " + ec.message());
  // Asked again under the lock: another program may have started on the folder meanwhile.
  TFolderLock lock(WithTrailingSeparator(folder), "absence-cli sample");
  const TLockResult held = lock.Acquire();
  if (held.Outcome != TLockOutcome::Taken) throw EDataFileError(held.Message);
  RefuseFolderWithData(folder);
  TDataSet data = MakeSampleOrganisation(today);
  SaveDataSet(data, WithTrailingSeparator(folder), false);
}

}  // namespace absence
