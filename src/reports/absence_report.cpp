// The absence taken report: each employee's absences in a period with totals per reason for the
// employee, the department and the whole report.
#include <algorithm>
#include <unordered_map>

#include "data/entry_order.h"
#include "reports/grouped_report.h"
#include "reports/report_bodies.h"

namespace absence::reports {
namespace {

// Hours of one reason, summed three ways.
struct TTallyRecClass {
  float EmpTotal = 0;
  float DeptTotal = 0;
  float ReportTotal = 0;
  void AddHours(float hours) {
    EmpTotal += hours;
    DeptTotal += hours;
    ReportTotal += hours;
  }
};

class TAbsenceReport : public TGroupedReport {
 public:
  explicit TAbsenceReport(TReportRun& run)
      : TGroupedReport(run, TStyle{3, 4, false, false}),
        keys_(run.In.Reasons),
        tallies_(run.In.Reasons.size()) {
    for (std::size_t i = 0; i < run.In.Reasons.size(); ++i)
      reasonIndex_[run.In.Reasons[i]->ReasonID] = i;
  }

  void Heading() override {
    const TReportOptions& o = R.Options;
    R.HeadingBlock("From " + R.Date(o.StartDate) + " to " + R.Date(o.EndDate) +
                   (o.Detail ? " - Detail Report" : " - Summary Report"));
    R.TabStops({{0.75, 2.5}, {1.0, 0.75}, {2.0, 2.5}, {4.5, 0.37, TJustify::Right}});
    R.Font(11, true, true);
    E.NextTab();
    E.NextTab();
    if (o.Detail) E.PrintText("Date");
    E.NextTab();
    E.PrintText("Reason");
    E.NextTab();
    E.PrintText("Hours");
    R.Font(14);
    E.PrintLine();
    R.Font(11);
  }

 protected:
  void EmployeeLines(const TEmpRecClass& emp) override {
    const bool detail = R.Options.Detail;
    for (const TAbsenceRecClass* x : CountedEntries(emp)) {
      const auto it = reasonIndex_.find(x->ReasonID);
      if (it == reasonIndex_.end()) continue;
      tallies_[it->second].AddHours(x->Hours);
      if (!detail) continue;
      EnsureEmployeeLine(emp);
      E.NextTab();
      E.NextTab();
      E.PrintText(R.Date(x->EntryDate));
      E.NextTab();
      E.PrintText(R.In.Reasons[it->second]->Description);
      E.NextTab();
      E.PrintLine(R.Hours(x->Hours));
    }
    if (detail) {
      EnsureEmployeeLine(emp);
      E.SetBold(true);
      E.NextTab();
      E.NextTab();
      E.PrintLine("Totals:");
      E.SetBold(false);
    }
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
      if (tallies_[i].EmpTotal <= 0) continue;
      EnsureEmployeeLine(emp);
      TotalLine(i, tallies_[i].EmpTotal);
    }
    for (auto& t : tallies_) t.EmpTotal = 0;
  }

  void DepartmentDone(const TSelectionItem& dept) override {
    const std::string heading = dept.Text + " Totals";
    SpaceOrPage();
    GroupHeading(heading);
    TotalsLines(&TTallyRecClass::DeptTotal, heading);
  }

  void ReportDone(bool anyEmployee) override {
    if (!anyEmployee) return;
    const std::string heading = "Report Period Totals";
    if (NewPagePerGroup()) {
      R.NewGroupPage("Report Totals");
    } else {
      SpaceOrPage();
      GroupHeading(heading);
    }
    TotalsLines(&TTallyRecClass::ReportTotal, heading);
  }

 private:
  // The employee's entries in the period that count, by date, reason and kind.
  std::vector<const TAbsenceRecClass*> CountedEntries(const TEmpRecClass& emp) const {
    std::vector<const TAbsenceRecClass*> entries;
    for (const auto& x : emp.Entries)
      if (x->EntryDate >= R.Options.StartDate && x->EntryDate <= R.Options.EndDate && x->IsLive() &&
          !x->IsExclusion())
        entries.push_back(x.get());
    std::stable_sort(entries.begin(), entries.end(), [&](const auto* a, const auto* b) {
      return CompareEntries(*a, *b, keys_, true) < 0;
    });
    return entries;
  }

  void SpaceOrPage() {
    if (E.LinesLeft() > 5) {
      E.PrintLine();
      E.PrintLine();
    } else {
      E.StartNewPage();
    }
  }

  void TotalLine(std::size_t reason, float total) {
    E.NextTab();
    E.NextTab();
    E.NextTab();
    E.PrintText(R.In.Reasons[reason]->Description);
    E.NextTab();
    E.PrintLine(R.Hours(total));
  }

  void TotalsLines(float TTallyRecClass::*total, const std::string& heading) {
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
      if (tallies_[i].*total <= 0) continue;
      if (E.LinesLeft() < 2) {
        E.StartNewPage();
        if (!NewPagePerGroup()) GroupHeading(heading);
      }
      TotalLine(i, tallies_[i].*total);
    }
    for (auto& t : tallies_) t.EmpTotal = t.DeptTotal = 0;
  }

  TReasonKeys keys_;
  std::vector<TTallyRecClass> tallies_;  // one per reason, in list order
  std::unordered_map<int32_t, std::size_t> reasonIndex_;
};

}  // namespace

std::unique_ptr<TReportBody> MakeAbsenceReport(TReportRun& run) {
  return std::make_unique<TAbsenceReport>(run);
}

}  // namespace absence::reports
