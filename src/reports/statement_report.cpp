// The employee statement: one employee per page for a period, with the entries taken, the
// totals per reason, the balances at the period's end and lines for the employee's and the
// manager's signatures. The figures come from the same counting as the absence taken report and
// the same balance rule as the reason balance report.
#include <functional>

#include "accrual/balances.h"
#include "reports/report_bodies.h"
#include "reports/taken.h"

namespace absence::reports {
namespace {

constexpr int kSignatureLines = 8;  // the confirmation and both signature lines with labels
constexpr int kPen = 3;             // signature rules, in pen units

class TStatementReport : public TReportBody {
 public:
  explicit TStatementReport(TReportRun& run)
      : TReportBody(run), keys_(run.In.Reasons), tallies_(run.In.Reasons) {}

  std::string FirstSubject() const override {
    const auto emps = Employees();
    return emps.empty() ? std::string() : FirstLast(*emps.front());
  }

  void Heading() override {
    const TReportOptions& o = R.Options;
    E.SetSectionTop(0.8);
    R.Font(14, true);
    E.PrintCentred("From " + R.Date(o.StartDate) + " to " + R.Date(o.EndDate));
    E.SetSectionTop(1.1);
    E.PrintCentred(R.Subject);
    E.SetSectionTop(1.5);
    E.SetSectionBottom(10.5);
    R.Font(11);
    if (table_) table_();
  }

  void Body() override {
    const auto emps = Employees();
    for (std::size_t i = 0; i < emps.size(); ++i) {
      if (i > 0) R.NewGroupPage(FirstLast(*emps[i]));
      Statement(*emps[i]);
    }
  }

 private:
  // The employees selected, or those of the departments selected, each once.
  std::vector<const TEmpRecClass*> Employees() const {
    std::vector<const TEmpRecClass*> emps;
    for (const TSelectionItem& item : R.In.Selection) {
      if (R.Options.SelectFromEmployees) {
        const TEmpRecClass* e = R.Emp(item.ID);
        if (e && !e->Deleted) emps.push_back(e);
      } else {
        for (const TEmpRecClass* e : R.DeptEmployees(item.ID)) emps.push_back(e);
      }
    }
    return emps;
  }

  void Statement(const TEmpRecClass& emp) {
    const TDeptRecClass* dept = emp.DeptID > 0 ? R.Dept(emp.DeptID) : nullptr;
    if (dept && dept->Deleted) dept = nullptr;
    R.TabStops({{0.75, 3.0}, {4.0, 3.0}});
    E.NextTab();
    E.PrintText("Employee: " + emp.FullName() + " (ID " + std::to_string(emp.EmpID) + ")");
    E.NextTab();
    E.PrintLine("Department: " + (dept ? dept->DeptName : std::string(kNoDepartment)));
    E.PrintLine();
    Entries(emp);
    Totals();
    Balances(emp);
    Signatures(dept);
  }

  // Starts a new page when fewer than `lines` are left; the page's heading repeats the table's
  // column headings.
  void Room(int lines) {
    if (E.LinesLeft() < lines) E.StartNewPage();
  }

  void EntryStops() { R.TabStops({{0.75, 1.1}, {2.0, 2.5}, {4.5, 0.75, TJustify::Right}}); }

  void EntryHeadings() {
    EntryStops();
    R.Font(11, true, true);
    for (const char* h : {"Date", "Reason", "Hours"}) {
      E.NextTab();
      E.PrintText(h);
    }
    E.PrintLine();
    R.Font(11);
  }

  void Entries(const TEmpRecClass& emp) {
    const auto entries = TakenEntries(emp, keys_, R.Options.StartDate, R.Options.EndDate);
    Room(3);
    EntryHeadings();
    table_ = [this] { EntryHeadings(); };
    bool any = false;
    for (const TAbsenceRecClass* x : entries) {
      const int i = tallies_.IndexOf(x->ReasonID);
      if (i < 0) continue;
      tallies_.Add(*x);
      any = true;
      Room(1);
      E.NextTab();
      E.PrintText(R.Date(x->EntryDate));
      E.NextTab();
      E.PrintText(R.In.Reasons[static_cast<std::size_t>(i)]->Description);
      E.NextTab();
      E.PrintLine(R.Hours(x->Hours));
    }
    table_ = nullptr;
    if (!any) {
      E.NextTab();
      E.PrintLine("No absences in this period.");
    }
  }

  void Totals() {
    bool first = true;
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
      if (tallies_[i].EmpTotal <= 0) continue;
      Room(first ? 3 : 1);
      if (first) {
        E.PrintLine();
        EntryStops();
        E.NextTab();
        E.SetBold(true);
        E.PrintLine("Totals:");
        E.SetBold(false);
        first = false;
      }
      E.NextTab();
      E.NextTab();
      E.PrintText(R.In.Reasons[i]->Description);
      E.NextTab();
      E.PrintLine(R.Hours(tallies_[i].EmpTotal));
    }
    tallies_.ClearEmpAndDept();
  }

  void BalanceStops() {
    R.TabStops({{0.75, 2.5},
                {3.3, 0.6},
                {4.0, 0.75, TJustify::Right},
                {4.85, 0.75, TJustify::Right},
                {5.7, 0.75, TJustify::Right}});
  }

  void BalanceHeadings() {
    BalanceStops();
    R.Font(11, true, true);
    for (const char* h : {"Absence Reason", "Year", "Available", "Used", "Balance"}) {
      E.NextTab();
      E.PrintText(h);
    }
    E.PrintLine();
    R.Font(11);
  }

  void Balances(const TEmpRecClass& emp) {
    std::vector<std::pair<const TReasonRecClass*, TReportBalance>> lines;
    for (const auto& reason : R.In.Reasons) {
      if (reason->Deleted) continue;
      TReportBalance b =
          ReportBalance(emp, R.In.Reasons, *reason, R.Options.EndDate, R.In.Settings.BenefitYear);
      if (b.Printable()) lines.emplace_back(reason.get(), std::move(b));
    }
    if (lines.empty()) return;
    Room(4);
    E.PrintLine();
    R.TabStops({{0.75, 5.75}});
    E.NextTab();
    R.Font(11, true);
    E.PrintLine("Balances as of " + R.Date(R.Options.EndDate));
    R.Font(11);
    BalanceHeadings();
    table_ = [this] { BalanceHeadings(); };
    for (const auto& [reason, b] : lines) {
      Room(1);
      E.NextTab();
      E.PrintText(reason->Description);
      PrintBalanceCells(R, *reason, b);
    }
    table_ = nullptr;
  }

  // One rule to sign on and one for the date, with their labels underneath.
  void SignatureLine(const std::string& label) {
    const TCellBorders rule{0, 0, 0, kPen};
    R.TabStops({{0.75, 3.25}, {4.5, 1.75}});
    E.PrintLine();
    E.NextTab(rule);
    E.NextTab(rule);
    E.PrintLine();
    E.NextTab();
    E.PrintText(label);
    E.NextTab();
    E.PrintLine("Date");
  }

  void Signatures(const TDeptRecClass* dept) {
    Room(kSignatureLines);
    E.PrintLine();
    R.TabStops({{0.75, 5.75}});
    E.NextTab();
    E.PrintLine("I confirm that the absences and balances in this statement are correct.");
    SignatureLine("Employee signature");
    const TEmpRecClass* manager = dept && dept->ManagerID > 0 ? R.Emp(dept->ManagerID) : nullptr;
    SignatureLine(manager && !manager->Deleted ? "Manager signature (" + FirstLast(*manager) + ")"
                                               : "Manager signature");
  }

  TReasonKeys keys_;
  TReasonTallies tallies_;
  std::function<void()> table_;  // repeats the current table's headings on a new page
};

}  // namespace

std::unique_ptr<TReportBody> MakeStatementReport(TReportRun& run) {
  return std::make_unique<TStatementReport>(run);
}

}  // namespace absence::reports
