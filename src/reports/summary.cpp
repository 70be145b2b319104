// The month-end summary: gathering the figures and writing them as CSV.
#include "reports/summary.h"

#include <map>
#include <ostream>
#include <sstream>

#include "accrual/balances.h"
#include "data/fileio.h"
#include "data/float_text.h"
#include "reports/selection.h"
#include "reports/taken.h"

namespace absence::reports {
namespace {

struct TGroup {
  int32_t DeptID = 0;
  std::string Name;
  std::vector<const TEmpRecClass*> Emps;
};

std::string DeptName(const TDeptList& depts, int32_t deptID) {
  if (deptID > 0) {
    const int i = FindDept(depts, deptID, std::string());
    if (i >= 0 && !depts[static_cast<std::size_t>(i)]->Deleted)
      return depts[static_cast<std::size_t>(i)]->DeptName;
  }
  return kNoDepartment;
}

std::vector<TGroup> Groups(const TReportInput& in) {
  std::vector<TGroup> groups;
  if (!in.Options.SelectFromEmployees) {
    for (const TSelectionItem& item : in.Selection) {
      TGroup g{item.ID, item.Text, {}};
      for (const auto& e : in.Emps)
        if (e->DeptID == item.ID && ShownByDisplay(*e, in.Settings.EmployeeDisplay))
          g.Emps.push_back(e.get());
      if (!g.Emps.empty()) groups.push_back(std::move(g));
    }
    return groups;
  }
  std::map<int32_t, const TEmpRecClass*> byID;
  for (const auto& e : in.Emps) byID.emplace(e->EmpID, e.get());
  // An employee whose department is gone is listed without one.
  auto groupOf = [&](const TEmpRecClass& e) {
    return DeptName(in.Depts, e.DeptID) == kNoDepartment ? 0 : e.DeptID;
  };
  std::map<int32_t, std::vector<const TEmpRecClass*>> members;
  for (const TSelectionItem& item : in.Selection) {
    const auto it = byID.find(item.ID);
    if (it == byID.end() || it->second->Deleted) continue;
    members[groupOf(*it->second)].push_back(it->second);
  }
  for (const TSelectionItem& d : DepartmentChoices(in.Depts)) {
    const auto it = members.find(d.ID);
    if (it != members.end()) groups.push_back({d.ID, d.Text, it->second});
  }
  return groups;
}

std::vector<TSummaryTotal> Totals(const TReasonList& reasons, const TReasonTallies& tallies,
                                  float TTallyRecClass::*total) {
  std::vector<TSummaryTotal> totals;
  for (std::size_t i = 0; i < tallies.size(); ++i)
    if (tallies[i].*total > 0) totals.push_back({reasons[i]->Description, tallies[i].*total});
  return totals;
}

std::string Number(double v) {
  return ShortestFloatText(static_cast<float>(v));
}

// The field as it stands in a CSV line.
std::string CsvField(const std::string& text, char delimiter) {
  if (text.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

}  // namespace

TSummary BuildSummary(const TReportInput& in) {
  TSummary s;
  s.From = in.Options.StartDate;
  s.To = in.Options.EndDate;
  const TReasonKeys keys(in.Reasons);
  TReasonTallies tallies(in.Reasons);
  for (const TGroup& g : Groups(in)) {
    TSummaryDept dept{g.DeptID, g.Name, {}, {}};
    for (const TEmpRecClass* emp : g.Emps) {
      ++s.Employees;
      for (const TAbsenceRecClass* x : TakenEntries(*emp, keys, s.From, s.To)) tallies.Add(*x);
      for (std::size_t i = 0; i < in.Reasons.size(); ++i) {
        const TReasonRecClass& reason = *in.Reasons[i];
        if (reason.Deleted) continue;
        TSummaryRow row{emp->EmpID,         emp->FullName(),     g.Name, reason.ReasonID,
                        reason.Description, tallies[i].EmpTotal, {},     {}};
        if (reason.HasPolicy) {
          const TReportBalance b =
              ReportBalance(*emp, in.Reasons, reason, s.To, in.Settings.BenefitYear);
          row.Available = b.Available;
          row.Balance = b.Balance;
        }
        if (row.Taken > 0 || row.Available) dept.Rows.push_back(std::move(row));
      }
      tallies.ClearEmp();
    }
    dept.Totals = Totals(in.Reasons, tallies, &TTallyRecClass::DeptTotal);
    tallies.ClearEmpAndDept();
    s.Depts.push_back(std::move(dept));
  }
  s.Totals = Totals(in.Reasons, tallies, &TTallyRecClass::ReportTotal);
  return s;
}

const std::vector<std::string>& SummaryHeadings() {
  static const std::vector<std::string> headings = {
      "ID", "Employee", "Department", "Reason", "Hours Taken", "Available", "Balance"};
  return headings;
}

void WriteSummaryCsv(std::ostream& out, const TSummary& summary, char delimiter) {
  auto line = [&](const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) out << delimiter;
      out << CsvField(fields[i], delimiter);
    }
    out << "\r\n";
  };
  line(SummaryHeadings());
  for (const TSummaryDept& d : summary.Depts)
    for (const TSummaryRow& r : d.Rows)
      line({std::to_string(r.EmpID), r.Employee, r.Department, r.Reason, Number(r.Taken),
            r.Available ? Number(*r.Available) : std::string(),
            r.Balance ? Number(*r.Balance) : std::string()});
}

void WriteSummaryCsvFile(const std::string& path, const TSummary& summary, char delimiter) {
  std::ostringstream out;
  WriteSummaryCsv(out, summary, delimiter);
  const std::string text = out.str();
  ReplaceFile(path,
              std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
              ".tmp");
}

}  // namespace absence::reports
