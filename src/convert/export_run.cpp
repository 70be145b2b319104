#include "convert/export_run.h"

#include <array>

#include "accrual/dates.h"
#include "data/ansi.h"
#include "data/settings.h"

namespace absence {
namespace {

constexpr std::array<bool, 7> kEmployeeTextFields = {true, true, true, false, false, false, true};
constexpr std::array<bool, 4> kAbsenceTextFields = {true, true, false, false};

std::string DeptNameOf(const TDeptList& depts, int32_t deptID) {
  if (deptID <= 0) return std::string();
  const int i = FindDept(depts, deptID, std::string());
  return i < 0 ? std::string() : depts[static_cast<std::size_t>(i)]->DeptName;
}

}  // namespace

std::vector<std::string> ExportEmployees(const TDataSet& data, const TConvertOptions& options,
                                         const TProgressFn& progress) {
  std::vector<std::string> lines;
  int done = 0;
  for (const auto& e : data.EmpList) {
    if (!e->Deleted) {
      const std::array<std::string, 7> texts = {
          ToAnsi(e->LastName),
          ToAnsi(e->FirstName),
          ToAnsi(e->SSN),
          FormatDate(e->StartDate, options.DatePattern),
          e->TermDate == 0 ? std::string() : FormatDate(e->TermDate, options.DatePattern),
          e->EmpType == 'F' || e->EmpType == 'Y' ? "Y" : "N",
          ToAnsi(DeptNameOf(data.DeptList, e->DeptID))};
      lines.push_back(JoinLine(texts, options.Format, kEmployeeFields, kEmployeeTextFields));
    }
    if (progress) progress(++done);
  }
  return lines;
}

std::vector<std::string> ExportAbsences(const TDataSet& data, const TConvertOptions& options,
                                        const TExportRange& range, const TProgressFn& progress) {
  std::vector<std::string> lines;
  int done = 0;
  for (const auto& e : data.EmpList) {
    if (!e->Deleted) {
      const std::string ssn = ToAnsi(e->SSN);
      for (const auto& x : e->Entries) {
        if (!x->IsLive() || !range.Contains(x->EntryDate)) continue;
        const std::array<std::string, 4> texts = {ssn,
                                                  ToAnsi(ReasonText(data.ReasonList, x->ReasonID)),
                                                  FormatDate(x->EntryDate, options.DatePattern),
                                                  FormatNumber(x->Hours, options.HourFormat)};
        lines.push_back(JoinLine(texts, options.Format, kAbsenceFields, kAbsenceTextFields));
      }
    }
    if (progress) progress(++done);
  }
  return lines;
}

}  // namespace absence
