#pragma once
// A small organisation for the import and export tests, and ways to look at its records.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "convert/import_run.h"
#include "data/dataset.h"

namespace absence::test {

inline constexpr TDate kJan1 = 45292;  // 2024-01-01
inline constexpr const char* kPattern = "mm/dd/yyyy";

class TTempDir {
 public:
  TTempDir() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("absence-convert-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TTempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Reasons "Vacation" (policy) and "Sick"; departments "Sales" and "Accounts"; employees
// Smith (Sales, manager of Sales), Jones (Accounts, terminated, not eligible) and Müller (no
// department) with own entries; one global holiday copied to all of them.
inline TDataSet MakeOrg() {
  TDataSet d;
  AddReason(d.ReasonList, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd);
  AddReason(d.ReasonList, "Sick", true, false, TBasis::None, TValidate::None);
  SortReasons(d.ReasonList);
  AddDept(d.DeptList, "Sales", 1, true, "S1");
  AddDept(d.DeptList, "Accounts", 0, true, "A1");
  SortDepts(d.DeptList);
  struct Emp {
    const char *last, *first, *ssn;
    TDate start, term;
    int32_t dept;
    char type;
  } emps[] = {{"Smith", "Anna", "111-22-3333", kJan1 - 400, 0, 1, 'F'},
              {"Jones", "Bob", "222", kJan1 - 100, kJan1 + 200, 2, 'T'},
              {"Müller", "Jürgen", "333", kJan1 - 50, 0, 0, 'F'}};
  for (const auto& e : emps) {
    AddEmp(d.EmpList, e.last, e.first, e.ssn, e.start, e.term, e.dept, e.type);
    auto& emp = *d.EmpList.back();
    SetAccrual(emp.Accruals, 1, 12.5f, e.start);
    AddEntry(emp.Entries, d.EmpList, d.ReasonList, 1, kJan1 + 3, 8, TEntryKind::Own);
    AddEntry(emp.Entries, d.EmpList, d.ReasonList, 2, kJan1 + 10, 4.5f, TEntryKind::Own);
  }
  SortEmps(d.EmpList);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 2, kJan1 + 20, 8, TEntryKind::Global);
  return d;
}

inline TConvertOptions Options(TFileFormat format) {
  TConvertOptions o;
  o.Format = format;
  o.DatePattern = kPattern;
  o.HourFormat = "#,##0.0";
  return o;
}

// The employee's fields that an import and export carry, department by name.
using TEmpView = std::tuple<std::string, std::string, std::string, TDate, TDate, char, std::string>;

inline TEmpView ViewOf(const TDataSet& d, const TEmpRecClass& e) {
  const int i = e.DeptID > 0 ? FindDept(d.DeptList, e.DeptID, "") : -1;
  return {e.LastName,
          e.FirstName,
          e.SSN,
          e.StartDate,
          e.TermDate,
          e.EmpType,
          i < 0 ? "" : d.DeptList[static_cast<std::size_t>(i)]->DeptName};
}

inline std::vector<TEmpView> EmpViews(const TDataSet& d) {
  std::vector<TEmpView> v;
  for (const auto& e : d.EmpList) v.push_back(ViewOf(d, *e));
  return v;
}

// An entry as (kind, reason text, date, hours).
using TEntryView = std::tuple<char, std::string, TDate, float>;

inline std::vector<TEntryView> EntryViews(const TDataSet& d, const TEmpRecClass& e) {
  std::vector<TEntryView> v;
  for (const auto& x : e.Entries)
    if (x->IsLive())
      v.emplace_back(Letter(x->Kind), ReasonText(d.ReasonList, x->ReasonID), x->EntryDate,
                     x->Hours);
  return v;
}

// Runs an import and hands back the message of the EConvertError it throws ("" when none).
template <class Fn>
std::string FailureOf(Fn&& run) {
  try {
    run();
  } catch (const EConvertError& e) {
    return e.what();
  }
  return "";
}

}  // namespace absence::test
